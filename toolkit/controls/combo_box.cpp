#include "combo_box.h"

#include <commctrl.h>

#include <string.h>
#include <wchar.h>

#include <vector>

#include "../foundation/whole_characters.h"
#include "../foundation/wide_text.h"
#include "basic_control.h"

static_assert(kComboBoxStyle ==
                  (WS_CHILD | WS_VSCROLL | WS_TABSTOP | CBS_DISABLENOSCROLL | CBS_DROPDOWN),
              "combo box style");
static_assert((kComboBoxStyle | kComboBoxListOnlyStyle) ==
                  (WS_CHILD | WS_VSCROLL | WS_TABSTOP | CBS_DISABLENOSCROLL | CBS_DROPDOWNLIST),
              "list-only combo box style");

namespace {

const ControlKind kComboBoxKind = {
    WC_COMBOBOXEXA,
    "ComboBox",
    {kStepText, kStepMove, kStepSize, kStepFont, kStepCentre, kStepDisable, kStepShow, kStepEnd}};

LRESULT Send(HWND combo, UINT message, WPARAM wParam, const String& text)
{
    return SendToLive(combo, message, wParam, reinterpret_cast<LPARAM>(text.CStr()), CB_ERR);
}

// SendMessageA to no window answers 0, which must not pass for success.
bool Succeeds(HWND combo, UINT message, WPARAM wParam)
{
    return SendToLive(combo, message, wParam, 0, CB_ERR) != CB_ERR;
}

}  // namespace

ComboBox::ComboBox()
{
    ClearBasicControl(*this);
    BindProperties();
}

ComboBox::ComboBox(const String& text, int identifier, int x, int y, int width, int height,
                   Control parentControl, bool enabled, bool visible, bool centred, bool listOnly,
                   DWORD exStyle)
{
    ClearBasicControl(*this);
    BindProperties();
    Create(text, identifier, x, y, width, height, parentControl, enabled, visible, centred,
           listOnly, exStyle);
}

ComboBox::ComboBox(const String& text, int identifier, Control parentControl, bool listOnly)
{
    ClearBasicControl(*this);
    BindProperties();
    Create(text, identifier, 0, 0, 0, 200, parentControl, true, true, false, listOnly);
}

void ComboBox::BindProperties()
{
    SelectedIndex.Bind(this, &ComboBox::GetSelectedIndex, NULL);
    SelectedData.Bind(this, &ComboBox::GetSelectedData, NULL);
    TopIndex.Bind(this, &ComboBox::GetTopIndex, NULL);
}

bool ComboBox::Create(const String& text, int identifier, int x, int y, int width, int height,
                      Control parentControl, bool enabled, bool visible, bool centred,
                      bool listOnly, DWORD exStyle)
{
    DWORD style = kComboBoxStyle;
    if (listOnly)
        style |= kComboBoxListOnlyStyle;
    ControlPlacement place = {text, identifier, x, y, width, height, enabled, visible, centred, exStyle};
    return CreateBasicControl(*this, kComboBoxKind, style, place, parentControl);
}

int ComboBox::GetSelectedIndex()
{
    return static_cast<int>(SendToLive(hwnd, CB_GETCURSEL, 0, 0, CB_ERR));
}

LPARAM ComboBox::GetSelectedData()
{
    LRESULT selected = SendMessageA(hwnd, CB_GETCURSEL, 0, 0);
    return selected == CB_ERR ? 0 : ItemData(static_cast<int>(selected));
}

// Asked of the inner combo box, which the extended one does not pass it to.
int ComboBox::GetTopIndex()
{
    HWND inner = reinterpret_cast<HWND>(SendMessageA(hwnd, CBEM_GETCOMBOCONTROL, 0, 0));
    return static_cast<int>(SendMessageA(inner, CB_GETTOPINDEX, 0, 0));
}

HIMAGELIST ComboBox::SetImageList(const ImageList& list)
{
    return ShowKeptImageList(hwnd, CBEM_SETIMAGELIST, 0, list);
}

int ComboBox::Add(const String& text, LPARAM data, int image)
{
    if (!IsLiveWindow(hwnd))
        return 0;
    int count = Count();
    COMBOBOXEXITEMA item = {};
    item.mask = CBEIF_TEXT | CBEIF_IMAGE | CBEIF_SELECTEDIMAGE;
    item.iItem = count;
    item.pszText = const_cast<char*>(text.CStr());
    item.iImage = image;
    item.iSelectedImage = image;
    LRESULT index = SendMessageA(hwnd, CBEM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    if (index < 0)
        return 0;
    SendMessageA(hwnd, CB_SETITEMDATA, index, data);
    return count + 1;
}

int ComboBox::SelectString(const String& text)
{
    int found = FindString(text);
    if (found == CB_ERR)
        return CB_ERR;
    return static_cast<int>(SendMessageA(hwnd, CB_SETCURSEL, found, 0));
}

bool ComboBox::SetSelectedIndex(int index)
{
    return Succeeds(hwnd, CB_SETCURSEL, index);
}

// The extended combo box keeps the items' texts itself: its inner combo box
// is owner-drawn without strings, so CB_FINDSTRING cannot be passed on to it
// (Wine's answers 0, "item 0", for every text). The texts are compared here,
// in the order the control would search them.
int ComboBox::FindString(const String& text)
{
    int count = Count();
    int length = static_cast<int>(text.size());
    for (int step = 1; step <= count; ++step) {
        int index = step % count;
        String item = ItemText(index);
        if (static_cast<int>(item.size()) >= length &&
            CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, item.CStr(), length, text.CStr(),
                           length) == CSTR_EQUAL)
            return index;
    }
    return CB_ERR;
}

int ComboBox::FindStringExact(const String& text)
{
    return static_cast<int>(Send(hwnd, CB_FINDSTRINGEXACT, 0, text));
}

LPARAM ComboBox::ItemData(int index)
{
    LRESULT data = SendMessageA(hwnd, CB_GETITEMDATA, index, 0);
    return data == CB_ERR ? 0 : data;
}

LPARAM ComboBox::DataOf(const String& text)
{
    int found = FindString(text);
    return found == CB_ERR ? 0 : ItemData(found);
}

// Bytes of the item's text as the program reads it: under a multi-byte code
// page the ANSI length may be only an upper bound.
int ComboBox::ItemTextLength(int index)
{
    if (MostBytesPerUnit() > 1)
        return static_cast<int>(ItemText(index).size());
    LRESULT length = SendMessageA(hwnd, CB_GETLBTEXTLEN, index, 0);
    return length == CB_ERR ? 0 : static_cast<int>(length);
}

// CBEM_GETITEM copies at most the buffer's size and says nothing of the
// length, so the buffer grows until the text fits with room to spare. The
// wide message is used (see wide_text.h): under UTF-8 the ANSI one cuts the
// text short of a buffer it would fit.
String ComboBox::ItemText(int index)
{
    if (hwnd == NULL || index < 0)
        return String();
    std::vector<wchar_t> buffer(256);
    for (;;) {
        buffer[0] = 0;
        COMBOBOXEXITEMW item = {};
        item.mask = CBEIF_TEXT;
        item.iItem = index;
        item.pszText = buffer.data();
        item.cchTextMax = static_cast<int>(buffer.size());
        if (!SendMessageW(hwnd, CBEM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item)))
            return String();
        // The control may answer with a pointer to its own copy.
        const wchar_t* text = item.pszText != NULL ? item.pszText : L"";
        size_t length = wcsnlen(text, buffer.size());
        if (text != buffer.data() || length + 1 < buffer.size())
            return AnsiFromWide(text, length);
        buffer.assign(buffer.size() * 2, 0);
    }
}

bool ComboBox::Delete(int index)
{
    return Succeeds(hwnd, CB_DELETESTRING, index);
}

bool ComboBox::DeleteString(const String& text)
{
    int found = FindString(text);
    return found != CB_ERR && Delete(found);
}

int ComboBox::Count()
{
    return static_cast<int>(SendMessageA(hwnd, CB_GETCOUNT, 0, 0));
}

int ComboBox::SetItemHeight(int height)
{
    return static_cast<int>(SendMessageA(hwnd, CB_SETITEMHEIGHT, 0, height));
}

void ComboBox::Clear()
{
    SendMessageA(hwnd, CB_RESETCONTENT, 0, 0);
}
