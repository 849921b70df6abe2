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
