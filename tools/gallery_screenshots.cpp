// Takes a picture of every page of the gallery: asks the gallery for its page
// names (--list-pages), opens it on each page in turn (--page <name>) and
// saves <name>.png of its window. Runs under Wine with an X display.
//
// Usage: gallery_screenshots.exe <gallery.exe> <unix output folder> [gallery options]
//        gallery_screenshots.exe <gallery.exe> -
// The gallery options (such as --dark) are given to every start of the gallery.
// A page listed in openedWindows is pictured with the window one of its
// buttons opens. With "-" no pictures are taken: every page is only opened and closed again,
// and the run fails when a page shows no window or the gallery does not end
// cleanly (the test suite runs it so).
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "host_capture.h"
#include "window_search.h"

namespace {

// Starts the program with the arguments; its standard output goes to `output`
// when given. Null when it cannot be started.
HANDLE Start(const std::string& program, const std::string& arguments, HANDLE output)
{
    std::string line = "\"" + program + "\" " + arguments;
    std::vector<char> text(line.begin(), line.end());
    text.push_back('\0');
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    if (output != NULL) {
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdOutput = output;
        startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
        startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    }
    PROCESS_INFORMATION process = {};
    // Started in the drive's root, so the system page's current folder is
    // not the build machine's own.
    if (!CreateProcessA(NULL, text.data(), NULL, NULL, output != NULL, 0, NULL, "C:\\", &startup,
                        &process))
        return NULL;
    CloseHandle(process.hThread);
    return process.hProcess;
}

// The page names the gallery prints, one a line.
std::vector<std::string> PageNames(const std::string& gallery)
{
    std::vector<std::string> names;
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, NULL, TRUE};
    HANDLE readEnd = NULL, writeEnd = NULL;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0))
        return names;
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    HANDLE process = Start(gallery, "--list-pages", writeEnd);
    CloseHandle(writeEnd);
    std::string text;
    char buffer[512];
    DWORD got = 0;
    while (process != NULL && ReadFile(readEnd, buffer, sizeof buffer, &got, NULL) && got > 0)
        text.append(buffer, got);
    CloseHandle(readEnd);
    if (process != NULL) {
        WaitForSingleObject(process, 10000);
        CloseHandle(process);
    }
    std::string name;
    for (char c : text) {
        if (c == '\n' || c == '\r') {
            if (!name.empty())
                names.push_back(name);
            name.clear();
        } else {
            name += c;
        }
    }
    if (!name.empty())
        names.push_back(name);
    return names;
}

// A page whose picture shows a window that one of its buttons opens: the
// button is pressed, and the page is pictured with that window over it as
// <page>.png, the window alone as <page>-<picture>.png.
struct OpenedWindow {
    const char* page;
    const char* button;
    const char* caption;
    const char* picture;
};
const OpenedWindow openedWindows[] = {
    {"mdi", "Open MDI window", "MDI window", "window"},
    {"taskdialog", "Ask with a task dialog", "Task dialog", "dialog"},
};

// Further pictures of a page, taken in turn after its first: each step
// first clicks the button with the text (when given), then makes the main
// form larger by `wider` and `taller` (when not 0), and saves <picture>.png.
// The form's page grows with it.
struct PageStep {
    const char* page;
    const wchar_t* click;
    int wider;
    int taller;
    const char* picture;
};
const PageStep pageSteps[] = {
    {"tree", NULL, 240, 180, "resized"},
    // The layouts page in its other languages, then larger.
    {"layouts", L"Deutsch", 0, 0, "layouts-de"},
    {"layouts", L"Русский", 0, 0, "layouts-ru"},
    {"layouts", NULL, 240, 140, "layouts-ru-large"},
    {"layouts", L"English", 0, 0, "layouts-large"},
    // The dark mode page switched to dark while the gallery runs, and back.
    {"darkmode", L"Dark", 0, 0, "darkmode-switched"},
    {"darkmode", L"Light", 0, 0, "darkmode-back"},
};

// Waits until the gallery has handled every message, its paints included:
// on a busy machine a fixed pause is not always enough.
void WaitUntilPainted(HANDLE process)
{
    WaitForInputIdle(process, 20000);
}

// Moves the window to the screen's corner and makes it larger; the host
// picture is taken after it has painted.
void Enlarge(HANDLE process, HWND window, int wider, int taller)
{
    RECT frame;
    GetWindowRect(window, &frame);
    SetWindowPos(window, NULL, 0, 0, frame.right - frame.left + wider,
                 frame.bottom - frame.top + taller, SWP_NOZORDER | SWP_NOACTIVATE);
    // The gallery has handled the move once it answers a message.
    DWORD_PTR answer = 0;
    SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_BLOCK, 10000, &answer);
    Sleep(500);
    WaitUntilPainted(process);
}

struct WideButtonSearch {
    const wchar_t* text;
    HWND found;
};

BOOL CALLBACK MatchWideButton(HWND window, LPARAM parameter)
{
    WideButtonSearch* search = reinterpret_cast<WideButtonSearch*>(parameter);
    wchar_t text[128] = L"";
    GetWindowTextW(window, text, 128);
    if (!IsWindowVisible(window) || std::wstring(text) != search->text)
        return TRUE;
    search->found = window;
    return FALSE;
}

// Clicks the visible button with the text (BM_CLICK, which checks a radio
// button too) and waits until the gallery has painted what followed; false
// when there is no such button.
bool Click(HANDLE process, HWND window, const wchar_t* text)
{
    WideButtonSearch search = {text, NULL};
    EnumChildWindows(window, MatchWideButton, reinterpret_cast<LPARAM>(&search));
    if (search.found == NULL)
        return false;
    DWORD_PTR answer = 0;
    SendMessageTimeoutW(search.found, BM_CLICK, 0, 0, SMTO_BLOCK, 10000, &answer);
    SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_BLOCK, 10000, &answer);
    Sleep(500);
    WaitUntilPainted(process);
    return true;
}

struct ButtonSearch {
    const char* text;
    HWND found;
};

BOOL CALLBACK MatchButton(HWND window, LPARAM parameter)
{
    ButtonSearch* search = reinterpret_cast<ButtonSearch*>(parameter);
    char text[128] = "";
    GetWindowTextA(window, text, sizeof text);
    if (!IsWindowVisible(window) || std::string(text) != search->text)
        return TRUE;
    search->found = window;
    return FALSE;
}

// Presses the visible button with the text inside the window the way a click
// does (WM_COMMAND with BN_CLICKED to its parent) and waits for the window
// with the caption to show; null when it does not.
HWND PressAndWait(HWND window, DWORD processId, const OpenedWindow& opened)
{
    ButtonSearch search = {opened.button, NULL};
    EnumChildWindows(window, MatchButton, reinterpret_cast<LPARAM>(&search));
    if (search.found == NULL)
        return NULL;
    PostMessageA(GetParent(search.found), WM_COMMAND,
                 MAKEWPARAM(GetDlgCtrlID(search.found), BN_CLICKED),
                 reinterpret_cast<LPARAM>(search.found));
    HWND shown = NULL;
    for (int i = 0; i < 100 && shown == NULL; ++i) {
        Sleep(100);
        shown = FindVisibleWindow(processId, opened.caption);
    }
    // Time to paint before the picture.
    Sleep(500);
    return shown;
}

const OpenedWindow* OpenedWindowOf(const std::string& page)
{
    for (const OpenedWindow& opened : openedWindows)
        if (page == opened.page)
            return &opened;
    return NULL;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: gallery_screenshots.exe <gallery.exe> <unix output folder | -> "
                             "[gallery options]\n");
        return 2;
    }
    const std::string gallery = argv[1];
    std::string options;
    for (int i = 3; i < argc; ++i)
        options += std::string(" ") + argv[i];
    const bool pictures = std::string(argv[2]) != "-";
    if (pictures)
        SetCaptureFolder(argv[2]);
    std::vector<std::string> names = PageNames(gallery);
    if (names.empty()) {
        std::fprintf(stderr, "the gallery listed no pages\n");
        return 1;
    }
    int failures = 0;
    for (const std::string& name : names) {
        HANDLE process = Start(gallery, "--page " + name + options, NULL);
        if (process == NULL) {
            std::fprintf(stderr, "cannot start the gallery for %s\n", name.c_str());
            ++failures;
            continue;
        }
        DWORD processId = GetProcessId(process);
        HWND window = NULL;
        for (int i = 0; i < 150 && window == NULL; ++i) {
            window = FindVisibleWindow(processId, "Wicker gallery");
            if (window == NULL)
                Sleep(100);
        }
        if (window == NULL) {
            std::fprintf(stderr, "the gallery showed no window for %s\n", name.c_str());
            TerminateProcess(process, 1);
            ++failures;
        } else {
            const OpenedWindow* opened = OpenedWindowOf(name);
            HWND second = opened != NULL ? PressAndWait(window, processId, *opened) : NULL;
            if (opened != NULL && second == NULL) {
                std::fprintf(stderr, "the %s page did not open \"%s\"\n", name.c_str(),
                             opened->caption);
                ++failures;
            }
            std::string secondName = second != NULL ? name + "-" + opened->picture : "";
            WaitUntilPainted(process);
            if (pictures)
                Shoot(window, name.c_str(), second, second != NULL ? secondName.c_str() : NULL);
            else
                std::printf("opened %s\n", name.c_str());
            for (const PageStep& step : pageSteps) {
                if (name != step.page)
                    continue;
                if (step.click != NULL && !Click(process, window, step.click)) {
                    std::fprintf(stderr, "the %s page has no button for %s\n", name.c_str(),
                                 step.picture);
                    ++failures;
                    continue;
                }
                if (step.wider != 0 || step.taller != 0)
                    Enlarge(process, window, step.wider, step.taller);
                if (pictures)
                    Shoot(window, step.picture);
            }
            PostMessageA(window, WM_CLOSE, 0, 0);
        }
        DWORD exitCode = 1;
        if (WaitForSingleObject(process, 10000) != WAIT_OBJECT_0) {
            std::fprintf(stderr, "the gallery did not end after closing %s\n", name.c_str());
            TerminateProcess(process, 1);
        } else {
            GetExitCodeProcess(process, &exitCode);
        }
        if (window != NULL && exitCode != 0) {
            std::fprintf(stderr, "the gallery ended with %lu on %s\n", exitCode, name.c_str());
            ++failures;
        }
        CloseHandle(process);
    }
    return failures == 0 ? 0 : 1;
}
