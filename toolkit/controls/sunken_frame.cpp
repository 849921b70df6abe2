#include "sunken_frame.h"

#include "../foundation/dpi_scaling.h"

static_assert(kSunkenFrameStyle == (WS_CHILD | WS_VISIBLE | SS_SUNKEN | SS_BLACKFRAME),
              "sunken frame style");

SunkenFrame::SunkenFrame() {}

SunkenFrame::SunkenFrame(int x, int y, int width, int height, const Control& parentControl)
{
    parent = ControlView(parentControl).hwnd;
    ScaleNewWindowBounds(parent, x, y, width, height);
    // The identifier -1 is the static controls' 0xFFFF; `id` stays unset.
    hwnd = CreateWindowExA(0, "STATIC", "", kSunkenFrameStyle, x, y, width, height, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(-1)),
                           GetModuleHandleA(NULL), NULL);
}
