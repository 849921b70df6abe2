// Positions, lengths and cuts in the code page the program runs in: every
// position a program reads or gives counts bytes of its String, the control
// beneath counts UTF-16 units, and a text cut at a fixed limit ends after a
// whole character (of UTF-8, or of a double-byte code page).
#include <gtest/gtest.h>

#include <windows.h>

#include <richedit.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <string>

#include "code_page_samples.h"
#include "probe_parent.h"
#include "wicker.h"

namespace {

// The bytes of the character that starts at unit `at` of the wide text (a
// surrogate pair is one character).
std::size_t CharacterBytesAt(const std::wstring& wide, std::size_t at)
{
    int units = at + 1 < wide.size() && IS_HIGH_SURROGATE(wide[at]) ? 2 : 1;
    return (std::size_t)WideCharToMultiByte(CP_ACP, 0, wide.data() + at, units, NULL, 0, NULL, NULL);
}

class CodePagePositionTest : public ProbeParentTest {
protected:
    CodePagePositionTest() : ProbeParentTest(500, 400) {}
};

// "<word>, Welt" and "zwei <word>" on two lines: each position the box reads
// and takes, checked against the bytes of that text and against the units
// the control itself reports.
TEST_F(CodePagePositionTest, RichTextPositionsCountBytesOfTheProgramsText)
{
    // No wrapping: a line is a line of the text, however long.
    RichTextBox box("", 1, 0, 0, 480, 300, parentControl, true, true, false,
                    ES_MULTILINE | ES_AUTOHSCROLL | WS_HSCROLL, 0);
    ASSERT_NE(box.hwnd, (HWND)NULL);
    for (const Sample& s : Samples()) {
        const std::string& word = s.bytes;
        const std::string text = word + ", Welt\r\nzwei " + word;
        const int w = (int)word.size();
        const int second = w + 8;  // the second line's first byte
        box.Text = text;
        ASSERT_EQ(std::string(box.Text().CStr()), text) << s.name;

        box.Select(w, w + 5);
        CHARRANGE units = {};
        SendMessageA(box.hwnd, EM_EXGETSEL, 0, (LPARAM)&units);
        EXPECT_EQ(units.cpMin, (LONG)s.wide.size()) << s.name;
        EXPECT_EQ(units.cpMax, (LONG)s.wide.size() + 5) << s.name;
        EXPECT_EQ(std::string(box.SelectedText().CStr()), ", Wel") << s.name;
        EXPECT_EQ(box.SelectionStart(), w) << s.name;
        EXPECT_EQ(box.SelectionEnd(), w + 5) << s.name;
        EXPECT_EQ(box.SelectionLength(), 5) << s.name;

        box.CaretPosition = second + 5;
        EXPECT_EQ(box.CaretPosition(), second + 5) << s.name;
        EXPECT_EQ(box.CurrentLine(), 1) << s.name;
        EXPECT_EQ(box.CurrentLineStart(), second) << s.name;
        EXPECT_EQ(box.CurrentLineLength(), 5 + w) << s.name;
        EXPECT_EQ(box.LineStart(1), second) << s.name;
        EXPECT_EQ(box.LineLength(0), w + 6) << s.name;
        EXPECT_EQ(box.LineFromChar(w + 4), 0) << s.name;
        EXPECT_EQ(box.LineFromChar(second + 5 + w), 1) << s.name;

        EXPECT_EQ(box.Find(word, false), 0) << s.name;
        EXPECT_EQ(box.Find("Welt", true), w + 2) << s.name;
        EXPECT_EQ(box.FindInLine(word, 1, false), second + 5) << s.name;
        EXPECT_EQ(box.FindInLine("Welt", 1, false), -1) << s.name;

        // A position inside a character stands for the character's start.
        std::size_t first = CharacterBytesAt(s.wide, 0);
        box.CaretPosition = 1;
        EXPECT_EQ(box.CaretPosition(), first > 1 ? 0 : 1) << s.name;

        // The written selection is selected, as many bytes as were written.
        box.Select(w + 2, w + 6);
        box.SelectedText = word;
        EXPECT_EQ(box.SelectionStart(), w + 2) << s.name;
        EXPECT_EQ(box.SelectionLength(), w) << s.name;
        EXPECT_EQ(std::string(box.SelectedText().CStr()), word) << s.name;
        EXPECT_EQ(std::string(box.Text().CStr()), word + ", " + word + "\r\nzwei " + word) << s.name;
        EXPECT_EQ(box.TextLength(), (int)box.Text().size()) << s.name;
    }
}

// The README's example, under UTF-8.
TEST_F(CodePagePositionTest, TheReadmeExampleCountsBytes)
{
    if (GetACP() != CP_UTF8)
        return;
    RichTextBox box("", 1, 0, 0, 300, 200, parentControl, true, true, false, ES_MULTILINE, 0);
    box.Text = "Gr\xC3\xBC\xC3\x9F" "e, Welt";
    box.Select(7, 12);
    EXPECT_EQ(std::string(box.SelectedText().CStr()), ", Wel");
    EXPECT_EQ(box.Find("Welt", true), 9);
}

// The document's code page is the program's, and markup in any script shows
// the same characters as a plain text control given the same bytes.
TEST_F(CodePagePositionTest, MarkupShowsWhatAPlainControlShows)
{
    char declared[32];
    std::snprintf(declared, sizeof declared, "\\ansicpg%u ", GetACP());
    EXPECT_NE(std::string(RtfHeader().CStr()).find(std::string(declared, strlen(declared) - 1) + "\\"),
              std::string::npos);
    RichTextBox box("", 1, 0, 0, 300, 200, parentControl, true, true, false, ES_MULTILINE, 0);
    Label label("", 2, 0, 210, 300, 20, parentControl);
    for (const Sample& s : Samples()) {
        label.Text = s.bytes;
        std::wstring shown(4 * s.wide.size() + 8, L'\0');
        shown.resize(GetWindowTextW(label.hwnd, &shown[0], (int)shown.size()));
        for (const String& body : {RtfFromMarkup("{" + s.bytes + "}\\"), RtfPlainText("{" + s.bytes + "}\\")}) {
            for (char c : std::string(body.CStr()))
                ASSERT_LT((unsigned char)c, 0x80) << s.name << ": the document is ASCII";
            box.RichText = RtfHeader() + body + RtfEnd();
            std::wstring rich(4 * s.wide.size() + 8, L'\0');
            rich.resize(GetWindowTextW(box.hwnd, &rich[0], (int)rich.size()));
            EXPECT_EQ(rich, L"{" + shown + L"}\\") << s.name;
        }
    }
}

// Each fixed limit, reached inside a character: the shown text is the
// longest start of the given one that ends after a whole character.
TEST_F(CodePagePositionTest, TextsCutAtAFixedLimitEndAfterAWholeCharacter)
{
    Form form("tray", 0, 0, 200, 100, kFormStandard, true, false);
    IconObject icon(LoadIconA(NULL, IDI_APPLICATION));
    StatusBar status("", 1, parentControl, 1);
    Button button("tool", 2, 0, 0, 100, 20, parentControl);
    const struct {
        const char* name;
        std::size_t limit;
        std::function<std::string(const std::string&)> shown;
    } limits[] = {
        {"tray tip", kNotifyIconTipRoom - 1,
         [&](const std::string& tip) {
             form.ModifyTrayIcon(icon, tip.c_str());
             return std::string(form.notifyIcon.szTip);
         }},
        {"status part", (std::size_t)kStatusPartTextLimit,
         [&](const std::string& text) {
             status.SetText(0, text);
             return std::string(status.Text(0).CStr());
         }},
        {"tooltip", 1023,
         [&](const std::string& text) {
             button.ToolTip = text;
             return std::string(button.ToolTip().CStr());
         }},
    };
    int cutInside = 0;
    for (const auto& limit : limits) {
        for (const Sample& s : Samples()) {
            for (int pad = 0; pad < 4; ++pad) {
                std::string text(pad, 'a');
                while (text.size() <= limit.limit + 8)
                    text += s.bytes;
                std::string shown = limit.shown(text);
                std::wstring wide = AcpWide(text), shownWide = AcpWide(shown);
                SCOPED_TRACE(std::string(limit.name) + " " + s.name + " pad " + std::to_string(pad));
                ASSERT_LE(shown.size(), limit.limit);
                ASSERT_EQ(text.compare(0, shown.size(), shown), 0);
                ASSERT_EQ(wide.compare(0, shownWide.size(), shownWide), 0) << "a character cut";
                ASSERT_GT(shown.size() + CharacterBytesAt(wide, shownWide.size()), limit.limit);
                cutInside += shown.size() < limit.limit;
            }
        }
    }
    // Unless every character here is one byte, some limit fell inside one.
    if (MostBytesPerUnit() > 1) {
        EXPECT_GT(cutInside, 0);
    }
    form.RemoveTrayIcon();
    DestroyWindow(form.hwnd);
}

}  // namespace
