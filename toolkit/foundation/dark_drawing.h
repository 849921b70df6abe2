// The drawing the dark painters share: sizes at a window's DPI, texts,
// fills, frames, lines and arrows, and the painters one file gives another.
#ifndef WICKER_FOUNDATION_DARK_DRAWING_H
#define WICKER_FOUNDATION_DARK_DRAWING_H

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "dark_painting.h"

namespace dark_drawing {

// A length of 96 DPI at the window's DPI.
int Scaled(HWND window, int length);
std::wstring WindowTextOf(HWND window);
void Fill(HDC dc, const RECT& area, COLORREF colour);
void Frame(HDC dc, const RECT& area, COLORREF colour);
// A line from one point to another, the end point excluded.
void Line(HDC dc, int x1, int y1, int x2, int y2, COLORREF colour);

enum class Pointing { Up, Down, Left, Right };
// A filled triangle in the middle of the area, pointing one way.
void Arrow(HDC dc, const RECT& area, Pointing way, COLORREF colour);

// Selects the window's font into the device context for the painter's life.
class FontIn {
public:
    FontIn(HDC dc, HWND window);
    ~FontIn();
    FontIn(const FontIn&) = delete;
    FontIn& operator=(const FontIn&) = delete;

private:
    HDC dc_;
    HGDIOBJ before_;
};

void Text(HDC dc, const std::wstring& text, RECT area, UINT format, COLORREF colour);
bool ShowsFocus(HWND window);
// The dotted focus frame, which inverts: drawn with the text and background
// colours the area shows, so it stays visible on them.
void FocusFrame(HDC dc, const RECT& area, COLORREF text, COLORREF back);
// Leaves the window's visible children out of what the device context paints.
void LeaveOutChildren(HWND window, HDC dc);

// Buttons of every kind but owner-drawn ones (dark_buttons.cpp), and the
// square of a check box.
void PaintButton(HWND button, HDC dc, const SchemeColours& colours);
void PaintGroupBox(HWND box, HDC dc, const SchemeColours& colours);
void DrawCheckMark(HDC dc, const RECT& mark, LRESULT state, COLORREF inside, COLORREF edge,
                   COLORREF ink);
// A scroll bar control (dark_scroll_bars.cpp).
void PaintScrollBarControl(HWND bar, const SchemeColours& colours, ScrollBarsDrawn& drawn);

}  // namespace dark_drawing

#endif
