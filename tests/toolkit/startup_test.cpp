#include <gtest/gtest.h>

#include <string>

#include "wicker.h"

namespace {

// What an ordinary global of the program sees while it is constructed: the
// toolkit's start-up must already have run by then, and so before main.
struct EarlyView {
    HMODULE richEdit;
    BOOL commonControls;
    std::string programFile;
    int screenWidth;

    EarlyView()
        : richEdit(GetModuleHandleA("riched32.dll")),
          commonControls(CommonControlsResult),
          programFile(String(App.FileName)),
          screenWidth(Screen.Width)
    {
    }
};

EarlyView earlyView;

TEST(StartupTest, RanBeforeTheProgramsOwnGlobals)
{
    EXPECT_NE(earlyView.richEdit, nullptr);
    EXPECT_EQ(earlyView.commonControls, TRUE);
    EXPECT_FALSE(earlyView.programFile.empty());
    EXPECT_GT(earlyView.screenWidth, 0);
}

TEST(StartupTest, RichEditLibraryIsLoadedAndItsClassUsable)
{
    ASSERT_NE(RichEditModule, nullptr);
    EXPECT_EQ(GetModuleHandleA("riched32.dll"), RichEditModule);

    HWND edit = CreateWindowExA(0, "RICHEDIT", "rich", WS_POPUP, 0, 0, 100, 40, NULL, NULL,
                                GetModuleHandleA(NULL), NULL);
    ASSERT_NE(edit, nullptr);
    char text[16] = {};
    GetWindowTextA(edit, text, sizeof text);
    EXPECT_STREQ(text, "rich");
    DestroyWindow(edit);
}

TEST(StartupTest, EveryCommonControlClassIsRegistered)
{
    EXPECT_EQ(CommonControlsResult, TRUE);
    HWND parent = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 300, 300, NULL, NULL,
                                  GetModuleHandleA(NULL), NULL);
    ASSERT_NE(parent, nullptr);
    // One class of each group the start-up asks for.
    const char* const classes[] = {
        WC_LISTVIEWA, WC_TREEVIEWA, TOOLBARCLASSNAMEA, STATUSCLASSNAMEA, TRACKBAR_CLASSA,
        WC_TABCONTROLA, UPDOWN_CLASSA, PROGRESS_CLASSA, HOTKEY_CLASSA, ANIMATE_CLASSA,
        DATETIMEPICK_CLASSA, MONTHCAL_CLASSA, WC_COMBOBOXEXA, REBARCLASSNAMEA,
        WC_IPADDRESSA, WC_PAGESCROLLERA, WC_NATIVEFONTCTLA,
    };
    for (const char* name : classes) {
        SCOPED_TRACE(name);
        WNDCLASSEXA info = {};
        info.cbSize = sizeof info;
        EXPECT_TRUE(GetClassInfoExA(NULL, name, &info) || GetClassInfoExA(GetModuleHandleA("comctl32.dll"), name, &info));
        HWND control = CreateWindowExA(0, name, "", WS_CHILD, 0, 0, 100, 30, parent, NULL,
                                       GetModuleHandleA(NULL), NULL);
        EXPECT_NE(control, nullptr);
    }
    DestroyWindow(parent);
}

TEST(StartupTest, ProcessWideObjectsStartEmpty)
{
    EXPECT_EQ(TreeRoot.parentItem, nullptr);
    EXPECT_EQ(TreeRoot.item, TVI_ROOT);
    EXPECT_EQ(TreeRoot.tree, nullptr);
    EXPECT_EQ(TreeRoot.text, "");
    EXPECT_EQ(static_cast<int>(EmptyList.Count), 0);
    EXPECT_EQ(EmptyImage.bmp, nullptr);
    EXPECT_EQ(EmptyIcon.icon, nullptr);
    EXPECT_EQ(Screen.desktop, GetDesktopWindow());
}

}  // namespace
