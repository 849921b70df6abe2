#include "whole_characters.h"

#include <windows.h>

std::size_t WholeCharactersLength(const char* text, std::size_t length, std::size_t limit)
{
    if (length <= limit)
        return length;
    UINT codePage = GetACP();
    if (codePage == CP_UTF8) {
        // The first byte left out is a continuation byte (10xxxxxx) when the
        // cut falls inside a sequence: the cut moves back to its lead byte.
        // A sequence is at most four bytes; anything longer is no sequence.
        std::size_t cut = limit;
        while (cut > 0 && limit - cut < 3 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
            --cut;
        if ((static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
            return limit;
        return cut;
    }
    CPINFO info;
    if (!GetCPInfo(codePage, &info) || info.MaxCharSize < 2)
        return limit;
    // A trail byte can look like a lead byte, so the characters are counted
    // from the start.
    std::size_t at = 0;
    while (at < limit) {
        std::size_t step = IsDBCSLeadByteEx(codePage, static_cast<BYTE>(text[at])) ? 2 : 1;
        if (at + step > limit)
            break;
        at += step;
    }
    return at;
}

std::size_t MostBytesPerUnit()
{
    UINT codePage = GetACP();
    if (codePage == CP_UTF8)
        return 3;
    CPINFO info;
    if (!GetCPInfo(codePage, &info) || info.MaxCharSize < 2)
        return 1;
    return info.MaxCharSize;
}

String WholeCharactersPrefix(const String& text, std::size_t limit)
{
    std::size_t kept = WholeCharactersLength(text.data(), text.size(), limit);
    if (kept == text.size())
        return text;
    return String(text.data(), kept);
}
