#include "dark_drawing.h"

#include <algorithm>

#include "dark_painting.h"

namespace dark_drawing {

// A length of 96 DPI at the window's DPI.
int Scaled(HWND window, int length)
{
    const UINT dpi = GetDpiForWindow(window);
    return MulDiv(length, dpi != 0 ? static_cast<int>(dpi) : 96, 96);
}

std::wstring WindowTextOf(HWND window)
{
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<size_t>(std::max(length, 0)) + 1, L'\0');
    const int copied = GetWindowTextW(window, &text[0], length + 1);
    text.resize(static_cast<size_t>(std::max(copied, 0)));
    return text;
}

void Fill(HDC dc, const RECT& area, COLORREF colour)
{
    FillRect(dc, &area, SolidBrushOf(colour));
}

void Frame(HDC dc, const RECT& area, COLORREF colour)
{
    FrameRect(dc, &area, SolidBrushOf(colour));
}

// A line from one point to another, the end point excluded.
void Line(HDC dc, int x1, int y1, int x2, int y2, COLORREF colour)
{
    HPEN pen = CreatePen(PS_SOLID, 1, colour);
    HGDIOBJ before = SelectObject(dc, pen);
    MoveToEx(dc, x1, y1, NULL);
    LineTo(dc, x2, y2);
    SelectObject(dc, before);
    DeleteObject(pen);
}


// A filled triangle in the middle of the area, pointing one way.
void Arrow(HDC dc, const RECT& area, Pointing way, COLORREF colour)
{
    const int cx = (area.left + area.right) / 2, cy = (area.top + area.bottom) / 2;
    const int extent = std::max<int>(2, std::min<int>(area.right - area.left, area.bottom - area.top) / 4);
    POINT points[3];
    switch (way) {
    case Pointing::Up:
        points[0] = {cx - extent, cy + extent / 2};
        points[1] = {cx + extent, cy + extent / 2};
        points[2] = {cx, cy - extent / 2 - 1};
        break;
    case Pointing::Down:
        points[0] = {cx - extent, cy - extent / 2};
        points[1] = {cx + extent, cy - extent / 2};
        points[2] = {cx, cy + extent / 2 + 1};
        break;
    case Pointing::Left:
        points[0] = {cx + extent / 2, cy - extent};
        points[1] = {cx + extent / 2, cy + extent};
        points[2] = {cx - extent / 2 - 1, cy};
        break;
    case Pointing::Right:
        points[0] = {cx - extent / 2, cy - extent};
        points[1] = {cx - extent / 2, cy + extent};
        points[2] = {cx + extent / 2 + 1, cy};
        break;
    }
    HPEN pen = CreatePen(PS_SOLID, 1, colour);
    HGDIOBJ beforePen = SelectObject(dc, pen);
    HGDIOBJ beforeBrush = SelectObject(dc, SolidBrushOf(colour));
    Polygon(dc, points, 3);
    SelectObject(dc, beforeBrush);
    SelectObject(dc, beforePen);
    DeleteObject(pen);
}

FontIn::FontIn(HDC dc, HWND window) : dc_(dc)
{
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
    before_ = SelectObject(dc, font != NULL ? font : GetStockObject(DEFAULT_GUI_FONT));
}

FontIn::~FontIn()
{
    SelectObject(dc_, before_);
}

void Text(HDC dc, const std::wstring& text, RECT area, UINT format, COLORREF colour)
{
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colour);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area, format);
}

bool ShowsFocus(HWND window)
{
    return (SendMessageW(window, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS) == 0;
}

void FocusFrame(HDC dc, const RECT& area, COLORREF text, COLORREF back)
{
    SetTextColor(dc, text);
    SetBkColor(dc, back);
    DrawFocusRect(dc, &area);
}

// Leaves the window's visible children out of what the device context paints.
void LeaveOutChildren(HWND window, HDC dc)
{
    for (HWND child = GetWindow(window, GW_CHILD); child != NULL;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if (!IsWindowVisible(child))
            continue;
        RECT place;
        GetWindowRect(child, &place);
        MapWindowPoints(NULL, window, reinterpret_cast<POINT*>(&place), 2);
        ExcludeClipRect(dc, place.left, place.top, place.right, place.bottom);
    }
}

}  // namespace dark_drawing
