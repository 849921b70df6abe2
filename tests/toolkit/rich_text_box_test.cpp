// RichTextBox on a real "RICHEDIT" window: creation, content, selection,
// lines, search, formatting and loading files.
#include <gtest/gtest.h>

#include <richedit.h>

#include <functional>
#include <string>

#include "probe_parent.h"
#include "scratch_folder.h"
#include "wicker.h"
#include "window_attributes.h"

namespace {

class RichTextBoxTest : public WithProbeParent<ScratchFolderTest> {
protected:
    // A visible box of 300 x 200 at (10, 20) with a vertical scroll bar.
    RichTextBox MakeBox(const char* text)
    {
        return RichTextBox(text, 198, 10, 20, 300, 200, parentControl, true, true, false,
                           WS_VSCROLL | ES_MULTILINE, 0);
    }

    CHARFORMATA FormatAt(HWND box, int position)
    {
        SendMessageA(box, EM_SETSEL, position, position + 1);
        CHARFORMATA format = {};
        format.cbSize = sizeof format;
        SendMessageA(box, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
        return format;
    }
};

std::string Document(const std::string& body)
{
    return std::string(RtfHeader()) + body + std::string(RtfEnd());
}

TEST_F(RichTextBoxTest, CreatesTheRichEditWindowAsAsked)
{
    RichTextBox box("first words", 198, 10, 20, 300, 200, parentControl, false, true, false, ES_MULTILINE,
                    WS_EX_CLIENTEDGE);
    ASSERT_NE(box.hwnd, nullptr);
    EXPECT_EQ(WindowClass(box.hwnd), "RICHEDIT");
    EXPECT_EQ(GetParent(box.hwnd), probe);
    EXPECT_EQ(GetDlgCtrlID(box.hwnd), 198);
    LONG style = GetWindowLongA(box.hwnd, GWL_STYLE);
    EXPECT_EQ(style & (WS_CHILD | WS_TABSTOP | ES_MULTILINE), WS_CHILD | WS_TABSTOP | ES_MULTILINE);
    EXPECT_TRUE(WindowExStyle(box.hwnd) & WS_EX_CLIENTEDGE);
    EXPECT_EQ(box.Text(), "first words");
    RECT place = RectInParent(box.hwnd);
    EXPECT_EQ(place.left, 10);
    EXPECT_EQ(place.top, 20);
    EXPECT_EQ(place.right - place.left, 300);
    EXPECT_EQ(place.bottom - place.top, 200);
    LRESULT mask = SendMessageA(box.hwnd, EM_GETEVENTMASK, 0, 0);
    EXPECT_EQ(mask & (ENM_CHANGE | ENM_SCROLL), ENM_CHANGE | ENM_SCROLL);
    // The control answers no WM_GETFONT: the font shows in the characters' format.
    LOGFONTA guiFont = {};
    GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof guiFont, &guiFont);
    EXPECT_STREQ(FormatAt(box.hwnd, 0).szFaceName, guiFont.lfFaceName);
    EXPECT_FALSE(IsWindowEnabled(box.hwnd));
    EXPECT_TRUE(WindowStyle(box.hwnd) & WS_VISIBLE);

    RichTextBox centred("", 5, 0, 0, 100, 60, parentControl, true, false, true, 0, 0);
    SIZE client = ClientSize(probe);
    RECT middle = RectInParent(centred.hwnd);
    EXPECT_EQ(middle.left, (client.cx - 100) / 2);
    EXPECT_EQ(middle.top, (client.cy - 60) / 2);
    EXPECT_TRUE(IsWindowEnabled(centred.hwnd));
    EXPECT_FALSE(WindowStyle(centred.hwnd) & WS_VISIBLE);
}

// A document is read as RTF; any other text is shown exactly as written.
TEST_F(RichTextBoxTest, RichTextReadsDocumentsAndShowsOtherTextAsWritten)
{
    RichTextBox box = MakeBox("");
    box.RichText = Document(RtfBold("Bold") + RtfFromMarkup(" and {plain}"));
    EXPECT_EQ(box.RichText(), "Bold and {plain}");
    EXPECT_TRUE(FormatAt(box.hwnd, 0).dwEffects & CFE_BOLD);
    EXPECT_FALSE(FormatAt(box.hwnd, 6).dwEffects & CFE_BOLD);

    box.RichText = "not {\\rtf1 a document} \\b0";
    EXPECT_EQ(box.RichText(), "not {\\rtf1 a document} \\b0");
    box.RichText = "";
    EXPECT_EQ(box.RichText(), "");
}

// Well beyond the control's default limit of typed text, nothing is cut.
TEST_F(RichTextBoxTest, RichTextTakesALargeDocumentWhole)
{
    RichTextBox box = MakeBox("");
    std::string line(99, 'x');
    std::string body;
    for (int i = 0; i < 800; ++i)
        body += line + "\\par ";
    box.RichText = Document(body);
    EXPECT_EQ(box.TextLength(), 800 * 101 - 2);
}

// A document loaded in small pieces shows what it shows loaded whole: the
// same text, the same character and paragraph formats, the caret at the
// start and nothing to undo; a message posted before the load is handled
// during it.
TEST_F(RichTextBoxTest, DocumentsLoadedInPiecesEqualAWholeLoad)
{
    std::string markup, plain;
    for (int i = 0; i < 40; ++i) {
        markup += "Line " + std::to_string(i) + " <b>bold</b> {x} \\ <CENTER>c</CENTER>\n\n<i>it\nal</i><BR>";
        markup += i % 2 ? "<RIGHT>r\n" : "<u>u</u>\r\n";
        plain += "plain line " + std::to_string(i) + "\r\n";
    }
    std::string body = RtfFromMarkup(markup.c_str());
    const std::string texts[] = {Document(body), Document(body + "\\par "),
                                 Document("{\\b bold start}" + body + "tail"), plain};
    const UINT kPosted = WM_APP + 7;
    for (const std::string& text : texts) {
        SCOPED_TRACE(text.substr(0, 200));
        RichTextBox whole = MakeBox(""), pieces = MakeBox("");
        ASSERT_TRUE(StreamIntoRichEdit(whole.hwnd, text.data(), text.size()));
        ClearMessageLog();
        PostMessageA(probe, kPosted, 0, 0);
        ASSERT_TRUE(StreamIntoRichEditInPieces(pieces.hwnd, text, 256));
        bool handled = false;
        for (const LoggedMessage& logged : MessageLog())
            handled = handled || logged.message == kPosted;
        EXPECT_TRUE(handled);

        EXPECT_EQ(pieces.SelectionStart(), 0);
        EXPECT_EQ(pieces.SelectionEnd(), 0);
        EXPECT_EQ(SendMessageA(pieces.hwnd, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
        std::string shown = whole.RichText();
        ASSERT_EQ(pieces.RichText(), shown);
        for (int at = 0; at + 1 < static_cast<int>(shown.size()); at += 7) {
            SCOPED_TRACE(at);
            CHARFORMATA one = FormatAt(whole.hwnd, at), other = FormatAt(pieces.hwnd, at);
            const DWORD effects = CFE_BOLD | CFE_ITALIC | CFE_UNDERLINE;
            EXPECT_EQ(other.dwEffects & effects, one.dwEffects & effects);
            EXPECT_EQ(other.yHeight, one.yHeight);
            PARAFORMAT paragraph[2] = {};
            paragraph[0].cbSize = paragraph[1].cbSize = sizeof(PARAFORMAT);
            SendMessageA(whole.hwnd, EM_GETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&paragraph[0]));
            SendMessageA(pieces.hwnd, EM_GETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&paragraph[1]));
            EXPECT_EQ(paragraph[1].wAlignment, paragraph[0].wAlignment);
        }
        SendMessageA(whole.hwnd, EM_SETSEL, 0, 0);
        SendMessageA(pieces.hwnd, EM_SETSEL, 0, 0);
        EXPECT_EQ(SendMessageA(pieces.hwnd, EM_CANUNDO, 0, 0), 0);
        DestroyWindow(whole.hwnd);
        DestroyWindow(pieces.hwnd);
    }
}

// A write made while a large document loads (by a handler run between its
// pieces) wins: the rest of the document is not appended after it.
RichTextBox* writeTarget = nullptr;
const UINT kWriteNow = WM_APP + 8;
std::function<void(RichTextBox&)> writeDuringLoad;

LRESULT CALLBACK WriteDuringLoadProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR, DWORD_PTR)
{
    if (message == kWriteNow && writeTarget != nullptr)
        writeDuringLoad(*writeTarget);
    return DefSubclassProc(window, message, wParam, lParam);
}

TEST_F(RichTextBoxTest, AWriteDuringALargeLoadWinsWhole)
{
    std::string body;
    for (int i = 0; i < 3000; ++i)
        body += "Line " + std::to_string(i) + " of the big file\\par ";
    const std::string big = Document(body);
    const std::string small = Document("Small {\\b one}.");
    const struct { const char* write; std::function<void(RichTextBox&)> make; std::string shown; } writes[] = {
        {"Text", [](RichTextBox& box) { box.Text = "Cleared."; }, "Cleared."},
        {"RichText", [&](RichTextBox& box) { box.RichText = small; }, "Small one."},
        {"WM_SETTEXT", [](RichTextBox& box) { SetWindowTextA(box.hwnd, "Set."); }, "Set."},
    };
    SetWindowSubclass(probe, WriteDuringLoadProc, 1, 0);
    for (const auto& w : writes) {
        SCOPED_TRACE(w.write);
        RichTextBox box = MakeBox("");
        writeTarget = &box;
        writeDuringLoad = w.make;
        PostMessageA(probe, kWriteNow, 0, 0);
        box.RichText = big;
        EXPECT_EQ(std::string(box.Text().CStr()), w.shown);
        // The box takes the next large load whole.
        box.RichText = big;
        EXPECT_GT(box.TextLength(), 3000 * 20);
        DestroyWindow(box.hwnd);
    }
    RemoveWindowSubclass(probe, WriteDuringLoadProc, 1);
    writeTarget = nullptr;
}

TEST_F(RichTextBoxTest, SelectionPropertiesFollowTheControl)
{
    RichTextBox box = MakeBox("one\r\ntwo three");
    box.CaretPosition = 6;
    EXPECT_EQ(box.SelectionStart(), 6);
    EXPECT_EQ(box.SelectionEnd(), 6);
    EXPECT_FALSE(box.HasSelection());
    EXPECT_EQ(box.SelectedText(), "");

    SendMessageA(box.hwnd, EM_SETSEL, 5, 8);
    EXPECT_TRUE(box.HasSelection());
    EXPECT_EQ(box.SelectionLength(), 3);
    EXPECT_EQ(box.CaretPosition(), 5);
    EXPECT_EQ(box.SelectedText(), "two");

    box.SelectedText = "2nd!";
    EXPECT_EQ(box.RichText(), "one\r\n2nd! three");
    EXPECT_EQ(box.SelectionStart(), 5);
    EXPECT_EQ(box.SelectionEnd(), 9);
    box.RichText = "one\r\ntwo three";

    box.CaretPosition = 0;
    box.ReplaceSelection("zero ");
    EXPECT_EQ(box.RichText(), "zero one\r\ntwo three");
    EXPECT_FALSE(box.HasSelection());

    // What the user typed is taken back.
    SendMessageA(box.hwnd, WM_CHAR, '!', 0);
    EXPECT_EQ(box.RichText(), "zero !one\r\ntwo three");
    box.Undo();
    EXPECT_EQ(box.RichText(), "zero one\r\ntwo three");
}

TEST_F(RichTextBoxTest, LinesAndTheirCharacters)
{
    RichTextBox box = MakeBox("one\r\ntwo words\r\nthree");
    EXPECT_EQ(box.LineCount(), 3);
    EXPECT_EQ(box.LineStart(0), 0);
    EXPECT_EQ(box.LineStart(1), 5);
    EXPECT_EQ(box.LineStart(2), 16);
    EXPECT_EQ(box.LineLength(1), 9);
    EXPECT_EQ(box.LineLength(2), 5);
    EXPECT_EQ(box.LineFromChar(7), 1);
    EXPECT_EQ(box.LineFromChar(17), 2);
    box.CaretPosition = 12;
    EXPECT_EQ(box.CurrentLine(), 1);
    EXPECT_EQ(box.CurrentLineStart(), 5);
    EXPECT_EQ(box.CurrentLineLength(), 9);

    // The corners: the first character at the top left, later ones after scrolling.
    EXPECT_EQ(box.FirstVisibleChar(), 0);
    EXPECT_EQ(box.TopRightChar(), box.LineLength(0));
    std::string lines;
    for (int i = 0; i < 60; ++i)
        lines += "line " + std::to_string(i) + "\r\n";
    box.RichText = lines;
    SendMessageA(box.hwnd, EM_LINESCROLL, 0, 20);
    EXPECT_EQ(box.FirstVisibleChar(), box.LineStart(20));
    EXPECT_GT(box.BottomLeftChar(), box.LineStart(21));
    EXPECT_GE(box.BottomRightChar(), box.BottomLeftChar());
}

struct FindCase {
    const char* text;
    const char* sought;
    bool wholeWord;
    int found;
};

const FindCase kFindCases[] = {
    {"the cat scattered", "cat", false, 4},
    {"scattered cat", "cat", false, 1},
    {"scattered cat", "cat", true, 10},
    {"scattered cats", "cat", true, -1},
    {"the dog", "cat", false, -1},
    {"cat", "cats", false, -1},
    {"first\r\nsecond line", "second", true, 7},
};

TEST_F(RichTextBoxTest, FindGivesTheFirstMatchOrMinusOne)
{
    RichTextBox box = MakeBox("");
    for (const FindCase& c : kFindCases) {
        box.RichText = c.text;
        EXPECT_EQ(box.Find(c.sought, c.wholeWord), c.found) << c.text << " / " << c.sought;
    }
}

TEST_F(RichTextBoxTest, FindInLineSearchesThatLineOnly)
{
    RichTextBox box = MakeBox("a cat\r\nno pets\r\nthe cat");
    EXPECT_EQ(box.FindInLine("cat", 0, false), 2);
    EXPECT_EQ(box.FindInLine("cat", 1, false), -1);
    EXPECT_EQ(box.FindInLine("cat", 2, true), 20);
    EXPECT_EQ(box.FindInLine("no pets at all", 1, false), -1);
}

TEST_F(RichTextBoxTest, EffectsAndColoursReachTheCharacters)
{
    RichTextBox box = MakeBox("red green blue");
    SendMessageA(box.hwnd, EM_SETSEL, 0, 3);
    box.SetSelectionBold();
    box.SetSelectionColor(RGB(255, 0, 0));
    SendMessageA(box.hwnd, EM_SETSEL, 4, 9);
    box.SetSelectionItalic();
    box.SetSelectionUnderline();
    CHARFORMATA red = FormatAt(box.hwnd, 1);
    EXPECT_EQ(red.dwEffects & (CFE_BOLD | CFE_ITALIC | CFE_UNDERLINE | CFE_AUTOCOLOR), CFE_BOLD);
    EXPECT_EQ(red.crTextColor, RGB(255, 0, 0));
    CHARFORMATA green = FormatAt(box.hwnd, 5);
    EXPECT_EQ(green.dwEffects & (CFE_BOLD | CFE_ITALIC | CFE_UNDERLINE), CFE_ITALIC | CFE_UNDERLINE);
    // The effects are only ever switched on.
    SendMessageA(box.hwnd, EM_SETSEL, 0, 3);
    box.SetSelectionBold();
    EXPECT_TRUE(FormatAt(box.hwnd, 0).dwEffects & CFE_BOLD);

    // The word at a collapsed selection.
    box.CaretPosition = 12;
    box.SetWordColor(RGB(0, 0, 255));
    EXPECT_EQ(FormatAt(box.hwnd, 10).crTextColor, RGB(0, 0, 255));
    EXPECT_EQ(FormatAt(box.hwnd, 13).crTextColor, RGB(0, 0, 255));
    EXPECT_NE(FormatAt(box.hwnd, 5).crTextColor, RGB(0, 0, 255));

    box.SetAllTextColor(RGB(0, 128, 0));
    for (int position : {0, 5, 13})
        EXPECT_EQ(FormatAt(box.hwnd, position).crTextColor, RGB(0, 128, 0)) << position;
}

// What the user sees: the background colour over the whole control after a repaint.
TEST_F(RichTextBoxTest, BackColorPaintsTheControl)
{
    ShowWindow(probe, SW_SHOWNOACTIVATE);
    RichTextBox box = MakeBox("");
    box.SetBackColor(RGB(0, 255, 255));
    RedrawWindow(probe, NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    HDC dc = GetDC(box.hwnd);
    EXPECT_EQ(GetPixel(dc, 150, 150), RGB(0, 255, 255));
    EXPECT_EQ(GetPixel(dc, 5, 5), RGB(0, 255, 255));
    ReleaseDC(box.hwnd, dc);
}

TEST_F(RichTextBoxTest, ReadOnlyAndMarginsKeepTheValueSet)
{
    RichTextBox box = MakeBox("text");
    EXPECT_FALSE(box.ReadOnly());
    box.ReadOnly = true;
    EXPECT_TRUE(box.ReadOnly());
    EXPECT_TRUE(WindowStyle(box.hwnd) & ES_READONLY);
    // A read-only control refuses typing.
    SendMessageA(box.hwnd, WM_CHAR, 'z', 0);
    EXPECT_EQ(box.RichText(), "text");
    box.ReadOnly = false;
    EXPECT_FALSE(WindowStyle(box.hwnd) & ES_READONLY);

    // Wine's rich edit keeps its text where it was after EM_SETMARGINS, so
    // only the values kept are seen here.
    box.LeftMargin = 20;
    box.RightMargin = 30;
    EXPECT_EQ(box.LeftMargin(), 20);
    EXPECT_EQ(box.RightMargin(), 30);
}

TEST_F(RichTextBoxTest, LoadFileShowsTheFileOrChangesNothing)
{
    RichTextBox box = MakeBox("before");
    WriteBytes(PathOf("plain.txt"), "first\r\nsecond\r\n{not rtf}");
    EXPECT_TRUE(box.LoadFile(PathOf("plain.txt").c_str()));
    // Read in text mode, each CR LF comes in as a line feed, which ends a line.
    EXPECT_EQ(box.LineCount(), 3);
    String shown = box.RichText();
    shown.Replace("\r\n", "\n");
    EXPECT_EQ(shown, "first\nsecond\n{not rtf}");

    WriteBytes(PathOf("tip.rtf"), Document("\\b Tip\\b0\r\n\\par seen"));
    EXPECT_TRUE(box.LoadFile(PathOf("tip.rtf").c_str()));
    EXPECT_EQ(box.RichText(), "Tip\r\nseen");
    EXPECT_TRUE(FormatAt(box.hwnd, 0).dwEffects & CFE_BOLD);

    EXPECT_FALSE(box.LoadFile(PathOf("missing.rtf").c_str()));
    EXPECT_EQ(box.RichText(), "Tip\r\nseen");
}

// A copy views the same window; destroying a wrapper leaves the window.
TEST_F(RichTextBoxTest, CopiesShareTheWindowAndTheWindowOutlivesThem)
{
    HWND shown = NULL;
    {
        RichTextBox box = MakeBox("shared");
        RichTextBox copy = box;
        copy.CaretPosition = 2;
        EXPECT_EQ(box.CaretPosition(), 2);
        copy.ReadOnly = true;
        EXPECT_TRUE(copy.ReadOnly());
        shown = box.hwnd;
    }
    EXPECT_TRUE(IsWindow(shown));
    RichTextBox adopted(shown);
    EXPECT_EQ(adopted.RichText(), "shared");
}

}  // namespace
