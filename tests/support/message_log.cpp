// The probe window and its message log.
#include "message_log.h"

namespace {

const char ProbeClassName[] = "WickerTestProbe";
std::vector<LoggedMessage> messageLog;

LRESULT CALLBACK ProbeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    LoggedMessage entry = {window, message, wParam, lParam};
    messageLog.push_back(entry);
    return DefWindowProcA(window, message, wParam, lParam);
}

void RegisterProbeClass()
{
    static bool registered = false;
    if (registered)
        return;
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = ProbeProc;
    windowClass.hInstance = GetModuleHandleA(NULL);
    windowClass.hCursor = LoadCursorA(NULL, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = ProbeClassName;
    registered = RegisterClassA(&windowClass) != 0;
}

}  // namespace

const std::vector<LoggedMessage>& MessageLog()
{
    return messageLog;
}

void ClearMessageLog()
{
    messageLog.clear();
}

std::vector<LoggedMessage> LoggedMessages(UINT message)
{
    std::vector<LoggedMessage> found;
    for (const LoggedMessage& entry : messageLog) {
        if (entry.message == message)
            found.push_back(entry);
    }
    return found;
}

HWND CreateProbeWindow(int width, int height)
{
    RegisterProbeClass();
    return CreateWindowExA(0, ProbeClassName, "probe", WS_OVERLAPPEDWINDOW, 10, 10, width, height,
                           NULL, NULL, GetModuleHandleA(NULL), NULL);
}

HWND CreateChildWindow(HWND parent, const char* className, DWORD style, int id, int x, int y,
                       int width, int height)
{
    return CreateWindowExA(0, className, "", WS_CHILD | style, x, y, width, height, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           GetModuleHandleA(NULL), NULL);
}

void PumpMessages(DWORD waitMs)
{
    DWORD start = GetTickCount();
    for (;;) {
        MSG message;
        while (PeekMessageA(&message, NULL, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        if (GetTickCount() - start >= waitMs)
            break;
        MsgWaitForMultipleObjects(0, NULL, FALSE, 10, QS_ALLINPUT);
    }
}

SIZE ClientSize(HWND window)
{
    RECT client = {0, 0, 0, 0};
    GetClientRect(window, &client);
    SIZE size = {client.right - client.left, client.bottom - client.top};
    return size;
}

RECT RectInParent(HWND window)
{
    RECT box = {0, 0, 0, 0};
    GetWindowRect(window, &box);
    MapWindowPoints(NULL, GetParent(window), reinterpret_cast<POINT*>(&box), 2);
    return box;
}
