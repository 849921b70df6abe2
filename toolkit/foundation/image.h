// A picture held as one device-dependent bitmap.
#ifndef WICKER_FOUNDATION_IMAGE_H
#define WICKER_FOUNDATION_IMAGE_H

#include <windows.h>

#include "property.h"
#include "shared_handle.h"
#include "string.h"

class ByteBuffer;

// A value type around one bitmap handle. Copies share the handle; the last
// holder of a bitmap the image owns (one it loaded, or was handed with
// kOwnHandle) deletes it, and a bitmap it only views (a handle passed in, a
// control's picture) is never deleted here. A control showing an image keeps
// its own copy of the bitmap, so images may go while the picture stays.
struct Image {
    // The bitmap's header (GetObjectA), refreshed whenever the handle changes.
    BITMAP header;
    // Null for an empty image.
    HBITMAP bmp;

    // Header width as an unsigned 16-bit number; 0 for an empty image.
    Property<Image, int> Width;
    // Header height as an unsigned 16-bit number; 0 for an empty image.
    Property<Image, int> Height;

    // Empty: zero header, no handle.
    Image();
    // Around the bitmap (not a copy of it): a view unless `ownership` is
    // kOwnHandle; empty for a null handle.
    explicit Image(HBITMAP bitmap, HandleOwnership ownership = kViewHandle);
    // Loads the picture file; empty when it does not load.
    explicit Image(const String& path);
    // Copies and assignments share the handle; the properties stay bound to
    // their own image.

    // Decodes a picture file (any format the system picture decoder reads, or an
    // icon file at 64 x 64). True with the new bitmap in place; false and the
    // image unchanged when the file is missing, empty, unreadable or undecodable.
    bool LoadFile(const String& path);
    // The same for a picture already in memory.
    bool LoadBuffer(const ByteBuffer& buffer);
    // Holds this bitmap instead, a view unless `ownership` is kOwnHandle; the
    // old one is deleted when this was its last owner. Null empties the image.
    void SetHandle(HBITMAP bitmap, HandleOwnership ownership = kViewHandle);
    // Deletes an owned bitmap now (every sharer then holds nothing; their
    // `bmp` fields must not be used again) and empties the image.
    bool Destroy();
    // True when the image holds no bitmap.
    bool IsEmpty() const { return bmp == NULL; }
    // True when the last holder deletes the bitmap.
    bool Owns() const { return share.Owns(); }

private:
    void BindProperties();
    int GetWidth();
    int GetHeight();

    SharedBitmap share;
};

// A new bitmap decoded from the picture file's bytes by the system picture
// decoder (OleLoadPicture); null when the bytes are not a picture it reads.
// The caller owns the bitmap.
HBITMAP DecodePicture(const void* bytes, int count);

// A new bitmap from a picture file: DecodePicture of its bytes, else
// BitmapFromIconFile; null when it does not load. The caller owns the bitmap.
HBITMAP LoadPictureFile(const String& path);

// A new bitmap holding the colour part of the icon file, loaded at 64 x 64
// (LoadImageA, GetIconInfo); null when the file is no colour icon.
HBITMAP BitmapFromIconFile(const String& path);

// The empty image held by the toolkit's start-up.
extern Image EmptyImage;

#endif
