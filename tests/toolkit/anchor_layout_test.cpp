// Anchored controls under Wine: forms resized with SetWindowPos and the
// children's rectangles read back, over the anchor combinations; controls
// moved or re-anchored by the program, nested forms, a tab page, a combo
// box's list, children that leave, and a form's minimum size.
#include <gtest/gtest.h>

#include <windows.h>

#include "probe_parent.h"
#include "wicker.h"

namespace {

const int kRoomWidth = 400;
const int kRoomHeight = 300;

bool operator==(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

::testing::AssertionResult At(HWND window, RECT expected)
{
    RECT got = RectInParent(window);
    if (got == expected)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "at (" << got.left << ", " << got.top << ", " << got.right << ", " << got.bottom
           << "), expected (" << expected.left << ", " << expected.top << ", " << expected.right
           << ", " << expected.bottom << ")";
}

void SizeTo(HWND window, int width, int height)
{
    SetWindowPos(window, NULL, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

class AnchorLayoutTest : public ProbeParentTest {
protected:
    AnchorLayoutTest() : ProbeParentTest(800, 600) {}
    // A frameless child form on the probe: its client area is its window.
    Form room;

    void SetUp() override
    {
        ProbeParentTest::SetUp();
        ASSERT_FALSE(HasFatalFailure());
        room.Create("", 0, 0, kRoomWidth, kRoomHeight, kFormPopup, true, true, false, false, false,
                    parentControl, true);
        ASSERT_TRUE(room.Exists());
    }
    HWND Child(HWND parent, int x, int y, int width, int height)
    {
        return CreateChildWindow(parent, "STATIC", WS_VISIBLE, 1, x, y, width, height);
    }
};

// A 120 x 40 control at (100, 80) in the 400 x 300 room, anchored through a
// wrapper that is gone before the room is resized.
struct AnchorRow {
    Anchor anchor;
    RECT grown;  // room 500 x 360
    RECT tiny;   // room 150 x 100, smaller than the control's distances
};

const Anchor L = Anchor::Left, T = Anchor::Top, R = Anchor::Right, B = Anchor::Bottom;
const AnchorRow AnchorRows[] = {
    {L | T, {100, 80, 220, 120}, {100, 80, 220, 120}},
    {R | B, {200, 140, 320, 180}, {-150, -120, -30, -80}},
    {L | R | T, {100, 80, 320, 120}, {100, 80, 100, 120}},
    {Anchor::All, {100, 80, 320, 180}, {100, 80, 100, 80}},
    {T | B, {140, 80, 260, 180}, {0, 80, 120, 80}},
    {R, {200, 100, 320, 140}, {-150, 13, -30, 53}},
    {Anchor::None, {140, 100, 260, 140}, {0, 13, 120, 53}},
    {L | B, {100, 140, 220, 180}, {100, -120, 220, -80}},
};

TEST_F(AnchorLayoutTest, ChildrenKeepTheirDistancesToTheAnchoredEdges)
{
    for (const AnchorRow& row : AnchorRows) {
        SCOPED_TRACE(static_cast<unsigned>(row.anchor));
        SizeTo(room.hwnd, kRoomWidth, kRoomHeight);
        HWND child = Child(room.hwnd, 100, 80, 120, 40);
        EXPECT_TRUE(Control(child).SetAnchor(row.anchor));
        EXPECT_EQ(static_cast<unsigned>(row.anchor), static_cast<unsigned>(Control(child).GetAnchor()));

        SizeTo(room.hwnd, 500, 360);
        EXPECT_TRUE(At(child, row.grown));
        SizeTo(room.hwnd, 150, 100);
        EXPECT_TRUE(At(child, row.tiny));
        // Back at the first size every control is where it began.
        SizeTo(room.hwnd, kRoomWidth, kRoomHeight);
        EXPECT_TRUE(At(child, RECT{100, 80, 220, 120}));
        DestroyWindow(child);
    }
}

TEST_F(AnchorLayoutTest, AControlMovedOrReanchoredKeepsItsNewPlace)
{
    Control moved(Child(room.hwnd, 300, 250, 50, 20));
    Control reanchored(Child(room.hwnd, 300, 250, 50, 20));
    moved.SetAnchor(R | B);
    reanchored.SetAnchor(R | B);
    SizeTo(room.hwnd, 420, 310);
    moved.Move(200, 100);
    reanchored.Move(200, 100);
    reanchored.SetAnchor(L | T | R);

    SizeTo(room.hwnd, 470, 350);
    EXPECT_TRUE(At(moved.hwnd, RECT{250, 140, 300, 160}));
    EXPECT_TRUE(At(reanchored.hwnd, RECT{200, 100, 300, 120}));
    // Left | Top forgets the control: it stays where it is.
    reanchored.SetAnchor(L | T);
    SizeTo(room.hwnd, kRoomWidth, kRoomHeight);
    EXPECT_TRUE(At(reanchored.hwnd, RECT{200, 100, 300, 120}));
    EXPECT_TRUE(At(moved.hwnd, RECT{180, 90, 230, 110}));
}

TEST_F(AnchorLayoutTest, NestedFormsAndTabPagesFollowTheirOuterForm)
{
    Form outer("Outer", 0, 0, 500, 400, kFormStandard, true, false);
    Form inner("", 10, 10, 300, 200, kFormPopup, true, true, false, false, false, outer, true);
    Button ok("OK", 1, 220, 160, 70, 30, inner);
    Tab tab("", 2, 10, 10, 200, 150, inner);
    TabPage page = tab.AddPage("Page");
    ListBox list("", 3, 0, 0, 50, 50, inner);
    page.AttachControl(list);
    RECT listAt = RectInParent(list.hwnd);

    inner.SetAnchor(Anchor::All);
    ok.SetAnchor(R | B);
    tab.SetAnchor(Anchor::All);
    list.SetAnchor(Anchor::All);
    RECT outerAt;
    GetWindowRect(outer.hwnd, &outerAt);
    SizeTo(outer.hwnd, outerAt.right - outerAt.left + 100, outerAt.bottom - outerAt.top + 50);

    EXPECT_TRUE(At(inner.hwnd, RECT{10, 10, 410, 260}));
    EXPECT_TRUE(At(ok.hwnd, RECT{320, 210, 390, 240}));
    EXPECT_TRUE(At(tab.hwnd, RECT{10, 10, 310, 210}));
    RECT listGrown = RectInParent(list.hwnd);
    EXPECT_EQ(listAt.left, listGrown.left);
    EXPECT_EQ(listAt.right + 100, listGrown.right);
    // A list box shows whole lines: it may stop short of 50 more pixels.
    EXPECT_GT(listGrown.bottom, listAt.bottom + 30);
    outer.Destroy();
}

TEST_F(AnchorLayoutTest, AStretchedComboBoxKeepsItsListHeight)
{
    ComboBox combo("", 4, 10, 10, 150, 200, room);
    RECT before = {0, 0, 0, 0};
    SendMessageA(combo.hwnd, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&before));
    combo.SetAnchor(L | R | T);
    SizeTo(room.hwnd, 500, kRoomHeight);
    RECT after = {0, 0, 0, 0};
    SendMessageA(combo.hwnd, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&after));
    EXPECT_EQ(250, after.right - after.left);
    EXPECT_EQ(before.bottom - before.top, after.bottom - after.top);
}

TEST_F(AnchorLayoutTest, ChildrenThatLeaveAreLeftAlone)
{
    HWND gone = Child(room.hwnd, 10, 10, 50, 20);
    HWND moved = Child(room.hwnd, 10, 10, 50, 20);
    HWND stays = Child(room.hwnd, 10, 10, 50, 20);
    for (HWND child : {gone, moved, stays})
        EXPECT_TRUE(Control(child).SetAnchor(L | R));
    DestroyWindow(gone);
    SetParent(moved, probe);
    SizeTo(room.hwnd, 500, kRoomHeight);
    EXPECT_TRUE(At(stays, RECT{10, 10, 160, 30}));
    EXPECT_TRUE(At(moved, RECT{10, 10, 60, 30}));
    EXPECT_EQ(static_cast<unsigned>(L | T), static_cast<unsigned>(Control(moved).GetAnchor()));
    // Only child windows can be anchored.
    EXPECT_FALSE(parentControl.SetAnchor(R));
    EXPECT_FALSE(Control().SetAnchor(R));
}

TEST_F(AnchorLayoutTest, ASizableFormKeepsItsMinimumSize)
{
    Form form("Sizable", 0, 0, 400, 300, kFormStandard, true, false);
    EXPECT_TRUE(form.SetMinimumSize(320, 240));
    SizeTo(form.hwnd, 100, 100);
    EXPECT_EQ(320, form.Width);
    EXPECT_EQ(240, form.Height);
    SizeTo(form.hwnd, 500, 100);
    EXPECT_EQ(500, form.Width);
    EXPECT_EQ(240, form.Height);
    form.Destroy();
}

// Code that scales a form and its children together (a change of DPI) takes
// the distances again from where everything is now.
TEST_F(AnchorLayoutTest, DistancesAreTakenAgainFromThePresentRectangles)
{
    HWND child = Child(room.hwnd, 300, 250, 50, 20);
    Control(child).SetAnchor(R | B);
    EXPECT_FALSE(RememberAnchorDistances(probe));
    SizeTo(room.hwnd, 600, 450);
    SetWindowPos(child, NULL, 450, 375, 75, 30, SWP_NOZORDER);
    EXPECT_TRUE(RememberAnchorDistances(room.hwnd));
    SizeTo(room.hwnd, 800, 600);
    EXPECT_TRUE(At(child, RECT{650, 525, 725, 555}));
}

}  // namespace
