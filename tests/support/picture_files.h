// Picture files for tests, written out from the test program's own resources.
#ifndef TESTS_SUPPORT_PICTURE_FILES_H
#define TESTS_SUPPORT_PICTURE_FILES_H

#include <windows.h>

#include <string>
#include <vector>

// The bytes of the test program's RCDATA resource of this number; empty when
// there is none.
std::string ResourceBytes(int resourceId);

// Writes the RCDATA resource to the file; false when either fails.
bool WriteResourceFile(int resourceId, const std::string& path);

// Writes a 24-bit bitmap file of side x side pixels, all of one colour;
// false when the file cannot be written.
bool WriteSolidBitmap(const std::string& path, COLORREF colour, int side = 4);

// The colour of one pixel of a bitmap (GetPixel on a memory device context);
// CLR_INVALID when it cannot be read.
COLORREF BitmapPixel(HBITMAP bitmap, int x, int y);

// The header of a 32-bit picture of width x height pixels, top row first,
// each pixel a DWORD 0x00RRGGBB (BI_RGB), for the DIB calls.
BITMAPINFO TopDownRgbInfo(int width, int height);

// A new bitmap compatible with the screen holding the pixels (top row first,
// width x height COLORREFs); the caller deletes it.
HBITMAP BitmapFromPixels(int width, int height, const std::vector<COLORREF>& pixels);

// Every pixel of the bitmap, top row first (GetDIBits as 32-bit rows).
std::vector<COLORREF> BitmapPixels(HBITMAP bitmap);

// True when the handle still names a bitmap (GetObjectA succeeds).
bool IsLiveBitmap(HBITMAP bitmap);

#endif
