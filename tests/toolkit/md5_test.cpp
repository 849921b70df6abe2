#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "wicker.h"

namespace {

// RFC 1321, appendix A.5.
TEST(Md5Test, TheStandardsTestSuite)
{
    const struct { const char* text; const char* digest; } suite[] = {
        {"", "d41d8cd98f00b204e9800998ecf8427e"},
        {"a", "0cc175b9c0f1b6a831c399e269772661"},
        {"abc", "900150983cd24fb0d6963f7d28e17f72"},
        {"message digest", "f96b697d7cb7938d525a2f31aaf161d0"},
        {"abcdefghijklmnopqrstuvwxyz", "c3fcd3d76192e4007dfb496cca67e13b"},
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789",
         "d174ab98d277d9f5a5611c2c9f419d9f"},
        {"12345678901234567890123456789012345678901234567890123456789012345678901234567890",
         "57edf4a22be3c955ac49da2e2107b67a"},
    };
    for (const auto& c : suite) {
        SCOPED_TRACE(c.text);
        char output[40];
        std::memset(output, '#', sizeof output);
        ASSERT_EQ(Md5Hex(c.text, static_cast<int>(std::strlen(c.text)), output), 1);
        EXPECT_STREQ(output, c.digest);
        EXPECT_EQ(output[33], '#') << "wrote past the 33 bytes";
    }
    // Bytes after a zero byte are digested too: these two differ.
    char withZero[33], withoutZero[33];
    Md5Hex("a\0b", 3, withZero);
    Md5Hex("a", 1, withoutZero);
    EXPECT_STRNE(withZero, withoutZero);
}

TEST(Md5Test, RefusedArgumentsLeaveTheOutputAlone)
{
    char output[33] = "untouched";
    EXPECT_EQ(Md5Hex("abc", -1, output), 0);
    EXPECT_EQ(Md5Hex(nullptr, 3, output), 0);
    EXPECT_EQ(Md5Hex("abc", 3, nullptr), 0);
    EXPECT_STREQ(output, "untouched");
    EXPECT_EQ(Md5Hex(nullptr, 0, output), 1);
    EXPECT_STREQ(output, "d41d8cd98f00b204e9800998ecf8427e");
}

}  // namespace
