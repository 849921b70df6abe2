// The least program that shows the game's main dialog template: the yardstick
// for the game's start-up time. It links neither the toolkit nor the game.
#include <windows.h>

#include "resource_ids.h"

namespace {

INT_PTR CALLBACK MinimalProc(HWND dialog, UINT message, WPARAM, LPARAM)
{
    if (message == WM_INITDIALOG) return TRUE;
    if (message == WM_CLOSE) {
        EndDialog(dialog, 0);
        return TRUE;
    }
    return FALSE;
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    return static_cast<int>(
        DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_MAIN), NULL, MinimalProc, 0));
}
