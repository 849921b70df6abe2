#include "icon_object.h"

#include <new>

namespace {

// Icon files are loaded at this size.
const int kIconFileSide = 64;

// The size of an icon from its bitmaps: the colour bitmap when it has one,
// else the monochrome mask, which holds the AND and XOR halves one above the
// other. Both bitmaps GetIconInfo hands out are deleted.
SIZE IconSize(HICON icon)
{
    SIZE size = {0, 0};
    ICONINFO parts;
    if (icon == NULL || !GetIconInfo(icon, &parts))
        return size;
    BITMAP header;
    if (parts.hbmColor != NULL && GetObjectA(parts.hbmColor, sizeof header, &header) != 0) {
        size.cx = header.bmWidth;
        size.cy = header.bmHeight;
    } else if (parts.hbmMask != NULL && GetObjectA(parts.hbmMask, sizeof header, &header) != 0) {
        size.cx = header.bmWidth;
        size.cy = header.bmHeight / 2;
    }
    if (parts.hbmColor != NULL)
        DeleteObject(parts.hbmColor);
    if (parts.hbmMask != NULL)
        DeleteObject(parts.hbmMask);
    return size;
}

}  // namespace

IconObject::IconObject() : icon(NULL)
{
    BindProperties();
}

IconObject::IconObject(HICON handle, HandleOwnership ownership) : icon(handle), share(handle, ownership)
{
    BindProperties();
}

void IconObject::BindProperties()
{
    Width.Clear();
    Height.Clear();
    Width.Bind(this, &IconObject::GetWidth, NULL);
    Height.Bind(this, &IconObject::GetHeight, NULL);
}

void IconObject::SetHandle(HICON handle, HandleOwnership ownership)
{
    share.Reset(handle, ownership);
    icon = share.Get();
}

bool IconObject::LoadResource(int resourceId)
{
    HICON loaded = LoadIconA(GetModuleHandleA(NULL), MAKEINTRESOURCEA(resourceId));
    if (loaded == NULL)
        return false;
    SetHandle(loaded, kViewHandle);
    return true;
}

bool IconObject::LoadSystem(LPCSTR name)
{
    HICON loaded = LoadIconA(NULL, name);
    if (loaded == NULL)
        return false;
    SetHandle(loaded, kViewHandle);
    return true;
}

bool IconObject::LoadFile(const String& path)
{
    if (path.empty())
        return false;
    HICON loaded = static_cast<HICON>(
        LoadImageA(NULL, path.CStr(), IMAGE_ICON, kIconFileSide, kIconFileSide, LR_LOADFROMFILE));
    if (loaded == NULL)
        return false;
    SetHandle(loaded, kOwnHandle);
    return true;
}

void IconObject::Take(IconObject& other)
{
    if (&other == this)
        return;
    share = other.share;
    icon = share.Get();
    other.share = SharedIcon();
    other.icon = NULL;
}

bool IconObject::Destroy()
{
    icon = NULL;
    return share.Destroy();
}

HBITMAP IconObject::ColorBitmap() const
{
    ICONINFO parts;
    if (icon == NULL || !GetIconInfo(icon, &parts))
        return NULL;
    if (parts.hbmMask != NULL)
        DeleteObject(parts.hbmMask);
    return parts.hbmColor;
}

int IconObject::GetWidth()
{
    return IconSize(icon).cx;
}

int IconObject::GetHeight()
{
    return IconSize(icon).cy;
}

// An icon's mask decides which pixels show the colour bitmap (mask bit 0) and
// which let the screen through; a zero mask of the bitmap's size shows every
// pixel of the bitmap as it is.
IconObject IconFromBitmap(HBITMAP bitmap)
{
    BITMAP header;
    if (bitmap == NULL || GetObjectA(bitmap, sizeof header, &header) == 0)
        return IconObject();
    int height = header.bmHeight < 0 ? -header.bmHeight : header.bmHeight;
    size_t rowBytes = ((static_cast<size_t>(header.bmWidth) + 15) / 16) * 2;
    HBITMAP mask = NULL;
    BYTE* zeros = new (std::nothrow) BYTE[rowBytes * height]();
    if (zeros != NULL)
        mask = CreateBitmap(header.bmWidth, height, 1, 1, zeros);
    delete[] zeros;
    if (mask == NULL)
        return IconObject();
    ICONINFO parts = {};
    parts.fIcon = TRUE;
    parts.hbmMask = mask;
    parts.hbmColor = bitmap;
    HICON made = CreateIconIndirect(&parts);
    DeleteObject(mask);
    return IconObject(made, kOwnHandle);
}
