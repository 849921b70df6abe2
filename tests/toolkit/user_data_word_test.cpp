// The window's user-data word belongs to whichever wrapper last installed a
// procedure or wrote BackColor. The toolkit's own specialised procedures (the
// tips dialog's and the splitter's) find their state elsewhere: another
// wrapper of the same window taking the word leaves them working, and while
// that wrapper lives nothing treats it as a dialog or a bar.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <string>

#include "wicker.h"

namespace {

WNDPROC previousProcedure = NULL;

// A program's own window procedure that handles nothing itself.
LRESULT CALLBACK PassOnProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return CallWindowProcA(previousProcedure, window, message, wParam, lParam);
}

LPARAM Point(int x, int y)
{
    return MAKELPARAM(x, y);
}

// The ways another wrapper of a window takes its user-data word.
const struct {
    const char* how;
    std::function<void(Control&)> take;
} kTakers[] = {
    {"BackColor", [](Control& other) { other.BackColor = RGB(200, 10, 10); }},
    {"SetWindowProcedure", [](Control& other) { previousProcedure = other.SetWindowProcedure(PassOnProc); }},
};

TEST(UserDataWordTest, TipsDialogNextWorksWhileAnotherWrapperHoldsTheWord)
{
    for (const auto& taker : kTakers) {
        SCOPED_TRACE(taker.how);
        TipsDialog dialog("", "Tips", Control(), false);
        for (const char* title : {"One", "Two", "Three"})
            dialog.AddTip(title, "Text.");
        dialog.ShowTip(1);
        {
            Control other(dialog.hwnd);
            taker.take(other);
            // A procedure takes the word; a colour leaves it to the dialog.
            EXPECT_EQ(ControlFromWindow(dialog.hwnd),
                      taker.how == std::string("BackColor") ? static_cast<Control*>(&dialog) : &other);
            SendMessageA(dialog.hwnd, WM_COMMAND, MAKEWPARAM(kTipsNextId, BN_CLICKED),
                         reinterpret_cast<LPARAM>(dialog.nextButton.hwnd));
            EXPECT_EQ(static_cast<int>(dialog.Current), 2);
        }
        SendMessageA(dialog.hwnd, WM_COMMAND, MAKEWPARAM(kTipsPreviousId, BN_CLICKED),
                     reinterpret_cast<LPARAM>(dialog.previousButton.hwnd));
        EXPECT_EQ(static_cast<int>(dialog.Current), 1);
        if (previousProcedure != NULL)
            SetWindowLongPtrA(dialog.hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previousProcedure));
        previousProcedure = NULL;
        DestroyWindow(dialog.hwnd);
    }
}

TEST(UserDataWordTest, SplitterDragsWhileAnotherWrapperHoldsTheWord)
{
    HWND room = CreateWindowExA(0, "STATIC", "room", WS_POPUP | WS_VISIBLE, 0, 0, 200, 150, NULL,
                                NULL, GetModuleHandleA(NULL), NULL);
    ASSERT_NE(room, nullptr);
    Control roomControl(room);
    for (const auto& taker : kTakers) {
        SCOPED_TRACE(taker.how);
        Splitter bar(7, roomControl, false, 5, true);
        Control other(bar.hwnd);
        taker.take(other);
        SendMessageA(bar.hwnd, WM_LBUTTONDOWN, MK_LBUTTON, Point(0, 0));
        SendMessageA(bar.hwnd, WM_MOUSEMOVE, MK_LBUTTON, Point(60, 0));
        SendMessageA(bar.hwnd, WM_LBUTTONUP, 0, Point(60, 0));
        EXPECT_EQ(bar.Left(), 60);
        EXPECT_FALSE(bar.dragging);
        if (previousProcedure != NULL)
            SetWindowLongPtrA(bar.hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previousProcedure));
        previousProcedure = NULL;
        ReleaseCapture();
        bar.Destroy();
    }
    DestroyWindow(room);
}

// The colour written through BackColor stays with the window, whichever
// wrapper holds the word, black included.
TEST(UserDataWordTest, BackColorStaysWithTheWindow)
{
    HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 50, 50, NULL, NULL,
                                  GetModuleHandleA(NULL), NULL);
    COLORREF colour = 1;
    EXPECT_FALSE(WindowBackColor(window, &colour));
    Control first(window);
    previousProcedure = first.SetWindowProcedure(PassOnProc);
    for (COLORREF written : {RGB(1, 2, 3), RGB(0, 0, 0), RGB(255, 255, 255)}) {
        Control second(window);
        second.BackColor = written;
        EXPECT_EQ(ControlFromWindow(window), &first);
        ASSERT_TRUE(WindowBackColor(window, &colour));
        EXPECT_EQ(colour, written);
    }
    SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previousProcedure));
    previousProcedure = NULL;
    DestroyWindow(window);
}

}  // namespace
