#include "rtf_markup.h"

#include <windows.h>

#include "rtf_markup_core.h"
#include "rtf_unicode_core.h"

// Under the UTF-8 code page the markup's text is UTF-8, which the rich edit
// control would read as bytes of its document's code page (1252): the
// characters beyond ASCII go in as Unicode escapes instead. Under any other
// code page the bytes are the document's own and stay as they are.
String RtfFromMarkup(const String& markup)
{
    if (GetACP() == CP_UTF8)
        return String(rtfcore::EscapeUtf8(rtfcore::FromMarkup(markup)));
    return String(rtfcore::FromMarkup(markup));
}
