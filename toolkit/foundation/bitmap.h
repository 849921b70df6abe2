// A simple bitmap holder that can be drawn onto a window.
#ifndef WICKER_FOUNDATION_BITMAP_H
#define WICKER_FOUNDATION_BITMAP_H

#include <windows.h>

#include "property.h"
#include "string.h"

struct Control;

// One bitmap with its header, from a handle or from a bitmap resource of the
// program. A bitmap loaded from a resource belongs to the holder and is deleted
// with it, so a Bitmap is moved, never copied; a handle given to it stays the
// giver's.
struct Bitmap {
    // Header width; the runtime check "bmp!=NULL" first.
    Property<Bitmap, int> Width;
    // Header height; the runtime check "bmp!=NULL" first.
    Property<Bitmap, int> Height;
    // Null when empty.
    HBITMAP bmp;
    BITMAP header;
    // True when the bitmap was loaded here and is deleted by the destructor.
    bool owned;

    // Empty.
    Bitmap();
    // Around the handle (runtime check "this->bmp!=NULL"); the handle is not deleted here.
    explicit Bitmap(HBITMAP bitmap);
    // The program's bitmap resource of this number (runtime check "this->bmp!=NULL").
    explicit Bitmap(int resourceId);
    // The program's bitmap resource of this name (runtime check "this->bmp!=NULL").
    explicit Bitmap(const String& resourceName);
    Bitmap(Bitmap&& other) noexcept;
    Bitmap& operator=(Bitmap&& other) noexcept;
    Bitmap(const Bitmap&) = delete;
    Bitmap& operator=(const Bitmap&) = delete;
    // Deletes a bitmap loaded from a resource (DeleteObject).
    ~Bitmap();

private:
    void BindProperties();
    void TakeHeader();
    void LoadResource(const char* name);
    int GetWidth();
    int GetHeight();
};

// Copies the whole bitmap to x, y of the control's window (BitBlt, SRCCOPY);
// runtime check "bmp.bmp != NULL". False when nothing was drawn.
bool DrawBitmap(Control& control, Bitmap& bmp, int x, int y);

#endif
