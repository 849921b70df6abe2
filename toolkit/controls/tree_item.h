/// \file
/// One item of a tree-view control.
#ifndef WICKER_CONTROLS_TREE_ITEM_H
#define WICKER_CONTROLS_TREE_ITEM_H

#include <windows.h>
#include <commctrl.h>

#include "foundation/string.h"

/// A tree item, copied by value; it owns nothing in the tree and stays valid
/// only as long as the item it names. A record whose parent handle is null
/// stands for the root of the tree. Every operation on a record without a
/// tree window or without an item (an empty record, one whose insertion
/// failed) reports failure, and so does one on an item the tree no longer
/// holds; none of them crashes or touches other items.
struct TreeItem {
    /// The tree-view window, null until the item is inserted.
    HWND tree;
    ///@{
    /// The item this one was inserted under: TVI_ROOT for a top-level item.
    HTREEITEM parentItem;
    HTREEITEM item;
    ///@}
    /// The item's data word, as given when it was added.
    LPARAM data;
    /// The text given when it was added (ItemText reads the current one).
    String text;

    ///@{
    /// An empty record: no tree, no parent, no item.
    TreeItem() : tree(NULL), parentItem(NULL), item(NULL), data(0), text() {}
    TreeItem(HTREEITEM parentHandle, HTREEITEM itemHandle)
        : tree(NULL), parentItem(parentHandle), item(itemHandle), data(0), text()
    {
    }
    ///@}

    /// Inserts a last child under this item (the root for TreeRoot's handle)
    /// with the text, data and pictures; the new item's record, an empty one
    /// when the tree refused it.
    TreeItem AddChild(const String& childText, LPARAM childData = 0, int image = -1,
                      int selectedImage = -1) const;
    /// Makes this item the tree's caret item (TVM_SELECTITEM, TVGN_CARET).
    bool Select() const;
    ///@{
    /// Select, then TVM_EXPAND with TVE_EXPAND / TVE_COLLAPSE; false when
    /// either fails.
    bool SelectAndExpand() const;
    bool SelectAndCollapse() const;
    ///@}
    /// Leaves the record's tree without a caret item.
    bool ClearSelection() const;
    /// Deletes the item and its children (TVM_DELETEITEM). Never the whole
    /// tree: a record without an item gives false.
    bool Delete() const;
    ///@{
    /// TVM_EXPAND with TVE_EXPAND, TVE_COLLAPSE, TVE_TOGGLE; false when the
    /// tree reports no change it could make (an item without children, for one).
    bool Expand() const;
    bool Collapse() const;
    bool Toggle() const;
    ///@}
    /// The item's current text, whole at any length; empty when the item is gone.
    String ItemText() const;

private:
    bool HasItem() const;
    bool ExpandAs(UINT action) const;
};

/// Inserts an item under `parent` (TVI_ROOT for the top level) of the tree,
/// last among its siblings, with the text, data word and the pictures of the
/// tree's image list; its handle, or null when the tree refused it.
HTREEITEM InsertTreeItem(HWND tree, HTREEITEM parent, const String& text, LPARAM data, int image,
                         int selectedImage);
/// Reads the item's text (whole, at any length) and data word with
/// TVM_GETITEMA; false, with empty text and data 0, when the tree has no such
/// item. Either output may be null.
bool ReadTreeItem(HWND tree, HTREEITEM item, String* text, LPARAM* data);

/// The root of every tree (parent null, item TVI_ROOT): passing it as the
/// parent inserts a top-level item.
extern TreeItem TreeRoot;

#endif
