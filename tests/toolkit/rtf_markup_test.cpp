// RtfFromMarkup: the exact body for each markup, and the text a real rich
// edit window shows for the document made of it.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "rich_edit_window.h"
#include "rtf_reference.h"
#include "wicker.h"

namespace {

struct MarkupCase {
    const char* markup;
    const char* body;
    const char* shown;  // WM_GETTEXT of header + body + end
};

const MarkupCase kCases[] = {
    {"", "", ""},
    {"plain text", "plain text", "plain text"},
    // Backslashes, directly and through the marker word.
    {"a\\b", "a\\\\b", "a\\b"},
    {"C:\\dir\\file", "C:\\\\dir\\\\file", "C:\\dir\\file"},
    {"\\\\", "\\\\\\\\", "\\\\"},
    {"^DOUBLY^", "\\\\", "\\"},
    {"^DOUBLY\\", "\\\\DOUBLY^", "\\DOUBLY^"},
    {"\\par \\b0 x", "\\\\par \\\\b0 x", "\\par \\b0 x"},
    // Braces: pass 8 sees '\{x}' and escapes only the closing one.
    {"{x}", "\\{x\\}", "{x}"},
    {"}{{", "\\}\\{\\{", "}{{"},
    // Line breaks; the break word is delimited wherever text follows it.
    {"one\r\ntwo\nthree<BR>four<br>five", "one\\par two\\par three\\par four\\par five",
     "one\r\ntwo\r\nthree\r\nfour\r\nfive"},
    {"1<BR>2\n-3\n 4", "1\\par 2\\par -3\\par  4", "1\r\n2\r\n-3\r\n 4"},
    {"x<BR><br>y", "x\\par\\par y", "x\r\n\r\ny"},
    // The control takes a break at the very end as the document's own last one.
    {"end\n", "end\\par ", "end"},
    {"a\n</CENTER>b", "a\\par b", "a\r\nb"},
    {"<Br><bR>", "<Br><bR>", "<Br><bR>"},
    // A lone CR stays in the body; the control skips it like any raw line end.
    {"a\rb", "a\rb", "ab"},
    {"a\r\r\nb", "a\r\\par b", "a\r\nb"},
    // Styles, in both cases; mixed case is text.
    {"<B>bold</B> <i>it</i>", "\\b bold\\b0  \\i it\\i0 ", "bold it"},
    {"<b>b</b><I>I</I><U>U</U><u>u</u>", "\\b b\\b0 \\i I\\i0 \\ul U\\ulnone \\ul u\\ulnone ", "bIUu"},
    {"<Bold><Center>", "<Bold><Center>", "<Bold><Center>"},
    // Alignment: closing tags vanish, and a join they make is seen by a later pass only.
    {"<CENTER>T</CENTER>", "\\qc T", "T"},
    {"<center>c</center><RIGHT>R</RIGHT><right>r</right>", "\\qc c\\qr R\\qr r", "cRr"},
    {"<</CENTER>center>x", "\\qc x", "x"},
    {"<</center>CENTER>x", "<CENTER>x", "<CENTER>x"},
};

std::string Document(const String& body)
{
    return RtfHeader() + body + RtfEnd();
}

TEST(RtfMarkupTest, BodiesAndWhatTheControlShows)
{
    for (const MarkupCase& c : kCases) {
        String markup(c.markup);
        String body = RtfFromMarkup(markup);
        EXPECT_EQ(body, c.body) << c.markup;
        EXPECT_EQ(markup, c.markup) << "the argument is unchanged";
        RichEditWindow control(Document(body));
        EXPECT_EQ(control.Text(), c.shown) << c.markup;
    }
}

// Two converted pieces put side by side keep the text of both.
TEST(RtfMarkupTest, ConvertedPiecesJoinWithoutLosingText)
{
    RichEditWindow control(Document(RtfFromMarkup("first\n") + RtfFromMarkup("second<br>") + RtfFromMarkup("3")));
    EXPECT_EQ(control.Text(), "first\r\nsecond\r\n3");
}

// The tags format what the user sees: bold, italic, underline and alignment.
// (The sample ends with one more paragraph: Wine's reader drops the paragraph
// formatting of a last paragraph that no break ends.)
TEST(RtfMarkupTest, TagsFormatTheText)
{
    RichEditWindow control(Document(RtfFromMarkup("n<B>b</B><I>i</I><U>u</U>n\n<CENTER>c\n<right>r\nend")));
    ASSERT_EQ(control.Text(), "nbiun\r\nc\r\nr\r\nend");
    struct Expected {
        int position;
        DWORD effects;
    } expected[] = {{0, 0}, {1, CFE_BOLD}, {2, CFE_ITALIC}, {3, CFE_UNDERLINE}, {4, 0}};
    for (const Expected& e : expected) {
        CHARFORMATA format = control.FormatAt(e.position);
        EXPECT_EQ(format.dwEffects & (CFE_BOLD | CFE_ITALIC | CFE_UNDERLINE), e.effects) << e.position;
    }
    EXPECT_EQ(control.ParagraphAt(0).wAlignment, PFA_LEFT);
    EXPECT_EQ(control.ParagraphAt(7).wAlignment, PFA_CENTER);
    EXPECT_EQ(control.ParagraphAt(10).wAlignment, PFA_RIGHT);
}

// Markups drawn with a fixed seed from text, tags and the bytes that matter to
// the conversion: the control shows what the reference model of the tests and
// of the fuzzer says it should (every byte outside the tags).
TEST(RtfMarkupTest, ControlShowsWhatTheModelSays)
{
    const char* const pieces[] = {
        "ab", "7", " ", "-", "\\", "^DOUBLY^", "^", "DOUBLY", "{", "}", "\r\n", "\n", "\r", "<", ">", "/",
        "<BR>", "<br>", "<B>", "</B>", "<b>", "</b>", "<I>", "</i>", "<U>", "</u>", "<CENTER>", "</CENTER>",
        "<center>", "</center>", "<RIGHT>", "</RIGHT>", "<right>", "</right>", "CENTER", "right", "par",
    };
    std::mt19937 random(20261208);
    // One window takes every document in turn: each load replaces the whole text.
    RichEditWindow control(Document(""));
    for (int sample = 0; sample < 200; ++sample) {
        std::string markup;
        int count = 1 + static_cast<int>(random() % 12);
        for (int i = 0; i < count; ++i)
            markup += pieces[random() % (sizeof pieces / sizeof pieces[0])];

        // Line breaks as the control gives them, without the document's last one.
        std::string expected;
        for (char c : rtfreference::VisibleText(markup))
            expected += c == '\n' ? std::string("\r\n") : std::string(1, c);
        if (expected.size() >= 2 && expected.compare(expected.size() - 2, 2, "\r\n") == 0)
            expected.resize(expected.size() - 2);

        control.Load(Document(RtfFromMarkup(String(markup))));
        EXPECT_EQ(control.Text(), expected) << markup;
    }
}

}  // namespace
