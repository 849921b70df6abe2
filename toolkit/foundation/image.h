/// \file
/// A picture held as one device-dependent bitmap.
#ifndef WICKER_FOUNDATION_IMAGE_H
#define WICKER_FOUNDATION_IMAGE_H

#include <windows.h>

#include "property.h"
#include "shared_handle.h"
#include "string.h"
#include "../system/icon_object.h"

class ByteBuffer;

/// A value type around one bitmap handle. Copies share the handle; the last
/// holder of a bitmap the image owns (one it loaded, or was handed with
/// kOwnHandle) deletes it, and a bitmap it only views (a handle passed in, a
/// control's picture) is never deleted here. A control showing an image keeps
/// its own copy of the bitmap, so images may go while the picture stays.
struct Image {
    /// The bitmap's header (GetObjectA), refreshed whenever the handle changes.
    BITMAP header;
    /// Null for an empty image.
    HBITMAP bmp;

    /// Read: header width as an unsigned 16-bit number, 0 for an empty image;
    /// write: resamples the picture to the new width and the current height
    /// (Resize).
    Property<Image, int> Width;
    /// The same for the height.
    Property<Image, int> Height;
    /// Read only: a new icon (owned) showing the bitmap, every pixel opaque;
    /// empty for an empty image.
    Property<Image, IconObject> Icon;

    /// Empty: zero header, no handle.
    Image();
    /// Around the bitmap (not a copy of it): a view unless `ownership` is
    /// kOwnHandle; empty for a null handle.
    explicit Image(HBITMAP bitmap, HandleOwnership ownership = kViewHandle);
    /// Loads the picture file; empty when it does not load.
    explicit Image(const String& path);
    /// Decodes the picture in the buffer (LoadBuffer).
    explicit Image(const ByteBuffer& buffer);
    /// The program's resource (LoadResource).
    Image(int resourceId, const String& type);
    /// A copy of the window's pixels (Capture).
    Image(HWND window, bool wholeWindow);
    /// Copies and assignments share the handle; the properties stay bound to
    /// their own image.

    /// Decodes a picture file (any format the system picture decoder reads, or an
    /// icon file at 64 x 64). True with the new bitmap in place; false and the
    /// image unchanged when the file is missing, empty, unreadable or undecodable.
    bool LoadFile(const String& path);
    /// The same for a picture already in memory; an empty buffer fails.
    bool LoadBuffer(const ByteBuffer& buffer);
    /// The program's bitmap resource of this number (LoadBitmapA); when there
    /// is none, the resource of this number and type name (such as "RCDATA" or
    /// "#10"), decoded as a picture file.
    bool LoadResource(int resourceId, const String& type);
    /// One of the system's predefined bitmaps, such as OBM_CLOSE (LoadBitmapA
    /// with no module).
    bool LoadSystemBitmap(int bitmapId);
    /// The bitmap resource of another module (LoadLibraryA, LoadBitmapA,
    /// FreeLibrary); false when the module or the bitmap cannot be loaded.
    bool LoadFromLibrary(const String& path, int bitmapId);
    /// A new bitmap of the window's pixels: the whole window rectangle or only
    /// its client area (BitBlt SRCCOPY from the window's device context).
    /// False for a null window.
    bool Capture(HWND window, bool wholeWindow);
    /// The colour part of the icon (GetIconInfo); false for an empty icon.
    bool FromIcon(const IconObject& icon);

    /// Replaces the picture by a copy resampled to width x height by area
    /// averaging (see AreaAverage). False and the image unchanged for an empty
    /// image or a size outside 1 to 65,535.
    bool Resize(int width, int height);
    /// Resizes so that the longer side becomes `size`, keeping the
    /// proportions: factor = size / width when the height is less than the
    /// width, else size / height (single precision); each side times the
    /// factor, truncated. False as Resize, or when a side would come out 0.
    bool FitTo(int size);

    /// A new image (owned) holding a monochrome copy (CopyImage LR_MONOCHROME);
    /// empty for an empty image.
    Image MonochromeCopy() const;
    /// The colour of one pixel (GetPixel on a memory device context the bitmap
    /// is selected into); CLR_INVALID outside the picture or for an empty image.
    COLORREF PixelAt(int x, int y) const;
    /// Writes the picture as a BMP file (SaveBitmapFile); false for an empty
    /// image or when the file cannot be written.
    bool Save(const String& path) const;
    /// Holds this bitmap instead, a view unless `ownership` is kOwnHandle; the
    /// old one is deleted when this was its last owner. Null empties the image.
    void SetHandle(HBITMAP bitmap, HandleOwnership ownership = kViewHandle);
    /// Deletes an owned bitmap now (every sharer then holds nothing; their
    /// `bmp` fields must not be used again) and empties the image.
    bool Destroy();
    /// True when the image holds no bitmap.
    bool IsEmpty() const { return bmp == NULL; }
    /// True when the image holds a bitmap.
    bool HasImage() const { return bmp != NULL; }
    /// True when the last holder deletes the bitmap.
    bool Owns() const { return share.Owns(); }

private:
    void BindProperties();
    ///@{
    /// Takes a new bitmap that nobody else holds; one larger than 65,535
    /// pixels either way is deleted and refused.
    bool Adopt(HBITMAP owned);
    int GetWidth();
    void SetWidth(int width);
    int GetHeight();
    void SetHeight(int height);
    IconObject GetIcon();
    ///@}

    SharedBitmap share;
};

/// A new bitmap decoded from the picture file's bytes by the system picture
/// decoder (OleLoadPicture); null when the bytes are not a picture it reads or
/// the picture is larger than 65,535 pixels either way.
/// The caller owns the bitmap.
HBITMAP DecodePicture(const void* bytes, int count);

/// A new bitmap from a picture file: DecodePicture of its bytes, else
/// BitmapFromIconFile; null when it does not load. The caller owns the bitmap.
HBITMAP LoadPictureFile(const String& path);

/// A new bitmap holding the colour part of the icon file, loaded at 64 x 64
/// (LoadImageA, GetIconInfo); null when the file is no colour icon.
HBITMAP BitmapFromIconFile(const String& path);

/// The empty image held by the toolkit's start-up.
extern Image EmptyImage;

#endif
