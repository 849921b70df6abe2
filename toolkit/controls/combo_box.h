/// \file
/// The extended combo box: a drop-down list whose items may show a picture.
#ifndef WICKER_CONTROLS_COMBO_BOX_H
#define WICKER_CONTROLS_COMBO_BOX_H

#include <windows.h>

#include "../foundation/control.h"
#include "../foundation/image_list.h"
#include "../foundation/property.h"
#include "../foundation/string.h"

/// A "ComboBoxEx32" window in drop-down style (an edit field above the list)
/// or, list-only, drop-down-list style. Items keep their order of adding and
/// carry a pointer-sized data word and a picture of the image list. Its parent
/// receives WM_COMMAND (identifier, CBN_SELCHANGE ...). Indices outside the
/// list give CB_ERR (-1), false, 0 or empty text, as each operation says.
struct ComboBox : Control {
    /// Read only: the selected index, CB_ERR (-1) for none (CB_GETCURSEL).
    Property<ComboBox, int> SelectedIndex;
    /// Read only: the selected item's data, 0 when nothing is selected.
    Property<ComboBox, LPARAM> SelectedData;
    /// Read only: the first item shown in the list (CB_GETTOPINDEX).
    Property<ComboBox, int> TopIndex;

    /// No window, no parent.
    ComboBox();
    /// For a layout, which gives it its place and width: no place of its own,
    /// a list 200 logical pixels tall when dropped down.
    ComboBox(const String& text, int identifier, Control parentControl, bool listOnly = false);
    /// Creates the window at once, as Create does with the same arguments.
    ComboBox(const String& text, int identifier, int x, int y, int width, int height,
             Control parentControl, bool enabled = true, bool visible = true, bool centred = false,
             bool listOnly = false, DWORD exStyle = 0);

    /// Creates the window; false when it could not be created. The height
    /// includes the dropped-down list.
    bool Create(const String& text, int identifier, int x, int y, int width, int height,
                Control parentControl, bool enabled = true, bool visible = true,
                bool centred = false, bool listOnly = false, DWORD exStyle = 0);

    /// Shows the items' pictures from the list (CBEM_SETIMAGELIST); the window
    /// keeps a holder of the list for as long as it shows it. The list shown
    /// before, or null.
    HIMAGELIST SetImageList(const ImageList& list);
    /// Appends the text with the data and the picture of that index
    /// (CBEM_INSERTITEMA, CB_SETITEMDATA); the new count of items, or 0 when
    /// nothing was added.
    int Add(const String& text, LPARAM data = 0, int image = -1);
    /// Selects the first item starting with the text; the selected index, or
    /// CB_ERR (-1) when no item starts so.
    int SelectString(const String& text);
    /// CB_SETCURSEL; false for an index outside the list. -1 clears the
    /// selection, and gives false too: the control answers CB_ERR for it.
    bool SetSelectedIndex(int index);
    /// The first item starting with the text, case-insensitive, searching
    /// after item 0 and wrapping round; CB_ERR when none does.
    int FindString(const String& text);
    /// The same for an item equal to the text.
    int FindStringExact(const String& text);
    /// The item's data (CB_GETITEMDATA); 0 outside the list.
    LPARAM ItemData(int index);
    /// The data of the first item FindString finds; 0 when none.
    LPARAM DataOf(const String& text);
    /// The length in bytes of the item's text; 0 outside the list.
    int ItemTextLength(int index);
    /// The item's whole text, at any length; empty outside the list.
    String ItemText(int index);
    /// Deletes the item (CB_DELETESTRING); false outside the list.
    bool Delete(int index);
    /// Deletes the first item FindString finds; false when none.
    bool DeleteString(const String& text);
    /// Number of items (CB_GETCOUNT).
    int Count();
    /// The height of the list's items (CB_SETITEMHEIGHT of index 0); CB_ERR when refused.
    int SetItemHeight(int height);
    /// Removes every item (CB_RESETCONTENT).
    void Clear();

private:
    void BindProperties();
    int GetSelectedIndex();
    LPARAM GetSelectedData();
    int GetTopIndex();
};

/// Window styles before WS_VISIBLE.
const DWORD kComboBoxStyle = 0x40210802;  ///< WS_CHILD | WS_VSCROLL | WS_TABSTOP |
                                          ///< CBS_DISABLENOSCROLL | CBS_DROPDOWN
const DWORD kComboBoxListOnlyStyle = 1;   ///< added: CBS_DROPDOWN + 1 = CBS_DROPDOWNLIST

#endif
