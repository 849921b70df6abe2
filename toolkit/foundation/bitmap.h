/// \file
/// A simple bitmap holder that can be drawn onto a window.
#ifndef WICKER_FOUNDATION_BITMAP_H
#define WICKER_FOUNDATION_BITMAP_H

#include <windows.h>

#include "property.h"
#include "shared_handle.h"
#include "string.h"

struct Control;

/// One bitmap with its header, from a handle or from a bitmap resource of the
/// program. Copies share the bitmap: one loaded from a resource is deleted by
/// its last holder, a handle given to it stays the giver's (a view).
struct Bitmap {
    /// Header width; the runtime check "bmp!=NULL" first.
    Property<Bitmap, int> Width;
    /// Header height; the runtime check "bmp!=NULL" first.
    Property<Bitmap, int> Height;
    ///@{
    /// Null when empty.
    HBITMAP bmp;
    BITMAP header;
    ///@}
    /// True when the bitmap was loaded here and is deleted by its last holder.
    bool owned;

    /// Empty.
    Bitmap();
    /// Around the handle (runtime check "this->bmp!=NULL"); the handle is not deleted here.
    explicit Bitmap(HBITMAP bitmap);
    /// The program's bitmap resource of this number (runtime check "this->bmp!=NULL").
    explicit Bitmap(int resourceId);
    /// The program's bitmap resource of this name (runtime check "this->bmp!=NULL").
    explicit Bitmap(const String& resourceName);
    /// Deletes an owned bitmap now (every sharer then holds nothing; their
    /// `bmp` fields must not be used again) and empties the holder.
    bool Destroy();

private:
    void BindProperties();
    void TakeHeader();
    void LoadResource(const char* name);
    int GetWidth();
    int GetHeight();

    SharedBitmap share;
};

/// Copies the whole bitmap to x, y of the control's window (BitBlt, SRCCOPY);
/// runtime check "bmp.bmp != NULL". False when nothing was drawn, and always
/// without a window (a null window's device context is the screen's).
bool DrawBitmap(Control& control, Bitmap& bmp, int x, int y);

#endif
