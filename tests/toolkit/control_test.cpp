// The control base against real windows under the test's own thread: a hidden
// probe parent logs what reaches it, children are wrapped and driven.
#include <cstddef>
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <new>
#include <string>
#include <utility>

#include "dialog_answer.h"
#include "probe_parent.h"
#include "wicker.h"
#include "window_attributes.h"

namespace {

const int ParentWidth = 300;
const int ParentHeight = 200;
const int ChildId = 42;
// The system dialog class that forms are made of.
const char* const DialogClass = MAKEINTATOM(0x8002);

class ControlTest : public ProbeParentTest {
protected:
    ControlTest() : ProbeParentTest(ParentWidth, ParentHeight) {}
    HWND child = NULL;

    void SetUp() override
    {
        ProbeParentTest::SetUp();
        ASSERT_FALSE(HasFatalFailure());
        child = CreateChildWindow(probe, "STATIC", WS_VISIBLE, ChildId, 20, 30, 100, 50);
        ASSERT_NE(child, (HWND)NULL);
        ClearMessageLog();
    }
};

// ---- construction, adoption, copies ----

TEST_F(ControlTest, DefaultWrapperHasNoWindowAndTheDesktopAsParent)
{
    Control empty;
    EXPECT_EQ(empty.hwnd, (HWND)NULL);
    EXPECT_EQ(empty.parent, GetDesktopWindow());
    EXPECT_FALSE(empty.Exists());
    EXPECT_EQ(empty.opacity, 100);
    EXPECT_EQ((int)empty.Transparency, 100);
    EXPECT_EQ(empty.hasBackColor, 0);
    EXPECT_EQ(empty.timerCount, 0);
    EXPECT_EQ(empty.tooltip, (HWND)NULL);
    EXPECT_EQ((int)empty.Width, -1);
    EXPECT_EQ((int)empty.Height, -1);
    EXPECT_EQ(empty.Text.m_cObject, &empty);
    EXPECT_EQ(empty.Region.m_cObject, &empty);
}

TEST_F(ControlTest, AdoptedWindowIsSeenWithItsParent)
{
    SetWindowTextA(child, "adopted");
    Control adopted(child);
    EXPECT_EQ(adopted.hwnd, child);
    EXPECT_EQ(adopted.parent, probe);
    EXPECT_TRUE(adopted.Exists());
    EXPECT_EQ(adopted.Text().CStr(), std::string("adopted"));
    EXPECT_EQ((int)adopted.Width, 100);
    EXPECT_EQ((int)adopted.Left, 20);
    EXPECT_EQ((int)adopted.Top, 30);
    EXPECT_EQ(adopted.GetId(), ChildId);
}

TEST_F(ControlTest, DestroyingAWrapperLeavesItsWindowAlive)
{
    {
        Control adopted(child);
        adopted.Caption = "still here";
        ASSERT_TRUE(adopted.AddTimer("tick", 10000));
    }
    EXPECT_TRUE(IsWindow(child));
    EXPECT_EQ(WindowText(child), "still here");
}

TEST_F(ControlTest, CopyIsBoundToItselfAndOutlivesItsSource)
{
    Control* source = new Control(child);
    source->id = ChildId;
    ASSERT_TRUE(source->AddTimer("first", 10000));
    Control copy(*source);
    EXPECT_EQ(copy.Text.m_cObject, &copy);
    EXPECT_EQ(copy.Width.m_cObject, &copy);
    EXPECT_EQ(copy.hwnd, child);
    EXPECT_EQ(copy.id, ChildId);
    EXPECT_EQ(copy.TimerId("first"), 1);

    // Timers are copied deeply: each wrapper keeps its own list.
    ASSERT_TRUE(copy.AddTimer("second", 10000));
    EXPECT_EQ(source->TimerId("second"), -1);

    source->Text = "from source";
    EXPECT_EQ(copy.Text().CStr(), std::string("from source"));
    delete source;
    copy.Text = "from copy";
    EXPECT_EQ(copy.Text().CStr(), std::string("from copy"));
    copy.Width = 60;
    EXPECT_EQ((int)copy.Width, 60);
}

TEST_F(ControlTest, AssignmentKeepsTheTargetsOwnBindings)
{
    Control source(child);
    Control target;
    target = source;
    EXPECT_EQ(target.hwnd, child);
    EXPECT_EQ(target.Text.m_cObject, &target);
    target.Text = "assigned";
    EXPECT_EQ(source.Text().CStr(), std::string("assigned"));
}

TEST_F(ControlTest, ViewSharesOnlyWindowAndParent)
{
    Control source(child);
    source.id = ChildId;
    source.AddTimer("t", 10000);
    Control view = ControlView(source);
    EXPECT_EQ(view.hwnd, child);
    EXPECT_EQ(view.parent, probe);
    EXPECT_EQ(view.id, 0);
    EXPECT_TRUE(view.timers.empty());
    EXPECT_EQ(view.Text.m_cObject, &view);
}

// ---- geometry ----

TEST_F(ControlTest, SizesBelowTenBecomeTen)
{
    Control control(child);
    control.Width = 5;
    control.Height = 3;
    EXPECT_EQ((int)control.Width, 10);
    EXPECT_EQ((int)control.Height, 10);
    // The other dimension and the place stay.
    control.Width = 70;
    EXPECT_EQ((int)control.Height, 10);
    EXPECT_EQ((int)control.Left, 20);
    EXPECT_EQ((int)control.Top, 30);

    control.Resize(2, 4, false);
    RECT box = RectInParent(child);
    EXPECT_EQ(box.right - box.left, 10);
    EXPECT_EQ(box.bottom - box.top, 10);
}

TEST_F(ControlTest, NegativePositionsBecomeZero)
{
    Control control(child);
    control.Left = -20;
    EXPECT_EQ((int)control.Left, 0);
    EXPECT_EQ((int)control.Top, 30);
    control.Top = -1;
    EXPECT_EQ((int)control.Top, 0);
    control.Move(-5, 44);
    RECT box = RectInParent(child);
    EXPECT_EQ(box.left, 0);
    EXPECT_EQ(box.top, 44);
    EXPECT_EQ(box.right - box.left, 100);
}

TEST_F(ControlTest, CentreUsesTheParentsClientArea)
{
    Control control(child);
    SIZE client = ClientSize(probe);
    control.Centre();
    EXPECT_EQ((int)control.Left, (client.cx - 100) / 2);
    EXPECT_EQ((int)control.Top, (client.cy - 50) / 2);

    // Resize with centring centres the new size and answers 0.
    EXPECT_EQ(control.Resize(40, 20, true), 0);
    EXPECT_EQ((int)control.Left, (client.cx - 40) / 2);
    EXPECT_EQ((int)control.Top, (client.cy - 20) / 2);
}

TEST_F(ControlTest, CentreOfAChildLargerThanItsParentGoesToTheCorner)
{
    Control control(child);
    control.Resize(ParentWidth * 2, ParentHeight * 2, true);
    EXPECT_EQ((int)control.Left, 0);
    EXPECT_EQ((int)control.Top, 0);
    EXPECT_EQ((int)control.Width, ParentWidth * 2);
}

TEST_F(ControlTest, FittingFollowsTheParentsClientSize)
{
    Control control(child);
    SIZE client = ClientSize(probe);
    control.FitWidth();
    EXPECT_EQ((int)control.Left, 0);
    EXPECT_EQ((int)control.Width, client.cx);
    EXPECT_EQ((int)control.Top, 30);
    control.FitHeight();
    EXPECT_EQ((int)control.Top, 0);
    EXPECT_EQ((int)control.Height, client.cy);

    control.Resize(20, 20, false);
    control.Move(15, 15);
    control.FillParent();
    RECT box = RectInParent(child);
    EXPECT_EQ(box.left, 0);
    EXPECT_EQ(box.top, 0);
    EXPECT_EQ(box.right, client.cx);
    EXPECT_EQ(box.bottom, client.cy);
    EXPECT_EQ((int)control.ClientWidth, client.cx);
    EXPECT_EQ((int)control.ClientHeight, client.cy);
}

// ---- text, state, styles ----

TEST_F(ControlTest, TextAndCaptionAreTheWindowText)
{
    Control control(child);
    EXPECT_TRUE(control.Text().empty());
    control.Text = "Spell it";
    EXPECT_EQ((int)control.TextLength, 8);
    EXPECT_EQ(control.Caption().CStr(), std::string("Spell it"));
    control.Caption = "";
    EXPECT_EQ((int)control.TextLength, 0);
    EXPECT_TRUE(control.Text().empty());
}

TEST_F(ControlTest, VisibilityAndEnabledStateReachTheWindow)
{
    Control control(child);
    control.Hide();
    EXPECT_FALSE(WindowStyle(child) & WS_VISIBLE);
    control.Visible = true;
    EXPECT_TRUE(WindowStyle(child) & WS_VISIBLE);
    control.Disable();
    EXPECT_FALSE((bool)control.Enabled);
    EXPECT_FALSE(IsWindowEnabled(child));
    control.Enabled = true;
    EXPECT_TRUE(IsWindowEnabled(child));
}

TEST_F(ControlTest, StyleOperationsAnswerTheOldStyle)
{
    Control control(child);
    LONG before = GetWindowLongA(child, GWL_STYLE);
    EXPECT_EQ(control.AddStyle(WS_BORDER), before);
    EXPECT_EQ(GetWindowLongA(child, GWL_STYLE), before | WS_BORDER);
    EXPECT_TRUE(control.HasStyle(WS_BORDER | WS_TABSTOP));
    EXPECT_FALSE(control.HasStyle(WS_TABSTOP));
    EXPECT_EQ(control.RemoveStyle(WS_BORDER), before | WS_BORDER);
    EXPECT_EQ(GetWindowLongA(child, GWL_STYLE), before);

    control.ClipChildren = true;
    EXPECT_TRUE(WindowStyle(child) & WS_CLIPCHILDREN);
    control.ClipChildren = false;
    EXPECT_FALSE(WindowStyle(child) & WS_CLIPCHILDREN);

    control.AddExStyle(WS_EX_CLIENTEDGE);
    EXPECT_TRUE(control.HasExStyle(WS_EX_CLIENTEDGE));
    EXPECT_EQ(control.RemoveExStyle(WS_EX_CLIENTEDGE) & WS_EX_CLIENTEDGE, WS_EX_CLIENTEDGE);
    EXPECT_FALSE(WindowExStyle(child) & WS_EX_CLIENTEDGE);
}

TEST_F(ControlTest, BackColorIsRecordedAndTheWrapperStored)
{
    Control control(child);
    control.BackColor = RGB(10, 20, 30);
    EXPECT_TRUE(control.HasBackColor());
    EXPECT_EQ(control.GetBackColor(), RGB(10, 20, 30));
    EXPECT_EQ(ControlFromWindow(child), &control);
}

TEST_F(ControlTest, RegionIsCopiedToTheWindowAndBack)
{
    Control control(child);
    EXPECT_EQ(((RegionObject)control.Region).region, (HRGN)NULL);

    RegionObject shape(CreateRectRgn(0, 0, 30, 20));
    control.Region = shape;
    // The caller's region stays its own and usable.
    RECT box = {0, 0, 0, 0};
    EXPECT_EQ(GetRgnBox(shape.region, &box), SIMPLEREGION);

    RegionObject back = control.Region;
    ASSERT_NE(back.region, (HRGN)NULL);
    ASSERT_NE(back.region, shape.region);
    EXPECT_NE(GetRgnBox(back.region, &box), ERROR);
    EXPECT_EQ(box.right, 30);
    EXPECT_EQ(box.bottom, 20);
}

// ---- named timers ----

TEST_F(ControlTest, TimersOfOneNameAreUniqueAndIdentifiersNeverReused)
{
    Control control(probe);
    EXPECT_TRUE(control.AddTimer("blink", 10000));
    EXPECT_FALSE(control.AddTimer("blink", 10000));
    EXPECT_EQ(control.TimerId("blink"), 1);
    EXPECT_EQ(control.TimerId("Blink"), -1);
    EXPECT_TRUE(control.AddTimer("scroll", 10000));
    EXPECT_EQ(control.TimerId("scroll"), 2);

    EXPECT_TRUE(control.KillTimerByName("blink"));
    EXPECT_FALSE(control.KillTimerByName("blink"));
    EXPECT_EQ(control.TimerId("blink"), -1);
    EXPECT_TRUE(control.AddTimer("blink", 10000));
    EXPECT_EQ(control.TimerId("blink"), 3);
    EXPECT_EQ(control.timers.size(), 2u);
}

TEST_F(ControlTest, TimerMessagesCarryTheIdentifier)
{
    Control control(probe);
    ASSERT_TRUE(control.AddTimer("unused", 10000));
    ASSERT_TRUE(control.AddTimer("fast", 20));
    PumpMessages(200);
    std::vector<LoggedMessage> ticks = LoggedMessages(WM_TIMER);
    ASSERT_FALSE(ticks.empty());
    for (const LoggedMessage& tick : ticks)
        EXPECT_EQ(tick.wParam, (WPARAM)control.TimerId("fast"));

    EXPECT_TRUE(control.KillTimerByName("fast"));
    PumpMessages(20);
    ClearMessageLog();
    PumpMessages(120);
    EXPECT_TRUE(LoggedMessages(WM_TIMER).empty());
}

TEST_F(ControlTest, TimerOnAMissingWindowFailsButUsesItsNumber)
{
    Control empty;
    EXPECT_FALSE(empty.AddTimer("orphan", 100));
    EXPECT_EQ(empty.timerCount, 1);
    EXPECT_EQ(empty.TimerId("orphan"), -1);
}

// ---- transparency ----

TEST_F(ControlTest, TransparencyMakesALayeredWindowWithScaledAlpha)
{
    Control control(probe);
    control.Transparency = 50;
    EXPECT_TRUE(WindowExStyle(probe) & WS_EX_LAYERED);
    EXPECT_EQ((int)control.Transparency, 50);
    BYTE alpha = 0;
    DWORD flags = 0;
    COLORREF key = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(probe, &key, &alpha, &flags));
    EXPECT_EQ(alpha, 127);
    EXPECT_TRUE(flags & LWA_ALPHA);

    control.Transparency = 100;
    ASSERT_TRUE(GetLayeredWindowAttributes(probe, &key, &alpha, &flags));
    EXPECT_EQ(alpha, 255);

    // Zero only removes the layering; the last opacity stays.
    control.Transparency = 0;
    EXPECT_FALSE(WindowExStyle(probe) & WS_EX_LAYERED);
    EXPECT_EQ((int)control.Transparency, 100);
}

// ---- tooltips ----

TEST_F(ControlTest, ToolTipIsAToolOfTheParentNamingTheControl)
{
    Control control(child);
    EXPECT_TRUE(control.ToolTip().empty());
    control.ToolTip = "Press a letter";
    ASSERT_NE(control.tooltip, (HWND)NULL);
    EXPECT_EQ(WindowClass(control.tooltip), "tooltips_class32");
    EXPECT_EQ(GetWindow(control.tooltip, GW_OWNER), probe);
    EXPECT_TRUE(WindowExStyle(control.tooltip) & WS_EX_TOPMOST);
    EXPECT_EQ(SendMessageA(control.tooltip, TTM_GETTOOLCOUNT, 0, 0), 1);

    TTTOOLINFOA info = {};
    info.cbSize = offsetof(TTTOOLINFOA, lpReserved);
    char text[80] = "";
    info.lpszText = text;
    ASSERT_TRUE(SendMessageA(control.tooltip, TTM_ENUMTOOLSA, 0, (LPARAM)&info));
    EXPECT_EQ(info.hwnd, probe);
    EXPECT_EQ(info.uId, (UINT_PTR)child);
    EXPECT_EQ(info.uFlags & (TTF_IDISHWND | TTF_SUBCLASS), (UINT)(TTF_IDISHWND | TTF_SUBCLASS));
    EXPECT_EQ(control.ToolTip().CStr(), std::string("Press a letter"));
}

TEST_F(ControlTest, NewToolTipReplacesTheOldWindow)
{
    Control control(child);
    control.ToolTip = "first";
    HWND first = control.tooltip;
    control.ToolTip = "second";
    EXPECT_FALSE(IsWindow(first));
    EXPECT_TRUE(IsWindow(control.tooltip));
    EXPECT_EQ(control.ToolTip().CStr(), std::string("second"));
}

TEST_F(ControlTest, LongToolTipReadsBackWithoutOverrun)
{
    Control control(child);
    std::string longText(3000, 'w');
    control.ToolTip = longText.c_str();
    String back = control.ToolTip;
    EXPECT_GT(back.size(), 79u);
    EXPECT_LE(back.size(), 1023u);
    EXPECT_EQ(std::string(back.size(), 'w'), std::string(back.CStr()));
}

// ---- clickable pictures ----

class ClickableTest : public ControlTest {
protected:
    Control picture;

    void SetUp() override
    {
        ControlTest::SetUp();
        picture = Control(child);
        picture.id = ChildId;
        MakeClickable(picture);
        ClearMessageLog();
    }

    void Press(int x, int y) { SendMessageA(child, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y)); }
    void Release(int x, int y) { SendMessageA(child, WM_LBUTTONUP, 0, MAKELPARAM(x, y)); }
};

TEST_F(ClickableTest, ReleaseInsideSendsOneCommandWithTheIdentifier)
{
    Press(10, 10);
    EXPECT_TRUE(WindowExStyle(child) & WS_EX_CLIENTEDGE);
    EXPECT_EQ(GetCapture(), child);
    Release(12, 9);
    EXPECT_FALSE(WindowExStyle(child) & WS_EX_CLIENTEDGE);
    EXPECT_NE(GetCapture(), child);
    std::vector<LoggedMessage> commands = LoggedMessages(WM_COMMAND);
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(commands[0].window, probe);
    EXPECT_EQ(commands[0].wParam, (WPARAM)ChildId);
    EXPECT_EQ(commands[0].lParam, MAKELPARAM(12, 9));
}

TEST_F(ClickableTest, ReleaseOutsideSendsNothing)
{
    SIZE client = ClientSize(child);
    const POINT outside[] = {{-1, 10}, {10, -1}, {-30, -30}, {client.cx, 5},
                             {5, client.cy}, {client.cx + 40, client.cy + 40}};
    for (const POINT& point : outside) {
        Press(5, 5);
        Release(point.x, point.y);
        EXPECT_TRUE(LoggedMessages(WM_COMMAND).empty()) << point.x << "," << point.y;
        EXPECT_FALSE(WindowExStyle(child) & WS_EX_CLIENTEDGE);
    }
}

TEST_F(ClickableTest, ReleaseWithoutPressSendsNothing)
{
    Release(5, 5);
    EXPECT_TRUE(LoggedMessages(WM_COMMAND).empty());
    // A double click counts as a press.
    SendMessageA(child, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(3, 3));
    Release(4, 4);
    EXPECT_EQ(LoggedMessages(WM_COMMAND).size(), 1u);
}

TEST_F(ClickableTest, OtherMessagesReachTheStaticProcedure)
{
    EXPECT_EQ(SendMessageA(child, WM_SETCURSOR, (WPARAM)child, MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)),
              TRUE);
    SetWindowTextA(child, "picture");
    EXPECT_EQ(WindowText(child), "picture");
    // Installing twice must not make the procedure its own predecessor.
    MakeClickable(picture);
    EXPECT_NE(ClickablePreviousProc(child), (WNDPROC)ClickableProc);
    SetWindowTextA(child, "again");
    EXPECT_EQ(WindowText(child), "again");
}

// Each clickable control passes on to its own class's procedure, whichever
// class was made clickable first.
TEST_F(ClickableTest, ControlsOfOtherClassesKeepTheirOwnProcedures)
{
    HWND box = CreateChildWindow(probe, "BUTTON", BS_AUTOCHECKBOX | WS_VISIBLE, 8, 150, 10, 80, 20);
    Control check(box);
    MakeClickable(check);
    HWND second = CreateChildWindow(probe, "STATIC", SS_BITMAP | WS_VISIBLE, 9, 150, 40, 40, 40);
    Control later(second);
    MakeClickable(later);

    SetWindowLongA(child, GWL_STYLE, GetWindowLongA(child, GWL_STYLE) | SS_BITMAP);
    HBITMAP bitmap = CreateBitmap(8, 8, 1, 32, NULL);
    for (HWND picture : {child, second}) {
        SendMessageA(picture, STM_SETIMAGE, IMAGE_BITMAP, (LPARAM)bitmap);
        EXPECT_EQ(SendMessageA(picture, STM_GETIMAGE, IMAGE_BITMAP, 0), (LRESULT)bitmap);
        SendMessageA(picture, STM_SETIMAGE, IMAGE_BITMAP, 0);
    }
    SendMessageA(box, BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_EQ(SendMessageA(box, BM_GETCHECK, 0, 0), BST_CHECKED);
    DeleteObject(bitmap);
}

// ---- stock dialog procedures ----

class DialogProcTest : public ControlTest {
protected:
    HWND dialog = NULL;

    void SetUp() override
    {
        ControlTest::SetUp();
        dialog = CreateWindowExA(0, DialogClass, "dialog", WS_CHILD | WS_VISIBLE, 0, 0, 200, 100,
                                 probe, NULL, GetModuleHandleA(NULL), NULL);
        ASSERT_NE(dialog, (HWND)NULL);
        ClearMessageLog();
    }
};

TEST_F(DialogProcTest, InstallingStoresTheWrapperAndAnswersThePrevious)
{
    Control form(dialog);
    DLGPROC first = form.SetDialogProcedure(HideOnCloseProc);
    EXPECT_EQ(ControlFromWindow(dialog), &form);
    EXPECT_EQ(form.GetDialogProcedure(), (DLGPROC)HideOnCloseProc);
    EXPECT_EQ(form.SetDialogProcedure(ForwardCommandProc), (DLGPROC)HideOnCloseProc);
    form.SetDialogProcedure(first);
}

TEST_F(DialogProcTest, HideOnCloseHidesTheWindow)
{
    Control form(dialog);
    form.SetDialogProcedure(HideOnCloseProc);
    SendMessageA(dialog, WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsWindow(dialog));
    EXPECT_FALSE(WindowStyle(dialog) & WS_VISIBLE);
}

TEST_F(DialogProcTest, QuitOnClosePostsQuitWithCodeZero)
{
    Control form(dialog);
    form.SetDialogProcedure(QuitOnCloseProc);
    SendMessageA(dialog, WM_CLOSE, 0, 0);
    MSG message;
    ASSERT_TRUE(PeekMessageA(&message, NULL, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(message.wParam, 0u);
    EXPECT_TRUE(IsWindow(dialog));
}

TEST_F(DialogProcTest, QuitOnCloseFillStretchesTheClientControl)
{
    HWND frameDialog = CreateWindowExA(0, DialogClass, "frame", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200,
                                       NULL, NULL, GetModuleHandleA(NULL), NULL);
    ASSERT_NE(frameDialog, (HWND)NULL);
    HWND inner = CreateChildWindow(frameDialog, "STATIC", WS_VISIBLE, 7, 5, 5, 20, 20);
    Control framed(frameDialog);
    framed.fillChild = inner;
    framed.SetDialogProcedure(QuitOnCloseFillProc);
    MoveWindow(frameDialog, 0, 0, 400, 300, TRUE);
    SIZE size = ClientSize(frameDialog);
    RECT box = RectInParent(inner);
    EXPECT_EQ(box.left, 0);
    EXPECT_EQ(box.top, 0);
    EXPECT_EQ(box.right, size.cx);
    EXPECT_EQ(box.bottom, size.cy);

    SendMessageA(frameDialog, WM_CLOSE, 0, 0);
    MSG message;
    EXPECT_TRUE(PeekMessageA(&message, NULL, WM_QUIT, WM_QUIT, PM_REMOVE));
    DestroyWindow(frameDialog);
}

TEST_F(DialogProcTest, ForwardCommandSendsCommandsToTheParent)
{
    Control form(dialog);
    form.SetDialogProcedure(ForwardCommandProc);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(9, BN_CLICKED), (LPARAM)child);
    std::vector<LoggedMessage> commands = LoggedMessages(WM_COMMAND);
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(commands[0].window, probe);
    EXPECT_EQ(commands[0].wParam, MAKEWPARAM(9, BN_CLICKED));
    EXPECT_EQ(commands[0].lParam, (LPARAM)child);
}

// ---- procedures, focus and fonts ----

LRESULT CALLBACK CountingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
WNDPROC countingPrevious = NULL;
int countedTexts = 0;

LRESULT CALLBACK CountingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_SETTEXT)
        ++countedTexts;
    return CallWindowProcA(countingPrevious, window, message, wParam, lParam);
}

TEST_F(ControlTest, WindowProcedureIsReplacedAndFindsTheWrapper)
{
    Control control(child);
    WNDPROC original = (WNDPROC)GetWindowLongPtrA(child, GWLP_WNDPROC);
    countingPrevious = control.SetWindowProcedure(CountingProc);
    EXPECT_EQ(countingPrevious, original);
    EXPECT_EQ(ControlFromWindow(child), &control);
    countedTexts = 0;
    control.Text = "counted";
    EXPECT_EQ(countedTexts, 1);
    EXPECT_EQ(control.Text().CStr(), std::string("counted"));
    EXPECT_EQ(control.SetWindowProcedure(original), (WNDPROC)CountingProc);

    int marker = 0;
    control.SetUserData(&marker);
    EXPECT_EQ((void*)GetWindowLongPtrA(child, GWLP_USERDATA), (void*)&marker);
}

TEST_F(ControlTest, FontAndTextLimitReachTheWindow)
{
    HWND edit = CreateChildWindow(probe, "EDIT", WS_VISIBLE, 5, 0, 0, 80, 20);
    Control control(edit);
    control.SetDefaultFont();
    EXPECT_EQ(control.GetFont(), (HFONT)GetStockObject(DEFAULT_GUI_FONT));
    control.LimitText(4);
    EXPECT_EQ(SendMessageA(edit, EM_GETLIMITTEXT, 0, 0), 4);
    SendMessageA(edit, EM_REPLACESEL, FALSE, (LPARAM) "abcdefgh");
    EXPECT_EQ(control.Text().CStr(), std::string("abcd"));
}

// ---- message boxes and hot keys ----

TEST_F(ControlTest, QuestionsMapTheAnswers)
{
    Control control(probe);
    {
        DialogAnswer answer("Quit?", IDYES);
        EXPECT_EQ(control.AskYesNoCancel("Really quit?", "Quit?"), 0);
        ASSERT_TRUE(answer.Wait());
        EXPECT_EQ(answer.text, "Really quit?");
        EXPECT_EQ(answer.defaultButton, IDCANCEL);
    }
    {
        DialogAnswer answer("Quit?", IDNO);
        EXPECT_EQ(control.AskYesNoCancel("Really quit?", "Quit?"), 1);
        ASSERT_TRUE(answer.Wait());
    }
    {
        DialogAnswer answer("Save?", IDYES);
        EXPECT_TRUE(control.AskYesNo("Save it?", "Save?"));
        ASSERT_TRUE(answer.Wait());
        EXPECT_EQ(answer.defaultButton, IDNO);
        EXPECT_EQ(answer.owner, probe);
    }
    {
        DialogAnswer answer("Go?", IDCANCEL);
        EXPECT_FALSE(control.AskOkCancel("Go on?", "Go?"));
        ASSERT_TRUE(answer.Wait());
    }
}

TEST_F(ControlTest, HotKeyAnswersItsIdentifierOnceOnly)
{
    Control control(probe);
    const int hotKey = 0x1234;
    int first = control.AddHotKey(hotKey, VK_F9, MOD_CONTROL | MOD_ALT | MOD_SHIFT);
    if (first == -1)
        GTEST_SKIP() << "hot keys cannot be registered on this display";
    EXPECT_EQ(first, hotKey);
    EXPECT_EQ(control.AddHotKey(hotKey + 1, VK_F9, MOD_CONTROL | MOD_ALT | MOD_SHIFT), -1);
    UnregisterHotKey(probe, hotKey);
}

// ---- wrapper lifetime ----

TEST_F(DialogProcTest, DestroyedWrapperLeavesNoTraceForTheNextAtItsAddress)
{
    HWND other = CreateWindowExA(0, DialogClass, "other", WS_CHILD | WS_VISIBLE, 0, 100, 200, 90,
                                 probe, NULL, GetModuleHandleA(NULL), NULL);
    alignas(Control) unsigned char place[sizeof(Control)];
    Control* first = new (place) Control(dialog);
    first->SetDialogProcedure(HideOnCloseProc);
    first->~Control();
    EXPECT_EQ(ControlFromWindow(dialog), (Control*)NULL);

    // A new wrapper for another window at the same address: closing the
    // first window must not reach it.
    Control* second = new (place) Control(other);
    SendMessageA(dialog, WM_CLOSE, 0, 0);
    EXPECT_TRUE(WindowStyle(other) & WS_VISIBLE);
    second->~Control();
}

// Built and returned the way a form-making operation returns its form: two
// candidates, so the result is moved, not built in place.
Control RegisteredWrapper(HWND window, bool first)
{
    Control one(window), two(window);
    if (first) {
        one.SetDialogProcedure(HideOnCloseProc);
        return one;
    }
    two.SetDialogProcedure(HideOnCloseProc);
    return two;
}

TEST_F(DialogProcTest, MovesHandTheWordOnAndCopiesNeverTakeIt)
{
    Control form = RegisteredWrapper(dialog, false);
    EXPECT_EQ(ControlFromWindow(dialog), &form);
    {
        Control copy(form);
        Control assigned;
        assigned = form;
        EXPECT_EQ(ControlFromWindow(dialog), &form);
    }
    EXPECT_EQ(ControlFromWindow(dialog), &form);

    Control target;
    target = std::move(form);
    EXPECT_EQ(ControlFromWindow(dialog), &target);
    SendMessageA(dialog, WM_CLOSE, 0, 0);
    EXPECT_FALSE(WindowStyle(dialog) & WS_VISIBLE);

    // Assigned another window, the wrapper leaves its old one.
    target = Control(child);
    EXPECT_EQ(ControlFromWindow(dialog), (Control*)NULL);
}

// ---- tooltips belong to the window ----

struct ToolTipCount {
    HWND owner;
    int found;
};

BOOL CALLBACK CountToolTip(HWND window, LPARAM data)
{
    ToolTipCount* count = reinterpret_cast<ToolTipCount*>(data);
    if (GetWindow(window, GW_OWNER) == count->owner &&
        lstrcmpiA(WindowClass(window).c_str(), TOOLTIPS_CLASSA) == 0)
        ++count->found;
    return TRUE;
}

// The tooltip windows owned by the window.
int ToolTipsOwnedBy(HWND owner)
{
    ToolTipCount count = {owner, 0};
    EnumThreadWindows(GetCurrentThreadId(), CountToolTip, reinterpret_cast<LPARAM>(&count));
    return count.found;
}

TEST_F(ControlTest, CopiesAndTemporariesShareTheWindowsOneToolTip)
{
    Control original(child);
    original.ToolTip = "first";
    Control copy(original);
    copy.ToolTip = "second";
    EXPECT_EQ(original.ToolTip().CStr(), std::string("second"));
    EXPECT_EQ(original.tooltip, copy.tooltip);
    EXPECT_TRUE(IsWindow(original.tooltip));

    for (int round = 0; round < 20; ++round)
        Control(child).ToolTip = "from a temporary";
    EXPECT_EQ(ToolTipsOwnedBy(probe), 1);
    EXPECT_EQ(original.ToolTip().CStr(), std::string("from a temporary"));

    // The tooltip goes with its window.
    HWND tip = original.tooltip;
    DestroyWindow(child);
    EXPECT_FALSE(IsWindow(tip));
    EXPECT_EQ(ToolTipsOwnedBy(probe), 0);
}

// ---- geometry of top-level windows and owned pop-ups ----

TEST_F(ControlTest, TopLevelAndOwnedWindowsArePlacedOnTheScreen)
{
    HWND popup = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 300, 250, 120, 80, probe,
                                 NULL, GetModuleHandleA(NULL), NULL);
    ASSERT_NE(popup, (HWND)NULL);
    ASSERT_EQ(GetParent(popup), probe);  // GetParent answers the owner
    struct Case {
        const char* name;
        HWND window;
    };
    const Case cases[] = {{"owned pop-up", popup}, {"top-level", probe}};
    for (const Case& each : cases) {
        SCOPED_TRACE(each.name);
        MoveWindow(each.window, 300, 250, 120, 80, FALSE);
        Control control(each.window);
        EXPECT_EQ((int)control.Left, 300);
        EXPECT_EQ((int)control.Top, 250);
        control.Width = 150;
        control.Height = 90;
        control.Left = 310;
        control.Top = 260;
        RECT box = {0, 0, 0, 0};
        GetWindowRect(each.window, &box);
        EXPECT_EQ(box.left, 310);
        EXPECT_EQ(box.top, 260);
        EXPECT_EQ(box.right - box.left, 150);
        EXPECT_EQ(box.bottom - box.top, 90);

        RECT work = {0, 0, 0, 0};
        ASSERT_TRUE(SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0));
        control.Centre();
        GetWindowRect(each.window, &box);
        EXPECT_EQ(box.left, work.left + (work.right - work.left - 150) / 2);
        EXPECT_EQ(box.top, work.top + (work.bottom - work.top - 90) / 2);
        control.FitWidth();
        control.FitHeight();
        GetWindowRect(each.window, &box);
        EXPECT_EQ(box.left, work.left);
        EXPECT_EQ(box.right, work.right);
        EXPECT_EQ(box.top, work.top);
        EXPECT_EQ(box.bottom, work.bottom);
        control.Resize(100, 60, false);
        control.FillParent();
        GetWindowRect(each.window, &box);
        EXPECT_EQ(box.left, work.left);
        EXPECT_EQ(box.bottom, work.bottom);
    }
    DestroyWindow(popup);
}

// ---- a wrapper without a window ----

TEST_F(ControlTest, WithoutAWindowNothingHappensAndFailureIsReported)
{
    ShowWindow(probe, SW_SHOW);
    UpdateWindow(probe);
    PumpMessages();
    ValidateRect(probe, NULL);
    SetFocus(probe);
    SetCapture(child);

    Control empty;
    EXPECT_EQ((HDC)empty.DC, (HDC)NULL);
    EXPECT_EQ(empty.Refresh(), 0);
    empty.BackColor = RGB(1, 2, 3);
    EXPECT_FALSE(empty.HasBackColor());
    RECT dirty = {0, 0, 0, 0};
    EXPECT_FALSE(GetUpdateRect(probe, &dirty, FALSE));
    HBITMAP pixels = CreateBitmap(4, 4, 1, 32, NULL);
    Bitmap strip(pixels);
    EXPECT_FALSE(DrawBitmap(empty, strip, 0, 0));
    DeleteObject(pixels);

    EXPECT_EQ(empty.Focus(), (HWND)NULL);
    EXPECT_EQ(GetFocus(), probe);
    EXPECT_EQ(empty.CaptureMouse(), (HWND)NULL);
    EXPECT_FALSE(empty.ReleaseMouse());
    EXPECT_EQ(GetCapture(), child);
    ReleaseCapture();
    EXPECT_EQ(empty.AddHotKey(0x2345, VK_F8, MOD_CONTROL), -1);
    EXPECT_EQ(empty.Resize(50, 50, true), 0);
    empty.Transparency = 40;
    EXPECT_EQ((int)empty.Transparency, 100);
    empty.ToolTip = "nowhere";
    EXPECT_EQ(empty.tooltip, (HWND)NULL);
    EXPECT_EQ(ToolTipsOwnedBy(GetDesktopWindow()), 0);
    EXPECT_EQ(((RegionObject)empty.Region).region, (HRGN)NULL);
    empty.Centre();
    empty.FillParent();
    EXPECT_EQ((int)empty.Width, -1);
}

// Reading the shape of a window that has none hands nothing back and keeps
// nothing: the scratch region is deleted every time.
TEST_F(ControlTest, ReadingAMissingRegionKeepsNoScratchRegion)
{
    Control control(child);
    DWORD before = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    for (int round = 0; round < 1000; ++round) {
        RegionObject shape = control.Region;
        ASSERT_EQ(shape.region, (HRGN)NULL);
    }
    DWORD after = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    EXPECT_LE(after, before + 10);
}

}  // namespace
