// The class a window was made of, asked by name.
#ifndef WICKER_FOUNDATION_WINDOW_CLASS_H
#define WICKER_FOUNDATION_WINDOW_CLASS_H

#include <windows.h>

// True when the window's class name (GetClassNameA) is `className`, in any
// case; false for a null or destroyed window.
bool IsWindowOfClass(HWND window, const char* className);

#endif
