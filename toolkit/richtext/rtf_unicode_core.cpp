#include "rtf_unicode_core.h"

#include <cstdio>

namespace rtfcore {

namespace {

// The character of the well-formed UTF-8 sequence at `at`, and its length in
// `length`; 0 when the bytes there are no such sequence (a stray
// continuation byte, a cut or overlong sequence, a surrogate, a value past
// U+10FFFF).
unsigned long DecodeAt(const std::string& text, std::size_t at, std::size_t* length)
{
    unsigned char lead = static_cast<unsigned char>(text[at]);
    std::size_t count;
    unsigned long value;
    unsigned long least;
    if (lead >= 0xC2 && lead <= 0xDF) {
        count = 2, value = lead & 0x1F, least = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        count = 3, value = lead & 0x0F, least = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        count = 4, value = lead & 0x07, least = 0x10000;
    } else {
        return 0;
    }
    if (text.size() - at < count)
        return 0;
    for (std::size_t i = 1; i < count; ++i) {
        unsigned char next = static_cast<unsigned char>(text[at + i]);
        if ((next & 0xC0) != 0x80)
            return 0;
        value = (value << 6) | (next & 0x3F);
    }
    if (value < least || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
        return 0;
    *length = count;
    return value;
}

// "\uN?" for one UTF-16 unit; RTF numbers are signed 16-bit.
void AppendUnit(std::string& out, unsigned long unit)
{
    char escape[16];
    long number = unit > 0x7FFF ? static_cast<long>(unit) - 0x10000 : static_cast<long>(unit);
    int written = std::snprintf(escape, sizeof escape, "\\u%ld?", number);
    out.append(escape, static_cast<std::size_t>(written));
}

}  // namespace

std::string EscapeUtf8(const std::string& body)
{
    std::size_t first = 0;
    while (first < body.size() && static_cast<unsigned char>(body[first]) < 0x80)
        ++first;
    if (first == body.size())
        return body;
    std::string out;
    out.reserve(EscapeUtf8SizeBound(body.size()));
    out.append(body, 0, first);
    for (std::size_t i = first; i < body.size();) {
        unsigned char byte = static_cast<unsigned char>(body[i]);
        std::size_t length = 0;
        unsigned long value = byte < 0x80 ? 0 : DecodeAt(body, i, &length);
        if (value == 0) {
            out += static_cast<char>(byte);
            ++i;
            continue;
        }
        if (value >= 0x10000) {
            value -= 0x10000;
            AppendUnit(out, 0xD800 + (value >> 10));
            AppendUnit(out, 0xDC00 + (value & 0x3FF));
        } else {
            AppendUnit(out, value);
        }
        i += length;
    }
    return out;
}

// The widest escape is "\u-32768?" (9 bytes): two of them for a 4-byte
// sequence, one for a 2-byte sequence, 4.5 bytes a byte at most.
std::size_t EscapeUtf8SizeBound(std::size_t bodySize)
{
    return bodySize * 5;
}

}  // namespace rtfcore
