#include "common_dialogs.h"

#include <dlgs.h>

#include <vector>

HWND FileNameField(HWND dialog)
{
    // The explorer look nests it: ComboBoxEx32, its ComboBox, their Edit.
    for (HWND outer = GetDlgItem(dialog, cmb13); outer != NULL;
         outer = FindWindowExA(outer, NULL, NULL, NULL)) {
        char className[16] = "";
        GetClassNameA(outer, className, sizeof className);
        if (lstrcmpiA(className, "Edit") == 0)
            return outer;
    }
    return GetDlgItem(dialog, edt1);
}

std::string WindowText(HWND window)
{
    int length = GetWindowTextLengthA(window);
    std::vector<char> text(static_cast<size_t>(length > 0 ? length : 0) + 1, '\0');
    GetWindowTextA(window, text.data(), static_cast<int>(text.size()));
    return text.data();
}

void TypeFileName(HWND dialog, const std::string& name)
{
    SendMessageA(FileNameField(dialog), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str()));
}
