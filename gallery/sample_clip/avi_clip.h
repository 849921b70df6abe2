// A short silent video clip and the AVI file that holds it: one video stream
// of 8-bit palette frames, each stored RLE8-compressed as a key frame, with
// the index chunk (idx1) that players use to find the frames. This is the
// kind of clip the system's animation control plays.
#ifndef GALLERY_SAMPLE_CLIP_AVI_CLIP_H
#define GALLERY_SAMPLE_CLIP_AVI_CLIP_H

#include <cstdint>
#include <string>
#include <vector>

struct AviClip {
    int width = 0;
    int height = 0;
    int framesPerSecond = 10;
    // Up to 256 colours as 0x00RRGGBB.
    std::vector<uint32_t> palette;
    // Each frame is width x height palette indices, top row first.
    std::vector<std::vector<uint8_t>> frames;
};

// One frame RLE8-compressed: bottom row first, as device-independent bitmaps
// store it; runs of at most 255 pixels, an end-of-line mark after every row
// but the last and the end-of-bitmap mark after the last.
std::string Rle8Frame(const std::vector<uint8_t>& pixels, int width, int height);

// The whole file: RIFF 'AVI ' with the header list (avih, one 'vids' stream
// with its strh and strf), the movi list of '00dc' frame chunks and idx1.
// Empty when the clip is malformed (no frames, a frame of the wrong size, no
// palette or more than 256 colours, a side of 0 or above 32767).
std::string AviFileBytes(const AviClip& clip);

// The gallery's clip: a few coloured shapes moving over a dark blue ground,
// 120 x 90 pixels, 24 frames at 12 frames a second.
AviClip SampleClip();

#endif
