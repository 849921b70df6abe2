// The toolkit's text paths in the code page the program runs in (UTF-8,
// 1251 or 932; see code_page_samples.h): texts in several scripts go in
// through the toolkit's ANSI calls and are read back through the wide entry
// points, which show what the control really holds, and through the toolkit
// again, byte for byte.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>
#include <richedit.h>

#include <string>
#include <vector>

#include "code_page_samples.h"
#include "probe_parent.h"
#include "richtext/tips_file.h"
#include "scratch_folder.h"
#include "wicker.h"

namespace {

// A rich edit window of the ANSI class fails a wide read into a buffer of
// just its length; this one has room to spare.
std::wstring WindowTextW(HWND window)
{
    std::wstring text(4 * GetWindowTextLengthW(window) + 1, L'\0');
    text.resize(GetWindowTextW(window, &text[0], (int)text.size()));
    return text;
}

class CodePageTextTest : public ProbeParentTest {
protected:
    CodePageTextTest() : ProbeParentTest(500, 400) {}
};

TEST(CodePage, TheProgramRunsUnderItsCodePageWithSamplesOfIt)
{
    ASSERT_EQ(GetACP(), ExpectedCodePage());
    EXPECT_GE(Samples().size(), 3u);
}

// Window texts of the basic controls: Text in, GetWindowTextW and Text out.
TEST_F(CodePageTextTest, WindowTextsKeepEveryScript)
{
    Label label("", 1, 0, 0, 200, 20, parentControl);
    TextBox box("", 2, 0, 30, 200, 20, parentControl);
    Button button("", 3, 0, 60, 200, 20, parentControl);
    Control* controls[] = {&label, &box, &button, &parentControl};
    for (const Sample& s : Samples()) {
        for (Control* control : controls) {
            control->Text = s.bytes;
            EXPECT_EQ(WindowTextW(control->hwnd), s.wide) << s.name;
            EXPECT_EQ(std::string(control->Text().CStr()), s.bytes) << s.name;
            EXPECT_EQ(control->TextLength(), (int)s.bytes.size()) << s.name;
        }
    }
}

TEST_F(CodePageTextTest, ListAndComboItemsKeepEveryScript)
{
    ListBox list("", 1, 0, 0, 200, 150, parentControl);
    ComboBox combo("", 2, 210, 0, 200, 150, parentControl);
    for (const Sample& s : Samples()) {
        int index = list.Add(s.bytes);
        LRESULT length = SendMessageW(list.hwnd, LB_GETTEXTLEN, index, 0);
        std::wstring wide(length + 1, L'\0');
        wide.resize(SendMessageW(list.hwnd, LB_GETTEXT, index, (LPARAM)&wide[0]));
        EXPECT_EQ(wide, s.wide) << s.name;
        EXPECT_EQ(std::string(list.ItemText(index).CStr()), s.bytes) << s.name;
        EXPECT_EQ(list.ItemTextLength(index), (int)s.bytes.size()) << s.name;
        EXPECT_EQ(list.FindStringExact(s.bytes), index) << s.name;

        index = combo.Add(s.bytes) - 1;
        std::wstring item(2000, L'\0');
        COMBOBOXEXITEMW request = {};
        request.mask = CBEIF_TEXT;
        request.iItem = index;
        request.pszText = &item[0];
        request.cchTextMax = (int)item.size();
        ASSERT_TRUE(SendMessageW(combo.hwnd, CBEM_GETITEMW, 0, (LPARAM)&request)) << s.name;
        EXPECT_EQ(std::wstring(item.c_str()), s.wide) << s.name;
        EXPECT_EQ(std::string(combo.ItemText(index).CStr()), s.bytes) << s.name;
        EXPECT_EQ(combo.ItemTextLength(index), (int)s.bytes.size()) << s.name;
    }
}

TEST_F(CodePageTextTest, TreeItemsTableCellsAndTabsKeepEveryScript)
{
    TreeView tree("", 1, 0, 0, 200, 150, parentControl);
    TableView table("", 2, 210, 0, 280, 150, parentControl);
    Tab tab("", 3, 0, 160, 400, 100, parentControl);
    table.AddColumn("first", 100);
    table.AddColumn("second", 100);
    std::wstring wide(2000, L'\0');
    for (const Sample& s : Samples()) {
        TreeItem item = tree.Add(TreeRoot, s.bytes);
        TVITEMW request = {};
        request.mask = TVIF_TEXT | TVIF_HANDLE;
        request.hItem = item.item;
        request.pszText = &wide[0];
        request.cchTextMax = (int)wide.size();
        ASSERT_TRUE(SendMessageW(tree.hwnd, TVM_GETITEMW, 0, (LPARAM)&request)) << s.name;
        EXPECT_EQ(std::wstring(wide.c_str()), s.wide) << s.name;
        EXPECT_EQ(std::string(item.ItemText().CStr()), s.bytes) << s.name;

        TabPage page = tab.AddPage(s.bytes);
        TCITEMW tabItem = {};
        tabItem.mask = TCIF_TEXT;
        tabItem.pszText = &wide[0];
        tabItem.cchTextMax = (int)wide.size();
        ASSERT_TRUE(SendMessageW(tab.hwnd, TCM_GETITEMW, page.index, (LPARAM)&tabItem)) << s.name;
        EXPECT_EQ(std::wstring(tabItem.pszText), s.wide) << s.name;
        EXPECT_EQ(std::string(page.Text().CStr()), s.bytes) << s.name;

        TableColumn column = table.AddColumn(s.bytes, 60);
        HDITEMW header = {};
        header.mask = HDI_TEXT;
        header.pszText = &wide[0];
        header.cchTextMax = (int)wide.size();
        ASSERT_TRUE(SendMessageW(ListView_GetHeader(table.hwnd), HDM_GETITEMW, column.index, (LPARAM)&header))
            << s.name;
        EXPECT_EQ(std::wstring(wide.c_str()), s.wide) << s.name;
        EXPECT_EQ(std::string(column.Title().CStr()), s.bytes) << s.name;
        EXPECT_TRUE(column.SetTitle(s.bytes + "!")) << s.name;
        EXPECT_EQ(std::string(column.Title().CStr()), s.bytes + "!") << s.name;

        TableRow row = table.AddRow(s.bytes);
        ASSERT_TRUE(table.SetCell(1, row.index, s.bytes)) << s.name;
        for (int column = 0; column < 2; ++column) {
            LVITEMW cell = {};
            cell.iSubItem = column;
            cell.pszText = &wide[0];
            cell.cchTextMax = (int)wide.size();
            SendMessageW(table.hwnd, LVM_GETITEMTEXTW, row.index, (LPARAM)&cell);
            EXPECT_EQ(std::wstring(wide.c_str()), s.wide) << s.name << " column " << column;
            EXPECT_EQ(std::string(table.CellText(column, row.index).CStr()), s.bytes) << s.name;
        }
    }
}

TEST_F(CodePageTextTest, MenusStatusBarAndTooltipsKeepEveryScript)
{
    MenuBar bar(parentControl);
    StatusBar status("", 1, parentControl, 2);
    Button button("tool", 2, 0, 0, 100, 20, parentControl);
    UINT identifier = 100;
    for (const Sample& s : Samples()) {
        ASSERT_TRUE(bar.AddMenu(s.bytes, identifier).Exists()) << s.name;
        std::wstring wide(2000, L'\0');
        wide.resize(GetMenuStringW(bar.menu, GetMenuItemCount(bar.menu) - 1, &wide[0], (int)wide.size(),
                                   MF_BYPOSITION));
        EXPECT_EQ(wide, s.wide) << s.name;
        ++identifier;

        ASSERT_TRUE(status.SetText(1, s.bytes)) << s.name;
        LRESULT length = LOWORD(SendMessageW(status.hwnd, SB_GETTEXTLENGTHW, 1, 0));
        wide.assign(length + 1, L'\0');
        SendMessageW(status.hwnd, SB_GETTEXTW, 1, (LPARAM)&wide[0]);
        EXPECT_EQ(std::wstring(wide.c_str()), s.wide) << s.name;
        EXPECT_EQ(std::string(status.Text(1).CStr()), s.bytes) << s.name;

        button.ToolTip = s.bytes;
        wide.assign(2000, L'\0');
        TTTOOLINFOW info = {};
        info.cbSize = sizeof info;
        info.hwnd = probe;
        info.uId = (UINT_PTR)button.hwnd;
        info.lpszText = &wide[0];
        SendMessageW(button.tooltip, TTM_GETTEXTW, wide.size(), (LPARAM)&info);
        EXPECT_EQ(std::wstring(wide.c_str()), s.wide) << s.name;
        EXPECT_EQ(std::string(button.ToolTip().CStr()), s.bytes) << s.name;
    }
}

// Markup converted to RTF and streamed in, and plain text set: the control
// shows the characters themselves.
TEST_F(CodePageTextTest, RichTextBoxShowsEveryScript)
{
    RichTextBox box("", 1, 0, 0, 300, 200, parentControl, true, true, false, ES_MULTILINE, 0);
    ASSERT_NE(box.hwnd, (HWND)NULL) << GetLastError();
    for (const Sample& s : Samples()) {
        box.RichText = RtfHeader() + RtfFromMarkup("<B>" + s.bytes + "</B>") + RtfEnd();
        EXPECT_EQ(WindowTextW(box.hwnd), s.wide) << s.name;
        box.RichText = RtfHeader() + RtfPlainText(s.bytes) + RtfEnd();
        EXPECT_EQ(WindowTextW(box.hwnd), s.wide) << s.name;
        box.Text = s.bytes;
        EXPECT_EQ(WindowTextW(box.hwnd), s.wide) << s.name;
        EXPECT_EQ(std::string(box.Text().CStr()), s.bytes) << s.name;
    }
}

// A text file named and filled in each script: the name on disk as the wide
// calls see it, the bytes as written.
class CodePageFileTest : public ScratchFolderTest {};

TEST_F(CodePageFileTest, TextFileNamesAndContentKeepEveryScript)
{
    for (const Sample& s : Samples()) {
        if (s.bytes.size() > 100)
            continue;  // names are kept short
        std::string path = folder.string() + "\\" + s.bytes + ".txt";
        {
            TextFile file;
            ASSERT_FALSE(file.Open(path.c_str())) << s.name;
            ASSERT_TRUE(file.Create()) << s.name;
            ASSERT_TRUE(file.WriteAll(s.bytes + "\n" + s.bytes)) << s.name;
        }
        WIN32_FIND_DATAW found;
        HANDLE search = FindFirstFileW(AcpWide(path).c_str(), &found);
        ASSERT_NE(search, INVALID_HANDLE_VALUE) << s.name;
        FindClose(search);
        EXPECT_EQ(std::wstring(found.cFileName), s.wide + L".txt") << s.name;
        TextFile file(path.c_str());
        EXPECT_EQ(std::string(file.ReadLine().CStr()), s.bytes) << s.name;
        EXPECT_EQ(std::string(file.ReadLine().CStr()), s.bytes) << s.name;
    }
}

}  // namespace
