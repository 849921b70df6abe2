// Forms as real dialog-class windows under Wine: the frame style table read
// back from the windows, the creation steps, printing read from the screen,
// show states, icons, bars and the notification-area icon.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <utility>

#include "common_dialogs.h"
#include "dialog_answer.h"
#include "picture_test_resources.h"
#include "probe_parent.h"
#include "scratch_folder.h"
#include "wicker.h"
#include "window_attributes.h"

namespace {

const char* const DialogClass = MAKEINTATOM(0x8002);

class FormTest : public ProbeParentTest {};

// ---- the frame style table ----

struct StyleRow {
    DWORD value;
    bool child;
    DWORD windowStyle;  // without WS_CLIPCHILDREN and WS_CHILD, which every form adds
    DWORD exStyle;      // extended bits the form adds
};

const DWORD Standard = WS_EX_CONTROLPARENT | WS_EX_ACCEPTFILES;
const StyleRow StyleRows[] = {
    {0x00C80080, false, 0x00C80080, Standard},
    {0x00C90080, false, 0x00C90080, Standard},
    {0x00CA0080, false, 0x00CA0080, Standard},
    {0x00CC0000, false, 0x00CC0000, Standard},
    {0x00CD0000, false, 0x00CD0000, Standard},
    {0x00CE0000, false, 0x00CE0000, Standard},
    {0x80000000, false, 0x80000000, Standard},
    {0x80800000, false, 0x80800000, Standard},
    {0x80C00000, false, 0x80C00000, Standard},
    {0x00CF0000, false, 0x00CF0000, Standard},
    {0, false, 0x00CF0000, Standard},
    {0x12345678, false, 0x00CF0000, Standard},
    {0x00C80081, false, 0x00CF0000, Standard | WS_EX_TOOLWINDOW},
    {0x00C80080, true, 0x00C80080, Standard},
    {0x00CC0000, true, 0x00CC0000, Standard},
    {0x80000000, true, 0, Standard},
    {0x80800000, true, 0x00800000, Standard},
    {0x80C00000, true, 0x80C00000, Standard},
    {0, true, 0x00CF0000, Standard},
    {0x00C80081, true, 0x00CF0000, Standard | WS_EX_TOOLWINDOW},
};

TEST_F(FormTest, StyleTableRowByRow)
{
    for (const StyleRow& row : StyleRows) {
        SCOPED_TRACE(::testing::Message() << std::hex << "value 0x" << row.value
                                          << (row.child ? " child" : " top-level"));
        DWORD expected = row.windowStyle | WS_CLIPCHILDREN | (row.child ? WS_CHILD : 0);
        Form form("styled", 10, 10, 200, 120, row.value, true, false, false, false, false,
                  parentControl, row.child, WS_EX_STATICEDGE);
        ASSERT_TRUE(form.Exists());
        DWORD style = WindowStyle(form.hwnd);
        // The system adds WS_CLIPSIBLINGS to overlapped windows of its own accord.
        EXPECT_EQ(style & ~static_cast<DWORD>(WS_CLIPSIBLINGS), expected);
        DWORD exStyle = WindowExStyle(form.hwnd);
        // ... and WS_EX_WINDOWEDGE to framed ones.
        EXPECT_EQ(exStyle & ~static_cast<DWORD>(WS_EX_WINDOWEDGE), row.exStyle | WS_EX_STATICEDGE);
        EXPECT_EQ(form.style, row.value);
        EXPECT_EQ(form.exStyle, static_cast<DWORD>(WS_EX_STATICEDGE));
        DestroyWindow(form.hwnd);
    }
}

// ---- construction and creation ----

TEST_F(FormTest, ConstructedFormHasNoWindowAndItsStartingMembers)
{
    Form form;
    EXPECT_EQ(form.hwnd, (HWND)NULL);
    EXPECT_EQ(form.notifyIcon.cbSize, kNotifyIconRecordSize);
    EXPECT_EQ(form.notifyIcon.uFlags, static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP));
    EXPECT_EQ(form.selectedColor, RGB(255, 255, 255));
    EXPECT_EQ((COLORREF)form.SelectedColor, RGB(255, 255, 255));
    EXPECT_FALSE(form.hasBar);
    EXPECT_FALSE(form.trayIconShown);
    EXPECT_EQ(form.exStyle, 0u);
    // The program's first filter is the one its dialogs open on.
    EXPECT_TRUE(form.fileDialog.filters.empty());
    form.fileDialog.AddFilter("Text", "*.txt");
    form.fileDialog.BuildFilter();
    EXPECT_EQ(std::string(form.fileDialog.filterBuffer.begin(), form.fileDialog.filterBuffer.end()),
              std::string("Text\0*.txt\0\0", 12));
    EXPECT_EQ(form.SelectedColor.m_cObject, &form);
    EXPECT_EQ(form.Icon.m_cObject, &form);
    EXPECT_EQ(form.DialogProcedure.m_cObject, &form);
}

TEST_F(FormTest, CreationStepsShowInTheWindow)
{
    Form form;
    ASSERT_TRUE(form.Create("Caption here", 30, 40, 250, 150, kFormDialog, false, false, false,
                            false, false, parentControl, true));
    EXPECT_EQ(GetClassLongA(form.hwnd, GCW_ATOM), 0x8002u);
    EXPECT_EQ(WindowText(form.hwnd), "Caption here");
    EXPECT_EQ(form.parent, probe);
    EXPECT_EQ(GetParent(form.hwnd), probe);
    EXPECT_FALSE(IsWindowEnabled(form.hwnd));
    EXPECT_FALSE(IsWindowVisible(form.hwnd));
    RECT place = RectInParent(form.hwnd);
    EXPECT_EQ(place.left, 30);
    EXPECT_EQ(place.top, 40);
    EXPECT_EQ(place.right - place.left, 250);
    EXPECT_EQ(place.bottom - place.top, 150);
    EXPECT_EQ(ControlFromWindow(form.hwnd), &form);
    EXPECT_EQ(form.GetDialogProcedure(), &QuitOnCloseProc);
    EXPECT_EQ(form.fileDialog.owner, form.hwnd);
    HICON application = LoadIconA(NULL, IDI_APPLICATION);
    EXPECT_EQ((HICON)SendMessageA(form.hwnd, WM_GETICON, ICON_BIG, 0), application);
    EXPECT_EQ((HICON)SendMessageA(form.hwnd, WM_GETICON, ICON_SMALL, 0), application);
    DestroyWindow(form.hwnd);
}

TEST_F(FormTest, SmallSizesNegativePlacesCentringAndShowing)
{
    Form tiny("tiny", -20, -30, 3, 4, kFormPopup, true, true, false, false, false, parentControl, true);
    RECT place = RectInParent(tiny.hwnd);
    EXPECT_EQ(place.left, 0);
    EXPECT_EQ(place.top, 0);
    EXPECT_EQ(place.right - place.left, 10);
    EXPECT_EQ(place.bottom - place.top, 10);
    EXPECT_TRUE(IsWindowVisible(tiny.hwnd) || !IsWindowVisible(probe));
    EXPECT_TRUE(WindowStyle(tiny.hwnd) & WS_VISIBLE);

    Form centred("centred", 0, 0, 100, 60, kFormPopup, true, false, false, false, true,
                 parentControl, true);
    SIZE client = ClientSize(probe);
    place = RectInParent(centred.hwnd);
    EXPECT_EQ(place.left, (client.cx - 100) / 2);
    EXPECT_EQ(place.top, (client.cy - 60) / 2);
    DestroyWindow(tiny.hwnd);
    DestroyWindow(centred.hwnd);
}

TEST_F(FormTest, ClosingTheFormPostsTheQuitMessage)
{
    Form form("closing", 0, 0, 100, 100, kFormStandard, true, false);
    PumpMessages();
    SendMessageA(form.hwnd, WM_CLOSE, 0, 0);
    MSG message;
    ASSERT_TRUE(PeekMessageA(&message, NULL, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(message.wParam, 0u);
    // WM_CLOSE of a dialog-class window is the procedure's alone: the window stays.
    EXPECT_TRUE(IsWindow(form.hwnd));
    DestroyWindow(form.hwnd);
}

// The first forms of a process: run in a process of its own (see below).
TEST(FormFreshProcess, DISABLED_TrayIdsOfTheFirstTwoForms)
{
    Form first;
    EXPECT_EQ(first.trayId, 3024u);
    first.Create("first", 0, 0, 100, 100, kFormStandard, true, false);
    EXPECT_EQ(first.trayId, 3025u);
    Form second;
    EXPECT_EQ(second.trayId, 3026u);
    second.Create("second", 0, 0, 100, 100, kFormStandard, true, false);
    EXPECT_EQ(second.trayId, 3027u);
    // The constructor with arguments takes one number, at its creation.
    Form third("third", 0, 0, 100, 100, kFormStandard, true, false);
    EXPECT_EQ(third.trayId, 3028u);
    DestroyWindow(first.hwnd);
    DestroyWindow(second.hwnd);
    DestroyWindow(third.hwnd);
}

TEST(FormTrayIds, FirstTwoFormsOfAProcessGet3025And3027)
{
    char program[MAX_PATH];
    ASSERT_GT(GetModuleFileNameA(NULL, program, sizeof program), 0u);
    std::string line = std::string("\"") + program +
                       "\" --gtest_filter=FormFreshProcess.* --gtest_also_run_disabled_tests";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    ASSERT_TRUE(CreateProcessA(NULL, &line[0], NULL, NULL, FALSE, 0, NULL, NULL, &startup, &process));
    ASSERT_EQ(WaitForSingleObject(process.hProcess, 20000), WAIT_OBJECT_0);
    DWORD exitCode = 1;
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    EXPECT_EQ(exitCode, 0u) << "the fresh process's form numbers differ";
}

// ---- show states, bar, layout ----

INT_PTR CALLBACK LoggingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_SIZE)
        const_cast<std::vector<LoggedMessage>&>(MessageLog()).push_back({window, message, wParam, lParam});
    return 0;
}

TEST_F(FormTest, ShowStatesAndTheAttachedBar)
{
    Form form("states", 10, 10, 300, 200, kFormStandard, true, true);
    HWND bar = CreateChildWindow(form.hwnd, "STATIC", WS_VISIBLE, 7, 0, 0, 300, 20);
    form.AttachBar(Control(bar));
    EXPECT_TRUE(form.hasBar);
    EXPECT_EQ(form.bar.hwnd, bar);
    EXPECT_EQ(form.bar.parent, form.hwnd);

    // The bar stays where it was, so only the form's own repaint makes it dirty.
    RECT dirty;
    PumpMessages();
    ValidateRect(bar, NULL);
    EXPECT_TRUE(form.Maximise());
    EXPECT_TRUE(form.IsMaximised());
    EXPECT_TRUE(GetUpdateRect(bar, &dirty, FALSE));
    PumpMessages();
    ValidateRect(bar, NULL);
    EXPECT_TRUE(form.Restore());
    EXPECT_FALSE(form.IsMaximised());
    EXPECT_TRUE(GetUpdateRect(bar, &dirty, FALSE));
    EXPECT_TRUE(form.Minimise());
    EXPECT_TRUE(form.IsMinimised());
    EXPECT_TRUE(form.Restore());
    EXPECT_FALSE(form.IsMinimised());

    Form none;
    EXPECT_FALSE(none.Minimise());
    EXPECT_FALSE(none.IsMinimised());
    DestroyWindow(form.hwnd);
}

TEST_F(FormTest, UpdateLayoutSendsAnEmptySizeAndRepaints)
{
    Form form("layout", 0, 0, 200, 100, kFormPopup, true, true);
    form.DialogProcedure = LoggingProc;
    EXPECT_EQ(form.GetDialogProcedure(), &LoggingProc);
    PumpMessages();
    ClearMessageLog();
    ValidateRect(form.hwnd, NULL);
    form.UpdateLayout();
    auto sizes = LoggedMessages(WM_SIZE);
    ASSERT_EQ(sizes.size(), 1u);
    EXPECT_EQ(sizes[0].window, form.hwnd);
    EXPECT_EQ(sizes[0].wParam, 0u);
    EXPECT_EQ(sizes[0].lParam, 0);
    RECT dirty;
    ASSERT_TRUE(GetUpdateRect(form.hwnd, &dirty, FALSE));
    EXPECT_EQ(dirty.right - dirty.left, 200);
    DestroyWindow(form.hwnd);
}

TEST_F(FormTest, AsFormViewsTheWindowAndCreatesNone)
{
    HWND child = CreateChildWindow(probe, "STATIC", 0, 3, 0, 0, 50, 50);
    Control control(child);
    Form view = AsForm(control);
    EXPECT_EQ(view.hwnd, child);
    EXPECT_EQ(view.parent, probe);
    EXPECT_EQ(ControlFromWindow(child), (Control*)NULL);
    EXPECT_EQ(view.style, 0u);
}

// ---- icons ----

TEST_F(FormTest, IconsSetAndReadBack)
{
    Form form("icons", 0, 0, 200, 100, kFormStandard, true, false);
    IconObject read = form.Icon;
    EXPECT_EQ(read.icon, LoadIconA(NULL, IDI_APPLICATION));
    EXPECT_FALSE(read.Owns());

    HICON question = LoadIconA(NULL, IDI_QUESTION);
    form.SetIconHandle(question);
    EXPECT_EQ(form.icon, question);
    EXPECT_EQ((HICON)SendMessageA(form.hwnd, WM_GETICON, ICON_SMALL, 0), question);
    EXPECT_EQ(((IconObject)form.Icon).icon, question);

    // The window shows its own copy: the owning holder may go at once.
    {
        IconObject owned(CopyIcon(LoadIconA(NULL, IDI_WARNING)), kOwnHandle);
        form.Icon = owned;
        EXPECT_NE(form.icon, owned.icon);
    }
    ICONINFO parts = {};
    EXPECT_TRUE(GetIconInfo(form.icon, &parts));
    DeleteObject(parts.hbmColor);
    DeleteObject(parts.hbmMask);
    EXPECT_EQ((HICON)SendMessageA(form.hwnd, WM_GETICON, ICON_BIG, 0), form.icon);

    form.SetIconResource(PICTURE_SUN_ICON);
    EXPECT_NE(form.icon, (HICON)NULL);
    EXPECT_EQ(form.icon, LoadIconA(GetModuleHandleA(NULL), MAKEINTRESOURCEA(PICTURE_SUN_ICON)));
    EXPECT_EQ((HICON)SendMessageA(form.hwnd, WM_GETICON, ICON_SMALL, 0), form.icon);
    DestroyWindow(form.hwnd);
}

TEST_F(FormTest, CursorsBecomeCurrent)
{
    Form form("cursors", 0, 0, 200, 100, kFormStandard, true, false);
    HCURSOR wait = LoadCursorA(NULL, IDC_WAIT);
    form.SetCursorHandle(wait);
    EXPECT_EQ(GetCursor(), wait);
    HCURSOR arrow = LoadCursorA(NULL, IDC_ARROW);
    form.SetCursorHandle(arrow);
    EXPECT_EQ(GetCursor(), arrow);
    DestroyWindow(form.hwnd);
}

// ---- printing, read back from the screen ----

// The rows of the client area that hold any pixel other than the background.
std::vector<bool> InkedRows(HWND window, int rows, COLORREF background)
{
    std::vector<bool> inked(rows, false);
    HDC dc = GetDC(window);
    for (int y = 0; y < rows; ++y)
        for (int x = 0; x < 60 && !inked[y]; ++x)
            if (GetPixel(dc, x, y) != background)
                inked[y] = true;
    ReleaseDC(window, dc);
    return inked;
}

// The first inked row from `from` on, or -1.
int FirstInk(const std::vector<bool>& rows, int from)
{
    for (int y = from; y < (int)rows.size(); ++y)
        if (rows[y])
            return y;
    return -1;
}

// The last inked row in [from, to), or -1.
int LastInk(const std::vector<bool>& rows, int from, int to)
{
    for (int y = to - 1; y >= from; --y)
        if (rows[y])
            return y;
    return -1;
}

bool AnyInk(const std::vector<bool>& rows, int from, int to)
{
    for (int y = from; y < to; ++y)
        if (rows[y])
            return true;
    return false;
}

TEST_F(FormTest, PrintedLinesAre20PixelsApartAndResetPrintStartsAtTheTop)
{
    Form form("print", 0, 0, 200, 120, kFormPopup, true, true);
    SetWindowPos(form.hwnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    RedrawWindow(form.hwnd, NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    PumpMessages(50);
    HDC dc = GetDC(form.hwnd);
    COLORREF background = GetPixel(dc, 150, 100);
    ReleaseDC(form.hwnd, dc);

    EXPECT_FALSE(AnyInk(InkedRows(form.hwnd, 80, background), 0, 80));
    form.Print("WWWW");
    int firstTop = FirstInk(InkedRows(form.hwnd, 80, background), 0);
    ASSERT_GE(firstTop, 0);
    form.Print("WWWW");
    EXPECT_EQ(form.printLine, 40);
    std::vector<bool> rows = InkedRows(form.hwnd, 80, background);
    // The second line is the first one again, 20 pixels lower.
    int firstBottom = LastInk(rows, 0, 20);
    EXPECT_EQ(FirstInk(rows, firstBottom + 1), firstTop + 20);
    EXPECT_EQ(LastInk(rows, 20, 80), firstBottom + 20);

    RedrawWindow(form.hwnd, NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    PumpMessages(50);
    form.ResetPrint();
    EXPECT_EQ(form.printLine, 0);
    form.Print("WWWW");
    rows = InkedRows(form.hwnd, 80, background);
    EXPECT_TRUE(AnyInk(rows, 0, 20));
    EXPECT_FALSE(AnyInk(rows, 20, 80));
    DestroyWindow(form.hwnd);
}

// ---- lifetimes ----

TEST_F(FormTest, CopiesAndMovesKeepTheirOwnBindingsAndTheWindowsWord)
{
    Form form("life", 0, 0, 100, 100, kFormPopup, true, false, false, false, false, parentControl, true);
    form.fileDialog.AddFilter("Text", "*.txt");
    Form copy = form;
    EXPECT_EQ(copy.hwnd, form.hwnd);
    EXPECT_EQ(copy.SelectedColor.m_cObject, &copy);
    EXPECT_EQ(copy.Icon.m_cObject, &copy);
    EXPECT_EQ(ControlFromWindow(form.hwnd), &form);
    copy.fileDialog.AddFilter("More", "*.m");
    EXPECT_EQ(form.fileDialog.filters.size(), 1u);

    Form moved = std::move(form);
    EXPECT_EQ(ControlFromWindow(moved.hwnd), &moved);
    EXPECT_EQ(moved.DialogProcedure.m_cObject, &moved);
    {
        Form gone = AsForm(moved);
    }
    EXPECT_EQ(ControlFromWindow(moved.hwnd), &moved);
    DestroyWindow(moved.hwnd);
}

// ---- dialogs owned by the form ----

class FormDialogTest : public ScratchFolderTest {};

TEST_F(FormDialogTest, FileDialogsOwnedByTheFormAndCancelKeepsFileName)
{
    const std::string existing = PathOf("picked.txt");
    WriteBytes(existing, "x");
    Form form("dialogs", 0, 0, 200, 100, kFormStandard, true, true);
    form.FileName = "before";

    DialogAnswer cancel("Open", IDCANCEL, GetCurrentProcessId());
    EXPECT_FALSE(form.OpenFileDialog(existing.c_str()));
    ASSERT_TRUE(cancel.Wait());
    EXPECT_EQ(cancel.owner, form.hwnd);
    EXPECT_EQ(form.FileName, String("before"));

    DialogAnswer open("Open", IDOK, GetCurrentProcessId());
    EXPECT_TRUE(form.OpenFileDialog(existing.c_str()));
    ASSERT_TRUE(open.Wait());
    EXPECT_EQ(lstrcmpiA(form.FileName.CStr(), existing.c_str()), 0) << form.FileName.CStr();

    const std::string saved = PathOf("saved.txt");
    DialogAnswer save("Save As", IDOK, GetCurrentProcessId(), 10000,
                      [&](HWND box) { TypeFileName(box, saved); });
    EXPECT_TRUE(form.SaveFileDialog("other.txt"));
    ASSERT_TRUE(save.Wait());
    EXPECT_EQ(save.owner, form.hwnd);
    EXPECT_EQ(lstrcmpiA(form.FileName.CStr(), saved.c_str()), 0) << form.FileName.CStr();
    DestroyWindow(form.hwnd);
}

TEST_F(FormDialogTest, ChosenColourIsKeptOnlyWhenTheUserSaysOk)
{
    Form form("colours", 0, 0, 200, 100, kFormStandard, true, true);
    COLORREF colour = RGB(1, 2, 3);
    DialogAnswer cancel("Color", IDCANCEL, GetCurrentProcessId());
    EXPECT_FALSE(form.ChooseColor(colour));
    ASSERT_TRUE(cancel.Wait());
    EXPECT_EQ(cancel.owner, form.hwnd);
    EXPECT_EQ(colour, RGB(1, 2, 3));
    EXPECT_EQ((COLORREF)form.SelectedColor, RGB(255, 255, 255));

    DialogAnswer ok("Color", IDOK, GetCurrentProcessId());
    EXPECT_TRUE(form.ChooseColor(colour));
    ASSERT_TRUE(ok.Wait());
    EXPECT_EQ(colour, RGB(1, 2, 3));
    EXPECT_EQ((COLORREF)form.SelectedColor, RGB(1, 2, 3));
    DestroyWindow(form.hwnd);
}

TEST_F(FormDialogTest, FolderChooserIsOwnedByTheForm)
{
    Form form("folders", 0, 0, 200, 100, kFormStandard, true, true);
    String path("unchanged");
    DialogAnswer cancel("Browse for Folder", IDCANCEL, GetCurrentProcessId());
    EXPECT_FALSE(form.BrowseFolder(path));
    ASSERT_TRUE(cancel.Wait());
    EXPECT_EQ(cancel.owner, form.hwnd);
    EXPECT_EQ(path, String("unchanged"));
    DestroyWindow(form.hwnd);
}

// ---- the notification-area icon ----

TEST_F(FormTest, TrayIconAddedModifiedAndRemoved)
{
    Form form("tray", 0, 0, 200, 100, kFormStandard, true, false);
    IconObject icon(LoadIconA(NULL, IDI_APPLICATION));
    const std::string tip100(100, 't');
    ASSERT_TRUE(form.AddTrayIcon(icon, tip100.c_str()))
        << "the shell has no notification area (no tray window under this X server?)";
    EXPECT_TRUE(form.trayIconShown);
    EXPECT_EQ(form.notifyIcon.uID, form.trayId);
    EXPECT_EQ(form.notifyIcon.uCallbackMessage, form.trayId);
    EXPECT_EQ(form.notifyIcon.hWnd, form.hwnd);
    EXPECT_EQ(form.notifyIcon.hIcon, icon.icon);
    EXPECT_EQ(std::string(form.notifyIcon.szTip), std::string(63, 't'));
    EXPECT_FALSE(form.AddTrayIcon(icon, "again"));

    IconObject other(LoadIconA(NULL, IDI_WARNING));
    EXPECT_TRUE(form.ModifyTrayIcon(other, "short tip"));
    EXPECT_STREQ(form.notifyIcon.szTip, "short tip");
    EXPECT_EQ(form.notifyIcon.hIcon, other.icon);

    EXPECT_TRUE(form.RemoveTrayIcon());
    EXPECT_FALSE(form.trayIconShown);
    EXPECT_FALSE(form.RemoveTrayIcon());
    // Modify adds an icon that is not shown.
    EXPECT_TRUE(form.ModifyTrayIcon(icon, std::string(5000, 'x').c_str()));
    EXPECT_TRUE(form.trayIconShown);
    EXPECT_EQ(std::string(form.notifyIcon.szTip), std::string(63, 'x'));
    EXPECT_TRUE(form.RemoveTrayIcon());
    DestroyWindow(form.hwnd);
}

// The shell answers a change to an icon it no longer has with false.
bool ShellStillHasIcon(HWND window, UINT id)
{
    NOTIFYICONDATAA probe = {};
    probe.cbSize = kNotifyIconRecordSize;
    probe.hWnd = window;
    probe.uID = id;
    probe.uFlags = NIF_TIP;
    return Shell_NotifyIconA(NIM_MODIFY, &probe) != FALSE;
}

TEST_F(FormTest, DestroyedFormTakesItsTrayIconAlong)
{
    IconObject icon(LoadIconA(NULL, IDI_APPLICATION));
    HWND window = NULL;
    UINT id = 0;
    {
        Form form("tray", 0, 0, 200, 100, kFormStandard, true, false);
        ASSERT_TRUE(form.AddTrayIcon(icon, "shown"));
        window = form.hwnd;
        id = form.notifyIcon.uID;
        ASSERT_TRUE(ShellStillHasIcon(window, id));
        // Removed and shown again: still taken along once.
        EXPECT_TRUE(form.RemoveTrayIcon());
        EXPECT_TRUE(form.ModifyTrayIcon(icon, "again"));
    }
    // The wrapper is gone; the window closes later, as a program's would.
    DestroyWindow(window);
    EXPECT_FALSE(ShellStillHasIcon(window, id)) << "a dead icon stayed in the notification area";
}

}  // namespace

// The first tab-stop control has the focus when a form shows, whether the
// form was visible when made (the controls come after it) or shown later;
// a control the program focused itself keeps it.
TEST(FormFirstFocusTest, TheFirstTabStopControlHasTheFocusWhenTheFormShows)
{
    const struct { const char* name; bool visibleAtCreate; bool programFocuses; } cases[] = {
        {"visible when made", true, false},
        {"shown later", false, false},
        {"the program's own focus", true, true},
    };
    for (const auto& c : cases) {
        Form form("focus", 20, 20, 240, 120, kFormDialog, true, c.visibleAtCreate);
        Label label("Name", 1, 10, 10, 60, 20, form);
        TextBox first("", 3, 80, 10, 120, 22, form, true, true, false, false, WS_EX_CLIENTEDGE);
        TextBox second("", 4, 80, 40, 120, 22, form, true, true, false, false, WS_EX_CLIENTEDGE);
        if (c.programFocuses)
            SetFocus(second.hwnd);
        PumpMessages();
        if (!c.visibleAtCreate) {
            form.Show();
            SetForegroundWindow(form.hwnd);
            PumpMessages();
        }
        EXPECT_EQ(GetFocus(), c.programFocuses ? second.hwnd : first.hwnd) << c.name;
        DestroyWindow(form.hwnd);
        PumpMessages();
    }
}
