// The platform-free markup conversion, natively with the sanitizers: the
// fast passes against the passes run one by one, and what the document
// shows against the bytes of the markup. The exact converter results and
// the rich edit control's view of them are tested under Wine
// (tests/toolkit/rtf_markup_test.cpp).
#include <gtest/gtest.h>

#include <string>

#include "rtf_builders_core.h"
#include "rtf_markup_core.h"
#include "rtf_reference.h"
#include "rtf_unicode_core.h"

namespace {

// Inputs where the order of the passes or their resume rule decides the result.
const char* const kPassInteractions[] = {
    "^DOUBLY\\",                 // a marker inserted after a literal prefix
    "^DOUBLY^DOUBLY^",          // overlapping markers: only the first is taken
    "\\^DOUBLY^",
    "<</CENTER>center>x",       // a removal forms a tag of a later pass
    "<</center>CENTER>x",       // ... or of an earlier one, which stays text
    "<</CENTER></center>/right>",
    "</CENTER</CENTER>>",       // the join is not searched again in the same pass
    "<</CENTER>B>",
    "<B<B>>",
    "\r\r\n\n\r",
    "{{}}<BR<br>>",
    "<b></B><i></I><u></U><B></b><I></i><U></u>",
    "<Br><bR><CENTER</CENTER>>",
    "\\DOUBLY\\x\n",             // looks like the marker case, is not
    "x</RIGHT>\nright</center>>",  // removals that join nothing
};

TEST(RtfCoreTest, FastPassesMatchThePassesRunOneByOne)
{
    for (const char* markup : kPassInteractions) {
        std::string passes = rtfreference::NaivePasses(markup);
        EXPECT_EQ(rtfcore::MarkupPasses(markup), passes) << markup;
        EXPECT_EQ(rtfcore::FromMarkup(markup), rtfcore::DelimitParagraphBreaks(passes)) << markup;
    }
}

// Text after a paragraph break that an RTF reader would otherwise take into
// the control word, and breaks where nothing follows yet.
TEST(RtfCoreTest, EveryVisibleByteIsShown)
{
    const char* const markups[] = {
        "one\r\ntwo\nthree<BR>four<br>five", "1\n2<BR>-3\n 4", "a\n</CENTER>b<br></right>7",
        "end\n", "x<BR>", "\n\n\nz", "a\rb", "\\par\\b0 {x}^DOUBLY^", "<b>\n</b>q",
    };
    for (std::string markup : kPassInteractions) {
        std::string document = rtfcore::Header() + rtfcore::FromMarkup(markup) + rtfcore::End();
        EXPECT_EQ(rtfreference::PlainText(document), rtfreference::VisibleText(markup)) << markup;
    }
    for (std::string markup : markups) {
        std::string body = rtfcore::FromMarkup(markup);
        std::string document = rtfcore::Header() + body + body + rtfcore::End();
        std::string shown = rtfreference::VisibleText(markup);
        EXPECT_EQ(rtfreference::PlainText(document), shown + shown) << markup;
    }
}

// The builders' pieces end so that any text may follow them.
TEST(RtfCoreTest, BuildersLetAnyTextFollow)
{
    const std::string followers[] = {"two", "2", " x", "-4", "\\b x"};
    for (const std::string& next : followers) {
        std::string expected = rtfreference::PlainText("{" + next + "}");
        auto shows = [&](const std::string& piece) {
            return rtfreference::PlainText(rtfcore::Header() + piece + next + rtfcore::End());
        };
        EXPECT_EQ(shows(""), expected) << next;
        EXPECT_EQ(shows(rtfcore::Paragraphs(2)), "\n\n" + expected) << next;
        EXPECT_EQ(shows(rtfcore::FontSize(next, 9)), expected + expected) << next;
        EXPECT_EQ(shows(rtfcore::Link(next, "t")), expected + expected) << next;
    }
}

// Text that is not markup is shown byte for byte, tags and RTF syntax included.
TEST(RtfCoreTest, PlainTextShowsAsWritten)
{
    const struct {
        const char* text;
        const char* body;
        const char* shown;
    } cases[] = {
        {"", "", ""},
        {"{Braces} and \\ back\\slash", "\\{Braces\\} and \\\\ back\\\\slash", "{Braces} and \\ back\\slash"},
        {"<b>not bold</b> \\par x", "<b>not bold</b> \\\\par x", "<b>not bold</b> \\par x"},
        {"a\r\nb\nc\rd", "a\\par b\\par c\\par d", "a\nb\nc\nd"},
        {"}{\\", "\\}\\{\\\\", "}{\\"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(rtfcore::PlainText(c.text), c.body) << c.text;
        std::string document = rtfcore::Header() + rtfcore::FontSize(rtfcore::PlainText(c.text), 16) + rtfcore::End();
        EXPECT_EQ(rtfreference::PlainText(document), c.shown) << c.text;
    }
}

// Linear work: 128 KB of breaks, tags and backslashes converts, and its
// visible text survives (a quadratic pass would time out under the sanitizers).
TEST(RtfCoreTest, LargeMarkupKeepsItsText)
{
    std::string markup;
    while (markup.size() < (1u << 17))
        markup += "a\\b\n<b>c</b>{d}<CENTER>e\r\nf</CENTER><br>9 ";
    std::string document = rtfcore::Header() + rtfcore::FromMarkup(markup) + rtfcore::End();
    EXPECT_EQ(rtfreference::PlainText(document), rtfreference::VisibleText(markup));
}

// The result is reserved once at the size bound and never grows: markup made
// of the pieces that grow most stays within it.
TEST(RtfCoreTest, ResultStaysWithinItsSizeBound)
{
    const char* const pieces[] = {"\n", "\r\n", "\r", "</U>", "</u>", "<U>", "<BR>",
                                  "\\", "{", "}", "^DOUBLY^", "x\ny", "<b>\n</b>"};
    for (const char* piece : pieces) {
        std::string markup;
        for (int i = 0; i < 1000; ++i)
            markup += piece;
        std::string body = rtfcore::FromMarkup(markup);
        std::size_t bound = rtfcore::FromMarkupSizeBound(markup);
        EXPECT_LE(body.size(), bound) << piece;
        EXPECT_EQ(body.capacity(), bound) << piece;
    }
}

// Characters beyond ASCII as signed 16-bit Unicode escapes with a '?'
// fallback, a pair for one beyond the basic plane; bytes of no well-formed
// sequence stay as they are.
TEST(RtfUnicodeEscapes, WellFormedSequencesOnly)
{
    struct Case {
        std::string body, escaped;
    } cases[] = {
        {"plain \\b text", "plain \\b text"},
        {"caf\xC3\xA9", "caf\\u233?"},
        {"\xE2\x82\xAC" "5", "\\u8364?5"},
        {"\xE6\xBC\xA2", "\\u28450?"},
        {"\xEF\xBF\xBD", "\\u-3?"},
        {"\xF0\x9F\x98\x80!", "\\u-10179?\\u-8704?!"},
        {"\xC3 \xA9", "\xC3 \xA9"},                     // cut sequences
        {"\xE0\x80\xAF\xC0\xAF", "\xE0\x80\xAF\xC0\xAF"},  // overlong
        {"\xED\xA0\x80", "\xED\xA0\x80"},                // a surrogate
        {"\xF4\x90\x80\x80", "\xF4\x90\x80\x80"},        // past U+10FFFF
        {"\xE9t\xE9", "\xE9t\xE9"},                        // Latin-1 bytes
    };
    for (const Case& c : cases) {
        std::string escaped = rtfcore::EscapeUtf8(c.body);
        EXPECT_EQ(escaped, c.escaped);
        EXPECT_LE(escaped.size(), rtfcore::EscapeUtf8SizeBound(c.body.size()));
    }
}

}  // namespace
