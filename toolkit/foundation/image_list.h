/// \file
/// The toolkit's wrapper of a system image list of icons.
#ifndef WICKER_FOUNDATION_IMAGE_LIST_H
#define WICKER_FOUNDATION_IMAGE_LIST_H

#include <windows.h>
#include <commctrl.h>

#include "property.h"
#include "shared_handle.h"
#include "string.h"
#include "../system/icon_object.h"

///@{
/// Size kinds of an image list.
const int kSmallIcons = 0;
const int kIcons24 = 1;
const int kStandardIcons = 2;
///@}

/// A list of icons of one size that list, tree and toolbar controls take their
/// item pictures from. Copies share the list and its last holder destroys it
/// (ImageList_Destroy); Destroy does so at once. A control given the list keeps
/// a holder of its own for as long as it shows it.
struct ImageList {
    /// Number of icons (ImageList_GetImageCount).
    Property<ImageList, int> Count;
    ///@{
    /// Icon size (ImageList_GetIconSize / ImageList_SetIconSize, which empties the list).
    Property<ImageList, int> IconWidth;
    Property<ImageList, int> IconHeight;
    ///@}
    /// 0 small icons, 1 icons of 24 pixels, any other value standard icons
    /// (each at the screen's DPI while the toolkit scales: IconSideOfKind).
    int kind;
    /// Null until created.
    HIMAGELIST handle;

    /// No list yet, small icons.
    ImageList();
    /// Creates a list of this size kind at once.
    explicit ImageList(int sizeKind);

    /// Appends a copy of the icon, creating a list of the stored kind first
    /// when there is none; the new index, or -1 (also for an empty icon).
    int AddIcon(const IconObject& icon);
    /// Appends a copy of the icon, creating a small-icon list first when there is
    /// none; the new index, or -1.
    int AddIconHandle(HICON icon);
    /// A new icon (owned) of the image at the index (ImageList_GetIcon,
    /// ILD_NORMAL); empty for an index outside the list.
    IconObject GetIcon(int index);
    /// Puts a copy of the icon at the index (ImageList_ReplaceIcon); false for
    /// an empty icon or an index outside the list.
    bool ReplaceIcon(int index, const IconObject& icon);
    /// Appends the shell's system icons (its large or small system image
    /// list, from shell32's exports 71 and 660): all of them, or the first
    /// maxCount when maxCount is 1 to the number there are. The number
    /// appended; 0 when the shell gives no list.
    int LoadSystemIcons(bool large, int maxCount);
    /// Appends the program's icon resource of this number; the index, or -1.
    int AddIconResource(int resourceId);
    /// Appends the module's icon resource of this name; the index, or -1.
    int AddIconByName(const String& resourceName, HINSTANCE module);
    /// A new list (the caller's, not stored) cut from the program's bitmap strip,
    /// one image per icon width of the stored kind (ImageList_LoadImageA).
    HIMAGELIST LoadStrip(int bitmapResourceId);
    /// Removes every icon (ImageList_Remove with -1).
    bool RemoveAll();
    /// Destroys the list now (ImageList_Destroy; every sharer then holds
    /// nothing); the handle becomes null.
    bool Destroy();
    /// Replaces this list (which its other sharers keep) by a new small-icon
    /// list holding copies of the other's icons in order; nothing when the
    /// other has no list or is this one.
    void CopyFrom(const ImageList& other);
    /// Number of holders sharing the list (copies and windows keeping it); 0
    /// for none.
    long Holders() const { return share.Holders(); }

private:
    void BindProperties();
    bool Create(int sizeKind);
    bool EnsureCreated(int sizeKind);
    int AppendIcon(HICON icon);
    int GetCount();
    int GetIconWidth();
    void SetIconWidth(int width);
    int GetIconHeight();
    void SetIconHeight(int height);

    SharedImageList share;
};

/// Gives the window a holder of its own of the list, so the list lives while
/// the window shows it, whatever becomes of the caller's copies. A control may
/// show several lists: place 0 to 3 names which (a control's own list kinds,
/// such as LVSIL_NORMAL, LVSIL_SMALL, LVSIL_STATE; 0 for a control with one).
/// The holder kept there before is released; a list with no handle keeps
/// nothing. The window's WM_NCDESTROY releases what it still keeps. False when
/// the window is missing or the place is outside 0 to 3.
bool KeepImageListWithWindow(HWND window, int place, const ImageList& list);

/// The side in pixels of the icons of a size kind: the system's small or
/// standard icon side, or 24. While the toolkit scales (UseDpiScaling) the side
/// follows the screen's DPI, taking the largest of the usual icon sides (16,
/// 24, 32, 48 ...) that fits the scaled one: at 144 DPI small icons are 24
/// pixels, icons of 24 pixels 32 and standard icons 48.
int IconSideOfKind(int sizeKind);

#endif
