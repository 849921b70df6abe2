// Control groups over real windows, and the sunken frame beside them.
#include <gtest/gtest.h>

#include <windows.h>

#include "probe_parent.h"
#include "wicker.h"
#include "window_attributes.h"

namespace {

class ControlGroupTest : public ProbeParentTest {
protected:
    ControlGroupTest() : ProbeParentTest(300, 200) {}
    void SetUp() override
    {
        ProbeParentTest::SetUp();
        ASSERT_FALSE(HasFatalFailure());
        ShowWindow(probe, SW_SHOW);
    }
};

TEST_F(ControlGroupTest, EmptyGroupCountsNothing)
{
    ControlGroup group;
    EXPECT_EQ((int)group.Count, 0);
    EXPECT_EQ(group.ShowAll(), 0);
    EXPECT_EQ(group.HideAll(), 0);
    EXPECT_EQ(group.EnableAll(), 0);
    EXPECT_EQ(group.DisableAll(), 0);
}

TEST_F(ControlGroupTest, OperationsReachEveryMemberAndCountThem)
{
    Button button("B", 1, 10, 10, 60, 20, parentControl);
    TextBox box("T", 2, 10, 40, 60, 20, parentControl);
    CheckBox check("C", 3, 10, 70, 60, 20, parentControl);
    Control* members[] = {&button, &box, &check};
    ControlGroup group;
    for (Control* member : members)
        group.Add(*member);
    EXPECT_EQ((int)group.Count, 3);

    EXPECT_EQ(group.DisableAll(), 3);
    for (Control* member : members)
        EXPECT_FALSE(IsWindowEnabled(member->hwnd));
    EXPECT_EQ(group.HideAll(), 3);
    for (Control* member : members)
        EXPECT_FALSE(IsWindowVisible(member->hwnd));
    EXPECT_EQ(group.ShowAll(), 3);
    EXPECT_EQ(group.EnableAll(), 3);
    for (Control* member : members) {
        EXPECT_TRUE(IsWindowVisible(member->hwnd));
        EXPECT_TRUE(IsWindowEnabled(member->hwnd));
    }

    // A copy has its own list, counted through its own property.
    ControlGroup copy = group;
    group.Clear();
    EXPECT_EQ((int)group.Count, 0);
    EXPECT_EQ(group.DisableAll(), 0);
    EXPECT_TRUE(IsWindowEnabled(button.hwnd));
    EXPECT_EQ((int)copy.Count, 3);
    EXPECT_EQ(copy.HideAll(), 3);
    EXPECT_FALSE(IsWindowVisible(check.hwnd));
}

TEST_F(ControlGroupTest, SunkenFrameIsAVisibleStaticThatAnswersNoCommands)
{
    SunkenFrame line(0, 100, 300, 2, parentControl);
    ASSERT_NE(line.hwnd, (HWND)NULL);
    EXPECT_EQ(line.parent, probe);
    EXPECT_EQ(line.id, 0);
    EXPECT_STRCASEEQ(WindowClass(line.hwnd).c_str(), "Static");
    EXPECT_EQ(WindowStyle(line.hwnd), 0x50001007u);
    EXPECT_EQ(LOWORD(GetDlgCtrlID(line.hwnd)), 0xFFFF);
    EXPECT_TRUE(IsWindowVisible(line.hwnd));
    RECT place = RectInParent(line.hwnd);
    EXPECT_EQ(place.top, 100);
    EXPECT_EQ(place.bottom - place.top, 2);

    SunkenFrame none;
    EXPECT_EQ(none.hwnd, (HWND)NULL);
}

}  // namespace
