// Splitters under Wine: the bar's window, SetPosition and SetRange against
// their limits, drags driven by mouse messages with the neighbours' sizes
// read back after Relayout, the two ways of attaching controls, wrapper
// lifetimes and the runtime check.
#include <gtest/gtest.h>

#include <windows.h>

#include <utility>
#include <vector>

#include "dialog_answer.h"
#include "message_log.h"
#include "wicker.h"

namespace {

const int kBarId = 77;
const int kRoomWidth = 400;
const int kRoomHeight = 300;

// The bar's own WS_VISIBLE bit: the test windows' top-level parent is hidden,
// so IsWindowVisible would say false for every one of them.
bool Shown(HWND window)
{
    return (GetWindowLongA(window, GWL_STYLE) & WS_VISIBLE) != 0;
}

LPARAM Point(int x, int y)
{
    return MAKELPARAM(static_cast<WORD>(static_cast<short>(x)), static_cast<WORD>(static_cast<short>(y)));
}

class SplitterTest : public ::testing::Test {
protected:
    HWND room = NULL;
    Control roomControl;
    // Left and right of a vertical bar (or above and below a horizontal one).
    Control first;
    Control second;

    void SetUp() override
    {
        // A child of the probe with an exact client size: the container.
        probe = CreateProbeWindow(600, 500);
        room = CreateChildWindow(probe, "STATIC", WS_VISIBLE, 1, 0, 0, kRoomWidth, kRoomHeight);
        ASSERT_NE((HWND)NULL, room);
        roomControl = Control(room);
        ClearMessageLog();
    }
    void TearDown() override
    {
        DestroyWindow(probe);
        PumpMessages();
        ClearMessageLog();
    }
    // Neighbours of a vertical bar at 100: 0..100 and 105..400, full height.
    void AddNeighbours(Splitter& bar)
    {
        first = Control(CreateChildWindow(room, "STATIC", WS_VISIBLE, 2, 0, 0, 100, kRoomHeight));
        second = Control(CreateChildWindow(room, "STATIC", WS_VISIBLE, 3, 105, 0, 295, kRoomHeight));
        bar.Attach(0, {&first});
        bar.Attach(1, {&second});
        bar.SetPosition(100);
    }
    // The positions the bar reported to its parent, in order. The bar's parent
    // is the static container, so its WM_COMMAND is read from a subclass.
    static std::vector<LPARAM>& Reported()
    {
        static std::vector<LPARAM> reported;
        return reported;
    }
    void ListenToRoom()
    {
        Reported().clear();
        SetWindowSubclass(room, RoomProc, 1, 0);
    }
    static LRESULT CALLBACK RoomProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR, DWORD_PTR)
    {
        if (message == WM_COMMAND && LOWORD(wParam) == kBarId)
            Reported().push_back(lParam);
        return DefSubclassProc(window, message, wParam, lParam);
    }

private:
    HWND probe = NULL;
};

TEST_F(SplitterTest, TheBarSpansTheContainerAcrossItsDirection)
{
    struct Row {
        bool horizontal;
        int thickness;
        int width, height, maximum;
    };
    const Row rows[] = {
        {false, 5, 5, kRoomHeight, kRoomWidth},
        {true, 7, kRoomWidth, 7, kRoomHeight},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.horizontal ? "horizontal" : "vertical");
        Splitter bar(kBarId, roomControl, row.horizontal, row.thickness, true);
        ASSERT_NE((HWND)NULL, bar.hwnd);
        char className[16] = "";
        GetClassNameA(bar.hwnd, className, sizeof className);
        EXPECT_STRCASEEQ("Static", className);
        EXPECT_EQ(static_cast<DWORD>(WS_CHILD | WS_VISIBLE | SS_NOTIFY),
                  static_cast<DWORD>(bar.GetStyle()));
        EXPECT_EQ(room, GetParent(bar.hwnd));
        EXPECT_EQ(kBarId, GetDlgCtrlID(bar.hwnd));
        EXPECT_EQ(row.width, bar.Width());
        EXPECT_EQ(row.height, bar.Height());
        EXPECT_EQ(row.thickness, bar.Thickness());
        EXPECT_EQ(0, bar.minimum);
        EXPECT_EQ(row.maximum, bar.maximum);
        // Over the bar the pointer is the resize cursor of its direction.
        EXPECT_EQ(TRUE, SendMessageA(bar.hwnd, WM_SETCURSOR, reinterpret_cast<WPARAM>(bar.hwnd),
                                     MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
        EXPECT_EQ(LoadCursorA(NULL, row.horizontal ? IDC_SIZENS : IDC_SIZEWE), GetCursor());
        bar.Destroy();
    }
}

// SetPosition keeps the bar inside minimum .. maximum - thickness, and tells
// the parent where the bar went.
TEST_F(SplitterTest, SetPositionStopsAtTheRange)
{
    struct Row {
        int minimum, maximum, value, expected;
    };
    const Row rows[] = {
        {0, 400, -5, 395},  {0, 400, 1000, 395}, {10, 400, 2, 10},
        {0, 400, 150, 150}, {0, 400, 395, 395},  {0, 200, 250, 195},
    };
    for (bool horizontal : {false, true}) {
        Splitter bar(kBarId, roomControl, horizontal, 5, true);
        ListenToRoom();
        for (const Row& row : rows) {
            SCOPED_TRACE(::testing::Message() << (horizontal ? "horizontal " : "vertical ")
                                              << row.minimum << ".." << row.maximum << " <- "
                                              << row.value);
            bar.minimum = row.minimum;
            bar.maximum = row.maximum;
            Reported().clear();
            bar.Position = row.value;
            EXPECT_EQ(row.expected, bar.Position());
            EXPECT_EQ(row.expected, horizontal ? bar.Top() : bar.Left());
            ASSERT_EQ(1u, Reported().size());
            EXPECT_EQ(row.expected, Reported()[0]);
        }
        bar.Destroy();
    }
}

// A new range moves a bar outside it back in: to the minimum, or so that its
// far edge meets the maximum.
TEST_F(SplitterTest, SetRangeMovesTheBarIntoIt)
{
    struct Row {
        int start, minimum, maximum, expected;
    };
    const Row rows[] = {{300, 0, 200, 195}, {5, 50, 400, 50}, {120, 50, 300, 120}};
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message() << row.start << " in " << row.minimum << ".." << row.maximum);
        Splitter bar(kBarId, roomControl, false, 5, true);
        bar.SetPosition(row.start);
        bar.SetRange(row.minimum, row.maximum);
        EXPECT_EQ(row.minimum, bar.minimum);
        EXPECT_EQ(row.maximum, bar.maximum);
        EXPECT_EQ(row.expected, bar.Left());
        bar.Destroy();
    }
}

// The case of the bar moved from 100 to 150: the control before it reaches
// it, the one after it starts right after it and still ends at 400.
TEST_F(SplitterTest, RelayoutMeetsTheBarOnBothSides)
{
    Splitter bar(kBarId, roomControl, false, 5, true);
    AddNeighbours(bar);
    bar.SetPosition(150);
    bar.Relayout();
    RECT left = RectInParent(first.hwnd), right = RectInParent(second.hwnd);
    EXPECT_EQ(0, left.left);
    EXPECT_EQ(150, left.right - left.left);
    EXPECT_EQ(155, right.left);
    EXPECT_EQ(400, right.right);
    EXPECT_EQ(kRoomHeight, right.bottom - right.top);
}

// The thread's cursor display count (ShowCursor gives the count it leaves).
int CursorDisplayCount()
{
    int count = ShowCursor(TRUE) - 1;
    ShowCursor(FALSE);
    return count;
}

// Drags driven by posted mouse messages (button down on the bar, moves, up),
// with the range, the container's edges and the neighbours read back; each
// drag leaves the cursor's display count as it found it.
TEST_F(SplitterTest, DraggingStopsAtTheEdgesAndTheRange)
{
    struct Row {
        const char* name;
        int minimum, maximum;
        std::vector<int> moves;  // pointer x in the bar's coordinates, one move each
        int expected;
    };
    const Row rows[] = {
        {"right by 60", 0, kRoomWidth, {30, 30}, 160},
        {"past the right edge", 0, kRoomWidth, {500, 600}, kRoomWidth - 5},
        {"past the left edge", 0, kRoomWidth, {-500}, 0},
        {"past the left edge with a minimum", 40, kRoomWidth, {-500}, 40},
        {"past the maximum", 0, 250, {300}, 245},
        {"the container's edge inside a wider range", 20, 1000, {5000}, kRoomWidth - 5},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Splitter bar(kBarId, roomControl, false, 5, true);
        AddNeighbours(bar);
        bar.minimum = row.minimum;
        bar.maximum = row.maximum;
        ListenToRoom();
        const int cursorCount = CursorDisplayCount();

        PostMessageA(bar.hwnd, WM_LBUTTONDOWN, MK_LBUTTON, Point(2, 10));
        PumpMessages();
        EXPECT_TRUE(bar.dragging);
        EXPECT_EQ(bar.hwnd, GetCapture());
        EXPECT_FALSE(Shown(bar.hwnd));
        for (int x : row.moves) {
            PostMessageA(bar.hwnd, WM_MOUSEMOVE, MK_LBUTTON, Point(x, 10));
            PumpMessages();
            bar.Relayout();
        }
        PostMessageA(bar.hwnd, WM_LBUTTONUP, 0, Point(0, 10));
        PumpMessages();
        bar.Relayout();

        EXPECT_FALSE(bar.dragging);
        EXPECT_NE(bar.hwnd, GetCapture());
        EXPECT_TRUE(Shown(bar.hwnd));
        EXPECT_EQ(cursorCount, CursorDisplayCount());
        EXPECT_EQ(row.expected, bar.Left());
        ASSERT_FALSE(Reported().empty());
        EXPECT_EQ(row.expected, Reported().back());
        RECT left = RectInParent(first.hwnd), right = RectInParent(second.hwnd);
        EXPECT_EQ(row.expected, left.right - left.left);
        EXPECT_EQ(row.expected + 5, right.left);
        // Never a negative size, even with the bar at the far edge.
        EXPECT_GE(right.right - right.left, 0);
        EXPECT_GE(left.right - left.left, 0);
        DestroyWindow(first.hwnd);
        DestroyWindow(second.hwnd);
        bar.Destroy();
    }
}

// Losing the mouse in the middle of a drag ends it: the bar shows again.
TEST_F(SplitterTest, ADragEndsWhenAnotherWindowTakesTheMouse)
{
    Splitter bar(kBarId, roomControl, true, 5, true);
    const int cursorCount = CursorDisplayCount();
    SendMessageA(bar.hwnd, WM_LBUTTONDOWN, MK_LBUTTON, Point(10, 2));
    SendMessageA(bar.hwnd, WM_MOUSEMOVE, MK_LBUTTON, Point(10, 42));
    ASSERT_TRUE(bar.dragging);
    SetCapture(room);
    EXPECT_FALSE(bar.dragging);
    EXPECT_TRUE(Shown(bar.hwnd));
    EXPECT_EQ(cursorCount, CursorDisplayCount());
    EXPECT_EQ(42, bar.Top());
    ReleaseCapture();
    bar.Destroy();
}

// Both ways of attaching give the same sides; a null pointer in the list is skipped.
TEST_F(SplitterTest, AttachWithANullEndOrAList)
{
    Splitter listed(kBarId, roomControl, false, 5, true);
    Splitter ended(kBarId + 1, roomControl, false, 5, true);
    Control a(CreateChildWindow(room, "STATIC", 0, 4, 0, 0, 10, 10));
    Control b(CreateChildWindow(room, "STATIC", 0, 5, 0, 0, 10, 10));
    Control c(CreateChildWindow(room, "STATIC", 0, 6, 0, 0, 10, 10));
    listed.Attach(0, {&a, &b});
    listed.Attach(1, {&c, nullptr});
    ended.Attach(0, &a, &b, static_cast<Control*>(NULL));
    ended.Attach(1, &c, static_cast<Control*>(NULL));
    const std::vector<HWND> before = {a.hwnd, b.hwnd}, after = {c.hwnd};
    for (Splitter* bar : {&listed, &ended}) {
        EXPECT_EQ(before, bar->before);
        EXPECT_EQ(after, bar->after);
    }
    listed.Destroy();
    ended.Destroy();
}

// A moved wrapper takes the bar along; once no wrapper names the bar, mouse
// messages reach the static window's own procedure and move nothing.
TEST_F(SplitterTest, TheBarFollowsItsWrapper)
{
    std::vector<Splitter> kept;
    kept.push_back(Splitter(kBarId, roomControl, false, 5, true));
    Splitter& bar = kept.back();
    EXPECT_EQ(&bar, ControlFromWindow(bar.hwnd));
    SendMessageA(bar.hwnd, WM_LBUTTONDOWN, MK_LBUTTON, Point(0, 0));
    SendMessageA(bar.hwnd, WM_MOUSEMOVE, MK_LBUTTON, Point(70, 0));
    SendMessageA(bar.hwnd, WM_LBUTTONUP, 0, Point(70, 0));
    EXPECT_EQ(70, bar.Left());

    HWND window = bar.hwnd;
    kept.clear();
    EXPECT_EQ(NULL, ControlFromWindow(window));
    SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, Point(0, 0));
    SendMessageA(window, WM_MOUSEMOVE, MK_LBUTTON, Point(90, 0));
    SendMessageA(window, WM_LBUTTONUP, 0, Point(90, 0));
    EXPECT_EQ(70, Control(window).Left());
    EXPECT_TRUE(Shown(window));
    DestroyWindow(window);
}

TEST(SplitterChecks, AContainerWithoutAWindowNamesTheCheck)
{
    DialogAnswer answer("Wicker runtime check", IDIGNORE);
    Splitter bar;
    EXPECT_FALSE(bar.Create(kBarId, Control(static_cast<HWND>(NULL)), false));
    ASSERT_TRUE(answer.Wait());
    EXPECT_EQ(NULL, bar.hwnd);
    EXPECT_NE(std::string::npos, answer.text.find("Expression: Slitter_Window_Handle != NULL\r\n"))
        << answer.text;
}

}  // namespace
