// A check of picture file bytes before they reach the system picture decoder.
// Platform-free: it reads the bytes only, so it also builds natively, where
// it is fuzzed.
#ifndef WICKER_FOUNDATION_PICTURE_BYTES_H
#define WICKER_FOUNDATION_PICTURE_BYTES_H

#include <cstddef>

// False when the bytes are a BMP or icon file (the formats the decoder reads
// by trusting the offsets and sizes in their headers) whose headers, colour
// table or colour masks lie outside the bytes, whose pixels would not fit in
// them, or whose sides are not 1 to 65,535; also for anything else beginning
// with a zero word, which the decoder would read as an icon. Other formats,
// which the decoder reads as streams, are passed as they are. True means the
// decoder reads nothing outside the `count` bytes.
bool PictureBytesAreWhole(const unsigned char* bytes, std::size_t count);

#endif
