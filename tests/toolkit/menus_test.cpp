// Menu bars and pop-up menus on a real form: what the menus hold, read back
// with GetMenuItemInfoA, what the item operations change, and the commands
// that reach the form when an item is chosen.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <thread>
#include <vector>

#include "message_log.h"
#include "wicker.h"

namespace {

std::vector<WPARAM> commands;

INT_PTR CALLBACK RecordCommands(HWND, UINT message, WPARAM wParam, LPARAM)
{
    if (message == WM_COMMAND)
        commands.push_back(wParam);
    return FALSE;
}

class MenusTest : public ::testing::Test {
protected:
    Form form;

    void SetUp() override
    {
        commands.clear();
        ASSERT_TRUE(form.Create("Menus", 50, 50, 320, 240, kFormStandard));
        form.DialogProcedure = RecordCommands;
    }
    void TearDown() override
    {
        form.Destroy();
        PumpMessages();
    }
};

// What one menu item shows.
struct Shown {
    std::string text;
    UINT id;
    UINT state;  // MF_CHECKED | MF_GRAYED bits; not compared for separators
    bool opensMenu;
};

Shown ItemAt(HMENU menu, int position)
{
    char text[64] = "";
    MENUITEMINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STRING | MIIM_ID | MIIM_STATE | MIIM_SUBMENU;
    info.dwTypeData = text;
    info.cch = sizeof text;
    if (!GetMenuItemInfoA(menu, position, TRUE, &info))
        return Shown{"<none>", 0, 0, false};
    return Shown{text, info.wID, info.fState & (MF_CHECKED | MF_GRAYED | MF_DISABLED),
                 info.hSubMenu != NULL};
}

void ExpectItems(HMENU menu, const std::vector<Shown>& expected)
{
    ASSERT_EQ(GetMenuItemCount(menu), static_cast<int>(expected.size()));
    for (size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(expected[i].text);
        Shown shown = ItemAt(menu, static_cast<int>(i));
        EXPECT_EQ(shown.text, expected[i].text);
        EXPECT_EQ(shown.id, expected[i].id);
        if (expected[i].id != 0) {
            EXPECT_EQ(shown.state, expected[i].state);
        }
        EXPECT_EQ(shown.opensMenu, expected[i].opensMenu);
    }
}

TEST_F(MenusTest, TheBarHoldsWhatWasAddedAndGoesOnTheWindowAtTheFirstMenu)
{
    MenuBar bar(form);
    EXPECT_EQ(GetMenu(form.hwnd), (HMENU)NULL);
    MenuItem file = bar.AddMenu("&File", 1);
    EXPECT_EQ(GetMenu(form.hwnd), bar.menu);
    MenuItem edit = bar.AddMenu("&Edit", 2, false);
    bar.AddMenu("&View", 3, true, 0);
    file.AddItem("&Open", 101);
    EXPECT_TRUE(file.AddSeparator());
    file.AddItem("E&xit", 102, false, 1);
    MenuItem recent = file.InsertSubmenu("&Recent", 102);
    recent.AddItem("one.txt", 111, true, 0);
    MenuItem copy = edit.AddItem("&Copy", 201);

    ExpectItems(bar.menu, {{"&File", 1, 0, true},
                           {"&Edit", 2, MF_GRAYED, true},
                           {"&View", 3, MF_CHECKED, true}});
    ExpectItems(file.subMenu, {{"&Open", 101, 0, false},
                               {"", 0, 0, false},
                               {"&Recent", 102, 0, true},
                               {"E&xit", 102, MF_GRAYED | MF_CHECKED, false}});
    ExpectItems(recent.subMenu, {{"one.txt", 111, MF_CHECKED, false}});
    EXPECT_EQ(GetSubMenu(bar.menu, 0), file.subMenu);
    // Items below a menu are named through the bar; command items open nothing.
    EXPECT_EQ(copy.menu, bar.menu);
    EXPECT_EQ(copy.subMenu, (HMENU)NULL);
    EXPECT_FALSE(copy.AddItem("below a command", 999).Exists());
    EXPECT_FALSE(copy.AddSeparator());
}

TEST_F(MenusTest, ItemOperationsChangeTheItemItself)
{
    MenuBar bar;
    MenuItem file = bar.AddMenu("&File", 1);
    MenuItem save = file.AddItem("&Save", 101);
    MenuItem wrap = file.AddItem("&Wrap", 102);
    EXPECT_TRUE(bar.AttachTo(form));
    EXPECT_EQ(GetMenu(form.hwnd), bar.menu);

    struct Step {
        const char* what;
        bool (*run)(MenuItem& item);
        bool result;
        UINT state;
    } steps[] = {
        {"check", [](MenuItem& i) { return i.Check(); }, true, MF_CHECKED},
        {"disable", [](MenuItem& i) { return i.Disable(); }, true, MF_CHECKED | MF_GRAYED},
        {"uncheck", [](MenuItem& i) { return i.Uncheck(); }, true, MF_GRAYED},
        {"enable", [](MenuItem& i) { return i.Enable(); }, true, 0},
        {"enable again", [](MenuItem& i) { return i.Enable(); }, true, 0},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        EXPECT_EQ(step.run(wrap), step.result);
        EXPECT_EQ(ItemAt(file.subMenu, 1).state, step.state);
        EXPECT_EQ(ItemAt(file.subMenu, 0).state, 0u);
    }

    // A menu's title changes and it keeps its items and state; so does a command.
    file.Disable();
    save.Check();
    EXPECT_TRUE(file.SetText("&Document"));
    EXPECT_TRUE(save.SetText("Save &as"));
    ExpectItems(bar.menu, {{"&Document", 1, MF_GRAYED, true}});
    EXPECT_EQ(GetSubMenu(bar.menu, 0), file.subMenu);
    EXPECT_EQ(ItemAt(file.subMenu, 0).text, "Save &as");
    EXPECT_EQ(ItemAt(file.subMenu, 0).state, (UINT)MF_CHECKED);
    save.Uncheck();

    EXPECT_TRUE(save.Remove());
    ExpectItems(file.subMenu, {{"&Wrap", 102, 0, false}});
    EXPECT_FALSE(save.Remove());
    EXPECT_FALSE(save.Enable());
    EXPECT_FALSE(save.Check());
    EXPECT_FALSE(save.SetText("gone"));
    EXPECT_FALSE(MenuItem().Disable());

    // Removing a menu takes its sub-menu with it: nothing else would destroy it.
    HMENU fileItems = file.subMenu;
    EXPECT_TRUE(file.Remove());
    EXPECT_EQ(GetMenuItemCount(bar.menu), 0);
    EXPECT_FALSE(IsMenu(fileItems));
}

// A window destroys the menu bar it shows; a bar that never went on one is
// destroyed with its last wrapper instead of being left behind.
TEST_F(MenusTest, ABarOnNoWindowGoesWithItsLastWrapperAndOneOnAWindowWithTheWindow)
{
    struct Case {
        const char* what;
        bool madeForWindow;
        void (*use)(MenuBar& bar, const Control& window);
        bool onWindow;
    } cases[] = {
        {"never attached", false, [](MenuBar& bar, const Control&) { bar.AddMenu("&File", 1); },
         false},
        {"made for the window, no menu added", true, [](MenuBar&, const Control&) {}, false},
        {"on the window at the first menu", true,
         [](MenuBar& bar, const Control&) { bar.AddMenu("&File", 1); }, true},
        {"attached", false, [](MenuBar& bar, const Control& window) { bar.AttachTo(window); },
         true},
        {"attached through a copy", false,
         [](MenuBar& bar, const Control& window) { MenuBar(bar).AttachTo(window); }, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Control window(CreateWindowExA(0, "STATIC", "Bar", WS_OVERLAPPED, 0, 0, 200, 150, NULL,
                                       NULL, NULL, NULL));
        ASSERT_NE(window.hwnd, (HWND)NULL);
        HMENU menu = NULL;
        {
            MenuBar bar = c.madeForWindow ? MenuBar(window) : MenuBar();
            menu = bar.menu;
            c.use(bar, window);
        }
        EXPECT_EQ(IsMenu(menu) != FALSE, c.onWindow);
        EXPECT_EQ(GetMenu(window.hwnd) == menu, c.onWindow);
        DestroyWindow(window.hwnd);
        EXPECT_FALSE(IsMenu(menu));
    }
}

// Copies share the one menu: it stays while any of them holds it.
TEST_F(MenusTest, CopiesOfABarShareItsMenuUntilTheLastGoes)
{
    HMENU menu = NULL;
    HMENU replaced = NULL;
    {
        MenuBar kept;
        replaced = kept.menu;
        {
            MenuBar bar;
            menu = bar.menu;
            bar.AddMenu("&File", 1);
            kept = bar;
        }
        EXPECT_FALSE(IsMenu(replaced));
        ASSERT_TRUE(IsMenu(menu));
        EXPECT_TRUE(kept.AddMenu("&Edit", 2).Exists());
        EXPECT_EQ(GetMenuItemCount(menu), 2);
    }
    EXPECT_FALSE(IsMenu(menu));
}

// The system posts WM_COMMAND (identifier, code 0, no window) when a menu
// item is chosen; it must reach the form's procedure.
TEST_F(MenusTest, ChosenItemsReachTheFormAsCommands)
{
    MenuBar bar(form);
    MenuItem file = bar.AddMenu("&File", 1);
    file.AddItem("&Open", 101);
    file.AddItem("E&xit", 102);
    HMENU shown = GetSubMenu(GetMenu(form.hwnd), 0);
    for (int position = 0; position < 2; ++position)
        PostMessageA(form.hwnd, WM_COMMAND, MAKEWPARAM(GetMenuItemID(shown, position), 0), 0);
    PumpMessages();
    EXPECT_EQ(commands, (std::vector<WPARAM>{101, 102}));
}

// Presses keys in the pop-up menu from another thread as soon as it shows:
// the menu's loop reads the keys from the thread's queue.
void PressKeysInMenu(HWND form, std::vector<WPARAM> keys)
{
    for (int wait = 0; wait < 300; ++wait) {
        HWND menu = FindWindowA("#32768", NULL);
        if (menu != NULL && IsWindowVisible(menu))
            break;
        Sleep(10);
    }
    for (WPARAM key : keys) {
        PostMessageA(form, WM_KEYDOWN, key, 1);
        PostMessageA(form, WM_KEYUP, key, 0xC0000001);
    }
}

TEST_F(MenusTest, APopupMenuSendsTheCommandPickedByKeyboard)
{
    PopupMenu popup;
    popup.AddItem("&One", 301);
    EXPECT_EQ(popup.AddSeparator().id, 0u);
    popup.AddItem("&Two", 302, true, 0);
    MenuItem more = popup.AddSubmenu("&More", 400);
    more.AddItem("T&hree", 303);
    ExpectItems(popup.menu, {{"&One", 301, 0, false},
                             {"", 0, 0, false},
                             {"&Two", 302, MF_CHECKED, false},
                             {"&More", 400, 0, true}});
    form.Show();

    struct Pick {
        std::vector<WPARAM> keys;
        std::vector<WPARAM> commands;
    } picks[] = {
        {{VK_DOWN, VK_RETURN}, {301}},
        {{VK_DOWN, VK_DOWN, VK_RETURN}, {302}},
        {{VK_UP, VK_RIGHT, VK_RETURN}, {303}},
        {{VK_DOWN, VK_ESCAPE}, {}},
    };
    for (const Pick& pick : picks) {
        SCOPED_TRACE(pick.keys.size());
        commands.clear();
        std::thread keys(PressKeysInMenu, form.hwnd, pick.keys);
        EXPECT_TRUE(popup.Show(form));
        keys.join();
        PumpMessages();
        EXPECT_EQ(commands, pick.commands);
    }
    EXPECT_TRUE(popup.Destroy());
    EXPECT_EQ(popup.menu, (HMENU)NULL);
}

}  // namespace
