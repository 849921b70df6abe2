// Finding a modal dialog (a message box, say) by its caption and answering it,
// from a helper thread of the test or from another process.
//
// Under Wine with no window manager (Xvfb), the call that opened the dialog
// returns about 2 s after the button is pressed: Wine waits that long for a
// window manager to withdraw the window. A prefix whose X11 driver has
// Managed=N (HKCU\Software\Wine\X11 Driver) returns at once.
#ifndef TESTS_SUPPORT_DIALOG_ANSWER_H
#define TESTS_SUPPORT_DIALOG_ANSWER_H

#include <windows.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>

// The visible top-level dialog window (class "#32770") with this caption,
// belonging to processId (0: to any process), once it appears; NULL when none
// has appeared within timeoutMs.
HWND FindDialogByCaption(const char* caption, DWORD processId, DWORD timeoutMs);

// The message of a message box: the text of its first static control that has
// any (Windows gives it the id 0xFFFF, Wine the id 100, so it is found by class).
std::string MessageBoxText(HWND box);

// The id of the dialog's default push button (BS_DEFPUSHBUTTON), or 0.
int DefaultButton(HWND dialog);

// Presses a dialog button the way a click does: posts WM_COMMAND with
// BN_CLICKED and the button's id (IDOK, IDABORT, IDRETRY, IDIGNORE, ...).
void PressDialogButton(HWND dialog, int buttonId);

// Answers one dialog on a helper thread: waits for the dialog with the
// caption, records what it shows, then presses the button. Start it before
// the call that opens the dialog; Wait() after that call has returned.
// `look`, when given, is called with the dialog on the helper thread just
// before the button is pressed, to read what else the test needs.
class DialogAnswer {
public:
    DialogAnswer(const char* caption, int buttonId, DWORD processId = 0, DWORD timeoutMs = 10000,
                 std::function<void(HWND)> look = nullptr);
    ~DialogAnswer();
    DialogAnswer(const DialogAnswer&) = delete;
    DialogAnswer& operator=(const DialogAnswer&) = delete;

    // Joins the helper thread; true when the dialog was found and answered.
    bool Wait();
    // Gives up looking for a dialog that has not appeared, so that Wait
    // returns at once: for a test that expects none once the call that would
    // have opened it (modally, so answered before it returns) is back.
    void StopLooking();

    // What the dialog showed (valid after Wait).
    std::string text;
    HWND owner = NULL;
    int defaultButton = 0;
    bool hasAbort = false, hasRetry = false, hasIgnore = false;

private:
    std::atomic<bool> stopped{false};
    std::thread worker;
    bool answered = false;
};

#endif
