#include "avi_clip.h"


namespace {

void Put16(std::string& out, uint32_t value)
{
    out.push_back(static_cast<char>(value & 0xFF));
    out.push_back(static_cast<char>((value >> 8) & 0xFF));
}

void Put32(std::string& out, uint32_t value)
{
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

void PutTag(std::string& out, const char* tag)
{
    out.append(tag, 4);
}

void Patch32(std::string& out, size_t at, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        out[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

// Opens a chunk (or, with a list type, a RIFF or LIST chunk); returns where
// its size goes, for CloseChunk.
size_t OpenChunk(std::string& out, const char* tag, const char* listType = nullptr)
{
    PutTag(out, tag);
    size_t sizeAt = out.size();
    Put32(out, 0);
    if (listType != nullptr)
        PutTag(out, listType);
    return sizeAt;
}

// The size counts the bytes after the size field, without the pad byte that
// keeps every chunk at an even offset.
void CloseChunk(std::string& out, size_t sizeAt)
{
    Patch32(out, sizeAt, static_cast<uint32_t>(out.size() - sizeAt - 4));
    if (out.size() % 2 != 0)
        out.push_back('\0');
}

const uint32_t kAviHasIndex = 0x10;   // AVIF_HASINDEX
const uint32_t kIndexKeyFrame = 0x10; // AVIIF_KEYFRAME
const uint32_t kBiRle8 = 1;           // BI_RLE8

}  // namespace

std::string Rle8Frame(const std::vector<uint8_t>& pixels, int width, int height)
{
    std::string out;
    for (int row = height - 1; row >= 0; --row) {
        const uint8_t* line = pixels.data() + static_cast<size_t>(row) * width;
        int x = 0;
        while (x < width) {
            int run = 1;
            while (x + run < width && run < 255 && line[x + run] == line[x])
                ++run;
            out.push_back(static_cast<char>(run));
            out.push_back(static_cast<char>(line[x]));
            x += run;
        }
        out.push_back('\0');
        out.push_back(row > 0 ? '\0' : '\1');
    }
    return out;
}

std::string AviFileBytes(const AviClip& clip)
{
    if (clip.frames.empty() || clip.palette.empty() || clip.palette.size() > 256 ||
        clip.width <= 0 || clip.height <= 0 || clip.width > 32767 || clip.height > 32767 ||
        clip.framesPerSecond <= 0)
        return std::string();
    const size_t pixelCount = static_cast<size_t>(clip.width) * clip.height;
    std::vector<std::string> frames;
    size_t largest = 0;
    for (const std::vector<uint8_t>& pixels : clip.frames) {
        if (pixels.size() != pixelCount)
            return std::string();
        for (uint8_t index : pixels)
            if (index >= clip.palette.size())
                return std::string();
        frames.push_back(Rle8Frame(pixels, clip.width, clip.height));
        if (frames.back().size() > largest)
            largest = frames.back().size();
    }
    const uint32_t frameCount = static_cast<uint32_t>(frames.size());
    const uint32_t bufferSize = static_cast<uint32_t>(largest);

    std::string out;
    size_t riff = OpenChunk(out, "RIFF", "AVI ");
    size_t headers = OpenChunk(out, "LIST", "hdrl");

    size_t avih = OpenChunk(out, "avih");
    Put32(out, 1000000 / clip.framesPerSecond);  // dwMicroSecPerFrame
    Put32(out, bufferSize * clip.framesPerSecond);  // dwMaxBytesPerSec
    Put32(out, 0);                               // dwPaddingGranularity
    Put32(out, kAviHasIndex);                    // dwFlags
    Put32(out, frameCount);                      // dwTotalFrames
    Put32(out, 0);                               // dwInitialFrames
    Put32(out, 1);                               // dwStreams
    Put32(out, bufferSize);                      // dwSuggestedBufferSize
    Put32(out, clip.width);                      // dwWidth
    Put32(out, clip.height);                     // dwHeight
    for (int i = 0; i < 4; ++i)
        Put32(out, 0);                           // dwReserved
    CloseChunk(out, avih);

    size_t stream = OpenChunk(out, "LIST", "strl");
    size_t strh = OpenChunk(out, "strh");
    PutTag(out, "vids");                         // fccType
    Put32(out, 0);                               // fccHandler: frames as bitmaps
    Put32(out, 0);                               // dwFlags
    Put16(out, 0);                               // wPriority
    Put16(out, 0);                               // wLanguage
    Put32(out, 0);                               // dwInitialFrames
    Put32(out, 1);                               // dwScale
    Put32(out, clip.framesPerSecond);            // dwRate: frames per dwScale seconds
    Put32(out, 0);                               // dwStart
    Put32(out, frameCount);                      // dwLength
    Put32(out, bufferSize);                      // dwSuggestedBufferSize
    Put32(out, 0xFFFFFFFF);                      // dwQuality: the default
    Put32(out, 0);                               // dwSampleSize: frames vary in size
    Put16(out, 0);                               // rcFrame: left, top, right, bottom
    Put16(out, 0);
    Put16(out, clip.width);
    Put16(out, clip.height);
    CloseChunk(out, strh);

    // The stream format is a BITMAPINFOHEADER followed by the palette.
    size_t strf = OpenChunk(out, "strf");
    Put32(out, 40);                              // biSize
    Put32(out, clip.width);                      // biWidth
    Put32(out, clip.height);                     // biHeight: bottom-up
    Put16(out, 1);                               // biPlanes
    Put16(out, 8);                               // biBitCount
    Put32(out, kBiRle8);                         // biCompression
    Put32(out, bufferSize);                      // biSizeImage: the largest frame
    Put32(out, 0);                               // biXPelsPerMeter
    Put32(out, 0);                               // biYPelsPerMeter
    Put32(out, static_cast<uint32_t>(clip.palette.size()));  // biClrUsed
    Put32(out, 0);                               // biClrImportant
    for (uint32_t colour : clip.palette)
        Put32(out, colour & 0xFFFFFF);           // RGBQUAD: blue, green, red, 0
    CloseChunk(out, strf);
    CloseChunk(out, stream);
    CloseChunk(out, headers);

    // Index offsets count from the 'movi' tag of the frame list.
    size_t movie = OpenChunk(out, "LIST", "movi");
    const size_t movieTag = movie + 4;
    std::vector<uint32_t> offsets;
    for (const std::string& frame : frames) {
        offsets.push_back(static_cast<uint32_t>(out.size() - movieTag));
        size_t chunk = OpenChunk(out, "00dc");
        out += frame;
        CloseChunk(out, chunk);
    }
    CloseChunk(out, movie);

    size_t index = OpenChunk(out, "idx1");
    for (size_t i = 0; i < frames.size(); ++i) {
        PutTag(out, "00dc");
        Put32(out, kIndexKeyFrame);
        Put32(out, offsets[i]);
        Put32(out, static_cast<uint32_t>(frames[i].size()));
    }
    CloseChunk(out, index);
    CloseChunk(out, riff);
    return out;
}

AviClip SampleClip()
{
    enum { kGround, kBall, kSquare, kBar, kShine };
    AviClip clip;
    clip.width = 120;
    clip.height = 90;
    clip.framesPerSecond = 12;
    clip.palette = {0x203060, 0xE04030, 0xF0D040, 0x40C060, 0xFFFFFF};
    const int frameCount = 24;
    for (int f = 0; f < frameCount; ++f) {
        std::vector<uint8_t> pixels(static_cast<size_t>(clip.width) * clip.height, kGround);
        auto set = [&](int x, int y, uint8_t colour) {
            if (x >= 0 && x < clip.width && y >= 0 && y < clip.height)
                pixels[static_cast<size_t>(y) * clip.width + x] = colour;
        };
        // A ball that crosses the picture and bounces on the floor.
        int bx = 10 + f * 100 / frameCount;
        int phase = f % 12;
        int by = 70 - (phase * (12 - phase)) * 50 / 36;
        for (int y = -9; y <= 9; ++y)
            for (int x = -9; x <= 9; ++x)
                if (x * x + y * y <= 81)
                    set(bx + x, by + y, (x + 3) * (x + 3) + (y + 3) * (y + 3) <= 6 ? kShine : kBall);
        // A square sliding back along the top.
        int sx = 100 - f * 90 / frameCount;
        for (int y = 6; y < 20; ++y)
            for (int x = sx; x < sx + 14; ++x)
                set(x, y, kSquare);
        // A bar along the floor that grows and shrinks.
        int length = 10 + (f < frameCount / 2 ? f : frameCount - f) * 8;
        for (int y = 82; y < 87; ++y)
            for (int x = 5; x < 5 + length; ++x)
                set(x, y, kBar);
        clip.frames.push_back(pixels);
    }
    return clip;
}
