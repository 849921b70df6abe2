// The one ownership rule of the toolkit's handle holders, checked on each.
#include <gtest/gtest.h>

#include <utility>

#include "picture_files.h"
#include "wicker.h"

namespace {

HBITMAP MakeBitmap() { return CreateBitmap(4, 4, 1, 32, NULL); }
HICON MakeIcon() { return CopyIcon(LoadIconA(NULL, IDI_APPLICATION)); }
HRGN MakeRegion() { return CreateRectRgn(0, 0, 5, 5); }

bool BitmapAlive(HBITMAP bitmap) { return IsLiveBitmap(bitmap); }
bool RegionAlive(HRGN region) { return GetObjectType(region) == OBJ_REGION; }
bool IconAlive(HICON icon)
{
    ICONINFO parts = {};
    if (!GetIconInfo(icon, &parts))
        return false;
    DeleteObject(parts.hbmColor);
    DeleteObject(parts.hbmMask);
    return true;
}

// Copies, assignments and moves share an owned handle and the last holder
// releases it; a viewed handle is never released; Destroy releases at once.
template <typename Holder, typename Handle>
void ExpectSharedOwnership(Handle (*make)(), bool (*alive)(Handle), Handle Holder::*field)
{
    Handle owned = make();
    ASSERT_NE(owned, nullptr);
    {
        Holder first(owned, kOwnHandle);
        EXPECT_TRUE(first.Owns());
        {
            Holder copy(first);
            Holder assigned;
            assigned = copy;
            EXPECT_EQ(assigned.*field, owned);
        }
        EXPECT_TRUE(alive(owned));
        Holder moved(std::move(first));
        first = Holder();
        EXPECT_TRUE(alive(owned));
    }
    EXPECT_FALSE(alive(owned));

    Handle viewed = make();
    {
        Holder view(viewed);
        EXPECT_FALSE(view.Owns());
        Holder copy(view);
    }
    EXPECT_TRUE(alive(viewed));

    Holder one(viewed, kOwnHandle);
    Holder other(one);
    EXPECT_TRUE(one.Destroy());
    EXPECT_FALSE(alive(viewed));
    EXPECT_EQ(one.*field, nullptr);
    EXPECT_FALSE(other.Owns());
    EXPECT_FALSE(other.Destroy());
}

TEST(SharedHandleTest, ImagesIconsAndRegionsFollowOneRule)
{
    {
        SCOPED_TRACE("Image");
        ExpectSharedOwnership<Image, HBITMAP>(MakeBitmap, BitmapAlive, &Image::bmp);
    }
    {
        SCOPED_TRACE("IconObject");
        ExpectSharedOwnership<IconObject, HICON>(MakeIcon, IconAlive, &IconObject::icon);
    }
    {
        SCOPED_TRACE("RegionObject");
        ExpectSharedOwnership<RegionObject, HRGN>(MakeRegion, RegionAlive, &RegionObject::region);
    }
}

TEST(SharedHandleTest, ImageListCopiesShareOneList)
{
    ImageList first(kSmallIcons);
    ASSERT_EQ(first.AddIconHandle(LoadIconA(NULL, IDI_APPLICATION)), 0);
    {
        ImageList copy(first);
        EXPECT_EQ(copy.handle, first.handle);
        EXPECT_EQ(copy.Count.m_cObject, &copy);
    }
    EXPECT_EQ(ImageList_GetImageCount(first.handle), 1);
    ImageList other = first;
    EXPECT_TRUE(first.Destroy());
    EXPECT_EQ(first.handle, nullptr);
    EXPECT_FALSE(other.Destroy());
}

}  // namespace
