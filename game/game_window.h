// The game's process-wide state and the window handles of its dialogs.
#ifndef TUCKLE_GAME_WINDOW_H
#define TUCKLE_GAME_WINDOW_H

#include <windows.h>

#include "game_state.h"

// Handles that belong with the game state but are platform objects.
struct GameWindow {
    HINSTANCE instance;
    HWND stageStatic;      // the stage picture control
    HBITMAP stageBitmap;   // the bitmap it shows
    HWND resultStatic;     // the picture control of the open result box
    HBITMAP resultBitmap;  // the bitmap it shows
};

extern GameState game;
extern GameWindow gameWindow;

#endif
