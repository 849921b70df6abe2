#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "dialog_answer.h"
#include "message_log.h"
#include "picture_files.h"
#include "picture_test_resources.h"
#include "wicker.h"

namespace {

const char kCheckCaption[] = "Wicker runtime check";
const int kMissingBitmap = 7299;

// True when the runtime-check box named this expression.
bool NamesExpression(const DialogAnswer& answer, const std::string& expression)
{
    return answer.text.find("Expression: " + expression + "\r\n") != std::string::npos;
}

TEST(BitmapTest, FromHandleReadsTheHeaderAndLeavesTheBitmapAlone)
{
    HBITMAP handle = CreateBitmap(9, 4, 1, 32, NULL);
    ASSERT_NE(handle, nullptr);
    {
        Bitmap bitmap(handle);
        EXPECT_EQ(bitmap.bmp, handle);
        EXPECT_EQ(static_cast<int>(bitmap.Width), 9);
        EXPECT_EQ(static_cast<int>(bitmap.Height), 4);
        EXPECT_EQ(bitmap.header.bmBitsPixel, 32);
    }
    EXPECT_TRUE(IsLiveBitmap(handle));
    DeleteObject(handle);
}

TEST(BitmapTest, FromResourceByNumberAndByName)
{
    Bitmap byNumber(PICTURE_TILE_BITMAP);
    ASSERT_NE(byNumber.bmp, nullptr);
    EXPECT_EQ(static_cast<int>(byNumber.Width), 16);
    EXPECT_EQ(static_cast<int>(byNumber.Height), 16);

    Bitmap byName(String("TILE"));
    ASSERT_NE(byName.bmp, nullptr);
    EXPECT_EQ(static_cast<int>(byName.Width), 16);

    Bitmap strip(PICTURE_STRIP_BITMAP);
    EXPECT_EQ(static_cast<int>(strip.Width), 48);
    EXPECT_EQ(static_cast<int>(strip.Height), 16);
}

TEST(BitmapTest, ResourceBitmapsAreReleasedWithTheirLastHolder)
{
    HBITMAP loaded = NULL;
    {
        Bitmap kept;
        {
            Bitmap first(PICTURE_TILE_BITMAP);
            loaded = first.bmp;
            Bitmap copy(first);
            EXPECT_EQ(copy.bmp, loaded);
            EXPECT_EQ(static_cast<int>(copy.Width), 16);
            EXPECT_EQ(copy.Width.m_cObject, &copy);
            kept = copy;
            EXPECT_EQ(kept.Width.m_cObject, &kept);
        }
        EXPECT_TRUE(IsLiveBitmap(loaded));
        EXPECT_EQ(static_cast<int>(kept.Height), 16);
    }
    EXPECT_FALSE(IsLiveBitmap(loaded));
}

TEST(BitmapTest, MissingResourceAndEmptyHolderReportTheirChecks)
{
    DialogAnswer load(kCheckCaption, IDIGNORE);
    Bitmap missing(kMissingBitmap);
    ASSERT_TRUE(load.Wait());
    EXPECT_TRUE(NamesExpression(load, "this->bmp!=NULL")) << load.text;
    EXPECT_EQ(missing.bmp, nullptr);

    DialogAnswer width(kCheckCaption, IDIGNORE);
    int value = missing.Width;
    ASSERT_TRUE(width.Wait());
    EXPECT_TRUE(NamesExpression(width, "bmp!=NULL")) << width.text;
    EXPECT_EQ(value, 0);

    Bitmap empty;
    DialogAnswer height(kCheckCaption, IDRETRY);
    value = empty.Height;
    ASSERT_TRUE(height.Wait());
    EXPECT_TRUE(NamesExpression(height, "bmp!=NULL")) << height.text;
    EXPECT_EQ(value, 0);

    DialogAnswer handle(kCheckCaption, IDIGNORE);
    Bitmap none(static_cast<HBITMAP>(NULL));
    ASSERT_TRUE(handle.Wait());
    EXPECT_TRUE(NamesExpression(handle, "this->bmp!=NULL")) << handle.text;
}

TEST(BitmapTest, DrawBitmapCopiesThePixelsOntoTheWindow)
{
    HWND window = CreateProbeWindow(200, 100);
    ASSERT_NE(window, nullptr);
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    PumpMessages(100);
    Control target(window);
    Bitmap strip(PICTURE_STRIP_BITMAP);
    ASSERT_TRUE(DrawBitmap(target, strip, 10, 20));

    HDC dc = GetDC(window);
    COLORREF red = GetPixel(dc, 10 + 8, 20 + 8);
    COLORREF blue = GetPixel(dc, 10 + 40, 20 + 8);
    ReleaseDC(window, dc);
    EXPECT_EQ(red, RGB(255, 0, 0));
    EXPECT_EQ(blue, RGB(0, 0, 255));

    Bitmap empty;
    DialogAnswer answer(kCheckCaption, IDIGNORE);
    EXPECT_FALSE(DrawBitmap(target, empty, 0, 0));
    ASSERT_TRUE(answer.Wait());
    EXPECT_TRUE(NamesExpression(answer, "bmp.bmp != NULL")) << answer.text;
    DestroyWindow(window);
}

}  // namespace
