// Regions: shapes, the opaque pixels of a picture, region data in files and
// buffers, combinations, and a real window's shape.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "message_log.h"
#include "picture_files.h"
#include "scratch_folder.h"
#include "wicker.h"

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kInk = RGB(20, 40, 60);

RegionObject Rect(int left, int top, int right, int bottom)
{
    return RegionObject(CreateRectRgn(left, top, right, bottom), kOwnHandle);
}

bool IsLiveRegion(HRGN region)
{
    return GetObjectType(region) == OBJ_REGION;
}

// 6 x 4, white corner; row 1 entirely white (transparent).
//   row 0: . X X . X .
//   row 1: . . . . . .
//   row 2: X X X X X X
//   row 3: . . . . . X
Image Pattern()
{
    const char* rows[] = {".XX.X.", "......", "XXXXXX", ".....X"};
    std::vector<COLORREF> pixels;
    for (const char* row : rows)
        for (const char* at = row; *at; ++at)
            pixels.push_back(*at == 'X' ? kInk : kWhite);
    return Image(BitmapFromPixels(6, 4, pixels), kOwnHandle);
}

RegionObject PatternRegion()
{
    RegionObject expected = Rect(1, 0, 3, 1);
    expected.Unite(Rect(4, 0, 5, 1));
    expected.Unite(Rect(0, 2, 6, 3));
    expected.Unite(Rect(5, 3, 6, 4));
    return expected;
}

class RegionObjectTest : public ScratchFolderTest {};

TEST_F(RegionObjectTest, FromImageTakesEveryPixelUnlikeTheCorner)
{
    Image image = Pattern();
    RegionObject region;
    ASSERT_TRUE(region.FromImage(image, CLR_INVALID));
    EXPECT_TRUE(region.Equals(PatternRegion()));
    EXPECT_FALSE(region.Intersects(0, 1, 6, 2));
    EXPECT_TRUE(region.Contains(5, 3));
    EXPECT_FALSE(region.Contains(0, 0));

    // The ink as the transparent colour gives the white pixels instead.
    RegionObject white(image, kInk);
    RegionObject everything = Rect(0, 0, 6, 4);
    everything.Subtract(PatternRegion());
    EXPECT_TRUE(white.Equals(everything));

    RegionObject none;
    EXPECT_FALSE(none.FromImage(Image(), CLR_INVALID));
    EXPECT_EQ(none.region, (HRGN)NULL);
}

TEST_F(RegionObjectTest, SavedRegionLoadsEqual)
{
    RegionObject ellipse;
    ASSERT_TRUE(ellipse.Ellipse(3, 5, 40, 27));
    RegionObject pattern(Pattern(), CLR_INVALID);
    for (RegionObject* saved : {&ellipse, &pattern}) {
        std::string path = PathOf("shape.rgn");
        ASSERT_TRUE(saved->Save(String(path.c_str())));
        std::string bytes = ReadBytes(path);
        EXPECT_EQ(bytes.size(), GetRegionData(saved->region, 0, NULL));
        RegionObject loaded;
        EXPECT_EQ(loaded.LoadFile(String(path.c_str())), 1);
        EXPECT_TRUE(loaded.Equals(*saved));
        RegionObject buffered;
        ByteBuffer buffer(bytes.data(), static_cast<int>(bytes.size()));
        EXPECT_EQ(buffered.LoadBuffer(buffer), 1);
        EXPECT_TRUE(buffered.Equals(*saved));
        EXPECT_EQ(buffer.Length.Read(), static_cast<int>(bytes.size()));
    }
    EXPECT_FALSE(RegionObject().Save(String(PathOf("none.rgn").c_str())));
}

// Missing, empty, cut short, garbage, a header claiming more rectangles than
// there are, and an inside-out rectangle: all 0, and the region held stays.
TEST_F(RegionObjectTest, BadRegionDataIsRefusedAndChangesNothing)
{
    RegionObject saved = Rect(2, 2, 9, 9);
    std::string good = PathOf("good.rgn");
    ASSERT_TRUE(saved.Save(String(good.c_str())));
    std::string bytes = ReadBytes(good);
    std::string tooMany = bytes;
    tooMany[8] = 2;  // nCount: two rectangles, one present
    std::string insideOut = bytes;
    insideOut.replace(32, 4, std::string("\x50\0\0\0", 4));  // left past right
    const struct {
        const char* name;
        std::string bytes;
    } cases[] = {{"empty", ""},
                 {"cut short", bytes.substr(0, bytes.size() - 4)},
                 {"header only", bytes.substr(0, 20)},
                 {"garbage", std::string(48, '\x7f')},
                 {"too many rectangles", tooMany},
                 {"inside out", insideOut}};

    RegionObject held = Rect(0, 0, 3, 3);
    HRGN before = held.region;
    EXPECT_EQ(held.LoadFile(String(PathOf("missing.rgn").c_str())), 0);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::string path = PathOf("bad.rgn");
        WriteBytes(path, c.bytes);
        EXPECT_EQ(held.LoadFile(String(path.c_str())), 0);
        EXPECT_EQ(held.LoadBuffer(ByteBuffer(c.bytes.data(), static_cast<int>(c.bytes.size()))), 0);
        EXPECT_EQ(held.region, before);
        EXPECT_TRUE(held.Equals(Rect(0, 0, 3, 3)));
    }
    EXPECT_EQ(held.LoadResource(4242, String("RGN")), 0);
    EXPECT_EQ(held.region, before);
}

TEST_F(RegionObjectTest, CombinationsOfTwoOverlappingRectangles)
{
    struct CombineCase {
        const char* name;
        bool (RegionObject::*combine)(const RegionObject&);
        bool inLeftOnly, inBoth, inRightOnly;
    };
    const CombineCase cases[] = {
        {"Unite", &RegionObject::Unite, true, true, true},
        {"Intersect", &RegionObject::Intersect, false, true, false},
        {"Subtract", &RegionObject::Subtract, true, false, false},
        {"ExclusiveOr", &RegionObject::ExclusiveOr, true, false, true},
    };
    for (const CombineCase& c : cases) {
        SCOPED_TRACE(c.name);
        RegionObject left = Rect(0, 0, 10, 10);
        RegionObject copy = left;
        ASSERT_TRUE((left.*c.combine)(Rect(5, 5, 15, 15)));
        EXPECT_EQ(left.Contains(2, 2), c.inLeftOnly);
        EXPECT_EQ(left.Contains(7, 7), c.inBoth);
        EXPECT_EQ(left.Contains(12, 12), c.inRightOnly);
        // A copy taken before keeps its shape.
        EXPECT_TRUE(copy.Equals(Rect(0, 0, 10, 10)));
    }

    // An empty holder is the empty shape.
    RegionObject empty;
    EXPECT_TRUE(empty.Unite(Rect(1, 1, 4, 4)));
    EXPECT_TRUE(empty.Equals(Rect(1, 1, 4, 4)));
    RegionObject square = Rect(0, 0, 4, 4);
    EXPECT_TRUE(square.Subtract(RegionObject()));
    EXPECT_TRUE(square.Equals(Rect(0, 0, 4, 4)));
    EXPECT_TRUE(square.Intersect(RegionObject()));
    EXPECT_TRUE(square.IsEmpty());
    EXPECT_TRUE(RegionObject().Equals(Rect(3, 3, 3, 3)));
    EXPECT_TRUE(Rect(0, 0, 1, 1).Differs(RegionObject()));
}

TEST_F(RegionObjectTest, ShapeBuildersReplaceTheRegionAndDeleteTheOldOne)
{
    RegionObject region;
    ASSERT_TRUE(region.RoundRect(20, 10, 4));
    HRGN first = region.region;
    ASSERT_TRUE(region.Ellipse(5, 5, 20, 10));
    EXPECT_FALSE(IsLiveRegion(first));
    EXPECT_TRUE(region.Contains(15, 10));
    EXPECT_FALSE(region.Contains(5, 5));
    HRGN second = region.region;
    const POINT triangle[] = {{0, 0}, {10, 0}, {0, 10}};
    ASSERT_TRUE(region.Polygon(triangle, 3));
    EXPECT_FALSE(IsLiveRegion(second));
    EXPECT_TRUE(region.Contains(2, 2));
    EXPECT_FALSE(region.Contains(8, 8));
    ASSERT_TRUE(region.RoundRect(2, 3, 10, 10, 0));
    EXPECT_TRUE(region.Contains(2, 3));
    EXPECT_FALSE(region.Contains(1, 3));
    EXPECT_FALSE(region.Contains(13, 13));
}

// A window given a shape, and read back, through ApplyTo/FromWindow and
// through the Region property.
TEST_F(RegionObjectTest, WindowsTakeTheShapeAndGiveItBack)
{
    HWND window = CreateProbeWindow(200, 150);
    ASSERT_NE(window, (HWND)NULL);
    RegionObject shape;
    ASSERT_TRUE(shape.Ellipse(0, 0, 120, 80));
    ASSERT_TRUE(shape.ApplyTo(window));
    EXPECT_TRUE(IsLiveRegion(shape.region));
    RegionObject back;
    ASSERT_TRUE(back.FromWindow(window));
    EXPECT_TRUE(back.Equals(shape));

    Control control(window);
    RegionObject pattern(Pattern(), CLR_INVALID);
    control.Region = pattern;
    EXPECT_TRUE(control.Region().Equals(pattern));
    EXPECT_TRUE(IsLiveRegion(pattern.region));

    ASSERT_TRUE(RegionObject().ApplyTo(window));
    RegionObject none = Rect(0, 0, 1, 1);
    EXPECT_FALSE(none.FromWindow(window));
    EXPECT_TRUE(none.Equals(Rect(0, 0, 1, 1)));
    DestroyWindow(window);
}

}  // namespace
