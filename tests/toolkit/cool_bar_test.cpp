// The re-bar on a probe parent: its styles, the bands read back
// (RB_GETBANDINFOA), commands of a tool bar in a band reaching the parent,
// and the box shown when the bar cannot be created.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <string>

#include "dialog_answer.h"
#include "probe_parent.h"
#include "wicker.h"
#include "window_attributes.h"

namespace {

const int BarId = 99;

class CoolBarTest : public ProbeParentTest {};

TEST_F(CoolBarTest, StylesFollowTheFlags)
{
    struct Case {
        bool visible, divider, vertical;
        DWORD style;
    } cases[] = {
        {true, true, false, 0x56810300},
        {true, false, false, 0x56810340},
        {false, false, false, 0x46810340},
        {false, true, true, 0x46814380},
        {false, false, true, 0x468143C0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.style);
        CoolBar bar(BarId, parentControl, 30, 40, true, c.visible, c.divider, c.vertical);
        ASSERT_NE(bar.hwnd, (HWND)NULL);
        EXPECT_EQ(WindowClass(bar.hwnd), "ReBarWindow32");
        EXPECT_EQ(WindowStyle(bar.hwnd) & ~(DWORD)CCS_TOP, c.style);
        EXPECT_EQ(GetDlgCtrlID(bar.hwnd), BarId);
        DestroyWindow(bar.hwnd);
    }
}

TEST_F(CoolBarTest, BandsHoldTheirControlsAndPassTheirCommandsOn)
{
    CoolBar bar(BarId, parentControl);
    ToolBar tools(5, bar);
    tools.ShowText(true);
    tools.AddButton("Go", 0, 601);
    Button stop("Stop", 602, 0, 0, 80, 24, bar);
    EXPECT_TRUE(bar.AddBand("Tools", tools));
    EXPECT_TRUE(bar.AddBand("More", stop, true, RGB(200, 0, 0)));
    EXPECT_EQ(bar.BandCount(), 2);

    struct Band {
        const char* text;
        HWND child;
        UINT style;
        COLORREF fore;
    } bands[] = {
        {"Tools", tools.hwnd, RBBS_GRIPPERALWAYS | RBBS_FIXEDBMP | RBBS_CHILDEDGE,
         GetSysColor(COLOR_BTNTEXT)},
        {"More", stop.hwnd, RBBS_GRIPPERALWAYS | RBBS_FIXEDBMP | RBBS_CHILDEDGE | RBBS_BREAK,
         RGB(200, 0, 0)},
    };
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(i);
        char text[32] = "";
        REBARBANDINFOA info = {};
        info.cbSize = sizeof info;
        info.fMask = RBBIM_TEXT | RBBIM_CHILD | RBBIM_STYLE | RBBIM_COLORS | RBBIM_CHILDSIZE;
        info.lpText = text;
        info.cch = sizeof text;
        ASSERT_TRUE(SendMessageA(bar.hwnd, RB_GETBANDINFOA, i, (LPARAM)&info));
        EXPECT_STREQ(text, bands[i].text);
        EXPECT_EQ(info.hwndChild, bands[i].child);
        EXPECT_EQ(info.fStyle, bands[i].style);
        EXPECT_EQ(info.clrFore, bands[i].fore);
        EXPECT_EQ(info.clrBack, GetSysColor(COLOR_BTNFACE));
    }
    // The bar lays itself out along the top of the parent (its border just
    // outside the client area), its bands in two rows.
    RECT placed = RectInParent(bar.hwnd);
    EXPECT_LE(placed.top, 0);
    EXPECT_LE(placed.left, 0);
    EXPECT_GE(placed.right, ClientSize(probe).cx);
    EXPECT_GT(placed.bottom, 40);
    EXPECT_EQ(SendMessageA(bar.hwnd, RB_GETROWCOUNT, 0, 0), 2);
    // The band places the tool bar after its gripper and title; on its own
    // a tool bar would sit at the parent's left edge.
    EXPECT_GT(RectInParent(tools.hwnd).left, 0);

    ClearMessageLog();
    SendMessageA(stop.hwnd, BM_CLICK, 0, 0);
    PumpMessages();
    std::vector<LoggedMessage> received = LoggedMessages(WM_COMMAND);
    ASSERT_EQ(received.size(), 1u);
    EXPECT_EQ(LOWORD(received[0].wParam), 602);
}

HHOOK refusal = NULL;

// Refuses every re-bar window this thread tries to create.
LRESULT CALLBACK RefuseReBars(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND) {
        if (WindowClass((HWND)wParam) == "ReBarWindow32")
            return 1;
    }
    return CallNextHookEx(refusal, code, wParam, lParam);
}

TEST_F(CoolBarTest, ABarThatCannotBeCreatedSaysSoInABox)
{
    refusal = SetWindowsHookExA(WH_CBT, RefuseReBars, NULL, GetCurrentThreadId());
    ASSERT_NE(refusal, (HHOOK)NULL);
    DialogAnswer answer("ERROR", IDOK);
    CoolBar bar;
    EXPECT_FALSE(bar.Create(BarId, parentControl));
    UnhookWindowsHookEx(refusal);
    ASSERT_TRUE(answer.Wait());
    EXPECT_EQ(answer.text, "Cannot create CoolBar");
    EXPECT_EQ(answer.owner, probe);
    EXPECT_EQ(bar.hwnd, (HWND)NULL);
    EXPECT_FALSE(bar.AddBand("none", parentControl));
}

}  // namespace
