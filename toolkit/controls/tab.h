/// \file
/// The tab control and its pages.
#ifndef WICKER_CONTROLS_TAB_H
#define WICKER_CONTROLS_TAB_H

#include <windows.h>
#include <commctrl.h>

#include "../foundation/control.h"
#include "../foundation/image_list.h"
#include "../foundation/property.h"
#include "../foundation/string.h"

/// One tab of a Tab, named by its index, and the control shown on it. A
/// record does not follow changes: after an earlier tab is deleted it names
/// the next one.
struct TabPage {
    /// A control is attached.
    bool hasControl;
    /// The attached control's window (Delete destroys it). The page keeps the
    /// window, not the wrapper: the wrapper may move (in a growing vector, say)
    /// or go while the page and its control live on.
    HWND control;
    /// The item as inserted or last read; its text is the record's own `text`.
    TCITEMA item;
    /// The tab's index; -1 for a record that names no tab.
    int index;
    /// The tab control.
    HWND tabWindow;
    ///@{
    /// Read only: the size of the tab's item rectangle; 0 when `index` is -1.
    Property<TabPage, int> Width;
    Property<TabPage, int> Height;
    ///@}
    /// The text `item` points at.
    String text;

    ///@{
    /// Names no tab.
    TabPage();
    TabPage(const TabPage& other);
    TabPage& operator=(const TabPage& other);
    TabPage(TabPage&& other) noexcept;
    TabPage& operator=(TabPage&& other) noexcept;
    ///@}

    /// Sets the tab's text (TCM_SETITEMA with the item's mask, so the image is
    /// written again); the message's result.
    bool SetText(const String& newText);
    /// The tab's text as the control holds it now (TCM_GETITEMA).
    String Text();
    /// Moves the control's window into the tab control (SetParent), lays it out
    /// below the tabs and shows it while this tab is selected, hidden otherwise.
    /// A control attached before stays where it is. Only the window is kept:
    /// the wrapper is free to move or go.
    void AttachControl(Control& attached);
    /// Places the attached control in the tab control's client area below the
    /// tabs with a margin of 5 pixels, and shows it when this tab is selected.
    /// Call it again after the tab control changed size. Always true.
    bool Layout();
    /// Hides the attached control; always true.
    bool HideControl();
    /// Selects the tab (TCM_SETCURSEL), which shows its control and hides the
    /// other pages' controls; the message's result.
    int Select();
    /// Destroys the attached control's window, then removes the tab
    /// (TCM_DELETEITEM); true at once for a record that names no tab.
    bool Delete();
    /// The tab's item rectangle (TCM_GETITEMRECT); empty when it has none.
    RECT ItemRect();

private:
    void BindProperties();
    int GetWidth();
    int GetHeight();
};

/// A "SysTabControl32" window holding pages. Any control attached to a page
/// becomes a child of the tab control, shown only while its tab is selected:
/// a selection made by the user with mouse or keyboard, or by the program
/// (SetSelection, Select), shows the selected page's controls and hides the
/// others'. Commands from the page controls (WM_COMMAND) are sent on to the
/// tab control's parent, so the form handles them as if the controls were
/// its own. The tab control keeps a holder of the image list it shows.
struct Tab : Control {
    /// Read only: the number of tabs (TCM_GETITEMCOUNT).
    Property<Tab, int> Count;

    /// No window, no parent.
    Tab();
    /// Kinds: 1 tabs on the left, 2 and 3 at the bottom, 4 buttons, 5 buttons
    /// on the left, 6 and 7 buttons at the bottom, 8 and any other value tabs
    /// on top (8 with a dialog frame). The text is not used.
    Tab(const String& text, int identifier, int x, int y, int width, int height,
        Control parentControl, int kind = 0, bool enabled = true, bool visible = true,
        bool centred = false, DWORD exStyle = 0);
    /// Creates the window; false when it could not be created.
    bool Create(const String& text, int identifier, int x, int y, int width, int height,
                Control parentControl, int kind = 0, bool enabled = true, bool visible = true,
                bool centred = false, DWORD exStyle = 0);

    /// Adds a tab at the end with the text and the image list's picture of
    /// this index (-1 for none).
    TabPage AddPage(const String& text, int image = -1);
    /// Shows pictures from the list on the tabs (TCM_SETIMAGELIST); the list
    /// shown before.
    HIMAGELIST SetImageList(const ImageList& list);
    /// TCM_DELETEITEM; a control attached to that page is hidden, not destroyed.
    bool DeletePage(int index);
    /// TCM_DELETEALLITEMS; attached controls are hidden, not destroyed.
    bool DeleteAll();
    /// A record of the tab at the index, with its text and image read from the
    /// control; no control attached.
    TabPage Page(int index);
    /// TCM_GETITEMRECT of the tab.
    RECT ItemRect(int index);
    /// The selected tab's index (TCM_GETCURSEL), -1 for none.
    int Selection();
    /// Selects the tab (TCM_SETCURSEL); the previous selection or -1.
    int SetSelection(int index);
    /// Selects the page's tab; its control shows.
    void SelectPage(TabPage& page);

private:
    void BindProperties();
    int GetCount();
};

/// The tab control's subclass procedure (SetWindowSubclass): WM_COMMAND from
/// its children goes on unchanged to the tab control's parent (result 0); a
/// change of selection shows the selected page's controls and hides the rest;
/// everything else goes on down the chain.
LRESULT CALLBACK TabForwardProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                UINT_PTR subclassId, DWORD_PTR data);

/// The tab control's style before the kind's bits and WS_VISIBLE.
const DWORD kTabStyle = 0x42010200;  ///< WS_CHILD | WS_CLIPCHILDREN | WS_TABSTOP | TCS_MULTILINE
/// Space between the tab control's edges and a page control.
const int kTabPageMargin = 5;

/// The style bits of a kind of tab control.
DWORD TabKindStyle(int kind);

#endif
