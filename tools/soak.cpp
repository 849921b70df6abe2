// Plays many words through the real tuckle.exe, driven from this process,
// and reports the main dialog's child windows and the game's working set at
// the start and at the end, so that windows or memory piling up show.
//
// Usage: soak.exe <words> <game folder> [--assert]
// The game runs in a scratch copy of the folder without the speech program:
// starting a speech process for every letter would take most of the time and
// tells nothing about the game's own windows and memory.
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "window_search.h"

namespace {

bool CopyFlatFolder(const std::string& from, const std::string& to)
{
    CreateDirectoryA(to.c_str(), NULL);
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((from + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return false;
    do {
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
        CopyFileA((from + "\\" + found.cFileName).c_str(), (to + "\\" + found.cFileName).c_str(), FALSE);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return true;
}

// The game folder less the speech program: the program, the pictures, the
// subject list and the first subject's folder.
bool PrepareFolder(const std::string& dist, const std::string& scratch)
{
    if (!CopyFlatFolder(dist, scratch)) return false;
    std::FILE* ini = std::fopen((scratch + "\\tuckle.ini").c_str(), "rb");
    if (!ini) return false;
    char name[128] = "", folder[128] = "";
    bool ok = std::fgets(name, sizeof name, ini) && std::fgets(folder, sizeof folder, ini);
    std::fclose(ini);
    if (!ok) return false;
    folder[std::strcspn(folder, "\r\n")] = '\0';
    return CopyFlatFolder(dist + "\\" + folder, scratch + "\\" + folder);
}

BOOL CALLBACK CountChild(HWND, LPARAM count)
{
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

int ChildWindows(HWND dialog)
{
    int count = 0;
    EnumChildWindows(dialog, CountChild, reinterpret_cast<LPARAM>(&count));
    return count;
}

SIZE_T WorkingSet(HANDLE process)
{
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(process, &counters, sizeof counters);
    return counters.WorkingSetSize;
}

// Letters roughly by how often they occur, so most words end in a win.
const char LetterOrder[] = "EAROTINSLCUDPMHGBFYWKVXZJQ";

// Answers every result box of the game as it shows and counts them. The
// letters are sent from the main thread, and a sent letter returns only when
// its command is done, which includes the modal result box.
struct ResultWatch {
    DWORD process;
    volatile LONG results;
    volatile LONG stop;
};

DWORD WINAPI WatchResults(LPVOID parameter)
{
    ResultWatch* watch = static_cast<ResultWatch*>(parameter);
    while (!watch->stop) {
        HWND result = FindVisibleWindow(watch->process, "Tuckle - ");
        if (result) {
            PostMessageA(result, WM_COMMAND, 1042, 0);
            for (int i = 0; i < 2000 && IsWindow(result); ++i) Sleep(2);
            InterlockedIncrement(&watch->results);
        } else {
            Sleep(2);
        }
    }
    return 0;
}

// Plays one word to its result. Returns false when the game stops answering.
bool PlayWord(HWND main, ResultWatch& watch)
{
    const LONG before = watch.results;
    for (const char* p = LetterOrder; *p; ++p) {
        DWORD_PTR ignored;
        if (!SendMessageTimeoutA(main, WM_COMMAND, 1000 + (*p - 'A' + 1), 0, SMTO_NORMAL, 20000, &ignored))
            return false;
        if (watch.results != before) return true;
    }
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: soak <words> <game folder> [--assert]\n");
        return 2;
    }
    const int words = std::atoi(argv[1]);
    const bool assertCount = argc > 3 && std::strcmp(argv[3], "--assert") == 0;

    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    std::string scratch = std::string(temp) + "tuckle_soak";
    if (!PrepareFolder(argv[2], scratch)) {
        std::fprintf(stderr, "soak: cannot prepare a game folder from %s\n", argv[2]);
        return 1;
    }

    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    std::string command = scratch + "\\tuckle.exe";
    std::string line = "\"" + command + "\"";
    if (!CreateProcessA(command.c_str(), &line[0], NULL, NULL, FALSE, 0, NULL, scratch.c_str(), &si, &pi)) {
        std::fprintf(stderr, "soak: cannot start %s\n", command.c_str());
        return 1;
    }
    HWND main = NULL;
    for (int i = 0; i < 300 && !main; ++i) {
        main = FindVisibleWindow(pi.dwProcessId, "Tuckle's - ");
        if (!main) Sleep(50);
    }
    if (!main) {
        std::fprintf(stderr, "soak: the main window did not appear\n");
        TerminateProcess(pi.hProcess, 1);
        return 1;
    }

    ResultWatch watch = {pi.dwProcessId, 0, 0};
    HANDLE watcher = CreateThread(NULL, 0, WatchResults, &watch, 0, NULL);

    // One word first, so that everything made once per run exists.
    PlayWord(main, watch);
    const int windowsAtStart = ChildWindows(main);
    const SIZE_T memoryAtStart = WorkingSet(pi.hProcess);
    std::printf("soak: start: %d child windows, working set %lu KB\n", windowsAtStart,
                static_cast<unsigned long>(memoryAtStart / 1024));

    int played = 0;
    for (; played < words; ++played) {
        if (!PlayWord(main, watch)) break;
        if ((played + 1) % 100 == 0)
            std::printf("soak: %d words, %d child windows, working set %lu KB\n", played + 1,
                        ChildWindows(main), static_cast<unsigned long>(WorkingSet(pi.hProcess) / 1024));
    }
    const int windowsAtEnd = ChildWindows(main);
    const SIZE_T memoryAtEnd = WorkingSet(pi.hProcess);
    std::printf("soak: end after %d words: %d child windows, working set %lu KB\n", played,
                windowsAtEnd, static_cast<unsigned long>(memoryAtEnd / 1024));
    std::printf("soak: window count change %d (goal 0), working set growth %ld KB (goal under 2048)\n",
                windowsAtEnd - windowsAtStart,
                static_cast<long>((static_cast<long long>(memoryAtEnd) - static_cast<long long>(memoryAtStart)) / 1024));

    watch.stop = 1;
    WaitForSingleObject(watcher, 5000);
    CloseHandle(watcher);
    PostMessageA(main, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(pi.hProcess, 15000) != WAIT_OBJECT_0) TerminateProcess(pi.hProcess, 1);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);

    if (played < words) {
        std::printf("soak: the game stopped answering after %d words\n", played);
        return 1;
    }
    if (assertCount && windowsAtEnd != windowsAtStart) {
        std::printf("soak: FAILED: the main dialog's child windows went from %d to %d\n",
                    windowsAtStart, windowsAtEnd);
        return 1;
    }
    return 0;
}
