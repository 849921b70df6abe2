#include <gtest/gtest.h>

#include "wicker.h"

namespace {

POINT CursorNow()
{
    POINT point = {-1, -1};
    GetCursorPos(&point);
    return point;
}

// Each coordinate written keeps the other where it was.
TEST(MouseTest, WritingOneCoordinateKeepsTheOther)
{
    ASSERT_TRUE(Mouse.MoveTo(200, 150));
    EXPECT_EQ(CursorNow().x, 200);
    EXPECT_EQ(CursorNow().y, 150);
    EXPECT_EQ(Mouse.X(), 200);
    EXPECT_EQ(Mouse.Y(), 150);

    Mouse.X = 100;
    EXPECT_EQ(CursorNow().x, 100);
    EXPECT_EQ(CursorNow().y, 150);

    Mouse.Y = 60;
    EXPECT_EQ(CursorNow().x, 100);
    EXPECT_EQ(CursorNow().y, 60);
    EXPECT_EQ(Mouse.X(), 100);
    EXPECT_EQ(Mouse.Y(), 60);
}

// Show and Hide move the display counter by one each way; Visible does the same.
TEST(MouseTest, ShowAndHideStepTheDisplayCounter)
{
    int shown = Mouse.Show();
    EXPECT_EQ(Mouse.Hide(), shown - 1);
    Mouse.Visible = true;
    EXPECT_EQ(Mouse.Hide(), shown - 1 + 1 - 1);
    Mouse.Visible = false;
    EXPECT_EQ(Mouse.Show(), shown - 1 - 1 + 1);
    Mouse.Show();
    EXPECT_EQ(ShowCursor(FALSE), shown - 1);
    ShowCursor(TRUE);
}

}  // namespace
