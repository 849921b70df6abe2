#include <gtest/gtest.h>

#include <string>

#include "picture_files.h"
#include "picture_test_resources.h"
#include "scratch_folder.h"
#include "wicker.h"

namespace {

class ImageTest : public ScratchFolderTest {
protected:
    // Writes the picture resource into the scratch folder and returns its path.
    String PictureFile(int resourceId, const std::string& name)
    {
        std::string path = PathOf(name);
        EXPECT_TRUE(WriteResourceFile(resourceId, path)) << name;
        return String(path.c_str());
    }
};

struct PictureCase {
    int resourceId;
    const char* name;
    int width;
    int height;
};

TEST_F(ImageTest, DecodesBmpJpegAndGifAtTheirOwnSize)
{
    const PictureCase cases[] = {
        {PICTURE_RED_BMP, "red.bmp", 40, 30},
        {PICTURE_GREEN_JPG, "green.jpg", 48, 36},
        {PICTURE_BLUE_GIF, "blue.gif", 20, 10},
    };
    for (const PictureCase& picture : cases) {
        SCOPED_TRACE(picture.name);
        Image image(PictureFile(picture.resourceId, picture.name));
        ASSERT_NE(image.bmp, nullptr);
        EXPECT_FALSE(image.IsEmpty());
        EXPECT_EQ(static_cast<int>(image.Width), picture.width);
        EXPECT_EQ(static_cast<int>(image.Height), picture.height);
        EXPECT_EQ(image.header.bmWidth, picture.width);
        EXPECT_EQ(image.header.bmHeight, picture.height);
        // The decoder's own bitmap is gone once the picture is released: the
        // image must hold a bitmap of its own.
        EXPECT_TRUE(IsLiveBitmap(image.bmp));
        EXPECT_TRUE(image.Owns());
    }
}

TEST_F(ImageTest, DecodedPixelsMatchTheFile)
{
    Image image(PictureFile(PICTURE_RED_BMP, "red.bmp"));
    ASSERT_NE(image.bmp, nullptr);
    // A white square from (2, 2) to (20, 15) on red.
    EXPECT_EQ(BitmapPixel(image.bmp, 10, 10), RGB(255, 255, 255));
    EXPECT_EQ(BitmapPixel(image.bmp, 35, 25), RGB(200, 30, 30));
}

TEST_F(ImageTest, IconFileLoadsAtSixtyFourPixels)
{
    Image image;
    EXPECT_TRUE(image.LoadFile(PictureFile(PICTURE_SUN_ICO, "sun.ico")));
    ASSERT_NE(image.bmp, nullptr);
    EXPECT_EQ(static_cast<int>(image.Width), 64);
    EXPECT_EQ(static_cast<int>(image.Height), 64);
    EXPECT_TRUE(IsLiveBitmap(image.bmp));
}

TEST_F(ImageTest, MissingEmptyAndUndecodableFilesLeaveTheImageAsItWas)
{
    Image missing(String(PathOf("nothing.bmp").c_str()));
    EXPECT_TRUE(missing.IsEmpty());
    EXPECT_EQ(static_cast<int>(missing.Width), 0);
    EXPECT_EQ(static_cast<int>(missing.Height), 0);

    WriteBytes(PathOf("empty.jpg"), "");
    WriteBytes(PathOf("text.gif"), "this is no picture at all\r\n");
    Image image(PictureFile(PICTURE_BLUE_GIF, "blue.gif"));
    HBITMAP loaded = image.bmp;
    ASSERT_NE(loaded, nullptr);
    for (const char* name : {"nothing.bmp", "empty.jpg", "text.gif"}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(image.LoadFile(String(PathOf(name).c_str())));
        EXPECT_EQ(image.bmp, loaded);
        EXPECT_EQ(static_cast<int>(image.Width), 20);
    }
    EXPECT_FALSE(image.LoadFile(String("")));
    EXPECT_EQ(image.bmp, loaded);
}

TEST_F(ImageTest, CopiesShareTheBitmapAndTheLastOneDeletesIt)
{
    HBITMAP shared = NULL;
    {
    Image original(PictureFile(PICTURE_GREEN_JPG, "green.jpg"));
    ASSERT_NE(original.bmp, nullptr);
    shared = original.bmp;
    {
        Image copy(original);
        EXPECT_EQ(copy.bmp, original.bmp);
        EXPECT_EQ(static_cast<int>(copy.Width), 48);
        EXPECT_EQ(static_cast<int>(copy.Height), 36);
        // The copy answers for itself, not through the original.
        EXPECT_EQ(copy.Width.m_cObject, &copy);
        EXPECT_EQ(copy.Height.m_cObject, &copy);
    }
    EXPECT_TRUE(IsLiveBitmap(original.bmp));

    Image assigned;
    assigned = original;
    EXPECT_EQ(assigned.bmp, original.bmp);
    EXPECT_EQ(static_cast<int>(assigned.Height), 36);
    EXPECT_EQ(assigned.Width.m_cObject, &assigned);

    Image emptyCopy(EmptyImage);
    EXPECT_TRUE(emptyCopy.IsEmpty());
    assigned = emptyCopy;
    EXPECT_TRUE(assigned.IsEmpty());
    EXPECT_EQ(static_cast<int>(assigned.Width), 0);
    EXPECT_TRUE(IsLiveBitmap(shared));
    }
    EXPECT_FALSE(IsLiveBitmap(shared));
}

TEST_F(ImageTest, HandleConstructionReadsTheHeader)
{
    HBITMAP bitmap = CreateBitmap(7, 5, 1, 32, NULL);
    ASSERT_NE(bitmap, nullptr);
    {
        Image image(bitmap);
        EXPECT_EQ(image.bmp, bitmap);
        EXPECT_EQ(static_cast<int>(image.Width), 7);
        EXPECT_EQ(static_cast<int>(image.Height), 5);
        EXPECT_EQ(image.header.bmBitsPixel, 32);
    }
    // A handle passed in is only viewed: destroying the image leaves it alone.
    EXPECT_TRUE(IsLiveBitmap(bitmap));
    DeleteObject(bitmap);

    Image none(static_cast<HBITMAP>(NULL));
    EXPECT_TRUE(none.IsEmpty());
    EXPECT_EQ(none.header.bmType, 0);
}

TEST_F(ImageTest, LoadBufferDecodesFromMemory)
{
    std::string gif = ResourceBytes(PICTURE_BLUE_GIF);
    ASSERT_FALSE(gif.empty());
    Image image;
    EXPECT_TRUE(image.LoadBuffer(ByteBuffer(gif.data(), static_cast<int>(gif.size()))));
    EXPECT_EQ(static_cast<int>(image.Width), 20);
    HBITMAP loaded = image.bmp;

    EXPECT_FALSE(image.LoadBuffer(ByteBuffer("GIF89a", 6)));
    EXPECT_FALSE(image.LoadBuffer(ByteBuffer()));
    EXPECT_EQ(image.bmp, loaded);
}

TEST_F(ImageTest, LoadsFromResourcesSystemBitmapsAndOtherModules)
{
    Image tile;
    ASSERT_TRUE(tile.LoadResource(PICTURE_TILE_BITMAP, String("#2")));
    EXPECT_EQ(static_cast<int>(tile.Width), 16);
    // No bitmap of that number: the raw resource, decoded.
    Image gif(PICTURE_BLUE_GIF, String("#10"));
    EXPECT_EQ(static_cast<int>(gif.Width), 20);
    EXPECT_EQ(static_cast<int>(gif.Height), 10);

    Image close;
    ASSERT_TRUE(close.LoadSystemBitmap(32754));  // OBM_CLOSE
    EXPECT_GT(static_cast<int>(close.Width), 0);

    char program[MAX_PATH] = {};
    GetModuleFileNameA(NULL, program, MAX_PATH);
    Image strip;
    ASSERT_TRUE(strip.LoadFromLibrary(String(program), PICTURE_STRIP_BITMAP));
    EXPECT_EQ(static_cast<int>(strip.Width), 48);
    EXPECT_EQ(strip.PixelAt(40, 8), RGB(0, 0, 255));
    EXPECT_EQ(strip.PixelAt(48, 0), CLR_INVALID);

    // Failures leave the picture as it was.
    HBITMAP held = strip.bmp;
    EXPECT_FALSE(strip.LoadResource(7999, String("#10")));
    EXPECT_FALSE(strip.LoadResource(PICTURE_RED_BMP, String("#2")));
    EXPECT_FALSE(strip.LoadSystemBitmap(1));
    EXPECT_FALSE(strip.LoadFromLibrary(String(PathOf("missing.dll").c_str()), 1));
    EXPECT_FALSE(strip.LoadFromLibrary(String(program), 7999));
    EXPECT_FALSE(strip.Capture(NULL, false));
    EXPECT_FALSE(strip.FromIcon(IconObject()));
    EXPECT_EQ(strip.bmp, held);
    EXPECT_EQ(static_cast<int>(strip.Width), 48);
}

TEST_F(ImageTest, CaptureCopiesTheWindowsPixels)
{
    HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE | WS_BORDER | SS_BLACKRECT,
                                  0, 0, 30, 20, NULL, NULL, GetModuleHandleA(NULL), NULL);
    ASSERT_NE(window, nullptr);
    UpdateWindow(window);
    RECT client, outer;
    GetClientRect(window, &client);
    GetWindowRect(window, &outer);
    Image inside(window, false);
    ASSERT_TRUE(inside.HasImage());
    EXPECT_EQ(static_cast<int>(inside.Width), client.right);
    EXPECT_EQ(static_cast<int>(inside.Height), client.bottom);
    // The frame's colour, as the window itself shows it.
    HDC shown = GetDC(window);
    COLORREF frame = GetPixel(shown, client.right / 2, client.bottom / 2);
    ReleaseDC(window, shown);
    EXPECT_NE(frame, CLR_INVALID);
    EXPECT_EQ(inside.PixelAt(client.right / 2, client.bottom / 2), frame);
    Image whole;
    ASSERT_TRUE(whole.Capture(window, true));
    EXPECT_EQ(static_cast<int>(whole.Width), outer.right - outer.left);
    EXPECT_EQ(static_cast<int>(whole.Height), outer.bottom - outer.top);
    DestroyWindow(window);
}

TEST_F(ImageTest, MonochromeCopyIsANewOneBitPicture)
{
    Image image(PictureFile(PICTURE_RED_BMP, "red.bmp"));
    Image mono = image.MonochromeCopy();
    ASSERT_TRUE(mono.HasImage());
    EXPECT_NE(mono.bmp, image.bmp);
    EXPECT_TRUE(mono.Owns());
    EXPECT_EQ(mono.header.bmBitsPixel, 1);
    EXPECT_EQ(static_cast<int>(mono.Width), 40);
    EXPECT_EQ(mono.PixelAt(10, 10), RGB(255, 255, 255));
    EXPECT_FALSE(Image().MonochromeCopy().HasImage());
}

}  // namespace
