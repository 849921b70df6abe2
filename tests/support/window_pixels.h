// What a window shows, read back as pixels after a full repaint, and the
// questions the drawing tests ask of them.
#ifndef TESTS_SUPPORT_WINDOW_PIXELS_H
#define TESTS_SUPPORT_WINDOW_PIXELS_H

#include <windows.h>

#include <vector>

// A rectangle of a window's client area, row by row.
struct PixelGrid {
    int width = 0;
    int height = 0;
    std::vector<COLORREF> colours;

    COLORREF At(int x, int y) const { return colours[y * width + x]; }
    // Pixels whose colour differs from `background` by more than `tolerance`
    // in some channel, and the smallest rectangle holding them (empty when
    // there are none).
    int CountDiffering(COLORREF background, int tolerance = 24) const;
    RECT BoundsOfDiffering(COLORREF background, int tolerance = 24) const;
};

// Repaints the window's top-level window wholly, frames and every child
// included, and gives the painting waitMs.
void RepaintWholly(HWND window, DWORD waitMs = 50);

// The area of the window's client area as painted after RepaintWholly.
PixelGrid RepaintedPixels(HWND window, const RECT& area, DWORD waitMs = 50);

// The whole window, frame and scroll bars included, as it shows now (no
// repaint first).
PixelGrid WholeWindowPixels(HWND window);

// The larger of the channel differences between two colours.
int ColourDistance(COLORREF one, COLORREF other);

#endif
