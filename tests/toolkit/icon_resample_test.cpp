// Icons taken at sides their sources were not drawn at: averaged by
// opacity, so edges stay smooth and colours keep their strength.
#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "wicker.h"

namespace {

// A side x side icon of straight-alpha pixels: opaque red in the columns
// `opaque` says, clear elsewhere.
HICON StripedIcon(int side, bool (*opaque)(int column))
{
    BITMAPV5HEADER header = {};
    header.bV5Size = sizeof header;
    header.bV5Width = side;
    header.bV5Height = -side;
    header.bV5Planes = 1;
    header.bV5BitCount = 32;
    header.bV5Compression = BI_BITFIELDS;
    header.bV5RedMask = 0x00FF0000;
    header.bV5GreenMask = 0x0000FF00;
    header.bV5BlueMask = 0x000000FF;
    header.bV5AlphaMask = 0xFF000000;
    void* bits = NULL;
    HBITMAP colour = CreateDIBSection(NULL, reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS,
                                      &bits, NULL, 0);
    DWORD* pixels = static_cast<DWORD*>(bits);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            pixels[y * side + x] = opaque(x) ? 0xFFFF0000 : 0x00000000;
    std::vector<BYTE> maskBits(static_cast<size_t>((side + 15) / 16 * 2) * side, 0);
    HBITMAP mask = CreateBitmap(side, side, 1, 1, maskBits.data());
    ICONINFO parts = {TRUE, 0, 0, mask, colour};
    HICON icon = CreateIconIndirect(&parts);
    DeleteObject(colour);
    DeleteObject(mask);
    return icon;
}

// The icon's pixels as 0xAARRGGBB, row by row.
std::vector<DWORD> PixelsOf(HICON icon, int& side)
{
    ICONINFO parts = {};
    std::vector<DWORD> pixels;
    if (!GetIconInfo(icon, &parts))
        return pixels;
    BITMAP shape = {};
    GetObjectA(parts.hbmColor, sizeof shape, &shape);
    side = shape.bmWidth;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = side;
    info.bmiHeader.biHeight = -shape.bmHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    pixels.resize(static_cast<size_t>(side) * shape.bmHeight);
    HDC screen = GetDC(NULL);
    GetDIBits(screen, parts.hbmColor, 0, shape.bmHeight, pixels.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(NULL, screen);
    DeleteObject(parts.hbmColor);
    DeleteObject(parts.hbmMask);
    return pixels;
}

TEST(IconResampleTest, AHalvedPictureAveragesOpacityAndKeepsItsColour)
{
    // Every other column opaque: halved, each pixel is half opaque and still
    // full red (not red darkened by the clear pixels beside it).
    HICON source = StripedIcon(48, [](int column) { return column % 2 == 0; });
    ASSERT_NE(source, (HICON)NULL);
    HICON halved = ResampledIcon(source, 24);
    ASSERT_NE(halved, (HICON)NULL);
    int side = 0;
    std::vector<DWORD> pixels = PixelsOf(halved, side);
    EXPECT_EQ(side, 24);
    ASSERT_EQ(pixels.size(), 24u * 24u);
    for (DWORD pixel : {pixels[0], pixels[24 * 12 + 7], pixels.back()}) {
        EXPECT_NEAR(static_cast<int>(pixel >> 24), 128, 2);
        EXPECT_EQ((pixel >> 16) & 0xFF, 255u) << std::hex << pixel;
        EXPECT_EQ(pixel & 0xFFFF, 0u) << std::hex << pixel;
    }
    DestroyIcon(halved);
    DestroyIcon(source);

    // A left half opaque stays a left half opaque, with a sharp edge.
    source = StripedIcon(48, [](int column) { return column < 24; });
    halved = ResampledIcon(source, 24);
    pixels = PixelsOf(halved, side);
    ASSERT_EQ(pixels.size(), 24u * 24u);
    EXPECT_EQ(pixels[11] >> 24, 255u);
    EXPECT_EQ(pixels[12] >> 24, 0u);
    DestroyIcon(halved);
    DestroyIcon(source);
}

TEST(IconResampleTest, UsualSidesAndRefusals)
{
    HICON system = LoadIconA(NULL, IDI_INFORMATION);
    for (int side : {16, 24, 32, 48}) {
        SCOPED_TRACE(side);
        HICON sized = ResampledIcon(system, side);
        ASSERT_NE(sized, (HICON)NULL);
        int got = 0;
        EXPECT_FALSE(PixelsOf(sized, got).empty());
        EXPECT_EQ(got, side);
        DestroyIcon(sized);
    }
    EXPECT_EQ(ResampledIcon(NULL, 24), (HICON)NULL);
    EXPECT_EQ(ResampledIcon(system, 0), (HICON)NULL);
}

}  // namespace
