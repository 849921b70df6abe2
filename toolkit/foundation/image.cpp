#include "image.h"

#include <ole2.h>
#include <olectl.h>

#include "system/byte_buffer.h"

namespace {

// Icon files that the picture decoder refuses are loaded at this size.
const int kIconFileSide = 64;
// Larger files are not read: their size no longer fits the buffer's length.
const DWORD kLargestPictureFile = 0x7fffffff;

// The whole file in the buffer (CreateFileA, GetFileSize, ReadFile). False when
// it cannot be opened, is empty, or ends before its size is read: a file cut
// short is treated as unreadable rather than decoded in part.
bool ReadWholeFile(const String& path, ByteBuffer& buffer)
{
    if (!FileExists(path))
        return false;
    HANDLE file = CreateFileA(path.CStr(), GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD size = GetFileSize(file, NULL);
    bool complete = false;
    if (size != INVALID_FILE_SIZE && size > 0 && size <= kLargestPictureFile) {
        buffer = ByteBuffer(static_cast<int>(size));
        BYTE* target = buffer.Buffer.Read();
        DWORD total = 0;
        while (target != NULL && total < size) {
            DWORD got = 0;
            if (!ReadFile(file, target + total, size - total, &got, NULL) || got == 0)
                break;
            total += got;
        }
        complete = target != NULL && total == size;
    }
    CloseHandle(file);
    return complete;
}

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

void Image::BindProperties()
{
    Width.Clear();
    Height.Clear();
    Width.Bind(this, &Image::GetWidth, NULL);
    Height.Bind(this, &Image::GetHeight, NULL);
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
    HBITMAP bitmap = LoadPictureFile(path);
    if (bitmap == NULL)
        return false;
    SetHandle(bitmap, kOwnHandle);
    return true;
}

bool Image::LoadBuffer(const ByteBuffer& buffer)
{
    HBITMAP bitmap = DecodePicture(buffer.Buffer.Read(), buffer.Length.Read());
    if (bitmap == NULL)
        return false;
    SetHandle(bitmap, kOwnHandle);
    return true;
}

int Image::GetWidth()
{
    return static_cast<WORD>(header.bmWidth);
}

int Image::GetHeight()
{
    return static_cast<WORD>(header.bmHeight);
}

// The bytes are copied into a global memory block that the stream frees on its
// release (CreateStreamOnHGlobal), decoded (OleLoadPicture) and, when the result
// is a bitmap picture, copied into a bitmap of our own (CopyImage). The copy is
// always a new bitmap: the picture owns and deletes its own bitmap on release,
// so handing that one out would leave the image with a deleted handle.
HBITMAP DecodePicture(const void* bytes, int count)
{
    if (bytes == NULL || count <= 0)
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
