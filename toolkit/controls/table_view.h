/// \file
/// The table: a report-style list view of rows and columns of texts.
#ifndef WICKER_CONTROLS_TABLE_VIEW_H
#define WICKER_CONTROLS_TABLE_VIEW_H

#include <windows.h>
#include <commctrl.h>

#include "../foundation/control.h"
#include "../foundation/image_list.h"
#include "../foundation/property.h"
#include "../foundation/string.h"

struct TableCell;

/// One column of a table, returned by value.
struct TableColumn {
    /// A copy of the record that inserted the column (its text pointer cleared).
    LVCOLUMNA column;
    /// The column's index in the control; -1 for no column.
    int index;
    /// The table window; null for no column.
    HWND table;

    /// No column.
    TableColumn();

    /// Removes the column (LVM_DELETECOLUMN); false when there is no such column.
    bool Delete();
    /// The width in pixels (LVM_SETCOLUMNWIDTH, at most 32767); false when refused.
    bool SetWidth(int width);
    /// The width in pixels (LVM_GETCOLUMNWIDTH); 0 for no column.
    int Width();
    /// The title its header shows, read through the header's wide message
    /// (HDM_GETITEMW), whole at any length; empty for no column.
    String Title();
    /// Replaces the title (LVM_SETCOLUMNA); false for no column.
    bool SetTitle(const String& title);
};

/// One row of a table, returned by value. It names the row by the index it had
/// when it was added or asked for (not updated when rows before it come or go).
struct TableRow {
    /// A copy of the record that inserted the row (its text pointer cleared);
    /// zero for a row asked for by index.
    LVITEMA item;
    /// The table window; null for no row.
    HWND table;
    /// The row's index in the control; -1 for no row.
    int index;
    /// Read/write: the text of the row's first cell, whole at any length.
    Property<TableRow, String> Text;

    /// No row.
    TableRow();
    /// Creates the window at once, as Create does with the same arguments.
    TableRow(HWND tableWindow, int rowIndex);

    /// Sets the text of the row's cell in that column (LVM_SETITEMTEXTA); false
    /// when the control refuses it (no such row).
    bool SetCellText(int column, const String& text);
    /// The row's cell in that column (no message).
    TableCell Cell(int column);
    /// True unless the row's check box is clear (state image 1); a table
    /// without check boxes reads true for every row. False for no such row.
    bool IsChecked();
    ///@{
    /// Ticks or clears the row's check box (state image 2 or 1); false for no such row.
    bool Check();
    bool Uncheck();
    ///@}
    /// Removes the row (LVM_DELETEITEM); false for no such row.
    bool Delete();

private:
    void BindProperties();
    String GetText();
    void SetText(const String& text);
    bool SetStateImage(int image);
};

/// One cell of a table, returned by value.
struct TableCell {
    /// A record naming the cell (iItem = row, iSubItem = column).
    LVITEMA item;
    ///@{
    /// The table window; null for no cell.
    HWND table;
    int row;
    ///@}
    /// -1 for no cell.
    int column;
    /// Read/write: the cell's text, whole at any length; empty outside the table.
    Property<TableCell, String> Text;

    /// No cell.
    TableCell();
    /// Creates the window at once, as Create does with the same arguments.
    TableCell(HWND tableWindow, int rowIndex, int columnIndex);

private:
    void BindProperties();
    String GetText();
    void SetText(const String& text);
};

/// A "SysListView32" window in report view with grid lines and whole rows
/// selected, optionally with editable first cells and check boxes. Its parent
/// receives WM_NOTIFY (LVN_ITEMCHANGED, NM_CLICK ...) with the control's
/// identifier. The control shares the image list it is given
/// (LVS_SHAREIMAGELISTS): the window keeps a holder for as long as it shows it.
///
///     TableView table("", 1, 10, 10, 300, 200, form);
///     table.AddColumn("Name", 120);
///     table.AddColumn("Size");
///     TableRow row = table.AddRow("notes.txt");
///     row.SetCellText(1, "2 KB");
struct TableView : Control {
    /// Read/write: whether rows show check boxes (LVS_EX_CHECKBOXES), with a
    /// gap between each box and the row's icon.
    Property<TableView, bool> Checkboxes;
    /// Read only: the first selected row, -1 for none.
    Property<TableView, int> SelectedRow;
    ///@{
    /// Numbers of AddRow and AddColumn calls since the window was created;
    /// deleting rows or columns does not lower them. SetCell refuses cells
    /// beyond them.
    int rowCount;
    int columnCount;
    ///@}

    /// No window, no parent.
    TableView();
    /// The text argument is not shown: a table has no text of its own.
    TableView(const String& text, int identifier, int x, int y, int width, int height,
              Control parentControl, bool editable = false, bool enabled = true,
              bool visible = true, bool centred = false, DWORD exStyle = 0);

    /// Creates the window; false when it could not be created.
    bool Create(const String& text, int identifier, int x, int y, int width, int height,
                Control parentControl, bool editable = false, bool enabled = true,
                bool visible = true, bool centred = false, DWORD exStyle = 0);

    /// Shows the rows' pictures from the list (LVM_SETIMAGELIST, LVSIL_SMALL);
    /// the window keeps a holder of the list while it shows it. The list shown
    /// before, or null.
    HIMAGELIST SetImageList(const ImageList& list);
    /// Appends a column with the title and width (logical pixels, scaled to
    /// the table's DPI as the table was); an empty record (index -1)
    /// when it was not added.
    TableColumn AddColumn(const String& title, int width = 50);
    /// Appends a row whose first cell holds the text, with the picture of that
    /// index of the image list (-1 for none); an empty record (index -1) when
    /// it was not added.
    TableRow AddRow(const String& text, int image = -1);
    /// Sets the text of a cell. Refused (false, nothing sent) for a column or
    /// row at or beyond the numbers added so far; false too when the control
    /// has no such row.
    bool SetCell(int column, int row, const String& text);
    /// The text of a cell, whole at any length; empty outside the table.
    String CellText(int column, int row);
    /// The row of that index (no message).
    TableRow Row(int index);
    /// Removes every row (LVM_DELETEALLITEMS).
    bool DeleteAllRows();
    /// Removes every row and every column and sets rowCount and columnCount
    /// to 0, so that the table can be filled again from nothing (a viewer
    /// opening another file). False without a window.
    bool Clear();
    /// Number of rows the control holds (LVM_GETITEMCOUNT).
    int RowCount();
    /// A column's width in pixels (at most 32767); false when refused.
    bool SetColumnWidth(int index, int width);
    /// A column's width in pixels; 0 for no such column.
    int ColumnWidth(int index);
    ///@{
    /// As for ListView.
    bool SetBackgroundColor(COLORREF colour);
    bool SetTextColor(COLORREF colour);
    ///@}

private:
    void BindProperties();
    bool GetCheckboxes();
    void SetCheckboxes(bool on);
    int GetSelectedRow();
};

///@{
/// Window style before WS_VISIBLE and the editable flag.
const DWORD kTableViewStyle = 0x40010041;  ///< WS_CHILD | WS_TABSTOP | LVS_SHAREIMAGELISTS | LVS_REPORT
const DWORD kTableViewEditableStyle = 0x200;  ///< LVS_EDITLABELS
///@}
/// Extended list-view style set at creation.
const DWORD kTableViewExtendedStyle = 0x23;  ///< LVS_EX_GRIDLINES | LVS_EX_SUBITEMIMAGES |
                                             ///< LVS_EX_FULLROWSELECT

#endif
