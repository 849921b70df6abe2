// Scroll bars and borders drawn dark: a child window's border and the scroll
// bars the system draws in its frame, drawn over after the system's, and
// scroll bar controls.
#include <algorithm>
#include <cstring>

#include "dark_drawing.h"

using namespace dark_drawing;

namespace {

// ---- scroll bars ----

void DrawScrollBar(HDC dc, const RECT& bar, bool vertical, const SCROLLBARINFO& info,
                   const SchemeColours& colours)
{
    Fill(dc, bar, colours.field);
    const int length = vertical ? bar.bottom - bar.top : bar.right - bar.left;
    const int arrow = std::min<int>(info.dxyLineButton, length / 2);
    RECT first = bar, second = bar;
    if (vertical) {
        first.bottom = bar.top + arrow;
        second.top = bar.bottom - arrow;
    } else {
        first.right = bar.left + arrow;
        second.left = bar.right - arrow;
    }
    const bool unavailable = (info.rgstate[0] & STATE_SYSTEM_UNAVAILABLE) != 0;
    const COLORREF ink = unavailable ? colours.border : colours.greyText;
    Fill(dc, first, (info.rgstate[1] & STATE_SYSTEM_PRESSED) != 0 ? colours.pressedFace : colours.face);
    Arrow(dc, first, vertical ? Pointing::Up : Pointing::Left, ink);
    Fill(dc, second, (info.rgstate[5] & STATE_SYSTEM_PRESSED) != 0 ? colours.pressedFace : colours.face);
    Arrow(dc, second, vertical ? Pointing::Down : Pointing::Right, ink);
    if (unavailable || (info.rgstate[3] & STATE_SYSTEM_INVISIBLE) != 0 ||
        info.xyThumbBottom <= info.xyThumbTop)
        return;
    RECT thumb = bar;
    if (vertical) {
        thumb.top = bar.top + info.xyThumbTop;
        thumb.bottom = bar.top + info.xyThumbBottom;
        InflateRect(&thumb, -2, 0);
    } else {
        thumb.left = bar.left + info.xyThumbTop;
        thumb.right = bar.left + info.xyThumbBottom;
        InflateRect(&thumb, 0, -2);
    }
    Fill(dc, thumb, (info.rgstate[3] & STATE_SYSTEM_PRESSED) != 0 ? colours.greyText : colours.border);
}

bool ReadBar(HWND window, LONG object, SCROLLBARINFO& info)
{
    std::memset(&info, 0, sizeof info);
    info.cbSize = sizeof info;
    if (!GetScrollBarInfo(window, object, &info))
        return false;
    return (info.rgstate[0] & (STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_OFFSCREEN)) == 0;
}

bool SameBars(const SCROLLBARINFO& one, const SCROLLBARINFO& other)
{
    return std::memcmp(&one, &other, sizeof one) == 0;
}

bool IsFieldKind(WindowKind kind)
{
    switch (kind) {
    case WindowKind::Edit:
    case WindowKind::RichText:
    case WindowKind::ListBox:
    case WindowKind::ListView:
    case WindowKind::TreeView:
    case WindowKind::ComboBox:
    case WindowKind::ExtendedComboBox:
    case WindowKind::DatePicker:
        return true;
    default:
        return false;
    }
}

}  // namespace

namespace dark_drawing {

void PaintScrollBarControl(HWND bar, const SchemeColours& colours, ScrollBarsDrawn& drawn)
{
    const LONG style = GetWindowLongW(bar, GWL_STYLE);
    if ((style & (SBS_SIZEBOX | SBS_SIZEGRIP)) != 0)
        return;
    SCROLLBARINFO info;
    if (!ReadBar(bar, OBJID_CLIENT, info))
        return;
    RECT place = info.rcScrollBar;
    MapWindowPoints(NULL, bar, reinterpret_cast<POINT*>(&place), 2);
    HDC dc = GetDC(bar);
    DrawScrollBar(dc, place, (style & SBS_VERT) != 0, info, colours);
    ReleaseDC(bar, dc);
    drawn.valid = true;
    drawn.bars[0] = info;
}

}  // namespace dark_drawing

bool HasScrollBars(HWND window, WindowKind kind)
{
    if (kind == WindowKind::ScrollBar)
        return true;
    return (GetWindowLongW(window, GWL_STYLE) & (WS_VSCROLL | WS_HSCROLL)) != 0;
}

void PaintFrame(HWND window, const SchemeColours& colours, ScrollBarsDrawn& drawn, bool always)
{
    const WindowKind kind = KindOf(window);
    if (kind == WindowKind::ScrollBar) {
        SCROLLBARINFO info;
        if (always || !drawn.valid || !ReadBar(window, OBJID_CLIENT, info) ||
            !SameBars(info, drawn.bars[0]))
            PaintScrollBarControl(window, colours, drawn);
        return;
    }
    // Windows with a caption (top-level forms, MDI children) keep the
    // system's frame.
    const LONG style = GetWindowLongW(window, GWL_STYLE);
    if ((style & WS_CHILD) == 0 || (style & WS_CAPTION) == WS_CAPTION)
        return;
    SCROLLBARINFO bars[2];
    const bool shown[2] = {ReadBar(window, OBJID_VSCROLL, bars[0]),
                           ReadBar(window, OBJID_HSCROLL, bars[1])};
    if (!shown[0])
        std::memset(&bars[0], 0, sizeof bars[0]);
    if (!shown[1])
        std::memset(&bars[1], 0, sizeof bars[1]);
    if (!always && drawn.valid && SameBars(bars[0], drawn.bars[0]) && SameBars(bars[1], drawn.bars[1]))
        return;
    drawn.valid = true;
    drawn.bars[0] = bars[0];
    drawn.bars[1] = bars[1];

    RECT outer;
    GetWindowRect(window, &outer);
    const POINT origin = {outer.left, outer.top};
    OffsetRect(&outer, -origin.x, -origin.y);
    RECT inner;
    GetClientRect(window, &inner);
    MapWindowPoints(window, NULL, reinterpret_cast<POINT*>(&inner), 2);
    OffsetRect(&inner, -origin.x, -origin.y);
    RECT placed[2] = {};
    for (int bar = 0; bar < 2; ++bar) {
        if (!shown[bar])
            continue;
        placed[bar] = bars[bar].rcScrollBar;
        OffsetRect(&placed[bar], -origin.x, -origin.y);
        UnionRect(&inner, &inner, &placed[bar]);
    }
    HDC dc = GetWindowDC(window);
    if (dc == NULL)
        return;
    if (always && !EqualRect(&inner, &outer)) {
        HRGN clip = CreateRectRgnIndirect(&outer);
        HRGN hole = CreateRectRgnIndirect(&inner);
        CombineRgn(clip, clip, hole, RGN_DIFF);
        SelectClipRgn(dc, clip);
        Fill(dc, outer, IsFieldKind(kind) ? colours.field : colours.window);
        Frame(dc, outer, colours.border);
        SelectClipRgn(dc, NULL);
        DeleteObject(hole);
        DeleteObject(clip);
    }
    for (int bar = 0; bar < 2; ++bar)
        if (shown[bar])
            DrawScrollBar(dc, placed[bar], bar == 0, bars[bar], colours);
    if (shown[0] && shown[1]) {
        RECT corner = {placed[0].left, placed[1].top, placed[0].right, placed[1].bottom};
        Fill(dc, corner, colours.window);
    }
    ReleaseDC(window, dc);
}
