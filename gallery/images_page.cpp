// Images: a picture drawn here, fitted into a picture box by resampling; an
// image button; an icon made from a picture; and a small form given the
// shape of a picture's opaque pixels.
#include "pages.h"

namespace {

// Draws into a new screen-compatible picture with GDI.
template <typename Paint>
Image DrawnPicture(int width, int height, Paint paint)
{
    HDC screen = GetDC(NULL);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    paint(memory);
    SelectObject(memory, previous);
    DeleteDC(memory);
    ReleaseDC(NULL, screen);
    return Image(bitmap, kOwnHandle);
}

void Fill(HDC dc, int left, int top, int right, int bottom, COLORREF colour)
{
    RECT area = {left, top, right, bottom};
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &area, brush);
    DeleteObject(brush);
}

void Disc(HDC dc, int left, int top, int right, int bottom, COLORREF colour)
{
    HBRUSH brush = CreateSolidBrush(colour);
    HPEN pen = CreatePen(PS_SOLID, 1, colour);
    HGDIOBJ oldBrush = SelectObject(dc, brush);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    Ellipse(dc, left, top, right, bottom);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(brush);
    DeleteObject(pen);
}

// A landscape of 640 x 400: sky in bands, a sun, two hills.
Image Landscape()
{
    return DrawnPicture(640, 400, [](HDC dc) {
        for (int band = 0; band < 20; ++band)
            Fill(dc, 0, band * 20, 640, band * 20 + 20, RGB(90 + band * 6, 150 + band * 4, 250));
        Disc(dc, 470, 50, 570, 150, RGB(255, 210, 40));
        Disc(dc, -200, 220, 420, 640, RGB(60, 150, 60));
        Disc(dc, 260, 250, 900, 700, RGB(40, 120, 50));
    });
}

// A 64 x 64 button face: a blue square with a white arrow.
Image ButtonFace()
{
    return DrawnPicture(64, 64, [](HDC dc) {
        Fill(dc, 0, 0, 64, 64, RGB(40, 90, 200));
        Fill(dc, 14, 26, 36, 38, RGB(255, 255, 255));
        POINT arrow[] = {{34, 14}, {54, 32}, {34, 50}};
        HBRUSH brush = CreateSolidBrush(RGB(255, 255, 255));
        HGDIOBJ old = SelectObject(dc, brush);
        Polygon(dc, arrow, 3);
        SelectObject(dc, old);
        DeleteObject(brush);
    });
}

// A 32 x 32 picture for the icon: a red disc on yellow.
Image IconFace()
{
    return DrawnPicture(32, 32, [](HDC dc) {
        Fill(dc, 0, 0, 32, 32, RGB(255, 230, 80));
        Disc(dc, 4, 4, 28, 28, RGB(210, 40, 40));
    });
}

// A 140 x 120 shape on white: two overlapping discs and a bar; white is
// the transparent colour (the corner pixel's).
Image ShapeFace()
{
    return DrawnPicture(140, 120, [](HDC dc) {
        Fill(dc, 0, 0, 140, 120, RGB(255, 255, 255));
        Disc(dc, 4, 10, 84, 90, RGB(230, 120, 30));
        Disc(dc, 56, 30, 136, 110, RGB(150, 60, 180));
        Fill(dc, 20, 96, 120, 116, RGB(30, 140, 140));
    });
}

}  // namespace

void images_page(Form& page)
{
    Label(String("Picture fitted to 240 (FitTo)"), 201, 10, 10, 260, 20, page);
    Image photo = Landscape();
    photo.FitTo(240);  // 640 x 400 -> 240 x 150
    ImageBox(101, 10, 32, 240, 150, page, photo, 1, 0);

    Label(String("Enlarged 40 x 25 -> 240 x 150"), 202, 10, 202, 260, 20, page);
    Image tiny = Landscape();
    tiny.Resize(40, 25);
    tiny.Resize(240, 150);
    ImageBox(102, 10, 224, 240, 150, page, tiny, 1, 0);

    Label(String("ImageButton"), 203, 290, 10, 140, 20, page);
    ImageButton(103, 290, 32, page, ButtonFace());

    Label(String("Icon from a picture"), 204, 290, 112, 160, 20, page);
    IconBox(String(""), 104, 290, 134, 32, 32, page, IconFace().Icon);

    Label(String("Form shaped by FromImage"), 205, 290, 202, 200, 20, page);
    // The wrapper stays for the program's life, as the gallery's forms do.
    static Form shaped;
    // Pictures keep their pixels on a screen of higher DPI: this one is
    // resampled to the form's logical size in the screen's pixels, so that
    // the picture and the shape made from it fill the form there too.
    Image shape = ShapeFace();
    shape.Resize(LogicalToPixels(page, 140), LogicalToPixels(page, 120));
    shaped.Create(String(""), 290, 224, 140, 120, kFormPopup, true, true, false, false, false,
                  page, true);
    ImageBox(105, 0, 0, 140, 120, shaped, shape, 1, 0);
    shaped.Region = RegionObject(shape, CLR_INVALID);
}
