// The RTF document pieces on plain byte strings, free of the platform, so
// that they build and are tested natively as well as in the toolkit.
#ifndef WICKER_RICHTEXT_RTF_BUILDERS_CORE_H
#define WICKER_RICHTEXT_RTF_BUILDERS_CORE_H

#include <string>

namespace rtfcore {

// The fixed document header: code page 1252, Arial as font 0, a colour table
// of red, green and blue, 10-point text. It ends with the blank that closes
// its last control word, so a body beginning with a digit or a blank keeps it.
std::string Header();
// The same header declaring another ANSI code page ("\ansicpg" and the number).
std::string Header(unsigned codePage);
// "}"
std::string End();
// `count` paragraph breaks and a closing blank; nothing for a count of 0 or less.
std::string Paragraphs(int count);
// The text between an opening and a closing control word (each with its blank).
std::string Bold(const std::string& text);
std::string Italic(const std::string& text);
std::string Underline(const std::string& text);
// Colours 1, 2 and 3 of the header's table, then back to the default colour.
std::string Red(const std::string& text);
std::string Green(const std::string& text);
std::string Blue(const std::string& text);
// The text at `points` points, then back to 10 points.
std::string FontSize(const std::string& text, int points);
// Alignment for this and the following paragraphs; no closing word.
std::string AlignRight(const std::string& text);
std::string Centre(const std::string& text);
// A hyperlink field showing `shownText` in red, underlined; `target` is
// inserted unchanged between quotation marks.
std::string Link(const std::string& shownText, const std::string& target);

// The text shown as it stands: backslashes and braces escaped, each line
// break (CR LF, LF or a lone CR) a paragraph break. Tags are text here.
std::string PlainText(const std::string& text);

// The control word followed by the text, with a blank between them unless
// the text begins with a backslash: a letter, digit, hyphen or blank right
// after a control word would be read as part of it.
std::string DelimitedWord(const char* controlWord, const std::string& text);

}  // namespace rtfcore

#endif
