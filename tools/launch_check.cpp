// Starts tuckle.exe in a given folder, waits for its main window, closes it
// and reports whether the game came up and ended cleanly.
//
// Usage: launch_check.exe <game folder>
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

struct Search { DWORD process; HWND found; };

BOOL CALLBACK MatchMain(HWND w, LPARAM p)
{
    Search* s = reinterpret_cast<Search*>(p);
    DWORD owner = 0;
    GetWindowThreadProcessId(w, &owner);
    char text[128] = "";
    GetWindowTextA(w, text, sizeof text);
    if (owner == s->process && IsWindowVisible(w) && std::strncmp(text, "Tuckle's - ", 11) == 0) {
        s->found = w;
        return FALSE;
    }
    return TRUE;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: launch_check <game folder>\n");
        return 2;
    }
    std::string folder = argv[1];
    std::string program = folder + "\\tuckle.exe";
    std::string line = "\"" + program + "\"";
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    if (!CreateProcessA(program.c_str(), &line[0], NULL, NULL, FALSE, 0, NULL, folder.c_str(), &si, &pi)) {
        std::printf("launch check: cannot start %s\n", program.c_str());
        return 1;
    }
    Search s = {pi.dwProcessId, NULL};
    for (int i = 0; i < 300 && !s.found; ++i) {
        EnumWindows(MatchMain, reinterpret_cast<LPARAM>(&s));
        if (!s.found) Sleep(50);
    }
    int status = 0;
    if (s.found) {
        char caption[128] = "";
        GetWindowTextA(s.found, caption, sizeof caption);
        std::printf("launch check: \"%s\" is up\n", caption);
        PostMessageA(s.found, WM_CLOSE, 0, 0);
    } else {
        std::printf("launch check: the main window did not appear\n");
        status = 1;
    }
    DWORD exitCode = 1;
    if (WaitForSingleObject(pi.hProcess, 15000) != WAIT_OBJECT_0) {
        TerminateProcess(pi.hProcess, 1);
        std::printf("launch check: the game did not end\n");
        status = 1;
    } else if (GetExitCodeProcess(pi.hProcess, &exitCode) && exitCode != 0) {
        std::printf("launch check: the game ended with status %lu\n", exitCode);
        status = 1;
    }
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return status;
}
