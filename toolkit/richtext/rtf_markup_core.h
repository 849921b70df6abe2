// The markup-to-RTF conversion on plain byte strings, free of the platform.
#ifndef WICKER_RICHTEXT_RTF_MARKUP_CORE_H
#define WICKER_RICHTEXT_RTF_MARKUP_CORE_H

#include <cstddef>
#include <string>

namespace rtfcore {

// The RTF body of the markup: the result of MarkupPasses, then
// DelimitParagraphBreaks, mostly found in one scan.
std::string FromMarkup(const std::string& markup);

// At least the size of FromMarkup's result, and little more where the markup
// holds many line breaks or tags (one pass over its bytes).
std::size_t FromMarkupSizeBound(const std::string& markup);

// The markup's 28 replace-all passes (backslashes, line breaks, braces, then
// the bold, italic, underline, centre and right tags), with exactly the result
// that applying them one after another gives, in a bounded number of linear
// scans.
std::string MarkupPasses(const std::string& body);

// Puts a blank after every "\par" control word of the body that is not
// followed by another backslash (a letter, digit, hyphen or blank there, or
// text appended later, would otherwise be read as part of the word).
std::string DelimitParagraphBreaks(const std::string& body);

}  // namespace rtfcore

#endif
