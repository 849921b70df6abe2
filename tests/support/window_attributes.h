// What a window is made of, read back from the system: its class, text and
// style words.
#ifndef TESTS_SUPPORT_WINDOW_ATTRIBUTES_H
#define TESTS_SUPPORT_WINDOW_ATTRIBUTES_H

#include <windows.h>

#include <string>

// The class name the window was created with (GetClassNameA).
std::string WindowClass(HWND window);
// The window's whole text (GetWindowTextA), "" for none.
std::string WindowText(HWND window);
// GWL_STYLE and GWL_EXSTYLE.
DWORD WindowStyle(HWND window);
DWORD WindowExStyle(HWND window);

// The colour of one pixel of the window as painted after RepaintWholly
// (window_pixels.h).
COLORREF RepaintedPixel(HWND window, int x, int y, DWORD waitMs = 50);

#endif
