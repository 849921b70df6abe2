#include "table_view.h"

#include "../foundation/dpi_scaling.h"
#include "../foundation/image_list.h"
#include "basic_control.h"
#include "list_view_text.h"
#include "../foundation/wide_text.h"

static_assert(kTableViewStyle == (WS_CHILD | WS_TABSTOP | LVS_SHAREIMAGELISTS | LVS_REPORT),
              "table style");
static_assert(kTableViewEditableStyle == LVS_EDITLABELS, "editable table style");
static_assert(kTableViewExtendedStyle ==
                  (LVS_EX_GRIDLINES | LVS_EX_SUBITEMIMAGES | LVS_EX_FULLROWSELECT),
              "table extended style");

namespace {

// The geometry and visibility come from CreateWindowExA; the extended style
// is set before anything else.
const ControlKind kTableViewKind = {
    "SysListView32",
    "TableView",
    {kStepOwn, kStepFont, kStepCentre, kStepDisable, kStepEnd}};

void SetExtendedStyle(Control& control, void*)
{
    SendMessageA(control.hwnd, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, kTableViewExtendedStyle);
}

// Logical pixels between a row's check box and its icon.
const int kCheckBoxGap = 4;

// The control's check-box pictures fill their cells, so a row's icon is
// drawn against the box and looks to cover it. The pictures are copied into
// cells wider by a gap and shown instead; the control's own list, which a
// shared-lists table does not destroy, is destroyed here. The copy is kept
// with the window.
void WidenCheckBoxPictures(HWND table)
{
    HIMAGELIST own = reinterpret_cast<HIMAGELIST>(SendMessageA(table, LVM_GETIMAGELIST, LVSIL_STATE, 0));
    int width = 0, height = 0;
    if (own == NULL || !ImageList_GetIconSize(own, &width, &height))
        return;
    int gap = ScaleBetweenDpi(kCheckBoxGap, kLogicalDpi, ScalingDpi(table));
    ImageList wide(kSmallIcons);
    if (wide.handle == NULL)
        return;
    wide.IconWidth = width + gap;
    wide.IconHeight = height;
    HDC screen = GetDC(NULL);
    HDC colourDc = CreateCompatibleDC(screen);
    HDC maskDc = CreateCompatibleDC(screen);
    for (int index = 0; index < ImageList_GetImageCount(own); ++index) {
        // The picture over black, and its mask (set where it is clear) over a
        // clear gap.
        HBITMAP colour = CreateCompatibleBitmap(screen, width + gap, height);
        HBITMAP mask = CreateBitmap(width + gap, height, 1, 1, NULL);
        HGDIOBJ oldColour = SelectObject(colourDc, colour);
        HGDIOBJ oldMask = SelectObject(maskDc, mask);
        PatBlt(colourDc, 0, 0, width + gap, height, BLACKNESS);
        PatBlt(maskDc, 0, 0, width + gap, height, WHITENESS);
        ImageList_Draw(own, index, colourDc, 0, 0, ILD_NORMAL);
        ImageList_Draw(own, index, maskDc, 0, 0, ILD_MASK);
        SelectObject(colourDc, oldColour);
        SelectObject(maskDc, oldMask);
        ImageList_Add(wide.handle, colour, mask);
        DeleteObject(colour);
        DeleteObject(mask);
    }
    DeleteDC(colourDc);
    DeleteDC(maskDc);
    ReleaseDC(NULL, screen);
    if (static_cast<int>(wide.Count) != ImageList_GetImageCount(own))
        return;
    KeepImageListWithWindow(table, LVSIL_STATE, wide);
    HIMAGELIST before = reinterpret_cast<HIMAGELIST>(
        SendMessageA(table, LVM_SETIMAGELIST, LVSIL_STATE, reinterpret_cast<LPARAM>(wide.handle)));
    if (before == own)
        ImageList_Destroy(own);
}

bool SetWidthOf(HWND table, int column, int width)
{
    if (table == NULL || column < 0)
        return false;
    return SendMessageA(table, LVM_SETCOLUMNWIDTH, column, MAKELPARAM(LOWORD(width), 0)) != 0;
}

int WidthOf(HWND table, int column)
{
    if (table == NULL || column < 0)
        return 0;
    return static_cast<int>(SendMessageA(table, LVM_GETCOLUMNWIDTH, column, 0));
}

bool RowExists(HWND table, int row)
{
    return table != NULL && row >= 0 && row < SendMessageA(table, LVM_GETITEMCOUNT, 0, 0);
}

}  // namespace

// ---- TableColumn ----

TableColumn::TableColumn() : column(), index(-1), table(NULL) {}

bool TableColumn::Delete()
{
    return table != NULL && index >= 0 && SendMessageA(table, LVM_DELETECOLUMN, index, 0) != 0;
}

String TableColumn::Title()
{
    HWND header = table != NULL && index >= 0
                      ? reinterpret_cast<HWND>(SendMessageA(table, LVM_GETHEADER, 0, 0))
                      : NULL;
    if (header == NULL)
        return String();
    return ReadWideText([&](wchar_t* buffer, int size, const wchar_t** answer) {
        HDITEMW item = {};
        item.mask = HDI_TEXT;
        item.pszText = buffer;
        item.cchTextMax = size;
        if (!SendMessageW(header, HDM_GETITEMW, index, reinterpret_cast<LPARAM>(&item)))
            return false;
        *answer = item.pszText;
        return true;
    });
}

bool TableColumn::SetTitle(const String& title)
{
    if (table == NULL || index < 0)
        return false;
    LVCOLUMNA changed = {};
    changed.mask = LVCF_TEXT;
    changed.pszText = const_cast<char*>(title.CStr());
    return SendMessageA(table, LVM_SETCOLUMNA, index, reinterpret_cast<LPARAM>(&changed)) != 0;
}

bool TableColumn::SetWidth(int width)
{
    return SetWidthOf(table, index, width);
}

int TableColumn::Width()
{
    return WidthOf(table, index);
}

// ---- TableRow ----

TableRow::TableRow() : item(), table(NULL), index(-1)
{
    BindProperties();
}

TableRow::TableRow(HWND tableWindow, int rowIndex) : item(), table(tableWindow), index(rowIndex)
{
    BindProperties();
}

void TableRow::BindProperties()
{
    Text.Clear();
    Text.Bind(this, &TableRow::GetText, &TableRow::SetText);
}

String TableRow::GetText()
{
    return ListViewCellText(table, index, 0);
}

void TableRow::SetText(const String& text)
{
    SetListViewCellText(table, index, 0, text);
}

bool TableRow::SetCellText(int column, const String& text)
{
    return SetListViewCellText(table, index, column, text);
}

TableCell TableRow::Cell(int column)
{
    return TableCell(table, index, column);
}

bool TableRow::IsChecked()
{
    // The control answers 0 for a row it does not have, which would read as
    // checked.
    if (!RowExists(table, index))
        return false;
    LRESULT state = SendMessageA(table, LVM_GETITEMSTATE, index, LVIS_STATEIMAGEMASK);
    return (state & LVIS_STATEIMAGEMASK) >> 12 != 1;
}

bool TableRow::SetStateImage(int image)
{
    if (!RowExists(table, index))
        return false;
    LVITEMA state = {};
    state.stateMask = LVIS_STATEIMAGEMASK;
    state.state = INDEXTOSTATEIMAGEMASK(image);
    return SendMessageA(table, LVM_SETITEMSTATE, index, reinterpret_cast<LPARAM>(&state)) != 0;
}

bool TableRow::Check()
{
    return SetStateImage(2);
}

bool TableRow::Uncheck()
{
    return SetStateImage(1);
}

bool TableRow::Delete()
{
    return table != NULL && index >= 0 && SendMessageA(table, LVM_DELETEITEM, index, 0) != 0;
}

// ---- TableCell ----

TableCell::TableCell() : item(), table(NULL), row(-1), column(-1)
{
    BindProperties();
}

TableCell::TableCell(HWND tableWindow, int rowIndex, int columnIndex)
    : item(), table(tableWindow), row(rowIndex), column(columnIndex)
{
    item.iItem = rowIndex;
    item.iSubItem = columnIndex;
    BindProperties();
}

void TableCell::BindProperties()
{
    Text.Clear();
    Text.Bind(this, &TableCell::GetText, &TableCell::SetText);
}

String TableCell::GetText()
{
    return ListViewCellText(table, row, column);
}

void TableCell::SetText(const String& text)
{
    SetListViewCellText(table, row, column, text);
}

// ---- TableView ----

TableView::TableView() : rowCount(0), columnCount(0)
{
    ClearBasicControl(*this);
    BindProperties();
}

TableView::TableView(const String& text, int identifier, int x, int y, int width, int height,
                     Control parentControl, bool editable, bool enabled, bool visible,
                     bool centred, DWORD exStyle)
    : rowCount(0), columnCount(0)
{
    ClearBasicControl(*this);
    BindProperties();
    Create(text, identifier, x, y, width, height, parentControl, editable, enabled, visible,
           centred, exStyle);
}

void TableView::BindProperties()
{
    Checkboxes.Bind(this, &TableView::GetCheckboxes, &TableView::SetCheckboxes);
    SelectedRow.Bind(this, &TableView::GetSelectedRow, NULL);
}

bool TableView::Create(const String& text, int identifier, int x, int y, int width, int height,
                       Control parentControl, bool editable, bool enabled, bool visible,
                       bool centred, DWORD exStyle)
{
    rowCount = 0;
    columnCount = 0;
    DWORD style = kTableViewStyle;
    if (visible)
        style |= WS_VISIBLE;
    if (editable)
        style |= kTableViewEditableStyle;
    ControlPlacement place = {text, identifier, x, y, width, height, enabled, visible, centred, exStyle};
    return CreateBasicControl(*this, kTableViewKind, style, place, parentControl,
                              SetExtendedStyle);
}

bool TableView::GetCheckboxes()
{
    return (SendMessageA(hwnd, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) & LVS_EX_CHECKBOXES) != 0;
}

void TableView::SetCheckboxes(bool on)
{
    if (hwnd == NULL)
        return;
    LRESULT style = SendMessageA(hwnd, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0);
    bool wasOn = (style & LVS_EX_CHECKBOXES) != 0;
    // The widened pictures are taken back before the control lets go of its
    // check boxes, so that it never destroys the list the window keeps.
    if (wasOn && !on)
        SendMessageA(hwnd, LVM_SETIMAGELIST, LVSIL_STATE, 0);
    style = on ? (style | LVS_EX_CHECKBOXES) : (style & ~static_cast<LRESULT>(LVS_EX_CHECKBOXES));
    SendMessageA(hwnd, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, style);
    if (on && !wasOn)
        WidenCheckBoxPictures(hwnd);
    else if (!on && wasOn)
        KeepImageListWithWindow(hwnd, LVSIL_STATE, ImageList());
}

int TableView::GetSelectedRow()
{
    return static_cast<int>(SendToLive(hwnd, LVM_GETNEXTITEM, static_cast<WPARAM>(-1),
                                       MAKELPARAM(LVNI_SELECTED, 0), -1));
}

HIMAGELIST TableView::SetImageList(const ImageList& list)
{
    return ShowKeptImageList(hwnd, LVM_SETIMAGELIST, LVSIL_SMALL, list);
}

TableColumn TableView::AddColumn(const String& title, int width)
{
    TableColumn added;
    if (hwnd == NULL)
        return added;
    LVCOLUMNA column = {};
    column.mask = LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
    // The width is logical, as the table's own size was.
    column.cx = ScaleBetweenDpi(width, kLogicalDpi, ScalingDpi(hwnd));
    column.pszText = const_cast<char*>(title.CStr());
    column.iSubItem = columnCount;
    LRESULT index =
        SendToLive(hwnd, LVM_INSERTCOLUMNA, columnCount, reinterpret_cast<LPARAM>(&column), -1);
    columnCount += 1;
    if (index < 0)
        return added;
    column.pszText = NULL;
    added.column = column;
    added.index = static_cast<int>(index);
    added.table = hwnd;
    return added;
}

TableRow TableView::AddRow(const String& text, int image)
{
    TableRow added;
    if (hwnd == NULL)
        return added;
    LVITEMA item;
    LRESULT index = InsertListViewItem(hwnd, rowCount, text, image, &item);
    rowCount += 1;
    if (index < 0)
        return added;
    // The record names the row where the control put it, so that its cells
    // are this row's and no other's.
    added.item = item;
    added.table = hwnd;
    added.index = static_cast<int>(index);
    return added;
}

bool TableView::SetCell(int column, int row, const String& text)
{
    if (static_cast<unsigned>(column) >= static_cast<unsigned>(columnCount) ||
        static_cast<unsigned>(row) >= static_cast<unsigned>(rowCount))
        return false;
    return SetListViewCellText(hwnd, row, column, text);
}

String TableView::CellText(int column, int row)
{
    return ListViewCellText(hwnd, row, column);
}

TableRow TableView::Row(int index)
{
    return TableRow(hwnd, index);
}

bool TableView::DeleteAllRows()
{
    return hwnd != NULL && SendMessageA(hwnd, LVM_DELETEALLITEMS, 0, 0) != 0;
}

bool TableView::Clear()
{
    if (hwnd == NULL)
        return false;
    SendMessageA(hwnd, LVM_DELETEALLITEMS, 0, 0);
    while (SendMessageA(hwnd, LVM_DELETECOLUMN, 0, 0) != 0) {
    }
    rowCount = 0;
    columnCount = 0;
    return true;
}

int TableView::RowCount()
{
    return static_cast<int>(SendMessageA(hwnd, LVM_GETITEMCOUNT, 0, 0));
}

bool TableView::SetColumnWidth(int index, int width)
{
    return SetWidthOf(hwnd, index, width);
}

int TableView::ColumnWidth(int index)
{
    return WidthOf(hwnd, index);
}

bool TableView::SetBackgroundColor(COLORREF colour)
{
    return SetListViewBackground(hwnd, colour);
}

bool TableView::SetTextColor(COLORREF colour)
{
    return SetListViewTextColour(hwnd, colour);
}
