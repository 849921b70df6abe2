// The reference data a window's subclass procedure was installed with.
#ifndef WICKER_FOUNDATION_SUBCLASS_DATA_H
#define WICKER_FOUNDATION_SUBCLASS_DATA_H

#include <windows.h>
#include <commctrl.h>

// The reference data of the subclass (procedure and identifier) installed on
// the window with SetWindowSubclass, through comctl32's GetWindowSubclass;
// null when the window has no such subclass.
DWORD_PTR SubclassData(HWND window, SUBCLASSPROC procedure, UINT_PTR subclassId);

#endif
