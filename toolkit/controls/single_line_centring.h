/// \file
/// Single-line edit boxes whose text stands in the middle of their height.
#ifndef WICKER_CONTROLS_SINGLE_LINE_CENTRING_H
#define WICKER_CONTROLS_SINGLE_LINE_CENTRING_H

#include <windows.h>

/// A single-line "EDIT" window draws its text at the top of its client area,
/// so a box taller than its font (a box of 22 logical pixels at 144 DPI, a
/// large font's box, one a program made tall) shows its text high. This
/// subclass gives the box a client area as tall as one line of its font, in
/// the middle of its height, and paints the bands above and below in the
/// box's background (the parent's WM_CTLCOLOREDIT answer, or
/// WM_CTLCOLORSTATIC for a read-only or disabled box). It follows font and
/// size changes and a click in a band reaches the text. Every single-line box
/// the toolkit makes has it; false when the window is not one.
bool CentreSingleLineText(HWND edit);

#endif
