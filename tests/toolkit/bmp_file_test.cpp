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

// The file as GetDIBits describes the bitmap: the headers of its 24- or
// 32-bit BI_RGB format (16-bit as 5-5-5) and the rows bottom row first.
std::string FileThroughGetDIBits(HBITMAP bitmap)
{
    BITMAPINFOHEADER header = {};
    header.biSize = sizeof header;
    HDC screen = GetDC(NULL);
    GetDIBits(screen, bitmap, 0, 0, NULL, reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS);
    LONG rows = header.biHeight < 0 ? -header.biHeight : header.biHeight;
    header.biHeight = rows;
    header.biCompression = BI_RGB;
    header.biSizeImage = static_cast<DWORD>(((header.biWidth * header.biBitCount + 31) / 32) * 4 * rows);
    header.biClrUsed = header.biClrImportant = 0;
    BITMAPINFOHEADER asked = header;
    std::string pixels(header.biSizeImage, '\0');
    GetDIBits(screen, bitmap, 0, rows, &pixels[0], reinterpret_cast<BITMAPINFO*>(&asked), DIB_RGB_COLORS);
    ReleaseDC(NULL, screen);
    std::string file(14, '\0');
    DWORD size = 54 + header.biSizeImage, offset = 54;
    file[0] = 'B';
    file[1] = 'M';
    std::memcpy(&file[2], &size, 4);
    std::memcpy(&file[10], &offset, 4);
    file.append(reinterpret_cast<const char*>(&header), sizeof header);
    return file + pixels;
}

// DIB sections whose rows the file can take as they are, and some whose rows
// it cannot (top-down, padded, bit fields): each is saved byte for byte as
// GetDIBits reads it.
TEST_F(BmpFileTest, DibSectionsAreSavedAsGetDIBitsReadsThem)
{
    struct Case {
        int bits, width, height;
        DWORD compression;
    } cases[] = {
        {24, 8, 3, BI_RGB}, {24, 5, 3, BI_RGB},  {24, 4, -3, BI_RGB},
        {32, 5, 4, BI_RGB}, {16, 6, 2, BI_RGB}, {16, 6, 2, BI_BITFIELDS},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.bits << " bits, " << c.width << " x " << c.height);
        struct {
            BITMAPINFOHEADER header;
            DWORD masks[3];
        } info = {};
        info.header.biSize = sizeof info.header;
        info.header.biWidth = c.width;
        info.header.biHeight = c.height;
        info.header.biPlanes = 1;
        info.header.biBitCount = static_cast<WORD>(c.bits);
        info.header.biCompression = c.compression;
        info.masks[0] = 0xF800;
        info.masks[1] = 0x07E0;
        info.masks[2] = 0x001F;
        void* bytes = NULL;
        HBITMAP bitmap =
            CreateDIBSection(NULL, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &bytes, NULL, 0);
        ASSERT_NE(bitmap, nullptr);
        size_t stride = ((static_cast<size_t>(c.width) * c.bits + 31) / 32) * 4;
        size_t rows = c.height < 0 ? -c.height : c.height;
        // Row bytes only: what lies between the rows is no picture's content.
        for (size_t row = 0; row < rows; ++row)
            for (size_t i = 0; i < static_cast<size_t>(c.width) * c.bits / 8; ++i)
                static_cast<BYTE*>(bytes)[row * stride + i] = static_cast<BYTE>(row * 41 + i * 7 + 1);
        Image image(bitmap, kOwnHandle);
        std::string path = PathOf("section.bmp");
        ASSERT_TRUE(image.Save(String(path.c_str())));
        EXPECT_EQ(ReadBytes(path), FileThroughGetDIBits(bitmap));
    }
}

// Bitmaps (not DIB sections) of a few megabytes, written in many pieces with
// rows crossing the pieces' edges: byte for byte as GetDIBits reads them.
TEST_F(BmpFileTest, LargeBitmapsAreWrittenWholeAcrossPieces)
{
    const struct {
        int bits, width, height;
    } cases[] = {{24, 700, 1000}, {32, 1001, 301}, {16, 333, 1200}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.bits << " bits, " << c.width << " x " << c.height);
        HBITMAP bitmap = CreateBitmap(c.width, c.height, 1, c.bits, NULL);
        ASSERT_TRUE(bitmap != NULL);
        BITMAPINFOHEADER header = {};
        header.biSize = sizeof header;
        header.biWidth = c.width;
        header.biHeight = c.height;
        header.biPlanes = 1;
        header.biBitCount = 24;
        header.biCompression = BI_RGB;
        std::vector<BYTE> rows(((c.width * 3 + 3) & ~3) * static_cast<size_t>(c.height));
        for (size_t i = 0; i < rows.size(); ++i)
            rows[i] = static_cast<BYTE>(i * 7 + i / 1009);
        HDC screen = GetDC(NULL);
        SetDIBits(screen, bitmap, 0, c.height, rows.data(), reinterpret_cast<BITMAPINFO*>(&header),
                  DIB_RGB_COLORS);
        ReleaseDC(NULL, screen);
        Image image(bitmap, kOwnHandle);
        std::string path = PathOf("large.bmp");
        ASSERT_TRUE(image.Save(String(path.c_str())));
        std::string expected = FileThroughGetDIBits(bitmap);
        std::string written = ReadBytes(path);
        ASSERT_EQ(written.size(), expected.size());
        EXPECT_TRUE(written == expected);
    }
}

// A picture saved again and again on a thread of its own, each file
// compared with the one expected.
struct SaveJob {
    HBITMAP bitmap;
    std::string path, expected;
    int failures;
};

DWORD WINAPI SaveRepeatedly(LPVOID parameter)
{
    SaveJob& job = *static_cast<SaveJob*>(parameter);
    Image image(job.bitmap);
    for (int round = 0; round < 12; ++round)
        if (!image.Save(String(job.path.c_str())) || ReadBytes(job.path) != job.expected)
            ++job.failures;
    return 0;
}

// Large saves share one kept buffer: saves running at the same time on two
// threads, and saves of pictures of other sizes after them, each write their
// own picture.
TEST_F(BmpFileTest, SavesOnTwoThreadsAtOnceEachWriteTheirOwnPicture)
{
    SaveJob jobs[2] = {{CreateBitmap(900, 700, 1, 24, NULL), PathOf("one.bmp"), "", 0},
                 {CreateBitmap(1300, 500, 1, 32, NULL), PathOf("two.bmp"), "", 0}};
    HDC screen = GetDC(NULL);
    for (SaveJob& job : jobs) {
        ASSERT_TRUE(job.bitmap != NULL);
        HDC memory = CreateCompatibleDC(screen);
        HGDIOBJ old = SelectObject(memory, job.bitmap);
        for (int y = 0; y < 700; y += 7)
            for (int x = 0; x < 1300; x += 13)
                SetPixel(memory, x, y, RGB(x % 256, y % 256, (x + y + job.path.size()) % 256));
        SelectObject(memory, old);
        DeleteDC(memory);
        job.expected = FileThroughGetDIBits(job.bitmap);
    }
    ReleaseDC(NULL, screen);
    HANDLE threads[2];
    for (int i = 0; i < 2; ++i)
        threads[i] = CreateThread(NULL, 0, SaveRepeatedly, &jobs[i], 0, NULL);
    WaitForMultipleObjects(2, threads, TRUE, INFINITE);
    for (int i = 0; i < 2; ++i) {
        CloseHandle(threads[i]);
        EXPECT_EQ(jobs[i].failures, 0) << jobs[i].path;
        DeleteObject(jobs[i].bitmap);
    }
}

TEST_F(BmpFileTest, NothingIsWrittenForAnEmptyImage)
{
    Image empty;
    std::string path = PathOf("empty.bmp");
    EXPECT_FALSE(empty.Save(String(path.c_str())));
    EXPECT_EQ(GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES);
}

}  // namespace
