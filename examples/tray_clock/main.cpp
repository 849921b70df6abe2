// A notification-area utility: a small window that shows the time, updated
// every second by a timer. Its close box hides it to the notification area;
// a click on the tray icon shows it again, and a right-click opens a menu
// (Show, Exit). The icon goes when the program ends.
#include <wicker.h>

#include <cstdio>

namespace {

enum Command { kShow = 100, kExit };
const int kTimeLabel = 1;

Form clockForm;
Label timeLabel;
PopupMenu trayMenu;

void ShowTime()
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    char text[16];
    std::snprintf(text, sizeof text, "%02u:%02u:%02u", now.wHour, now.wMinute, now.wSecond);
    timeLabel.Text = text;
    clockForm.ModifyTrayIcon(clockForm.Icon, String("Tray clock ") + text);
}

INT_PTR CALLBACK ClockProc(HWND, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_CLOSE) {
        clockForm.Hide();  // to the notification area
        return TRUE;
    }
    if (message == WM_TIMER) {
        ShowTime();
        return TRUE;
    }
    // The tray icon's mouse messages come as the form's tray message.
    if (message == clockForm.trayId) {
        if (lParam == WM_LBUTTONUP)
            clockForm.Show();
        else if (lParam == WM_RBUTTONUP)
            trayMenu.Show(clockForm);
        return TRUE;
    }
    if (message == WM_COMMAND && LOWORD(wParam) == kShow) {
        clockForm.Show();
        return TRUE;
    }
    if (message == WM_COMMAND && LOWORD(wParam) == kExit) {
        clockForm.RemoveTrayIcon();
        PostQuitMessage(0);
        return TRUE;
    }
    return FALSE;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    clockForm.Create("Tray clock", 0, 0, 200, 60, kFormToolWindow, true, true, false, false, true);
    timeLabel.Create("", kTimeLabel, 10, 10, 180, 40, clockForm);
    trayMenu.AddItem("&Show", kShow);
    trayMenu.AddSeparator();
    trayMenu.AddItem("E&xit", kExit);
    clockForm.DialogProcedure = ClockProc;
    clockForm.AddTrayIcon(clockForm.Icon, "Tray clock");
    ShowTime();
    clockForm.AddTimer("tick", 1000);

    return clockForm.Run();
}
