// One item of a tree-view control.
#ifndef WICKER_CONTROLS_TREE_ITEM_H
#define WICKER_CONTROLS_TREE_ITEM_H

#include <windows.h>
#include <commctrl.h>

#include "foundation/string.h"

// A tree item; a record whose parent handle is null stands for the root of the tree.
struct TreeItem {
    // The tree-view window, null until the item is inserted.
    HWND tree;
    HTREEITEM parentItem;
    HTREEITEM item;
    // The item's 32-bit user data.
    LPARAM data;
    String text;

    TreeItem(HTREEITEM parentHandle, HTREEITEM itemHandle)
        : tree(NULL), parentItem(parentHandle), item(itemHandle), data(0), text()
    {
    }
};

// The root of every tree (parent null, item TVI_ROOT): passing it as the
// parent inserts a top-level item.
extern TreeItem TreeRoot;

#endif
