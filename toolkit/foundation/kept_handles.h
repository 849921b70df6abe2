/// \file
/// Handles a window keeps for its own life: the tooltip made for it and its
/// own copies of the pictures it shows.
#ifndef WICKER_FOUNDATION_KEPT_HANDLES_H
#define WICKER_FOUNDATION_KEPT_HANDLES_H

#include <windows.h>

/// What a window keeps, one of each: a tooltip window (destroyed), a bitmap
/// (deleted), an icon (destroyed), a font (deleted), and up to four image list holders (an
/// ImageList* sharing the list, deleted; see KeepImageListWithWindow).
enum KeptSlot {
    kKeptToolTip,
    kKeptBitmap,
    kKeptIcon,
    kKeptFont,
    kKeptImageList,
    kKeptImageListLast = kKeptImageList + 3,
    kKeptSlotCount
};

/// The window keeps the handle in the slot from now on; the handle it kept
/// there before is released (unless it is the same one). The window's
/// WM_NCDESTROY releases whatever it still keeps, so the wrappers and holders
/// that gave the handles may go at any time. False when the window is missing;
/// the handle is then released at once, so it cannot leak.
bool KeepWithWindow(HWND window, KeptSlot slot, HANDLE handle);
/// The handle the window keeps in the slot; null for none.
HANDLE KeptWithWindow(HWND window, KeptSlot slot);
/// Takes the handle out of the window's care without releasing it: the caller
/// owns it now. Null when the window keeps none.
HANDLE TakeFromWindow(HWND window, KeptSlot slot);

///@{
/// What releases a kept handle (DeleteObject, DestroyIcon, DestroyWindow or
/// the image list holder's delete, by slot). A test puts a stand-in here to
/// count the releases, which the platform cannot tell apart from a handle
/// released twice; null puts the toolkit's own back. Returns the one before.
typedef void (*KeptHandleReleaser)(KeptSlot slot, HANDLE handle);
KeptHandleReleaser SetKeptHandleReleaser(KeptHandleReleaser releaser);
///@}

#endif
