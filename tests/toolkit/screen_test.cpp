#include <gtest/gtest.h>

#include "wicker.h"

namespace {

TEST(ScreenTest, ReportsThePrimaryScreenAndTheDesktop)
{
    EXPECT_EQ(static_cast<int>(Screen.Width), GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(static_cast<int>(Screen.Height), GetSystemMetrics(SM_CYSCREEN));
    EXPECT_GT(static_cast<int>(Screen.Width), 0);
    EXPECT_GT(static_cast<int>(Screen.Height), 0);
    EXPECT_EQ(Screen.desktop, GetDesktopWindow());

    // The desktop window covers the primary screen.
    RECT desktop;
    ASSERT_TRUE(GetWindowRect(Screen.desktop, &desktop));
    EXPECT_EQ(desktop.right - desktop.left, static_cast<int>(Screen.Width));
    EXPECT_EQ(desktop.bottom - desktop.top, static_cast<int>(Screen.Height));
}

TEST(ScreenTest, ACopyIsBoundToItself)
{
    ScreenObject copy(Screen);
    EXPECT_EQ(copy.Width.m_cObject, &copy);
    EXPECT_EQ(copy.Height.m_cObject, &copy);
    EXPECT_EQ(static_cast<int>(copy.Width), static_cast<int>(Screen.Width));
}

}  // namespace
