// Starts a program in a given folder, waits for its main window, closes it
// and reports whether the program came up and ended cleanly. By default the
// program is the game, tuckle.exe, whose caption starts "Tuckle's - ".
//
// Usage: launch_check.exe <folder> [<program> <caption start> [<command>]]
// With a command identifier the window is asked to end by that WM_COMMAND
// (a program whose close box only hides it, such as a tray utility) instead
// of WM_CLOSE.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "emulation.h"
#include "window_search.h"

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: launch_check <folder> [<program> <caption start> [<command>]]\n");
        return 2;
    }
    std::string folder = argv[1];
    std::string program = folder + "\\" + (argc > 3 ? argv[2] : "tuckle.exe");
    const char* caption = argc > 3 ? argv[3] : "Tuckle's - ";
    std::string line = "\"" + program + "\"";
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    if (!CreateProcessA(program.c_str(), &line[0], NULL, NULL, FALSE, 0, NULL, folder.c_str(), &si, &pi)) {
        std::printf("launch check: cannot start %s\n", program.c_str());
        return 1;
    }
    // Through a user-mode emulator a program takes many times as long to
    // start and to end.
    const unsigned long tries = EmulatorScaled(15000) / 50;
    HWND window = NULL;
    for (unsigned long i = 0; i < tries && !window; ++i) {
        window = FindVisibleWindow(pi.dwProcessId, caption);
        if (!window) Sleep(50);
    }
    int status = 0;
    if (window) {
        char caption[128] = "";
        GetWindowTextA(window, caption, sizeof caption);
        std::printf("launch check: \"%s\" is up\n", caption);
        if (argc > 4)
            PostMessageA(window, WM_COMMAND, static_cast<WPARAM>(std::atoi(argv[4])), 0);
        else
            PostMessageA(window, WM_CLOSE, 0, 0);
    } else {
        std::printf("launch check: the main window did not appear\n");
        status = 1;
    }
    DWORD exitCode = 1;
    if (WaitForSingleObject(pi.hProcess, EmulatorScaled(15000)) != WAIT_OBJECT_0) {
        TerminateProcess(pi.hProcess, 1);
        std::printf("launch check: the program did not end\n");
        status = 1;
    } else if (GetExitCodeProcess(pi.hProcess, &exitCode) && exitCode != 0) {
        std::printf("launch check: the program ended with status %lu\n", exitCode);
        status = 1;
    }
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return status;
}
