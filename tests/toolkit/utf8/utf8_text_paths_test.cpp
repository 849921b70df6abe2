// The toolkit's text paths in a program whose code page is UTF-8 (its
// manifest names it): texts in several scripts go in through the toolkit's
// ANSI calls and are read back through the wide entry points, which show
// what the control really holds, and through the toolkit again.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>
#include <richedit.h>

#include <string>
#include <vector>

#include "probe_parent.h"
#include "richtext/tips_file.h"
#include "scratch_folder.h"
#include "wicker.h"

namespace {

struct Sample {
    const char* name;
    std::string utf8;
};

std::string Repeat(const char* piece, int count)
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += piece;
    return text;
}

// Latin with accents, Greek, CJK, emoji (beyond the basic plane), and a CJK
// text of 900 bytes, longer than the first read buffers.
const std::vector<Sample>& Samples()
{
    static const std::vector<Sample> samples = {
        {"latin", "Cr\xC3\xA8me br\xC3\xBBl\xC3\xA9" "e \xC3\xA0 la fa\xC3\xA7on"},
        {"greek", "\xCE\x9A\xCE\xB1\xCE\xBB\xCE\xB7\xCE\xBC\xCE\xAD\xCF\x81\xCE\xB1 \xCE\xBA\xCF\x8C\xCF\x83\xCE\xBC\xCE\xB5"},
        {"cjk", "\xE6\xBC\xA2\xE5\xAD\x97\xE3\x81\xA8\xE3\x81\x8B\xE3\x81\xAA"},
        {"emoji", "Smile \xF0\x9F\x98\x80 party \xF0\x9F\x8E\x89"},
        {"long", Repeat("\xE6\xBC\xA2", 300)},
    };
    return samples;
}

std::wstring Wide(const std::string& utf8)
{
    int length = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), (int)utf8.size(), NULL, 0);
    std::wstring wide(length, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), (int)utf8.size(), &wide[0], length);
    return wide;
}

// A rich edit window of the ANSI class fails a wide read into a buffer of
// just its length; this one has room to spare.
std::wstring WindowTextW(HWND window)
{
    std::wstring text(4 * GetWindowTextLengthW(window) + 1, L'\0');
    text.resize(GetWindowTextW(window, &text[0], (int)text.size()));
    return text;
}

class Utf8TextTest : public ProbeParentTest {
protected:
    Utf8TextTest() : ProbeParentTest(500, 400) {}
};

TEST(Utf8CodePage, TheProgramRunsUnderTheUtf8CodePage)
{
    ASSERT_EQ(GetACP(), (UINT)CP_UTF8);
}

// Window texts of the basic controls: Text in, GetWindowTextW and Text out.
TEST_F(Utf8TextTest, WindowTextsKeepEveryScript)
{
    Label label("", 1, 0, 0, 200, 20, parentControl);
    TextBox box("", 2, 0, 30, 200, 20, parentControl);
    Button button("", 3, 0, 60, 200, 20, parentControl);
    Control* controls[] = {&label, &box, &button, &parentControl};
    for (const Sample& s : Samples()) {
        for (Control* control : controls) {
            control->Text = s.utf8;
            EXPECT_EQ(WindowTextW(control->hwnd), Wide(s.utf8)) << s.name;
            EXPECT_EQ(std::string(control->Text().CStr()), s.utf8) << s.name;
        }
    }
}

TEST_F(Utf8TextTest, ListAndComboItemsKeepEveryScript)
{
    ListBox list("", 1, 0, 0, 200, 150, parentControl);
    ComboBox combo("", 2, 210, 0, 200, 150, parentControl);
    for (const Sample& s : Samples()) {
        int index = list.Add(s.utf8);
        LRESULT length = SendMessageW(list.hwnd, LB_GETTEXTLEN, index, 0);
        std::wstring wide(length + 1, L'\0');
        wide.resize(SendMessageW(list.hwnd, LB_GETTEXT, index, (LPARAM)&wide[0]));
        EXPECT_EQ(wide, Wide(s.utf8)) << s.name;
        EXPECT_EQ(std::string(list.ItemText(index).CStr()), s.utf8) << s.name;
        EXPECT_EQ(list.FindStringExact(s.utf8), index) << s.name;

        index = combo.Add(s.utf8) - 1;
        std::wstring item(2000, L'\0');
        COMBOBOXEXITEMW request = {};
        request.mask = CBEIF_TEXT;
        request.iItem = index;
        request.pszText = &item[0];
        request.cchTextMax = (int)item.size();
        ASSERT_TRUE(SendMessageW(combo.hwnd, CBEM_GETITEMW, 0, (LPARAM)&request)) << s.name;
        EXPECT_EQ(std::wstring(item.c_str()), Wide(s.utf8)) << s.name;
        EXPECT_EQ(std::string(combo.ItemText(index).CStr()), s.utf8) << s.name;
    }
}

TEST_F(Utf8TextTest, TreeItemsTableCellsAndTabsKeepEveryScript)
{
    TreeView tree("", 1, 0, 0, 200, 150, parentControl);
    TableView table("", 2, 210, 0, 280, 150, parentControl);
    Tab tab("", 3, 0, 160, 400, 100, parentControl);
    table.AddColumn("first", 100);
    table.AddColumn("second", 100);
    std::wstring wide(2000, L'\0');
    for (const Sample& s : Samples()) {
        TreeItem item = tree.Add(TreeRoot, s.utf8);
        TVITEMW request = {};
        request.mask = TVIF_TEXT | TVIF_HANDLE;
        request.hItem = item.item;
        request.pszText = &wide[0];
        request.cchTextMax = (int)wide.size();
        ASSERT_TRUE(SendMessageW(tree.hwnd, TVM_GETITEMW, 0, (LPARAM)&request)) << s.name;
        EXPECT_EQ(std::wstring(wide.c_str()), Wide(s.utf8)) << s.name;
        EXPECT_EQ(std::string(item.ItemText().CStr()), s.utf8) << s.name;

        TabPage page = tab.AddPage(s.utf8);
        TCITEMW tabItem = {};
        tabItem.mask = TCIF_TEXT;
        tabItem.pszText = &wide[0];
        tabItem.cchTextMax = (int)wide.size();
        ASSERT_TRUE(SendMessageW(tab.hwnd, TCM_GETITEMW, page.index, (LPARAM)&tabItem)) << s.name;
        EXPECT_EQ(std::wstring(tabItem.pszText), Wide(s.utf8)) << s.name;
        EXPECT_EQ(std::string(page.Text().CStr()), s.utf8) << s.name;

        TableRow row = table.AddRow(s.utf8);
        ASSERT_TRUE(table.SetCell(1, row.index, s.utf8)) << s.name;
        for (int column = 0; column < 2; ++column) {
            LVITEMW cell = {};
            cell.iSubItem = column;
            cell.pszText = &wide[0];
            cell.cchTextMax = (int)wide.size();
            SendMessageW(table.hwnd, LVM_GETITEMTEXTW, row.index, (LPARAM)&cell);
            EXPECT_EQ(std::wstring(wide.c_str()), Wide(s.utf8)) << s.name << " column " << column;
            EXPECT_EQ(std::string(table.CellText(column, row.index).CStr()), s.utf8) << s.name;
        }
    }
}

TEST_F(Utf8TextTest, MenusStatusBarAndTooltipsKeepEveryScript)
{
    MenuBar bar(parentControl);
    StatusBar status("", 1, parentControl, 2);
    Button button("tool", 2, 0, 0, 100, 20, parentControl);
    UINT identifier = 100;
    for (const Sample& s : Samples()) {
        ASSERT_TRUE(bar.AddMenu(s.utf8, identifier).Exists()) << s.name;
        std::wstring wide(2000, L'\0');
        wide.resize(GetMenuStringW(bar.menu, GetMenuItemCount(bar.menu) - 1, &wide[0], (int)wide.size(),
                                   MF_BYPOSITION));
        EXPECT_EQ(wide, Wide(s.utf8)) << s.name;
        ++identifier;

        ASSERT_TRUE(status.SetText(1, s.utf8)) << s.name;
        LRESULT length = LOWORD(SendMessageW(status.hwnd, SB_GETTEXTLENGTHW, 1, 0));
        wide.assign(length + 1, L'\0');
        SendMessageW(status.hwnd, SB_GETTEXTW, 1, (LPARAM)&wide[0]);
        EXPECT_EQ(std::wstring(wide.c_str()), Wide(s.utf8)) << s.name;
        EXPECT_EQ(std::string(status.Text(1).CStr()), s.utf8) << s.name;

        button.ToolTip = s.utf8;
        wide.assign(2000, L'\0');
        TTTOOLINFOW info = {};
        info.cbSize = sizeof info;
        info.hwnd = probe;
        info.uId = (UINT_PTR)button.hwnd;
        info.lpszText = &wide[0];
        SendMessageW(button.tooltip, TTM_GETTEXTW, wide.size(), (LPARAM)&info);
        EXPECT_EQ(std::wstring(wide.c_str()), Wide(s.utf8)) << s.name;
        EXPECT_EQ(std::string(button.ToolTip().CStr()), s.utf8) << s.name;
    }
}

// The tray tip has room for 63 bytes: a tip cut there ends after its last
// whole character (two-byte "é" and four-byte "😀" across the limit).
TEST_F(Utf8TextTest, TrayTipIsCutAtWholeCharacters)
{
    Form form("tray", 0, 0, 200, 100, kFormStandard, true, false);
    IconObject icon(LoadIconA(NULL, IDI_APPLICATION));
    const struct { std::string tip, shown; } cases[] = {
        {std::string(62, 'a') + "\xC3\xA9z", std::string(62, 'a')},
        {std::string(61, 'a') + "\xC3\xA9z", std::string(61, 'a') + "\xC3\xA9"},
        {std::string(60, 'a') + "\xF0\x9F\x98\x80", std::string(60, 'a')},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(form.ModifyTrayIcon(icon, c.tip.c_str()));
        EXPECT_EQ(std::string(form.notifyIcon.szTip), c.shown);
    }
    form.RemoveTrayIcon();
    DestroyWindow(form.hwnd);
}

// Markup converted to RTF and streamed in, and plain text set: the control
// shows the characters themselves.
TEST_F(Utf8TextTest, RichTextBoxShowsEveryScript)
{
    RichTextBox box("", 1, 0, 0, 300, 200, parentControl, true, true, false, ES_MULTILINE, 0);
    ASSERT_NE(box.hwnd, (HWND)NULL) << GetLastError();
    for (const Sample& s : Samples()) {
        box.RichText = RtfHeader() + RtfFromMarkup("<B>" + s.utf8 + "</B>") + RtfEnd();
        EXPECT_EQ(WindowTextW(box.hwnd), Wide(s.utf8)) << s.name;
        box.RichText = RtfHeader() + RtfPlainText(s.utf8) + RtfEnd();
        EXPECT_EQ(WindowTextW(box.hwnd), Wide(s.utf8)) << s.name;
        box.Text = s.utf8;
        EXPECT_EQ(WindowTextW(box.hwnd), Wide(s.utf8)) << s.name;
        EXPECT_EQ(std::string(box.Text().CStr()), s.utf8) << s.name;
    }
}

// A text file named and filled in each script: the name on disk as the wide
// calls see it, the bytes as written.
class Utf8FileTest : public ScratchFolderTest {};

TEST_F(Utf8FileTest, TextFileNamesAndContentKeepEveryScript)
{
    for (const Sample& s : Samples()) {
        if (s.utf8.size() > 100)
            continue;  // names are kept short
        std::string path = folder.string() + "\\" + s.utf8 + ".txt";
        {
            TextFile file;
            ASSERT_FALSE(file.Open(path.c_str())) << s.name;
            ASSERT_TRUE(file.Create()) << s.name;
            ASSERT_TRUE(file.WriteAll(s.utf8 + "\n" + s.utf8)) << s.name;
        }
        WIN32_FIND_DATAW found;
        HANDLE search = FindFirstFileW(Wide(path).c_str(), &found);
        ASSERT_NE(search, INVALID_HANDLE_VALUE) << s.name;
        FindClose(search);
        EXPECT_EQ(std::wstring(found.cFileName), Wide(s.utf8 + ".txt")) << s.name;
        TextFile file(path.c_str());
        EXPECT_EQ(std::string(file.ReadLine().CStr()), s.utf8) << s.name;
        EXPECT_EQ(std::string(file.ReadLine().CStr()), s.utf8) << s.name;
    }
}

}  // namespace
