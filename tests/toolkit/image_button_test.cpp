// Image buttons on a probe parent: the window made, the picture it shows and
// clicks reaching the parent, with and without the wrapper.
#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "picture_files.h"
#include "probe_parent.h"
#include "wicker.h"
#include "window_attributes.h"

namespace {

const int kButtonId = 31;

class ImageButtonTest : public ProbeParentTest {
protected:
    ImageButtonTest() : ProbeParentTest(300, 200) {}
    void Click(HWND window, int x, int y)
    {
        SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    }
};

TEST_F(ImageButtonTest, ShowsACopyOfThePictureAtItsSize)
{
    const std::vector<COLORREF> pixels(24 * 16, RGB(30, 140, 220));
    HWND window = NULL;
    {
        Image picture(BitmapFromPixels(24, 16, pixels), kOwnHandle);
        ImageButton button(kButtonId, 10, 20, parentControl, picture);
        window = button.hwnd;
        ASSERT_NE(window, (HWND)NULL);
        EXPECT_EQ(WindowStyle(window), kImageButtonStyle);
        EXPECT_EQ(GetDlgCtrlID(window), kButtonId);
        RECT place = RectInParent(window);
        EXPECT_EQ(place.left, 10);
        EXPECT_EQ(place.top, 20);
        EXPECT_EQ(place.right - place.left, 24);
        EXPECT_EQ(place.bottom - place.top, 16);
    }
    // Wrapper and picture are gone; the window shows its own copy.
    HBITMAP shown = reinterpret_cast<HBITMAP>(SendMessageA(window, STM_GETIMAGE, IMAGE_BITMAP, 0));
    ASSERT_TRUE(IsLiveBitmap(shown));
    EXPECT_EQ(BitmapPixels(shown), pixels);
}

TEST_F(ImageButtonTest, ClicksReachTheParentWithTheIdentifier)
{
    Image picture(BitmapFromPixels(20, 20, std::vector<COLORREF>(400, RGB(1, 2, 3))), kOwnHandle);
    HWND window = NULL;
    {
        ImageButton button(kButtonId, 0, 0, parentControl, picture);
        window = button.hwnd;
        Click(window, 5, 5);
        std::vector<LoggedMessage> commands = LoggedMessages(WM_COMMAND);
        ASSERT_EQ(commands.size(), 1u);
        EXPECT_EQ(commands[0].window, probe);
        EXPECT_EQ(LOWORD(commands[0].wParam), kButtonId);
        Click(window, 25, 5);  // released outside
        EXPECT_EQ(LoggedMessages(WM_COMMAND).size(), 1u);
    }
    ClearMessageLog();
    Click(window, 5, 5);
    std::vector<LoggedMessage> commands = LoggedMessages(WM_COMMAND);
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(LOWORD(commands[0].wParam), kButtonId);
}

}  // namespace
