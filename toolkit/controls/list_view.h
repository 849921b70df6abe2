/// \file
/// The icon list view: items with a text and a picture of an image list.
#ifndef WICKER_CONTROLS_LIST_VIEW_H
#define WICKER_CONTROLS_LIST_VIEW_H

#include <windows.h>
#include <commctrl.h>

#include "../foundation/control.h"
#include "../foundation/image_list.h"
#include "../foundation/property.h"
#include "../foundation/string.h"

/// One item of a list view, returned by value: it owns nothing in the control
/// and names the item by the index it had when it was added (not updated when
/// items before it come or go).
struct ListViewItem {
    /// The list view window; null for no item.
    HWND list;
    /// A copy of the record that inserted the item (its text pointer cleared:
    /// the text it pointed to is the caller's).
    LVITEMA item;
    /// The item's index in the control; -1 for no item.
    int index;
    /// The text the item was added with.
    String text;

    /// No item.
    ListViewItem();

    /// Removes the item from the control (LVM_DELETEITEM); false when there is
    /// no such item.
    bool Delete();
    /// The item's text as the control holds it now, whole at any length.
    String Text();
};

/// A "SysListView32" window in icon view. Its parent receives WM_NOTIFY
/// (LVN_ITEMCHANGED, NM_CLICK ...) with the control's identifier. The control
/// shares the image lists it is given (LVS_SHAREIMAGELISTS): the window keeps a
/// holder of each for as long as it shows it. Indices outside the items give
/// an empty text or false.
struct ListView : Control {
    /// Read only: the first selected item, -1 for none (LVM_GETNEXTITEM, LVNI_SELECTED).
    Property<ListView, int> SelectedIndex;
    /// Read only: number of items (LVM_GETITEMCOUNT).
    Property<ListView, int> Count;
    /// Read only: the background colour (LVM_GETBKCOLOR).
    Property<ListView, COLORREF> BackgroundColor;
    /// Number of Add calls since the window was created; deleting items does
    /// not lower it.
    int itemCount;

    /// No window, no parent.
    ListView();
    /// Creates the window at once, as Create does with the same arguments.
    ListView(const String& text, int identifier, int x, int y, int width, int height,
             Control parentControl, bool enabled = true, bool visible = true, bool centred = false,
             DWORD exStyle = 0);

    /// Creates the window; false when it could not be created.
    bool Create(const String& text, int identifier, int x, int y, int width, int height,
                Control parentControl, bool enabled = true, bool visible = true,
                bool centred = false, DWORD exStyle = 0);

    /// Shows the items' pictures from the list (LVM_SETIMAGELIST, LVSIL_NORMAL);
    /// the window keeps a holder of the list for as long as it shows it, so
    /// the caller's copies may go. The list shown before, or null.
    HIMAGELIST SetImageList(const ImageList& list);
    /// Appends an item with the text and the picture of that index of the
    /// image list (-1 for none). The record has the index the control gave the
    /// item; an empty record (index -1) when it was not added.
    ListViewItem Add(const String& text, int image = -1);
    /// The item's whole text, at any length; empty outside the items.
    String ItemText(int index);
    /// Removes every item (LVM_DELETEALLITEMS).
    bool DeleteAll();
    ///@{
    /// LVM_ARRANGE with LVA_DEFAULT, LVA_ALIGNLEFT, LVA_ALIGNTOP, LVA_SNAPTOGRID.
    bool ArrangeDefault();
    bool ArrangeLeft();
    bool ArrangeTop();
    bool SnapToGrid();
    ///@}
    /// The background of the control and of its texts, then a full repaint;
    /// false when the control refuses the colour.
    bool SetBackgroundColor(COLORREF colour);
    /// The colour of the texts (LVM_SETTEXTCOLOR), then a full repaint.
    bool SetTextColor(COLORREF colour);

private:
    void BindProperties();
    int GetSelectedIndex();
    int GetCount();
    COLORREF GetBackgroundColor();
};

/// Window style before WS_VISIBLE.
const DWORD kListViewStyle = 0x40010040;  ///< WS_CHILD | WS_TABSTOP | LVS_SHAREIMAGELISTS | LVS_ICON

#endif
