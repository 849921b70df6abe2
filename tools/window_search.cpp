#include "window_search.h"

#include <cstring>

namespace {

struct Search {
    DWORD process;
    const char* prefix;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM parameter)
{
    Search* search = reinterpret_cast<Search*>(parameter);
    if (!IsWindowVisible(window)) return TRUE;
    if (search->process) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner != search->process) return TRUE;
    }
    char text[128] = "";
    GetWindowTextA(window, text, sizeof text);
    if (std::strncmp(text, search->prefix, std::strlen(search->prefix)) != 0) return TRUE;
    search->found = window;
    return FALSE;
}

} // namespace

HWND FindVisibleWindow(DWORD process, const char* prefix)
{
    Search search = {process, prefix, NULL};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}
