// A time limit for every test case and a report for a crash, for the test
// programs that drive windows. A test whose wait failed is often left inside
// a modal loop (a dialog nobody answers) that never returns, and a crash
// under Wine starts the debugger, which waits too; either way the program
// would sit until the runner's limit for the whole program. Instead, the
// case that overruns its limit or crashes is named (with the windows still
// open, for an overrun), and the program ends at once with a failure status.
//
// Linking this file installs it. The limit is TUCKLE_TEST_CASE_SECONDS from
// the environment (the build sets it per test program), 30 s without it.
#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>

namespace {

const DWORD DefaultLimitSeconds = 30;
// Exit statuses as timeout(1) and a shell (for an aborted program) give them.
const UINT TimedOutStatus = 124;
const UINT CrashedStatus = 134;

char runningTest[512] = "(no test case running)";
DWORD limitMs = DefaultLimitSeconds * 1000;
// GetTickCount64 at which the running case overruns; 0 between cases.
std::atomic<ULONGLONG> deadline(0);
HANDLE changed = NULL;

DWORD LimitFromEnvironment()
{
    const char* value = std::getenv("TUCKLE_TEST_CASE_SECONDS");
    long seconds = value ? std::strtol(value, NULL, 10) : 0;
    return seconds > 0 ? static_cast<DWORD>(seconds) * 1000 : DefaultLimitSeconds * 1000;
}

// Flushes what the tests printed so far, then writes the line straight to
// the output handle: the program ends without flushing stdio again.
void Report(const char* line)
{
    std::fflush(stdout);
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), line, static_cast<DWORD>(lstrlenA(line)), &written, NULL);
}

BOOL CALLBACK ReportOpenWindow(HWND window, LPARAM)
{
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != GetCurrentProcessId() || !IsWindowVisible(window)) return TRUE;
    // The caption is asked for with a time limit: the window's thread may be
    // the one that hangs.
    char caption[200] = "";
    char className[64] = "";
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXT, sizeof caption, reinterpret_cast<LPARAM>(caption),
                             SMTO_ABORTIFHUNG, 500, &copied))
        lstrcpyA(caption, "(no answer)");
    GetClassNameA(window, className, sizeof className);
    char line[320];
    std::snprintf(line, sizeof line, "             open window \"%s\" (class %s)\n", caption, className);
    Report(line);
    return TRUE;
}

void EndProgram(const char* what, UINT status, bool listWindows)
{
    char line[800];
    std::snprintf(line, sizeof line, "[  FAILED  ] %s %s; the test program ends here.\n", runningTest, what);
    Report(line);
    if (listWindows) EnumWindows(ReportOpenWindow, 0);
    TerminateProcess(GetCurrentProcess(), status);
}

DWORD WINAPI Watch(LPVOID)
{
    for (;;) {
        ULONGLONG due = deadline.load();
        ULONGLONG now = GetTickCount64();
        if (due != 0 && now >= due) {
            char what[80];
            std::snprintf(what, sizeof what, "ran longer than its limit of %lu s",
                          static_cast<unsigned long>(limitMs / 1000));
            EndProgram(what, TimedOutStatus, true);
        }
        WaitForSingleObject(changed, due == 0 ? INFINITE : static_cast<DWORD>(due - now));
    }
}

LONG WINAPI ReportCrash(EXCEPTION_POINTERS* exception)
{
    char what[120];
    std::snprintf(what, sizeof what, "crashed with exception 0x%08lx at %p",
                  static_cast<unsigned long>(exception->ExceptionRecord->ExceptionCode),
                  exception->ExceptionRecord->ExceptionAddress);
    // No window is asked anything here: this thread may own them, and their
    // procedures may be what crashed.
    EndProgram(what, CrashedStatus, false);
    return EXCEPTION_EXECUTE_HANDLER;
}

class Watchdog : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo& test) override
    {
        std::snprintf(runningTest, sizeof runningTest, "%s.%s", test.test_suite_name(), test.name());
        deadline = GetTickCount64() + limitMs;
        SetEvent(changed);
    }

    void OnTestEnd(const ::testing::TestInfo&) override
    {
        deadline = 0;
        std::snprintf(runningTest, sizeof runningTest, "(between test cases)");
        SetEvent(changed);
    }
};

// Installed before main: the test runner's own main needs no change.
bool Install()
{
    limitMs = LimitFromEnvironment();
    changed = CreateEventA(NULL, FALSE, FALSE, NULL);
    HANDLE watcher = CreateThread(NULL, 0, Watch, NULL, 0, NULL);
    if (!changed || !watcher) return false;
    CloseHandle(watcher);
    SetUnhandledExceptionFilter(ReportCrash);
    ::testing::UnitTest::GetInstance()->listeners().Append(new Watchdog);
    return true;
}

const bool installed = Install();

} // namespace
