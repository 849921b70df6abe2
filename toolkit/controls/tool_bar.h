/// \file
/// The tool bar: a row of picture buttons that send commands to the parent.
#ifndef WICKER_CONTROLS_TOOL_BAR_H
#define WICKER_CONTROLS_TOOL_BAR_H

#include <windows.h>
#include <commctrl.h>

#include "../foundation/control.h"
#include "../foundation/image_list.h"
#include "../foundation/property.h"
#include "../foundation/string.h"

/// One button of a tool bar, returned by value when it is added. It names the
/// button by the bar's window and its command, so copies work alike.
struct ToolButton {
    /// The button as it was added.
    TBBUTTON button;
    /// The tool bar's window.
    HWND toolBar;
    /// The command the button sends (WM_COMMAND to the bar's parent).
    int command;

    /// An empty record: no bar, no button.
    ToolButton();

    ///@{
    /// Makes the button pressable again, or greys it (TB_ENABLEBUTTON).
    bool Enable();
    bool Disable();
    ///@}
    /// TB_ISBUTTONENABLED.
    bool IsEnabled() const;
    /// The button's state bits (TB_GETSTATE: TBSTATE_ENABLED, ...); -1 when
    /// the bar has no such button.
    int State() const;
};

/// A "ToolbarWindow32" window along the top of its parent (the control
/// places itself there and takes the parent's width). Clicking a button sends
/// WM_COMMAND with its command, code BN_CLICKED, to the parent. A button is
/// drawn hot (raised) only while the pointer is over it: not after the bar
/// lost the focus, nor after a click that opened a modal window.
///
///     ToolBar tools(1, form);
///     tools.SetImageList(icons);
///     tools.AddButton("Open", 0, IDM_OPEN);
struct ToolBar : Control {
    /// Buttons get their text as a label (ShowText); false at first.
    bool showText;
    /// Flat buttons, drawn raised only under the pointer (TBSTYLE_FLAT).
    Property<ToolBar, bool> Flat;
    /// A line above the bar separating it from a menu (no CCS_NODIVIDER).
    Property<ToolBar, bool> Divider;
    /// Buttons wrap to a new row when the bar is too narrow (TBSTYLE_WRAPABLE).
    Property<ToolBar, bool> Wrapable;

    /// No window, no parent.
    ToolBar();
    /// Creates the window at once, as Create does with the same arguments.
    ToolBar(int identifier, Control parentControl, int x = 0, int y = 0, bool enabled = true,
            bool visible = true, bool flat = true, bool divider = false, DWORD exStyle = 0);

    /// Creates the bar; false when it could not be created.
    bool Create(int identifier, Control parentControl, int x = 0, int y = 0, bool enabled = true,
                bool visible = true, bool flat = true, bool divider = false, DWORD exStyle = 0);

    /// Whether buttons added from now on get their text as a label.
    void ShowText(bool flag);
    /// Appends a button showing the picture at `image` of the bar's image list
    /// and, with ShowText, the text under it; the bar then fits its buttons.
    /// An empty record when the bar did not take the button.
    ToolButton AddButton(const String& text, int image, int command);
    /// Appends a gap between buttons (TBSTYLE_SEP).
    bool AddSeparator();
    /// The pictures of the buttons (TB_SETIMAGELIST); the bar keeps a holder
    /// of the list while it shows it. The list shown before, or null.
    HIMAGELIST SetImageList(const ImageList& list);
    /// Number of buttons and separators (TB_BUTTONCOUNT).
    int ButtonCount();
    /// Fits the bar to its buttons again after the parent changed size (TB_AUTOSIZE).
    void UpdateLayout();

private:
    void BindProperties();
    bool GetFlat();
    void SetFlat(bool flat);
    bool GetDivider();
    void SetDivider(bool divider);
    bool GetWrapable();
    void SetWrapable(bool wrapable);
};

/// Window styles: the divider shown, and without it (CCS_NODIVIDER added).
const DWORD kToolBarStyle = 0x40010630;  ///< WS_CHILD | WS_TABSTOP | TBSTYLE_ALTDRAG |
                                         ///< TBSTYLE_WRAPABLE | CCS_ADJUSTABLE | 0x10
const DWORD kToolBarNoDividerStyle = 0x40010670;  ///< kToolBarStyle | CCS_NODIVIDER

#endif
