#include "rtf_reference.h"

#include <cstdlib>
#include <string>
#include <vector>

namespace rtfreference {

namespace {

struct Pass {
    const char* pattern;
    const char* replacement;
};

const Pass kPasses[] = {
    {"\\", "^DOUBLY^"}, {"^DOUBLY^", "\\\\"}, {"\r\n", "\\par"}, {"\n", "\\par"},
    {"<BR>", "\\par"},  {"<br>", "\\par"},    {"{", "\\{"},      {"}", "\\}"},
    {"<B>", "\\b "},    {"</B>", "\\b0 "},    {"<b>", "\\b "},   {"</b>", "\\b0 "},
    {"<I>", "\\i "},    {"</I>", "\\i0 "},    {"<i>", "\\i "},   {"</i>", "\\i0 "},
    {"<U>", "\\ul "},   {"</U>", "\\ulnone "}, {"<u>", "\\ul "}, {"</u>", "\\ulnone "},
    {"<CENTER>", "\\qc "}, {"</CENTER>", ""}, {"<center>", "\\qc "}, {"</center>", ""},
    {"<RIGHT>", "\\qr "},  {"</RIGHT>", ""},  {"<right>", "\\qr "},  {"</right>", ""},
};

// Text as symbols: bytes are 0 to 255, and what a pass inserts (other than
// the markers of pass 1) is one symbol above 255 that no pattern matches.
enum Symbol { kBackslash = 256, kBreak, kOpenBrace, kCloseBrace, kFormat, kNothing };

std::vector<int> SymbolsFor(int passIndex)
{
    if (passIndex == 0) {
        std::vector<int> marker;
        for (const char* c = "^DOUBLY^"; *c; ++c)
            marker.push_back(static_cast<unsigned char>(*c));
        return marker;
    }
    if (passIndex == 1)
        return {kBackslash};
    if (passIndex <= 5)
        return {kBreak};
    if (passIndex == 6)
        return {kOpenBrace};
    if (passIndex == 7)
        return {kCloseBrace};
    if (kPasses[passIndex].replacement[0] == '\0')
        return {};
    return {kFormat};
}

}  // namespace

std::string NaivePasses(const std::string& markup)
{
    std::string text = markup;
    for (const Pass& pass : kPasses) {
        std::string pattern = pass.pattern, result;
        std::size_t i = 0;
        while (i < text.size()) {
            if (text.compare(i, pattern.size(), pattern) == 0) {
                result += pass.replacement;
                i += pattern.size();
            } else {
                result += text[i++];
            }
        }
        text = result;
    }
    return text;
}

std::string VisibleText(const std::string& markup)
{
    std::vector<int> text;
    for (char c : markup)
        text.push_back(static_cast<unsigned char>(c));
    for (int p = 0; p < static_cast<int>(sizeof kPasses / sizeof kPasses[0]); ++p) {
        std::string pattern = kPasses[p].pattern;
        std::vector<int> replacement = SymbolsFor(p), result;
        std::size_t i = 0;
        while (i < text.size()) {
            bool match = i + pattern.size() <= text.size();
            for (std::size_t k = 0; match && k < pattern.size(); ++k)
                match = text[i + k] == static_cast<unsigned char>(pattern[k]);
            if (match) {
                result.insert(result.end(), replacement.begin(), replacement.end());
                i += pattern.size();
            } else {
                result.push_back(text[i++]);
            }
        }
        text.swap(result);
    }

    std::string shown;
    for (int symbol : text) {
        if (symbol == kBackslash)
            shown += '\\';
        else if (symbol == kBreak)
            shown += '\n';
        else if (symbol == kOpenBrace)
            shown += '{';
        else if (symbol == kCloseBrace)
            shown += '}';
        else if (symbol < 256 && symbol != '\r')
            shown += static_cast<char>(symbol);
    }
    return shown;
}

namespace {

void AppendUtf8(std::string& out, unsigned long value)
{
    if (value < 0x80) {
        out += static_cast<char>(value);
    } else if (value < 0x800) {
        out += static_cast<char>(0xC0 | (value >> 6));
        out += static_cast<char>(0x80 | (value & 0x3F));
    } else if (value < 0x10000) {
        out += static_cast<char>(0xE0 | (value >> 12));
        out += static_cast<char>(0x80 | ((value >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (value & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (value >> 18));
        out += static_cast<char>(0x80 | ((value >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((value >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (value & 0x3F));
    }
}

}  // namespace

std::string PlainText(const std::string& rtf)
{
    std::string shown;
    std::size_t i = 0, size = rtf.size();
    int skipDepth = 0;  // inside a skipped group: its depth counted from 1
    unsigned long highSurrogate = 0;  // the first half of a pair read by "\\u"
    auto isLetter = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
    auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    while (i < size) {
        char c = rtf[i];
        if (c == '{') {
            ++i;
            if (skipDepth) {
                ++skipDepth;
                continue;
            }
            if (rtf.compare(i, 2, "\\*") == 0 || rtf.compare(i, 8, "\\fonttbl") == 0 ||
                rtf.compare(i, 9, "\\colortbl") == 0)
                skipDepth = 1;
        } else if (c == '}') {
            ++i;
            if (skipDepth)
                --skipDepth;
        } else if (c == '\\') {
            ++i;
            if (i >= size)
                break;
            char next = rtf[i];
            if (isLetter(next)) {
                std::size_t start = i;
                while (i < size && isLetter(rtf[i]))
                    ++i;
                std::string word = rtf.substr(start, i - start);
                std::size_t numberStart = i;
                if (i < size && (isDigit(rtf[i]) || (rtf[i] == '-' && i + 1 < size && isDigit(rtf[i + 1])))) {
                    ++i;
                    while (i < size && isDigit(rtf[i]))
                        ++i;
                }
                bool hasNumber = i > numberStart;
                long number = hasNumber ? std::atol(rtf.substr(numberStart, i - numberStart).c_str()) : 0;
                if (i < size && rtf[i] == ' ')
                    ++i;
                if (word == "u" && hasNumber) {
                    // One UTF-16 unit, then the one fallback character
                    // (RTF's uc1) that a reader with Unicode skips.
                    unsigned long unit = static_cast<unsigned long>(number < 0 ? number + 0x10000 : number) & 0xFFFF;
                    if (i < size && rtf[i] != '\\' && rtf[i] != '{' && rtf[i] != '}')
                        ++i;
                    if (skipDepth)
                        continue;
                    if (unit >= 0xD800 && unit <= 0xDBFF) {
                        highSurrogate = unit;
                        continue;
                    }
                    unsigned long value = unit;
                    if (unit >= 0xDC00 && unit <= 0xDFFF && highSurrogate)
                        value = 0x10000 + ((highSurrogate - 0xD800) << 10) + (unit - 0xDC00);
                    highSurrogate = 0;
                    AppendUtf8(shown, value);
                    continue;
                }
                if (!skipDepth && word == "par")
                    shown += '\n';
                else if (!skipDepth && word == "tab")
                    shown += '\t';
            } else {
                ++i;
                if (!skipDepth && (next == '\\' || next == '{' || next == '}'))
                    shown += next;
            }
        } else {
            ++i;
            if (!skipDepth && c != '\r' && c != '\n')
                shown += c;
        }
    }
    return shown;
}

}  // namespace rtfreference
