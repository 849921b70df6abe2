#include "window_pixels.h"

#include <cstdlib>

#include "message_log.h"

int ColourDistance(COLORREF one, COLORREF other)
{
    int red = std::abs(GetRValue(one) - GetRValue(other));
    int green = std::abs(GetGValue(one) - GetGValue(other));
    int blue = std::abs(GetBValue(one) - GetBValue(other));
    int most = red > green ? red : green;
    return most > blue ? most : blue;
}

int PixelGrid::CountDiffering(COLORREF background, int tolerance) const
{
    int count = 0;
    for (COLORREF colour : colours)
        count += ColourDistance(colour, background) > tolerance ? 1 : 0;
    return count;
}

RECT PixelGrid::BoundsOfDiffering(COLORREF background, int tolerance) const
{
    RECT bounds = {width, height, 0, 0};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            if (ColourDistance(At(x, y), background) <= tolerance)
                continue;
            if (x < bounds.left)
                bounds.left = x;
            if (y < bounds.top)
                bounds.top = y;
            if (x + 1 > bounds.right)
                bounds.right = x + 1;
            if (y + 1 > bounds.bottom)
                bounds.bottom = y + 1;
        }
    if (bounds.right <= bounds.left)
        SetRectEmpty(&bounds);
    return bounds;
}

void RepaintWholly(HWND window, DWORD waitMs)
{
    RedrawWindow(GetAncestor(window, GA_ROOT), NULL, NULL,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpMessages(waitMs);
}

// Copied out of the window's own device context into a top-down 32-bit DIB,
// whose bytes are blue, green, red and an unused one.
namespace {

// The area of a device context's surface (GetDC for the client area,
// GetWindowDC for the whole window).
PixelGrid CopiedPixels(HWND window, const RECT& area, bool wholeWindow)
{
    PixelGrid grid;
    grid.width = area.right - area.left;
    grid.height = area.bottom - area.top;
    if (grid.width <= 0 || grid.height <= 0)
        return PixelGrid();
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = grid.width;
    info.bmiHeader.biHeight = -grid.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = NULL;
    HDC windowDc = wholeWindow ? GetWindowDC(window) : GetDC(window);
    HDC memory = CreateCompatibleDC(windowDc);
    HBITMAP dib = CreateDIBSection(windowDc, &info, DIB_RGB_COLORS, &bits, NULL, 0);
    HGDIOBJ before = SelectObject(memory, dib);
    BitBlt(memory, 0, 0, grid.width, grid.height, windowDc, area.left, area.top, SRCCOPY);
    GdiFlush();
    const unsigned char* bytes = static_cast<const unsigned char*>(bits);
    grid.colours.resize(static_cast<size_t>(grid.width) * grid.height);
    for (size_t i = 0; bytes != NULL && i < grid.colours.size(); ++i)
        grid.colours[i] = RGB(bytes[i * 4 + 2], bytes[i * 4 + 1], bytes[i * 4]);
    SelectObject(memory, before);
    DeleteObject(dib);
    DeleteDC(memory);
    ReleaseDC(window, windowDc);
    return grid;
}

}  // namespace

PixelGrid RepaintedPixels(HWND window, const RECT& area, DWORD waitMs)
{
    RepaintWholly(window, waitMs);
    return CopiedPixels(window, area, false);
}

PixelGrid WholeWindowPixels(HWND window)
{
    RECT frame;
    GetWindowRect(window, &frame);
    RECT area = {0, 0, frame.right - frame.left, frame.bottom - frame.top};
    return CopiedPixels(window, area, true);
}
