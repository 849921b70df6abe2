/// \file
/// A checkerboard bar drawn by inverting the pixels under it, so that drawing
/// it again restores them: the ghost of a bar being dragged.
#ifndef WICKER_CONTROLS_INVERT_BAR_H
#define WICKER_CONTROLS_INVERT_BAR_H

#include <windows.h>

/// Inverts every other pixel of the rectangle, in a checkerboard that starts
/// at its top-left corner (an 8 x 8 pattern brush, PatBlt with PATINVERT).
/// Drawing the same rectangle twice leaves the pixels as they were. False when
/// the brush could not be made or PatBlt failed.
bool InvertBar(HDC dc, int x, int y, int width, int height);

#endif
