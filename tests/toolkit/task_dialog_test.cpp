// Task dialogs driven from a helper thread: clicks on a radio button, the
// verification check box and a command link reach the program's result, and the callback hears the events in
// the order they happened.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <string>
#include <thread>
#include <vector>

#include "message_log.h"
#include "wicker.h"

namespace {

struct ChildSearch {
    const wchar_t* text;
    HWND found;
};

BOOL CALLBACK MatchChild(HWND window, LPARAM parameter)
{
    ChildSearch* search = reinterpret_cast<ChildSearch*>(parameter);
    wchar_t text[256] = L"";
    GetWindowTextW(window, text, 256);
    if (std::wstring(text).find(search->text) != 0)
        return TRUE;
    search->found = window;
    return FALSE;
}

// The dialog's child window whose text starts with `text`.
HWND ChildWithText(HWND dialog, const wchar_t* text)
{
    ChildSearch search = {text, NULL};
    EnumChildWindows(dialog, MatchChild, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// The shown task dialog's window, once it is there (at most 10 s).
HWND WaitForDialog(const TaskDialog& dialog)
{
    for (int i = 0; i < 200; ++i) {
        HWND window = dialog.window;
        if (window != NULL && IsWindowVisible(window))
            return window;
        Sleep(50);
    }
    return NULL;
}

TaskDialog OrderQuestion(std::vector<UINT>& events)
{
    TaskDialog dialog;
    dialog.caption = "Order";
    dialog.mainInstruction = "How shall we send your order?";
    dialog.content = "Choose a way and a speed.";
    dialog.mainIcon = TaskDialogIcon::Information;
    dialog.commandLinks = true;
    dialog.buttons = {{101, "By post\nIn three to five days"}, {102, "By courier\nTomorrow"}};
    dialog.commonButtons = TDCBF_CANCEL_BUTTON;
    dialog.radioButtons = {{201, "Wrapped"}, {202, "Unwrapped"}};
    dialog.verificationText = "Remember my choice";
    dialog.footer = "Prices include tax.";
    dialog.callback = [&events](TaskDialog&, HWND, UINT notification, WPARAM, LPARAM) {
        events.push_back(notification);
        return false;
    };
    return dialog;
}

// The position of the first event `notification`, or -1.
int Position(const std::vector<UINT>& events, UINT notification)
{
    for (size_t i = 0; i < events.size(); ++i)
        if (events[i] == notification)
            return static_cast<int>(i);
    return -1;
}

TEST(TaskDialogTest, ClicksReachTheResultAndTheCallbackHearsThemInOrder)
{
    ASSERT_TRUE(HasTaskDialogs());
    std::vector<UINT> events;
    TaskDialog dialog = OrderQuestion(events);
    bool clicked = false;
    std::thread user([&] {
        HWND window = WaitForDialog(dialog);
        if (window == NULL)
            return;
        // The radio button and the check box as the dialog's own messages
        // click them; the command link by a click on its window.
        HWND courier = ChildWithText(window, L"By courier");
        if (courier == NULL || ChildWithText(window, L"Remember my choice") == NULL) {
            dialog.ClickButton(IDCANCEL);
            return;
        }
        dialog.ClickRadio(202);
        dialog.ClickVerification(true);
        SendMessageW(courier, BM_CLICK, 0, 0);
        clicked = true;
    });
    TaskDialogResult result = dialog.Show();
    user.join();
    ASSERT_TRUE(clicked) << "the dialog or its controls did not show";
    EXPECT_EQ(102, result.button);
    EXPECT_EQ(202, result.radio);
    EXPECT_TRUE(result.verified);
    EXPECT_EQ(NULL, dialog.window);
    int created = Position(events, TDN_CREATED);
    // The dialog reports its first radio button chosen as it is made, then the click.
    int radio = -1;
    for (size_t i = 0; i < events.size(); ++i)
        if (events[i] == TDN_RADIO_BUTTON_CLICKED)
            radio = static_cast<int>(i);
    int verification = Position(events, TDN_VERIFICATION_CLICKED);
    int button = Position(events, TDN_BUTTON_CLICKED);
    int destroyed = Position(events, TDN_DESTROYED);
    ASSERT_GE(created, 0);
    EXPECT_LT(created, radio);
    EXPECT_LT(radio, verification);
    EXPECT_LT(verification, button);
    EXPECT_LT(button, destroyed);
    EXPECT_EQ(static_cast<int>(events.size()) - 1, destroyed);
}

// The callback keeps the dialog open on a button it answers true for; the
// program's own clicks, the progress bar and new texts reach the dialog.
TEST(TaskDialogTest, TheCallbackKeepsTheDialogOpenAndTheProgramDrivesIt)
{
    std::vector<UINT> events;
    TaskDialog dialog;
    dialog.caption = "Copying";
    dialog.mainInstruction = "Copying 3 files";
    dialog.progressBar = true;
    dialog.buttons = {{301, "Again"}};
    dialog.commonButtons = TDCBF_CLOSE_BUTTON;
    int agains = 0;
    dialog.callback = [&](TaskDialog& shown, HWND, UINT notification, WPARAM wParam, LPARAM) {
        events.push_back(notification);
        if (notification == TDN_BUTTON_CLICKED && wParam == 301) {
            ++agains;
            shown.SetProgress(50);
            shown.SetMainInstruction("Copying again");
            return true;
        }
        return false;
    };
    HWND seen = NULL;
    int progress = -1;
    bool newText = false;
    std::thread user([&] {
        seen = WaitForDialog(dialog);
        if (seen == NULL)
            return;
        dialog.ClickButton(301);
        dialog.ClickButton(301);
        HWND bar = FindWindowExW(seen, NULL, PROGRESS_CLASSW, NULL);
        progress = bar != NULL ? static_cast<int>(SendMessageW(bar, PBM_GETPOS, 0, 0)) : -1;
        newText = ChildWithText(seen, L"Copying again") != NULL;
        dialog.ClickButton(IDCLOSE);
    });
    TaskDialogResult result = dialog.Show();
    user.join();
    ASSERT_NE(nullptr, seen);
    EXPECT_EQ(2, agains);
    EXPECT_EQ(50, progress);
    EXPECT_TRUE(newText);
    EXPECT_EQ(IDCLOSE, result.button);
    EXPECT_EQ(3, std::count(events.begin(), events.end(), static_cast<UINT>(TDN_BUTTON_CLICKED)));
    EXPECT_FALSE(dialog.SetProgress(10)) << "the dialog is gone";
}

}  // namespace
