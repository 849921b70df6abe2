// Area-averaging resampling, through the buffer routine and through Image
// and its Width and Height setters.
#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "picture_files.h"
#include "wicker.h"

namespace {

COLORREF Grey(int level)
{
    return RGB(level, level, level);
}

std::vector<COLORREF> Greys(std::initializer_list<int> levels)
{
    std::vector<COLORREF> pixels;
    for (int level : levels)
        pixels.push_back(Grey(level));
    return pixels;
}

struct ResampleCase {
    const char* name;
    int width, height;
    std::vector<COLORREF> source;
    int newWidth, newHeight;
    std::vector<COLORREF> expected;
};

// Each case through Image::Resize: the bitmap is read, resampled and
// written back through the screen-compatible bitmap the image holds.
TEST(ResamplerTest, GivesTheAreaMeanOfEveryDestinationPixel)
{
    const COLORREF teal = RGB(10, 120, 200);
    const ResampleCase cases[] = {
        {"one colour 4x4 to 2x2", 4, 4, std::vector<COLORREF>(16, teal), 2, 2,
         std::vector<COLORREF>(4, teal)},
        {"greys 0 90 180 to two", 3, 1, Greys({0, 90, 180}), 2, 1, Greys({30, 150})},
        {"same size", 3, 1, Greys({0, 90, 180}), 3, 1, Greys({0, 90, 180})},
        {"greys 0 90 180 to four", 3, 1, Greys({0, 90, 180}), 4, 1, Greys({0, 60, 120, 180})},
        {"two to four", 2, 1, Greys({0, 200}), 4, 1, Greys({0, 0, 200, 200})},
        {"one pixel to 3x2", 1, 1, {teal}, 3, 2, std::vector<COLORREF>(6, teal)},
        {"column halved, row doubled", 1, 4, Greys({0, 100, 200, 50}), 2, 2,
         Greys({50, 50, 125, 125})},
        {"colours kept apart", 2, 1, {RGB(255, 0, 0), RGB(0, 0, 255)}, 1, 1, {RGB(128, 0, 128)}},
    };
    for (const ResampleCase& c : cases) {
        SCOPED_TRACE(c.name);
        Image image(BitmapFromPixels(c.width, c.height, c.source), kOwnHandle);
        ASSERT_TRUE(image.HasImage());
        ASSERT_TRUE(image.Resize(c.newWidth, c.newHeight));
        EXPECT_EQ(static_cast<int>(image.Width), c.newWidth);
        EXPECT_EQ(static_cast<int>(image.Height), c.newHeight);
        EXPECT_EQ(BitmapPixels(image.bmp), c.expected);
    }
}

// An enlargement of a picture with no black pixel must leave none: every
// destination pixel is covered, and the corners keep the corner colours.
TEST(ResamplerTest, EnlargingCoversEveryPixel)
{
    const std::vector<COLORREF> source = {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255),
                                          RGB(255, 255, 0), RGB(0, 255, 255), RGB(255, 0, 255)};
    Image image(BitmapFromPixels(3, 2, source), kOwnHandle);
    ASSERT_TRUE(image.Resize(37, 23));
    std::vector<COLORREF> pixels = BitmapPixels(image.bmp);
    ASSERT_EQ(pixels.size(), 37u * 23u);
    for (size_t i = 0; i < pixels.size(); ++i)
        ASSERT_NE(pixels[i], RGB(0, 0, 0)) << "pixel " << i % 37 << "," << i / 37;
    EXPECT_EQ(pixels[0], source[0]);
    EXPECT_EQ(pixels[36], source[2]);
    EXPECT_EQ(pixels[22 * 37], source[3]);
    EXPECT_EQ(pixels[22 * 37 + 36], source[5]);
}

TEST(ResamplerTest, WidthAndHeightSettersResampleOneSide)
{
    Image image(BitmapFromPixels(3, 1, Greys({0, 90, 180})), kOwnHandle);
    image.Width = 2;
    EXPECT_EQ(static_cast<int>(image.Width), 2);
    EXPECT_EQ(static_cast<int>(image.Height), 1);
    EXPECT_EQ(BitmapPixels(image.bmp), Greys({30, 150}));
    image.Height = 3;
    EXPECT_EQ(static_cast<int>(image.Height), 3);
    EXPECT_EQ(BitmapPixels(image.bmp), Greys({30, 150, 30, 150, 30, 150}));
}

TEST(ResamplerTest, FitToMakesTheLongerSideTheSize)
{
    struct FitCase {
        int width, height, size, fittedWidth, fittedHeight;
    };
    const FitCase cases[] = {
        {400, 200, 100, 100, 50}, {200, 400, 100, 50, 100}, {300, 300, 100, 100, 100},
        {30, 7, 90, 90, 21},      {7, 30, 15, 3, 15},
    };
    for (const FitCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << "x" << c.height << " to " << c.size);
        Image image(CreateBitmap(c.width, c.height, 1, 32, NULL), kOwnHandle);
        ASSERT_TRUE(image.FitTo(c.size));
        EXPECT_EQ(static_cast<int>(image.Width), c.fittedWidth);
        EXPECT_EQ(static_cast<int>(image.Height), c.fittedHeight);
    }
}

// Sides are 16-bit numbers: sizes past 65,535 (or below 1) are refused and
// the picture stays as it was.
TEST(ResamplerTest, SizesOutsideSixteenBitsAreRefused)
{
    Image image(BitmapFromPixels(3, 1, Greys({0, 90, 180})), kOwnHandle);
    HBITMAP before = image.bmp;
    EXPECT_FALSE(image.Resize(65536, 1));
    EXPECT_FALSE(image.Resize(1, 70000));
    EXPECT_FALSE(image.Resize(0, 1));
    EXPECT_FALSE(image.Resize(-2, 1));
    EXPECT_FALSE(image.FitTo(0));
    EXPECT_FALSE(image.FitTo(100000));
    image.Width = 65536;
    EXPECT_EQ(image.bmp, before);
    EXPECT_EQ(static_cast<int>(image.Width), 3);
    EXPECT_EQ(BitmapPixels(image.bmp), Greys({0, 90, 180}));

    Image empty;
    EXPECT_FALSE(empty.Resize(2, 2));
    EXPECT_FALSE(empty.FitTo(10));
    EXPECT_TRUE(empty.IsEmpty());
}

TEST(ResamplerTest, CopiesKeepThePictureTheySharedBefore)
{
    Image image(BitmapFromPixels(3, 1, Greys({0, 90, 180})), kOwnHandle);
    Image copy = image;
    ASSERT_TRUE(image.Resize(2, 1));
    EXPECT_NE(copy.bmp, image.bmp);
    EXPECT_TRUE(IsLiveBitmap(copy.bmp));
    EXPECT_EQ(static_cast<int>(copy.Width), 3);
    EXPECT_EQ(BitmapPixels(copy.bmp), Greys({0, 90, 180}));
}

}  // namespace
