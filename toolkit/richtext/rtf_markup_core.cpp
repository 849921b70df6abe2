// How the passes are grouped without changing their result:
// - Passes 1 and 2 (backslash to "^DOUBLY^", then "^DOUBLY^" to two
//   backslashes) run as two replace-all passes: the second pass sees the
//   markers the first inserted next to literal ones ("^DOUBLY\" gives
//   "\\DOUBLY^"), which only running them in turn reproduces simply.
// - Passes 3 to 20 run as one scan. Their patterns cannot overlap one another
//   (each tag begins with '<' and holds no other '<'; CR LF is tried before a
//   lone LF, as pass 3 runs before pass 4), and no text they insert can take
//   part in a later pattern of the group: it holds no '<', '>' or line feed and
//   begins with a backslash, which no pattern contains.
// - Passes 21 to 28 run one by one: removing a closing alignment tag joins its
//   neighbours, and the join can form a tag for a later pass of this group
//   ("<</CENTER>center>" becomes "<center>" and then "\qc ").
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
    return DelimitParagraphBreaks(MarkupPasses(markup));
}

}  // namespace rtfcore
