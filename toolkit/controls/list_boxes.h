/// \file
/// List boxes: the sorted single-column list and the multi-column list.
#ifndef WICKER_CONTROLS_LIST_BOXES_H
#define WICKER_CONTROLS_LIST_BOXES_H

#include <windows.h>

#include "../foundation/control.h"
#include "../foundation/property.h"
#include "../foundation/string.h"

/// A sorted "LISTBOX" of strings, each item with a pointer-sized data word.
/// Its parent receives WM_COMMAND (identifier, LBN_SELCHANGE ...) as the
/// selection changes. Indices outside the list give LB_ERR (-1), false, 0 or
/// empty text, as each operation says.
struct ListBox : Control {
    /// Read only: the selected index, LB_ERR (-1) for none (LB_GETCURSEL).
    Property<ListBox, int> SelectedIndex;
    /// Read only: the selected item's data, 0 when nothing is selected.
    Property<ListBox, LPARAM> SelectedData;

    /// No window, no parent.
    ListBox();
    /// For a layout, which gives it its place and size: no place of its own.
    ListBox(const String& text, int identifier, Control parentControl);
    /// Creates the window at once, as Create does with the same arguments.
    ListBox(const String& text, int identifier, int x, int y, int width, int height,
            Control parentControl, bool enabled = true, bool visible = true, bool centred = false,
            DWORD exStyle = 0);

    /// Creates the window; false when it could not be created.
    bool Create(const String& text, int identifier, int x, int y, int width, int height,
                Control parentControl, bool enabled = true, bool visible = true,
                bool centred = false, DWORD exStyle = 0);

    /// Adds the text in its sorted place with the data (LB_ADDSTRING,
    /// LB_SETITEMDATA); the item's index, or LB_ERR (-1) when it was not added.
    int Add(const String& text, LPARAM data = 0);
    /// Selects the first item starting with the text (LB_SELECTSTRING from the
    /// top); its index, or LB_ERR.
    int SelectString(const String& text);
    /// LB_SETCURSEL; false for an index outside the list. -1 clears the
    /// selection, and gives false too: the control answers LB_ERR for it.
    bool SetSelectedIndex(int index);
    /// The first item starting with the text, case-insensitive (LB_FINDSTRING
    /// from the top); LB_ERR when none does.
    int FindString(const String& text);
    /// The first item equal to the text, case-insensitive (LB_FINDSTRINGEXACT
    /// searching after item 0 and wrapping); LB_ERR when none is.
    int FindStringExact(const String& text);
    /// The item's data (LB_GETITEMDATA); LB_ERR (-1) outside the list.
    LPARAM ItemData(int index);
    /// The data of the first item starting with the text; 0 when none does.
    LPARAM DataOf(const String& text);
    /// The length in bytes of the item's text; 0 outside the list.
    int ItemTextLength(int index);
    /// The item's whole text, at any length; empty outside the list.
    String ItemText(int index);
    /// LB_DELETESTRING; false outside the list.
    bool Delete(int index);
    /// Deletes the first item starting with the text; false when none does.
    bool DeleteString(const String& text);
    /// Number of items (LB_GETCOUNT).
    int Count();
    /// The height of every item (LB_SETITEMHEIGHT); LB_ERR when refused.
    int SetItemHeight(int height);
    /// Removes every item (LB_RESETCONTENT).
    void Clear();

private:
    void BindProperties();
    int GetSelectedIndex();
    LPARAM GetSelectedData();
};

/// An unsorted multi-column "LISTBOX": items flow top to bottom, then into
/// the next column. The operations are those of ListBox, except that
/// SelectString, FindString and so DataOf and DeleteString search from item 1
/// onwards and wrap round to item 0.
struct MCListBox : Control {
    /// \copydoc ListBox::SelectedIndex
    Property<MCListBox, int> SelectedIndex;
    /// \copydoc ListBox::SelectedData
    Property<MCListBox, LPARAM> SelectedData;

    MCListBox();
    /// Creates the window at once, as Create does with the same arguments.
    MCListBox(const String& text, int identifier, int x, int y, int width, int height,
              Control parentControl, bool enabled = true, bool visible = true,
              bool centred = false, bool border = true, int columnWidth = 100, DWORD exStyle = 0);

    /// Creates the window; false when it could not be created.
    bool Create(const String& text, int identifier, int x, int y, int width, int height,
                Control parentControl, bool enabled = true, bool visible = true,
                bool centred = false, bool border = true, int columnWidth = 100,
                DWORD exStyle = 0);

    /// \copydoc ListBox::Add
    int Add(const String& text, LPARAM data = 0);
    /// \copydoc ListBox::SelectString
    int SelectString(const String& text);
    /// \copydoc ListBox::SetSelectedIndex
    bool SetSelectedIndex(int index);
    /// \copydoc ListBox::FindString
    int FindString(const String& text);
    /// \copydoc ListBox::FindStringExact
    int FindStringExact(const String& text);
    /// \copydoc ListBox::ItemData
    LPARAM ItemData(int index);
    /// \copydoc ListBox::DataOf
    LPARAM DataOf(const String& text);
    /// \copydoc ListBox::ItemTextLength
    int ItemTextLength(int index);
    /// \copydoc ListBox::ItemText
    String ItemText(int index);
    /// \copydoc ListBox::Delete
    bool Delete(int index);
    /// \copydoc ListBox::DeleteString
    bool DeleteString(const String& text);
    /// \copydoc ListBox::Count
    int Count();
    /// \copydoc ListBox::SetItemHeight
    int SetItemHeight(int height);
    /// \copydoc ListBox::Clear
    void Clear();
    /// The width of every column (LB_SETCOLUMNWIDTH), then a full repaint.
    void SetColumnWidth(int width);

private:
    void BindProperties();
    int GetSelectedIndex();
    LPARAM GetSelectedData();
};

/// Window styles before WS_VISIBLE.
const DWORD kListBoxStyle = 0x40A10143;    ///< WS_CHILD | WS_VSCROLL | WS_BORDER | WS_TABSTOP |
                                           ///< LBS_NOINTEGRALHEIGHT | LBS_HASSTRINGS | LBS_SORT | LBS_NOTIFY
const DWORD kMCListBoxStyle = 0x40011241;  ///< WS_CHILD | WS_TABSTOP | LBS_DISABLENOSCROLL |
                                           ///< LBS_MULTICOLUMN | LBS_HASSTRINGS | LBS_NOTIFY
const DWORD kMCListBoxBorderStyle = WS_BORDER;  ///< added with the border flag

#endif
