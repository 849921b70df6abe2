#include "extended_combo_item.h"

#include <commctrl.h>

ExtendedComboItem ReadExtendedComboItem(HWND combo, int index)
{
    std::string text(200001, '\0');
    COMBOBOXEXITEMA item = {};
    item.mask = CBEIF_TEXT | CBEIF_IMAGE | CBEIF_SELECTEDIMAGE | CBEIF_LPARAM;
    item.iItem = index;
    item.pszText = &text[0];
    item.cchTextMax = static_cast<int>(text.size());
    ExtendedComboItem read = {false, "", -1, -1, 0};
    if (!SendMessageA(combo, CBEM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)))
        return read;
    read.found = true;
    read.text = text.c_str();
    read.image = item.iImage;
    read.selectedImage = item.iSelectedImage;
    read.data = item.lParam;
    return read;
}
