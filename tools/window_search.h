// Finding the game's top-level windows from another process.
#ifndef TUCKLE_TOOLS_WINDOW_SEARCH_H
#define TUCKLE_TOOLS_WINDOW_SEARCH_H

#include <windows.h>

// A visible top-level window whose caption starts with prefix, belonging to
// the process (any process when 0); NULL when there is none now.
HWND FindVisibleWindow(DWORD process, const char* prefix);

#endif
