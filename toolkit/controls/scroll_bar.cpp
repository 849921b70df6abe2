#include "scroll_bar.h"

#include "basic_control.h"

static_assert(kScrollBarStyle == (WS_CHILD | WS_TABSTOP), "scroll bar style");

namespace {

// The own step sets the range.
const ControlKind kScrollBarKind = {
    "SCROLLBAR", "", {kStepFont, kStepCentre, kStepDisable, kStepOwn, kStepEnd}};

struct ScrollRange {
    int minimum;
    int maximum;
};

void SetRangeStep(Control& control, void* range)
{
    const ScrollRange* limits = static_cast<const ScrollRange*>(range);
    SetScrollRange(control.hwnd, SB_CTL, limits->minimum, limits->maximum, TRUE);
}

}  // namespace

ScrollBar::ScrollBar()
{
    ClearBasicControl(*this);
    BindProperties();
}

ScrollBar::ScrollBar(int identifier, int x, int y, int width, int height, Control parentControl,
                     int orientation, bool enabled, bool visible, bool centred, DWORD exStyle,
                     int minimum, int maximum)
{
    ClearBasicControl(*this);
    BindProperties();
    Create(identifier, x, y, width, height, parentControl, orientation, enabled, visible, centred,
           exStyle, minimum, maximum);
}

void ScrollBar::BindProperties()
{
    Position.Bind(this, &ScrollBar::GetPosition, &ScrollBar::SetPosition);
    Minimum.Bind(this, &ScrollBar::GetMinimum, &ScrollBar::SetMinimum);
    Maximum.Bind(this, &ScrollBar::GetMaximum, &ScrollBar::SetMaximum);
}

bool ScrollBar::Create(int identifier, int x, int y, int width, int height, Control parentControl,
                       int orientation, bool enabled, bool visible, bool centred, DWORD exStyle,
                       int minimum, int maximum)
{
    DWORD style = kScrollBarStyle;
    if (visible)
        style |= WS_VISIBLE;
    if (orientation != kHorizontalScrollBar)
        style |= SBS_VERT;
    ControlPlacement place = {"", identifier, x, y, width, height, enabled, visible, centred, exStyle};
    ScrollRange range = {minimum, maximum};
    return CreateBasicControl(*this, kScrollBarKind, style, place, parentControl, SetRangeStep,
                              &range);
}

// Reading commits the place the thumb was last dragged to.
int ScrollBar::GetPosition()
{
    SCROLLINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;
    if (!SendMessageA(hwnd, SBM_GETSCROLLINFO, 0, reinterpret_cast<LPARAM>(&info)))
        return 0;
    SetScrollPos(hwnd, SB_CTL, info.nTrackPos, TRUE);
    return info.nTrackPos;
}

void ScrollBar::SetPosition(int position)
{
    SetScrollPos(hwnd, SB_CTL, position, TRUE);
}

int ScrollBar::GetMinimum()
{
    int minimum = 0;
    int maximum = 0;
    GetScrollRange(hwnd, SB_CTL, &minimum, &maximum);
    return minimum;
}

void ScrollBar::SetMinimum(int minimum)
{
    SetScrollRange(hwnd, SB_CTL, minimum, GetMaximum(), TRUE);
}

int ScrollBar::GetMaximum()
{
    int minimum = 0;
    int maximum = 0;
    GetScrollRange(hwnd, SB_CTL, &minimum, &maximum);
    return maximum;
}

void ScrollBar::SetMaximum(int maximum)
{
    SetScrollRange(hwnd, SB_CTL, GetMinimum(), maximum, TRUE);
}
