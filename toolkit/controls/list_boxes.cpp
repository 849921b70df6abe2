#include "list_boxes.h"

#include <vector>

#include "basic_control.h"
#include "../foundation/whole_characters.h"
#include "../foundation/wide_text.h"

static_assert(kListBoxStyle == (WS_CHILD | WS_VSCROLL | WS_BORDER | WS_TABSTOP |
                                LBS_NOINTEGRALHEIGHT | LBS_HASSTRINGS | LBS_SORT | LBS_NOTIFY),
              "list box style");
static_assert(kMCListBoxStyle == (WS_CHILD | WS_TABSTOP | LBS_DISABLENOSCROLL | LBS_MULTICOLUMN |
                                  LBS_HASSTRINGS | LBS_NOTIFY),
              "multi-column list box style");

namespace {

const ControlKind kListBoxKind = {
    "LISTBOX",
    "ListBox",
    {kStepText, kStepMove, kStepSize, kStepFont, kStepCentre, kStepDisable, kStepShow, kStepEnd}};
const ControlKind kMCListBoxKind = {
    "LISTBOX",
    "MCListBox",
    {kStepText, kStepOwn, kStepMove, kStepSize, kStepFont, kStepCentre, kStepDisable, kStepShow,
     kStepEnd}};

// Both list boxes send the same messages; they differ only in where
// LB_FINDSTRING and LB_SELECTSTRING start (the search begins after that index).

// Searches and additions answer LB_ERR when the list is not there.
LRESULT Send(HWND list, UINT message, WPARAM wParam, const String& text)
{
    return SendToLive(list, message, wParam, reinterpret_cast<LPARAM>(text.CStr()), LB_ERR);
}

int AddItem(HWND list, const String& text, LPARAM data)
{
    LRESULT index = Send(list, LB_ADDSTRING, 0, text);
    if (index < 0)
        return LB_ERR;
    SendMessageA(list, LB_SETITEMDATA, index, data);
    return static_cast<int>(index);
}

LPARAM DataOfItem(HWND list, int found)
{
    if (found == LB_ERR)
        return 0;
    return SendMessageA(list, LB_GETITEMDATA, found, 0);
}

// The length is asked first, so a text of any length comes back whole. The
// wide messages count exactly; the ANSI length may be only an upper bound
// under a multi-byte code page.
String TextOf(HWND list, int index)
{
    LRESULT length = SendMessageW(list, LB_GETTEXTLEN, index, 0);
    if (length <= 0)
        return String();
    std::wstring buffer(static_cast<size_t>(length) + 1, L'\0');
    LRESULT copied = SendMessageW(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(&buffer[0]));
    if (copied <= 0)
        return String();
    return AnsiFromWide(buffer.c_str(), static_cast<size_t>(copied < length ? copied : length));
}

// Bytes of the item's text as the program reads it.
int LengthOf(HWND list, int index)
{
    if (MostBytesPerUnit() == 1) {
        LRESULT length = SendMessageA(list, LB_GETTEXTLEN, index, 0);
        return length == LB_ERR ? 0 : static_cast<int>(length);
    }
    return static_cast<int>(TextOf(list, index).size());
}

// SendMessageA to no window answers 0, which must not pass for success.
bool Succeeds(HWND list, UINT message, WPARAM wParam)
{
    return SendToLive(list, message, wParam, 0, LB_ERR) != LB_ERR;
}

bool DeleteFound(HWND list, int found)
{
    return found != LB_ERR && Succeeds(list, LB_DELETESTRING, found);
}

LPARAM SelectedDataOf(HWND list)
{
    LRESULT selected = SendMessageA(list, LB_GETCURSEL, 0, 0);
    return selected == LB_ERR ? 0 : SendMessageA(list, LB_GETITEMDATA, selected, 0);
}

void SetColumns(Control& control, void* context)
{
    SendMessageA(control.hwnd, LB_SETCOLUMNWIDTH, *static_cast<int*>(context), 0);
}

}  // namespace

// ---- ListBox ----

ListBox::ListBox()
{
    ClearBasicControl(*this);
    BindProperties();
}

ListBox::ListBox(const String& text, int identifier, int x, int y, int width, int height,
                 Control parentControl, bool enabled, bool visible, bool centred, DWORD exStyle)
{
    ClearBasicControl(*this);
    BindProperties();
    Create(text, identifier, x, y, width, height, parentControl, enabled, visible, centred,
           exStyle);
}

ListBox::ListBox(const String& text, int identifier, Control parentControl)
{
    ClearBasicControl(*this);
    BindProperties();
    Create(text, identifier, 0, 0, 0, 0, parentControl);
}

void ListBox::BindProperties()
{
    SelectedIndex.Bind(this, &ListBox::GetSelectedIndex, NULL);
    SelectedData.Bind(this, &ListBox::GetSelectedData, NULL);
}

bool ListBox::Create(const String& text, int identifier, int x, int y, int width, int height,
                     Control parentControl, bool enabled, bool visible, bool centred,
                     DWORD exStyle)
{
    ControlPlacement place = {text, identifier, x, y, width, height, enabled, visible, centred, exStyle};
    return CreateBasicControl(*this, kListBoxKind, kListBoxStyle, place, parentControl);
}

int ListBox::GetSelectedIndex()
{
    return static_cast<int>(SendToLive(hwnd, LB_GETCURSEL, 0, 0, LB_ERR));
}

LPARAM ListBox::GetSelectedData()
{
    return SelectedDataOf(hwnd);
}

int ListBox::Add(const String& text, LPARAM data)
{
    return AddItem(hwnd, text, data);
}

int ListBox::SelectString(const String& text)
{
    return static_cast<int>(Send(hwnd, LB_SELECTSTRING, static_cast<WPARAM>(-1), text));
}

bool ListBox::SetSelectedIndex(int index)
{
    return Succeeds(hwnd, LB_SETCURSEL, index);
}

int ListBox::FindString(const String& text)
{
    return static_cast<int>(Send(hwnd, LB_FINDSTRING, static_cast<WPARAM>(-1), text));
}

int ListBox::FindStringExact(const String& text)
{
    return static_cast<int>(Send(hwnd, LB_FINDSTRINGEXACT, 0, text));
}

LPARAM ListBox::ItemData(int index)
{
    return SendMessageA(hwnd, LB_GETITEMDATA, index, 0);
}

LPARAM ListBox::DataOf(const String& text)
{
    return DataOfItem(hwnd, FindString(text));
}

int ListBox::ItemTextLength(int index)
{
    return LengthOf(hwnd, index);
}

String ListBox::ItemText(int index)
{
    return TextOf(hwnd, index);
}

bool ListBox::Delete(int index)
{
    return Succeeds(hwnd, LB_DELETESTRING, index);
}

bool ListBox::DeleteString(const String& text)
{
    return DeleteFound(hwnd, FindString(text));
}

int ListBox::Count()
{
    return static_cast<int>(SendMessageA(hwnd, LB_GETCOUNT, 0, 0));
}

int ListBox::SetItemHeight(int height)
{
    return static_cast<int>(SendMessageA(hwnd, LB_SETITEMHEIGHT, 0, height));
}

void ListBox::Clear()
{
    SendMessageA(hwnd, LB_RESETCONTENT, 0, 0);
}

// ---- MCListBox ----

MCListBox::MCListBox()
{
    ClearBasicControl(*this);
    BindProperties();
}

MCListBox::MCListBox(const String& text, int identifier, int x, int y, int width, int height,
                     Control parentControl, bool enabled, bool visible, bool centred, bool border,
                     int columnWidth, DWORD exStyle)
{
    ClearBasicControl(*this);
    BindProperties();
    Create(text, identifier, x, y, width, height, parentControl, enabled, visible, centred,
           border, columnWidth, exStyle);
}

void MCListBox::BindProperties()
{
    SelectedIndex.Bind(this, &MCListBox::GetSelectedIndex, NULL);
    SelectedData.Bind(this, &MCListBox::GetSelectedData, NULL);
}

bool MCListBox::Create(const String& text, int identifier, int x, int y, int width, int height,
                       Control parentControl, bool enabled, bool visible, bool centred,
                       bool border, int columnWidth, DWORD exStyle)
{
    DWORD style = kMCListBoxStyle;
    if (border)
        style |= kMCListBoxBorderStyle;
    ControlPlacement place = {text, identifier, x, y, width, height, enabled, visible, centred, exStyle};
    return CreateBasicControl(*this, kMCListBoxKind, style, place, parentControl, SetColumns,
                              &columnWidth);
}

int MCListBox::GetSelectedIndex()
{
    return static_cast<int>(SendToLive(hwnd, LB_GETCURSEL, 0, 0, LB_ERR));
}

LPARAM MCListBox::GetSelectedData()
{
    return SelectedDataOf(hwnd);
}

int MCListBox::Add(const String& text, LPARAM data)
{
    return AddItem(hwnd, text, data);
}

int MCListBox::SelectString(const String& text)
{
    return static_cast<int>(Send(hwnd, LB_SELECTSTRING, 0, text));
}

bool MCListBox::SetSelectedIndex(int index)
{
    return Succeeds(hwnd, LB_SETCURSEL, index);
}

int MCListBox::FindString(const String& text)
{
    return static_cast<int>(Send(hwnd, LB_FINDSTRING, 0, text));
}

int MCListBox::FindStringExact(const String& text)
{
    return static_cast<int>(Send(hwnd, LB_FINDSTRINGEXACT, 0, text));
}

LPARAM MCListBox::ItemData(int index)
{
    return SendMessageA(hwnd, LB_GETITEMDATA, index, 0);
}

LPARAM MCListBox::DataOf(const String& text)
{
    return DataOfItem(hwnd, FindString(text));
}

int MCListBox::ItemTextLength(int index)
{
    return LengthOf(hwnd, index);
}

String MCListBox::ItemText(int index)
{
    return TextOf(hwnd, index);
}

bool MCListBox::Delete(int index)
{
    return Succeeds(hwnd, LB_DELETESTRING, index);
}

bool MCListBox::DeleteString(const String& text)
{
    return DeleteFound(hwnd, FindString(text));
}

int MCListBox::Count()
{
    return static_cast<int>(SendMessageA(hwnd, LB_GETCOUNT, 0, 0));
}

int MCListBox::SetItemHeight(int height)
{
    return static_cast<int>(SendMessageA(hwnd, LB_SETITEMHEIGHT, 0, height));
}

void MCListBox::Clear()
{
    SendMessageA(hwnd, LB_RESETCONTENT, 0, 0);
}

void MCListBox::SetColumnWidth(int width)
{
    SendMessageA(hwnd, LB_SETCOLUMNWIDTH, width, 0);
    InvalidateWhole(hwnd);
}
