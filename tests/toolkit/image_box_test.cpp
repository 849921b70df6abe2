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

    // The window shows a copy of its own.
    ASSERT_NE(Shown(box.hwnd), nullptr);
    EXPECT_NE(Shown(box.hwnd), picture.bmp);
    EXPECT_EQ(static_cast<int>(box.ImageWidth), 48);
    EXPECT_EQ(static_cast<int>(box.ImageHeight), 36);
    Image shown = box.Image;
    EXPECT_EQ(shown.bmp, Shown(box.hwnd));
    EXPECT_FALSE(shown.Owns());
    EXPECT_EQ(static_cast<int>(shown.Height), 36);
}

// The system "STATIC" class keeps its own style bits (double clicks, parent's
// device context) when image boxes add the redraw bits to it.
TEST_F(ImageBoxTest, StaticClassStyleGainsTheRedrawBitsAndKeepsTheRest)
{
    HWND plain = CreateChildWindow(window, "STATIC", 0, 5, 0, 0, 10, 10);
    DWORD before = GetClassLongA(plain, GCL_STYLE);
    ImageBox box(6, 0, 0, 30, 30, parentControl, EmptyImage, 1, 0);
    DWORD after = GetClassLongA(plain, GCL_STYLE);
    EXPECT_EQ(after, before | CS_HREDRAW | CS_VREDRAW);
    EXPECT_EQ(after & (CS_DBLCLKS | CS_PARENTDC), static_cast<DWORD>(CS_DBLCLKS | CS_PARENTDC));
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

// The game makes the control once and then swaps the word pictures: the
// picture shown before comes back owned, and is deleted when let go.
TEST_F(ImageBoxTest, ReplacingThePictureHandsBackTheOldOne)
{
    Image first = LoadPicture(PICTURE_RED_BMP, "red.bmp");
    Image second = LoadPicture(PICTURE_BLUE_GIF, "blue.gif");
    ImageBox box(1029, 514, 25, 245, 235, parentControl, first, 1, 0);
    HBITMAP firstShown = Shown(box.hwnd);
    {
        Image handed = box.SetImage(second);
        EXPECT_EQ(handed.bmp, firstShown);
        EXPECT_TRUE(handed.Owns());
        EXPECT_EQ(static_cast<int>(box.ImageWidth), 20);
    }
    EXPECT_FALSE(IsLiveBitmap(firstShown));
    EXPECT_TRUE(IsLiveBitmap(first.bmp));

    // An empty image changes nothing and hands nothing back.
    HBITMAP secondShown = Shown(box.hwnd);
    EXPECT_TRUE(box.SetImage(EmptyImage).IsEmpty());
    EXPECT_EQ(Shown(box.hwnd), secondShown);

    // A picture taken out can be shown again.
    Image taken = box.TakeImage();
    EXPECT_EQ(taken.bmp, secondShown);
    EXPECT_EQ(Shown(box.hwnd), nullptr);
    EXPECT_EQ(static_cast<int>(box.ImageWidth), 0);
    EXPECT_TRUE(box.TakeImage().IsEmpty());
    box.SetImage(taken);
    EXPECT_EQ(static_cast<int>(box.ImageWidth), 20);
}

// Every load hands the window a new bitmap and the one it showed before is
// deleted: no bitmap is left behind (GetObjectType of each old handle).
TEST_F(ImageBoxTest, RepeatedLoadsLeaveNoBitmapBehind)
{
    ImageBox box(3, 0, 0, 100, 100, parentControl, EmptyImage, 1, 0);
    std::string files[] = {PathOf("red.bmp"), PathOf("blue.gif")};
    ASSERT_TRUE(WriteResourceFile(PICTURE_RED_BMP, files[0]));
    ASSERT_TRUE(WriteResourceFile(PICTURE_BLUE_GIF, files[1]));
    DWORD before = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    HBITMAP previous = NULL;
    for (int round = 0; round < 1000; ++round) {
        ASSERT_TRUE(box.LoadFile(String(files[round % 2].c_str())));
        HBITMAP shown = Shown(box.hwnd);
        ASSERT_NE(shown, nullptr);
        if (previous != NULL) {
            ASSERT_EQ(GetObjectType(previous), 0u) << "round " << round;
        }
        previous = shown;
    }
    DWORD after = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    EXPECT_LE(after, before + 10);
    DestroyWindow(box.hwnd);
    EXPECT_EQ(GetObjectType(previous), 0u);
}

// Shows the icon it is given by value; the holder goes when this returns.
bool ShowIcon(ImageBox& box, IconObject icon)
{
    return box.SetIcon(icon);
}

// The colour of one pixel of the probe's client area as painted now.
COLORREF ScreenPixel(HWND window, int x, int y)
{
    RedrawWindow(window, NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpMessages(50);
    HDC dc = GetDC(window);
    COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return colour;
}

TEST_F(ImageBoxTest, IconsPassedByValueStayShownAfterTheirHoldersGo)
{
    ShowWindow(window, SW_SHOW);
    ImageBox box(4, 0, 0, 32, 32, parentControl, EmptyImage, 1, 0);
    HICON loaded = CopyIcon(LoadIconA(GetModuleHandleA(NULL), MAKEINTRESOURCEA(PICTURE_SUN_ICON)));
    ASSERT_NE(loaded, nullptr);
    ICONINFO parts = {};
    ASSERT_TRUE(GetIconInfo(loaded, &parts));
    COLORREF centre = BitmapPixel(parts.hbmColor, 16, 16);
    DeleteObject(parts.hbmColor);
    DeleteObject(parts.hbmMask);
    {
        IconObject icon(loaded, kOwnHandle);
        IconObject copy = icon;
        EXPECT_EQ(copy.Holders(), 2);
        EXPECT_TRUE(ShowIcon(box, copy));
        EXPECT_TRUE(ShowIcon(box, icon));
    }
    // The last holder destroyed the icon; the window shows its own copy.
    EXPECT_FALSE(GetIconInfo(loaded, &parts));
    EXPECT_EQ(ScreenPixel(window, 16, 16), centre);
    EXPECT_EQ(static_cast<int>(box.ImageWidth), 32);
}

TEST_F(ImageBoxTest, LoadBufferAndLoadFileReportWhatTheyCouldNotLoad)
{
    ImageBox box(3, 0, 0, 100, 100, parentControl, EmptyImage, 1, 0);
    EXPECT_FALSE(box.LoadFile(String(PathOf("absent.gif").c_str())));
    EXPECT_FALSE(box.LoadBuffer(ByteBuffer("BM", 2)));
    EXPECT_EQ(Shown(box.hwnd), nullptr);
}

TEST_F(ImageBoxTest, ImagePropertyAndLoadFileShowNewPictures)
{
    ImageBox box(3, 0, 0, 100, 100, parentControl, EmptyImage, 1, 0);
    Image picture = LoadPicture(PICTURE_GREEN_JPG, "green.jpg");
    box.Image = picture;
    EXPECT_EQ(static_cast<int>(box.ImageWidth), 48);

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
}

// The game's way: the wrapper and the loaded image go at once, the window
// keeps painting the picture, and deletes it when it is destroyed itself.
TEST_F(ImageBoxTest, WindowOutlivesItsWrapperAndImageAndKeepsThePicture)
{
    ShowWindow(window, SW_SHOW);
    HWND control = NULL;
    HBITMAP loaded = NULL;
    {
        Image picture = LoadPicture(PICTURE_RED_BMP, "red.bmp");
        loaded = picture.bmp;
        ImageBox box(1029, 0, 0, 40, 30, parentControl, picture, 1, 0);
        control = box.hwnd;
    }
    EXPECT_FALSE(IsLiveBitmap(loaded));
    EXPECT_TRUE(IsWindow(control));
    HBITMAP shown = Shown(control);
    EXPECT_TRUE(IsLiveBitmap(shown));
    // A white square from (2, 2) to (20, 15) on red.
    EXPECT_EQ(ScreenPixel(window, 10, 10), RGB(255, 255, 255));
    EXPECT_EQ(ScreenPixel(window, 35, 25), RGB(200, 30, 30));
    DestroyWindow(control);
    EXPECT_FALSE(IsLiveBitmap(shown));
}

// The Part's fitting examples, and the resampled picture shown in place of
// the one before, which the window deletes.
TEST_F(ImageBoxTest, ResizeAndFitShowResampledPictures)
{
    const struct {
        int width, height, fittedWidth, fittedHeight;
    } cases[] = {{400, 200, 100, 50}, {200, 400, 50, 100}, {300, 300, 100, 100}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << "x" << c.height);
        Image picture(CreateBitmap(c.width, c.height, 1, 32, NULL), kOwnHandle);
        ImageBox box(1029, 0, 0, 245, 235, parentControl, picture, 1, 0);
        HBITMAP before = box.Image().bmp;
        ASSERT_TRUE(box.FitImage(100));
        EXPECT_EQ(static_cast<int>(box.ImageWidth), c.fittedWidth);
        EXPECT_EQ(static_cast<int>(box.ImageHeight), c.fittedHeight);
        EXPECT_FALSE(IsLiveBitmap(before));
    }

    std::vector<COLORREF> greys = {RGB(0, 0, 0), RGB(90, 90, 90), RGB(180, 180, 180)};
    Image picture(BitmapFromPixels(3, 1, greys), kOwnHandle);
    ImageBox box(1029, 0, 0, 245, 235, parentControl, picture, 1, 0);
    box.ImageWidth = 2;
    EXPECT_EQ(BitmapPixels(box.Image().bmp),
              std::vector<COLORREF>({RGB(30, 30, 30), RGB(150, 150, 150)}));
    box.ImageHeight = 2;
    EXPECT_EQ(static_cast<int>(box.ImageHeight), 2);
    ASSERT_TRUE(box.ResizeImage(5, 4));
    EXPECT_EQ(static_cast<int>(box.ImageWidth), 5);
    EXPECT_FALSE(box.ResizeImage(70000, 4));
    EXPECT_EQ(static_cast<int>(box.ImageWidth), 5);

    IconObject icon = box.Icon;
    EXPECT_EQ(static_cast<int>(icon.Width), 5);
    EXPECT_EQ(static_cast<int>(icon.Height), 4);

    ImageBox blank(1030, 0, 0, 50, 50, parentControl, Image(), 1, 0);
    EXPECT_FALSE(blank.FitImage(10));
    EXPECT_FALSE(blank.ResizeImage(10, 10));
    EXPECT_EQ(blank.Icon().icon, (HICON)NULL);
}

}  // namespace
