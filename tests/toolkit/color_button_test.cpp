// The colour button: where its swatch sits for a border, and the colour the
// swatch is painted in, through copies of the wrapper too.
#include <gtest/gtest.h>

#include <windows.h>

#include "accessible_reader.h"
#include "probe_parent.h"
#include "wicker.h"
#include "window_attributes.h"

namespace {

const int SwatchButtonId = 701;

class ColorButtonTest : public ProbeParentTest {
protected:
    ColorButtonTest() : ProbeParentTest(300, 200) {}
};

// A screen reader hears the colour in words, the one set last, under the
// button's caption when it has one.
TEST_F(ColorButtonTest, ScreenReadersHearTheColourInWords)
{
    ColorButton button(SwatchButtonId, 10, 10, 60, 30, parentControl, RGB(255, 0, 0));
    IAccessible* object = ClientObject(button.hwnd);
    ASSERT_NE(object, nullptr);
    EXPECT_EQ(NameOf(object, CHILDID_SELF), "Colour: red 255, green 0, blue 0");
    button.Color = RGB(0, 128, 0);
    EXPECT_EQ(NameOf(object, CHILDID_SELF), "Colour: red 0, green 128, blue 0");
    EXPECT_EQ(ValueOf(object, CHILDID_SELF), "red 0, green 128, blue 0");
    button.Text = "Background";
    EXPECT_EQ(NameOf(object, CHILDID_SELF), "Background: red 0, green 128, blue 0");
    object->Release();
}

TEST_F(ColorButtonTest, SwatchIsInsetByTheBorder)
{
    ColorButton button(SwatchButtonId, 10, 10, 60, 30, parentControl, RGB(1, 2, 3));
    ASSERT_NE(button.Swatch(), (HWND)NULL);
    EXPECT_EQ(WindowStyle(button.Swatch()) & 0xFFFF0FFF,
              static_cast<DWORD>(WS_CHILD | WS_VISIBLE | SS_CENTER));
    EXPECT_EQ(button.Text(), "");
    SIZE client = ClientSize(button.hwnd);
    struct Case {
        int border;  // -1: as created
    } cases[] = {{-1}, {0}, {8}};
    for (const Case& c : cases) {
        if (c.border >= 0)
            button.Border = c.border;
        int border = c.border >= 0 ? c.border : kColorButtonBorder;
        RECT swatch = RectInParent(button.Swatch());
        EXPECT_EQ(button.Border(), border);
        EXPECT_EQ(swatch.left, border) << border;
        EXPECT_EQ(swatch.top, border) << border;
        EXPECT_EQ(swatch.right, client.cx - border) << border;
        EXPECT_EQ(swatch.bottom, client.cy - border) << border;
    }
}

TEST_F(ColorButtonTest, SwatchIsPaintedInTheColourSetThroughAnyCopy)
{
    ShowWindow(probe, SW_SHOW);
    ColorButton button(SwatchButtonId, 10, 10, 60, 30, parentControl, RGB(0, 128, 0));
    EXPECT_EQ(RepaintedPixel(button.Swatch(), 25, 10), RGB(0, 128, 0));

    ColorButton copy = button;
    copy.Color = RGB(255, 0, 0);
    EXPECT_EQ(button.Color(), RGB(255, 0, 0));
    EXPECT_EQ(RepaintedPixel(button.Swatch(), 25, 10), RGB(255, 0, 0));
    // Outside the swatch the button shows its own face.
    EXPECT_NE(RepaintedPixel(button.hwnd, 2, 15), RGB(255, 0, 0));
}

}  // namespace
