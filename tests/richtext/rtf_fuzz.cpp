// libFuzzer target for the markup conversion. For every input it checks that
// the staged passes give exactly what the 28 passes one after another give,
// that the one-scan conversion gives the staged result delimited, and
// that the finished document shows every byte outside the recognised tags,
// also when the body is followed by more text or wrapped by a builder, and
// with its UTF-8 characters written as Unicode escapes.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "rtf_builders_core.h"
#include "rtf_markup_core.h"
#include "rtf_reference.h"
#include "rtf_unicode_core.h"

namespace {

void Require(bool condition, const char* what, const std::string& markup)
{
    if (condition)
        return;
    std::fprintf(stderr, "rtf_fuzz: %s for a markup of %zu bytes\n", what, markup.size());
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string markup(reinterpret_cast<const char*>(data), size);
    std::string passes = rtfcore::MarkupPasses(markup);
    Require(passes == rtfreference::NaivePasses(markup), "passes differ from the one-by-one passes", markup);

    std::string body = rtfcore::FromMarkup(markup);
    Require(body == rtfcore::DelimitParagraphBreaks(passes), "the one-scan conversion differs", markup);
    Require(body.size() <= rtfcore::FromMarkupSizeBound(markup), "the result outgrew its size bound", markup);
    std::string visible = rtfreference::VisibleText(markup);
    std::string header = rtfcore::Header(), end = rtfcore::End();
    Require(rtfreference::PlainText(header + body + end) == visible, "text lost or added", markup);
    Require(rtfreference::PlainText(header + body + body + end) == visible + visible,
            "text lost where bodies meet", markup);
    Require(rtfreference::PlainText(header + rtfcore::FontSize(body, 12) + rtfcore::Paragraphs(1) +
                                    rtfcore::Bold(body) + end) == visible + "\n" + visible,
            "text lost inside builders", markup);
    // Under the UTF-8 code page the body's characters beyond ASCII become
    // Unicode escapes, which a reader shows as the same characters.
    std::string escaped = rtfcore::EscapeUtf8(body);
    Require(escaped.size() <= rtfcore::EscapeUtf8SizeBound(body.size()), "escapes outgrew their bound", markup);
    Require(rtfreference::PlainText(header + escaped + end) == visible, "text changed by the escapes", markup);
    Require(rtfreference::PlainText(header + escaped + escaped + end) == visible + visible,
            "escapes changed where bodies meet", markup);
    return 0;
}
