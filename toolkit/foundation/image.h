// A picture held as one device-dependent bitmap.
#ifndef WICKER_FOUNDATION_IMAGE_H
#define WICKER_FOUNDATION_IMAGE_H

#include <windows.h>

#include "property.h"
#include "string.h"

class ByteBuffer;

// A value type around one bitmap handle; copies share the handle and an Image
// never deletes its bitmap, so copies and the controls showing it stay valid.
// Whoever loads a picture and stops showing it deletes the bitmap (DeleteObject).
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
    // Around the bitmap (not a copy of it); empty for a null handle.
    explicit Image(HBITMAP bitmap);
    // Shares the source's handle, with a header read afresh from it.
    Image(const Image& other);
    // Loads the picture file; empty when it does not load.
    explicit Image(const String& path);
    // Shares the other's handle; the properties stay bound to this image.
    Image& operator=(const Image& other);

    // Decodes a picture file (any format the system picture decoder reads, or an
    // icon file at 64 x 64). True with the new bitmap in place; false and the
    // image unchanged when the file is missing, empty, unreadable or undecodable.
    bool LoadFile(const String& path);
    // The same for a picture already in memory.
    bool LoadBuffer(const ByteBuffer& buffer);
    // Holds this bitmap instead (not deleting the old one); null empties the image.
    void SetHandle(HBITMAP bitmap);
    // True when the image holds no bitmap.
    bool IsEmpty() const { return bmp == NULL; }

private:
    void BindProperties();
    int GetWidth();
    int GetHeight();
};

// A new bitmap decoded from the picture file's bytes by the system picture
// decoder (OleLoadPicture); null when the bytes are not a picture it reads.
// The caller owns the bitmap.
HBITMAP DecodePicture(const void* bytes, int count);

// A new bitmap holding the colour part of the icon file, loaded at 64 x 64
// (LoadImageA, GetIconInfo); null when the file is no colour icon.
HBITMAP BitmapFromIconFile(const String& path);

// The empty image held by the toolkit's start-up.
extern Image EmptyImage;

#endif
