// A probe parent window that records every message it receives, for tests
// that drive a control and check what reached its parent.
#ifndef TESTS_SUPPORT_MESSAGE_LOG_H
#define TESTS_SUPPORT_MESSAGE_LOG_H

#include <windows.h>

#include <vector>

// One message as a probe window received it.
struct LoggedMessage {
    HWND window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

// Everything the probe windows received since the last ClearMessageLog, in order.
const std::vector<LoggedMessage>& MessageLog();
void ClearMessageLog();
// The logged messages of one kind, in order.
std::vector<LoggedMessage> LoggedMessages(UINT message);

// A hidden top-level probe window (WS_OVERLAPPEDWINDOW) whose procedure logs
// every message and then does the default handling. Destroy it with DestroyWindow.
HWND CreateProbeWindow(int width = 300, int height = 200);

// A child window of the given class on the parent, with this identifier.
HWND CreateChildWindow(HWND parent, const char* className, DWORD style, int id, int x, int y,
                       int width, int height);

// Dispatches pending messages of this thread; with waitMs, keeps doing so for that long.
void PumpMessages(DWORD waitMs = 0);

// Client size of a window.
SIZE ClientSize(HWND window);
// Window rectangle relative to the parent's client area.
RECT RectInParent(HWND window);

#endif
