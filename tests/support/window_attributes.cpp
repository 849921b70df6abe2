#include "window_attributes.h"

#include <vector>

#include "window_pixels.h"

std::string WindowClass(HWND window)
{
    char name[256] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::string WindowText(HWND window)
{
    int length = GetWindowTextLengthA(window);
    std::vector<char> text(static_cast<size_t>(length > 0 ? length : 0) + 1, '\0');
    GetWindowTextA(window, text.data(), static_cast<int>(text.size()));
    return text.data();
}

DWORD WindowStyle(HWND window)
{
    return static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE));
}

DWORD WindowExStyle(HWND window)
{
    return static_cast<DWORD>(GetWindowLongA(window, GWL_EXSTYLE));
}

COLORREF RepaintedPixel(HWND window, int x, int y, DWORD waitMs)
{
    RepaintWholly(window, waitMs);
    HDC dc = GetDC(window);
    COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return colour;
}
