/// \file
/// What the list view and the table share: items added, item and cell texts
/// read whole, and the colours of the control.
#ifndef WICKER_CONTROLS_LIST_VIEW_TEXT_H
#define WICKER_CONTROLS_LIST_VIEW_TEXT_H

#include <windows.h>
#include <commctrl.h>

#include "../foundation/string.h"

/// Inserts an item with the text and image (LVM_INSERTITEMA), asking for the
/// place `place`: the number of items added so far, which after deletions is
/// past the end, where the control appends the item. `inserted` gets the item
/// as it was inserted, without its text pointer. The index the control put the
/// item at; negative when it refused.
LRESULT InsertListViewItem(HWND list, int place, const String& text, int image,
                           LVITEMA* inserted);
/// The whole text of an item (column 0) or of a cell of a "SysListView32"
/// window. The control cannot say how long a text is, so it is asked with a
/// buffer that grows until the text fits. Empty for a missing window, item
/// or column.
String ListViewCellText(HWND list, int item, int column);
/// Sets the text of an item (column 0) or of a cell (LVM_SETITEMTEXTA); false
/// when the control refuses it (no such item) or there is no window.
bool SetListViewCellText(HWND list, int item, int column, const String& text);
/// LVM_SETBKCOLOR; when the control takes it, the text background too
/// (LVM_SETTEXTBKCOLOR) and a full repaint. False when refused.
bool SetListViewBackground(HWND list, COLORREF colour);
/// LVM_SETTEXTCOLOR and a full repaint; whether the control took it.
bool SetListViewTextColour(HWND list, COLORREF colour);

#endif
