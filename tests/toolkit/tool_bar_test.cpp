// The tool bar on a probe parent: its styles and the properties that change
// them, the buttons read back (TB_GETBUTTON), their states, and the commands
// the parent receives when a button is clicked.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <string>

#include "message_log.h"
#include "picture_test_resources.h"
#include "wicker.h"

namespace {

const int BarId = 88;

class ToolBarTest : public ::testing::Test {
protected:
    HWND probe = NULL;
    Control parentControl;

    void SetUp() override
    {
        probe = CreateProbeWindow(400, 300);
        ASSERT_NE(probe, (HWND)NULL);
        parentControl = Control(probe);
    }
    void TearDown() override
    {
        DestroyWindow(probe);
        PumpMessages();
        ClearMessageLog();
    }
};

// The style without the bits the control adds itself: CCS_TOP, and
// TBSTYLE_TRANSPARENT to flat bars.
DWORD StyleOf(HWND window)
{
    return static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE)) &
           ~static_cast<DWORD>(CCS_TOP | TBSTYLE_TRANSPARENT);
}

// Clicks the button with the left mouse button, as the user would.
void Click(HWND bar, int command)
{
    RECT box = {};
    int index = static_cast<int>(SendMessageA(bar, TB_COMMANDTOINDEX, command, 0));
    ASSERT_TRUE(SendMessageA(bar, TB_GETITEMRECT, index, (LPARAM)&box));
    LPARAM at = MAKELPARAM((box.left + box.right) / 2, (box.top + box.bottom) / 2);
    SendMessageA(bar, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(bar, WM_LBUTTONUP, 0, at);
    PumpMessages();
}

std::vector<WPARAM> CommandsReceived()
{
    std::vector<WPARAM> received;
    for (const LoggedMessage& m : LoggedMessages(WM_COMMAND))
        received.push_back(m.wParam);
    return received;
}

TEST_F(ToolBarTest, StylesFollowTheFlagsAndTheProperties)
{
    struct Case {
        bool flat, divider;
        DWORD style;
    } cases[] = {
        {false, true, 0x50010630},
        {false, false, 0x50010670},
        {true, true, 0x50010E30},
        {true, false, 0x50010E70},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.style);
        ToolBar bar(BarId, parentControl, 0, 0, true, true, c.flat, c.divider);
        ASSERT_NE(bar.hwnd, (HWND)NULL);
        EXPECT_EQ(StyleOf(bar.hwnd), c.style);
        EXPECT_EQ(bar.Flat(), c.flat);
        EXPECT_EQ(bar.Divider(), c.divider);
        EXPECT_TRUE(bar.Wrapable());
        EXPECT_EQ(SendMessageA(bar.hwnd, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0), 0);
        DestroyWindow(bar.hwnd);
    }
    ToolBar bar(BarId, parentControl, 0, 0, false, false, false, true);
    EXPECT_EQ(StyleOf(bar.hwnd), (DWORD)0x48010630);
    bar.Divider = false;
    EXPECT_TRUE(StyleOf(bar.hwnd) & CCS_NODIVIDER);
    EXPECT_FALSE(bar.Divider());
    bar.Flat = true;
    bar.Wrapable = false;
    EXPECT_EQ(StyleOf(bar.hwnd), (DWORD)0x48010C70);
    bar.Divider = true;
    EXPECT_TRUE(bar.Divider());
    EXPECT_FALSE(ToolBar().Divider());
}

TEST_F(ToolBarTest, ButtonsReadBackWithTheirPicturesLabelsAndStates)
{
    ToolBar bar(BarId, parentControl);
    {
        ImageList icons;
        ASSERT_EQ(icons.AddIconResource(PICTURE_SUN_ICON), 0);
        ASSERT_EQ(icons.AddIconResource(PICTURE_SUN_ICON), 1);
        EXPECT_EQ(bar.SetImageList(icons), (HIMAGELIST)NULL);
    }
    // The caller's holder is gone; the bar's list lives on.
    HIMAGELIST shown = (HIMAGELIST)SendMessageA(bar.hwnd, TB_GETIMAGELIST, 0, 0);
    EXPECT_EQ(ImageList_GetImageCount(shown), 2);

    ToolButton open = bar.AddButton("Open", 0, 501);
    EXPECT_TRUE(bar.AddSeparator());
    bar.ShowText(true);
    ToolButton save = bar.AddButton("Save", 1, 502);
    EXPECT_EQ(bar.ButtonCount(), 3);
    EXPECT_EQ(open.toolBar, bar.hwnd);
    EXPECT_EQ(save.command, 502);

    struct Row {
        int index, image, command;
        BYTE state, style;
        const char* label;  // null: none
    } rows[] = {
        {0, 0, 501, TBSTATE_ENABLED, TBSTYLE_BUTTON, NULL},
        {1, 0, 0, 0, TBSTYLE_SEP, NULL},
        {2, 1, 502, TBSTATE_ENABLED, TBSTYLE_BUTTON, "Save"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.index);
        TBBUTTON button = {};
        ASSERT_TRUE(SendMessageA(bar.hwnd, TB_GETBUTTON, row.index, (LPARAM)&button));
        EXPECT_EQ(button.idCommand, row.command);
        EXPECT_EQ(button.fsStyle, row.style);
        if (row.style == TBSTYLE_SEP)
            continue;
        EXPECT_EQ(button.iBitmap, row.image);
        EXPECT_EQ(button.fsState, row.state);
        char label[32] = "";
        SendMessageA(bar.hwnd, TB_GETBUTTONTEXTA, row.command, (LPARAM)label);
        EXPECT_STREQ(label, row.label != NULL ? row.label : "");
    }
    // The bar fits its buttons.
    EXPECT_GT(RectInParent(bar.hwnd).bottom, 16);

    EXPECT_TRUE(open.Disable());
    EXPECT_FALSE(open.IsEnabled());
    EXPECT_EQ(open.State() & TBSTATE_ENABLED, 0);
    EXPECT_TRUE(open.Enable());
    EXPECT_EQ(open.State(), TBSTATE_ENABLED);
    EXPECT_EQ(ToolButton().State(), -1);
}

TEST_F(ToolBarTest, AClickedButtonSendsItsCommandToTheParent)
{
    ToolBar bar(BarId, parentControl);
    bar.ShowText(true);
    ToolButton open = bar.AddButton("Open", 0, 501);
    bar.AddButton("Save", 1, 502);
    ClearMessageLog();
    Click(bar.hwnd, 502);
    Click(bar.hwnd, 501);
    EXPECT_EQ(CommandsReceived(), (std::vector<WPARAM>{502, 501}));
    open.Disable();
    ClearMessageLog();
    Click(bar.hwnd, 501);
    EXPECT_TRUE(CommandsReceived().empty());
}

}  // namespace
