#include "track.h"

#include <commctrl.h>

#include "basic_control.h"

static_assert(kTrackStyle == (WS_CHILD | WS_TABSTOP | TBS_AUTOTICKS), "slider style");

namespace {

// The own step sets the range.
const ControlKind kTrackKind = {
    TRACKBAR_CLASSA, "Track", {kStepFont, kStepCentre, kStepDisable, kStepOwn, kStepEnd}};

struct TrackRange {
    int minimum;
    int maximum;
};

void SetRangeStep(Control& control, void* range)
{
    const TrackRange* limits = static_cast<const TrackRange*>(range);
    SendMessageA(control.hwnd, TBM_SETRANGE, TRUE, MAKELPARAM(limits->minimum, limits->maximum));
}

}  // namespace

Track::Track() : position(0)
{
    ClearBasicControl(*this);
    BindProperties();
}

Track::Track(int identifier, int x, int y, int width, int height, Control parentControl,
             bool enabled, bool visible, bool centred, bool vertical, DWORD exStyle, int minimum,
             int maximum)
    : position(0)
{
    ClearBasicControl(*this);
    BindProperties();
    Create(identifier, x, y, width, height, parentControl, enabled, visible, centred, vertical,
           exStyle, minimum, maximum);
}

void Track::BindProperties()
{
    Position.Bind(this, &Track::GetPosition, &Track::SetPosition);
    Range.Bind(this, &Track::GetRange, &Track::SetRange);
    Minimum.Bind(this, &Track::GetMinimum, &Track::SetMinimum);
    Maximum.Bind(this, &Track::GetMaximum, &Track::SetMaximum);
}

bool Track::Create(int identifier, int x, int y, int width, int height, Control parentControl,
                   bool enabled, bool visible, bool centred, bool vertical, DWORD exStyle,
                   int minimum, int maximum)
{
    DWORD style = kTrackStyle;
    if (visible)
        style |= WS_VISIBLE;
    if (vertical)
        style |= TBS_VERT;
    ControlPlacement place = {"", identifier, x, y, width, height, enabled, visible, centred, exStyle};
    TrackRange range = {minimum, maximum};
    position = 0;
    return CreateBasicControl(*this, kTrackKind, style, place, parentControl, SetRangeStep, &range);
}

int Track::GetPosition()
{
    return static_cast<int>(SendMessageA(hwnd, TBM_GETPOS, 0, 0));
}

void Track::SetPosition(int value)
{
    if (value < 0)
        value = 0;
    position = value;
    SendMessageA(hwnd, TBM_SETPOS, TRUE, value);
    if (hwnd != NULL)
        SendMessageA(parent, WM_HSCROLL, TB_THUMBTRACK, reinterpret_cast<LPARAM>(hwnd));
}

int Track::GetRange()
{
    return static_cast<int>(SendMessageA(hwnd, TBM_GETNUMTICS, 0, 0));
}

void Track::SetRange(int maximum)
{
    SendMessageA(hwnd, TBM_SETRANGE, TRUE, MAKELPARAM(0, maximum));
}

int Track::GetMinimum()
{
    return static_cast<int>(SendMessageA(hwnd, TBM_GETRANGEMIN, 0, 0));
}

void Track::SetMinimum(int minimum)
{
    SendMessageA(hwnd, TBM_SETRANGEMIN, TRUE, minimum);
}

int Track::GetMaximum()
{
    return static_cast<int>(SendMessageA(hwnd, TBM_GETRANGEMAX, 0, 0));
}

void Track::SetMaximum(int maximum)
{
    SendMessageA(hwnd, TBM_SETRANGEMAX, TRUE, maximum);
}

void Track::ClearTicks()
{
    SendMessageA(hwnd, TBM_CLEARTICS, TRUE, 0);
}
