// Preferred sizes against texts measured in the controls' own fonts, and
// layouts read back from the windows they placed: nothing overlaps, nothing
// is cut, weights, margins and spacing hold (this file also runs at 144 DPI),
// and changes of text, size and DPI lay the form out again.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "message_log.h"
#include "window_pixels.h"
#include "wicker.h"

namespace {

class LayoutTest : public ::testing::Test {
protected:
    Form form;
    UINT dpi = 0;

    void SetUp() override
    {
        UseDpiScaling(true);
        dpi = WindowDpi(NULL);
        ASSERT_TRUE(form.Create("Layout", 10, 10, 200, 120, kFormSizable));
    }
    void TearDown() override
    {
        form.Destroy();
        PumpMessages();
        UseDpiScaling(false);
    }
    int Scaled(int logical) const { return ScaleBetweenDpi(logical, kLogicalDpi, dpi); }
    void SetClientPixels(int width, int height)
    {
        RECT outer, client;
        GetWindowRect(form.hwnd, &outer);
        GetClientRect(form.hwnd, &client);
        SetWindowPos(form.hwnd, NULL, 0, 0, width + (outer.right - outer.left) - client.right,
                     height + (outer.bottom - outer.top) - client.bottom,
                     SWP_NOMOVE | SWP_NOZORDER);
    }
};

SIZE TextExtent(HWND window, const std::wstring& text)
{
    HDC dc = GetDC(NULL);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0)));
    SIZE size = {0, 0};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(NULL, dc);
    return size;
}

LONG Width(const RECT& r) { return r.right - r.left; }
LONG Height(const RECT& r) { return r.bottom - r.top; }

bool Overlap(const RECT& a, const RECT& b)
{
    RECT both;
    return IntersectRect(&both, &a, &b) != 0;
}

// No two of the windows overlap, and each is at least its preferred size
// (or the size given for it, laid out by options).
void ExpectLaidOutCleanly(const std::vector<HWND>& windows, const std::vector<SIZE>& sizes = {})
{
    for (size_t i = 0; i < windows.size(); ++i) {
        RECT one = RectInParent(windows[i]);
        SIZE wanted = i < sizes.size() ? sizes[i] : PreferredSize(windows[i]);
        EXPECT_GE(Width(one), wanted.cx) << "window " << i << " is cut across";
        EXPECT_GE(Height(one), wanted.cy) << "window " << i << " is cut down";
        for (size_t j = i + 1; j < windows.size(); ++j)
            EXPECT_FALSE(Overlap(one, RectInParent(windows[j])))
                << "windows " << i << " and " << j << " overlap";
    }
}

// Each kind of control against its text: the caption (or the characters
// asked for) fits, with room around it that is neither missing nor lavish.
TEST_F(LayoutTest, PreferredSizesHoldTheirTextsInTheirFonts)
{
    struct Case {
        const char* what;
        std::function<HWND()> make;
        std::wstring measured;  // the text the width is measured against
        int roomAtLeast;        // logical room beside the text, at least
        int roomAtMost;         // and at most
        bool button;            // a button, which the platform measures too
    };
    Button button;
    CheckBox check;
    RadioButton radio;
    Label label;
    TextBox box;
    ComboBox combo;
    ListBox list;
    GroupBox group;
    const std::wstring longCaption = L"A caption longer than any usual button";
    std::vector<Case> cases = {
        {"button", [&] { button.Create("A caption longer than any usual button", 1, 0, 0, 10, 10, form); return button.hwnd; },
         longCaption, 12, 30, true},
        {"check box", [&] { check.Create("Remember me on this computer", 2, 0, 0, 10, 10, form); return check.hwnd; },
         L"Remember me on this computer", 16, 30, true},
        {"radio button", [&] { radio.Create("Deliver by post", 3, 0, 0, 10, 10, form); return radio.hwnd; },
         L"Deliver by post", 16, 30, true},
        {"label", [&] { label.Create("Name of the &recipient:", 4, 0, 0, 10, 10, form); return label.hwnd; },
         L"Name of the recipient:", 2, 5, false},
        {"text box of 20 characters", [&] { box.Create("", 5, 0, 0, 10, 10, form); return box.hwnd; },
         std::wstring(), 0, 14, false},
        {"combo box", [&] {
             combo.Create("", 6, 0, 0, 10, 100, form, true, true, false, true);
             combo.Add("Short");
             combo.Add("The longest item of all the items");
             return combo.hwnd; },
         L"The longest item of all the items", 20, 40, false},
        {"list box", [&] {
             list.Create("", 7, 0, 0, 10, 10, form);
             list.Add("One");
             list.Add("The longest line of the list box");
             return list.hwnd; },
         L"The longest line of the list box", 20, 40, false},
        {"group box", [&] { group.Create("Delivery address", 8, 0, 0, 10, 10, form); return group.hwnd; },
         L"Delivery address", 16, 24, false},
    };
    for (const Case& one : cases) {
        SCOPED_TRACE(one.what);
        HWND window = one.make();
        ASSERT_NE(nullptr, window);
        SIZE wanted = PreferredSize(window);
        SIZE text = TextExtent(window, one.measured);
        if (one.measured.empty())  // the text box: 20 average characters
            text.cx = 20 * AverageCharacterSize(window).cx;
        EXPECT_GE(wanted.cx - text.cx, Scaled(one.roomAtLeast) - 1);
        EXPECT_LE(wanted.cx - text.cx, Scaled(one.roomAtMost) + 1);
        // One line of the font, and never less than the platform's own idea.
        EXPECT_GE(wanted.cy, AverageCharacterSize(window).cy);
        SIZE ideal = {0, 0};
        if (one.button &&
            SendMessageA(window, BCM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(&ideal)) &&
            ideal.cx > 0) {
            EXPECT_GE(wanted.cx, ideal.cx);
            EXPECT_GE(wanted.cy, ideal.cy);
        }
    }
    // A longer caption widens a control by its text's growth.
    int before = PreferredSize(label.hwnd).cx;
    label.Text = "Name of the recipient, as on the letter:";
    int growth = TextExtent(label.hwnd, L"Name of the recipient, as on the letter:").cx -
                 TextExtent(label.hwnd, L"Name of the recipient:").cx;
    EXPECT_NEAR(growth, PreferredSize(label.hwnd).cx - before, 2);
    // A text box asked for 40 characters is twice as wide inside as one of 20.
    SIZE twenty = PreferredSize(box.hwnd, 20);
    SIZE forty = PreferredSize(box.hwnd, 40);
    EXPECT_EQ(20 * AverageCharacterSize(box.hwnd).cx, forty.cx - twenty.cx);
}

// A row of buttons at the right end of the form: margins and spacing in
// scaled pixels, every button its preferred size, the stretch taking the rest.
TEST_F(LayoutTest, RowKeepsMarginsAndSpacingAndTheStretchTakesTheRest)
{
    Button back("< &Back", 1, 0, 0, 10, 10, form);
    Button next("&Next >", 2, 0, 0, 10, 10, form);
    Button cancel("Cancel", 3, 0, 0, 10, 10, form);
    BoxLayout row(LayoutDirection::Row);
    row.SetMargins(10).SetSpacing(7);
    row.AddStretch().Add(back).Add(next).AddSpace(12).Add(cancel);
    ASSERT_TRUE(form.SetLayout(row, LayoutFit::KeepSize));
    SetClientPixels(Scaled(500), Scaled(80));
    SIZE client = ClientSize(form.hwnd);
    RECT b = RectInParent(back.hwnd), n = RectInParent(next.hwnd), c = RectInParent(cancel.hwnd);
    ExpectLaidOutCleanly({back.hwnd, next.hwnd, cancel.hwnd});
    EXPECT_EQ(PreferredSize(back.hwnd).cx, Width(b));
    EXPECT_EQ(Scaled(7), n.left - b.right);
    EXPECT_EQ(Scaled(12), c.left - n.right);  // a space stands alone, without spacing
    EXPECT_EQ(client.cx - Scaled(10), c.right);
    // Buttons keep their height in the middle of the row.
    EXPECT_EQ(PreferredSize(back.hwnd).cy, Height(b));
    EXPECT_NEAR(client.cy / 2, (b.top + b.bottom) / 2, 1);
}

// Extra room goes by weight, and no further than an item's maximum.
TEST_F(LayoutTest, WeightsShareTheExtraRoomAsGiven)
{
    TextBox one("", 1, 0, 0, 10, 10, form);
    TextBox three("", 2, 0, 0, 10, 10, form);
    TextBox capped("", 3, 0, 0, 10, 10, form);
    BoxLayout row(LayoutDirection::Row);
    row.Add(one, LayoutOptions().Weight(1).Characters(5))
        .Add(three, LayoutOptions().Weight(3).Characters(5))
        .Add(capped, LayoutOptions().Weight(4).Characters(5).Maximum(100, 0));
    ASSERT_TRUE(form.SetLayout(row));
    SIZE wanted = row.PreferredSize(form.hwnd);
    SetClientPixels(wanted.cx + Scaled(400), wanted.cy);
    int base = PreferredSize(one.hwnd, 5).cx;
    int grewOne = Width(RectInParent(one.hwnd)) - base;
    int grewThree = Width(RectInParent(three.hwnd)) - base;
    EXPECT_EQ(Scaled(100), Width(RectInParent(capped.hwnd)));
    // What the capped box could not take went to the others, 1 : 3.
    EXPECT_EQ(Scaled(400) - (Scaled(100) - base), grewOne + grewThree);
    EXPECT_NEAR(3.0 * grewOne, grewThree, 3.0);
    SIZE five = PreferredSize(one.hwnd, 5);
    ExpectLaidOutCleanly({one.hwnd, three.hwnd, capped.hwnd}, {five, five, five});
}

// A grid of labels and boxes: the label column as wide as its widest label,
// the box column taking the rest, an item spanning both, a column of two
// rows for a tall list.
TEST_F(LayoutTest, GridColumnsRowsAndSpans)
{
    Label name("Name:", 1, 0, 0, 10, 10, form);
    TextBox nameBox("", 2, 0, 0, 10, 10, form);
    Label address("Street and number:", 3, 0, 0, 10, 10, form);
    TextBox addressBox("", 4, 0, 0, 10, 10, form);
    CheckBox gift("This is a gift, wrap it in paper with a bow", 5, 0, 0, 10, 10, form);
    ListBox list("", 6, 0, 0, 10, 10, form);
    GridLayout grid;
    grid.SetMargins(8).SetSpacing(6, 4);
    grid.Add(name, 0, 0).Add(nameBox, 0, 1).Add(address, 1, 0).Add(addressBox, 1, 1);
    grid.Add(gift, 2, 0, LayoutOptions().Span(1, 2));
    grid.Add(list, 0, 2, LayoutOptions().Span(3, 1));
    grid.SetColumnWeight(1, 1);
    ASSERT_TRUE(form.SetLayout(grid));
    std::vector<HWND> all = {name.hwnd, nameBox.hwnd, address.hwnd, addressBox.hwnd, gift.hwnd, list.hwnd};
    ExpectLaidOutCleanly(all);
    SIZE wanted = grid.PreferredSize(form.hwnd);
    SetClientPixels(wanted.cx + Scaled(120), wanted.cy + Scaled(50));
    ExpectLaidOutCleanly(all);
    RECT addressRect = RectInParent(address.hwnd);
    RECT box = RectInParent(nameBox.hwnd);
    RECT listRect = RectInParent(list.hwnd);
    EXPECT_EQ(PreferredSize(address.hwnd).cx, Width(addressRect));
    EXPECT_EQ(Scaled(6), box.left - addressRect.right);
    // The box column took all the extra width; the list kept its own.
    EXPECT_EQ(PreferredSize(nameBox.hwnd).cx + Scaled(120), Width(box));
    EXPECT_EQ(PreferredSize(list.hwnd).cx, Width(listRect));
    // The list covers the three rows, the check box the first two columns.
    EXPECT_EQ(Scaled(8), listRect.top);
    EXPECT_EQ(ClientSize(form.hwnd).cx - Scaled(8), listRect.right);
    EXPECT_GE(listRect.bottom, RectInParent(gift.hwnd).bottom);
    EXPECT_EQ(Scaled(8), RectInParent(gift.hwnd).left);
}

// The form takes its minimum and first size from the layout, with room for
// a status bar, and a group box holds its contents inside its frame.
TEST_F(LayoutTest, GroupBoxHoldsItsContentsAndTheFormCannotShrinkBelowTheLayout)
{
    GroupBox box("Delivery", 1, 0, 0, 10, 10, form);
    RadioButton post("By post", 2, 0, 0, 10, 10, form);
    RadioButton courier("By courier, the next working day", 3, 0, 0, 10, 10, form);
    StatusBar status;
    ASSERT_TRUE(status.Create("Ready", 9, form));
    BoxLayout inside(LayoutDirection::Column);
    inside.Add(post).Add(courier);
    BoxLayout column(LayoutDirection::Column);
    column.SetMargins(10).Add(box, inside, LayoutOptions().Weight(1));
    ASSERT_TRUE(form.SetLayout(column));
    SIZE client = ClientSize(form.hwnd);
    SIZE wanted = column.PreferredSize(form.hwnd);
    int bar = Height(RectInParent(status.hwnd));
    EXPECT_GE(client.cx, wanted.cx);
    EXPECT_GE(client.cy, wanted.cy + bar);
    RECT frame = RectInParent(box.hwnd);
    RECT insets = GroupBoxInsets(box.hwnd);
    for (HWND inner : {post.hwnd, courier.hwnd}) {
        RECT r = RectInParent(inner);
        EXPECT_GE(r.left, frame.left + insets.left);
        EXPECT_GE(r.top, frame.top + insets.top);
        EXPECT_LE(r.right, frame.right - insets.right);
        EXPECT_LE(r.bottom, frame.bottom - insets.bottom);
    }
    ExpectLaidOutCleanly({post.hwnd, courier.hwnd});
    EXPECT_LE(frame.bottom, RectInParent(status.hwnd).top);
    // Dragged (or set) smaller, the form keeps the layout's size.
    SetWindowPos(form.hwnd, NULL, 0, 0, 40, 40, SWP_NOMOVE | SWP_NOZORDER);
    client = ClientSize(form.hwnd);
    EXPECT_GE(client.cx, wanted.cx);
    EXPECT_GE(client.cy, wanted.cy + bar);
    ExpectLaidOutCleanly({post.hwnd, courier.hwnd});
}

// A tab control in a layout is as large as its largest page; the page,
// a child form with a layout of its own, lays its controls out inside it.
TEST_F(LayoutTest, TabPageWithItsOwnLayoutNestsInTheFormsLayout)
{
    Tab tabs("", 1, 0, 0, 10, 10, form);
    TabPage first = tabs.AddPage("General");
    tabs.AddPage("Advanced settings of the program");
    Form panel("", 0, 0, 10, 10, kFormPopup, true, true, false, false, false, form, true);
    Label label("Title of the document:", 2, 0, 0, 10, 10, panel);
    TextBox title("", 3, 0, 0, 10, 10, panel);
    Button apply("Apply", 4, 0, 0, 10, 10, form);
    first.AttachControl(panel);
    BoxLayout pageRow(LayoutDirection::Row);
    pageRow.Add(label).Add(title, LayoutOptions().Weight(1));
    ASSERT_TRUE(panel.SetLayout(pageRow, LayoutFit::KeepSize));
    BoxLayout column(LayoutDirection::Column);
    column.SetMargins(10).Add(tabs, LayoutOptions().Weight(1)).Add(apply, LayoutOptions().Horizontal(Align::End));
    ASSERT_TRUE(form.SetLayout(column));
    RECT tabRect = RectInParent(tabs.hwnd);
    SIZE tabWanted = PreferredSize(tabs.hwnd);
    EXPECT_GE(Width(tabRect), tabWanted.cx);
    // Around the page: the tabs' row and the frame.
    EXPECT_GT(tabWanted.cy, pageRow.PreferredSize(panel.hwnd).cy);
    // The page fills the tab's display area, and its controls are not cut.
    tabs.SelectPage(first);
    SetClientPixels(Scaled(600), Scaled(300));
    PumpMessages();
    ExpectLaidOutCleanly({label.hwnd, title.hwnd});
    RECT inPanel = RectInParent(title.hwnd);
    EXPECT_EQ(ClientSize(panel.hwnd).cx, inPanel.right);
    EXPECT_EQ(ClientSize(form.hwnd).cx - Scaled(10), RectInParent(apply.hwnd).right);
    ExpectLaidOutCleanly({tabs.hwnd, apply.hwnd});
}

// Texts that change lay the form out again once messages are handled:
// a longer caption moves what comes after it, and no more.
TEST_F(LayoutTest, ALongerCaptionWidensWhatItShouldAndNoMore)
{
    Label label("Size:", 1, 0, 0, 10, 10, form);
    Button pick("Pick", 2, 0, 0, 10, 10, form);
    Button below("Below", 3, 0, 0, 10, 10, form);
    BoxLayout row(LayoutDirection::Row);
    row.Add(label).Add(pick);
    BoxLayout column(LayoutDirection::Column);
    column.SetMargins(10).Add(row).Add(below);
    ASSERT_TRUE(form.SetLayout(column));
    RECT pickBefore = RectInParent(pick.hwnd);
    RECT belowBefore = RectInParent(below.hwnd);
    SetWindowTextW(label.hwnd, L"Größe, in Zentimetern:");
    PumpMessages();
    int grew = TextExtent(label.hwnd, L"Größe, in Zentimetern:").cx - TextExtent(label.hwnd, L"Size:").cx;
    RECT pickAfter = RectInParent(pick.hwnd);
    EXPECT_NEAR(pickBefore.left + grew, pickAfter.left, 2);  // the label's room for fallback letters
    EXPECT_EQ(Width(pickBefore), Width(pickAfter));
    RECT belowAfter = RectInParent(below.hwnd);
    EXPECT_TRUE(EqualRect(&belowBefore, &belowAfter));
    // A hidden control takes no room; shown again, it takes its room back.
    label.Hide();
    form.UpdateLayout();
    EXPECT_EQ(Scaled(10), RectInParent(pick.hwnd).left);
    label.Show();
    form.UpdateLayout();
    EXPECT_EQ(pickAfter.left, RectInParent(pick.hwnd).left);
    // A control destroyed under the layout leaves its room to the others.
    label.Destroy();
    form.UpdateLayout();
    EXPECT_EQ(Scaled(10), RectInParent(pick.hwnd).left);
}

// Anchors keep working for the controls the layout does not place; a
// control put into a layout is no longer anchored.
TEST_F(LayoutTest, AnchorsWorkBesideTheLayout)
{
    Button corner("Help", 1, 300, 200, 75, 23, form);
    Button placed("OK", 2, 0, 0, 10, 10, form);
    form.SetClientSize(400, 240);
    corner.SetAnchor(Anchor::Right | Anchor::Bottom);
    placed.SetAnchor(Anchor::Right | Anchor::Bottom);
    BoxLayout column(LayoutDirection::Column);
    column.SetMargins(10).Add(placed);
    ASSERT_TRUE(form.SetLayout(column, LayoutFit::KeepSize));
    EXPECT_EQ(Anchor::Left | Anchor::Top, placed.GetAnchor());
    RECT before = RectInParent(corner.hwnd);
    SIZE clientBefore = ClientSize(form.hwnd);
    SetClientPixels(clientBefore.cx + 60, clientBefore.cy + 30);
    RECT after = RectInParent(corner.hwnd);
    EXPECT_EQ(before.left + 60, after.left);
    EXPECT_EQ(before.top + 30, after.top);
    EXPECT_EQ(Scaled(10), RectInParent(placed.hwnd).left);
    EXPECT_EQ(Scaled(10), RectInParent(placed.hwnd).top);
}

// After a change of DPI the lengths are those of the new DPI.
TEST_F(LayoutTest, ADpiChangeLaysTheFormOutAtTheNewDpi)
{
    Button one("One", 1, 0, 0, 10, 10, form);
    Button two("Two", 2, 0, 0, 10, 10, form);
    BoxLayout row(LayoutDirection::Row);
    row.SetMargins(10).SetSpacing(8).Add(one, LayoutOptions().Weight(1)).Add(two);
    ASSERT_TRUE(form.SetLayout(row));
    UINT to = dpi * 2;
    RECT suggested = {20, 20, 20 + static_cast<int>(4 * to), 20 + static_cast<int>(2 * to)};
    SendMessageA(form.hwnd, WM_DPICHANGED, MAKEWPARAM(to, to), reinterpret_cast<LPARAM>(&suggested));
    RECT a = RectInParent(one.hwnd), b = RectInParent(two.hwnd);
    EXPECT_EQ(ScaleBetweenDpi(10, kLogicalDpi, to), a.left);
    EXPECT_EQ(ScaleBetweenDpi(8, kLogicalDpi, to), b.left - a.right);
    // The first button takes what the new size leaves; the second keeps its own.
    EXPECT_EQ(ClientSize(form.hwnd).cx - ScaleBetweenDpi(10, kLogicalDpi, to), b.right);
    EXPECT_EQ(PreferredSize(two.hwnd).cx, Width(b));
    EXPECT_GE(Width(b), ScaleBetweenDpi(75, kLogicalDpi, to));
}

// A layout never holds itself, directly or through another: adding one
// would recurse for ever.
TEST_F(LayoutTest, ALayoutCannotHoldItself)
{
    BoxLayout outer(LayoutDirection::Column);
    GridLayout inner;
    outer.Add(inner, LayoutOptions());
    inner.Add(outer, 0, 0);
    outer.Add(outer);
    EXPECT_EQ(1, outer.Count());
    EXPECT_EQ(0, inner.Count());
    EXPECT_TRUE(form.SetLayout(outer));
}

}  // namespace
namespace {

// The last column of the label's client area holding ink.
int RightmostInk(HWND label)
{
    RECT client;
    GetClientRect(label, &client);
    PixelGrid grid = RepaintedPixels(label, client);
    COLORREF background = grid.At(grid.width - 1, 0);
    int right = -1;
    for (int x = 0; x < grid.width; ++x)
        for (int y = 0; y < grid.height; ++y)
            if (ColourDistance(grid.At(x, y), background) > 80)
                right = x;
    return right;
}

// At its preferred size a label shows every letter it shows when wider:
// Cyrillic letters, drawn from a fallback font, come out wider than they
// measure.
TEST_F(LayoutTest, LabelsAtTheirPreferredSizeShowTheirLastLetter)
{
    SetWindowPos(form.hwnd, HWND_TOPMOST, 0, 0, Scaled(500), Scaled(120), SWP_NOMOVE);
    Label label("", 1, 0, 0, 10, 10, form);
    for (const wchar_t* text : {L"&E-Mail-Adresse:", L"&Адрес электронной почты:",
                                L"Заметки для водителя:", L"Grüße aus Köln:"}) {
        SetWindowTextW(label.hwnd, text);
        SIZE wanted = PreferredSize(label.hwnd);
        SetWindowPos(label.hwnd, NULL, 0, 0, wanted.cx + Scaled(40), wanted.cy, SWP_NOMOVE);
        int wide = RightmostInk(label.hwnd);
        SetWindowPos(label.hwnd, NULL, 0, 0, wanted.cx, wanted.cy, SWP_NOMOVE);
        EXPECT_EQ(wide, RightmostInk(label.hwnd)) << "the last letter is cut";
    }
}

}  // namespace
