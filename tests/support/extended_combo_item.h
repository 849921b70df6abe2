// One item of an extended combo box ("ComboBoxEx32") as the control itself
// reports it (CBEM_GETITEMA), apart from any wrapper.
#ifndef TESTS_SUPPORT_EXTENDED_COMBO_ITEM_H
#define TESTS_SUPPORT_EXTENDED_COMBO_ITEM_H

#include <windows.h>

#include <string>

struct ExtendedComboItem {
    bool found;  // false when the control has no such item
    std::string text;
    int image, selectedImage;
    LPARAM data;
};

// Reads the text (into a buffer larger than any text the tests add), the
// images and the data of the item at the index.
ExtendedComboItem ReadExtendedComboItem(HWND combo, int index);

#endif
