#include "icon_resample.h"

#include <vector>

#include "resampler.h"

namespace {

bool IsDrawnSide(int side)
{
    return side == 16 || side == 32 || side == 48;
}

// The icon's pixels as top-down blue, green, red, alpha. An icon without
// alpha takes it from its mask (a clear mask bit is opaque).
bool IconPixels(HICON icon, int& width, int& height, std::vector<BYTE>& pixels)
{
    ICONINFO parts = {};
    if (!GetIconInfo(icon, &parts))
        return false;
    BITMAP shape = {};
    bool got = parts.hbmColor != NULL && GetObjectA(parts.hbmColor, sizeof shape, &shape) != 0;
    if (got) {
        width = shape.bmWidth;
        height = shape.bmHeight;
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        pixels.assign(static_cast<size_t>(width) * height * 4, 0);
        std::vector<BYTE> mask(static_cast<size_t>(width) * height * 4, 0);
        HDC screen = GetDC(NULL);
        got = IsPictureSize(width, height) &&
              GetDIBits(screen, parts.hbmColor, 0, height, pixels.data(), &info, DIB_RGB_COLORS) ==
                  height &&
              GetDIBits(screen, parts.hbmMask, 0, height, mask.data(), &info, DIB_RGB_COLORS) ==
                  height;
        ReleaseDC(NULL, screen);
        bool anyAlpha = false;
        for (size_t i = 3; got && i < pixels.size() && !anyAlpha; i += 4)
            anyAlpha = pixels[i] != 0;
        for (size_t i = 0; got && !anyAlpha && i < pixels.size(); i += 4)
            pixels[i + 3] = mask[i] == 0 ? 255 : 0;
    }
    DeleteObject(parts.hbmColor);
    DeleteObject(parts.hbmMask);
    return got;
}

// An icon of a 32-bit picture with straight alpha; its mask is clear where
// the picture is less than half opaque, for those who draw by the mask.
HICON IconOfPixels(int side, const std::vector<BYTE>& pixels)
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
    HDC screen = GetDC(NULL);
    HBITMAP colour = CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(&header),
                                      DIB_RGB_COLORS, &bits, NULL, 0);
    ReleaseDC(NULL, screen);
    // Rows of a monochrome bitmap are padded to 16 bits.
    int maskStride = ((side + 15) / 16) * 2;
    std::vector<BYTE> maskBits(static_cast<size_t>(maskStride) * side, 0);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            if (pixels[(static_cast<size_t>(y) * side + x) * 4 + 3] < 128)
                maskBits[static_cast<size_t>(y) * maskStride + x / 8] |=
                    static_cast<BYTE>(0x80 >> (x % 8));
    HBITMAP mask = CreateBitmap(side, side, 1, 1, maskBits.data());
    HICON made = NULL;
    if (colour != NULL && bits != NULL && mask != NULL) {
        CopyMemory(bits, pixels.data(), pixels.size());
        ICONINFO parts = {TRUE, 0, 0, mask, colour};
        made = CreateIconIndirect(&parts);
    }
    DeleteObject(colour);
    DeleteObject(mask);
    return made;
}

// Reduces a width x height picture to side x side: the colours are weighted
// by opacity before averaging (so clear pixels lend no colour to the edge)
// and divided by the averaged opacity after.
bool Reduce(int width, int height, const std::vector<BYTE>& source, int side,
            std::vector<BYTE>& target)
{
    size_t sourceStride = Rgb24Stride(width), targetStride = Rgb24Stride(side);
    std::vector<BYTE> colour(sourceStride * height), alpha(sourceStride * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const BYTE* pixel = &source[(static_cast<size_t>(y) * width + x) * 4];
            BYTE* rgb = &colour[y * sourceStride + x * 3];
            BYTE* a = &alpha[y * sourceStride + x * 3];
            for (int c = 0; c < 3; ++c) {
                rgb[c] = static_cast<BYTE>(pixel[c] * pixel[3] / 255);
                a[c] = pixel[3];
            }
        }
    std::vector<BYTE> smallColour(targetStride * side), smallAlpha(targetStride * side);
    if (!AreaAverage(colour.data(), width, height, static_cast<int>(sourceStride),
                     smallColour.data(), side, side, static_cast<int>(targetStride)) ||
        !AreaAverage(alpha.data(), width, height, static_cast<int>(sourceStride),
                     smallAlpha.data(), side, side, static_cast<int>(targetStride)))
        return false;
    target.assign(static_cast<size_t>(side) * side * 4, 0);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) {
            BYTE* pixel = &target[(static_cast<size_t>(y) * side + x) * 4];
            int opacity = smallAlpha[y * targetStride + x * 3];
            pixel[3] = static_cast<BYTE>(opacity);
            for (int c = 0; c < 3 && opacity > 0; ++c) {
                int value = smallColour[y * targetStride + x * 3 + c] * 255 / opacity;
                pixel[c] = static_cast<BYTE>(value > 255 ? 255 : value);
            }
        }
    return true;
}

}  // namespace

HICON ResampledIcon(HICON icon, int side)
{
    if (icon == NULL || side < 1 || side > 256)
        return NULL;
    if (IsDrawnSide(side)) {
        HICON copy = static_cast<HICON>(CopyImage(icon, IMAGE_ICON, side, side, LR_COPYFROMRESOURCE));
        return copy != NULL ? copy : static_cast<HICON>(CopyImage(icon, IMAGE_ICON, side, side, 0));
    }
    // Twice the side, from the resource's nearest picture; then halved here.
    HICON large = static_cast<HICON>(
        CopyImage(icon, IMAGE_ICON, side * 2, side * 2, LR_COPYFROMRESOURCE));
    int width = 0, height = 0;
    std::vector<BYTE> pixels, reduced;
    bool read = IconPixels(large != NULL ? large : icon, width, height, pixels);
    if (large != NULL)
        DestroyIcon(large);
    if (!read || !Reduce(width, height, pixels, side, reduced))
        return static_cast<HICON>(CopyImage(icon, IMAGE_ICON, side, side, 0));
    return IconOfPixels(side, reduced);
}
