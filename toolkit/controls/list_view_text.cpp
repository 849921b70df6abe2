#include "list_view_text.h"

#include <commctrl.h>

#include <vector>

#include "foundation/control.h"

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

String ListViewCellText(HWND list, int item, int column)
{
    if (list == NULL || item < 0 || column < 0)
        return String();
    // Most texts fit the first buffer, so most reads take one message. The
    // answer is the number of bytes copied: a text that filled the buffer to
    // its last byte may have been cut, and is asked again with a larger one.
    char first[256];
    std::vector<char> grown;
    char* buffer = first;
    size_t size = sizeof first;
    for (;;) {
        buffer[0] = '\0';
        LVITEMA request = {};
        request.iSubItem = column;
        request.pszText = buffer;
        request.cchTextMax = static_cast<int>(size);
        LRESULT copied =
            SendMessageA(list, LVM_GETITEMTEXTA, item, reinterpret_cast<LPARAM>(&request));
        if (copied <= 0)
            return String();
        if (static_cast<size_t>(copied) < size - 1)
            return String(buffer, static_cast<size_t>(copied));
        if (size >= 0x10000000)
            return String(buffer, size - 1);
        size *= 4;
        grown.assign(size, '\0');
        buffer = grown.data();
    }
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
