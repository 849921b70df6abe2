/// \file
/// A GDI region handle held under the toolkit's shared ownership rule, the
/// shape a window can be given.
#ifndef WICKER_SYSTEM_REGION_OBJECT_H
#define WICKER_SYSTEM_REGION_OBJECT_H

#include <windows.h>

#include "../foundation/shared_handle.h"
#include "../foundation/string.h"

struct Image;
class ByteBuffer;

/// Holds one region. Copies share it; the last holder of a region it owns
/// deletes it (see SharedHandle). A window given a region gets its own
/// duplicate, so holders may go while the window keeps its shape.
///
/// Every operation that changes the shape builds a new region and holds it
/// instead, so copies made before keep the shape they had. A failed one
/// leaves the holder as it was. An empty holder (null region) counts as the
/// empty shape: uniting with it or subtracting it changes nothing.
struct RegionObject {
    /// Null when empty.
    HRGN region;

    /// Empty.
    RegionObject() : region(NULL) {}
    /// Around the region: a view (kViewHandle, never deleted here) or owned.
    explicit RegionObject(HRGN handle, HandleOwnership ownership = kViewHandle)
        : region(handle), share(handle, ownership)
    {
    }
    /// The opaque pixels of the image (FromImage).
    RegionObject(const Image& image, COLORREF transparent);

    ///@{
    /// Shapes (CreateRoundRectRgn, CreateEllipticRgn, CreatePolygonRgn with
    /// WINDING); the right and bottom edges are x + width and y + height.
    bool RoundRect(int width, int height, int corner);
    bool RoundRect(int x, int y, int width, int height, int corner);
    bool Ellipse(int width, int height);
    bool Ellipse(int x, int y, int width, int height);
    bool Polygon(const POINT* points, int count);
    ///@}
    /// The pixels of the image that differ from the transparent colour (a
    /// COLORREF; -1, that is CLR_INVALID, takes the colour of the pixel at 0, 0),
    /// one rectangle per run of such pixels in each row. False for an empty image.
    bool FromImage(const Image& image, COLORREF transparent);

    ///@{
    /// Region data as GetRegionData gives it (an RGNDATAHEADER, then the
    /// rectangles), from a file, from the program's resource of this number
    /// and type name, or from a buffer (left as it is). 1 when the data made a
    /// region; 0, and the holder unchanged, for a missing, empty or unreadable
    /// source or data that is no valid region.
    int LoadFile(const String& path);
    int LoadResource(int resourceId, const String& type);
    int LoadBuffer(const ByteBuffer& buffer);
    ///@}
    /// Writes the region data to the file (binary, truncating); true when all
    /// of it was written, false for an empty holder or when the file cannot be
    /// written.
    bool Save(const String& path) const;
    /// The region data; empty for an empty holder.
    ByteBuffer Data() const;

    ///@{
    /// CombineRgn of this shape with the other's: RGN_OR, RGN_AND, RGN_DIFF, RGN_XOR.
    bool Unite(const RegionObject& other);
    bool Intersect(const RegionObject& other);
    bool Subtract(const RegionObject& other);
    bool ExclusiveOr(const RegionObject& other);
    ///@}

    /// PtInRegion; false for an empty holder.
    bool Contains(int x, int y) const;
    /// RectInRegion; false for an empty holder.
    bool Intersects(int left, int top, int right, int bottom) const;
    ///@{
    /// True for the same shape (EqualRgn, or else no pixel in just one of
    /// the two); an empty holder equals any empty shape.
    bool Equals(const RegionObject& other) const;
    bool Differs(const RegionObject& other) const { return !Equals(other); }
    ///@}
    /// True when the shape covers no pixel (or the holder is empty).
    bool IsEmpty() const;

    /// The window's shape (GetWindowRgn); false, and the holder unchanged,
    /// when the window has none.
    bool FromWindow(HWND window);
    /// Gives the window this shape (SetWindowRgn with redraw). The window gets
    /// a duplicate that the system owns from then on; this holder keeps its
    /// own. An empty holder takes the window's shape away.
    bool ApplyTo(HWND window) const;

    ///@{
    /// Deletes an owned region now (every sharer then holds nothing) and
    /// leaves the holder empty; true when a region was deleted.
    bool Destroy()
    {
        region = NULL;
        return share.Destroy();
    }
    ///@}
    /// Same as Destroy.
    void Release() { Destroy(); }
    /// True when the last holder deletes the region.
    bool Owns() const { return share.Owns(); }

    ///@{
    /// A new region with the same shape (CreateRectRgn + CombineRgn RGN_COPY); null for null.
    static HRGN Duplicate(HRGN source)
    {
        if (source == NULL)
            return NULL;
        HRGN copy = CreateRectRgn(0, 0, 0, 0);
        if (copy != NULL && CombineRgn(copy, source, NULL, RGN_COPY) == ERROR) {
            DeleteObject(copy);
            copy = NULL;
        }
        return copy;
    }
    ///@}

private:
    ///@{
    /// Holds the new region (owned); false and nothing changed for null.
    bool Hold(HRGN made);
    bool Combine(const RegionObject& other, int mode);
    int LoadBytes(const BYTE* bytes, size_t count);
    ///@}

    SharedRegion share;
};

/// A new region built from region data (ExtCreateRegion with no transform),
/// after checking that the data is whole: a header of its own size, of the
/// rectangle kind, whose rectangles all lie inside the bytes given and are
/// well formed. Null otherwise. The caller owns it.
HRGN RegionFromData(const BYTE* bytes, size_t count);

/// A new region of the bitmap's pixels that differ from the transparent
/// colour (-1: the colour at 0, 0), built from one rectangle per run of such
/// pixels in each row. Null for a null bitmap or when GDI fails; the caller
/// owns it.
HRGN RegionFromBitmap(HBITMAP bitmap, COLORREF transparent);

#endif
