#include <gtest/gtest.h>

#include "picture_test_resources.h"
#include "wicker.h"

namespace {

const int kMissingIcon = 7399;

TEST(ImageListTest, DefaultListIsMadeOnFirstUse)
{
    ImageList list;
    EXPECT_EQ(list.handle, nullptr);
    EXPECT_EQ(list.kind, kSmallIcons);
    EXPECT_EQ(static_cast<int>(list.Count), 0);
    EXPECT_EQ(static_cast<int>(list.IconWidth), 0);

    EXPECT_EQ(list.AddIconHandle(LoadIconA(NULL, IDI_APPLICATION)), 0);
    ASSERT_NE(list.handle, nullptr);
    EXPECT_EQ(static_cast<int>(list.IconWidth), GetSystemMetrics(SM_CXSMICON));
    EXPECT_EQ(static_cast<int>(list.Count), 1);
    EXPECT_TRUE(list.Destroy());
}

TEST(ImageListTest, SizeKindsGiveTheirIconSides)
{
    const struct {
        int kind;
        int side;
    } cases[] = {
        {kSmallIcons, GetSystemMetrics(SM_CXSMICON)},
        {kIcons24, 24},
        {kStandardIcons, GetSystemMetrics(SM_CXICON)},
        {-5, GetSystemMetrics(SM_CXICON)},
    };
    for (const auto& entry : cases) {
        SCOPED_TRACE(entry.kind);
        ImageList list(entry.kind);
        ASSERT_NE(list.handle, nullptr);
        EXPECT_EQ(static_cast<int>(list.IconWidth), entry.side);
        EXPECT_EQ(static_cast<int>(list.IconHeight), entry.side);
        EXPECT_EQ(static_cast<int>(list.Count), 0);
        list.Destroy();
    }
}

TEST(ImageListTest, IconsAppendInOrderAndMissingOnesFail)
{
    ImageList list(kIcons24);
    EXPECT_EQ(list.AddIconResource(PICTURE_SUN_ICON), 0);
    EXPECT_EQ(list.AddIconByName(String("SUN"), GetModuleHandleA(NULL)), 1);
    EXPECT_EQ(list.AddIconHandle(LoadIconA(NULL, IDI_WARNING)), 2);
    EXPECT_EQ(list.AddIconResource(kMissingIcon), -1);
    // Index 0 is a real icon: a missing one must not look like it.
    EXPECT_EQ(list.AddIconByName(String("NO_SUCH_ICON"), GetModuleHandleA(NULL)), -1);
    EXPECT_EQ(list.AddIconHandle(NULL), -1);
    EXPECT_EQ(static_cast<int>(list.Count), 3);
    // The list keeps its own size kind once made.
    EXPECT_EQ(static_cast<int>(list.IconWidth), 24);

    EXPECT_TRUE(list.RemoveAll());
    EXPECT_EQ(static_cast<int>(list.Count), 0);
    list.Destroy();
}

TEST(ImageListTest, IconSizeWritesKeepTheOtherSide)
{
    ImageList list(kSmallIcons);
    list.IconWidth = 40;
    EXPECT_EQ(static_cast<int>(list.IconWidth), 40);
    EXPECT_EQ(static_cast<int>(list.IconHeight), GetSystemMetrics(SM_CYSMICON));
    list.IconHeight = 30;
    EXPECT_EQ(static_cast<int>(list.IconWidth), 40);
    EXPECT_EQ(static_cast<int>(list.IconHeight), 30);
    list.Destroy();
}

TEST(ImageListTest, DestroyForgetsTheHandle)
{
    ImageList list(kSmallIcons);
    ASSERT_NE(list.handle, nullptr);
    EXPECT_TRUE(list.Destroy());
    EXPECT_EQ(list.handle, nullptr);
    EXPECT_FALSE(list.Destroy());
    EXPECT_FALSE(list.RemoveAll());
    EXPECT_EQ(static_cast<int>(list.Count), 0);
    // Adding afterwards makes a fresh list.
    EXPECT_EQ(list.AddIconResource(PICTURE_SUN_ICON), 0);
    list.Destroy();
}

// A window keeps one holder per place; replacing, clearing and the window's
// end each let go of exactly the holder they should.
TEST(ImageListTest, AWindowKeepsOneHolderPerPlace)
{
    HWND window = CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 10, 10, NULL, NULL, NULL, NULL);
    ASSERT_NE(window, nullptr);
    ImageList first(kSmallIcons), second(kSmallIcons);
    EXPECT_TRUE(KeepImageListWithWindow(window, 0, first));
    EXPECT_TRUE(KeepImageListWithWindow(window, 3, second));
    EXPECT_EQ(first.Holders(), 2);
    EXPECT_EQ(second.Holders(), 2);

    EXPECT_TRUE(KeepImageListWithWindow(window, 0, second));
    EXPECT_EQ(first.Holders(), 1);
    EXPECT_EQ(second.Holders(), 3);
    EXPECT_TRUE(KeepImageListWithWindow(window, 0, ImageList()));
    EXPECT_EQ(second.Holders(), 2);

    EXPECT_FALSE(KeepImageListWithWindow(window, 4, first));
    EXPECT_FALSE(KeepImageListWithWindow(window, -1, first));
    EXPECT_EQ(first.Holders(), 1);

    DestroyWindow(window);
    EXPECT_EQ(second.Holders(), 1);
    EXPECT_FALSE(KeepImageListWithWindow(window, 0, first));
    EXPECT_EQ(first.Holders(), 1);
}

TEST(ImageListTest, CopyFromReplacesTheListWithSmallCopies)
{
    ImageList source(kStandardIcons);
    source.AddIconResource(PICTURE_SUN_ICON);
    source.AddIconHandle(LoadIconA(NULL, IDI_APPLICATION));
    source.AddIconHandle(LoadIconA(NULL, IDI_QUESTION));

    ImageList copy(kIcons24);
    copy.AddIconResource(PICTURE_SUN_ICON);
    copy.CopyFrom(source);
    ASSERT_NE(copy.handle, nullptr);
    EXPECT_NE(copy.handle, source.handle);
    EXPECT_EQ(static_cast<int>(copy.Count), 3);
    EXPECT_EQ(static_cast<int>(copy.IconWidth), GetSystemMetrics(SM_CXSMICON));
    EXPECT_EQ(static_cast<int>(source.Count), 3);

    // Copying from itself or from a list never made changes nothing.
    HIMAGELIST kept = copy.handle;
    copy.CopyFrom(copy);
    EXPECT_EQ(copy.handle, kept);
    EXPECT_EQ(static_cast<int>(copy.Count), 3);
    ImageList none;
    copy.CopyFrom(none);
    EXPECT_EQ(copy.handle, kept);

    copy.Destroy();
    source.Destroy();
}

TEST(ImageListTest, LoadStripCutsABitmapIntoIcons)
{
    ImageList list;
    HIMAGELIST strip = list.LoadStrip(PICTURE_STRIP_BITMAP);
    ASSERT_NE(strip, nullptr);
    EXPECT_EQ(list.handle, nullptr);
    int side = GetSystemMetrics(SM_CXSMICON);
    EXPECT_EQ(ImageList_GetImageCount(strip), 48 / side);
    ImageList_Destroy(strip);
    EXPECT_EQ(list.LoadStrip(kMissingIcon), nullptr);
}

TEST(ImageListTest, IconObjectsGoInAndComeOut)
{
    IconObject sun;
    ASSERT_TRUE(sun.LoadResource(PICTURE_SUN_ICON));
    ImageList list(kStandardIcons);
    EXPECT_EQ(list.AddIcon(sun), 0);
    EXPECT_EQ(list.AddIcon(IconObject()), -1);
    IconObject out = list.GetIcon(0);
    ASSERT_NE(out.icon, (HICON)NULL);
    EXPECT_TRUE(out.Owns());
    EXPECT_EQ(static_cast<int>(out.Width), GetSystemMetrics(SM_CXICON));
    EXPECT_EQ(list.GetIcon(1).icon, (HICON)NULL);
    EXPECT_EQ(list.GetIcon(-1).icon, (HICON)NULL);

    IconObject application;
    ASSERT_TRUE(application.LoadSystem(IDI_APPLICATION));
    EXPECT_TRUE(list.ReplaceIcon(0, application));
    EXPECT_FALSE(list.ReplaceIcon(1, application));
    EXPECT_FALSE(list.ReplaceIcon(0, IconObject()));
    EXPECT_EQ(static_cast<int>(list.Count), 1);
}

TEST(ImageListTest, SystemIconsAreAppendedUpToTheCountAsked)
{
    ImageList all;
    int count = all.LoadSystemIcons(false, 0);
    EXPECT_GT(count, 0);
    EXPECT_EQ(static_cast<int>(all.Count), count);
    EXPECT_EQ(static_cast<int>(all.IconWidth), GetSystemMetrics(SM_CXSMICON));

    ImageList few;
    EXPECT_EQ(few.LoadSystemIcons(true, 2), 2);
    EXPECT_EQ(static_cast<int>(few.Count), 2);
    // More than there are: all of them.
    ImageList more;
    EXPECT_EQ(more.LoadSystemIcons(false, count + 5), count);
}

}  // namespace
