// The colour chooser, answered from a helper thread.
#include <gtest/gtest.h>

#include <windows.h>

#include "dialog_answer.h"
#include "wicker.h"

namespace {

const char* const ColourCaption = "Color";

// Sets the red, green and blue fields of the full dialog, as a user typing.
void TypeColour(HWND box, int red, int green, int blue)
{
    // The fields of the colour dialog's template (COLOR_RED, COLOR_GREEN, COLOR_BLUE).
    SetDlgItemInt(box, 706, red, FALSE);
    SetDlgItemInt(box, 707, green, FALSE);
    SetDlgItemInt(box, 708, blue, FALSE);
}

TEST(ChooseColorTest, OkGivesTheChosenColourAndCancelKeepsTheStart)
{
    COLORREF colour = RGB(10, 20, 30);
    DialogAnswer cancel(ColourCaption, IDCANCEL, GetCurrentProcessId());
    EXPECT_FALSE(ChooseColor(NULL, colour));
    ASSERT_TRUE(cancel.Wait());
    EXPECT_EQ(colour, RGB(10, 20, 30));

    // The dialog opens on the start colour.
    DialogAnswer same(ColourCaption, IDOK, GetCurrentProcessId());
    EXPECT_TRUE(ChooseColor(NULL, colour));
    ASSERT_TRUE(same.Wait());
    EXPECT_EQ(colour, RGB(10, 20, 30));

    DialogAnswer typed(ColourCaption, IDOK, GetCurrentProcessId(), 10000,
                       [](HWND box) { TypeColour(box, 200, 100, 50); });
    EXPECT_TRUE(ChooseColor(NULL, colour));
    ASSERT_TRUE(typed.Wait());
    EXPECT_EQ(colour, RGB(200, 100, 50));
}

TEST(ChooseColorTest, CustomColoursAddedInOneDialogAreThereInTheNext)
{
    COLORREF colour = RGB(0, 0, 0);
    // "Add to Custom Colors" (COLOR_ADD) puts the typed colour in the first slot.
    DialogAnswer add(ColourCaption, IDCANCEL, GetCurrentProcessId(), 10000, [](HWND box) {
        TypeColour(box, 12, 34, 56);
        SendMessageA(box, WM_COMMAND, MAKEWPARAM(712, BN_CLICKED), 0);
    });
    EXPECT_FALSE(ChooseColor(NULL, colour));
    ASSERT_TRUE(add.Wait());
    EXPECT_EQ(CustomColors()[0], RGB(12, 34, 56));

    // The next dialog shows them: a click on the first custom colour box
    // chooses it (the dialog itself takes the clicks on the boxes).
    DialogAnswer pick(ColourCaption, IDOK, GetCurrentProcessId(), 10000, [](HWND box) {
        POINT first = {4, 4};
        MapWindowPoints(GetDlgItem(box, 721), box, &first, 1);  // COLOR_CUSTOM1
        LPARAM point = MAKELPARAM(first.x, first.y);
        SendMessageA(box, WM_LBUTTONDOWN, MK_LBUTTON, point);
        SendMessageA(box, WM_LBUTTONUP, 0, point);
    });
    EXPECT_TRUE(ChooseColor(NULL, colour));
    ASSERT_TRUE(pick.Wait());
    EXPECT_EQ(colour, RGB(12, 34, 56));
}

TEST(ChooseColorTest, PlatformCallStaysAvailableUnderItsName)
{
    CHOOSECOLORA settings = {};
    settings.lStructSize = sizeof settings;
    settings.lpCustColors = CustomColors();
    settings.rgbResult = RGB(1, 2, 3);
    settings.Flags = CC_RGBINIT;
    DialogAnswer cancel(ColourCaption, IDCANCEL, GetCurrentProcessId());
    EXPECT_FALSE(ChooseColor(&settings));
    ASSERT_TRUE(cancel.Wait());
}

}  // namespace
