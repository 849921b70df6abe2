// Reading and filling the system's open and save dialogs from a helper
// thread (see DialogAnswer), as a user would type into them.
#ifndef TESTS_SUPPORT_COMMON_DIALOGS_H
#define TESTS_SUPPORT_COMMON_DIALOGS_H

#include <windows.h>

#include <string>

#include "window_attributes.h"

// The edit field that holds the file name of an open or save dialog: the
// edit inside its file-name combo box (cmb13) in the explorer look, else edt1.
HWND FileNameField(HWND dialog);

// Types the name into the dialog's file-name field.
void TypeFileName(HWND dialog, const std::string& name);

#endif
