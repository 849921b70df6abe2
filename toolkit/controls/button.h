/// \file
/// A push button.
#ifndef WICKER_CONTROLS_BUTTON_H
#define WICKER_CONTROLS_BUTTON_H

#include <windows.h>

#include "../foundation/control.h"
#include "../foundation/string.h"
#include "../system/icon_object.h"

/// A "BUTTON" window, WS_CHILD | WS_TABSTOP | BS_MULTILINE, with BS_ICON when
/// made to show an icon and BS_DEFPUSHBUTTON when it is the default button.
/// Its parent receives WM_COMMAND (identifier, BN_CLICKED) when it is clicked.
/// The window shows its own copy of every icon it is given, so the IconObject
/// may go at any time.
struct Button : Control {
    /// No window, no parent.
    Button();
    /// For a layout, which gives it its place and size: no place of its own.
    ///     Button ok("OK", IDOK, form, true);
    Button(const String& text, int identifier, Control parentControl, bool isDefault = false);
    /// Creates the window at once, as Create does with the same arguments.
    Button(const String& text, int identifier, int x, int y, int width, int height,
           Control parentControl, bool enabled = true, bool visible = true, bool centred = false,
           bool isDefault = false, DWORD exStyle = 0, bool image = false,
           IconObject icon = IconObject());

    /// Creates the window; false when it could not be created.
    bool Create(const String& text, int identifier, int x, int y, int width, int height,
                Control parentControl, bool enabled = true, bool visible = true,
                bool centred = false, bool isDefault = false, DWORD exStyle = 0,
                bool image = false, IconObject icon = IconObject());
    /// Shows the icon (BM_SETIMAGE, IMAGE_ICON); only a button made with the
    /// image flag (BS_ICON) draws it. The message's result.
    LRESULT SetImage(IconObject icon);
    /// Shows the program's icon resource of this number the same way; false
    /// when there is no such icon.
    bool SetIconResource(int resourceId);
};

///@{
/// The styles of a button before it is shown.
const DWORD kButtonStyle = 0x40012000;  ///< WS_CHILD | WS_TABSTOP | BS_MULTILINE
const DWORD kButtonImageStyle = 0x40;   ///< BS_ICON
const DWORD kButtonDefaultStyle = 1;    ///< BS_DEFPUSHBUTTON
///@}

#endif
