// The main game window: one modal dialog holding the whole game.
#ifndef TUCKLE_MAIN_WINDOW_H
#define TUCKLE_MAIN_WINDOW_H

#include <windows.h>

INT_PTR CALLBACK MainDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Refreshes the display after a turn and finishes a won or lost word.
void ShowTurnResult(HWND dialog);

// Loads and shows the stage bitmap for wrongCount.
void ShowStagePicture();

// Draws the next word, shows the first stage and speaks the word. The
// subject in play always has a word: its list was loaded before.
void StartNextWord();

void ResetTallies(HWND dialog);

#endif
