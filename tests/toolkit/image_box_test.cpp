#include <gtest/gtest.h>

#include <string>

#include "message_log.h"
#include "picture_files.h"
#include "picture_test_resources.h"
#include "scratch_folder.h"
#include "wicker.h"

namespace {

// A probe parent large enough for the game's picture place, adopted by a
// Control the way the game adopts its dialog.
class ImageBoxTest : public ScratchFolderTest {
protected:
    void SetUp() override
    {
        ScratchFolderTest::SetUp();
        window = CreateProbeWindow(800, 600);
        ASSERT_NE(window, nullptr);
        parentControl = Control(window);
    }
    void TearDown() override
    {
        DestroyWindow(window);
        ScratchFolderTest::TearDown();
    }

    // A picture loaded from the test program's resources.
    Image LoadPicture(int resourceId, const std::string& name)
    {
        std::string path = PathOf(name);
        EXPECT_TRUE(WriteResourceFile(resourceId, path));
        Image image(String(path.c_str()));
        EXPECT_FALSE(image.IsEmpty()) << name;
        return image;
    }

    HWND window = NULL;
    Control parentControl;
};

HBITMAP Shown(HWND control)
{
    return reinterpret_cast<HBITMAP>(SendMessageA(control, STM_GETIMAGE, IMAGE_BITMAP, 0));
}

TEST_F(ImageBoxTest, CreatesTheGamesPictureControl)
{
    Image picture = LoadPicture(PICTURE_GREEN_JPG, "green.jpg");
    ImageBox box(1029, 514, 25, 245, 235, parentControl, picture, 1, 0);
    ASSERT_NE(box.hwnd, nullptr);
    EXPECT_EQ(box.parent, window);
    EXPECT_EQ(box.id, 1029);
    EXPECT_EQ(GetParent(box.hwnd), window);
    EXPECT_EQ(GetDlgCtrlID(box.hwnd), 1029);

    char className[32] = "";
    GetClassNameA(box.hwnd, className, sizeof className);
    EXPECT_STREQ(className, "Static");
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(box.hwnd, GWL_STYLE)), kImageBoxStyle | WS_VISIBLE);
    EXPECT_EQ(GetWindowLongA(box.hwnd, GWL_EXSTYLE) & ~WS_EX_NOPARENTNOTIFY, 0);
    EXPECT_EQ(GetClassLongA(box.hwnd, GCL_STYLE) & (CS_HREDRAW | CS_VREDRAW),
              static_cast<DWORD>(CS_HREDRAW | CS_VREDRAW));

    // Centred at its own size: the control keeps the size it was given.
    RECT place = RectInParent(box.hwnd);
    EXPECT_EQ(place.left, 514);
    EXPECT_EQ(place.top, 25);
    EXPECT_EQ(place.right - place.left, 245);
    EXPECT_EQ(place.bottom - place.top, 235);

    EXPECT_EQ(Shown(box.hwnd), picture.bmp);
    EXPECT_EQ(static_cast<int>(box.ImageWidth), 48);
    EXPECT_EQ(static_cast<int>(box.ImageHeight), 36);
    Image shown = box.Image;
    EXPECT_EQ(shown.bmp, picture.bmp);
    EXPECT_EQ(static_cast<int>(shown.Height), 36);
}

TEST_F(ImageBoxTest, HiddenUntilShownAndExtendedStyleApplied)
{
    Image picture = LoadPicture(PICTURE_BLUE_GIF, "blue.gif");
    ImageBox box(7, 10, 10, 60, 40, parentControl, picture, 0, WS_EX_CLIENTEDGE);
    ASSERT_NE(box.hwnd, nullptr);
    EXPECT_FALSE(GetWindowLongA(box.hwnd, GWL_STYLE) & WS_VISIBLE);
    EXPECT_TRUE(GetWindowLongA(box.hwnd, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
}

TEST_F(ImageBoxTest, LargerPictureIsClippedNotStretched)
{
    Image picture = LoadPicture(PICTURE_RED_BMP, "red.bmp");
    ImageBox box(8, 0, 0, 20, 12, parentControl, picture, 1, 0);
    RECT place = RectInParent(box.hwnd);
    EXPECT_EQ(place.right - place.left, 20);
    EXPECT_EQ(place.bottom - place.top, 12);
    EXPECT_EQ(static_cast<int>(box.ImageWidth), 40);
}

TEST_F(ImageBoxTest, EmptyImageGivesABlankControlOfTheGivenSize)
{
    Image missing(String(PathOf("absent.jpg").c_str()));
    ASSERT_TRUE(missing.IsEmpty());
    ImageBox box(1029, 514, 25, 245, 235, parentControl, missing, 1, 0);
    ASSERT_NE(box.hwnd, nullptr);
    EXPECT_EQ(Shown(box.hwnd), nullptr);
    EXPECT_EQ(static_cast<int>(box.ImageWidth), 0);
    EXPECT_EQ(static_cast<int>(box.ImageHeight), 0);
    Image shown = box.Image;
    EXPECT_TRUE(shown.IsEmpty());
    RECT place = RectInParent(box.hwnd);
    EXPECT_EQ(place.right - place.left, 245);
    EXPECT_EQ(place.bottom - place.top, 235);
}

// The game makes the control once and then swaps the word pictures, deleting
// each bitmap once it no longer shows.
TEST_F(ImageBoxTest, ReplacingThePictureHandsBackTheOldBitmap)
{
    Image first = LoadPicture(PICTURE_RED_BMP, "red.bmp");
    Image second = LoadPicture(PICTURE_BLUE_GIF, "blue.gif");
    ImageBox box(1029, 514, 25, 245, 235, parentControl, first, 1, 0);

    EXPECT_EQ(box.SetImage(second), first.bmp);
    EXPECT_EQ(Shown(box.hwnd), second.bmp);
    EXPECT_EQ(static_cast<int>(box.ImageWidth), 20);
    EXPECT_TRUE(DeleteObject(first.bmp));

    // An empty image changes nothing and hands nothing back.
    EXPECT_EQ(box.SetImage(EmptyImage), nullptr);
    EXPECT_EQ(Shown(box.hwnd), second.bmp);

    EXPECT_EQ(box.TakeImage(), second.bmp);
    EXPECT_EQ(Shown(box.hwnd), nullptr);
    EXPECT_EQ(static_cast<int>(box.ImageWidth), 0);
    EXPECT_TRUE(DeleteObject(second.bmp));
    EXPECT_EQ(box.TakeImage(), nullptr);
}

TEST_F(ImageBoxTest, ImagePropertyAndLoadFileShowNewPictures)
{
    ImageBox box(3, 0, 0, 100, 100, parentControl, EmptyImage, 1, 0);
    Image picture = LoadPicture(PICTURE_GREEN_JPG, "green.jpg");
    box.Image = picture;
    EXPECT_EQ(Shown(box.hwnd), picture.bmp);

    std::string gif = PathOf("blue.gif");
    ASSERT_TRUE(WriteResourceFile(PICTURE_BLUE_GIF, gif));
    EXPECT_TRUE(box.LoadFile(String(gif.c_str())));
    EXPECT_EQ(static_cast<int>(box.ImageWidth), 20);
    HBITMAP loaded = Shown(box.hwnd);

    EXPECT_FALSE(box.LoadFile(String(PathOf("absent.gif").c_str())));
    EXPECT_EQ(Shown(box.hwnd), loaded);

    std::string bytes = ResourceBytes(PICTURE_RED_BMP);
    EXPECT_TRUE(box.LoadBuffer(ByteBuffer(bytes.data(), static_cast<int>(bytes.size()))));
    EXPECT_EQ(static_cast<int>(box.ImageWidth), 40);
    EXPECT_FALSE(box.LoadBuffer(ByteBuffer("BM", 2)));
    EXPECT_EQ(static_cast<int>(box.ImageWidth), 40);

    DeleteObject(box.TakeImage());
    DeleteObject(loaded);
    DeleteObject(picture.bmp);
}

TEST_F(ImageBoxTest, WindowOutlivesItsWrapperAndKeepsThePicture)
{
    Image picture = LoadPicture(PICTURE_RED_BMP, "red.bmp");
    HWND control = NULL;
    {
        ImageBox box(1029, 514, 25, 245, 235, parentControl, picture, 1, 0);
        control = box.hwnd;
    }
    // The wrappers' images are gone too; the bitmap must still be there.
    EXPECT_TRUE(IsWindow(control));
    EXPECT_EQ(Shown(control), picture.bmp);
    EXPECT_TRUE(IsLiveBitmap(picture.bmp));
    PumpMessages();
}

}  // namespace
