#include "rtf_markup.h"

#include "rtf_markup_core.h"

String RtfFromMarkup(const String& markup)
{
    return String(rtfcore::FromMarkup(markup));
}
