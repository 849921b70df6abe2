// An owned GDI region handle, the shape a window can be given.
#ifndef WICKER_SYSTEM_REGION_OBJECT_H
#define WICKER_SYSTEM_REGION_OBJECT_H

#include <windows.h>

// Holds one region and deletes it with itself. A copy holds its own duplicate
// of the region (CombineRgn with RGN_COPY), so no two holders delete the same
// handle; moving hands the region over.
struct RegionObject {
    // Null when empty.
    HRGN region;

    RegionObject() : region(NULL) {}
    // Takes ownership of the handle.
    explicit RegionObject(HRGN handle) : region(handle) {}
    RegionObject(const RegionObject& other) : region(Duplicate(other.region)) {}
    RegionObject(RegionObject&& other) noexcept : region(other.region) { other.region = NULL; }
    RegionObject& operator=(const RegionObject& other)
    {
        if (this != &other) {
            HRGN copy = Duplicate(other.region);
            Release();
            region = copy;
        }
        return *this;
    }
    RegionObject& operator=(RegionObject&& other) noexcept
    {
        if (this != &other) {
            Release();
            region = other.region;
            other.region = NULL;
        }
        return *this;
    }
    ~RegionObject() { Release(); }

    // Deletes the region (DeleteObject) and leaves the holder empty.
    void Release()
    {
        if (region != NULL)
            DeleteObject(region);
        region = NULL;
    }

    // A new region with the same shape (CreateRectRgn + CombineRgn RGN_COPY); null for null.
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
};

#endif
