/// \file
/// Resampling a bitmap to a new size by area averaging.
#ifndef WICKER_SYSTEM_RESAMPLER_H
#define WICKER_SYSTEM_RESAMPLER_H

#include <windows.h>

/// The largest side a picture may have: sizes are kept as unsigned 16-bit
/// numbers, so anything larger is refused rather than wrapped around.
const int kLargestPictureSide = 65535;

/// True when width and height are both 1 to kLargestPictureSide.
bool IsPictureSize(long width, long height);

/// Area averaging of 24-bit pixel rows (blue, green, red; top row first; each
/// row `stride` bytes). Every destination pixel is the mean of the source
/// area it covers, weighted by how much of each source pixel falls inside it,
/// so reductions, enlargements and mixtures of both cover every destination
/// pixel. The sizes must be valid picture sizes and the strides at least
/// width x 3; false when the working memory cannot be had.
bool AreaAverage(const BYTE* source, int sourceWidth, int sourceHeight, int sourceStride,
                 BYTE* target, int targetWidth, int targetHeight, int targetStride);

/// A new bitmap, compatible with the screen, of width x height holding the
/// bitmap resampled by AreaAverage (pixels read and written through 24-bit
/// device-independent rows). Null for a null bitmap, a size outside 1 to
/// kLargestPictureSide, or when memory or GDI fails. The caller owns it.
HBITMAP ResampleBitmap(HBITMAP bitmap, int width, int height);

/// The size that makes the longer side of a width x height picture `size`,
/// keeping the proportions: factor = size / width when the height is less
/// than the width, else size / height (single precision); each side times the
/// factor, truncated. False when either result is outside 1 to 65,535.
bool FittedSize(int width, int height, int size, int& fittedWidth, int& fittedHeight);

///@{
/// Bytes per row of a 24-bit device-independent bitmap (rows padded to 4 bytes).
inline size_t Rgb24Stride(int width)
{
    return (static_cast<size_t>(width) * 3 + 3) & ~static_cast<size_t>(3);
}
///@}

/// A BITMAPINFOHEADER for top-down 24-bit rows of that size.
BITMAPINFOHEADER Rgb24Header(int width, int height);

#endif
