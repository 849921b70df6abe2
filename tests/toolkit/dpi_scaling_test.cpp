// Forms and controls made at logical sizes with DPI scaling on, read back
// from the windows: places, sizes and fonts at the prefix's DPI (96, and 144
// in the high-DPI run of these tests), then after WM_DPICHANGED messages sent
// to the form, and the GDI objects that costs.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <functional>
#include <vector>

#include "gdi_objects.h"
#include "message_log.h"
#include "picture_test_resources.h"
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

// A length given in logical pixels, at a DPI.
int At(int logical, UINT dpi)
{
    return ScaleBetweenDpi(logical, kLogicalDpi, dpi);
}

// One length a row reads back from its windows, and what it should be.
struct Length {
    const char* what;
    int expected;
    int actual;
};

// One class of window: `make` creates it, on the form or as a form of its
// own, with scaling on or off, and returns the top-level window that hears of
// DPI changes; `lengths` reads it back as it should be at a DPI.
struct ClassRow {
    const char* what;
    std::function<HWND(Form& form)> make;
    std::function<std::vector<Length>(UINT dpi)> lengths;
};

// The logical client width of a window of the given logical outer width: the
// outer width less the frame of the window's style at 96 DPI.
int LogicalClientWidth(HWND window, int outerWidth)
{
    RECT frame = {0, 0, 0, 0};
    AdjustWindowRectExForDpi(&frame, GetWindowLongA(window, GWL_STYLE), FALSE,
                             GetWindowLongA(window, GWL_EXSTYLE), kLogicalDpi);
    return outerWidth - (frame.right - frame.left);
}

int Width(HWND window)
{
    RECT box = RectInParent(window);
    return box.right - box.left;
}

int Height(HWND window)
{
    RECT box = RectInParent(window);
    return box.bottom - box.top;
}

// A bar of one labelled button: its buttons are measured from its picture
// and its label's font.
void MakeToolBar(ToolBar& bar, Form& form, const ImageList& icons)
{
    bar.Create(6, form, 0, 0);
    bar.SetImageList(icons);
    bar.ShowText(true);
    bar.AddButton("Open", 0, 601);
}

// A tool bar's button size, width in the low word and height in the high one.
int ButtonSize(HWND bar)
{
    return static_cast<int>(SendMessageA(bar, TB_GETBUTTONSIZE, 0, 0));
}

// Every class made at logical places and sizes has them at the screen's DPI
// with scaling on and as given with it off; a DPI change (to 96 from the
// high-DPI screen, to 144 from a 96-DPI one) and the change back give each
// the lengths of one made at that DPI. Pictures keep their pixels.
TEST_F(DpiScalingTest, EveryClassTakesItsLogicalLengthsAtCreationAndOnDpiChanges)
{
    const UINT other = dpi == kLogicalDpi ? 144 : kLogicalDpi;
    HBITMAP bitmap = CreateBitmap(30, 20, 1, 32, NULL);
    ASSERT_NE(bitmap, (HBITMAP)NULL);
    MDIForm mdi;
    Form mdiChild;
    HWND video = NULL, imageBox = NULL, pictureBox = NULL;
    Splitter splitter;
    HWND button = NULL;
    ToolBar bar;
    ImageList icons(0);
    ASSERT_EQ(0, icons.AddIconResource(PICTURE_SUN_ICON));
    UINT madeDpi = 0;
    bool justMade = false;
    bool scalingOn = false;
    PropertyGrid* grid = NULL;
    // The lengths of a box of logical place 10, 20 and size 60 x 40.
    auto boxLengths = [](HWND box, UINT at) {
        RECT place = RectInParent(box);
        return std::vector<Length>{{"left", At(10, at), place.left},
                                   {"top", At(20, at), place.top},
                                   {"width", At(60, at), Width(box)},
                                   {"height", At(40, at), Height(box)}};
    };
    const ClassRow rows[] = {
        {"MDI form",
         [&](Form&) {
             mdi.Create("MDI", 20, 20, 400, 300, kFormStandard, true, false);
             mdiChild = mdi.AddChild("child", 10, 15, 200, 100, kFormStandard);
             return mdi.hwnd;
         },
         [&](UINT at) {
             // The client fills the frame; the sizes are checked as made, the
             // child's place at every DPI.
             RECT child = RectInParent(mdiChild.hwnd);
             std::vector<Length> lengths = {
                 {"client width", ClientSize(mdi.hwnd).cx, Width(mdi.container.hwnd)},
                 {"client height", ClientSize(mdi.hwnd).cy, Height(mdi.container.hwnd)},
                 {"child left", At(10, at), child.left},
                 {"child top", At(15, at), child.top}};
             if (justMade && scalingOn) {
                 lengths.push_back({"frame's client width", At(LogicalClientWidth(mdi.hwnd, 400), at),
                                    ClientSize(mdi.hwnd).cx});
                 lengths.push_back({"child's client width",
                                    At(LogicalClientWidth(mdiChild.hwnd, 200), at),
                                    ClientSize(mdiChild.hwnd).cx});
             } else if (justMade) {
                 lengths.push_back({"frame width as given", 400, Width(mdi.hwnd)});
                 lengths.push_back({"child width as given", 200, Width(mdiChild.hwnd)});
             }
             return lengths;
         }},
        {"video control",
         [&](Form& form) {
             video = VideoControl(1, form, "", 10, 20, 60, 40).hwnd;
             return (HWND)NULL;
         },
         [&](UINT at) { return boxLengths(video, at); }},
        {"image box",
         [&](Form& form) {
             imageBox = ImageBox(2, 10, 20, 60, 40, form, Image(bitmap), 1, 0).hwnd;
             return (HWND)NULL;
         },
         [&](UINT at) {
             std::vector<Length> lengths = boxLengths(imageBox, at);
             lengths.push_back({"picture width", 30, ImageBox(imageBox).ImageWidth});
             return lengths;
         }},
        {"picture box",
         [&](Form& form) {
             pictureBox = PictureBox(3, String(), 10, 20, 60, 40, form, 0).hwnd;
             return (HWND)NULL;
         },
         [&](UINT at) { return boxLengths(pictureBox, at); }},
        {"image button",
         [&](Form& form) {
             button = ImageButton(4, 10, 20, form, Image(bitmap)).hwnd;
             return (HWND)NULL;
         },
         [&](UINT at) {
             RECT box = RectInParent(button);
             return std::vector<Length>{{"left", At(10, at), box.left},
                                        {"top", At(20, at), box.top},
                                        {"width, the picture's", 30, Width(button)},
                                        {"height, the picture's", 20, Height(button)}};
         }},
        {"splitter",
         [&](Form& form) {
             splitter.Create(5, form, false, 5, true, 0);
             splitter.SetRange(At(20, madeDpi), At(300, madeDpi));
             return (HWND)NULL;
         },
         [&](UINT at) {
             splitter.SetPosition(-1);
             int farthest = splitter.Position;
             splitter.SetPosition(0);
             return std::vector<Length>{{"thickness", At(5, at), splitter.Thickness},
                                        {"bar width", At(5, at), Width(splitter.hwnd)},
                                        {"farthest place", At(300, at) - At(5, at), farthest},
                                        {"nearest place", At(20, at), splitter.Position}};
         }},
        {"tool bar",
         [&](Form& form) {
             MakeToolBar(bar, form, icons);
             return (HWND)NULL;
         },
         [&](UINT) {
             // Against a bar made now, for the form's DPI, with the same pictures.
             ToolBar made;
             MakeToolBar(made, form, icons);
             std::vector<Length> lengths = {
                 {"button size", ButtonSize(made.hwnd), ButtonSize(bar.hwnd)},
                 {"bar height", Height(made.hwnd), Height(bar.hwnd)}};
             made.Destroy();
             return lengths;
         }},
        {"property grid",
         [&](Form& form) {
             grid = new PropertyGrid(7, 10, 10, 200, 180, form, 0);
             grid->SetRow("name", "value", "text", "", "");
             return (HWND)NULL;
         },
         [&](UINT at) {
             HWND pane = grid->descriptionPane.hwnd;
             int iconWidth = 0, iconHeight = 0;
             ImageList_GetIconSize(reinterpret_cast<HIMAGELIST>(SendMessageA(
                                       grid->table.hwnd, LVM_GETIMAGELIST, LVSIL_SMALL, 0)),
                                   &iconWidth, &iconHeight);
             return std::vector<Length>{
                 {"pane height", At(49, at), Height(pane)},
                 {"pane bottom", ClientSize(grid->container.hwnd).cy, RectInParent(pane).bottom},
                 {"gap above the pane", At(1, at),
                  RectInParent(pane).top - RectInParent(grid->table.hwnd).bottom},
                 {"row height", At(21, at), iconHeight}};
         }},
    };
    auto expect = [](const ClassRow& row, UINT at) {
        SCOPED_TRACE(testing::Message() << row.what << " at " << at << " DPI");
        for (const Length& length : row.lengths(at))
            EXPECT_EQ(length.expected, length.actual) << length.what;
    };
    // All rows at once, on one form: each row reads back its own windows.
    for (bool scaling : {true, false}) {
        UseDpiScaling(scaling);
        scalingOn = scaling;
        madeDpi = scaling ? dpi : kLogicalDpi;
        ASSERT_TRUE(form.Create("DPI", 20, 20, 420, 300, kFormDialog, true, false));
        std::vector<HWND> tops = {form.hwnd};
        for (const ClassRow& row : rows) {
            HWND own = row.make(form);
            if (own != NULL)
                tops.push_back(own);
        }
        justMade = true;
        for (const ClassRow& row : rows)
            expect(row, madeDpi);
        justMade = false;
        for (UINT to : {other, dpi}) {
            if (!scaling)
                break;
            for (HWND top : tops) {
                RECT suggested = {30, 40, 30 + static_cast<int>(5 * to), 40 + static_cast<int>(4 * to)};
                SendMessageA(top, WM_DPICHANGED, MAKEWPARAM(to, to),
                             reinterpret_cast<LPARAM>(&suggested));
            }
            for (const ClassRow& row : rows)
                expect(row, to);
        }
        delete grid;
        grid = NULL;
        for (size_t i = 1; i < tops.size(); ++i)
            DestroyWindow(tops[i]);
        form.Destroy();
        PumpMessages();
    }
    DeleteObject(bitmap);
}

// What a program gives and reads after creation is logical too: a control's
// and a child form's place and size, a form's outer and client size, and its
// minimum sizes, which follow the form to another DPI. With scaling off every
// one is the window's own pixels.
TEST_F(DpiScalingTest, PlacesAndSizesGivenAndReadAfterCreationAreLogical)
{
    for (bool scaling : {true, false}) {
        SCOPED_TRACE(scaling ? "scaling on" : "scaling off");
        Build(scaling);
        UINT at = scaling ? dpi : kLogicalDpi;
        Form top("sizable", 0, 0, 300, 200, kFormStandard, true, false);
        struct {
            const char* what;
            Control window;
        } movable[] = {{"button", Control(made[0].window)}, {"child form", Control(inner.hwnd)}};
        for (auto& item : movable) {
            SCOPED_TRACE(item.what);
            item.window.MoveLogical(22, 31);
            item.window.ResizeLogical(70, 45);
            ExpectRect(Scaled(RECT{22, 31, 92, 76}, kLogicalDpi, at),
                       RectInParent(item.window.hwnd), item.what);
            EXPECT_EQ(22, item.window.LogicalPlace().x);
            EXPECT_EQ(31, item.window.LogicalPlace().y);
            EXPECT_EQ(70, item.window.LogicalSize().cx);
            EXPECT_EQ(45, item.window.LogicalSize().cy);
        }
        ASSERT_TRUE(top.SetClientSize(333, 222));
        EXPECT_EQ(ScaleBetweenDpi(333, kLogicalDpi, at), ClientSize(top.hwnd).cx);
        EXPECT_EQ(ScaleBetweenDpi(222, kLogicalDpi, at), ClientSize(top.hwnd).cy);
        EXPECT_EQ(333, top.LogicalClientSize().cx);
        EXPECT_EQ(222, top.LogicalClientSize().cy);
        top.ResizeLogical(420, 300);
        SIZE outer = ScaledFrameSize(420, 300, GetWindowLongA(top.hwnd, GWL_STYLE),
                                     GetWindowLongA(top.hwnd, GWL_EXSTYLE), at);
        EXPECT_EQ(outer.cx, top.Width);
        EXPECT_EQ(outer.cy, top.Height);
        EXPECT_EQ(420, top.LogicalSize().cx);
        EXPECT_EQ(300, top.LogicalSize().cy);
        // Minimum sizes, the outer one and the client area's.
        auto shrink = [&]() {
            SetWindowPos(top.hwnd, NULL, 0, 0, 60, 60, SWP_NOMOVE | SWP_NOZORDER);
        };
        ASSERT_TRUE(top.SetMinimumSize(250, 120));
        shrink();
        SIZE least = ScaledFrameSize(250, 120, GetWindowLongA(top.hwnd, GWL_STYLE),
                                     GetWindowLongA(top.hwnd, GWL_EXSTYLE), at);
        EXPECT_EQ(least.cx, top.Width);
        EXPECT_EQ(least.cy, top.Height);
        ASSERT_TRUE(top.SetMinimumClientSize(260, 150));
        shrink();
        EXPECT_EQ(ScaleBetweenDpi(260, kLogicalDpi, at), ClientSize(top.hwnd).cx);
        EXPECT_EQ(ScaleBetweenDpi(150, kLogicalDpi, at), ClientSize(top.hwnd).cy);
        if (scaling) {
            UINT to = at * 2;
            RECT suggested = {0, 0, 1200, 900};
            SendMessageA(top.hwnd, WM_DPICHANGED, MAKEWPARAM(to, to),
                         reinterpret_cast<LPARAM>(&suggested));
            shrink();
            EXPECT_EQ(ScaleBetweenDpi(260, kLogicalDpi, to), ClientSize(top.hwnd).cx);
            EXPECT_EQ(ScaleBetweenDpi(150, kLogicalDpi, to), ClientSize(top.hwnd).cy);
            EXPECT_EQ(260, top.LogicalClientSize().cx);
        }
        top.Destroy();
        form.Destroy();
        PumpMessages();
    }
}

}  // namespace
