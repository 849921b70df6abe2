// Slow, obviously faithful models of the markup conversion and a small RTF
// reader, against which the converter is tested and fuzzed natively.
#ifndef TESTS_RICHTEXT_RTF_REFERENCE_H
#define TESTS_RICHTEXT_RTF_REFERENCE_H

#include <string>

namespace rtfreference {

// The 28 replace-all passes of the markup applied one after another.
std::string NaivePasses(const std::string& markup);

// What a reader of the converted markup should show: every byte outside the
// recognised tags, a line feed for each line break (CR LF, LF, <BR>, <br>),
// one backslash for each backslash and each "^DOUBLY^", and no lone CR (RTF
// readers skip raw line-end bytes). Tags are recognised as the passes
// recognise them, joins made by removed tags included.
std::string VisibleText(const std::string& markup);

// The text an RTF document stands for: text bytes and escaped characters,
// '\n' for "\par", '\t' for "\tab", the UTF-8 bytes of each "\uN" character
// (its one fallback character skipped, a surrogate pair joined); other control words, raw CR and LF and the
// groups of the font table, colour table and "\*" destinations show nothing.
std::string PlainText(const std::string& rtf);

}  // namespace rtfreference

#endif
