/// \file
/// Conversion of simple HTML-like markup to an RTF body.
#ifndef WICKER_RICHTEXT_RTF_MARKUP_H
#define WICKER_RICHTEXT_RTF_MARKUP_H

#include "foundation/string.h"

/// The RTF body the markup stands for. Backslashes and braces are escaped
/// ("^DOUBLY^" also stands for one backslash); CR LF, LF, `<BR>` and `<br>` become
/// paragraph breaks; `<B>` `</B>`, `<I>` `</I>`, `<U>` `</U>` switch bold, italic and
/// underline on and off; `<CENTER>` and `<RIGHT>` align the paragraphs from there
/// on and their closing tags are dropped. Tags are recognised in all upper or
/// all lower case only; everything else is text. A lone CR stays in the body
/// (an RTF reader skips it). Every character beyond ASCII, read in the
/// program's ANSI code page (UTF-8 under the manifest, 1251, 932, ...), is
/// written as a Unicode escape ("\u233?" for "é"), so that the rich edit
/// control shows it under every code page.
String RtfFromMarkup(const String& markup);

#endif
