// The basic control family on a probe parent: what each member's window is
// made of, the members' own properties, and what reaches the parent.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <utility>

#include "picture_test_resources.h"
#include "probe_parent.h"
#include "wicker.h"
#include "window_attributes.h"

namespace {

const int MemberId = 301;

class BasicControlTest : public ProbeParentTest {};

IconObject SunIcon()
{
    return IconObject(LoadIconA(GetModuleHandleA(NULL), MAKEINTRESOURCEA(PICTURE_SUN_ICON)));
}

// One member created on the parent at 10, 20, 120 x 40: the window it made,
// which outlives the wrapper.
struct MemberCase {
    const char* name;
    HWND (*create)(const Control& parent);
    const char* className;
    DWORD style;
    DWORD exStyle;
    // Null where the window text names a picture resource rather than showing.
    const char* text;
    // The class keeps the font it is given (WM_GETFONT answers it).
    bool keepsFont;
};

const MemberCase Members[] = {
    {"Button", [](const Control& p) { return Button("Go", MemberId, 10, 20, 120, 40, p).hwnd; },
     "Button", 0x50012000, 0, "Go", true},
    {"default Button",
     [](const Control& p) {
         return Button("OK", MemberId, 10, 20, 120, 40, p, true, false, false, true).hwnd;
     },
     "Button", 0x40012001, 0, "OK", true},
    {"default image Button",
     [](const Control& p) {
         return Button("Sun", MemberId, 10, 20, 120, 40, p, true, false, false, true,
                       WS_EX_STATICEDGE, true, SunIcon())
             .hwnd;
     },
     "Button", 0x40012041, WS_EX_STATICEDGE, "Sun", true},
    {"TextBox",
     [](const Control& p) {
         return TextBox("typed", MemberId, 10, 20, 120, 40, p, true, true, false, false,
                        WS_EX_CLIENTEDGE)
             .hwnd;
     },
     "Edit", 0x50010000, WS_EX_CLIENTEDGE, "typed", true},
    {"multi-line TextBox",
     [](const Control& p) {
         return TextBox("a\r\nb", MemberId, 10, 20, 120, 40, p, true, false, false, true).hwnd;
     },
     "Edit", 0x403100C4, 0, "a\r\nb", true},
    {"PasswordBox",
     [](const Control& p) { return PasswordBox("secret", MemberId, 10, 20, 120, 40, p).hwnd; },
     "Edit", 0x50010020, 0, "secret", true},
    {"multi-line PasswordBox",
     [](const Control& p) {
         return PasswordBox("secret", MemberId, 10, 20, 120, 40, p, true, false, false, true).hwnd;
     },
     "Edit", 0x403100E4, 0, "secret", true},
    {"ReadOnlyBox",
     [](const Control& p) { return ReadOnlyBox("fixed", MemberId, 10, 20, 120, 40, p).hwnd; },
     "Edit", 0x50010800, 0, "fixed", true},
    {"multi-line ReadOnlyBox",
     [](const Control& p) {
         return ReadOnlyBox("fixed", MemberId, 10, 20, 120, 40, p, true, false, false, true).hwnd;
     },
     "Edit", 0x403108C4, 0, "fixed", true},
    {"spinBox", [](const Control& p) { return spinBox("12", MemberId, 10, 20, 120, 40, p).hwnd; },
     "Edit", 0x50012000, 0, "12", true},
    {"Label",
     [](const Control& p) {
         Label label;
         label.Create("Name:", MemberId, 10, 20, 120, 40, p);
         return label.hwnd;
     },
     "Static", 0x50002000, 0, "Name:", true},
    {"disabled Label",
     [](const Control& p) {
         return Label("Off", MemberId, 10, 20, 120, 40, p, false, false).hwnd;
     },
     "Static", 0x48002000, 0, "Off", true},
    {"IconBox",
     [](const Control& p) { return IconBox("", MemberId, 10, 20, 120, 40, p, SunIcon()).hwnd; },
     "Static", 0x50010103, 0, nullptr, false},
    {"BmpBox",
     [](const Control& p) {
         return BmpBox("", MemberId, 10, 20, 120, 40, p, Bitmap(PICTURE_TILE_BITMAP)).hwnd;
     },
     "Static", 0x50010B0E, 0, nullptr, false},
    {"CheckBox",
     [](const Control& p) { return CheckBox("Sound", MemberId, 10, 20, 120, 40, p, true).hwnd; },
     "Button", 0x50012003, 0, "Sound", true},
    {"GroupBox",
     [](const Control& p) { return GroupBox("Section", MemberId, 10, 20, 120, 40, p).hwnd; },
     "Button", 0x50030007, WS_EX_TRANSPARENT, "Section", true},
    {"hidden GroupBox",
     [](const Control& p) {
         return GroupBox("Section", MemberId, 10, 20, 120, 40, p, true, false).hwnd;
     },
     "Button", 0x40030007, WS_EX_TRANSPARENT, "Section", true},
    {"VisibleGroupBox",
     [](const Control& p) {
         return VisibleGroupBox("Always", MemberId, 10, 20, 120, 40, p, true, false).hwnd;
     },
     "Button", 0x50030007, WS_EX_TRANSPARENT, "Always", true},
    {"FrameBox",
     [](const Control& p) { return FrameBox("Frame", MemberId, 10, 20, 120, 40, p).hwnd; },
     "Button", 0x50010007, WS_EX_TRANSPARENT, "Frame", true},
    {"RadioButton",
     [](const Control& p) { return RadioButton("One", MemberId, 10, 20, 120, 40, p).hwnd; },
     "Button", 0x50012009, 0, "One", true},
    {"horizontal ScrollBar",
     [](const Control& p) { return ScrollBar(MemberId, 10, 20, 120, 40, p, 1).hwnd; },
     "ScrollBar", 0x50010000, 0, "", false},
    {"ScrollBar of orientation 0",
     [](const Control& p) { return ScrollBar(MemberId, 10, 20, 120, 40, p, 0).hwnd; },
     "ScrollBar", 0x50010000 | SBS_VERT, 0, "", false},
    {"ScrollBar of orientation 2",
     [](const Control& p) { return ScrollBar(MemberId, 10, 20, 120, 40, p, 2, true, false).hwnd; },
     "ScrollBar", 0x40010000 | SBS_VERT, 0, "", false},
    {"Guage", [](const Control& p) { return Guage(MemberId, 10, 20, 120, 40, p).hwnd; },
     "msctls_progress32", 0x50000000, 0, "Guage", false},
    {"vertical smooth Guage",
     [](const Control& p) {
         return Guage(MemberId, 10, 20, 120, 40, p, false, true, true, false, true).hwnd;
     },
     "msctls_progress32", 0x50000005, 0, "Guage", false},
    {"Track", [](const Control& p) { return Track(MemberId, 10, 20, 120, 40, p).hwnd; },
     "msctls_trackbar32", 0x50010001, 0, "Track", false},
    {"vertical Track",
     [](const Control& p) {
         return Track(MemberId, 10, 20, 120, 40, p, true, true, false, true).hwnd;
     },
     "msctls_trackbar32", 0x50010003, 0, "Track", false},
};

TEST_F(BasicControlTest, EveryMemberMakesItsWindowWithItsClassStylesAndText)
{
    for (const MemberCase& member : Members) {
        SCOPED_TRACE(member.name);
        HWND window = member.create(parentControl);
        ASSERT_NE(window, (HWND)NULL);
        EXPECT_EQ(GetParent(window), probe);
        EXPECT_EQ(GetDlgCtrlID(window), MemberId);
        EXPECT_STRCASEEQ(WindowClass(window).c_str(), member.className);
        EXPECT_EQ(WindowStyle(window), member.style);
        EXPECT_EQ(WindowExStyle(window), member.exStyle);
        if (member.text != nullptr) {
            EXPECT_EQ(WindowText(window), member.text);
        }
        if (member.keepsFont) {
            EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0)),
                      static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
        }
        RECT place = RectInParent(window);
        EXPECT_EQ(place.left, 10);
        EXPECT_EQ(place.top, 20);
        DestroyWindow(window);
    }
}

TEST_F(BasicControlTest, MembersBuiltWithoutArgumentsHaveNoWindowAndNoParent)
{
    Button button;
    TextBox box;
    spinBox spin;
    Guage guage;
    EXPECT_EQ(button.hwnd, (HWND)NULL);
    EXPECT_EQ(button.parent, (HWND)NULL);
    EXPECT_EQ(box.parent, (HWND)NULL);
    EXPECT_EQ(spin.upDown, (HWND)NULL);
    EXPECT_EQ(spin.decimals, 2);
    EXPECT_EQ((int)guage.Position, 0);
    EXPECT_EQ((int)box.LineCount, 0);
}

TEST_F(BasicControlTest, CentredDisabledButtonSitsInTheMiddleOfItsParent)
{
    Button button("Mid", MemberId, 0, 0, 100, 30, parentControl, false, true, true);
    SIZE client = ClientSize(probe);
    RECT place = RectInParent(button.hwnd);
    EXPECT_EQ(place.left, (client.cx - 100) / 2);
    EXPECT_EQ(place.top, (client.cy - 30) / 2);
    EXPECT_FALSE(IsWindowEnabled(button.hwnd));
    EXPECT_EQ(button.id, MemberId);
    EXPECT_EQ(button.parent, probe);
}

TEST_F(BasicControlTest, ClickPostedToAButtonReachesTheParentAsBnClicked)
{
    ShowWindow(probe, SW_SHOW);
    Button button("Click", MemberId, 10, 10, 80, 30, parentControl);
    PumpMessages();
    ClearMessageLog();
    PostMessageA(button.hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    PostMessageA(button.hwnd, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    PumpMessages(50);
    std::vector<LoggedMessage> commands = LoggedMessages(WM_COMMAND);
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(commands[0].window, probe);
    EXPECT_EQ(commands[0].wParam, MAKEWPARAM(MemberId, BN_CLICKED));
    EXPECT_EQ(commands[0].lParam, reinterpret_cast<LPARAM>(button.hwnd));
}

// The user-data word names the live wrapper of a button, never a dead one.
TEST_F(BasicControlTest, ButtonWrapperIsFoundFromItsWindowWhileItLives)
{
    HWND window;
    {
        Button first("Go", MemberId, 10, 10, 80, 30, parentControl);
        window = first.hwnd;
        EXPECT_EQ(ControlFromWindow(window), &first);
        Button copy = first;
        EXPECT_EQ(ControlFromWindow(window), &first);
        Button moved = std::move(first);
        EXPECT_EQ(ControlFromWindow(window), &moved);
        copy.Text = "Stop";
        EXPECT_EQ(WindowText(window), "Stop");
    }
    EXPECT_TRUE(IsWindow(window));
    EXPECT_EQ(ControlFromWindow(window), nullptr);
}

TEST_F(BasicControlTest, CheckedIsTrueOnlyForACheckedBox)
{
    CheckBox box("Sound", MemberId, 10, 10, 100, 20, parentControl);
    EXPECT_FALSE(box.Checked);
    box.Checked = true;
    EXPECT_EQ(SendMessageA(box.hwnd, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_TRUE(box.Checked);
    // A copy's property reads its own window after the source is gone.
    CheckBox* source = new CheckBox(box);
    CheckBox copy = *source;
    delete source;
    EXPECT_TRUE(copy.Checked);
    copy.Checked = false;
    EXPECT_FALSE(box.Checked);

    // Only a three-state box holds the indeterminate state, which reads false.
    box.SetStyle((box.GetStyle() & ~BS_TYPEMASK) | BS_AUTO3STATE);
    SendMessageA(box.hwnd, BM_SETCHECK, BST_INDETERMINATE, 0);
    ASSERT_EQ(SendMessageA(box.hwnd, BM_GETCHECK, 0, 0), BST_INDETERMINATE);
    EXPECT_FALSE(box.Checked);

    RadioButton radio("One", MemberId, 10, 40, 100, 20, parentControl);
    radio.Checked = true;
    EXPECT_TRUE(radio.Checked);
    radio.Checked = false;
    EXPECT_EQ(SendMessageA(radio.hwnd, BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

TEST_F(BasicControlTest, TextBoxLineOperationsAnswerWithTheMessageResults)
{
    TextBox box("one\r\ntwo", MemberId, 10, 10, 200, 80, parentControl, true, true, false, true);
    EXPECT_EQ((int)box.LineCount, 2);
    EXPECT_EQ(box.LineIndex(1), 5);
    EXPECT_EQ(box.LineFromChar(6), 1);
    EXPECT_EQ(box.LineLength(5), 3);
    box.SetSelection(0, 3);
    box.ReplaceSelection("ONE");
    EXPECT_EQ(WindowText(box.hwnd), "ONE\r\ntwo");
    // No text limit: far more than the default 30,000 characters can be typed in.
    std::string longText(40000, 'x');
    box.Text = "";
    box.ReplaceSelection(longText.c_str());
    EXPECT_EQ((int)box.TextLength, 40000);
}

TEST_F(BasicControlTest, GuageClampsItsPositionToItsRange)
{
    Guage guage(MemberId, 10, 10, 200, 20, parentControl);
    const struct {
        int written;
        int shown;
    } cases[] = {{150, 100}, {-5, 0}, {40, 40}, {100, 100}};
    for (const auto& c : cases) {
        guage.Position = c.written;
        EXPECT_EQ((int)guage.Position, c.shown) << c.written;
        EXPECT_EQ(guage.position, c.shown);
        EXPECT_EQ(SendMessageA(guage.hwnd, PBM_GETPOS, 0, 0), c.shown) << c.written;
    }
}

TEST_F(BasicControlTest, TrackPositionSendsTheParentOneThumbTrackScroll)
{
    for (bool vertical : {false, true}) {
        SCOPED_TRACE(vertical ? "vertical" : "horizontal");
        Track track(MemberId, 10, 10, 200, 40, parentControl, true, true, false, vertical, 0, 0, 50);
        track.Position = 20;
        ClearMessageLog();
        track.Position = -3;
        EXPECT_EQ((int)track.Position, 0);
        EXPECT_EQ(track.position, 0);
        std::vector<LoggedMessage> scrolls = LoggedMessages(WM_HSCROLL);
        ASSERT_EQ(scrolls.size(), 1u);
        EXPECT_EQ(scrolls[0].wParam, (WPARAM)TB_THUMBTRACK);
        EXPECT_EQ(scrolls[0].lParam, reinterpret_cast<LPARAM>(track.hwnd));
        EXPECT_TRUE(LoggedMessages(WM_VSCROLL).empty());
        EXPECT_EQ((int)track.Minimum, 0);
        EXPECT_EQ((int)track.Maximum, 50);
        track.Range = 80;
        EXPECT_EQ((int)track.Maximum, 80);
        track.Minimum = 10;
        track.Maximum = 30;
        EXPECT_EQ(SendMessageA(track.hwnd, TBM_GETRANGEMIN, 0, 0), 10);
        EXPECT_EQ(SendMessageA(track.hwnd, TBM_GETRANGEMAX, 0, 0), 30);
        DestroyWindow(track.hwnd);
    }
}

TEST_F(BasicControlTest, ScrollBarPositionAndRangeReadBackWhatWasWritten)
{
    ScrollBar bar(MemberId, 10, 10, 200, 20, parentControl, 1, true, true, false, 0, 5, 60);
    EXPECT_EQ((int)bar.Minimum, 5);
    EXPECT_EQ((int)bar.Maximum, 60);
    bar.Position = 30;
    EXPECT_EQ((int)bar.Position, 30);
    EXPECT_EQ(GetScrollPos(bar.hwnd, SB_CTL), 30);
    bar.Minimum = 20;
    bar.Maximum = 40;
    int minimum = 0;
    int maximum = 0;
    GetScrollRange(bar.hwnd, SB_CTL, &minimum, &maximum);
    EXPECT_EQ(minimum, 20);
    EXPECT_EQ(maximum, 40);
}

TEST_F(BasicControlTest, SpinBoxShowsTwoDecimalsAndReadsNonNumbersAsZero)
{
    spinBox spin("7", MemberId, 10, 10, 120, 24, parentControl);
    EXPECT_DOUBLE_EQ((double)spin.Value, 7.0);
    spin.Value = 3.14159;
    EXPECT_EQ(WindowText(spin.hwnd), "3.14");
    EXPECT_DOUBLE_EQ((double)spin.Value, 3.14);
    spin.decimals = 0;
    spin.Value = 2.5;
    EXPECT_EQ(WindowText(spin.hwnd), "2") << "with no decimals";
    spin.Text = "abc";
    EXPECT_DOUBLE_EQ((double)spin.Value, 0.0);
}

TEST_F(BasicControlTest, SpinBoxArrowsSitAtTheRightEdgeAndGoWithTheBox)
{
    spinBox spin("1", MemberId, 10, 10, 120, 24, parentControl);
    ASSERT_NE(spin.upDown, (HWND)NULL);
    EXPECT_STRCASEEQ(WindowClass(spin.upDown).c_str(), "msctls_updown32");
    EXPECT_EQ(reinterpret_cast<HWND>(SendMessageA(spin.upDown, UDM_GETBUDDY, 0, 0)), spin.hwnd);
    EXPECT_EQ(WindowStyle(spin.upDown) & ~WS_VISIBLE & ~WS_DISABLED & 0xFFFF0000u, 0x40000000u);
    EXPECT_NE(WindowStyle(spin.upDown) & WS_VISIBLE, 0u);
    RECT box = RectInParent(spin.hwnd);
    RECT arrows = RectInParent(spin.upDown);
    EXPECT_EQ(box.left, 10);
    // Inside the width given, at its right edge (the up-down control keeps a
    // pixel or two of the buddy's border), and the box ends where they start.
    EXPECT_LE(arrows.right, 130);
    EXPECT_GE(arrows.right, 126);
    EXPECT_LE(box.right, arrows.left + 2);
    spin.HideArrows();
    EXPECT_EQ(WindowStyle(spin.upDown) & WS_VISIBLE, 0u);

    spinBox hidden("1", MemberId, 10, 50, 120, 24, parentControl, true, false);
    EXPECT_EQ(WindowStyle(hidden.upDown) & WS_VISIBLE, 0u);
}

// ---- what the controls paint ----

TEST_F(BasicControlTest, GroupBoxesOnAParentThatClipsItsChildrenArePaintedInside)
{
    parentControl.ClipChildren = true;
    ShowWindow(probe, SW_SHOW);
    GroupBox group("Group", 0, 10, 10, 150, 100, parentControl);
    FrameBox frame("Frame", 0, 170, 10, 150, 100, parentControl);
    PumpMessages(50);
    // Something dark inside the frames, then a full repaint.
    for (HWND box : {group.hwnd, frame.hwnd}) {
        HDC dc = GetDC(box);
        RECT inside = {0, 0, 150, 100};
        FillRect(dc, &inside, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        ReleaseDC(box, dc);
    }
    COLORREF background = GetSysColor(COLOR_WINDOW);
    EXPECT_EQ(RepaintedPixel(probe, 80, 60), background);
    EXPECT_EQ(RepaintedPixel(probe, 240, 60), background);
}

// An icon of the caller's own, destroyed by its last holder.
IconObject OwnSunIcon()
{
    HICON icon = CopyIcon(LoadIconA(GetModuleHandleA(NULL), MAKEINTRESOURCEA(PICTURE_SUN_ICON)));
    return IconObject(icon, kOwnHandle);
}

TEST_F(BasicControlTest, PicturesStayPaintedAfterTheirHoldersDestroyThem)
{
    ShowWindow(probe, SW_SHOW);
    IconObject icon = OwnSunIcon();
    IconBox iconBox("", MemberId, 0, 0, 32, 32, parentControl, icon);
    Button button("", MemberId, 40, 0, 48, 48, parentControl, true, true, false, false, 0, true, icon);
    Bitmap tile(PICTURE_TILE_BITMAP);
    BmpBox bmpBox("", MemberId, 100, 0, 16, 16, parentControl, tile);

    COLORREF iconCentre = RepaintedPixel(iconBox.hwnd, 16, 16);
    COLORREF buttonCentre = RepaintedPixel(button.hwnd, 24, 24);
    COLORREF tileCorner = RepaintedPixel(bmpBox.hwnd, 3, 3);
    ASSERT_NE(iconCentre, GetSysColor(COLOR_BTNFACE));
    ASSERT_NE(tileCorner, GetSysColor(COLOR_BTNFACE));

    HICON given = icon.icon;
    EXPECT_TRUE(icon.Destroy());
    EXPECT_TRUE(tile.Destroy());
    ICONINFO parts;
    EXPECT_FALSE(GetIconInfo(given, &parts));
    EXPECT_EQ(RepaintedPixel(iconBox.hwnd, 16, 16), iconCentre);
    EXPECT_EQ(RepaintedPixel(button.hwnd, 24, 24), buttonCentre);
    EXPECT_EQ(RepaintedPixel(bmpBox.hwnd, 3, 3), tileCorner);

    // The window's own copy goes when another picture replaces it.
    HICON shown = reinterpret_cast<HICON>(SendMessageA(iconBox.hwnd, STM_GETICON, 0, 0));
    ASSERT_NE(shown, given);
    iconBox.SetIcon(SunIcon());
    EXPECT_FALSE(GetIconInfo(shown, &parts));
}

TEST_F(BasicControlTest, ButtonShowsTheProgramsIconResource)
{
    Button button("", MemberId, 0, 0, 48, 48, parentControl, true, true, false, false, 0, true);
    EXPECT_TRUE(button.SetIconResource(PICTURE_SUN_ICON));
    EXPECT_NE(SendMessageA(button.hwnd, BM_GETIMAGE, IMAGE_ICON, 0), 0);
    EXPECT_FALSE(button.SetIconResource(1));
}

}  // namespace
