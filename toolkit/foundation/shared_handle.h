/// \file
/// Shared ownership of one system handle, the rule of every handle holder of
/// the toolkit (Image, Bitmap, IconObject, RegionObject, ImageList, MenuBar).
#ifndef WICKER_FOUNDATION_SHARED_HANDLE_H
#define WICKER_FOUNDATION_SHARED_HANDLE_H

#include <windows.h>
#include <commctrl.h>

#include <new>

/// Whether a holder made around a handle releases it: a holder owns what it
/// loaded or created itself and what it is handed with kOwnHandle; a handle it
/// only shows or reads (a window's icon, a control's picture) is a view and is
/// never released through it.
enum HandleOwnership { kViewHandle, kOwnHandle };

/// One handle and its holders: copies share one small counted block, and the
/// last holder of an owned handle releases it with ReleaseHandle. Destroy
/// releases it at once; every sharer then holds nothing.
template <typename Handle, void (*ReleaseHandle)(Handle)>
class SharedHandle {
public:
    SharedHandle() : block(NULL) {}
    /// Holds the handle, as Reset does.
    SharedHandle(Handle handle, HandleOwnership ownership) : block(NULL) { Reset(handle, ownership); }
    ///@{
    /// Sharing only counts one more holder, so copies never throw.
    SharedHandle(const SharedHandle& other) noexcept : block(other.block)
    {
        if (block != NULL)
            ++block->holders;
    }
    SharedHandle& operator=(const SharedHandle& other) noexcept
    {
        if (block != other.block) {
            Drop();
            block = other.block;
            if (block != NULL)
                ++block->holders;
        }
        return *this;
    }
    ~SharedHandle() { Drop(); }
    ///@}

    /// The handle; null when empty or after any sharer's Destroy.
    Handle Get() const { return block != NULL ? block->handle : NULL; }
    /// True when the handle is released by its last holder.
    bool Owns() const { return block != NULL && block->handle != NULL && block->owned; }
    /// Number of holders sharing the handle; 0 when empty.
    long Holders() const { return block != NULL && block->handle != NULL ? block->holders : 0; }

    /// Leaves the shared handle (released when this was its last owner) and
    /// holds this one instead; a null handle leaves the holder empty.
    void Reset(Handle handle, HandleOwnership ownership)
    {
        Drop();
        if (handle == NULL)
            return;
        block = new (std::nothrow) Block;
        if (block == NULL) {
            // Nobody could release it later: an owned handle goes at once.
            if (ownership == kOwnHandle)
                ReleaseHandle(handle);
            return;
        }
        block->handle = handle;
        block->owned = ownership == kOwnHandle;
        block->holders = 1;
    }

    ///@{
    /// Something outside the holders now releases the handle (a window
    /// destroys its menu bar with itself): no sharer releases it any more,
    /// yet every sharer still holds it.
    void HandOver()
    {
        if (block != NULL)
            block->owned = false;
    }
    ///@}

    ///@{
    /// Releases an owned handle now (a viewed one is only let go); every
    /// sharer then holds nothing. True when a handle was released.
    bool Destroy()
    {
        if (block == NULL)
            return false;
        bool released = block->handle != NULL && block->owned;
        if (released)
            ReleaseHandle(block->handle);
        block->handle = NULL;
        Drop();
        return released;
    }
    ///@}

private:
    struct Block {
        Handle handle;
        bool owned;
        long holders;
    };

    ///@{
    /// Kept out of line: inlined into two holders of one block, GCC cannot
    /// see that the count stops the first from deleting it, and warns of a use
    /// after free (-Wuse-after-free).
    __attribute__((noinline)) void Drop()
    {
        if (block == NULL)
            return;
        if (--block->holders == 0) {
            if (block->owned && block->handle != NULL)
                ReleaseHandle(block->handle);
            delete block;
        }
        block = NULL;
    }
    ///@}

    Block* block;
};

///@{
/// The release operations of the toolkit's handle kinds.
inline void ReleaseBitmapHandle(HBITMAP bitmap) { DeleteObject(bitmap); }
inline void ReleaseRegionHandle(HRGN region) { DeleteObject(region); }
inline void ReleaseIconHandle(HICON icon) { DestroyIcon(icon); }
inline void ReleaseImageListHandle(HIMAGELIST list) { ImageList_Destroy(list); }
inline void ReleaseMenuHandle(HMENU menu) { DestroyMenu(menu); }
///@}

/// A bitmap shared by its holders.
typedef SharedHandle<HBITMAP, ReleaseBitmapHandle> SharedBitmap;
/// A region shared by its holders.
typedef SharedHandle<HRGN, ReleaseRegionHandle> SharedRegion;
/// An icon shared by its holders.
typedef SharedHandle<HICON, ReleaseIconHandle> SharedIcon;
/// An image list shared by its holders.
typedef SharedHandle<HIMAGELIST, ReleaseImageListHandle> SharedImageList;
/// A menu shared by its holders.
typedef SharedHandle<HMENU, ReleaseMenuHandle> SharedMenu;

#endif
