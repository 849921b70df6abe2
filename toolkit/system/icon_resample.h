/// \file
/// An icon at a side its source was not drawn at, by area averaging.
#ifndef WICKER_SYSTEM_ICON_RESAMPLE_H
#define WICKER_SYSTEM_ICON_RESAMPLE_H

#include <windows.h>

/// A new icon (the caller's, for DestroyIcon) of side x side pixels with the
/// picture of `icon`. An icon loaded from a resource gives its own picture of
/// that side when the side is one icons are usually drawn at (16, 32, 48);
/// for any other side (24 at 144 DPI, say) its picture of twice the side is
/// reduced by area averaging, colours weighted by their opacity, so edges stay
/// smooth where stretching would leave jagged steps. Null for a null icon or
/// when the system refuses.
HICON ResampledIcon(HICON icon, int side);

#endif
