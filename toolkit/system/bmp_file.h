/// \file
/// Writing a bitmap as a BMP file.
#ifndef WICKER_SYSTEM_BMP_FILE_H
#define WICKER_SYSTEM_BMP_FILE_H

#include <windows.h>

#include "../foundation/string.h"

/// Writes the bitmap in its own pixel format as a BMP file (binary,
/// truncating): the 14-byte file header, the 40-byte BITMAPINFOHEADER that
/// GetDIBits reports for the bitmap, a colour table for 8 bits per pixel or
/// fewer, and the rows bottom row first. Formats given as bit-field masks are
/// written as plain RGB of the same depth. So a picture of 16 bits per pixel
/// or more has its pixels at offset 54 and a file size of 54 + image size.
///
/// False when nothing could be written: a null bitmap, a picture whose file
/// would pass 4 GB, or when memory or the file cannot be had; the last two
/// also show "Unable to Allocate Bitmap Memory" or "Unable to Create Bitmap
/// File" in a message box (title "Error"). A write that fails half way
/// removes the partial file.
bool SaveBitmapFile(HBITMAP bitmap, const String& path);

/// The file header's byte offset of the pixels for this info header: 54 plus
/// the colour table of a picture of 8 bits per pixel or fewer.
DWORD BitmapFilePixelOffset(const BITMAPINFOHEADER& header);

#endif
