// The conversion normally runs as one scan over the markup that does all 28
// passes and the delimiting at once. That gives the same result as the passes
// one after another except in two situations, which the scan detects and
// then leaves to the staged passes (MarkupPasses):
// - a backslash right after "DOUBLY": pass 2 then finds a marker made of the
//   literal "^DOUBLY" and the first byte of pass 1's marker ("^DOUBLY\"
//   gives "\\DOUBLY^");
// - a removed closing alignment tag whose left neighbours begin an alignment
//   tag: the join can form a tag for a later pass ("<</CENTER>center>"
//   becomes "<center>" and then "\qc "), or hide one from the same pass.
// The staged passes group the 28 passes without changing their result:
// - passes 1 and 2 run as two replace-all passes;
// - passes 3 to 20 run as one scan. Their patterns cannot overlap one another
//   (each tag begins with '<' and holds no other '<'; CR LF is tried before a
//   lone LF, as pass 3 runs before pass 4), and no text they insert can take
//   part in a later pattern: it holds no '<', '>' or line feed and begins with
//   a backslash, which no pattern contains;
// - passes 21 to 28 run one by one.
#include "rtf_markup_core.h"

#include <cstring>

namespace rtfcore {

namespace {

// Every occurrence, scanning on after the inserted text each time.
void ReplaceAll(std::string& text, const char* search, const char* replacement)
{
    std::string::size_type searchLength = std::strlen(search);
    std::string::size_type at = text.find(search, 0, searchLength);
    if (at == std::string::npos)
        return;
    std::string result;
    result.reserve(text.size() + text.size() / 8);
    std::string::size_type from = 0;
    for (; at != std::string::npos; at = text.find(search, from, searchLength)) {
        result.append(text, from, at - from);
        result.append(replacement);
        from = at + searchLength;
    }
    result.append(text, from, std::string::npos);
    text.swap(result);
}

struct Tag {
    const char* pattern;
    const char* replacement;
};

// Passes 5, 6 and 9 to 20, all beginning with '<'.
const Tag kTags[] = {
    {"<BR>", "\\par"},     {"<br>", "\\par"},
    {"<B>", "\\b "},       {"</B>", "\\b0 "},     {"<b>", "\\b "},   {"</b>", "\\b0 "},
    {"<I>", "\\i "},       {"</I>", "\\i0 "},     {"<i>", "\\i "},   {"</i>", "\\i0 "},
    {"<U>", "\\ul "},      {"</U>", "\\ulnone "}, {"<u>", "\\ul "},  {"</u>", "\\ulnone "},
};

// Passes 21 to 28, in order.
const Tag kAlignmentTags[] = {
    {"<CENTER>", "\\qc "}, {"</CENTER>", ""}, {"<center>", "\\qc "}, {"</center>", ""},
    {"<RIGHT>", "\\qr "},  {"</RIGHT>", ""},  {"<right>", "\\qr "},  {"</right>", ""},
};

// True for the first byte of every pattern of passes 3 to 20.
inline bool StartsAPattern(char byte)
{
    return byte == '\r' || byte == '\n' || byte == '{' || byte == '}' || byte == '<';
}

// Passes 3 to 20 in one scan (see the top of the file).
std::string BreaksBracesAndStyles(const std::string& text)
{
    std::string result;
    result.reserve(text.size() + text.size() / 8);
    const char* data = text.data();
    std::string::size_type size = text.size();
    std::string::size_type i = 0;
    while (i < size) {
        std::string::size_type run = i;
        while (run < size && !StartsAPattern(data[run]))
            ++run;
        result.append(data + i, run - i);
        i = run;
        if (i >= size)
            break;

        char byte = data[i];
        if (byte == '\r') {
            if (i + 1 < size && data[i + 1] == '\n') {
                result += "\\par";
                i += 2;
            } else {
                result += '\r';
                ++i;
            }
        } else if (byte == '\n') {
            result += "\\par";
            ++i;
        } else if (byte == '{' || byte == '}') {
            result += '\\';
            result += byte;
            ++i;
        } else {
            const Tag* found = nullptr;
            for (const Tag& tag : kTags) {
                std::string::size_type length = std::strlen(tag.pattern);
                if (size - i >= length && std::memcmp(data + i, tag.pattern, length) == 0) {
                    found = &tag;
                    break;
                }
            }
            if (found) {
                result += found->replacement;
                i += std::strlen(found->pattern);
            } else {
                result += '<';
                ++i;
            }
        }
    }
    return result;
}

// Every tag of passes 5 to 28 for the single scan; `removed` marks the
// closing alignment tags, which insert nothing.
struct ScanTag {
    const char* pattern;
    std::size_t length;
    const char* replacement;
    std::size_t replacementLength;
    bool removed;
};

constexpr std::size_t Length(const char* text)
{
    return *text ? 1 + Length(text + 1) : 0;
}

#define WICKER_SCAN_TAG(pattern, replacement) \
    { pattern, Length(pattern), replacement, Length(replacement), Length(replacement) == 0 }

const ScanTag kScanTags[] = {
    WICKER_SCAN_TAG("<BR>", "\\par"),     WICKER_SCAN_TAG("<br>", "\\par"),
    WICKER_SCAN_TAG("<B>", "\\b "),       WICKER_SCAN_TAG("</B>", "\\b0 "),
    WICKER_SCAN_TAG("<b>", "\\b "),       WICKER_SCAN_TAG("</b>", "\\b0 "),
    WICKER_SCAN_TAG("<I>", "\\i "),       WICKER_SCAN_TAG("</I>", "\\i0 "),
    WICKER_SCAN_TAG("<i>", "\\i "),       WICKER_SCAN_TAG("</i>", "\\i0 "),
    WICKER_SCAN_TAG("<U>", "\\ul "),      WICKER_SCAN_TAG("</U>", "\\ulnone "),
    WICKER_SCAN_TAG("<u>", "\\ul "),      WICKER_SCAN_TAG("</u>", "\\ulnone "),
    WICKER_SCAN_TAG("<CENTER>", "\\qc "), WICKER_SCAN_TAG("</CENTER>", ""),
    WICKER_SCAN_TAG("<center>", "\\qc "), WICKER_SCAN_TAG("</center>", ""),
    WICKER_SCAN_TAG("<RIGHT>", "\\qr "),  WICKER_SCAN_TAG("</RIGHT>", ""),
    WICKER_SCAN_TAG("<right>", "\\qr "),  WICKER_SCAN_TAG("</right>", ""),
};

#undef WICKER_SCAN_TAG

// True for the first byte of every pattern of the 28 passes.
struct PatternStarts {
    bool table[256];
    constexpr PatternStarts() : table()
    {
        for (unsigned char byte : {'\\', '^', '\r', '\n', '{', '}', '<'})
            table[byte] = true;
    }
};
constexpr PatternStarts kPatternStarts;

// True when the converted text so far ends with the beginning of an
// alignment tag, so that removing a tag here could join a new one. Every
// such beginning starts with the text's last '<', within its last 8 bytes.
bool EndsWithAlignmentTagStart(const std::string& text)
{
    std::size_t size = text.size();
    for (std::size_t back = 1; back <= 8 && back <= size; ++back) {
        if (text[size - back] != '<')
            continue;
        for (const Tag& tag : kAlignmentTags)
            if (std::strlen(tag.pattern) > back && text.compare(size - back, back, tag.pattern, back) == 0)
                return true;
        return false;
    }
    return false;
}

// How many bytes the one scan can add for each byte of markup, at most: a
// line feed becomes "\par" and the blank that delimits it (CR LF the same,
// counted on both bytes), a tag grows by at most four ("</U>" becomes
// "\ulnone "), and a backslash or brace gains the escaping backslash.
struct GrowthTable {
    unsigned char extra[256];
    constexpr GrowthTable() : extra()
    {
        extra[static_cast<unsigned char>('\n')] = 4;
        extra[static_cast<unsigned char>('\r')] = 3;
        extra[static_cast<unsigned char>('<')] = 4;
        extra[static_cast<unsigned char>('\\')] = 1;
        extra[static_cast<unsigned char>('{')] = 1;
        extra[static_cast<unsigned char>('}')] = 1;
    }
};
constexpr GrowthTable kGrowth;

}  // namespace

std::size_t FromMarkupSizeBound(const std::string& markup)
{
    std::size_t extra = 1;
    for (char byte : markup)
        extra += kGrowth.extra[static_cast<unsigned char>(byte)];
    return markup.size() + extra;
}

namespace {

// All passes and the delimiting in one scan (see the top of the file); false
// when the markup needs the staged passes. The result is reserved once at
// its bound and never grows: growing a large string copies it into new
// memory, whose first touch can cost more than the conversion itself.
bool ConvertInOneScan(const std::string& markup, std::string& result)
{
    result.clear();
    result.reserve(FromMarkupSizeBound(markup));
    const char* data = markup.data();
    std::size_t size = markup.size();
    bool breakOpen = false;  // a "\par" was written and no blank or backslash yet
    auto write = [&](const char* bytes, std::size_t count) {
        if (breakOpen && count) {
            if (bytes[0] != '\\')
                result += ' ';
            breakOpen = false;
        }
        result.append(bytes, count);
    };
    auto writeBreak = [&] {
        write("\\par", 4);
        breakOpen = true;
    };

    std::size_t i = 0;
    while (i < size) {
        std::size_t run = i;
        while (run < size && !kPatternStarts.table[static_cast<unsigned char>(data[run])])
            ++run;
        write(data + i, run - i);
        i = run;
        if (i >= size)
            break;

        char byte = data[i];
        if (byte == '\\') {
            if (i >= 6 && std::memcmp(data + i - 6, "DOUBLY", 6) == 0)
                return false;
            write("\\\\", 2);
            ++i;
        } else if (byte == '^') {
            if (size - i >= 8 && std::memcmp(data + i, "^DOUBLY^", 8) == 0) {
                write("\\\\", 2);
                i += 8;
            } else {
                write("^", 1);
                ++i;
            }
        } else if (byte == '\r') {
            if (i + 1 < size && data[i + 1] == '\n') {
                writeBreak();
                i += 2;
            } else {
                write("\r", 1);
                ++i;
            }
        } else if (byte == '\n') {
            writeBreak();
            ++i;
        } else if (byte == '{') {
            write("\\{", 2);
            ++i;
        } else if (byte == '}') {
            write("\\}", 2);
            ++i;
        } else {
            const ScanTag* found = nullptr;
            char second = i + 1 < size ? data[i + 1] : '\0';
            for (const ScanTag& tag : kScanTags) {
                if (tag.pattern[1] == second && size - i >= tag.length &&
                    std::memcmp(data + i, tag.pattern, tag.length) == 0) {
                    found = &tag;
                    break;
                }
            }
            if (!found) {
                write("<", 1);
                ++i;
            } else if (found->removed) {
                if (EndsWithAlignmentTagStart(result))
                    return false;
                i += found->length;
            } else {
                if (found->replacement[1] == 'p')
                    writeBreak();
                else
                    write(found->replacement, found->replacementLength);
                i += found->length;
            }
        }
    }
    if (breakOpen)
        result += ' ';
    return true;
}

}  // namespace

std::string MarkupPasses(const std::string& body)
{
    std::string text(body);
    ReplaceAll(text, "\\", "^DOUBLY^");
    ReplaceAll(text, "^DOUBLY^", "\\\\");
    text = BreaksBracesAndStyles(text);
    for (const Tag& tag : kAlignmentTags)
        ReplaceAll(text, tag.pattern, tag.replacement);
    return text;
}

std::string DelimitParagraphBreaks(const std::string& body)
{
    // Every backslash of the body begins either an escaped character ("\\",
    // "\{", "\}") or one of the control words the passes insert, of which only
    // "\par" begins with 'p' and only "\par" has no blank of its own.
    std::string result;
    result.reserve(body.size() + body.size() / 16 + 1);
    std::string::size_type size = body.size();
    std::string::size_type from = 0;
    std::string::size_type at = body.find('\\');
    while (at != std::string::npos) {
        if (at + 1 < size && body[at + 1] == 'p') {
            std::string::size_type end = at + 4 < size ? at + 4 : size;
            result.append(body, from, end - from);
            if (end >= size || body[end] != '\\')
                result += ' ';
            from = end;
            at = body.find('\\', end);
        } else {
            at = body.find('\\', at + 2);
        }
    }
    result.append(body, from, std::string::npos);
    return result;
}

std::string FromMarkup(const std::string& markup)
{
    std::string result;
    if (ConvertInOneScan(markup, result))
        return result;
    return DelimitParagraphBreaks(MarkupPasses(markup));
}

}  // namespace rtfcore
