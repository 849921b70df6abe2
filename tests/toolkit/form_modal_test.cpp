// Modal forms: ShowModal runs on the test's thread while a helper thread
// waits for the form to show, looks at the owner and the focus, and answers
// the form as a user would (a click, Esc, Tab, the close box).
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <thread>
#include <vector>

#include "emulation.h"
#include "wicker.h"

namespace {

// Identifiers 1 and 2 are IDOK and IDCANCEL in a dialog: the boxes keep clear.
const int kFirstBox = 3;
const int kSecondBox = 4;
const int kOkButton = 10;
const int kNestedButton = 11;

// What the form procedures do, set by each test.
std::function<void(HWND, int)> onCommand;

INT_PTR CALLBACK ModalProc(HWND window, UINT message, WPARAM wParam, LPARAM)
{
    if (message == WM_COMMAND && onCommand)
        onCommand(window, LOWORD(wParam));
    return FALSE;
}

// Waits until the window is visible; false after the time limit.
bool WaitVisible(HWND window)
{
    DWORD until = GetTickCount() + EmulatorScaled(5000);
    while (!IsWindowVisible(window)) {
        if (GetTickCount() > until)
            return false;
        Sleep(10);
    }
    return true;
}

HWND FocusOf(DWORD thread)
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(thread, &info) ? info.hwndFocus : NULL;
}

// Waits until the window has the thread's focus (a form that shows takes
// the activation first, its first control the focus a moment after); the
// window that has it when the time is up.
HWND WaitFocusOn(DWORD thread, HWND window, DWORD milliseconds = 5000)
{
    DWORD until = GetTickCount() + EmulatorScaled(milliseconds);
    while (FocusOf(thread) != window && GetTickCount() < until)
        Sleep(10);
    return FocusOf(thread);
}

// A key pressed and released on the focused window of the thread.
void PressKey(DWORD thread, UINT key)
{
    HWND focus = FocusOf(thread);
    PostMessageA(focus, WM_KEYDOWN, key, 1);
    PostMessageA(focus, WM_KEYUP, key, 0xC0000001);
}

// Tab pressed on the first box, once it has the focus; the window that has
// the focus after, when it is the second box or when the time is up.
HWND TabFromFirstToSecond(DWORD thread, HWND first, HWND second)
{
    WaitFocusOn(thread, first);
    PressKey(thread, VK_TAB);
    return WaitFocusOn(thread, second, 2000);
}

class FormModalTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        onCommand = nullptr;
        owner.Create("owner", 10, 10, 300, 200, kFormDialog, true, true);
        dialog.Create("settings", 40, 40, 260, 140, kFormDialog, true, false);
        dialog.DialogProcedure = ModalProc;
        first.Create("", kFirstBox, 10, 10, 100, 22, dialog, true, true, false, false, WS_EX_CLIENTEDGE);
        second.Create("", kSecondBox, 10, 40, 100, 22, dialog, true, true, false, false, WS_EX_CLIENTEDGE);
        ok.Create("OK", kOkButton, 120, 10, 80, 24, dialog);
    }
    void TearDown() override
    {
        if (helper.joinable())
            helper.join();
        onCommand = nullptr;
        DestroyWindow(dialog.hwnd);
        DestroyWindow(owner.hwnd);
        MSG msg;
        while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
            if (msg.message == WM_QUIT)
                quitSeen = true;
    }

    Form owner, dialog;
    TextBox first, second;
    Button ok;
    std::thread helper;
    bool quitSeen = false;
    DWORD mainThread = GetCurrentThreadId();
};

// A click on OK ends the form with the procedure's value; meanwhile the
// owner takes no input and the first control has the focus, afterwards the
// owner is enabled again and the form hidden.
TEST_F(FormModalTest, EndModalGivesItsValueAndTheOwnerComesBack)
{
    onCommand = [this](HWND, int id) {
        if (id == kOkButton)
            dialog.EndModal(42);
    };
    bool ownerEnabledMeanwhile = true;
    HWND focusMeanwhile = NULL;
    helper = std::thread([&] {
        if (!WaitVisible(dialog.hwnd))
            return;
        ownerEnabledMeanwhile = IsWindowEnabled(owner.hwnd) != FALSE;
        focusMeanwhile = WaitFocusOn(mainThread, first.hwnd);
        PostMessageA(ok.hwnd, BM_CLICK, 0, 0);
    });
    EXPECT_EQ(dialog.ShowModal(owner), 42);
    helper.join();
    EXPECT_FALSE(ownerEnabledMeanwhile);
    EXPECT_EQ(focusMeanwhile, first.hwnd);
    EXPECT_TRUE(IsWindowEnabled(owner.hwnd));
    EXPECT_FALSE(IsWindowVisible(dialog.hwnd));
    EXPECT_EQ(GetWindow(dialog.hwnd, GW_OWNER), (HWND)NULL);
    EXPECT_FALSE(dialog.EndModal(1)) << "no longer modal";
}

// Esc and the close box answer IDCANCEL, as a dialog box's do, and the
// close box does not end the program (the form's procedure before it was
// modal was QuitOnCloseProc's kind). Tab moves the focus inside the form.
TEST_F(FormModalTest, EscAndTheCloseBoxAnswerCancelAndTabMovesTheFocus)
{
    std::vector<int> commands;
    onCommand = [&](HWND, int id) {
        if (id != kFirstBox && id != kSecondBox)
            commands.push_back(id);
    };
    const struct { const char* name; std::function<void()> answer; } ways[] = {
        {"Esc", [&] { PressKey(mainThread, VK_ESCAPE); }},
        {"close box", [&] { PostMessageA(dialog.hwnd, WM_SYSCOMMAND, SC_CLOSE, 0); }},
    };
    for (const auto& way : ways) {
        commands.clear();
        HWND afterTab = NULL;
        helper = std::thread([&] {
            if (!WaitVisible(dialog.hwnd))
                return;
            afterTab = TabFromFirstToSecond(mainThread, first.hwnd, second.hwnd);
            way.answer();
        });
        EXPECT_EQ(dialog.ShowModal(owner), IDCANCEL) << way.name;
        helper.join();
        EXPECT_EQ(afterTab, second.hwnd) << way.name;
        EXPECT_EQ(commands, std::vector<int>{IDCANCEL}) << way.name;
        EXPECT_TRUE(IsWindowEnabled(owner.hwnd)) << way.name;
    }
    MSG msg;
    EXPECT_FALSE(PeekMessageA(&msg, NULL, WM_QUIT, WM_QUIT, PM_NOREMOVE)) << "the close box quit the program";
}

// A modal form shows another over itself: the inner one ends first, the
// outer stays modal (disabled while the inner is up) and ends after.
TEST_F(FormModalTest, ModalFormsNest)
{
    Form inner("inner", 80, 80, 200, 100, kFormDialog, true, false);
    inner.DialogProcedure = ModalProc;
    Button close("Close", kOkButton, 10, 10, 80, 24, inner);
    INT_PTR innerResult = 0;
    bool outerEnabledMeanwhile = true;
    onCommand = [&](HWND window, int id) {
        if (window == dialog.hwnd && id == kNestedButton)
            innerResult = inner.ShowModal(dialog);
        else if (window == inner.hwnd && id == kOkButton)
            inner.EndModal(7);
        else if (window == dialog.hwnd && id == kOkButton)
            dialog.EndModal(9);
    };
    Button nested("Nested", kNestedButton, 120, 40, 80, 24, dialog);
    helper = std::thread([&] {
        if (!WaitVisible(dialog.hwnd))
            return;
        PostMessageA(nested.hwnd, BM_CLICK, 0, 0);
        if (!WaitVisible(inner.hwnd))
            return;
        outerEnabledMeanwhile = IsWindowEnabled(dialog.hwnd) != FALSE;
        PostMessageA(close.hwnd, BM_CLICK, 0, 0);
        DWORD until = GetTickCount() + EmulatorScaled(5000);
        while ((IsWindowVisible(inner.hwnd) || !IsWindowEnabled(dialog.hwnd)) && GetTickCount() < until)
            Sleep(10);
        PostMessageA(ok.hwnd, BM_CLICK, 0, 0);
    });
    EXPECT_EQ(dialog.ShowModal(owner), 9);
    helper.join();
    EXPECT_EQ(innerResult, 7);
    EXPECT_FALSE(outerEnabledMeanwhile);
    EXPECT_TRUE(IsWindowEnabled(dialog.hwnd));
    EXPECT_TRUE(IsWindowEnabled(owner.hwnd));
    DestroyWindow(inner.hwnd);
}

// A form destroyed while it is modal ends the showing with -1 and leaves the
// owner usable; a form without a window is never shown.
TEST_F(FormModalTest, AFormDestroyedWhileModalGivesMinusOne)
{
    onCommand = [this](HWND window, int id) {
        if (id == kOkButton)
            DestroyWindow(window);
    };
    helper = std::thread([&] {
        if (WaitVisible(dialog.hwnd))
            PostMessageA(ok.hwnd, BM_CLICK, 0, 0);
    });
    EXPECT_EQ(dialog.ShowModal(owner), -1);
    helper.join();
    EXPECT_TRUE(IsWindowEnabled(owner.hwnd));
    Form none;
    EXPECT_EQ(none.ShowModal(owner), -1);
}

// A main form's loop: Tab moves the focus through the dialog manager, a
// click's command reaches the procedure, and WM_QUIT ends it with its code.
TEST_F(FormModalTest, RunGivesTheFormsKeysUntilQuitAndReturnsTheQuitCode)
{
    std::vector<int> commands;
    onCommand = [&](HWND, int id) {
        if (id == kOkButton)
            commands.push_back(id);
    };
    dialog.Show();
    first.Focus();
    HWND afterTab = NULL;
    helper = std::thread([&] {
        afterTab = TabFromFirstToSecond(mainThread, first.hwnd, second.hwnd);
        PostMessageA(ok.hwnd, BM_CLICK, 0, 0);
        PostThreadMessageA(mainThread, WM_QUIT, 7, 0);
    });
    EXPECT_EQ(7, dialog.Run());
    helper.join();
    EXPECT_EQ(second.hwnd, afterTab);
    EXPECT_EQ(std::vector<int>{kOkButton}, commands);
}

}  // namespace
