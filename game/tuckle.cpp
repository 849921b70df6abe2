// Tuckle: the program's entry point runs the main game dialog modally.
#include <windows.h>

#include "game_window.h"
#include "main_window.h"
#include "resource_ids.h"
#include "wicker.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    gameWindow.instance = instance;
    return static_cast<int>(
        DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_MAIN), NULL, MainDialogProc, 0));
}
