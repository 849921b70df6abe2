// What controls draw, read back as pixels after a full repaint: a table row's
// check box apart from its icon, a calendar's days of the neighbouring months,
// tool bar pictures at the screen's DPI (this file also runs at 144 DPI) and a
// tool bar button drawn hot only while the pointer is over it.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <vector>

#include "message_log.h"
#include "window_pixels.h"
#include "wicker.h"

namespace {

class DrawingTest : public ::testing::Test {
protected:
    Form form;
    UINT dpi = 0;

    void SetUp() override
    {
        UseDpiScaling(true);
        dpi = WindowDpi(NULL);
        ASSERT_TRUE(form.Create("Drawing", 10, 10, 460, 340, kFormDialog));
        // The picture is read from the screen: nothing may cover the form.
        SetWindowPos(form.hwnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        PumpMessages(50);
    }
    void TearDown() override
    {
        form.Destroy();
        PumpMessages();
        UseDpiScaling(false);
    }
    int Scaled(int logical) const { return ScaleBetweenDpi(logical, kLogicalDpi, dpi); }
};

// The runs of columns holding pixels apart from the background, left to
// right, as [first, last] pairs.
std::vector<std::pair<int, int>> InkRuns(const PixelGrid& grid, COLORREF background)
{
    std::vector<std::pair<int, int>> runs;
    for (int x = 0; x < grid.width; ++x) {
        bool ink = false;
        for (int y = 0; y < grid.height && !ink; ++y)
            ink = ColourDistance(grid.At(x, y), background) > 40;
        if (!ink)
            continue;
        if (!runs.empty() && runs.back().second == x - 1)
            runs.back().second = x;
        else
            runs.push_back({x, x});
    }
    return runs;
}

TEST_F(DrawingTest, TableRowCheckBoxStandsApartFromTheRowIcon)
{
    TableView table("", 1, 10, 10, 300, 120, form);
    table.Checkboxes = true;
    table.AddColumn("Name", 150);
    ImageList pictures;
    int icon = pictures.AddIconHandle(LoadIconA(NULL, IDI_INFORMATION));
    table.SetImageList(pictures);
    table.AddRow("first", icon).Check();
    table.AddRow("second", icon);

    RECT bounds = {LVIR_BOUNDS, 0, 0, 0}, image = {LVIR_ICON, 0, 0, 0};
    ASSERT_TRUE(SendMessageA(table.hwnd, LVM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&bounds)));
    ASSERT_TRUE(SendMessageA(table.hwnd, LVM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&image)));
    // The row from its left end to the end of its icon, without the grid
    // lines above and below.
    RECT area = {bounds.left, bounds.top + 1, image.right, bounds.bottom - 1};
    PixelGrid row = RepaintedPixels(table.hwnd, area);
    COLORREF background = static_cast<COLORREF>(SendMessageA(table.hwnd, LVM_GETBKCOLOR, 0, 0));
    std::vector<std::pair<int, int>> runs = InkRuns(row, background);
    // The box's frame, then the icon.
    ASSERT_GE(runs.size(), 2u) << "the box and the icon are drawn as one";
    int gap = runs.back().first - runs[runs.size() - 2].second - 1;
    EXPECT_GE(gap, Scaled(2)) << "the box ends at " << runs[runs.size() - 2].second
                              << ", the icon starts at " << runs.back().first;
    // The icon is whole: as wide as the list's icons, give or take its rim.
    EXPECT_GE(runs.back().second - runs.back().first + 1, static_cast<int>(pictures.IconWidth) - 3);

    // Without check boxes and back: the table draws again as before.
    table.Checkboxes = false;
    table.Checkboxes = true;
    EXPECT_TRUE(static_cast<bool>(table.Checkboxes));
    EXPECT_EQ(InkRuns(RepaintedPixels(table.hwnd, area), background).size(), runs.size());
}

TEST_F(DrawingTest, CalendarShowsTheNeighbouringMonthsDaysInTheirOwnColour)
{
    const COLORREF kTrailing = RGB(200, 0, 120);
    MonthCalendar calendar("", 2, 10, 10, 230, 180, form);
    calendar.MonthBackColor = RGB(255, 255, 240);
    calendar.SetDate(2026, 3, 1);
    RECT client;
    GetClientRect(calendar.hwnd, &client);
    auto trailingPixels = [&] {
        PixelGrid grid = RepaintedPixels(calendar.hwnd, client);
        int count = 0;
        for (COLORREF colour : grid.colours)
            count += ColourDistance(colour, kTrailing) <= 40 ? 1 : 0;
        return count;
    };
    // The month's background hides those days until they are given a colour.
    EXPECT_EQ(trailingPixels(), 0);
    calendar.TrailingTextColor = kTrailing;
    // March 2026 starts on a Sunday and ends on a Tuesday: a week of February
    // and more of April show, each digit some dozens of pixels.
    EXPECT_GT(trailingPixels(), 100);
}

TEST_F(DrawingTest, ToolBarPicturesComeAtTheScreenDpi)
{
    ToolBar bar(3, form);
    ImageList pictures;
    pictures.AddIconHandle(LoadIconA(NULL, IDI_INFORMATION));
    bar.SetImageList(pictures);
    bar.AddButton("", 0, 301);
    int expected = dpi >= 144 ? 24 : 16;
    EXPECT_GE(static_cast<int>(pictures.IconWidth), expected);

    RECT button;
    ASSERT_TRUE(SendMessageA(bar.hwnd, TB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&button)));
    // Inside the button's frame.
    InflateRect(&button, -2, -2);
    PixelGrid grid = RepaintedPixels(bar.hwnd, button);
    ASSERT_GT(grid.width, 0);
    // The round picture leaves a rim of its square clear.
    RECT picture = grid.BoundsOfDiffering(grid.At(0, 0), 40);
    EXPECT_GE(picture.right - picture.left, expected * 7 / 8) << "the picture is drawn small";
    EXPECT_GE(picture.bottom - picture.top, expected * 7 / 8) << "the picture is drawn small";
}

TEST_F(DrawingTest, ToolBarButtonIsHotOnlyWhileThePointerIsOverIt)
{
    // The pointer is far from the bar.
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 5, GetSystemMetrics(SM_CYSCREEN) - 5);
    Form window;
    ASSERT_TRUE(window.Create("Bar first", 30, 30, 300, 200, kFormDialog, true, false));
    ToolBar bar(4, window);
    bar.ShowText(true);
    bar.AddButton("Open", I_IMAGENONE, 401);
    bar.AddButton("Save", I_IMAGENONE, 402);
    TextBox text("", 5, 10, 80, 150, 24, window);
    window.Show();
    SetForegroundWindow(window.hwnd);

    // The bar is the first tab stop, where the dialog manager puts the
    // focus; the form's first focus passes it by to the text box, and no
    // button stays hot.
    for (int i = 0; i < 20 && GetFocus() != text.hwnd; ++i)
        PumpMessages(25);
    EXPECT_EQ(GetFocus(), text.hwnd);
    EXPECT_EQ(SendMessageA(bar.hwnd, TB_GETHOTITEM, 0, 0), -1);
    ASSERT_TRUE(FocusFirstTabStop(window.hwnd));
    EXPECT_EQ(GetFocus(), text.hwnd);

    // The bar's own focus (the tab order's) may make a button hot; losing
    // the focus ends it.
    SetFocus(bar.hwnd);
    SendMessageA(bar.hwnd, TB_SETHOTITEM, 0, 0);
    SetFocus(text.hwnd);
    PumpMessages();
    EXPECT_EQ(SendMessageA(bar.hwnd, TB_GETHOTITEM, 0, 0), -1);

    // A click that came back (after a modal window, say) with the pointer
    // elsewhere leaves no button hot.
    SendMessageA(bar.hwnd, TB_SETHOTITEM, 1, 0);
    RECT button;
    ASSERT_TRUE(SendMessageA(bar.hwnd, TB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&button)));
    LPARAM at = MAKELPARAM((button.left + button.right) / 2, (button.top + button.bottom) / 2);
    SendMessageA(bar.hwnd, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(bar.hwnd, WM_LBUTTONUP, 0, at);
    PumpMessages();
    EXPECT_EQ(SendMessageA(bar.hwnd, TB_GETHOTITEM, 0, 0), -1);
    window.Destroy();
}

TEST_F(DrawingTest, RaisedStatusPartsAreDrawnRaised)
{
    StatusBar status("flat;raised;flat too", 6, form, 3);
    status.SetRaised(1, true);
    RECT client;
    GetClientRect(status.hwnd, &client);
    PixelGrid bar = RepaintedPixels(status.hwnd, client);
    ASSERT_GT(bar.width, 0);
    const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT);
    const COLORREF dark = GetSysColor(COLOR_BTNSHADOW);
    for (int part = 0; part < 2; ++part) {
        SCOPED_TRACE(part);
        RECT place;
        ASSERT_TRUE(SendMessageA(status.hwnd, SB_GETRECT, part, reinterpret_cast<LPARAM>(&place)));
        int middle = (place.left + place.right) / 2;
        bool raised = ColourDistance(bar.At(middle, place.top), light) <= 8 &&
                      ColourDistance(bar.At(middle, place.bottom - 1), dark) <= 8;
        EXPECT_EQ(raised, part == 1);
    }
}

TEST_F(DrawingTest, ToolBarInACoolBarBandSitsInTheMiddleOfItsRow)
{
    CoolBar cool(7, form);
    ToolBar tools(8, cool);
    tools.ShowText(true);
    tools.AddButton("New", I_IMAGENONE, 801);
    cool.AddBand("File", tools);
    ComboBox zoom("", 9, 0, 0, 90, 150, cool, true, true, false, true);
    zoom.Add("100%");
    cool.AddBand("Zoom", zoom);
    PumpMessages();
    RECT bar, box;
    GetWindowRect(tools.hwnd, &bar);
    GetWindowRect(zoom.hwnd, &box);
    ASSERT_LT(bar.bottom - bar.top, box.bottom - box.top) << "the row is no taller than the bar";
    EXPECT_NEAR((bar.top + bar.bottom) / 2, (box.top + box.bottom) / 2, 1);
}

TEST_F(DrawingTest, SpinBoxArrowsTakeTheirWidthAtTheScreenDpiInsideTheBox)
{
    spinBox count("3", 10, 20, 20, 100, 24, form);
    RECT text, arrows, given = {20, 20, 120, 44};
    GetWindowRect(count.hwnd, &text);
    GetWindowRect(count.upDown, &arrows);
    MapWindowPoints(NULL, form.hwnd, reinterpret_cast<POINT*>(&text), 2);
    MapWindowPoints(NULL, form.hwnd, reinterpret_cast<POINT*>(&arrows), 2);
    EXPECT_EQ(arrows.right - arrows.left, Scaled(kSpinArrowsWidth));
    // Together they fill the width given, the arrows at its right end.
    EXPECT_EQ(text.left, Scaled(given.left));
    EXPECT_NEAR(arrows.right, Scaled(given.right), 2);
    EXPECT_LE(text.right, arrows.left + 2) << "the arrows cover the box";
}

TEST_F(DrawingTest, SingleLineBoxesShowTheirTextInTheMiddleOfTheirHeight)
{
    TextBox tall("Hg", 11, 20, 20, 160, 40, form);
    TextBox usual("Hg", 12, 20, 80, 160, 22, form);
    for (HWND box : {tall.hwnd, usual.hwnd}) {
        SCOPED_TRACE(box == tall.hwnd ? "tall box" : "usual box");
        RECT outer;
        GetWindowRect(box, &outer);
        // Read from the screen, bands and border included, inside the border.
        RECT inside = outer;
        InflateRect(&inside, -4, -4);
        PixelGrid grid = RepaintedPixels(GetDesktopWindow(), inside);
        ASSERT_GT(grid.width, 0);
        RECT ink = grid.BoundsOfDiffering(RGB(255, 255, 255), 96);
        ASSERT_FALSE(IsRectEmpty(&ink)) << "no text to be seen";
        int textMiddle = inside.top + (ink.top + ink.bottom) / 2;
        int boxMiddle = (outer.top + outer.bottom) / 2;
        EXPECT_NEAR(textMiddle, boxMiddle, Scaled(2));
    }
    // The text still takes the caret where the band is clicked.
    RECT outer;
    GetWindowRect(tall.hwnd, &outer);
    POINT band = {outer.left + 10, outer.top + 4};
    EXPECT_EQ(SendMessageA(tall.hwnd, WM_NCHITTEST, 0, MAKELPARAM(band.x, band.y)), HTCLIENT);
}

}  // namespace
