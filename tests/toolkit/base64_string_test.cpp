#include <gtest/gtest.h>

#include <random>
#include <string>

#include "wicker.h"

namespace {

TEST(Base64StringTest, KnownTextsAndPadding)
{
    const struct { const char* bytes; const char* text; } cases[] = {
        {"", ""}, {"f", "Zg=="}, {"fo", "Zm8="}, {"foo", "Zm9v"}, {"foobar", "Zm9vYmFy"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Base64Encode(c.bytes), c.text);
        EXPECT_EQ(Base64Decode(c.text), c.bytes);
    }
    EXPECT_EQ(Base64Decode("Zm9vYg"), "foob");
    // At a character outside the alphabet: the bytes before it.
    EXPECT_EQ(Base64Decode("Zm9vYm Fy"), "foob");
    // The decoded String binds its own Length.
    String decoded = Base64Decode("Zm9v");
    EXPECT_EQ(decoded.Length.m_cObject, &decoded);
}

TEST(Base64StringTest, ZeroBytesAreKeptBothWays)
{
    const String bytes(std::string("\0a\0\0b\0", 6));
    EXPECT_EQ(Base64Encode(bytes), "AGEAAGIA");
    const String decoded = Base64Decode("AGEAAGIA");
    EXPECT_EQ(decoded.size(), 6u);
    EXPECT_TRUE(decoded == bytes);
    // Decoding ends at the text's own first zero byte.
    EXPECT_EQ(Base64Decode(String(std::string("Zm9v\0Zm9v", 9))), "foo");
}

TEST(Base64StringTest, AnyLengthEncodesAndDecodes)
{
    // 37491 bytes filled the old 50000-byte working buffer exactly; one more
    // byte used to give the empty string.
    for (std::size_t length : {37491u, 37492u, 50001u, 1u << 20}) {
        SCOPED_TRACE(length);
        std::mt19937 random(static_cast<unsigned>(length));
        String bytes;
        bytes.resize(length);
        for (char& b : bytes)
            b = static_cast<char>(random());
        const String text = Base64Encode(bytes);
        EXPECT_EQ(text.size(), (length + 2) / 3 * 4);
        const String back = Base64Decode(text);
        EXPECT_EQ(back.size(), length);
        EXPECT_TRUE(back == bytes);
    }
    EXPECT_EQ(Base64Encode(String(std::string(37491, 'x'))).size(), 49988u);
}

}  // namespace
