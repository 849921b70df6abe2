#include "property_grid.h"

#include <commctrl.h>

#include <cstdlib>

#include "controls/list_view_text.h"
#include "foundation/dpi_scaling.h"
#include "foundation/subclass_data.h"
#include "system/accessible_names.h"
#include "rtf_builders.h"
#include "rtf_markup.h"

static_assert(kPropertyChangedMessage == 3025, "the value-changed notice is message 3025");

namespace {

const UINT_PTR kPropertyTableSubclassId = 0x57505247;  // "WPRG"

// The pane below the table and the gap above it.
const int kPaneHeight = 49;
const int kPaneGap = 1;
// The pane's style (WS_VSCROLL | WS_TABSTOP | ES_MULTILINE) and extended style.
const DWORD kPaneStyle = 0x210004;
const DWORD kPaneExStyle = WS_EX_TRANSPARENT;
// Single selection, always shown, no column headers.
const DWORD kGridTableStyle = LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_NOCOLUMNHEADER;

static_assert(kPaneStyle == (WS_VSCROLL | WS_TABSTOP | ES_MULTILINE), "pane style");
static_assert(kGridTableStyle == 0x400C, "table style");

// The editors' sizes when they open, before they are placed over the cell.
const int kEditorWidth = 100;
const int kEditorHeight = 25;
const int kDropdownHeight = 200;
const int kRowHeight = 21;

PropertyGrid* GridOfTable(HWND table)
{
    return reinterpret_cast<PropertyGrid*>(
        SubclassData(table, PropertyGridTableProc, kPropertyTableSubclassId));
}

// Screen readers hear the table as the grid: named by the container's text
// ("Properties" while it has none), each row as "name: value", a colour in
// words. The rows are read from the table itself, so a table the grid has
// left behind still reads; only colours need the grid's row types.
int GridRowCount(HWND table)
{
    return static_cast<int>(SendMessageA(table, LVM_GETITEMCOUNT, 0, 0));
}

bool DescribeGridRow(HWND table, int number, DrawnPart* part)
{
    if (number == 0) {
        String caption = Control(GetParent(table)).Text;
        part->name = !caption.empty() ? caption : String(kPropertyGridName);
        return true;
    }
    int item = number - 1;
    if (item >= GridRowCount(table))
        return false;
    String value = ListViewCellText(table, item, 1);
    PropertyGrid* grid = GridOfTable(table);
    if (grid != NULL && item < static_cast<int>(grid->rows.size()) &&
        grid->rows[item].type == kPropertyColor)
        value = ColorInWords(PropertyColorValue(value));
    part->name = ListViewCellText(table, item, 0) + ": " + value;
    part->value = value;
    part->kind = kDrawnItem;
    part->selected = SendMessageA(table, LVM_GETITEMSTATE, item, LVIS_SELECTED) != 0;
    part->place.left = LVIR_BOUNDS;
    if (!SendMessageA(table, LVM_GETITEMRECT, item, reinterpret_cast<LPARAM>(&part->place)))
        SetRectEmpty(&part->place);
    return true;
}

const AccessibleNames kGridNames = {GridRowCount, DescribeGridRow};

}  // namespace

const char kPropertyGridName[] = "Properties";

int PropertyRowType(const String& typeText)
{
    if (typeText == "text")
        return kPropertyText;
    if (typeText == "number")
        return kPropertyNumber;
    if (typeText == "color")
        return kPropertyColor;
    if (typeText == "file")
        return kPropertyFile;
    return kPropertyDropdown;
}

COLORREF PropertyColorValue(const String& value)
{
    double number = std::atof(value.CStr());
    // Out of the 32 bits (or not a number at all) reads as black.
    if (!(number >= 0.0 && number <= 4294967295.0))
        return 0;
    return static_cast<COLORREF>(number);
}

PropertyRow::PropertyRow()
    : name("NULL"), typeText("NULL"), type(-1), value("NULL"), description("NULL"), options("")
{
}

PropertyGrid::PropertyGrid() : openEditor(NULL), currentIndex(-1)
{
}

PropertyGrid::PropertyGrid(int identifier, int x, int y, int width, int height,
                           const Control& parentControl, DWORD exStyle)
    : PropertyGrid()
{
    Create(identifier, x, y, width, height, parentControl, exStyle);
}

PropertyGrid::~PropertyGrid()
{
    CloseEditor();
    // The windows outlive the grid: they no longer call it.
    if (table.hwnd != NULL)
        RemoveWindowSubclass(table.hwnd, PropertyGridTableProc, kPropertyTableSubclassId);
    if (container.hwnd != NULL)
        container.DialogProcedure = ForwardCommandProc;
}

namespace {

// What a value cell shows: a colour row's COLORREF as "R, G, B" (a swatch
// of the colour is drawn beside it, see DrawColourSwatch), any other row's
// value as it is.
String ShownValue(int type, const String& value)
{
    if (type != kPropertyColor)
        return value;
    const COLORREF colour = PropertyColorValue(value);
    return NumberString(GetRValue(colour), 0) + ", " + NumberString(GetGValue(colour), 0) + ", " +
           NumberString(GetBValue(colour), 0);
}

}  // namespace

// A grid made again (a settings dialog opened a second time) starts from no
// rows: the rows it kept belonged to the table that went with the old
// windows. Windows of an earlier Create that still exist stop calling it.
bool PropertyGrid::Create(int identifier, int x, int y, int width, int height,
                          const Control& parentControl, DWORD exStyle)
{
    CloseEditor();
    if (IsLiveWindow(table.hwnd))
        RemoveWindowSubclass(table.hwnd, PropertyGridTableProc, kPropertyTableSubclassId);
    if (IsLiveWindow(container.hwnd))
        container.DialogProcedure = ForwardCommandProc;
    rows.clear();
    currentRow = PropertyRow();
    currentIndex = -1;
    if (!container.Create("", x, y, width, height, kFormPopup, true, true, false, false, false,
                          parentControl, true, exStyle))
        return false;
    container.id = identifier;
    SetWindowLongPtrA(container.hwnd, GWLP_ID, identifier);

    // The rich text box scales the logical place and size it is given.
    if (!descriptionPane.Create("", kPropertyDescriptionId, 0, height - kPaneHeight, width,
                                kPaneHeight, container, true, true, false, kPaneStyle,
                                kPaneExStyle))
        return false;
    descriptionPane.SetBackColor(GetSysColor(COLOR_BTNFACE));
    descriptionPane.ReadOnly = true;
    descriptionPane.LeftMargin = 5;
    descriptionPane.RightMargin = 5;

    if (!table.Create("grid", kPropertyTableId, 0, 0, width, height - kPaneHeight - kPaneGap,
                      container, false, true, true, false, WS_EX_CLIENTEDGE))
        return false;
    table.AddColumn("Property", 50);
    table.AddColumn("Value", 50);
    table.AddStyle(kGridTableStyle);
    // Rows as high as a combo box's field at the window's DPI, so that an
    // editor covers its own row only: the list view makes its rows as high as its small pictures.
    SetRowHeight();

    if (!SetWindowSubclass(table.hwnd, PropertyGridTableProc, kPropertyTableSubclassId,
                           reinterpret_cast<DWORD_PTR>(this)))
        return false;
    container.DialogProcedure = PropertyGridContainerProc;
    GiveAccessibleNames(table.hwnd, &kGridNames);
    LayOut();
    return true;
}

void PropertyGrid::SetRow(const String& name, const String& value, const String& typeText,
                          const String& description, const String& options, bool notify)
{
    PropertyRow row;
    row.name = name;
    row.typeText = typeText;
    row.type = PropertyRowType(typeText);
    row.value = value;
    row.description = description;
    row.options = options;

    int index = IndexOf(name);
    if (index < 0) {
        rows.push_back(row);
        TableRow line = table.AddRow(name);
        line.SetCellText(1, ShownValue(row.type, value));
        SetColumnWidths();
        return;
    }
    rows[index] = row;
    table.Row(index).SetCellText(1, ShownValue(row.type, value));
    if (index == currentIndex) {
        currentRow = row;
        // The editor and the pane follow the row's new type, options and text.
        if (openEditor != NULL) {
            ShowDescription(row);
            OpenEditor(row);
        }
    }
    if (notify)
        PostChanged();
}

void PropertyGrid::SetValue(const String& name, const String& value, bool notify)
{
    int index = IndexOf(name);
    if (index < 0)
        return;
    rows[index].value = value;
    table.Row(index).SetCellText(1, ShownValue(rows[index].type, value));
    if (index == currentIndex) {
        currentRow = rows[index];
        if (openEditor != NULL)
            OpenEditor(currentRow);
    }
    if (notify)
        PostChanged();
}

String PropertyGrid::GetValue(const String& name) const
{
    int index = IndexOf(name);
    return index < 0 ? String("NULL") : rows[index].value;
}

PropertyRow PropertyGrid::GetRow(const String& name) const
{
    int index = IndexOf(name);
    return index < 0 ? PropertyRow() : rows[index];
}

int PropertyGrid::IndexOf(const String& name) const
{
    for (size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].name == name)
            return static_cast<int>(i);
    }
    return -1;
}

bool PropertyGrid::Contains(const String& name) const
{
    return IndexOf(name) >= 0;
}

// The keys go back to the table when they were the editor's: a focus left
// on a destroyed window goes nowhere.
void PropertyGrid::CloseEditor()
{
    Control* editor = openEditor;
    openEditor = NULL;
    if (editor != NULL && editor->hwnd != NULL) {
        HWND focus = GetFocus();
        const bool hadKeys = focus != NULL && (focus == editor->hwnd || IsChild(editor->hwnd, focus));
        DestroyWindow(editor->hwnd);
        editor->hwnd = NULL;
        if ((hadKeys || GetFocus() == NULL) && IsLiveWindow(table.hwnd) &&
            IsWindowVisible(table.hwnd))
            SetFocus(table.hwnd);
    }
}

void PropertyGrid::Clear()
{
    CloseEditor();
    rows.clear();
    currentRow = PropertyRow();
    currentIndex = -1;
    table.DeleteAllRows();
    ShowDescription(currentRow);
}

bool PropertyGrid::RemoveRow(const String& name)
{
    const int index = IndexOf(name);
    if (index < 0)
        return false;
    if (index == currentIndex) {
        CloseEditor();
        currentRow = PropertyRow();
        currentIndex = -1;
        ShowDescription(currentRow);
    } else if (index < currentIndex) {
        --currentIndex;
    }
    rows.erase(rows.begin() + index);
    table.Row(index).Delete();
    SetColumnWidths();
    if (openEditor != NULL)
        PlaceEditor(currentIndex);
    return true;
}

bool PropertyGrid::Select(const String& name)
{
    int index = IndexOf(name);
    if (index < 0 || table.hwnd == NULL)
        return false;
    LVITEMA state = {};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(table.hwnd, LVM_SETITEMSTATE, index, reinterpret_cast<LPARAM>(&state));
    return true;
}

void PropertyGrid::SelectRow(int index)
{
    if (index < 0 || index >= static_cast<int>(rows.size()))
        return;
    currentIndex = index;
    currentRow = rows[index];
    CloseEditor();
    ShowDescription(currentRow);
    OpenEditor(currentRow);
}

void PropertyGrid::ShowDescription(const PropertyRow& row)
{
    descriptionPane.RichText = RtfHeader() + RtfFromMarkup(row.description) + RtfEnd();
}

void PropertyGrid::OpenEditor(const PropertyRow& row)
{
    CloseEditor();
    switch (row.type) {
    case kPropertyColor:
        colorEditor.Create(kPropertyColorEditorId, 0, 0, kEditorHeight, kEditorHeight, table,
                           PropertyColorValue(row.value));
        colorEditor.Border = 0;
        openEditor = &colorEditor;
        break;
    case kPropertyFile:
        fileEditor.Create(row.value, kPropertyFileEditorId, 0, 0, kEditorWidth, kEditorHeight, table);
        openEditor = &fileEditor;
        break;
    case kPropertyText:
    case kPropertyNumber:
        textEditor.Create("", kPropertyTextEditorId, 0, 0, kEditorWidth, kEditorHeight, table);
        textEditor.RemoveExStyle(WS_EX_CLIENTEDGE);
        textEditor.AddStyle(WS_BORDER);
        if (row.type == kPropertyNumber)
            textEditor.AddStyle(ES_RIGHT | ES_NUMBER);
        openEditor = &textEditor;
        textEditor.Text = row.value;
        break;
    default: {
        dropdownEditor.Create("", kPropertyDropdownEditorId, 0, 0, kEditorWidth, kDropdownHeight,
                              table, true, true, false, true);
        if (!row.options.empty()) {
            StringList choices = row.options.Split(",");
            for (int i = 0; i < choices.Count; ++i)
                dropdownEditor.Add(choices.Item(i), -1, 0);
        }
        // The choice equal to the value, exactly; none when there is no such choice.
        for (int i = 0; i < dropdownEditor.Count(); ++i) {
            if (dropdownEditor.ItemText(i) == row.value) {
                dropdownEditor.SetSelectedIndex(i);
                break;
            }
        }
        openEditor = &dropdownEditor;
        break;
    }
    }
    if (openEditor->hwnd == NULL) {
        openEditor = NULL;
        return;
    }
    PlaceEditor(currentIndex);
}

void PropertyGrid::PlaceEditor(int index)
{
    if (openEditor == NULL)
        return;
    POINT position = {0, 0};
    SendMessageA(table.hwnd, LVM_GETITEMPOSITION, index, reinterpret_cast<LPARAM>(&position));
    RECT bounds = {LVIR_BOUNDS, 0, 0, 0};
    SendMessageA(table.hwnd, LVM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&bounds));
    int x = table.ColumnWidth(0) + position.x - 1;
    int y = position.y - 1;
    int width = table.ColumnWidth(1) - 3;
    int height = bounds.bottom - bounds.top;
    if (openEditor == &dropdownEditor) {
        RECT own;
        GetWindowRect(dropdownEditor.hwnd, &own);
        height = own.bottom - own.top;
    }
    MoveWindow(openEditor->hwnd, x, y, width, height, TRUE);
}

void PropertyGrid::SetRowHeight()
{
    ImageList rowHeight(0);
    rowHeight.IconWidth = 1;
    rowHeight.IconHeight = LogicalToPixels(table, kRowHeight);
    table.SetImageList(rowHeight);
}

void PropertyGrid::LayOut()
{
    RECT client;
    if (!GetClientRect(container.hwnd, &client))
        return;
    // The pane and the gap above it are logical heights, in the window's pixels.
    int pane = LogicalToPixels(container, kPaneHeight);
    int gap = LogicalToPixels(container, kPaneGap);
    MoveWindow(table.hwnd, 0, 0, client.right, client.bottom - pane - gap, TRUE);
    MoveWindow(descriptionPane.hwnd, 0, client.bottom - pane, client.right, pane, TRUE);
    table.Refresh();
    descriptionPane.Refresh();
    SetColumnWidths();
}

void PropertyGrid::SetColumnWidths()
{
    if (table.hwnd == NULL)
        return;
    // The client width leaves out the table's edge, and the scroll bar once
    // it shows; rows past the page bring it, so its width is left out for
    // them before the list view shows it.
    RECT client = {0, 0, 0, 0};
    GetClientRect(table.hwnd, &client);
    int width = client.right - client.left;
    int perPage = static_cast<int>(SendMessageA(table.hwnd, LVM_GETCOUNTPERPAGE, 0, 0));
    if (perPage < table.RowCount() && (GetWindowLongA(table.hwnd, GWL_STYLE) & WS_VSCROLL) == 0)
        width -= GetSystemMetrics(SM_CXVSCROLL);
    table.SetColumnWidth(0, width / 2);
    table.SetColumnWidth(1, width - width / 2);
}

void PropertyGrid::Commit(int index, const String& value)
{
    if (index < 0 || index >= static_cast<int>(rows.size()))
        return;
    table.Row(index).SetCellText(1, ShownValue(rows[index].type, value));
    rows[index].value = value;
    currentRow = rows[index];
    PostChanged();
}

// The value cells of colour rows get a swatch of their colour at their right
// end, drawn after the list view has drawn the cell and its "R, G, B".
LRESULT PropertyGrid::CustomDraw(NMLVCUSTOMDRAW* draw)
{
    const DWORD stage = draw->nmcd.dwDrawStage;
    if (stage == CDDS_PREPAINT)
        return CDRF_NOTIFYITEMDRAW;
    if (stage == CDDS_ITEMPREPAINT)
        return CDRF_NOTIFYSUBITEMDRAW;
    const int index = static_cast<int>(draw->nmcd.dwItemSpec);
    const bool colourCell = draw->iSubItem == 1 && index >= 0 &&
                            index < static_cast<int>(rows.size()) && rows[index].type == kPropertyColor;
    if (stage == (CDDS_ITEMPREPAINT | CDDS_SUBITEM))
        return colourCell ? CDRF_NOTIFYPOSTPAINT : CDRF_DODEFAULT;
    if (stage == (CDDS_ITEMPOSTPAINT | CDDS_SUBITEM) && colourCell) {
        RECT cell = {LVIR_BOUNDS, 1, 0, 0};
        if (SendMessageA(table.hwnd, LVM_GETSUBITEMRECT, index, reinterpret_cast<LPARAM>(&cell))) {
            const int side = cell.bottom - cell.top - 4;
            RECT swatch = {cell.right - side - 3, cell.top + 2, cell.right - 3, cell.bottom - 2};
            if (side > 2 && swatch.left > cell.left) {
                HBRUSH fill = CreateSolidBrush(PropertyColorValue(rows[index].value));
                if (fill != NULL) {
                    FillRect(draw->nmcd.hdc, &swatch, fill);
                    DeleteObject(fill);
                }
                FrameRect(draw->nmcd.hdc, &swatch, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
            }
        }
    }
    return CDRF_DODEFAULT;
}

void PropertyGrid::PostChanged()
{
    PostMessageA(GetParent(container.hwnd), kPropertyChangedMessage, container.id, 0);
}

bool PropertyGrid::EditorCommand(int identifier, int code)
{
    if (identifier == kPropertyDropdownEditorId && code == CBN_SELCHANGE &&
        openEditor == &dropdownEditor) {
        // Each choice is taken at once, as each keystroke of a text editor
        // is; the editor stays open with the keys, so Up and Down go on
        // moving through the choices.
        int selected = dropdownEditor.SelectedIndex;
        if (selected >= 0 && dropdownEditor.ItemText(selected) != rows[currentIndex].value)
            Commit(currentIndex, dropdownEditor.ItemText(selected));
    } else if (identifier == kPropertyTextEditorId && code == EN_CHANGE && openEditor == &textEditor) {
        String text = textEditor.Text;
        if (text != table.CellText(1, currentIndex))
            Commit(currentIndex, text);
    } else if (identifier == kPropertyColorEditorId) {
        if (openEditor != &colorEditor || colorEditor.hwnd == NULL)
            return false;
        if (code != BN_CLICKED)
            return true;
        COLORREF colour = PropertyColorValue(currentRow.value);
        if (ChooseColor(GetParent(container.hwnd), colour)) {
            // The dialog ran its own message loop: the editor may have gone meanwhile.
            if (openEditor == &colorEditor)
                colorEditor.Color = colour;
            Commit(currentIndex, NumberString(colour, 0));
        }
    } else if (identifier == kPropertyFileEditorId && code == BN_CLICKED && openEditor == &fileEditor) {
        fileDialog = FileDialog(GetParent(container.hwnd));
        fileDialog.AddFilter("All Files", "*.*");
        if (fileDialog.Open(currentRow.value)) {
            if (openEditor == &fileEditor)
                fileEditor.Text = fileDialog.FileName;
            Commit(currentIndex, fileDialog.FileName);
        }
    }
    return true;
}

void PropertyGrid::TableGone()
{
    openEditor = NULL;
    dropdownEditor.hwnd = NULL;
    textEditor.hwnd = NULL;
    fileEditor.hwnd = NULL;
    colorEditor.hwnd = NULL;
    table.hwnd = NULL;
    currentIndex = -1;
}

INT_PTR CALLBACK PropertyGridContainerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    PropertyGrid* grid = GridOfTable(GetDlgItem(window, kPropertyTableId));
    if (grid == NULL)
        return 0;
    switch (message) {
    case WM_NOTIFY: {
        const NMHDR* note = reinterpret_cast<const NMHDR*>(lParam);
        if (note->hwndFrom == grid->table.hwnd && note->code == NM_CUSTOMDRAW) {
            // A dialog procedure answers through DWLP_MSGRESULT.
            LRESULT answer = grid->CustomDraw(reinterpret_cast<NMLVCUSTOMDRAW*>(lParam));
            SetWindowLongPtrA(window, DWLP_MSGRESULT, answer);
            return TRUE;
        }
        if (note->hwndFrom != grid->table.hwnd || (note->code != NM_CLICK && note->code != LVN_ITEMCHANGED))
            break;
        // Of the changes only a row becoming selected counts: the list view
        // also reports the texts the editors write into the cells, and the
        // editor taking them must stay open.
        if (note->code == LVN_ITEMCHANGED) {
            const NMLISTVIEW* change = reinterpret_cast<const NMLISTVIEW*>(lParam);
            if (!(change->uChanged & LVIF_STATE) || !(change->uNewState & LVIS_SELECTED) ||
                (change->uOldState & LVIS_SELECTED))
                break;
        }
        int selected = static_cast<int>(
            SendMessageA(grid->table.hwnd, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
        if (selected >= 0)
            grid->SelectRow(selected);
        break;
    }
    case WM_COMMAND:
        SendMessageA(GetParent(window), WM_COMMAND, wParam, lParam);
        break;
    case WM_SIZE:
        grid->LayOut();
        break;
    default:
        // Moved to a screen of another DPI: every window has its new place;
        // the rows and the pane take their heights at the new DPI.
        if (message == DpiRescaledMessage()) {
            grid->CloseEditor();
            grid->SetRowHeight();
            grid->LayOut();
        }
        break;
    }
    return 0;
}

LRESULT CALLBACK PropertyGridTableProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR subclassId, DWORD_PTR data)
{
    PropertyGrid* grid = reinterpret_cast<PropertyGrid*>(data);
    switch (message) {
    case WM_SIZE:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_LBUTTONDOWN:
    case WM_MOUSEWHEEL:
        grid->CloseEditor();
        break;
    case WM_COMMAND:
        if (!grid->EditorCommand(LOWORD(wParam), HIWORD(wParam)))
            return 0;
        break;
    case WM_NCDESTROY:
        RemoveWindowSubclass(window, PropertyGridTableProc, subclassId);
        grid->TableGone();
        break;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}
