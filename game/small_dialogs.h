// The exit confirmation, the subject list, the About box and the result box.
#ifndef TUCKLE_SMALL_DIALOGS_H
#define TUCKLE_SMALL_DIALOGS_H

#include <windows.h>

// Values of dialogMode: which variant GameDialogProc shows.
enum DialogMode {
    ModeNone = 0,
    ModeExit = 1,
    ModeNewGame = 3,
    ModeAbout = 4,
    ModeHelp = 6,
    ModeLost = 7,
    ModeWon = 8
};

// The one dialog procedure of the four small dialogs.
INT_PTR CALLBACK GameDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Sets dialogMode and runs a small dialog modally, owned by the main window.
// Returns its end code, or -1 when the dialog could not be created.
INT_PTR RunGameDialog(HWND owner, int mode, int templateId);

#endif
