// Forms and controls made at logical sizes with DPI scaling on, read back
// from the windows: places, sizes and fonts at the prefix's DPI (96, and 144
// in the high-DPI run of these tests), then after WM_DPICHANGED messages sent
// to the form, and the GDI objects that costs.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <vector>

#include "gdi_objects.h"
#include "message_log.h"
#include "wicker.h"

namespace {

// The height of Wine's DEFAULT_GUI_FONT at 96 DPI.
const int kGuiFontHeightAt96 = -11;

int FontHeight(HWND window)
{
    HFONT font = reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0));
    LOGFONTA face = {};
    if (font == NULL || GetObjectA(font, sizeof face, &face) != sizeof face)
        return 0;
    return face.lfHeight;
}

int ColumnWidth(HWND table, int column)
{
    return static_cast<int>(SendMessageA(table, LVM_GETCOLUMNWIDTH, column, 0));
}

RECT Scaled(const RECT& place, UINT from, UINT to)
{
    int left = ScaleBetweenDpi(place.left, from, to);
    int top = ScaleBetweenDpi(place.top, from, to);
    return RECT{left, top, left + ScaleBetweenDpi(place.right - place.left, from, to),
                top + ScaleBetweenDpi(place.bottom - place.top, from, to)};
}

void ExpectRect(const RECT& expected, const RECT& actual, const char* what)
{
    EXPECT_EQ(expected.left, actual.left) << what;
    EXPECT_EQ(expected.top, actual.top) << what;
    EXPECT_EQ(expected.right, actual.right) << what;
    EXPECT_EQ(expected.bottom, actual.bottom) << what;
}

// One window of the test form, with the logical place it was made at.
struct Made {
    const char* what;
    HWND window;
    RECT logical;
};

// A form holding a button, a text box, a check box, a rich text box, a
// two-column table, a label with a font of the program's own, and a child
// form with a button on it.
class DpiScalingTest : public ::testing::Test {
protected:
    UINT dpi = 0;
    Form form;
    Form inner;
    std::vector<Made> made;
    HFONT programFont = NULL;
    HWND table = NULL;
    HWND label = NULL;

    void SetUp() override
    {
        dpi = WindowDpi(NULL);
        // The high-DPI run says which DPI its prefix gives the screen.
        const char* screenDpi = getenv("TUCKLE_SCREEN_DPI");
        if (screenDpi != NULL) {
            ASSERT_EQ(static_cast<UINT>(atoi(screenDpi)), dpi);
        }
    }
    void TearDown() override
    {
        form.Destroy();
        PumpMessages();
        DeleteObject(programFont);
        UseDpiScaling(false);
    }

    void Build(bool scaling)
    {
        UseDpiScaling(scaling);
        ASSERT_TRUE(form.Create("DPI", 20, 20, 420, 300, kFormDialog, true, false));
        Button button("OK", 1, 10, 10, 80, 24, form);
        button.SetAnchor(Anchor::Right | Anchor::Bottom);
        TextBox text("text", 2, 10, 40, 120, 22, form);
        CheckBox check("check", 3, 10, 70, 100, 20, form, false);
        RichTextBox rich("rich", 4, 140, 10, 100, 60, form, true, true, false, 0, 0);
        TableView tableView("", 5, 140, 80, 150, 90, form);
        tableView.AddColumn("one", 50);
        tableView.AddColumn("two", 70);
        Label caption("label", 6, 10, 100, 100, 30, form);
        inner.Create("inner", 300, 10, 100, 80, kFormPopup, true, true, false, false, false, form,
                     true);
        Button innerButton("in", 7, 5, 5, 60, 20, inner);
        programFont = CreateFontA(-20, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0,
                                  "Arial");
        caption.SetFont(programFont);
        table = tableView.hwnd;
        label = caption.hwnd;
        made = {{"button", button.hwnd, {10, 10, 90, 34}},
                {"text box", text.hwnd, {10, 40, 130, 62}},
                {"check box", check.hwnd, {10, 70, 110, 90}},
                {"rich text box", rich.hwnd, {140, 10, 240, 70}},
                {"table", table, {140, 80, 290, 170}},
                {"label", label, {10, 100, 110, 130}},
                {"child form", inner.hwnd, {300, 10, 400, 90}},
                {"button on the child form", innerButton.hwnd, {5, 5, 65, 25}}};
    }
};

// With scaling on, every place and size is the logical one at the screen's
// DPI and controls get the GUI font for it; with scaling off (a program that
// did not ask) they are made exactly as given, with the stock font.
TEST_F(DpiScalingTest, ControlsTakeTheirLogicalPlacesAtTheScreenDpiOnlyWhenScalingIsOn)
{
    for (bool scaling : {true, false}) {
        SCOPED_TRACE(scaling ? "scaling on" : "scaling off");
        Build(scaling);
        UINT expectedDpi = scaling ? dpi : kLogicalDpi;
        EXPECT_EQ(expectedDpi, ScalingDpi(form.hwnd));
        for (const Made& window : made)
            ExpectRect(Scaled(window.logical, kLogicalDpi, expectedDpi), RectInParent(window.window),
                       window.what);
        RECT logicalFrame = {0, 0, 0, 0};
        AdjustWindowRectExForDpi(&logicalFrame, GetWindowLongA(form.hwnd, GWL_STYLE), FALSE,
                                 GetWindowLongA(form.hwnd, GWL_EXSTYLE), kLogicalDpi);
        EXPECT_EQ(ScaleBetweenDpi(420 - (logicalFrame.right - logicalFrame.left), kLogicalDpi,
                                  expectedDpi),
                  ClientSize(form.hwnd).cx);
        HFONT font = reinterpret_cast<HFONT>(SendMessageA(made[0].window, WM_GETFONT, 0, 0));
        EXPECT_EQ(scaling ? GuiFontForDpi(dpi) : GetStockObject(DEFAULT_GUI_FONT), font);
        EXPECT_EQ(ScaleBetweenDpi(kGuiFontHeightAt96, kLogicalDpi, WindowDpi(NULL)),
                  FontHeight(made[0].window));
        EXPECT_EQ(ScaleBetweenDpi(70, kLogicalDpi, expectedDpi), ColumnWidth(table, 1));
        form.Destroy();
        PumpMessages();
    }
}

// The form takes the suggested rectangle; every window inside it, the child
// form's too, is placed and sized by new/old, fonts and table columns follow,
// anchored controls keep their new places, and a control made after the
// change is made for the new DPI. Going back
// gives the first places again.
TEST_F(DpiScalingTest, DpiChangeRescalesPlacesFontsAndColumnsAndBack)
{
    Build(true);
    const UINT steps[] = {dpi * 3 / 2, dpi, dpi * 2, dpi};
    std::vector<RECT> before;
    for (const Made& window : made)
        before.push_back(RectInParent(window.window));
    UINT from = dpi;
    for (UINT to : steps) {
        SCOPED_TRACE(testing::Message() << from << " to " << to << " DPI");
        std::vector<RECT> now;
        for (const Made& window : made)
            now.push_back(RectInParent(window.window));
        int guiHeight = FontHeight(made[0].window);
        int labelHeight = FontHeight(label);
        int column = ColumnWidth(table, 1);
        RECT suggested = {30, 40, 30 + static_cast<int>(3 * to), 40 + static_cast<int>(2 * to)};
        SendMessageA(form.hwnd, WM_DPICHANGED, MAKEWPARAM(to, to),
                     reinterpret_cast<LPARAM>(&suggested));
        RECT placed;
        GetWindowRect(form.hwnd, &placed);
        ExpectRect(suggested, placed, "form");
        // The anchored button keeps its new place when the form lays it out again.
        LayOutAnchoredChildren(form.hwnd);
        for (size_t i = 0; i < made.size(); ++i)
            ExpectRect(Scaled(now[i], from, to), RectInParent(made[i].window), made[i].what);
        EXPECT_EQ(ScaleBetweenDpi(guiHeight, from, to), FontHeight(made[0].window));
        EXPECT_EQ(ScaleBetweenDpi(guiHeight, from, to), FontHeight(made[7].window));
        EXPECT_EQ(ScaleBetweenDpi(labelHeight, from, to), FontHeight(label));
        EXPECT_EQ(ScaleBetweenDpi(column, from, to), ColumnWidth(table, 1));
        EXPECT_EQ(to, ScalingDpi(made[7].window));
        Button later("later", 8, 10, 10, 80, 24, inner);
        ExpectRect(Scaled(RECT{10, 10, 90, 34}, kLogicalDpi, to), RectInParent(later.hwnd),
                   "button made after the change");
        EXPECT_EQ(FontHeight(made[0].window), FontHeight(later.hwnd));
        later.Destroy();
        from = to;
    }
    for (size_t i = 0; i < made.size(); ++i)
        ExpectRect(before[i], RectInParent(made[i].window), made[i].what);
}

// Moving between screens again and again holds no more GDI objects than the
// first move: the fonts of the old DPI are deleted or shared, never piled up.
TEST_F(DpiScalingTest, RepeatedDpiChangesHoldNoMoreGdiObjects)
{
    Build(true);
    auto roundTrip = [&]() {
        for (UINT to : {dpi * 3 / 2, dpi}) {
            RECT suggested = {0, 0, 600, 400};
            SendMessageA(form.hwnd, WM_DPICHANGED, MAKEWPARAM(to, to),
                         reinterpret_cast<LPARAM>(&suggested));
        }
    };
    roundTrip();
    long first = GdiObjectCount();
    ASSERT_GT(first, 0);
    for (int i = 0; i < 5; ++i)
        roundTrip();
    EXPECT_EQ(first, GdiObjectCount());
}

}  // namespace
