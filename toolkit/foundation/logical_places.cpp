// A control's place and size in logical pixels: the window's own pixels
// turned to and from a 96-DPI screen at the DPI the toolkit scales the
// window to (ScalingDpi), so that what a program gives after creation is in
// the unit its constructors took.
#include "control.h"

#include "dpi_scaling.h"

namespace {

bool IsChildWindow(HWND window)
{
    return (GetWindowLongA(window, GWL_STYLE) & WS_CHILD) != 0;
}

// A window whose outer size holds a frame the system draws at each DPI as it
// is: a top-level window, or one with a caption or a sizing frame. Other
// children (the controls) are scaled whole, as their constructors scale them.
bool HasScaledFrame(HWND window)
{
    LONG style = GetWindowLongA(window, GWL_STYLE);
    return (style & WS_CHILD) == 0 || (style & (WS_CAPTION | WS_THICKFRAME)) != 0;
}

}  // namespace

void Control::MoveLogical(int x, int y)
{
    if (hwnd == NULL)
        return;
    if (!IsChildWindow(hwnd)) {
        Move(x, y);
        return;
    }
    UINT dpi = ScalingDpi(hwnd);
    Move(ScaleBetweenDpi(x, kLogicalDpi, dpi), ScaleBetweenDpi(y, kLogicalDpi, dpi));
}

int Control::ResizeLogical(int width, int height, bool centre)
{
    if (hwnd == NULL)
        return 0;
    UINT dpi = ScalingDpi(hwnd);
    if (!HasScaledFrame(hwnd))
        return Resize(ScaleBetweenDpi(width, kLogicalDpi, dpi),
                      ScaleBetweenDpi(height, kLogicalDpi, dpi), centre);
    SIZE size = ScaledFrameSize(width, height, GetWindowLongA(hwnd, GWL_STYLE),
                                GetWindowLongA(hwnd, GWL_EXSTYLE), dpi);
    return Resize(size.cx, size.cy, centre);
}

POINT Control::LogicalPlace()
{
    POINT place = {GetLeftValue(), GetTopValue()};
    if (hwnd == NULL || !IsChildWindow(hwnd))
        return place;
    UINT dpi = ScalingDpi(hwnd);
    place.x = ScaleBetweenDpi(place.x, dpi, kLogicalDpi);
    place.y = ScaleBetweenDpi(place.y, dpi, kLogicalDpi);
    return place;
}

SIZE Control::LogicalSize()
{
    SIZE size = {GetWidthValue(), GetHeightValue()};
    if (hwnd == NULL)
        return size;
    UINT dpi = ScalingDpi(hwnd);
    if (!HasScaledFrame(hwnd))
        return SIZE{ScaleBetweenDpi(size.cx, dpi, kLogicalDpi),
                    ScaleBetweenDpi(size.cy, dpi, kLogicalDpi)};
    return LogicalFrameSize(size.cx, size.cy, GetWindowLongA(hwnd, GWL_STYLE),
                            GetWindowLongA(hwnd, GWL_EXSTYLE), dpi);
}

SIZE Control::LogicalClientSize()
{
    if (hwnd == NULL)
        return SIZE{-1, -1};
    UINT dpi = ScalingDpi(hwnd);
    return SIZE{ScaleBetweenDpi(GetClientWidthValue(), dpi, kLogicalDpi),
                ScaleBetweenDpi(GetClientHeightValue(), dpi, kLogicalDpi)};
}
