// What the list view and the table share: item and cell texts read whole,
// and the colours of the control.
#ifndef WICKER_CONTROLS_LIST_VIEW_TEXT_H
#define WICKER_CONTROLS_LIST_VIEW_TEXT_H

#include <windows.h>

#include "../foundation/string.h"

// The whole text of an item (column 0) or of a cell of a "SysListView32"
// window. The control cannot say how long a text is, so it is asked with a
// buffer that grows until the text fits. Empty for a missing window, item
// or column.
String ListViewCellText(HWND list, int item, int column);
// Sets the text of an item (column 0) or of a cell (LVM_SETITEMTEXTA); false
// when the control refuses it (no such item) or there is no window.
bool SetListViewCellText(HWND list, int item, int column, const String& text);
// LVM_SETBKCOLOR; when the control takes it, the text background too
// (LVM_SETTEXTBKCOLOR) and a full repaint. False when refused.
bool SetListViewBackground(HWND list, COLORREF colour);
// LVM_SETTEXTCOLOR and a full repaint; whether the control took it.
bool SetListViewTextColour(HWND list, COLORREF colour);

#endif
