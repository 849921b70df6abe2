/// \file
/// The tree view: items under items, each with a text, a data word and pictures.
#ifndef WICKER_CONTROLS_TREE_VIEW_H
#define WICKER_CONTROLS_TREE_VIEW_H

#include <windows.h>

#include "../foundation/control.h"
#include "../foundation/image_list.h"
#include "../foundation/property.h"
#include "../foundation/string.h"
#include "tree_item.h"

/// A "SysTreeView32" window with lines, buttons and editable labels. Items
/// are added under a parent record (TreeRoot for the top level) and come back
/// as TreeItem records that work on the item without the tree object. Its
/// parent receives WM_NOTIFY (TVN_SELCHANGED ...).
struct TreeView : Control {
    ///@{
    /// The item most recently added by Add, and the top-level item most
    /// recently added by Add (AddChild touches neither); empty records before.
    TreeItem lastItem;
    TreeItem lastTopItem;
    ///@}

    /// Read only: the caret item: tree, parent (TVI_ROOT for a top-level
    /// item), handle, current text and data; an empty record when none.
    Property<TreeView, TreeItem> SelectedItem;
    /// Read only: the caret item's whole text; empty when none.
    Property<TreeView, String> SelectedText;
    /// Read only: the caret item's data word; 0 when none.
    Property<TreeView, LPARAM> SelectedData;
    /// Read only: number of items (TVM_GETCOUNT).
    Property<TreeView, int> Count;

    /// No window, no parent.
    TreeView();
    /// The text is not shown: the window's text is "TreeView".
    TreeView(const String& text, int identifier, int x, int y, int width, int height,
             Control parentControl, bool enabled = true, bool visible = true, bool centred = false,
             DWORD exStyle = 0);

    /// Creates the window; false when it could not be created.
    bool Create(const String& text, int identifier, int x, int y, int width, int height,
                Control parentControl, bool enabled = true, bool visible = true,
                bool centred = false, DWORD exStyle = 0);

    /// Shows the items' pictures from the list (TVM_SETIMAGELIST, TVSIL_NORMAL);
    /// the window keeps a holder of the list for as long as it shows it. The
    /// list shown before, or null.
    HIMAGELIST SetImageList(const ImageList& list);
    /// Adds a last child under the parent record: at the top level for
    /// TreeRoot or any record whose parent handle is null, else under the
    /// record's item. The new item's record (parent TVI_ROOT at the top level),
    /// which also becomes lastItem, and lastTopItem at the top level; an empty
    /// record, with neither changed, when the tree refused it.
    TreeItem Add(const TreeItem& parentItem, const String& text, LPARAM data = 0, int image = -1,
                 int selectedImage = -1);
    /// Deletes every item (TVM_DELETEITEM of TVI_ROOT).
    bool DeleteAll();

private:
    void BindProperties();
    TreeItem GetSelectedItem();
    String GetSelectedText();
    LPARAM GetSelectedData();
    int GetCount();
    HTREEITEM Caret();
};

/// Window style before WS_VISIBLE.
const DWORD kTreeViewStyle = 0x4001006F;  ///< WS_CHILD | WS_TABSTOP | TVS_RTLREADING |
                                          ///< TVS_SHOWSELALWAYS | TVS_EDITLABELS |
                                          ///< TVS_LINESATROOT | TVS_HASLINES | TVS_HASBUTTONS

#endif
