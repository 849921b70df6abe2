// The header check in front of the system picture decoder: every input here
// once crashed or misled the decoder, or is a good file that must pass.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>

#include "foundation/picture_bytes.h"
#include "picture_files.h"
#include "picture_test_resources.h"
#include "wicker.h"

namespace {

std::string With32(std::string bytes, size_t at, DWORD value)
{
    std::memcpy(&bytes[at], &value, 4);
    return bytes;
}

std::string With16(std::string bytes, size_t at, WORD value)
{
    std::memcpy(&bytes[at], &value, 2);
    return bytes;
}

bool Whole(const std::string& bytes)
{
    return PictureBytesAreWhole(reinterpret_cast<const BYTE*>(bytes.data()), bytes.size());
}

// A BMP file: the file header, then the given bitmap header, colour table or
// masks, and the pixel rows (stride * rows bytes) right after them.
std::string Bmp(const std::string& header, const std::string& between, size_t pixelBytes)
{
    std::string file = "BM" + std::string(12, '\0') + header + between;
    file = With32(file, 10, static_cast<DWORD>(file.size()));
    file += std::string(pixelBytes, '\x55');
    return With32(file, 2, static_cast<DWORD>(file.size()));
}

// The short (core) header: size, width, height, planes, bits, 16 bits each
// after the size.
std::string CoreHeader(WORD width, WORD height, WORD bits)
{
    std::string header(12, '\0');
    header = With32(header, 0, 12);
    header = With16(header, 4, width);
    header = With16(header, 6, height);
    header = With16(header, 8, 1);
    return With16(header, 10, bits);
}

std::string InfoHeader(LONG width, LONG height, WORD bits, DWORD compression, DWORD colours = 0)
{
    std::string header(40, '\0');
    header = With32(header, 0, 40);
    header = With32(header, 4, static_cast<DWORD>(width));
    header = With32(header, 8, static_cast<DWORD>(height));
    header = With16(header, 12, 1);
    header = With16(header, 14, bits);
    header = With32(header, 16, compression);
    return With32(header, 32, colours);
}

// Each of these once let the decoder read past the end of the bytes: the
// good file passes, and the same file cut by one byte, or with its table or
// masks past the end, does not.
TEST(PictureBytesTest, TablesMasksAndCoreHeadersLieInsideTheBytes)
{
    // 64 x 100 at 1 bit: rows of 8 bytes; its table is two RGB triples.
    const std::string core = Bmp(CoreHeader(64, 100, 1), std::string(6, '\0'), 8 * 100);
    // 4 x 2 at 8 bits, 256 colours; and 4 x 2 at 16 bits with three masks.
    const std::string eight = Bmp(InfoHeader(4, 2, 8, BI_RGB), std::string(1024, '\0'), 4 * 2);
    const std::string masks = Bmp(InfoHeader(4, 2, 16, BI_BITFIELDS), std::string(12, '\0'), 8 * 2);
    const struct { const char* name; std::string bytes; bool whole; } cases[] = {
        {"core", core, true},
        {"core one row", Bmp(CoreHeader(64, 100, 1), std::string(6, '\0'), 8), false},
        {"core cut by a byte", core.substr(0, core.size() - 1), false},
        {"core 0 high", Bmp(CoreHeader(64, 0, 1), std::string(6, '\0'), 0), false},
        {"core table past the end", Bmp(CoreHeader(1, 1, 8), "", 4), false},
        {"8 bits", eight, true},
        {"8 bits cut by a byte", eight.substr(0, eight.size() - 1), false},
        {"8 bits table past the end", Bmp(InfoHeader(4, 2, 8, BI_RGB), "", 8), false},
        {"8 bits of 16 colours", Bmp(InfoHeader(4, 2, 8, BI_RGB, 16), std::string(64, '\0'), 8), true},
        {"8 bits of 4 billion colours", Bmp(InfoHeader(4, 2, 8, BI_RGB, 0xFFFFFFFF), "", 8), false},
        {"masks", masks, true},
        {"masks past the end", Bmp(InfoHeader(1, 1, 16, BI_BITFIELDS), "", 4), false},
        {"height -2147483648", Bmp(InfoHeader(4, -2147483647 - 1, 24, BI_RGB), "", 64), false},
        {"height -2", Bmp(InfoHeader(4, -2, 24, BI_RGB), "", 12 * 2), true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Whole(c.bytes), c.whole);
    }
}

TEST(PictureBytesTest, HeadersPointingOutsideTheBytesAreRefused)
{
    const std::string bmp = ResourceBytes(PICTURE_RED_BMP);
    const std::string ico = ResourceBytes(PICTURE_SUN_ICO);
    const std::string jpeg = ResourceBytes(PICTURE_GREEN_JPG);
    ASSERT_FALSE(bmp.empty());
    ASSERT_FALSE(ico.empty());
    const struct {
        const char* name;
        std::string bytes;
        bool whole;
    } cases[] = {
        {"bmp", bmp, true},
        {"icon", ico, true},
        {"jpeg", jpeg, true},
        {"bmp cut short", bmp.substr(0, bmp.size() - 10), false},
        {"bmp pixels offset past the end", With32(bmp, 10, static_cast<DWORD>(bmp.size() + 1)), false},
        {"bmp 70000 wide", With32(bmp, 18, 70000), false},
        {"bmp 0 high", With32(bmp, 22, 0), false},
        {"bmp of 7 bits", With16(bmp, 28, 7), false},
        {"bmp info header past the end", With32(bmp, 14, 0x7FFFFFFF), false},
        {"icon with 65535 entries", With16(ico, 4, 0xFFFF), false},
        {"icon with none", With16(ico, 4, 0), false},
        {"icon image past the end", With32(ico, 6 + 8, static_cast<DWORD>(ico.size())), false},
        {"icon cut short", ico.substr(0, ico.size() - 1), false},
        {"zero word, no icon", std::string("\0\0\x7\0\xff\xff", 6), false},
        {"wrapped bad icon", std::string("lt\0\0\x6\0\0\0", 8) + std::string("\0\0\1\0\xff\xff", 6), false},
        {"wrapped bmp", std::string("lt\0\0", 4) + With32(std::string(4, '\0'), 0, static_cast<DWORD>(bmp.size())) + bmp, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Whole(c.bytes), c.whole);
        // Refused bytes never reach the decoder (an icon that does gives an
        // icon picture, which LoadBuffer does not take).
        if (!c.whole) {
            Image image;
            EXPECT_FALSE(image.LoadBuffer(ByteBuffer(c.bytes.data(), static_cast<int>(c.bytes.size()))));
        }
    }
}

}  // namespace
