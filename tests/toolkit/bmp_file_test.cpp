// BMP files written by Image::Save: the layout, a read back through
// LoadFile, and ImageMagick's `identify` reading every depth.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "picture_files.h"
#include "scratch_folder.h"
#include "unix_command.h"
#include "wicker.h"

namespace {

DWORD Field32(const std::string& bytes, size_t at)
{
    DWORD value = 0;
    std::memcpy(&value, bytes.data() + at, 4);
    return value;
}

WORD Field16(const std::string& bytes, size_t at)
{
    WORD value = 0;
    std::memcpy(&value, bytes.data() + at, 2);
    return value;
}

// A bitmap of the depth with a pattern of distinct pixels: a DIB section with
// its own colour table for 8 bits or fewer, a monochrome bitmap for 1 bit, a
// screen-compatible bitmap for 32 bits.
HBITMAP PatternBitmap(int bits, int width, int height)
{
    if (bits == 32) {
        std::vector<COLORREF> pixels;
        for (int i = 0; i < width * height; ++i)
            pixels.push_back(RGB(i * 7 % 256, i * 13 % 256, i * 29 % 256));
        return BitmapFromPixels(width, height, pixels);
    }
    if (bits == 1) {
        std::vector<BYTE> rows(((width + 15) / 16) * 2 * height);
        for (size_t i = 0; i < rows.size(); ++i)
            rows[i] = static_cast<BYTE>(0xA5 ^ (i * 37));
        return CreateBitmap(width, height, 1, 1, rows.data());
    }
    struct {
        BITMAPINFOHEADER header;
        RGBQUAD colours[256];
    } info = {};
    info.header.biSize = sizeof info.header;
    info.header.biWidth = width;
    info.header.biHeight = height;
    info.header.biPlanes = 1;
    info.header.biBitCount = static_cast<WORD>(bits);
    info.header.biCompression = BI_RGB;
    int colours = bits <= 8 ? 1 << bits : 0;
    for (int i = 0; i < colours; ++i) {
        info.colours[i].rgbRed = static_cast<BYTE>(i * 17);
        info.colours[i].rgbGreen = static_cast<BYTE>(255 - i * 5);
        info.colours[i].rgbBlue = static_cast<BYTE>(i * 3 + 40);
    }
    void* bytes = NULL;
    HBITMAP bitmap = CreateDIBSection(NULL, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS,
                                      &bytes, NULL, 0);
    if (bitmap == NULL)
        return NULL;
    size_t stride = ((static_cast<size_t>(width) * bits + 31) / 32) * 4;
    BYTE* pixels = static_cast<BYTE*>(bytes);
    for (size_t i = 0; i < stride * height; ++i)
        pixels[i] = static_cast<BYTE>(i * 11 + i / stride);
    GdiFlush();
    return bitmap;
}

class BmpFileTest : public ScratchFolderTest {};

TEST_F(BmpFileTest, TwentyFourBitPictureHasItsPixelsAtFiftyFour)
{
    Image image(PatternBitmap(24, 3, 2), kOwnHandle);
    ASSERT_TRUE(image.HasImage());
    std::string path = PathOf("small.bmp");
    ASSERT_TRUE(image.Save(String(path.c_str())));
    std::string bytes = ReadBytes(path);
    ASSERT_EQ(bytes.size(), 78u);
    EXPECT_EQ(Field16(bytes, 0), 0x4D42);
    EXPECT_EQ(Field32(bytes, 2), 78u);
    EXPECT_EQ(Field32(bytes, 10), 54u);
    EXPECT_EQ(Field32(bytes, 14), 40u);
    EXPECT_EQ(static_cast<LONG>(Field32(bytes, 18)), 3);
    EXPECT_EQ(static_cast<LONG>(Field32(bytes, 22)), 2);
    EXPECT_EQ(Field16(bytes, 28), 24);
}

// Every depth: the file reads back with the same pixels, its fields agree
// with its length, and another program reads it at the right size.
TEST_F(BmpFileTest, EveryDepthReadsBackWithTheSamePixels)
{
    const int depths[] = {1, 4, 8, 24, 32};
    const int width = 13, height = 5;
    std::string files, sizes;
    for (int bits : depths) {
        SCOPED_TRACE(testing::Message() << bits << " bits per pixel");
        Image image(PatternBitmap(bits, width, height), kOwnHandle);
        ASSERT_TRUE(image.HasImage());
        std::string path = PathOf("depth" + std::to_string(bits) + ".bmp");
        ASSERT_TRUE(image.Save(String(path.c_str())));

        std::string bytes = ReadBytes(path);
        ASSERT_GE(bytes.size(), 54u);
        EXPECT_EQ(Field32(bytes, 2), bytes.size());
        EXPECT_EQ(Field16(bytes, 28), bits);
        DWORD table = bits <= 8 ? 4u << bits : 0;
        EXPECT_EQ(Field32(bytes, 10), 54u + table);
        size_t stride = ((static_cast<size_t>(width) * bits + 31) / 32) * 4;
        EXPECT_EQ(bytes.size(), 54u + table + stride * height);

        Image loaded;
        EXPECT_TRUE(loaded.LoadFile(String(path.c_str())));
        EXPECT_EQ(BitmapPixels(loaded.bmp), BitmapPixels(image.bmp));

        files += " '" + UnixPathOf(path) + "'";
        sizes += std::to_string(width) + " " + std::to_string(height) + "\n";
    }
    // One run of ImageMagick's identify over all of them, one line each.
    EXPECT_EQ(RunUnixCommand("identify -format '%w %h\\n'" + files), sizes);
}

TEST_F(BmpFileTest, NothingIsWrittenForAnEmptyImage)
{
    Image empty;
    std::string path = PathOf("empty.bmp");
    EXPECT_FALSE(empty.Save(String(path.c_str())));
    EXPECT_EQ(GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES);
}

}  // namespace
