/// \file
/// Builders of RTF documents for the rich edit control: a fixed header with a
/// three-colour table, the closing brace, and pieces of body. A document is
/// RtfHeader() + body + RtfEnd(). The builders escape nothing: run user text
/// through RtfFromMarkup first. Every control word they write is followed by a
/// blank unless a backslash follows it, so that text placed after any piece
/// (even "2" or "two") is never read as part of the word.
#ifndef WICKER_RICHTEXT_RTF_BUILDERS_H
#define WICKER_RICHTEXT_RTF_BUILDERS_H

#include "foundation/string.h"

///@{
/// The program's ANSI code page ("\ansicpg" and GetACP()), Arial, colours 1
/// red, 2 green, 3 blue; 10-point text ("\fs20 ").
String RtfHeader();
String RtfEnd();
///@}
///@{
/// `count` paragraph breaks ("\par" each) and a closing blank; empty for 0 or less.
String RtfParagraphs(int count);
String RtfBold(const String& text);
String RtfItalic(const String& text);
String RtfUnderline(const String& text);
String RtfRed(const String& text);
String RtfGreen(const String& text);
String RtfBlue(const String& text);
///@}
/// The text at `points` points ("\fs" and the half-points), then 10 points again.
String RtfFontSize(const String& text, int points);
///@{
/// Right or centre alignment from here on: there is no closing word.
String RtfAlignRight(const String& text);
String RtfCentre(const String& text);
///@}
/// A hyperlink field to `target` showing `shownText` red and underlined.
String RtfLink(const String& shownText, const String& target);
/// The text as it stands, for text that is not markup (a title a user wrote):
/// backslashes and braces escaped, line breaks as paragraph breaks, and the
/// characters beyond ASCII escaped as RtfFromMarkup does, in every code page.
String RtfPlainText(const String& text);

#endif
