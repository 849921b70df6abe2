#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "wicker.h"

namespace {

// Set in the child run of ExitTest: the file its exit report goes to.
const char kExitChildVariable[] = "WICKER_STARTUP_EXIT_CHILD";
const int kExitCommand = 4711;

// An ordinary global of the program. Its destructor runs after main returns
// and, in the child run, reports whether the toolkit's objects are still
// alive then: they must outlive every global of the program.
struct ExitWatcher {
    ~ExitWatcher()
    {
        const char* report = std::getenv(kExitChildVariable);
        if (report == nullptr)
            return;
        ICONINFO icon = {};
        bool iconAlive = EmptyIcon.icon != NULL && GetIconInfo(EmptyIcon.icon, &icon);
        if (iconAlive) {
            DeleteObject(icon.hbmColor);
            DeleteObject(icon.hbmMask);
        }
        std::FILE* file = std::fopen(report, "w");
        if (file == nullptr)
            return;
        std::fprintf(file, "path=%s\n", String(App.Path).CStr());
        std::fprintf(file, "accelerators=%d\n", CopyAcceleratorTableA(App.accelerators, NULL, 0));
        std::fprintf(file, "icon=%d\n", iconAlive ? 1 : 0);
        std::fprintf(file, "screen=%d\n", Screen.Width > 0 ? 1 : 0);
        std::fprintf(file, "richedit=%d\n", GetModuleHandleA("riched32.dll") == RichEditModule ? 1 : 0);
        std::fclose(file);
    }
};

ExitWatcher exitWatcher;

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

namespace {

// Runs only inside the child started by ExitTest: gives the toolkit's objects
// resources that their destructors release at exit.
TEST(StartupExitChild, HoldResources)
{
    if (std::getenv(kExitChildVariable) == nullptr)
        GTEST_SKIP() << "runs only as the child process of ToolkitObjectsOutliveTheProgramsGlobals";
    App.AddAccelerator(kExitCommand, 'E', FCONTROL);
    EmptyIcon = IconObject(CopyIcon(LoadIconA(NULL, IDI_APPLICATION)), kOwnHandle);
    ASSERT_NE(EmptyIcon.icon, nullptr);
}

TEST(StartupTest, ToolkitObjectsOutliveTheProgramsGlobals)
{
    char folder[MAX_PATH + 1] = {};
    GetTempPathA(MAX_PATH, folder);
    std::string report = std::string(folder) + "wicker_startup_exit.txt";
    DeleteFileA(report.c_str());

    char module[MAX_PATH + 1] = {};
    GetModuleFileNameA(NULL, module, MAX_PATH);
    std::string command = std::string("\"") + module + "\" --gtest_filter=StartupExitChild.*";
    SetEnvironmentVariableA(kExitChildVariable, report.c_str());
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    BOOL started = CreateProcessA(NULL, &command[0], NULL, NULL, FALSE, CREATE_NO_WINDOW, NULL, NULL,
                                  &startup, &process);
    SetEnvironmentVariableA(kExitChildVariable, NULL);
    ASSERT_TRUE(started);
    // A child that hangs at exit is ended, so that it fails this test
    // instead of outliving it.
    DWORD waited = WaitForSingleObject(process.hProcess, 20000);
    if (waited != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 99);
    DWORD status = 1;
    GetExitCodeProcess(process.hProcess, &status);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    ASSERT_EQ(waited, WAIT_OBJECT_0) << "the child did not end within 20 s";
    EXPECT_EQ(status, 0u);

    std::ifstream in(report);
    std::stringstream seen;
    seen << in.rdbuf();
    in.close();
    DeleteFileA(report.c_str());
    std::string expected = "path=" + std::string(String(App.Path).CStr()) +
                           "\naccelerators=1\nicon=1\nscreen=1\nrichedit=1\n";
    EXPECT_EQ(seen.str(), expected);
}

}  // namespace
