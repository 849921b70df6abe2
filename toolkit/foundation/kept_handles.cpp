// Window-kept handles sit in window properties (SetPropA) under one name per
// slot; a comctl32 subclass (SetWindowSubclass) of the window releases them on
// WM_NCDESTROY. The subclass chain survives procedures installed later with
// SetWindowLongPtrA, as long as those pass on what they do not handle.
#include "kept_handles.h"

#include <commctrl.h>

#include "image_list.h"

namespace {

const UINT_PTR kKeeperSubclassId = 0x57494B52;  // "WIKR"
const char* const kSlotNames[kKeptSlotCount] = {
    "Wicker.ToolTip",
    "Wicker.Bitmap",
    "Wicker.Icon",
    "Wicker.Font",
    "Wicker.ImageList0",
    "Wicker.ImageList1",
    "Wicker.ImageList2",
    "Wicker.ImageList3",
};

void ReleaseForReal(KeptSlot slot, HANDLE handle)
{
    switch (slot) {
    case kKeptToolTip:
        DestroyWindow(static_cast<HWND>(handle));
        break;
    case kKeptBitmap:
    case kKeptFont:
        DeleteObject(static_cast<HGDIOBJ>(handle));
        break;
    case kKeptIcon:
        DestroyIcon(static_cast<HICON>(handle));
        break;
    default:
        if (slot >= kKeptImageList && slot <= kKeptImageListLast)
            delete static_cast<ImageList*>(handle);
        break;
    }
}

KeptHandleReleaser releaser = ReleaseForReal;

void Release(KeptSlot slot, HANDLE handle)
{
    if (handle != NULL)
        releaser(slot, handle);
}

LRESULT CALLBACK KeeperProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                            UINT_PTR, DWORD_PTR)
{
    if (message == WM_NCDESTROY) {
        for (int slot = 0; slot < kKeptSlotCount; ++slot)
            Release(static_cast<KeptSlot>(slot), RemovePropA(window, kSlotNames[slot]));
        RemoveWindowSubclass(window, KeeperProc, kKeeperSubclassId);
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace

bool KeepWithWindow(HWND window, KeptSlot slot, HANDLE handle)
{
    if (slot < 0 || slot >= kKeptSlotCount)
        return false;
    if (window == NULL || !IsWindow(window) ||
        !SetWindowSubclass(window, KeeperProc, kKeeperSubclassId, 0)) {
        Release(slot, handle);
        return false;
    }
    HANDLE old = GetPropA(window, kSlotNames[slot]);
    if (handle == NULL) {
        RemovePropA(window, kSlotNames[slot]);
    } else if (!SetPropA(window, kSlotNames[slot], handle)) {
        Release(slot, handle);
        return false;
    }
    if (old != handle)
        Release(slot, old);
    return true;
}

KeptHandleReleaser SetKeptHandleReleaser(KeptHandleReleaser replacement)
{
    KeptHandleReleaser previous = releaser;
    releaser = replacement != NULL ? replacement : ReleaseForReal;
    return previous;
}

HANDLE KeptWithWindow(HWND window, KeptSlot slot)
{
    if (window == NULL || slot < 0 || slot >= kKeptSlotCount)
        return NULL;
    return GetPropA(window, kSlotNames[slot]);
}

HANDLE TakeFromWindow(HWND window, KeptSlot slot)
{
    if (window == NULL || slot < 0 || slot >= kKeptSlotCount)
        return NULL;
    return RemovePropA(window, kSlotNames[slot]);
}
