/// \file
/// An icon handle held under the toolkit's shared ownership rule.
#ifndef WICKER_SYSTEM_ICON_OBJECT_H
#define WICKER_SYSTEM_ICON_OBJECT_H

#include <windows.h>

#include "../foundation/property.h"
#include "../foundation/shared_handle.h"
#include "../foundation/string.h"

/// Holds one icon and is passed by value freely: copies share the icon and the
/// last holder of an icon it owns destroys it (see SharedHandle). A window that
/// shows an icon keeps its own copy (CopyIcon), so a holder going never takes a
/// shown icon with it. An icon read from a window or loaded as a shared system
/// icon is held as a view and never destroyed here.
///
/// Loaders replace the icon held (an owned one is destroyed by its last
/// holder) and report success; when they fail the holder is left as it was.
struct IconObject {
    /// Null when empty.
    HICON icon;
    ///@{
    /// Size of the icon in pixels, from its bitmaps (GetIconInfo); 0 when empty.
    Property<IconObject, int> Width;
    Property<IconObject, int> Height;
    ///@}

    IconObject();
    /// Around the icon: a view (kViewHandle) or owned (kOwnHandle).
    explicit IconObject(HICON handle, HandleOwnership ownership = kViewHandle);
    /// Copies share the icon; the properties stay bound to their own holder.

    /// The program's icon resource of this number (LoadIconA; a shared icon,
    /// held as a view).
    bool LoadResource(int resourceId);
    /// A predefined system icon such as IDI_APPLICATION (LoadIconA with no
    /// module; a view).
    bool LoadSystem(LPCSTR name);
    /// An icon file at 64 x 64 (LoadImageA, LR_LOADFROMFILE); owned.
    bool LoadFile(const String& path);
    /// Holds the other's icon from now on and leaves the other empty: the
    /// ownership moves with it, nothing is copied.
    void Take(IconObject& other);
    /// Holds this icon instead (see the constructor); null empties the holder.
    void SetHandle(HICON handle, HandleOwnership ownership = kViewHandle);

    /// Destroys an owned icon now; every sharer then holds nothing. True when
    /// an icon was destroyed.
    bool Destroy();
    /// True when the last holder destroys the icon.
    bool Owns() const { return share.Owns(); }
    /// Number of holders sharing the icon.
    long Holders() const { return share.Holders(); }
    /// True when the holder has an icon.
    bool HasIcon() const { return icon != NULL; }

    /// A new bitmap holding the icon's colour part (GetIconInfo; its mask is
    /// deleted). Null for an empty icon or one without colour. The caller owns it.
    HBITMAP ColorBitmap() const;

private:
    void BindProperties();
    int GetWidth();
    int GetHeight();

    SharedIcon share;
};

/// A new icon (owned) showing the bitmap as it is: every pixel opaque
/// (CreateIconIndirect with an all-zero mask). Empty for a null bitmap.
IconObject IconFromBitmap(HBITMAP bitmap);

/// The empty icon object held by the toolkit's start-up.
extern IconObject EmptyIcon;

#endif
