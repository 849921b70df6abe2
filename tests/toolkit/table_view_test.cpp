// The table's own: its creation styles, columns, cells by row and column,
// SetCell's refusal beyond the rows and columns added, and check boxes.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <string>

#include "probe_parent.h"
#include "wicker.h"
#include "window_attributes.h"

namespace {

const int TableId = 601;

std::string RawCell(HWND table, int row, int column)
{
    char text[256] = "";
    LVITEMA request = {};
    request.iSubItem = column;
    request.pszText = text;
    request.cchTextMax = sizeof text;
    SendMessageA(table, LVM_GETITEMTEXTA, row, (LPARAM)&request);
    return text;
}

std::string Str(const String& text)
{
    return text.CStr();
}

class TableViewTest : public ProbeParentTest {};

TEST_F(TableViewTest, CreationStyles)
{
    struct Case {
        bool editable, enabled, visible;
        DWORD style;
    } cases[] = {
        {false, true, true, 0x50010041},
        {true, true, true, 0x50010241},
        {false, false, false, 0x48010041},
    };
    for (const Case& c : cases) {
        TableView table("ignored", TableId, 5, 6, 200, 100, parentControl, c.editable, c.enabled,
                        c.visible);
        SCOPED_TRACE(c.style);
        EXPECT_EQ(WindowStyle(table.hwnd), c.style);
        EXPECT_EQ(SendMessageA(table.hwnd, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0), 0x23);
        EXPECT_EQ(WindowText(table.hwnd), "TableView");
        EXPECT_EQ(RectInParent(table.hwnd).left, 5);
        EXPECT_EQ(table.Width, 200);
        EXPECT_EQ(table.rowCount + table.columnCount, 0);
    }
}

TEST_F(TableViewTest, CellsByRowAndColumnAndSetCellsRefusal)
{
    TableView table("", TableId, 0, 0, 300, 200, parentControl);
    TableColumn name = table.AddColumn("Name", 120);
    TableColumn size = table.AddColumn("Size");
    EXPECT_EQ(name.index, 0);
    EXPECT_EQ(size.index, 1);
    EXPECT_EQ(table.ColumnWidth(0), 120);
    EXPECT_EQ(size.Width(), 50);
    char title[32] = "";
    LVCOLUMNA column = {};
    column.mask = LVCF_TEXT;
    column.pszText = title;
    column.cchTextMax = sizeof title;
    SendMessageA(table.hwnd, LVM_GETCOLUMNA, 1, (LPARAM)&column);
    EXPECT_STREQ(title, "Size");

    TableRow first = table.AddRow("notes.txt");
    table.AddRow("song.mp3");
    EXPECT_TRUE(first.SetCellText(1, "2 KB"));
    EXPECT_TRUE(table.SetCell(1, 1, "3 MB"));
    EXPECT_EQ(RawCell(table.hwnd, 0, 1), "2 KB");
    EXPECT_EQ(RawCell(table.hwnd, 1, 1), "3 MB");
    EXPECT_EQ(Str(table.CellText(1, 1)), "3 MB");
    EXPECT_EQ(Str(table.Row(1).Cell(1).Text()), "3 MB");

    // Refused at or beyond the counts added so far, even where the control
    // has a column and a row put there by someone else: nothing reaches it.
    LVCOLUMNA third = {};
    third.mask = LVCF_TEXT | LVCF_WIDTH;
    third.cx = 40;
    third.pszText = (LPSTR) "Kind";
    ASSERT_EQ(SendMessageA(table.hwnd, LVM_INSERTCOLUMNA, 2, (LPARAM)&third), 2);
    LVITEMA raw = {};
    raw.mask = LVIF_TEXT;
    raw.iItem = 2;
    raw.pszText = (LPSTR) "raw";
    ASSERT_EQ(SendMessageA(table.hwnd, LVM_INSERTITEMA, 0, (LPARAM)&raw), 2);
    struct Refused {
        int column, row;
    } refused[] = {{2, 0}, {0, 2}, {-1, 0}, {0, -1}, {100000, 1}};
    for (const Refused& r : refused) {
        SCOPED_TRACE(r.column * 1000 + r.row);
        EXPECT_FALSE(table.SetCell(r.column, r.row, "no"));
    }
    EXPECT_EQ(RawCell(table.hwnd, 0, 0), "notes.txt");
    EXPECT_EQ(RawCell(table.hwnd, 0, 2), "");
    EXPECT_EQ(RawCell(table.hwnd, 2, 0), "raw");
    EXPECT_TRUE(table.Row(2).SetCellText(2, "yes"));
    EXPECT_EQ(Str(table.CellText(2, 2)), "yes");

    // Rows and cells as records, written and read back.
    first.Text = "readme.txt";
    EXPECT_EQ(RawCell(table.hwnd, 0, 0), "readme.txt");
    EXPECT_EQ(Str(first.Text()), "readme.txt");
    TableCell cell = table.Row(1).Cell(0);
    TableCell copy = cell;
    copy.Text = "tune.mp3";
    EXPECT_EQ(RawCell(table.hwnd, 1, 0), "tune.mp3");
    EXPECT_EQ(Str(cell.Text()), "tune.mp3");

    // Within the counts but past the rows the control holds: refused by it.
    EXPECT_TRUE(table.Row(2).Delete());
    EXPECT_TRUE(table.Row(1).Delete());
    EXPECT_FALSE(table.SetCell(0, 1, "gone"));
    EXPECT_FALSE(table.Row(1).SetCellText(0, "gone"));
    EXPECT_EQ(table.RowCount(), 1);
    EXPECT_EQ(table.rowCount, 2);

    EXPECT_TRUE(size.SetWidth(70));
    EXPECT_EQ(table.ColumnWidth(1), 70);
    EXPECT_TRUE(table.SetColumnWidth(1, 90));
    EXPECT_EQ(size.Width(), 90);
    EXPECT_TRUE(size.Delete());
    EXPECT_EQ(table.ColumnWidth(1), 40);
    EXPECT_EQ(table.ColumnWidth(2), 0);
    EXPECT_EQ(table.columnCount, 2);
}

// A table cleared is filled again as a new one: other columns, cells at
// their new places, the counts from 0.
TEST_F(TableViewTest, AClearedTableFillsAgainFromNothing)
{
    TableView table("", TableId, 0, 0, 300, 200, parentControl);
    for (const char* title : {"a", "b", "c"})
        table.AddColumn(title);
    table.AddRow("1").SetCellText(2, "3");
    EXPECT_TRUE(table.Clear());
    EXPECT_EQ(0, table.rowCount);
    EXPECT_EQ(0, table.columnCount);
    EXPECT_EQ(0, table.RowCount());
    EXPECT_EQ(0, Header_GetItemCount(ListView_GetHeader(table.hwnd)));
    table.AddColumn("x");
    TableColumn y = table.AddColumn("y");
    EXPECT_EQ(1, y.index);
    table.AddRow("left");
    EXPECT_TRUE(table.SetCell(1, 0, "right"));
    EXPECT_FALSE(table.SetCell(2, 0, "beyond"));
    EXPECT_EQ("right", RawCell(table.hwnd, 0, 1));
    EXPECT_EQ("y", Str(y.Title()));
    EXPECT_FALSE(TableView().Clear());
}

TEST_F(TableViewTest, CheckBoxes)
{
    TableView table("", TableId, 0, 0, 300, 200, parentControl);
    table.AddColumn("Task", 150);
    TableRow row = table.AddRow("wash");
    // Without check boxes there is no state image, which reads as checked.
    EXPECT_FALSE(table.Checkboxes());
    EXPECT_TRUE(row.IsChecked());

    table.Checkboxes = true;
    EXPECT_TRUE(table.Checkboxes());
    EXPECT_EQ(SendMessageA(table.hwnd, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0), 0x27);
    table.AddRow("dry");
    EXPECT_FALSE(table.Row(1).IsChecked());
    EXPECT_TRUE(table.Row(1).Check());
    EXPECT_EQ(SendMessageA(table.hwnd, LVM_GETITEMSTATE, 1, LVIS_STATEIMAGEMASK), 0x2000);
    EXPECT_TRUE(table.Row(1).IsChecked());
    EXPECT_TRUE(table.Row(1).Uncheck());
    EXPECT_EQ(SendMessageA(table.hwnd, LVM_GETITEMSTATE, 1, LVIS_STATEIMAGEMASK), 0x1000);
    EXPECT_FALSE(table.Row(1).IsChecked());

    // Rows the table does not have are neither checked nor checkable.
    for (int index : {2, -1, 100000}) {
        EXPECT_FALSE(table.Row(index).IsChecked());
        EXPECT_FALSE(table.Row(index).Check());
    }
    table.Checkboxes = false;
    EXPECT_EQ(SendMessageA(table.hwnd, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0), 0x23);
}

}  // namespace
