#include "bitmap.h"

#include "control.h"

Bitmap::Bitmap() : bmp(NULL), header(), owned(false)
{
    BindProperties();
}

Bitmap::Bitmap(int resourceId) : bmp(NULL), header(), owned(false)
{
    BindProperties();
    LoadResource(MAKEINTRESOURCEA(resourceId));
}

Bitmap::Bitmap(const String& resourceName) : bmp(NULL), header(), owned(false)
{
    BindProperties();
    LoadResource(resourceName.CStr());
}

Bitmap::Bitmap(HBITMAP bitmap) : bmp(bitmap), header(), owned(false), share(bitmap, kViewHandle)
{
    BindProperties();
    WICKER_CHECK(this->bmp!=NULL);
    TakeHeader();
}

bool Bitmap::Destroy()
{
    bool deleted = share.Destroy();
    bmp = NULL;
    owned = false;
    TakeHeader();
    return deleted;
}

void Bitmap::BindProperties()
{
    Width.Clear();
    Height.Clear();
    Width.Bind(this, &Bitmap::GetWidth, NULL);
    Height.Bind(this, &Bitmap::GetHeight, NULL);
}

// The header of the held bitmap (GetObjectA); all zero when there is none.
void Bitmap::TakeHeader()
{
    ZeroMemory(&header, sizeof header);
    if (bmp != NULL)
        GetObjectA(bmp, sizeof header, &header);
}

// Loads a bitmap resource of the program's own module (LoadBitmapA).
void Bitmap::LoadResource(const char* name)
{
    bmp = LoadBitmapA(GetModuleHandleA(NULL), name);
    owned = bmp != NULL;
    share.Reset(bmp, kOwnHandle);
    WICKER_CHECK(this->bmp!=NULL);
    TakeHeader();
}

int Bitmap::GetWidth()
{
    WICKER_CHECK(bmp!=NULL);
    return header.bmWidth;
}

int Bitmap::GetHeight()
{
    WICKER_CHECK(bmp!=NULL);
    return header.bmHeight;
}

// A memory device context compatible with the window's holds the bitmap while
// it is copied (GetDC, CreateCompatibleDC, SelectObject, BitBlt); the old
// bitmap goes back into the memory context before it is deleted.
bool DrawBitmap(Control& control, Bitmap& bmp, int x, int y)
{
    if (!WICKER_CHECK(bmp.bmp != NULL))
        return false;
    if (control.hwnd == NULL)
        return false;
    HDC window = GetDC(control.hwnd);
    if (window == NULL)
        return false;
    bool drawn = false;
    HDC memory = CreateCompatibleDC(window);
    if (memory != NULL) {
        HGDIOBJ previous = SelectObject(memory, bmp.bmp);
        if (previous != NULL) {
            drawn = BitBlt(window, x, y, bmp.Width, bmp.Height, memory, 0, 0, SRCCOPY) != FALSE;
            SelectObject(memory, previous);
        }
        DeleteDC(memory);
    }
    ReleaseDC(control.hwnd, window);
    return drawn;
}
