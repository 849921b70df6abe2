// MDI frames under Wine: the frame and its client window, children created,
// counted and closed, the arrangement messages and what they do to the
// children's places, the client's colour on screen, and the runtime checks.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "dialog_answer.h"
#include "gdi_objects.h"
#include "message_log.h"
#include "wicker.h"

namespace {

const char kCheckCaption[] = "Wicker runtime check";

// A program's own frame procedure that handles nothing.
INT_PTR CALLBACK OwnFrameProc(HWND, UINT, WPARAM, LPARAM)
{
    return FALSE;
}

// The arrangement messages the MDI client received.
std::vector<LoggedMessage> arrangements;

LRESULT CALLBACK ArrangementLogger(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                   UINT_PTR, DWORD_PTR)
{
    if (message == WM_MDICASCADE || message == WM_MDITILE || message == WM_MDIICONARRANGE)
        arrangements.push_back({window, message, wParam, lParam});
    return DefSubclassProc(window, message, wParam, lParam);
}

class MDIFormTest : public ::testing::Test {
protected:
    MDIForm frame;

    void SetUp() override
    {
        ASSERT_TRUE(frame.Create("Frame", 20, 20, 500, 400, kFormStandard, true, true));
    }
    void TearDown() override
    {
        DestroyWindow(frame.hwnd);
        PumpMessages();
    }

    // The client's child windows, first to last (GetWindow over the client).
    std::vector<HWND> Children()
    {
        std::vector<HWND> found;
        for (HWND child = GetWindow(frame.container.hwnd, GW_CHILD); child != NULL;
             child = GetWindow(child, GW_HWNDNEXT))
            found.push_back(child);
        return found;
    }
    std::vector<Form> AddThree()
    {
        // Room for all three first: a growing vector copies forms (their move
        // may throw), and a copy does not take over a window's user-data word.
        std::vector<Form> children;
        children.reserve(3);
        children.push_back(frame.AddChild("One", 0, 0, 200, 150, kFormStandard));
        children.push_back(frame.AddChild("Two", 30, 30, 200, 150, kFormStandard));
        children.push_back(frame.AddChild("Three", 60, 60, 200, 150, kFormStandard));
        PumpMessages();
        return children;
    }
};

TEST_F(MDIFormTest, TheClientFillsTheFrameAndFollowsItsSize)
{
    char className[32] = "";
    GetClassNameA(frame.container.hwnd, className, sizeof className);
    EXPECT_STREQ("MDIClient", className);
    EXPECT_EQ(frame.hwnd, GetParent(frame.container.hwnd));
    EXPECT_EQ(0x52300001u, static_cast<DWORD>(frame.container.GetStyle()));
    EXPECT_EQ(frame.container.hwnd, frame.fillChild);

    for (int width : {500, 350, 420}) {
        SCOPED_TRACE(width);
        // The last size with a procedure of the program's own on the frame.
        if (width == 420)
            frame.DialogProcedure = OwnFrameProc;
        frame.Resize(width, 300, false);
        RECT client = RectInParent(frame.container.hwnd);
        SIZE room = ClientSize(frame.hwnd);
        EXPECT_EQ(0, client.left);
        EXPECT_EQ(0, client.top);
        EXPECT_EQ(room.cx, client.right);
        EXPECT_EQ(room.cy, client.bottom);
    }
}

TEST_F(MDIFormTest, ChildrenAreCreatedCountedAndTheLastIsActive)
{
    std::vector<Form> children = AddThree();
    std::vector<HWND> listed = Children();
    ASSERT_EQ(3u, listed.size());
    for (const Form& child : children) {
        ASSERT_NE((HWND)NULL, child.hwnd);
        EXPECT_EQ(frame.container.hwnd, GetParent(child.hwnd));
        EXPECT_EQ(frame.container.hwnd, child.parent);
        EXPECT_NE(listed.end(), std::find(listed.begin(), listed.end(), child.hwnd));
        EXPECT_TRUE(IsWindowVisible(child.hwnd));
        EXPECT_TRUE(GetWindowLongA(child.hwnd, GWL_EXSTYLE) & WS_EX_MDICHILD);
        EXPECT_TRUE(GetWindowLongA(child.hwnd, GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
        // The wrapper in the vector, where the returned forms were moved to.
        EXPECT_EQ(&child, ControlFromWindow(child.hwnd));
    }
    EXPECT_EQ("Two", children[1].Text());
    EXPECT_EQ(children[2].hwnd, frame.ActiveChild());
    EXPECT_EQ(children[2].hwnd,
              reinterpret_cast<HWND>(SendMessageA(frame.container.hwnd, WM_MDIGETACTIVE, 0, 0)));
}

// The window menu lists the children, and choosing one's entry brings it to
// the front as the active child.
TEST_F(MDIFormTest, TheWindowMenuListsAndActivatesTheChildren)
{
    MenuBar bar(frame);
    MenuItem window = bar.AddMenu("&Window", 10);
    window.AddItem("&Cascade", 11);
    ASSERT_TRUE(frame.SetWindowMenu(window.subMenu));
    std::vector<Form> children = AddThree();
    int items = GetMenuItemCount(window.subMenu);
    char text[64] = "";
    GetMenuStringA(window.subMenu, items - 1, text, sizeof text, MF_BYPOSITION);
    EXPECT_NE(nullptr, std::strstr(text, "Three")) << text;
    EXPECT_EQ(kFirstMDIChildId, GetMenuItemID(window.subMenu, items - 3));

    SendMessageA(frame.hwnd, WM_COMMAND, kFirstMDIChildId, 0);
    EXPECT_EQ(children[0].hwnd, frame.ActiveChild());
    EXPECT_EQ(children[0].hwnd, GetWindow(frame.container.hwnd, GW_CHILD));
}

// Closing a child hides it and leaves the frame and the message loop alone,
// also when the program no longer keeps the child's wrapper.
TEST_F(MDIFormTest, ClosingAChildHidesItEvenWithoutItsWrapper)
{
    Form kept = frame.AddChild("Kept", 0, 0, 200, 150, kFormStandard);
    HWND dropped = frame.AddChild("Dropped", 0, 0, 200, 150, kFormStandard).hwnd;
    EXPECT_EQ(NULL, ControlFromWindow(dropped));
    for (HWND child : {kept.hwnd, dropped}) {
        SendMessageA(child, WM_CLOSE, 0, 0);
        EXPECT_TRUE(IsWindow(child));
        EXPECT_FALSE(IsWindowVisible(child));
    }
    MSG quit;
    EXPECT_FALSE(PeekMessageA(&quit, NULL, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_TRUE(IsWindowVisible(frame.hwnd));
}

// A closed (hidden) child gives up being active: the next visible child,
// front first, takes over with the keys, and the frame when none is left.
TEST_F(MDIFormTest, ClosingTheActiveChildActivatesTheNextVisibleOne)
{
    std::vector<Form> children = AddThree();
    HWND client = frame.container.hwnd;
    auto active = [&] { return reinterpret_cast<HWND>(SendMessageA(client, WM_MDIGETACTIVE, 0, 0)); };
    // Two was behind Three, One behind Two.
    const struct { size_t closed; HWND then; } steps[] = {
        {2, children[1].hwnd},
        {1, children[0].hwnd},
    };
    for (const auto& step : steps) {
        ASSERT_EQ(active(), children[step.closed].hwnd);
        SendMessageA(children[step.closed].hwnd, WM_CLOSE, 0, 0);
        PumpMessages();
        EXPECT_FALSE(IsWindowVisible(children[step.closed].hwnd));
        EXPECT_EQ(active(), step.then);
        EXPECT_TRUE(GetFocus() == step.then || IsChild(step.then, GetFocus()));
    }
    // The last one: the frame takes the keys, and keeps them when the frame
    // or the client is given the focus again.
    SendMessageA(children[0].hwnd, WM_CLOSE, 0, 0);
    PumpMessages();
    EXPECT_EQ(GetFocus(), frame.hwnd);
    for (HWND focused : {frame.hwnd, client}) {
        SetFocus(focused);
        EXPECT_EQ(GetFocus(), frame.hwnd);
    }
    // Shown again, a child can be activated as before.
    ShowWindow(children[1].hwnd, SW_SHOW);
    SendMessageA(client, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(children[1].hwnd), 0);
    EXPECT_EQ(active(), children[1].hwnd);
}

// The arrangement operations send their messages to the client with the
// flags asked for.
TEST_F(MDIFormTest, ArrangementMessagesTable)
{
    struct Row {
        const char* name;
        bool (*call)(MDIForm&);
        UINT message;
        WPARAM wParam;
    };
    const Row rows[] = {
        {"Cascade(false)", [](MDIForm& f) { return f.Cascade(false); }, WM_MDICASCADE, 0},
        {"Cascade(true)", [](MDIForm& f) { return f.Cascade(true); }, WM_MDICASCADE, 2},
        {"TileVertical(false)", [](MDIForm& f) { return f.TileVertical(false); }, WM_MDITILE, 0},
        {"TileVertical(true)", [](MDIForm& f) { return f.TileVertical(true); }, WM_MDITILE, 2},
        {"TileHorizontal(false)", [](MDIForm& f) { return f.TileHorizontal(false); }, WM_MDITILE, 1},
        {"TileHorizontal(true)", [](MDIForm& f) { return f.TileHorizontal(true); }, WM_MDITILE, 3},
        {"ArrangeIcons", [](MDIForm& f) { return f.ArrangeIcons(); }, WM_MDIICONARRANGE, 0},
    };
    std::vector<LoggedMessage>& seen = arrangements;
    SUBCLASSPROC logger = ArrangementLogger;
    std::vector<Form> children = AddThree();
    ASSERT_TRUE(SetWindowSubclass(frame.container.hwnd, logger, 1, 0));
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        seen.clear();
        EXPECT_TRUE(row.call(frame));
        ASSERT_EQ(1u, seen.size());
        EXPECT_EQ(row.message, seen[0].message);
        EXPECT_EQ(row.wParam, seen[0].wParam);
    }
    RemoveWindowSubclass(frame.container.hwnd, logger, 1);
}

// Positions read back after each arrangement: tiles share the client area
// without overlapping, cascaded children step down and right alike.
TEST_F(MDIFormTest, CascadedAndTiledChildrenAreWhereTheUserSeesThem)
{
    std::vector<Form> children = AddThree();
    SIZE room = ClientSize(frame.container.hwnd);

    ASSERT_TRUE(frame.TileHorizontal(false));
    for (HWND child : Children()) {
        RECT box = RectInParent(child);
        EXPECT_EQ(0, box.left);
        EXPECT_EQ(room.cx, box.right);
    }
    std::vector<RECT> tiles;
    for (HWND child : Children())
        tiles.push_back(RectInParent(child));
    std::sort(tiles.begin(), tiles.end(), [](const RECT& a, const RECT& b) { return a.top < b.top; });
    // The system shares the room in whole pixels: up to one per tile is left over.
    EXPECT_EQ(0, tiles.front().top);
    EXPECT_NEAR(room.cy, tiles.back().bottom, 2);
    for (size_t i = 1; i < tiles.size(); ++i)
        EXPECT_EQ(tiles[i - 1].bottom, tiles[i].top);

    ASSERT_TRUE(frame.TileVertical(false));
    tiles.clear();
    for (HWND child : Children())
        tiles.push_back(RectInParent(child));
    std::sort(tiles.begin(), tiles.end(), [](const RECT& a, const RECT& b) { return a.left < b.left; });
    for (const RECT& box : tiles) {
        EXPECT_EQ(0, box.top);
        EXPECT_EQ(room.cy, box.bottom);
    }
    EXPECT_EQ(0, tiles.front().left);
    EXPECT_NEAR(room.cx, tiles.back().right, 2);
    for (size_t i = 1; i < tiles.size(); ++i)
        EXPECT_EQ(tiles[i - 1].right, tiles[i].left);

    ASSERT_TRUE(frame.Cascade(false));
    tiles.clear();
    for (HWND child : Children())
        tiles.push_back(RectInParent(child));
    std::sort(tiles.begin(), tiles.end(), [](const RECT& a, const RECT& b) { return a.top < b.top; });
    int stepX = tiles[1].left - tiles[0].left;
    int stepY = tiles[1].top - tiles[0].top;
    EXPECT_EQ(0, tiles[0].left);
    EXPECT_EQ(0, tiles[0].top);
    EXPECT_GT(stepX, 0);
    EXPECT_GT(stepY, 0);
    EXPECT_EQ(stepX, tiles[2].left - tiles[1].left);
    EXPECT_EQ(stepY, tiles[2].top - tiles[1].top);
}

// The colour shows on the client after a full repaint; setting it again and
// again leaves no brush behind.
TEST_F(MDIFormTest, TheBackColourIsPaintedAndItsBrushesDoNotPileUp)
{
    ASSERT_TRUE(frame.SetBackColor(RGB(0, 128, 64)));
    RedrawWindow(frame.container.hwnd, NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    HDC dc = GetDC(frame.container.hwnd);
    EXPECT_EQ(RGB(0, 128, 64), GetPixel(dc, 20, 20));
    ReleaseDC(frame.container.hwnd, dc);

    long objects = GdiObjectCount();
    for (int i = 0; i < 50; ++i)
        ASSERT_TRUE(frame.SetBackColor(RGB(i, 0, 0)));
    if (objects >= 0) {
        EXPECT_LE(GdiObjectCount(), objects + 2);
    }
}

// Without a client window each operation stops at its runtime check, names
// the expression, and fails without making a window.
TEST(MDIFormChecks, OperationsWithoutAClientNameTheirCheck)
{
    struct Row {
        const char* expression;
        bool (*call)(MDIForm&);
    };
    const Row rows[] = {
        {"Expression: container.hwnd != NULL\r\n",
         [](MDIForm& f) { return f.AddChild("x", 0, 0, 100, 100, kFormStandard).hwnd != NULL; }},
        {"Expression: container.hwnd !=NULL\r\n",
         [](MDIForm& f) { return f.SetBackColor(RGB(1, 2, 3)); }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.expression);
        MDIForm empty;
        DialogAnswer answer(kCheckCaption, IDIGNORE);
        EXPECT_FALSE(row.call(empty));
        ASSERT_TRUE(answer.Wait());
        EXPECT_NE(std::string::npos, answer.text.find(row.expression)) << answer.text;
        EXPECT_NE(std::string::npos, answer.text.find("FILE: controls/mdi_form.cpp")) << answer.text;
    }
}

}  // namespace
