#include "image.h"

#include <ole2.h>
#include <olectl.h>

#include "picture_bytes.h"
#include "system/bmp_file.h"
#include "system/byte_buffer.h"
#include "system/resampler.h"
#include "system/whole_file.h"

namespace {

// Icon files that the picture decoder refuses are loaded at this size.
const int kIconFileSide = 64;
// Larger files are not read: their size no longer fits the buffer's length.
const DWORD kLargestPictureFile = 0x7fffffff;

}  // namespace

Image::Image() : header(), bmp(NULL)
{
    BindProperties();
}

Image::Image(HBITMAP bitmap, HandleOwnership ownership) : header(), bmp(NULL)
{
    BindProperties();
    if (bitmap != NULL)
        SetHandle(bitmap, ownership);
}

Image::Image(const String& path) : header(), bmp(NULL)
{
    BindProperties();
    LoadFile(path);
}

Image::Image(const ByteBuffer& buffer) : header(), bmp(NULL)
{
    BindProperties();
    LoadBuffer(buffer);
}

Image::Image(int resourceId, const String& type) : header(), bmp(NULL)
{
    BindProperties();
    LoadResource(resourceId, type);
}

Image::Image(HWND window, bool wholeWindow) : header(), bmp(NULL)
{
    BindProperties();
    Capture(window, wholeWindow);
}

void Image::BindProperties()
{
    Width.Clear();
    Height.Clear();
    Icon.Clear();
    Width.Bind(this, &Image::GetWidth, &Image::SetWidth);
    Height.Bind(this, &Image::GetHeight, &Image::SetHeight);
    Icon.Bind(this, &Image::GetIcon, NULL);
}

bool Image::Adopt(HBITMAP owned)
{
    if (owned == NULL)
        return false;
    BITMAP taken;
    if (GetObjectA(owned, sizeof taken, &taken) == 0 ||
        !IsPictureSize(taken.bmWidth, taken.bmHeight < 0 ? -taken.bmHeight : taken.bmHeight)) {
        DeleteObject(owned);
        return false;
    }
    SetHandle(owned, kOwnHandle);
    return true;
}

// Takes the handle and its header (GetObjectA).
void Image::SetHandle(HBITMAP bitmap, HandleOwnership ownership)
{
    share.Reset(bitmap, ownership);
    bmp = share.Get();
    ZeroMemory(&header, sizeof header);
    if (bmp != NULL)
        GetObjectA(bmp, sizeof header, &header);
}

bool Image::Destroy()
{
    bool deleted = share.Destroy();
    SetHandle(NULL);
    return deleted;
}

HBITMAP LoadPictureFile(const String& path)
{
    ByteBuffer bytes;
    HBITMAP bitmap = NULL;
    if (ReadWholeFile(path, bytes)) {
        bitmap = DecodePicture(bytes.Buffer.Read(), bytes.Length.Read());
        if (bitmap == NULL)
            bitmap = BitmapFromIconFile(path);
    }
    return bitmap;
}

bool Image::LoadFile(const String& path)
{
    return Adopt(LoadPictureFile(path));
}

bool Image::LoadBuffer(const ByteBuffer& buffer)
{
    return Adopt(DecodePicture(buffer.Buffer.Read(), buffer.Length.Read()));
}

// A bitmap resource first; else the bytes of the resource of that type, decoded.
bool Image::LoadResource(int resourceId, const String& type)
{
    HMODULE module = GetModuleHandleA(NULL);
    HBITMAP bitmap = LoadBitmapA(module, MAKEINTRESOURCEA(resourceId));
    if (bitmap != NULL)
        return Adopt(bitmap);
    if (type.empty())
        return false;
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(resourceId), type.CStr());
    if (found == NULL)
        return false;
    DWORD size = SizeofResource(module, found);
    HGLOBAL loaded = ::LoadResource(module, found);
    const void* bytes = loaded != NULL ? LockResource(loaded) : NULL;
    if (bytes == NULL || size == 0 || size > kLargestPictureFile)
        return false;
    return Adopt(DecodePicture(bytes, static_cast<int>(size)));
}

bool Image::LoadSystemBitmap(int bitmapId)
{
    return Adopt(LoadBitmapA(NULL, MAKEINTRESOURCEA(bitmapId)));
}

// The bitmap is a GDI object of this process and stays valid once the
// module that held its resource is freed.
bool Image::LoadFromLibrary(const String& path, int bitmapId)
{
    if (path.empty())
        return false;
    HMODULE library = LoadLibraryA(path.CStr());
    if (library == NULL)
        return false;
    HBITMAP bitmap = LoadBitmapA(library, MAKEINTRESOURCEA(bitmapId));
    FreeLibrary(library);
    return Adopt(bitmap);
}

// The new bitmap is compatible with the window's device context.
bool Image::Capture(HWND window, bool wholeWindow)
{
    if (window == NULL || !IsWindow(window))
        return false;
    RECT area;
    if (wholeWindow ? !GetWindowRect(window, &area) : !GetClientRect(window, &area))
        return false;
    int width = area.right - area.left;
    int height = area.bottom - area.top;
    if (!IsPictureSize(width, height))
        return false;
    HDC source = wholeWindow ? GetWindowDC(window) : GetDC(window);
    if (source == NULL)
        return false;
    HBITMAP bitmap = CreateCompatibleBitmap(source, width, height);
    HDC memory = bitmap != NULL ? CreateCompatibleDC(source) : NULL;
    bool copied = false;
    if (memory != NULL) {
        HGDIOBJ previous = SelectObject(memory, bitmap);
        copied = BitBlt(memory, 0, 0, width, height, source, 0, 0, SRCCOPY) != FALSE;
        SelectObject(memory, previous);
        DeleteDC(memory);
    }
    ReleaseDC(window, source);
    if (!copied) {
        if (bitmap != NULL)
            DeleteObject(bitmap);
        return false;
    }
    return Adopt(bitmap);
}

bool Image::FromIcon(const IconObject& icon)
{
    return Adopt(icon.ColorBitmap());
}

bool Image::Resize(int width, int height)
{
    if (bmp == NULL)
        return false;
    return Adopt(ResampleBitmap(bmp, width, height));
}

bool Image::FitTo(int size)
{
    int width = 0, height = 0;
    if (bmp == NULL || !FittedSize(GetWidth(), GetHeight(), size, width, height))
        return false;
    return Resize(width, height);
}

Image Image::MonochromeCopy() const
{
    if (bmp == NULL)
        return Image();
    HBITMAP copy = static_cast<HBITMAP>(CopyImage(bmp, IMAGE_BITMAP, 0, 0, LR_MONOCHROME));
    return Image(copy, kOwnHandle);
}

COLORREF Image::PixelAt(int x, int y) const
{
    if (bmp == NULL)
        return CLR_INVALID;
    HDC memory = CreateCompatibleDC(NULL);
    if (memory == NULL)
        return CLR_INVALID;
    HGDIOBJ previous = SelectObject(memory, bmp);
    COLORREF colour = previous != NULL ? GetPixel(memory, x, y) : CLR_INVALID;
    if (previous != NULL)
        SelectObject(memory, previous);
    DeleteDC(memory);
    return colour;
}

bool Image::Save(const String& path) const
{
    if (bmp == NULL)
        return false;
    return SaveBitmapFile(bmp, path);
}

int Image::GetWidth()
{
    return static_cast<WORD>(header.bmWidth);
}

int Image::GetHeight()
{
    return static_cast<WORD>(header.bmHeight);
}

void Image::SetWidth(int width)
{
    Resize(width, GetHeight());
}

void Image::SetHeight(int height)
{
    Resize(GetWidth(), height);
}

IconObject Image::GetIcon()
{
    return IconFromBitmap(bmp);
}

// The bytes are copied into a global memory block that the stream frees on its
// release (CreateStreamOnHGlobal), decoded (OleLoadPicture) and, when the result
// is a bitmap picture, copied into a bitmap of our own (CopyImage). The copy is
// always a new bitmap: the picture owns and deletes its own bitmap on release,
// so handing that one out would leave the image with a deleted handle. The
// decoder trusts the offsets and sizes in BMP and icon headers (and reads
// past the bytes where they lie), so those are checked first.
HBITMAP DecodePicture(const void* bytes, int count)
{
    if (bytes == NULL || count <= 0 ||
        !PictureBytesAreWhole(static_cast<const BYTE*>(bytes), static_cast<size_t>(count)))
        return NULL;
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, static_cast<SIZE_T>(count));
    if (memory == NULL)
        return NULL;
    void* target = GlobalLock(memory);
    if (target == NULL) {
        GlobalFree(memory);
        return NULL;
    }
    CopyMemory(target, bytes, static_cast<SIZE_T>(count));
    GlobalUnlock(memory);

    IStream* stream = NULL;
    if (FAILED(CreateStreamOnHGlobal(memory, TRUE, &stream)) || stream == NULL) {
        GlobalFree(memory);
        return NULL;
    }
    IPicture* picture = NULL;
    HRESULT decoded = OleLoadPicture(stream, count, FALSE, IID_IPicture,
                                     reinterpret_cast<void**>(&picture));
    stream->Release();
    if (FAILED(decoded) || picture == NULL)
        return NULL;

    HBITMAP bitmap = NULL;
    SHORT type = PICTYPE_NONE;
    OLE_HANDLE handle = 0;
    // Icons and metafiles have handles of other kinds: only bitmaps are copied.
    if (SUCCEEDED(picture->get_Type(&type)) && type == PICTYPE_BITMAP &&
        SUCCEEDED(picture->get_Handle(&handle)) && handle != 0) {
        bitmap = static_cast<HBITMAP>(
            CopyImage(reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(handle)), IMAGE_BITMAP, 0, 0, 0));
    }
    picture->Release();
    // Sides are kept as 16-bit numbers: a larger picture is refused.
    BITMAP size;
    if (bitmap != NULL && (GetObjectA(bitmap, sizeof size, &size) == 0 ||
                           !IsPictureSize(size.bmWidth, size.bmHeight < 0 ? -size.bmHeight
                                                                               : size.bmHeight))) {
        DeleteObject(bitmap);
        bitmap = NULL;
    }
    return bitmap;
}

// The icon and its mask bitmap are released; only the colour bitmap is kept
// (LoadImageA, GetIconInfo, DestroyIcon).
HBITMAP BitmapFromIconFile(const String& path)
{
    HICON icon = static_cast<HICON>(
        LoadImageA(NULL, path.CStr(), IMAGE_ICON, kIconFileSide, kIconFileSide, LR_LOADFROMFILE));
    if (icon == NULL)
        return NULL;
    HBITMAP colour = NULL;
    ICONINFO parts;
    if (GetIconInfo(icon, &parts)) {
        colour = parts.hbmColor;
        if (parts.hbmMask != NULL)
            DeleteObject(parts.hbmMask);
    }
    DestroyIcon(icon);
    return colour;
}
