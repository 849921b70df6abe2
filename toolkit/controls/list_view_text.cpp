#include "list_view_text.h"

#include <commctrl.h>

#include "foundation/control.h"
#include "foundation/wide_text.h"

LRESULT InsertListViewItem(HWND list, int place, const String& text, int image,
                           LVITEMA* inserted)
{
    LVITEMA item = {};
    item.mask = LVIF_TEXT | LVIF_IMAGE;
    item.iItem = place;
    item.pszText = const_cast<char*>(text.CStr());
    item.iImage = image;
    LRESULT index = SendToLive(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item), -1);
    item.pszText = NULL;
    *inserted = item;
    return index;
}

// LVM_GETITEMTEXTW answers the number of units copied: a text that fills the
// buffer may have been cut, so the buffer grows until it fits (ReadWideText).
String ListViewCellText(HWND list, int item, int column)
{
    if (list == NULL || item < 0 || column < 0)
        return String();
    return ReadWideText([&](wchar_t* buffer, int size, const wchar_t** answer) {
        LVITEMW request = {};
        request.iSubItem = column;
        request.pszText = buffer;
        request.cchTextMax = size;
        LRESULT copied = SendMessageW(list, LVM_GETITEMTEXTW, item, reinterpret_cast<LPARAM>(&request));
        *answer = request.pszText;
        return copied > 0;
    });
}

bool SetListViewCellText(HWND list, int item, int column, const String& text)
{
    if (list == NULL || item < 0 || column < 0)
        return false;
    LVITEMA request = {};
    request.iSubItem = column;
    request.pszText = const_cast<char*>(text.CStr());
    return SendMessageA(list, LVM_SETITEMTEXTA, item, reinterpret_cast<LPARAM>(&request)) != 0;
}

bool SetListViewBackground(HWND list, COLORREF colour)
{
    if (list == NULL || !SendMessageA(list, LVM_SETBKCOLOR, 0, colour))
        return false;
    SendMessageA(list, LVM_SETTEXTBKCOLOR, 0, colour);
    InvalidateWhole(list);
    return true;
}

bool SetListViewTextColour(HWND list, COLORREF colour)
{
    if (list == NULL)
        return false;
    LRESULT taken = SendMessageA(list, LVM_SETTEXTCOLOR, 0, colour);
    InvalidateWhole(list);
    return taken != 0;
}
