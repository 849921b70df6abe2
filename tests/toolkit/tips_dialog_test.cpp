// TipsDialog on real windows: its layout, what its pane shows for each kind
// of tips file, the buttons walking the tips, saving and closing.
#include <gtest/gtest.h>

#include <string>

#include "accessible_reader.h"
#include "message_log.h"
#include "scratch_folder.h"
#include "wicker.h"

namespace {

// Destroys the thread's dialog-class windows: the dialogs a test made.
BOOL CALLBACK DestroyDialogWindow(HWND window, LPARAM)
{
    char className[16] = "";
    GetClassNameA(window, className, sizeof className);
    if (std::string(className) == "#32770")
        DestroyWindow(window);
    return TRUE;
}

class TipsDialogTest : public ScratchFolderTest {
protected:
    void TearDown() override
    {
        EnumThreadWindows(GetCurrentThreadId(), DestroyDialogWindow, 0);
        ScratchFolderTest::TearDown();
    }

    // What the pane shows, with its paragraph ends as line feeds.
    static std::string Shown(const TipsDialog& dialog)
    {
        RichTextBox pane(dialog.textPane.hwnd);
        String text = pane.RichText();
        text.Replace("\r\n", "\n");
        return text;
    }

    static std::string TitleOnShow(const TipsDialog& dialog)
    {
        std::string shown = Shown(dialog);
        return shown.substr(1, shown.find('\n', 1) - 1);
    }

    void Click(const Control& button)
    {
        SendMessageA(button.hwnd, BM_CLICK, 0, 0);
    }

    std::string TipsFile(const char* name, int tipCount, int current)
    {
        std::string bytes = TipsFileHeader(current);
        for (int i = 1; i <= tipCount; ++i)
            bytes += TipsFileRecord("Tip " + std::to_string(i), "Text " + std::to_string(i));
        WriteBytes(PathOf(name), bytes);
        return PathOf(name);
    }
};

RECT RectOf(const Control& control)
{
    return RectInParent(control.hwnd);
}

TEST_F(TipsDialogTest, LaysOutItsWindowAndControls)
{
    TipsDialog dialog("", "Tip of the day", Control(), false);
    ASSERT_NE(dialog.hwnd, nullptr);
    RECT outer;
    GetWindowRect(dialog.hwnd, &outer);
    EXPECT_EQ(outer.right - outer.left, 400);
    EXPECT_EQ(outer.bottom - outer.top, 280);
    EXPECT_EQ(outer.left, (GetSystemMetrics(SM_CXSCREEN) - 400) / 2);
    EXPECT_EQ(outer.top, (GetSystemMetrics(SM_CYSCREEN) - 290) / 2);
    EXPECT_TRUE(dialog.GetExStyle() & WS_EX_TOPMOST);
    EXPECT_TRUE(dialog.GetExStyle() & WS_EX_TOOLWINDOW);
    EXPECT_EQ(dialog.Text(), "Tip of the day");

    int clientWidth = ClientSize(dialog.hwnd).cx;
    struct {
        const Control* control;
        int id;
        RECT place;
        const char* text;
    } expected[] = {
        {&dialog.ShowOnStartup, 199, {20, 225, 170, 245}, "Show tips on next startup"},
        {&dialog.previousButton, 201, {clientWidth - 160, 220, clientWidth - 90, 245}, "< Previous"},
        {&dialog.nextButton, 200, {clientWidth - 90, 220, clientWidth - 20, 245}, "Next >"},
        {&dialog.textPane, 198, {64, 0, clientWidth, 210}, nullptr},
    };
    for (const auto& c : expected) {
        EXPECT_EQ(GetParent(c.control->hwnd), dialog.hwnd) << c.id;
        EXPECT_EQ(GetDlgCtrlID(c.control->hwnd), c.id);
        RECT place = RectOf(*c.control);
        EXPECT_EQ(place.left, c.place.left) << c.id;
        EXPECT_EQ(place.top, c.place.top) << c.id;
        EXPECT_EQ(place.right, c.place.right) << c.id;
        EXPECT_EQ(place.bottom, c.place.bottom) << c.id;
        if (c.text) {
            EXPECT_EQ(Control(c.control->hwnd).Text(), c.text);
        }
    }
    EXPECT_FALSE(dialog.ShowOnStartup.Checked());
    EXPECT_TRUE(GetWindowLongA(dialog.textPane.hwnd, GWL_STYLE) & ES_READONLY);
    EXPECT_EQ(Shown(dialog), "\n\nNo file associated with Control...");
    EXPECT_EQ(dialog.Count(), 0);
}

// A screen reader hears the caption, then the picture strip it draws, then
// the pane, check box and buttons.
TEST_F(TipsDialogTest, ScreenReadersHearThePictureStrip)
{
    TipsDialog dialog("", "Tip of the day", Control(), false);
    EXPECT_EQ(NamesHeard(dialog.hwnd, 1), "Tip of the day\nPicture: a lit light bulb");
    IAccessible* object = ClientObject(dialog.hwnd);
    ASSERT_NE(object, nullptr);
    LONG count = 0;
    EXPECT_EQ(object->get_accChildCount(&count), S_OK);
    EXPECT_EQ(count, 5);
    object->Release();
}

struct FileCase {
    const char* name;
    std::string bytes;
    const char* shown;
};

// No file, a file too short to be one, a file without a whole tip.
TEST_F(TipsDialogTest, ThePaneSaysWhenThereIsNoTipToShow)
{
    const FileCase cases[] = {
        {"missing.tips", "", "\n\nNo file associated with Control..."},
        {"short.tips", std::string(15, 'x'), "\n\nNo file associated with Control..."},
        {"header.tips", TipsFileHeader(1), "\n\nNo tips found in the associated file..."},
        {"half.tips", TipsFileHeader(1) + std::string(1999, 'x'), "\n\nNo tips found in the associated file..."},
    };
    for (const FileCase& c : cases) {
        if (std::string(c.name) != "missing.tips")
            WriteBytes(PathOf(c.name), c.bytes);
        TipsDialog dialog(PathOf(c.name).c_str(), "Tips", Control(), false);
        EXPECT_EQ(Shown(dialog), c.shown) << c.name;
        EXPECT_EQ(dialog.Count(), 0) << c.name;
    }
}

// A file that exists but cannot be read: another program holds it open for
// itself alone, or the path names a folder.
TEST_F(TipsDialogTest, ThePaneSaysWhenTheFileCannotBeRead)
{
    std::string path = TipsFile("held.tips", 2, 1);
    HANDLE holder = CreateFileA(path.c_str(), GENERIC_WRITE, 0, NULL, OPEN_EXISTING, 0, NULL);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    TipsDialog held(path.c_str(), "Tips", Control(), false);
    EXPECT_EQ(Shown(held), "\n\nAssociated tips file cannot be read...");
    EXPECT_EQ(held.Count(), 0);
    CloseHandle(holder);

    TipsDialog ofFolder(folder.string().c_str(), "Tips", Control(), false);
    EXPECT_EQ(Shown(ofFolder), "\n\nAssociated tips file cannot be read...");
}

TEST_F(TipsDialogTest, StartsAtTheStoredTipWhenItIsOne)
{
    const struct {
        int stored;
        int first;
    } cases[] = {{3, 3}, {0, 1}, {-5, 1}, {9, 1}};
    for (const auto& c : cases) {
        std::string path = TipsFile("three.tips", 3, c.stored);
        TipsDialog dialog(path.c_str(), "Tips", Control(), false);
        EXPECT_EQ(dialog.Count(), 3);
        EXPECT_EQ(dialog.Current(), c.first) << c.stored;
        EXPECT_EQ(TitleOnShow(dialog), "Tip " + std::to_string(c.first)) << c.stored;
    }
}

// The buttons, pressed as a user presses them, walk the tips round.
TEST_F(TipsDialogTest, ButtonsWalkTheTipsRound)
{
    std::string path = TipsFile("walk.tips", 3, 3);
    TipsDialog dialog(path.c_str(), "Tips", Control(), false);
    const struct {
        bool next;
        int shown;
    } steps[] = {{true, 1}, {true, 2}, {false, 1}, {false, 3}, {false, 2}, {true, 3}};
    for (const auto& step : steps) {
        Click(step.next ? dialog.nextButton : dialog.previousButton);
        EXPECT_EQ(dialog.Current(), step.shown);
        EXPECT_EQ(Shown(dialog), "\nTip " + std::to_string(step.shown) + "\n\n\nText " +
                                     std::to_string(step.shown));
    }
    dialog.Current = 2;
    EXPECT_EQ(TitleOnShow(dialog), "Tip 2");
    dialog.Current = 4;
    EXPECT_EQ(dialog.Current(), 2);
}

TEST_F(TipsDialogTest, AnEmptyListChangesNothing)
{
    TipsDialog dialog("", "Tips", Control(), false);
    dialog.NextTip();
    dialog.PreviousTip();
    dialog.ShowTip(1);
    Click(dialog.nextButton);
    EXPECT_EQ(dialog.Current(), 0);
    EXPECT_EQ(Shown(dialog), "\n\nNo file associated with Control...");

    dialog.AddTip("First", "one");
    EXPECT_EQ(dialog.Current(), 1);
    EXPECT_EQ(TitleOnShow(dialog), "First");
    dialog.AddTip("Second", "two");
    EXPECT_EQ(TitleOnShow(dialog), "First");
    EXPECT_EQ(dialog.Count(), 2);
}

// Titles are shown as written; texts are markup.
TEST_F(TipsDialogTest, TitlesShowAsWrittenAndTextsAsMarkup)
{
    TipsDialog dialog("", "Tips", Control(), false);
    dialog.AddTip("{Odd} \\title\\ <b>", "C:\\tips {x} <b>bold</b>");
    EXPECT_EQ(Shown(dialog), "\n{Odd} \\title\\ <b>\n\n\nC:\\tips {x} bold");
}

TEST_F(TipsDialogTest, SavedTipsLoadTheSame)
{
    std::string path = PathOf("saved.tips");
    {
        TipsDialog dialog("", "Tips", Control(), false);
        dialog.AddTip("One", "First <i>text</i>\r\nsecond line");
        dialog.AddTip("{Two}", "C:\\dir");
        dialog.AddTip("Three", "");
        dialog.NextTip();
        EXPECT_TRUE(dialog.SaveTips(path.c_str(), -1));
        EXPECT_TRUE(dialog.SaveTips(PathOf("third.tips").c_str(), 3));
    }
    TipsDialog loaded(path.c_str(), "Tips", Control(), false);
    ASSERT_EQ(loaded.Count(), 3);
    EXPECT_EQ(loaded.Current(), 2);
    EXPECT_EQ(loaded.tips[0].title, "One");
    EXPECT_EQ(loaded.tips[0].text, "First <i>text</i>\r\nsecond line");
    EXPECT_EQ(loaded.tips[1].title, "{Two}");
    EXPECT_EQ(loaded.tips[1].text, "C:\\dir");
    EXPECT_EQ(loaded.tips[2].title, "Three");
    EXPECT_EQ(loaded.tips[2].text, "");
    EXPECT_EQ(ReadBytes(path).size(), 16u + 3 * 2000);
    TipsDialog third(PathOf("third.tips").c_str(), "Tips", Control(), false);
    EXPECT_EQ(third.Current(), 3);
}

TEST_F(TipsDialogTest, SaveTipsCutsLongFieldsAndReportsFailure)
{
    TipsDialog dialog("", "Tips", Control(), false);
    dialog.AddTip(String(std::string(1200, 'T')), String(std::string(3000, 'x')));
    std::string path = PathOf("long.tips");
    EXPECT_TRUE(dialog.SaveTips(path.c_str(), -1));
    std::string bytes = ReadBytes(path);
    ASSERT_EQ(bytes.size(), 2016u);
    EXPECT_EQ(bytes.substr(16, 999), std::string(999, 'T'));
    EXPECT_EQ(bytes[16 + 999], '\0');
    EXPECT_EQ(bytes.substr(1016, 999), std::string(999, 'x'));
    EXPECT_EQ(bytes[2015], '\0');

    EXPECT_FALSE(dialog.SaveTips(PathOf("no such folder\\x.tips").c_str(), -1));
}

// A file of 100 MB (sparse, so quick to make) loads without hanging.
TEST_F(TipsDialogTest, AHugeFileLoads)
{
    std::string path = PathOf("huge.tips");
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    std::string first = TipsFileHeader(7) + TipsFileRecord("Huge", "file");
    DWORD written = 0;
    WriteFile(file, first.data(), static_cast<DWORD>(first.size()), &written, NULL);
    LARGE_INTEGER end;
    end.QuadPart = 100000000;
    SetFilePointerEx(file, end, NULL, FILE_BEGIN);
    SetEndOfFile(file);
    CloseHandle(file);

    TipsDialog dialog(path.c_str(), "Tips", Control(), false);
    EXPECT_EQ(dialog.Count(), 49999);
    EXPECT_EQ(dialog.Current(), 7);
    dialog.Current = 1;
    EXPECT_EQ(TitleOnShow(dialog), "Huge");
}

// Closing hides the window, which shows the same tip again.
TEST_F(TipsDialogTest, ClosingHidesAndKeepsTheTip)
{
    std::string path = TipsFile("close.tips", 3, 2);
    TipsDialog dialog(path.c_str(), "Tips", Control(), true);
    EXPECT_TRUE(IsWindowVisible(dialog.hwnd));
    SendMessageA(dialog.hwnd, WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsWindow(dialog.hwnd));
    EXPECT_FALSE(IsWindowVisible(dialog.hwnd));
    dialog.Show();
    EXPECT_EQ(dialog.Current(), 2);
    EXPECT_EQ(TitleOnShow(dialog), "Tip 2");
    dialog.Destroy();
}

void ExpectStrip(HWND window, const char* when)
{
    HDC dc = GetDC(window);
    COLORREF bulb = GetPixel(dc, 32, 48);
    COLORREF sky = GetPixel(dc, 3, 200);
    COLORREF beside = GetPixel(dc, 3, 240);
    ReleaseDC(window, dc);
    EXPECT_EQ(GetRValue(bulb), 255) << when;
    EXPECT_GT(GetGValue(bulb), 200) << when;
    EXPECT_GT(GetBValue(sky), 200) << when;
    EXPECT_LT(GetRValue(sky), 70) << when;
    EXPECT_EQ(beside, GetSysColor(COLOR_BTNFACE)) << when;
}

// What the user sees: the picture strip on the left, when the dialog first
// shows and after a full repaint.
TEST_F(TipsDialogTest, ThePictureStripIsPainted)
{
    TipsDialog dialog("", "Tips", Control(), true);
    PumpMessages(300);
    ExpectStrip(dialog.hwnd, "first shown");
    RedrawWindow(dialog.hwnd, NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    ExpectStrip(dialog.hwnd, "repainted");
}

}  // namespace
