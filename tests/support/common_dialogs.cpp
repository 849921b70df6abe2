#include "common_dialogs.h"

#include <dlgs.h>

HWND FileNameField(HWND dialog)
{
    // The explorer look nests it: ComboBoxEx32, its ComboBox, their Edit.
    for (HWND outer = GetDlgItem(dialog, cmb13); outer != NULL;
         outer = FindWindowExA(outer, NULL, NULL, NULL)) {
        if (lstrcmpiA(WindowClass(outer).c_str(), "Edit") == 0)
            return outer;
    }
    return GetDlgItem(dialog, edt1);
}

void TypeFileName(HWND dialog, const std::string& name)
{
    SendMessageA(FileNameField(dialog), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str()));
}
