// A GDI region handle held under the toolkit's shared ownership rule, the
// shape a window can be given.
#ifndef WICKER_SYSTEM_REGION_OBJECT_H
#define WICKER_SYSTEM_REGION_OBJECT_H

#include <windows.h>

#include "../foundation/shared_handle.h"

// Holds one region. Copies share it; the last holder of a region it owns
// deletes it (see SharedHandle). A window given a region gets its own
// duplicate, so holders may go while the window keeps its shape.
struct RegionObject {
    // Null when empty.
    HRGN region;

    RegionObject() : region(NULL) {}
    // Around the region: a view (kViewHandle, never deleted here) or owned.
    explicit RegionObject(HRGN handle, HandleOwnership ownership = kViewHandle)
        : region(handle), share(handle, ownership)
    {
    }

    // Deletes an owned region now (every sharer then holds nothing) and
    // leaves the holder empty; true when a region was deleted.
    bool Destroy()
    {
        region = NULL;
        return share.Destroy();
    }
    // Same as Destroy.
    void Release() { Destroy(); }
    // True when the last holder deletes the region.
    bool Owns() const { return share.Owns(); }

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

private:
    SharedRegion share;
};

#endif
