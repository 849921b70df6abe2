// The raw base64 codec; standard library only, so this also runs natively.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "system/base64.h"

namespace {

// RFC 4648, section 10.
const struct { const char* bytes; const char* text; } kVectors[] = {
    {"", ""},           {"f", "Zg=="},         {"fo", "Zm8="},         {"foo", "Zm9v"},
    {"foob", "Zm9vYg=="}, {"fooba", "Zm9vYmE="}, {"foobar", "Zm9vYmFy"},
};

std::string Encode(const std::string& bytes)
{
    std::vector<char> output(4 * bytes.size() / 3 + 12, '#');
    const char* result = Base64EncodeRaw(output.data(), static_cast<int>(output.size()), bytes.data(),
                                         static_cast<unsigned>(bytes.size()));
    EXPECT_EQ(result, output.data());
    return result ? std::string(result) : std::string("<refused>");
}

// The decoded bytes, or "<invalid>" with the bytes written before it.
std::string Decode(const char* text, int outputSize)
{
    std::string output(static_cast<std::size_t>(outputSize) + 8, '#');
    const int written = Base64DecodeRaw(&output[0], text, outputSize);
    if (written < 0)
        return "<invalid>" + output.substr(0, output.find('#'));
    EXPECT_EQ(output.substr(static_cast<std::size_t>(written)), std::string(output.size() - written, '#'))
        << "wrote past the count it returned";
    return output.substr(0, static_cast<std::size_t>(written));
}

TEST(Base64Test, KnownVectorsBothWays)
{
    for (const auto& v : kVectors) {
        SCOPED_TRACE(v.bytes);
        EXPECT_EQ(Encode(v.bytes), v.text);
        EXPECT_EQ(Decode(v.text, 100), v.bytes);
        EXPECT_EQ(Base64EncodedLength(std::strlen(v.bytes)), std::strlen(v.text));
    }
    // The values 0 to 63 packed six bits each, most significant first, are
    // the alphabet in order.
    std::string packed;
    unsigned bits = 0, count = 0;
    for (unsigned value = 0; value < 64; ++value) {
        bits = (bits << 6) | value;
        count += 6;
        for (; count >= 8; count -= 8)
            packed.push_back(static_cast<char>(bits >> (count - 8)));
        bits &= (1u << count) - 1;
    }
    const char* alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    EXPECT_EQ(Encode(packed), alphabet);
    EXPECT_EQ(Decode(alphabet, 100), packed);
}

TEST(Base64Test, DecodingEndsAtPaddingAndTakesUnpaddedText)
{
    const struct { const char* text; const char* bytes; } cases[] = {
        {"Zg", "f"},          {"Zm8", "fo"},         {"Zm9vYg", "foob"},   {"Zm9vYmE", "fooba"},
        {"Zg==Zm8=", "f"},    {"Zm9v=!!!", "foo"},   {"=Zm9v", ""},        {"Z", ""},
        {"Zm9vY", "foo"},     // a lone sixth bit group gives no byte
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(Decode(c.text, 100), c.bytes);
    }
}

TEST(Base64Test, CharactersOutsideTheAlphabetFailAfterTheBytesBeforeThem)
{
    // The third character a blank: the first two give one byte, then -1.
    EXPECT_EQ(Decode("Zm 9v", 100), "<invalid>f");
    const char invalid[] = {' ', '\n', '\r', '\t', '-', '_', '*', ',', '.', ':', '@', '[', '`', '{', '~',
                            '\x7f', '\x80', '\xff'};
    for (char c : invalid) {
        SCOPED_TRACE(static_cast<int>(static_cast<unsigned char>(c)));
        const std::string text = std::string("Zm9vYmFy") + c + "Zm9v";
        EXPECT_EQ(Decode(text.c_str(), 100), "<invalid>foobar");
        EXPECT_EQ(Decode((c + std::string("Zm9v")).c_str(), 100), "<invalid>");
    }
}

TEST(Base64Test, OutputSizeCapsWhatIsWrittenButNotTheCheck)
{
    // The encoding of three bytes into a two-byte output.
    EXPECT_EQ(Decode("Zm9v", 2), "fo");
    EXPECT_EQ(Decode("Zm9vYmFy", 0), "");
    EXPECT_EQ(Decode("Zm9vYmFy", 5), "fooba");
    // The rest of the text is still read: a bad character after the cap fails.
    EXPECT_EQ(Decode("Zm9vYmFyZm9v!", 3), "<invalid>foo");

    // Every cap on a longer text: the first `cap` bytes, never more.
    std::string bytes;
    for (int i = 0; i < 40; ++i)
        bytes.push_back(static_cast<char>(i * 37 + 11));
    const std::string text = Encode(bytes);
    for (int cap = 0; cap <= 42; ++cap)
        EXPECT_EQ(Decode(text.c_str(), cap), bytes.substr(0, cap)) << "cap " << cap;
    EXPECT_EQ(Base64DecodeRaw(nullptr, "Zm9v", 0), 0);
}

TEST(Base64Test, EncodingRefusesShortOutputsAndLongInputs)
{
    // 4 * length / 3 + 12: 12 for nothing, 17 for four bytes.
    const struct { unsigned length; int refusedSize; int acceptedSize; } cases[] = {
        {0, 11, 12}, {1, 12, 13}, {4, 16, 17}, {37491, 49999, 50000},
    };
    std::vector<char> data(40000, 'x');
    for (const auto& c : cases) {
        SCOPED_TRACE(c.length);
        std::vector<char> output(60000, '#');
        EXPECT_EQ(Base64EncodeRaw(output.data(), c.refusedSize, data.data(), c.length), nullptr);
        EXPECT_EQ(output[0], '#') << "a refused encoding wrote to the buffer";
        EXPECT_EQ(Base64EncodeRaw(output.data(), c.acceptedSize, data.data(), c.length), output.data());
        EXPECT_EQ(std::strlen(output.data()), Base64EncodedLength(c.length));
    }
    // Refused on the length alone, before any byte is read.
    char small[16] = "#";
    EXPECT_EQ(Base64EncodeRaw(small, INT_MAX, "x", kBase64MaxRawLength + 1), nullptr);
    EXPECT_EQ(Base64EncodeRaw(small, sizeof small, nullptr, 1), nullptr);
    EXPECT_EQ(Base64EncodeRaw(nullptr, 100, "x", 1), nullptr);
    EXPECT_EQ(small[0], '#');
    EXPECT_EQ(Base64EncodeRaw(small, -1, "", 0), nullptr);
}

TEST(Base64Test, RandomBytesSurviveTheRoundTrip)
{
    std::mt19937 random(20261208);
    std::vector<std::size_t> lengths;
    for (std::size_t n = 0; n < 70; ++n)
        lengths.push_back(n);
    lengths.push_back(65537);
    lengths.push_back(300001);
    for (std::size_t length : lengths) {
        std::string bytes(length, '\0');
        for (char& b : bytes)
            b = static_cast<char>(random());
        const std::string text = Encode(bytes);
        ASSERT_EQ(text.size(), Base64EncodedLength(length));
        ASSERT_EQ(text.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/="),
                  std::string::npos);
        ASSERT_EQ(Decode(text.c_str(), static_cast<int>(length)), bytes) << "length " << length;
    }
}

}  // namespace
