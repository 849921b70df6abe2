// RTF from the program's texts in any ANSI code page.
//
// A String's bytes belong to the system's ANSI code page. Written into a
// document as they stand, they would be read in the document's code page,
// and a double-byte code page's trail bytes can even look like a backslash
// or a brace. So the text is taken to UTF-8 first (nothing changes under the
// UTF-8 code page), the document built over it, and every character beyond
// ASCII written as a Unicode escape ("\uN?"): the document is pure ASCII and
// shows the same characters under every code page.
#ifndef WICKER_RICHTEXT_RTF_CODE_PAGE_H
#define WICKER_RICHTEXT_RTF_CODE_PAGE_H

#include <string>

#include "foundation/string.h"
#include "rtf_unicode_core.h"

// The text of the ANSI code page as UTF-8; itself under the UTF-8 code page
// (whatever its bytes, as the document's escapes have always left them).
std::string Utf8FromAnsi(const String& text);

// `build` (a platform-free builder over UTF-8 text) applied to the text, its
// result with every character beyond ASCII escaped.
template <typename Build>
String RtfInEveryCodePage(const String& text, Build build)
{
    return String(rtfcore::EscapeUtf8(build(Utf8FromAnsi(text))));
}

#endif
