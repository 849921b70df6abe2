// InvertBar on a 32-bit picture: a checkerboard inverted inside the
// rectangle only, starting at its corner, and undone by drawing it again.
#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "picture_files.h"
#include "wicker.h"

namespace {

const int kSide = 64;

// A picture whose every pixel differs from its neighbours.
struct Canvas {
    HDC dc = NULL;
    HBITMAP bitmap = NULL;
    HGDIOBJ old = NULL;
    DWORD* bits = NULL;

    Canvas()
    {
        BITMAPINFO info = TopDownRgbInfo(kSide, kSide);
        void* memory = NULL;
        dc = CreateCompatibleDC(NULL);
        bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &memory, NULL, 0);
        bits = static_cast<DWORD*>(memory);
        old = SelectObject(dc, bitmap);
        for (int i = 0; i < kSide * kSide; ++i)
            bits[i] = (i * 2654435761u) & 0xFFFFFF;
    }
    ~Canvas()
    {
        SelectObject(dc, old);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
    std::vector<DWORD> Pixels()
    {
        GdiFlush();
        return std::vector<DWORD>(bits, bits + kSide * kSide);
    }
};

TEST(InvertBarTest, InvertsACheckerboardInsideTheBarAndTwiceRestores)
{
    struct Bar {
        int x, y, width, height;
    };
    const Bar bars[] = {{0, 0, 64, 64}, {3, 5, 5, 40}, {10, 7, 33, 6}, {1, 1, 1, 1}};
    for (const Bar& bar : bars) {
        SCOPED_TRACE(::testing::Message() << bar.x << "," << bar.y << " " << bar.width << "x"
                                          << bar.height);
        Canvas canvas;
        std::vector<DWORD> before = canvas.Pixels();
        ASSERT_TRUE(InvertBar(canvas.dc, bar.x, bar.y, bar.width, bar.height));
        std::vector<DWORD> once = canvas.Pixels();
        int wrong = 0;
        for (int y = 0; y < kSide; ++y) {
            for (int x = 0; x < kSide; ++x) {
                bool inside = x >= bar.x && x < bar.x + bar.width && y >= bar.y &&
                              y < bar.y + bar.height;
                // The bar's own corner is inverted, then every other pixel.
                bool inverted = inside && ((x - bar.x) + (y - bar.y)) % 2 == 0;
                DWORD expected = inverted ? (~before[y * kSide + x] & 0xFFFFFF)
                                          : before[y * kSide + x];
                if ((once[y * kSide + x] & 0xFFFFFF) != expected)
                    ++wrong;
            }
        }
        EXPECT_EQ(0, wrong);
        ASSERT_TRUE(InvertBar(canvas.dc, bar.x, bar.y, bar.width, bar.height));
        EXPECT_TRUE(canvas.Pixels() == before);
    }
}

}  // namespace
