#include "rtf_builders.h"

#include <windows.h>

#include "rtf_builders_core.h"
#include "rtf_code_page.h"

// The document declares the code page the program runs in; its text is
// ASCII with Unicode escapes whichever it is.
String RtfHeader()
{
    return String(rtfcore::Header(GetACP()));
}

String RtfEnd()
{
    return String(rtfcore::End());
}

String RtfParagraphs(int count)
{
    return String(rtfcore::Paragraphs(count));
}

String RtfBold(const String& text)
{
    return String(rtfcore::Bold(text));
}

String RtfItalic(const String& text)
{
    return String(rtfcore::Italic(text));
}

String RtfUnderline(const String& text)
{
    return String(rtfcore::Underline(text));
}

String RtfRed(const String& text)
{
    return String(rtfcore::Red(text));
}

String RtfGreen(const String& text)
{
    return String(rtfcore::Green(text));
}

String RtfBlue(const String& text)
{
    return String(rtfcore::Blue(text));
}

String RtfFontSize(const String& text, int points)
{
    return String(rtfcore::FontSize(text, points));
}

String RtfAlignRight(const String& text)
{
    return String(rtfcore::AlignRight(text));
}

String RtfCentre(const String& text)
{
    return String(rtfcore::Centre(text));
}

String RtfLink(const String& shownText, const String& target)
{
    return String(rtfcore::Link(shownText, target));
}

// The characters beyond ASCII as Unicode escapes, as RtfFromMarkup writes them.
String RtfPlainText(const String& text)
{
    return RtfInEveryCodePage(text, [](const std::string& plain) { return rtfcore::PlainText(plain); });
}
