// Wrappers without a window never act on the whole desktop: a repaint asked
// of a null window (InvalidateRect(NULL, ...)) invalidates and erases every
// window of every program, and waits on any that does not answer.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>

#include "wicker.h"

namespace {

// A visible top-level window with nothing left to paint: any repaint asked of
// the whole desktop leaves it an update region.
class WindowlessWrapperTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        bystander = CreateWindowExA(0, "STATIC", "bystander", WS_POPUP | WS_VISIBLE, 0, 0, 120, 80,
                                    NULL, NULL, GetModuleHandleA(NULL), NULL);
        ASSERT_NE(bystander, nullptr);
        UpdateWindow(bystander);
        ValidateRect(bystander, NULL);
    }
    void TearDown() override { DestroyWindow(bystander); }

    bool BystanderWasInvalidated() { return GetUpdateRect(bystander, NULL, FALSE) != FALSE; }

    HWND bystander = NULL;
};

TEST_F(WindowlessWrapperTest, RepaintsLeaveOtherWindowsAlone)
{
    // The bystander itself can be invalidated from here: the check can see.
    InvalidateRect(NULL, NULL, TRUE);
    ASSERT_TRUE(BystanderWasInvalidated()) << "a desktop-wide repaint reaches this window";
    ValidateRect(bystander, NULL);

    const struct {
        const char* what;
        std::function<void()> operation;
    } rows[] = {
        {"StatusBar::UpdateLayout", [] { StatusBar().UpdateLayout(); }},
        {"CoolBar::UpdateLayout", [] { CoolBar().UpdateLayout(); }},
        {"MCListBox::SetColumnWidth", [] { MCListBox().SetColumnWidth(40); }},
        {"Form::UpdateLayout", [] { Form().UpdateLayout(); }},
        {"Control::Refresh", [] { Control().Refresh(); }},
        {"Control::BackColor", [] { Control control; control.BackColor = RGB(1, 2, 3); }},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        row.operation();
        EXPECT_FALSE(BystanderWasInvalidated());
        ValidateRect(bystander, NULL);
    }
}

}  // namespace
