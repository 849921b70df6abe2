// Icons: loading, moving between holders, their size, and icons made from
// bitmaps as the screen shows them.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "picture_files.h"
#include "picture_test_resources.h"
#include "scratch_folder.h"
#include "wicker.h"

namespace {

// What the icon looks like drawn over a background of one colour (DrawIconEx
// into a memory bitmap).
std::vector<COLORREF> DrawnIcon(HICON icon, int width, int height, COLORREF background)
{
    HDC screen = GetDC(NULL);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP canvas = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ previous = SelectObject(memory, canvas);
    HBRUSH brush = CreateSolidBrush(background);
    RECT all = {0, 0, width, height};
    FillRect(memory, &all, brush);
    DeleteObject(brush);
    DrawIconEx(memory, 0, 0, icon, width, height, 0, NULL, DI_NORMAL);
    SelectObject(memory, previous);
    DeleteDC(memory);
    ReleaseDC(NULL, screen);
    std::vector<COLORREF> pixels = BitmapPixels(canvas);
    DeleteObject(canvas);
    return pixels;
}

class IconObjectTest : public ScratchFolderTest {};

// Light and dark pixels alike must show as they are, on any background.
TEST_F(IconObjectTest, IconMadeFromABitmapShowsTheBitmap)
{
    const std::vector<COLORREF> pixels = {RGB(255, 255, 255), RGB(0, 0, 0), RGB(200, 10, 10),
                                          RGB(10, 200, 10),   RGB(250, 250, 5), RGB(1, 2, 3),
                                          RGB(128, 128, 128), RGB(5, 5, 250), RGB(255, 255, 255)};
    Image image(BitmapFromPixels(3, 3, pixels), kOwnHandle);
    IconObject icon = image.Icon;
    ASSERT_TRUE(icon.HasIcon());
    EXPECT_TRUE(icon.Owns());
    EXPECT_EQ(static_cast<int>(icon.Width), 3);
    EXPECT_EQ(static_cast<int>(icon.Height), 3);
    for (COLORREF background : {RGB(0, 0, 0), RGB(90, 160, 30)})
        EXPECT_EQ(DrawnIcon(icon.icon, 3, 3, background), pixels);

    Image back;
    ASSERT_TRUE(back.FromIcon(icon));
    EXPECT_EQ(BitmapPixels(back.bmp), pixels);
    EXPECT_TRUE(Image().Icon().icon == NULL);
}

TEST_F(IconObjectTest, LoadersKeepTheIconWhenTheyFail)
{
    std::string file = PathOf("sun.ico");
    ASSERT_TRUE(WriteResourceFile(PICTURE_SUN_ICO, file));
    IconObject icon;
    ASSERT_TRUE(icon.LoadFile(String(file.c_str())));
    EXPECT_TRUE(icon.Owns());
    EXPECT_EQ(static_cast<int>(icon.Width), 64);
    EXPECT_EQ(static_cast<int>(icon.Height), 64);
    HICON loaded = icon.icon;

    std::string bad = PathOf("bad.ico");
    std::string ico = ResourceBytes(PICTURE_SUN_ICO);
    for (const std::string& bytes : {std::string(), std::string("not an icon"), ico.substr(0, 30)}) {
        WriteBytes(bad, bytes);
        EXPECT_FALSE(icon.LoadFile(String(bad.c_str())));
        EXPECT_EQ(icon.icon, loaded);
    }
    EXPECT_FALSE(icon.LoadFile(String(PathOf("missing.ico").c_str())));
    EXPECT_FALSE(icon.LoadResource(4242));
    EXPECT_FALSE(icon.LoadSystem(MAKEINTRESOURCEA(4242)));
    EXPECT_EQ(icon.icon, loaded);

    // Shared icons are views: never destroyed through the holder.
    ASSERT_TRUE(icon.LoadResource(PICTURE_SUN_ICON));
    EXPECT_FALSE(icon.Owns());
    EXPECT_EQ(static_cast<int>(icon.Width), GetSystemMetrics(SM_CXICON));
    ASSERT_TRUE(icon.LoadSystem(IDI_APPLICATION));
    EXPECT_FALSE(icon.Owns());
    EXPECT_EQ(IconObject().Width(), 0);
}

TEST_F(IconObjectTest, TakeMovesTheIconAndItsOwnership)
{
    Image image(BitmapFromPixels(2, 2, std::vector<COLORREF>(4, RGB(9, 9, 9))), kOwnHandle);
    IconObject source = image.Icon;
    HICON made = source.icon;
    IconObject target;
    target.Take(source);
    EXPECT_EQ(target.icon, made);
    EXPECT_TRUE(target.Owns());
    EXPECT_EQ(source.icon, (HICON)NULL);
    EXPECT_EQ(source.Holders(), 0);
    EXPECT_TRUE(target.Destroy());
    ICONINFO parts;
    EXPECT_FALSE(GetIconInfo(made, &parts));
}

}  // namespace
