/// \file
/// Buttons with a check mark: the check box and the radio button.
#ifndef WICKER_CONTROLS_CHECK_BOXES_H
#define WICKER_CONTROLS_CHECK_BOXES_H

#include <windows.h>

#include "../foundation/control.h"
#include "../foundation/property.h"
#include "../foundation/string.h"

/// A check box that checks and unchecks itself when clicked (BS_AUTOCHECKBOX);
/// its parent receives WM_COMMAND (identifier, BN_CLICKED).
struct CheckBox : Control {
    /// True exactly when checked (BM_GETCHECK is BST_CHECKED; the indeterminate
    /// state reads false); written with BM_SETCHECK 1 or 0.
    Property<CheckBox, bool> Checked;

    /// No window, no parent.
    CheckBox();
    /// For a layout, which gives it its place and size: no place of its own.
    CheckBox(const String& text, int identifier, Control parentControl, bool checked = false);
    /// Creates the window at once, as Create does with the same arguments.
    CheckBox(const String& text, int identifier, int x, int y, int width, int height,
             Control parentControl, bool checked = false, bool enabled = true,
             bool visible = true, bool centred = false, DWORD exStyle = 0);
    /// Creates the window; false when it could not be created.
    bool Create(const String& text, int identifier, int x, int y, int width, int height,
                Control parentControl, bool checked = false, bool enabled = true,
                bool visible = true, bool centred = false, DWORD exStyle = 0);

private:
    void BindProperties();
    bool GetChecked();
    void SetChecked(bool checked);
};

/// A radio button that checks itself and unchecks the others of its group when
/// clicked (BS_AUTORADIOBUTTON); a group runs from a WS_GROUP control (such as
/// a GroupBox) to the next.
struct RadioButton : Control {
    /// As CheckBox::Checked.
    Property<RadioButton, bool> Checked;

    RadioButton();
    /// For a layout, which gives it its place and size: no place of its own.
    RadioButton(const String& text, int identifier, Control parentControl);
    /// Creates the window at once, as Create does with the same arguments.
    RadioButton(const String& text, int identifier, int x, int y, int width, int height,
                Control parentControl, bool enabled = true, bool visible = true,
                bool centred = false, DWORD exStyle = 0);
    /// Creates the window; false when it could not be created.
    bool Create(const String& text, int identifier, int x, int y, int width, int height,
                Control parentControl, bool enabled = true, bool visible = true,
                bool centred = false, DWORD exStyle = 0);

private:
    void BindProperties();
    bool GetChecked();
    void SetChecked(bool checked);
};

///@{
/// Window styles before WS_VISIBLE.
const DWORD kCheckBoxStyle = 0x40012003;     ///< WS_CHILD | WS_TABSTOP | BS_MULTILINE | BS_AUTOCHECKBOX
const DWORD kRadioButtonStyle = 0x40012009;  ///< WS_CHILD | WS_TABSTOP | BS_MULTILINE | BS_AUTORADIOBUTTON
///@}

#endif
