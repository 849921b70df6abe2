#include "rtf_markup.h"

#include "rtf_code_page.h"
#include "rtf_markup_core.h"

// The characters beyond ASCII go in as Unicode escapes, in every code page
// (see rtf_code_page.h).
String RtfFromMarkup(const String& markup)
{
    return RtfInEveryCodePage(markup, [](const std::string& text) { return rtfcore::FromMarkup(text); });
}
