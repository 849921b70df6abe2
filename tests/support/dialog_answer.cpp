#include "dialog_answer.h"

#include <cstring>

#include "emulation.h"

namespace {

struct DialogSearch {
    const char* caption;
    DWORD processId;
    HWND found;
};

BOOL CALLBACK MatchDialog(HWND window, LPARAM lParam)
{
    DialogSearch* search = reinterpret_cast<DialogSearch*>(lParam);
    char className[16] = "";
    char caption[256] = "";
    GetClassNameA(window, className, sizeof className);
    GetWindowTextA(window, caption, sizeof caption);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (std::strcmp(className, "#32770") == 0 && std::strcmp(caption, search->caption) == 0 &&
        IsWindowVisible(window) && (search->processId == 0 || search->processId == processId)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK FirstStaticText(HWND child, LPARAM lParam)
{
    std::string* text = reinterpret_cast<std::string*>(lParam);
    char className[16] = "";
    GetClassNameA(child, className, sizeof className);
    if (lstrcmpiA(className, "Static") != 0)
        return TRUE;
    int length = GetWindowTextLengthA(child);
    if (length <= 0)
        return TRUE;
    std::string value(static_cast<size_t>(length) + 1, '\0');
    value.resize(static_cast<size_t>(GetWindowTextA(child, &value[0], length + 1)));
    *text = value;
    return FALSE;
}

BOOL CALLBACK FindDefaultButton(HWND child, LPARAM lParam)
{
    char className[16] = "";
    GetClassNameA(child, className, sizeof className);
    if (lstrcmpiA(className, "Button") == 0 &&
        (GetWindowLongA(child, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON) {
        *reinterpret_cast<int*>(lParam) = GetDlgCtrlID(child);
        return FALSE;
    }
    return TRUE;
}

// FindDialogByCaption, giving up early once *stop is set.
HWND FindDialog(const char* caption, DWORD processId, DWORD timeoutMs, const std::atomic<bool>* stop)
{
    timeoutMs = EmulatorScaled(timeoutMs);
    DWORD started = GetTickCount();
    for (;;) {
        DialogSearch search = {caption, processId, NULL};
        EnumWindows(MatchDialog, reinterpret_cast<LPARAM>(&search));
        if (search.found)
            return search.found;
        if (GetTickCount() - started >= timeoutMs || (stop != NULL && *stop))
            return NULL;
        Sleep(20);
    }
}

}  // namespace

HWND FindDialogByCaption(const char* caption, DWORD processId, DWORD timeoutMs)
{
    return FindDialog(caption, processId, timeoutMs, NULL);
}

std::string MessageBoxText(HWND box)
{
    std::string text;
    EnumChildWindows(box, FirstStaticText, reinterpret_cast<LPARAM>(&text));
    return text;
}

// Wine's message box answers DM_GETDEFID with IDOK whatever its default is,
// so the default button is found by its BS_DEFPUSHBUTTON style instead.
int DefaultButton(HWND dialog)
{
    int id = 0;
    EnumChildWindows(dialog, FindDefaultButton, reinterpret_cast<LPARAM>(&id));
    return id;
}

void PressDialogButton(HWND dialog, int buttonId)
{
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, buttonId)));
}

DialogAnswer::DialogAnswer(const char* caption, int buttonId, DWORD processId, DWORD timeoutMs,
                           std::function<void(HWND)> look)
{
    std::string wanted(caption);
    worker = std::thread([this, wanted, buttonId, processId, timeoutMs, look]() {
        HWND box = FindDialog(wanted.c_str(), processId, timeoutMs, &stopped);
        if (!box)
            return;
        text = MessageBoxText(box);
        owner = GetWindow(box, GW_OWNER);
        defaultButton = DefaultButton(box);
        hasAbort = GetDlgItem(box, IDABORT) != NULL;
        hasRetry = GetDlgItem(box, IDRETRY) != NULL;
        hasIgnore = GetDlgItem(box, IDIGNORE) != NULL;
        if (look)
            look(box);
        PressDialogButton(box, buttonId);
        answered = true;
    });
}

DialogAnswer::~DialogAnswer()
{
    if (worker.joinable())
        worker.join();
}

void DialogAnswer::StopLooking()
{
    stopped = true;
}

bool DialogAnswer::Wait()
{
    if (worker.joinable())
        worker.join();
    return answered;
}
