// libFuzzer target for the base64 codec: decoding any text is compared with a
// plain character-at-a-time decoder, the encoding of any bytes must decode to
// them again, and nothing is written past what is reported.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "system/base64.h"

namespace {

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

int ValueOf(unsigned char c)
{
    if (c >= 'A' && c <= 'Z')
        return c - 'A';
    if (c >= 'a' && c <= 'z')
        return c - 'a' + 26;
    if (c >= '0' && c <= '9')
        return c - '0' + 52;
    if (c == '+')
        return 62;
    if (c == '/')
        return 63;
    return -1;
}

// The decoding rules one character at a time: the bytes kept and -1 or the count.
int ReferenceDecode(const char* text, std::size_t outputSize, std::string& bytes)
{
    bytes.clear();
    unsigned bits = 0;
    int place = 0;
    for (; *text != '\0' && *text != '='; ++text) {
        const int value = ValueOf(static_cast<unsigned char>(*text));
        if (value < 0)
            return -1;
        bits = (bits << 6) | static_cast<unsigned>(value);
        if (place != 0 && bytes.size() < outputSize)
            bytes.push_back(static_cast<char>((bits >> (6 - 2 * place)) & 0xFF));
        place = (place + 1) % 4;
    }
    return static_cast<int>(bytes.size());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    // The first byte picks the output size: up to 254 bytes, or (255) room
    // for everything.
    const std::size_t cap = data[0] == 255 ? size : data[0];
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);

    std::vector<char> output(cap + 16, '\x5a');
    std::string expected;
    const int expectedResult = ReferenceDecode(text.c_str(), cap, expected);
    const int result = Base64DecodeRaw(output.data(), text.c_str(), static_cast<int>(cap));
    Require(result == expectedResult);
    Require(std::memcmp(output.data(), expected.data(), expected.size()) == 0);
    for (std::size_t i = expected.size(); i < output.size(); ++i)
        Require(output[i] == '\x5a');

    // The bytes themselves: encoded into the smallest output allowed, decoded back.
    const std::size_t length = size - 1;
    std::vector<char> encoded(4 * length / 3 + 12 + 1, '\x5a');
    const int smallest = static_cast<int>(4 * length / 3 + 12);
    Require(Base64EncodeRaw(encoded.data(), smallest - 1, data + 1, static_cast<unsigned>(length)) == nullptr);
    Require(Base64EncodeRaw(encoded.data(), smallest, data + 1, static_cast<unsigned>(length)) == encoded.data());
    Require(std::strlen(encoded.data()) == Base64EncodedLength(length));
    std::vector<char> decoded(length + 1, '\x5a');
    Require(Base64DecodeRaw(decoded.data(), encoded.data(), static_cast<int>(length)) == static_cast<int>(length));
    Require(std::memcmp(decoded.data(), data + 1, length) == 0);
    Require(decoded[length] == '\x5a');
    return 0;
}
