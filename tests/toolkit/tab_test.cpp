// The tab control on a probe parent that stands for the form: its kinds,
// pages, the page controls it shows and the commands it passes on.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <vector>

#include "picture_test_resources.h"
#include "probe_parent.h"
#include "wicker.h"
#include "window_attributes.h"

namespace {

const int TabId = 500;

class TabTest : public ProbeParentTest {
protected:
    TabTest() : ProbeParentTest(500, 400) {}
    void SetUp() override
    {
        ProbeParentTest::SetUp();
        ASSERT_FALSE(HasFatalFailure());
        ShowWindow(probe, SW_SHOW);
        ClearMessageLog();
    }
};

TEST_F(TabTest, KindsChooseTheTabStyle)
{
    const struct {
        int kind;
        DWORD bits;
        DWORD exStyle;
    } kinds[] = {
        {0, 0, 0},
        {1, TCS_VERTICAL, 0},
        {2, TCS_BOTTOM, 0},
        {3, TCS_BOTTOM, 0},
        {4, TCS_BUTTONS, 0},
        {5, TCS_BUTTONS | TCS_VERTICAL, 0},
        {6, TCS_BUTTONS | TCS_BOTTOM, 0},
        {7, TCS_BUTTONS | TCS_BOTTOM, 0},
        {8, 0, WS_EX_DLGMODALFRAME},
        {9, 0, 0},
    };
    for (const auto& k : kinds) {
        SCOPED_TRACE(k.kind);
        Tab tab("unused", TabId, 10, 10, 300, 200, parentControl, k.kind);
        EXPECT_EQ(WindowClass(tab.hwnd), "SysTabControl32");
        // The tab control adds WS_CLIPSIBLINGS to its own style.
        EXPECT_EQ(WindowStyle(tab.hwnd) & ~WS_CLIPSIBLINGS, 0x52010200u | k.bits);
        EXPECT_EQ(WindowExStyle(tab.hwnd) & WS_EX_DLGMODALFRAME, k.exStyle);
        EXPECT_EQ(tab.Text().CStr(), std::string("Tab"));
        DestroyWindow(tab.hwnd);
    }
}

TEST_F(TabTest, CommandFromAPageControlReachesTheForm)
{
    Tab tab("", TabId, 20, 20, 300, 200, parentControl);
    TabPage page = tab.AddPage("First");
    Button button("Press", 77, 0, 0, 80, 24, parentControl);
    page.AttachControl(button);
    ASSERT_EQ(GetParent(button.hwnd), tab.hwnd);
    PumpMessages();
    ClearMessageLog();
    SendMessageA(button.hwnd, BM_CLICK, 0, 0);
    PumpMessages();
    std::vector<LoggedMessage> commands = LoggedMessages(WM_COMMAND);
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(commands[0].window, probe);
    EXPECT_EQ(commands[0].wParam, MAKEWPARAM(77, BN_CLICKED));
    EXPECT_EQ(commands[0].lParam, reinterpret_cast<LPARAM>(button.hwnd));
}

// Three pages with a label each; which labels are visible.
std::vector<bool> VisibleLabels(const std::vector<Label>& labels)
{
    std::vector<bool> visible;
    for (const Label& label : labels)
        visible.push_back(IsWindowVisible(label.hwnd) != FALSE);
    return visible;
}

TEST_F(TabTest, SwitchingTabsShowsExactlyTheSelectedPagesControls)
{
    Tab tab("", TabId, 20, 20, 400, 300, parentControl);
    std::vector<TabPage> pages;
    std::vector<Label> labels;
    labels.reserve(3);
    const char* const names[] = {"One", "Two", "Three"};
    for (const char* name : names) {
        pages.push_back(tab.AddPage(name));
        labels.push_back(Label(name, 0, 0, 0, 50, 20, parentControl));
    }
    for (size_t i = 0; i < pages.size(); ++i)
        pages[i].AttachControl(labels[i]);
    EXPECT_EQ(tab.Selection(), 0);
    EXPECT_EQ(VisibleLabels(labels), (std::vector<bool>{true, false, false}));

    // The user clicks the third tab.
    RECT third = tab.ItemRect(2);
    LPARAM point = MAKELPARAM((third.left + third.right) / 2, (third.top + third.bottom) / 2);
    PostMessageA(tab.hwnd, WM_LBUTTONDOWN, MK_LBUTTON, point);
    PostMessageA(tab.hwnd, WM_LBUTTONUP, 0, point);
    PumpMessages(50);
    EXPECT_EQ(tab.Selection(), 2);
    EXPECT_EQ(VisibleLabels(labels), (std::vector<bool>{false, false, true}));

    // The program selects.
    tab.SetSelection(1);
    EXPECT_EQ(VisibleLabels(labels), (std::vector<bool>{false, true, false}));
    pages[0].Select();
    EXPECT_EQ(VisibleLabels(labels), (std::vector<bool>{true, false, false}));
    tab.SelectPage(pages[2]);
    EXPECT_EQ(VisibleLabels(labels), (std::vector<bool>{false, false, true}));
    EXPECT_TRUE(pages[2].HideControl());
    EXPECT_EQ(VisibleLabels(labels), (std::vector<bool>{false, false, false}));
}

TEST_F(TabTest, AttachedControlSitsBelowTheTabsWithAMargin)
{
    // Placed well inside the form: the page control is measured in the tab control.
    Tab tab("", TabId, 60, 40, 300, 200, parentControl);
    TabPage first = tab.AddPage("First");
    TabPage second = tab.AddPage("Second");
    TextBox box("text", 0, 0, 0, 50, 20, parentControl);
    first.AttachControl(box);
    SIZE client = ClientSize(tab.hwnd);
    RECT tabItem = first.ItemRect();
    RECT place = RectInParent(box.hwnd);
    EXPECT_EQ(place.left, kTabPageMargin);
    EXPECT_EQ(place.top, tabItem.bottom + 1 + kTabPageMargin);
    EXPECT_EQ(place.right, client.cx - kTabPageMargin);
    EXPECT_EQ(place.bottom, client.cy - 1 - kTabPageMargin);
    EXPECT_TRUE(IsWindowVisible(box.hwnd));
    EXPECT_EQ((int)first.Width, tabItem.right - tabItem.left);
    EXPECT_EQ((int)first.Height, tabItem.bottom - tabItem.top);

    // A control attached to another page is hidden, and shows in its place
    // when that page is selected.
    Label other("other", 0, 0, 0, 50, 20, parentControl);
    second.AttachControl(other);
    EXPECT_FALSE(IsWindowVisible(other.hwnd));
    second.Select();
    EXPECT_TRUE(IsWindowVisible(other.hwnd));
    RECT otherPlace = RectInParent(other.hwnd);
    EXPECT_EQ(otherPlace.left, kTabPageMargin);
    EXPECT_EQ(otherPlace.top, second.ItemRect().bottom + 1 + kTabPageMargin);

    // A record that names no tab changes nothing.
    TabPage none;
    Label loose("loose", 0, 0, 0, 50, 20, parentControl);
    none.AttachControl(loose);
    EXPECT_EQ(GetParent(loose.hwnd), probe);
    EXPECT_TRUE(none.Layout());
    EXPECT_EQ((int)none.Width, 0);
    EXPECT_TRUE(none.Delete());
}

TEST_F(TabTest, DeletingAPageDestroysItsControlAndTheTab)
{
    Tab tab("", TabId, 20, 20, 300, 200, parentControl);
    TabPage first = tab.AddPage("First");
    TabPage second = tab.AddPage("Second");
    Button button("Gone", 5, 0, 0, 60, 20, parentControl);
    Label kept("Kept", 6, 0, 0, 60, 20, parentControl);
    first.AttachControl(button);
    second.AttachControl(kept);
    HWND window = button.hwnd;
    EXPECT_TRUE(first.Delete());
    EXPECT_FALSE(IsWindow(window));
    EXPECT_FALSE(first.hasControl);
    EXPECT_EQ((int)tab.Count, 1);
    // The second page is the first now, selected, and its control shows.
    EXPECT_EQ(tab.Page(0).text, String("Second"));
    tab.SetSelection(0);
    EXPECT_TRUE(IsWindowVisible(kept.hwnd));
    EXPECT_TRUE(tab.DeleteAll());
    EXPECT_EQ((int)tab.Count, 0);
    EXPECT_TRUE(IsWindow(kept.hwnd));
    EXPECT_FALSE(IsWindowVisible(kept.hwnd));
}

TEST_F(TabTest, PagesReadAndWriteTheTabsTextAndImage)
{
    Tab tab("", TabId, 20, 20, 300, 200, parentControl);
    HIMAGELIST shown;
    {
        ImageList icons;
        ASSERT_EQ(icons.AddIconResource(PICTURE_SUN_ICON), 0);
        ASSERT_EQ(icons.AddIconResource(PICTURE_SUN_ICON), 1);
        tab.SetImageList(icons);
        shown = icons.handle;
    }
    TabPage page = tab.AddPage("Before", 1);
    EXPECT_EQ(page.index, 0);
    EXPECT_TRUE(page.SetText("After"));
    TabPage copy = page;
    EXPECT_EQ(copy.item.pszText, copy.text.CStr());

    TabPage read = tab.Page(0);
    EXPECT_EQ(read.text, String("After"));
    EXPECT_EQ(read.item.iImage, 1);
    EXPECT_FALSE(read.hasControl);
    EXPECT_EQ(read.Text(), String("After"));

    // The tab control keeps the list while it shows it.
    EXPECT_EQ(ImageList_GetImageCount(shown), 2);
    EXPECT_EQ(reinterpret_cast<HIMAGELIST>(SendMessageA(tab.hwnd, TCM_GETIMAGELIST, 0, 0)), shown);
}

}  // namespace
