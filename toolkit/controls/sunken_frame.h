/// \file
/// A sunken black frame: a bevel line or box around other controls.
#ifndef WICKER_CONTROLS_SUNKEN_FRAME_H
#define WICKER_CONTROLS_SUNKEN_FRAME_H

#include <windows.h>

#include "../foundation/control.h"

/// A visible "STATIC" window drawn as a sunken black frame (SS_SUNKEN |
/// SS_BLACKFRAME) under the static-control identifier 0xFFFF: it answers no
/// commands. Two pixels high it is a horizontal bevel line.
struct SunkenFrame : Control {
    /// No window.
    SunkenFrame();
    /// Creates the frame at x, y of the parent's client area, visible at once.
    SunkenFrame(int x, int y, int width, int height, const Control& parentControl);
};

/// The frame's window style.
const DWORD kSunkenFrameStyle = 0x50001007;  ///< WS_CHILD | WS_VISIBLE | SS_SUNKEN | SS_BLACKFRAME

#endif
