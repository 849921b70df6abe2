// Every operation that makes or replaces GDI objects, repeated a few hundred
// times, leaves the program's count of GDI objects where it was. Under Wine
// an icon's pictures are GDI bitmaps, so icons that are kept too long show in
// the same count. The count works in both builds (tests/support/gdi_objects.h).
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <string>

#include "emulation.h"
#include "gdi_objects.h"
#include "picture_files.h"
#include "picture_test_resources.h"
#include "probe_parent.h"
#include "wicker.h"

namespace {

class ObjectLeaksTest : public ProbeParentTest {
protected:
    ObjectLeaksTest() : ProbeParentTest(300, 200) {}
};

// A picture of `rows` rows with a dark square every other 4 pixels: each row
// of squares gives many rectangles to a region built from it.
Image Checkered(int side)
{
    HDC screen = GetDC(NULL);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, side, side);
    HDC dc = CreateCompatibleDC(screen);
    HGDIOBJ before = SelectObject(dc, bitmap);
    RECT all = {0, 0, side, side};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    for (int y = 0; y < side; y += 4)
        for (int x = (y / 4) % 2 * 4; x < side; x += 8) {
            RECT square = {x, y, x + 4, y + 4};
            FillRect(dc, &square, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        }
    SelectObject(dc, before);
    DeleteDC(dc);
    ReleaseDC(NULL, screen);
    return Image(bitmap, kOwnHandle);
}

TEST_F(ObjectLeaksTest, RepeatedOperationsHoldNoMoreGdiObjects)
{
    ASSERT_GE(GdiObjectCount(), 0) << "the GDI object count cannot be read in this build";
    const Image picture = Checkered(96);
    IconObject icon(LoadIconA(NULL, IDI_APPLICATION));
    Form form("leaks", 0, 0, 200, 100, kFormStandard, true, false);
    ToolBar tools(1, parentControl);
    ListView list("", 2, 0, 0, 100, 100, parentControl);
    ImageBox box(3, 0, 0, 64, 64, parentControl, picture, 1, 0);
    Label label("text", 4, 0, 0, 80, 20, parentControl);
    ColorButton swatch(5, 0, 0, 30, 20, parentControl, RGB(1, 2, 3));
    TreeView tree("", 6, 0, 0, 100, 100, parentControl);
    Tab tab("", 7, 0, 0, 100, 100, parentControl);
    RichTextBox rich("", 8, 0, 0, 100, 60, parentControl, true, true, false, ES_MULTILINE, 0);
    const std::string bmpFile = ResourceBytes(PICTURE_RED_BMP), iconFile = ResourceBytes(PICTURE_SUN_ICO);
    int shade = 0;
    const struct {
        const char* operation;
        std::function<void()> once;
    } rows[] = {
        // 96 rows of 6 squares each: far more than the 64 rectangles given
        // to the system at a time, and many picture rows to merge.
        {"region from a picture", [&] { RegionObject shape(picture, RGB(255, 255, 255)); }},
        {"region shapes combined",
         [&] {
             RegionObject a, b;
             a.Ellipse(40, 40);
             b.RoundRect(10, 10, 50, 30, 8);
             a.Unite(b);
             a.Subtract(b);
         }},
        {"region data saved and loaded",
         [&] {
             RegionObject shape(picture, RGB(255, 255, 255));
             RegionObject copy;
             copy.LoadBuffer(shape.Data());
         }},
        {"icon width and height", [&] { volatile int size = icon.Width() + icon.Height(); (void)size; }},
        {"icon of a picture", [&] { IconObject made = picture.Icon; }},
        {"image list of icons",
         [&] {
             ImageList icons;
             for (int k = 0; k < 4; ++k)
                 icons.AddIcon(icon);
             IconObject back = icons.GetIcon(1);
         }},
        {"tool bar, list view, tree and tab image lists",
         [&] {
             ImageList icons;
             icons.AddIcon(icon);
             tools.SetImageList(icons);
             list.SetImageList(icons);
             tree.SetImageList(icons);
             tab.SetImageList(icons);
         }},
        {"pictures from file bytes and resources",
         [&] {
             Image bmp(ByteBuffer(bmpFile.data(), static_cast<int>(bmpFile.size())));
             Image ico(ByteBuffer(iconFile.data(), static_cast<int>(iconFile.size())));
             Image tile(PICTURE_TILE_BITMAP, "BITMAP");
             ImageList fromResource;
             fromResource.AddIconResource(PICTURE_SUN_ICON);
         }},
        {"resource bitmap drawn on a window",
         [&] {
             Bitmap tile(PICTURE_TILE_BITMAP);
             DrawBitmap(label, tile, 0, 0);
         }},
        {"window region set and read back",
         [&] {
             RegionObject shape;
             shape.Ellipse(60, 15);
             label.Region = shape;
             RegionObject back = label.Region;
         }},
        {"colour button and rich text colours",
         [&] {
             swatch.Color = RGB(shade % 256, 0, 0);
             rich.SetBackColor(RGB(0, shade % 256, 0));
             ++shade;
             UpdateWindow(swatch.hwnd);
         }},
        {"picture shown and replaced", [&] { box.SetImage(picture); box.FitImage(32); }},
        {"font made for the window", [&] { label.SetDefaultFont(); }},
        {"tray icon shown and changed",
         [&] {
             form.ModifyTrayIcon(icon, "tip");
             form.RemoveTrayIcon();
         }},
    };
    const int repeats = UnderEmulator() ? 60 : 300;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.operation);
        // Once first: the first use may make what is kept for later ones.
        row.once();
        const long before = GdiObjectCount();
        for (int k = 0; k < repeats; ++k)
            row.once();
        EXPECT_EQ(GdiObjectCount(), before) << repeats << " times";
    }
    DestroyWindow(form.hwnd);
}

// USER objects cannot be counted under Wine (GetGuiResources answers 0), so
// each one the toolkit makes is checked to go with whatever owns it: the
// handle no longer names a live menu, window or icon afterwards.
TEST_F(ObjectLeaksTest, UserObjectsGoWithTheirOwners)
{
    const struct {
        const char* object;
        // Makes the object, lets its owner go, and says whether it is still there.
        std::function<bool()> outlivesItsOwner;
    } rows[] = {
        {"menu bar on no window, last copy gone",
         [] {
             HMENU menu = NULL;
             {
                 MenuBar bar;
                 bar.AddMenu("&File", 1);
                 MenuBar copy = bar;
                 menu = bar.menu;
             }
             return IsMenu(menu) != FALSE;
         }},
        {"menu bar, window destroyed",
         [] {
             Form form("menus", 0, 0, 200, 100, kFormStandard, true, false);
             MenuBar bar(form);
             bar.AddMenu("&File", 1).AddItem("E&xit", 2);
             HMENU menu = bar.menu;
             DestroyWindow(form.hwnd);
             return IsMenu(menu) != FALSE;
         }},
        {"pop-up menu destroyed",
         [] {
             PopupMenu popup;
             popup.AddItem("One", 1);
             popup.AddSubmenu("More", 2).AddItem("Two", 3);
             HMENU menu = popup.menu;
             popup.Destroy();
             return IsMenu(menu) != FALSE;
         }},
        {"tooltip, its window destroyed",
         [this] {
             HWND tip = NULL;
             {
                 Button button("Go", 9, 0, 0, 60, 20, parentControl);
                 button.ToolTip = "Starts it";
                 tip = button.tooltip;
                 DestroyWindow(button.hwnd);
             }
             return tip == NULL || IsWindow(tip) != FALSE;
         }},
        {"owned icon, last holder gone",
         [] {
             HICON made = CopyIcon(LoadIconA(NULL, IDI_APPLICATION));
             {
                 IconObject holder(made, kOwnHandle);
                 IconObject copy = holder;
             }
             ICONINFO parts = {};
             const bool alive = GetIconInfo(made, &parts) != FALSE;
             if (alive) {
                 DeleteObject(parts.hbmColor);
                 DeleteObject(parts.hbmMask);
             }
             return alive;
         }},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.object);
        EXPECT_FALSE(row.outlivesItsOwner());
    }
}

}  // namespace
