// An icon handle held under the toolkit's shared ownership rule.
#ifndef WICKER_SYSTEM_ICON_OBJECT_H
#define WICKER_SYSTEM_ICON_OBJECT_H

#include <windows.h>

#include "../foundation/shared_handle.h"

// Holds one icon and is passed by value freely: copies share the icon and the
// last holder of an icon it owns destroys it (see SharedHandle). A window that
// shows an icon keeps its own copy (CopyIcon), so a holder going never takes a
// shown icon with it. An icon read from a window or loaded as a shared system
// icon is held as a view and never destroyed here.
struct IconObject {
    // Null when empty.
    HICON icon;

    IconObject() : icon(NULL) {}
    // Around the icon: a view (kViewHandle) or owned (kOwnHandle).
    explicit IconObject(HICON handle, HandleOwnership ownership = kViewHandle)
        : icon(handle), share(handle, ownership)
    {
    }

    // Destroys an owned icon now; every sharer then holds nothing. True when
    // an icon was destroyed.
    bool Destroy()
    {
        icon = NULL;
        return share.Destroy();
    }
    // True when the last holder destroys the icon.
    bool Owns() const { return share.Owns(); }
    // Number of holders sharing the icon.
    long Holders() const { return share.Holders(); }

private:
    SharedIcon share;
};

// The empty icon object held by the toolkit's start-up.
extern IconObject EmptyIcon;

#endif
