// An owned icon handle.
#ifndef WICKER_SYSTEM_ICON_OBJECT_H
#define WICKER_SYSTEM_ICON_OBJECT_H

#include <windows.h>

// Holds one icon and destroys it with itself. Not copyable, so that no two
// holders destroy the same icon; moving hands the icon over.
struct IconObject {
    // Null when empty.
    HICON icon;

    IconObject() : icon(NULL) {}
    explicit IconObject(HICON handle) : icon(handle) {}
    IconObject(const IconObject&) = delete;
    IconObject& operator=(const IconObject&) = delete;
    IconObject(IconObject&& other) noexcept : icon(other.icon) { other.icon = NULL; }
    // Releases the icon (DestroyIcon).
    ~IconObject()
    {
        if (icon != NULL)
            DestroyIcon(icon);
    }
};

// The empty icon object held by the toolkit's start-up.
extern IconObject EmptyIcon;

#endif
