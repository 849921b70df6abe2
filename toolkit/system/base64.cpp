#include "base64.h"

#include <cstdint>
#include <cstring>

namespace {

constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

// Every 12-bit value as its two characters: one lookup per half of a group.
struct PairTable {
    char pairs[4096][2];
};

constexpr PairTable MakePairTable()
{
    PairTable table{};
    for (int i = 0; i < 4096; ++i) {
        table.pairs[i][0] = kAlphabet[i >> 6];
        table.pairs[i][1] = kAlphabet[i & 63];
    }
    return table;
}

constexpr PairTable kPairs = MakePairTable();

// Marks a byte that is not in the alphabet (the zero byte and "=" included):
// above every 24-bit group value, so one test covers four characters.
const std::uint32_t kNotInAlphabet = 0x01000000u;

// A character's six bits shifted to its place in a group of four.
struct DecodeTable {
    std::uint32_t shifted[4][256];
};

constexpr DecodeTable MakeDecodeTable()
{
    DecodeTable table{};
    for (int place = 0; place < 4; ++place)
        for (int c = 0; c < 256; ++c)
            table.shifted[place][c] = kNotInAlphabet;
    for (int value = 0; value < 64; ++value) {
        const unsigned char c = static_cast<unsigned char>(kAlphabet[value]);
        for (int place = 0; place < 4; ++place)
            table.shifted[place][c] = static_cast<std::uint32_t>(value) << (18 - 6 * place);
    }
    return table;
}

constexpr DecodeTable kDecode = MakeDecodeTable();

}  // namespace

std::size_t Base64EncodedLength(std::size_t length)
{
    return (length / 3 + (length % 3 != 0 ? 1 : 0)) * 4;
}

void Base64EncodeTo(char* output, const void* data, std::size_t length)
{
    const unsigned char* bytes = static_cast<const unsigned char*>(data);
    std::size_t i = 0;
    for (; length - i >= 3; i += 3) {
        const std::uint32_t group = (std::uint32_t(bytes[i]) << 16) | (std::uint32_t(bytes[i + 1]) << 8) | bytes[i + 2];
        std::memcpy(output, kPairs.pairs[group >> 12], 2);
        std::memcpy(output + 2, kPairs.pairs[group & 0xFFF], 2);
        output += 4;
    }
    // A final one or two bytes: two or three characters, the last padded with
    // zero bits, then "=" up to four.
    if (length - i == 1) {
        const std::uint32_t group = std::uint32_t(bytes[i]) << 16;
        output[0] = kAlphabet[group >> 18];
        output[1] = kAlphabet[(group >> 12) & 63];
        output[2] = '=';
        output[3] = '=';
    } else if (length - i == 2) {
        const std::uint32_t group = (std::uint32_t(bytes[i]) << 16) | (std::uint32_t(bytes[i + 1]) << 8);
        output[0] = kAlphabet[group >> 18];
        output[1] = kAlphabet[(group >> 12) & 63];
        output[2] = kAlphabet[(group >> 6) & 63];
        output[3] = '=';
    }
}

char* Base64EncodeRaw(char* output, int outputSize, const void* data, unsigned length)
{
    if (length > kBase64MaxRawLength || output == nullptr || (data == nullptr && length != 0))
        return nullptr;
    if (static_cast<long long>(outputSize) < 4LL * length / 3 + 12)
        return nullptr;
    Base64EncodeTo(output, data, length);
    output[Base64EncodedLength(length)] = '\0';
    return output;
}

Base64Decoded Base64DecodeText(void* output, std::size_t outputSize, const char* text)
{
    unsigned char* out = static_cast<unsigned char*>(output);
    const unsigned char* in = reinterpret_cast<const unsigned char*>(text);
    const std::size_t length = std::strlen(text);
    std::size_t written = 0;
    std::size_t i = 0;

    // Whole groups of four alphabet characters while three bytes fit; the
    // first group holding anything else is left to the character loop below.
    while (length - i >= 4 && outputSize - written >= 3) {
        const std::uint32_t group = kDecode.shifted[0][in[i]] | kDecode.shifted[1][in[i + 1]] |
                                    kDecode.shifted[2][in[i + 2]] | kDecode.shifted[3][in[i + 3]];
        if (group >= kNotInAlphabet)
            break;
        out[written] = static_cast<unsigned char>(group >> 16);
        out[written + 1] = static_cast<unsigned char>(group >> 8);
        out[written + 2] = static_cast<unsigned char>(group);
        written += 3;
        i += 4;
    }

    // One character at a time (i is at a group boundary): every character but
    // the first of its group completes a byte, written while there is room.
    std::uint32_t bits = 0;
    for (unsigned place = 0; i < length && in[i] != '='; ++i, place = (place + 1) & 3) {
        const std::uint32_t value = kDecode.shifted[3][in[i]];
        if (value >= kNotInAlphabet)
            return Base64Decoded{written, false};
        bits = (bits << 6) | value;
        if (place != 0) {
            if (written < outputSize)
                out[written++] = static_cast<unsigned char>(bits >> (6 - 2 * place));
            bits &= (1u << (6 - 2 * place)) - 1;
        }
    }
    return Base64Decoded{written, true};
}

int Base64DecodeRaw(void* output, const char* text, int outputSize)
{
    if (text == nullptr)
        return 0;
    const std::size_t room = (output != nullptr && outputSize > 0) ? static_cast<std::size_t>(outputSize) : 0;
    const Base64Decoded result = Base64DecodeText(output, room, text);
    return result.valid ? static_cast<int>(result.written) : -1;
}
