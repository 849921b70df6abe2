#include "small_dialogs.h"

#include <cstring>

#include "game_window.h"
#include "resource_ids.h"

namespace {

const int ResultPictureX = 43;
const int ResultPictureY = 43;
const int ResultPictureWidth = 50;
const int ResultPictureHeight = 48;

void FillSubjectList(HWND dialog)
{
    HWND list = GetDlgItem(dialog, IDC_SUBJECT_LIST);
    for (int n = 1; n <= game.subjectCount; ++n) {
        char name[EntryBytes];
        std::memcpy(name, game.subjectNames[n], EntryBytes);
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
    }
}

// Result box: its caption, picture and group box caption.
void ShowResult(HWND dialog, const char* caption, const char* file, const char* verdict)
{
    SetWindowTextA(dialog, caption);
    gameWindow.resultBitmap = static_cast<HBITMAP>(LoadImageA(
        gameWindow.instance, file, IMAGE_BITMAP, ResultPictureWidth, ResultPictureHeight,
        LR_LOADFROMFILE));
    gameWindow.resultStatic = CreateWindowExA(
        0, "STATIC", "", WS_CHILD | SS_BITMAP, ResultPictureX, ResultPictureY,
        ResultPictureWidth, ResultPictureHeight, dialog,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_RESULT_PICTURE)), gameWindow.instance, NULL);
    if (gameWindow.resultStatic) {
        ShowWindow(gameWindow.resultStatic, SW_SHOW);
        SendMessageA(gameWindow.resultStatic, STM_SETIMAGE, IMAGE_BITMAP,
                     reinterpret_cast<LPARAM>(gameWindow.resultBitmap));
    } else if (gameWindow.resultBitmap) {
        // Nothing will show the bitmap, and the box's end would not free it.
        DeleteObject(gameWindow.resultBitmap);
        gameWindow.resultBitmap = NULL;
    }
    SetDlgItemTextA(dialog, IDC_RESULT_FRAME, verdict);
    SetDlgItemTextA(dialog, IDC_RESULT_TEXT, "");
}

// Load: the one selected subject becomes the chosen one; with none or
// several selected the choice stays as it was.
void ChooseSubject(HWND dialog)
{
    HWND list = GetDlgItem(dialog, IDC_SUBJECT_LIST);
    if (SendMessageA(list, LB_GETSELCOUNT, 0, 0) == 1) {
        int index = 0;
        SendMessageA(list, LB_GETSELITEMS, 1, reinterpret_cast<LPARAM>(&index));
        game.chosenSubject = index + 1;
    }
}

} // namespace

INT_PTR CALLBACK GameDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        switch (game.dialogMode) {
        case ModeExit:
            SetWindowTextA(dialog, "Tuckle - Exit");
            SetDlgItemTextA(dialog, IDC_EXIT_TEXT, "\r\nAre you sure you wish to exit Tuckle?");
            break;
        case ModeNewGame:
            FillSubjectList(dialog);
            break;
        case ModeAbout:
            SetWindowTextA(dialog, "Tuckle - About");
            break;
        case ModeLost:
            ShowResult(dialog, "Tuckle - Lose", "lose.bmp", "You lost!");
            break;
        case ModeWon:
            ShowResult(dialog, "Tuckle - Win", "win.bmp", "You won!");
            break;
        }
        return TRUE;

    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_EXIT_YES: EndDialog(dialog, IDYES); break;
        case IDC_EXIT_NO: EndDialog(dialog, IDNO); break;
        case IDC_OKAY: EndDialog(dialog, IDOK); break;
        case IDC_NEW_GAME_CANCEL: EndDialog(dialog, IDNO); break;
        case IDC_LOAD:
            ChooseSubject(dialog);
            EndDialog(dialog, IDYES);
            break;
        }
        return TRUE;

    case WM_DESTROY:
        // The result picture goes with its box; release its bitmap too.
        if (gameWindow.resultStatic && GetParent(gameWindow.resultStatic) == dialog) {
            SendMessageA(gameWindow.resultStatic, STM_SETIMAGE, IMAGE_BITMAP, 0);
            gameWindow.resultStatic = NULL;
            if (gameWindow.resultBitmap) DeleteObject(gameWindow.resultBitmap);
            gameWindow.resultBitmap = NULL;
        }
        return FALSE;
    }
    return FALSE;
}

INT_PTR RunGameDialog(HWND owner, int mode, int templateId)
{
    game.dialogMode = mode;
    return DialogBoxParamA(gameWindow.instance, MAKEINTRESOURCEA(templateId), owner,
                           GameDialogProc, 0);
}
