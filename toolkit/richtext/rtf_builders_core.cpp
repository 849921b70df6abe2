#include "rtf_builders_core.h"

namespace rtfcore {

namespace {

const char kHeader[] =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033"
    "{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}"
    "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green128\\blue0;\\red0\\green0\\blue255;}"
    "{\\*\\generator Quillet 1;}"
    "\\viewkind4\\uc1\\pard\\f0\\fs20 ";

const char kLinkOpening[] = "{\\field{\\*\\fldinst{HYPERLINK \"";
const char kLinkMiddle[] = "\"}}{\\fldrslt{\\cf1\\ul ";
const char kLinkClosing[] = "\\ulnone\\cf0}}}";

std::string Wrapped(const char* opening, const std::string& text, const char* closing)
{
    std::string result(opening);
    result += text;
    result += closing;
    return result;
}

}  // namespace

std::string Header()
{
    return kHeader;
}

std::string Header(unsigned codePage)
{
    std::string header = kHeader;
    const std::string declared = "\\ansicpg1252";
    header.replace(header.find(declared), declared.size(), "\\ansicpg" + std::to_string(codePage));
    return header;
}

std::string End()
{
    return "}";
}

std::string Paragraphs(int count)
{
    std::string result;
    if (count <= 0)
        return result;
    result.reserve(static_cast<std::string::size_type>(count) * 4 + 1);
    for (int i = 0; i < count; ++i)
        result += "\\par";
    result += ' ';
    return result;
}

std::string Bold(const std::string& text)
{
    return Wrapped("\\b ", text, "\\b0 ");
}

std::string Italic(const std::string& text)
{
    return Wrapped("\\i ", text, "\\i0 ");
}

std::string Underline(const std::string& text)
{
    return Wrapped("\\ul ", text, "\\ulnone ");
}

std::string Red(const std::string& text)
{
    return Wrapped("\\cf1 ", text, "\\cf0 ");
}

std::string Green(const std::string& text)
{
    return Wrapped("\\cf2 ", text, "\\cf0 ");
}

std::string Blue(const std::string& text)
{
    return Wrapped("\\cf3 ", text, "\\cf0 ");
}

std::string FontSize(const std::string& text, int points)
{
    // Half-points; doubled in 64 bits so that no size overflows.
    std::string word = "\\fs" + std::to_string(2LL * points);
    return DelimitedWord(word.c_str(), text) + "\\fs20 ";
}

std::string AlignRight(const std::string& text)
{
    return "\\qr " + text;
}

std::string Centre(const std::string& text)
{
    return "\\qc " + text;
}

std::string Link(const std::string& shownText, const std::string& target)
{
    std::string result(kLinkOpening);
    result += target;
    result += kLinkMiddle;
    result += shownText;
    result += kLinkClosing;
    return result;
}

std::string PlainText(const std::string& text)
{
    std::string result;
    result.reserve(text.size() + text.size() / 8);
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\\' || c == '{' || c == '}') {
            result += '\\';
            result += c;
        } else if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            result += "\\par ";
        } else {
            result += c;
        }
    }
    return result;
}

std::string DelimitedWord(const char* controlWord, const std::string& text)
{
    std::string result(controlWord);
    if (text.empty() || text[0] != '\\')
        result += ' ';
    result += text;
    return result;
}

}  // namespace rtfcore
