/// \file
/// Static controls: the text label, the icon box and the bitmap box.
#ifndef WICKER_CONTROLS_STATIC_CONTROLS_H
#define WICKER_CONTROLS_STATIC_CONTROLS_H

#include <windows.h>

#include "../foundation/bitmap.h"
#include "../foundation/control.h"
#include "../foundation/string.h"
#include "../system/icon_object.h"

/// A line of text that the user does not edit: "STATIC" with SS_EDITCONTROL,
/// which wraps words as a multi-line edit box does.
struct Label : Control {
    /// No window, no parent.
    Label();
    /// For a layout, which gives it its place and size: no place of its own.
    Label(const String& text, int identifier, Control parentControl);
    /// Creates the window at once, as Create does with the same arguments.
    Label(const String& text, int identifier, int x, int y, int width, int height,
          Control parentControl, bool enabled = true, bool visible = true, bool centred = false,
          DWORD exStyle = 0);
    /// Creates the window; false when it could not be created.
    bool Create(const String& text, int identifier, int x, int y, int width, int height,
                Control parentControl, bool enabled = true, bool visible = true,
                bool centred = false, DWORD exStyle = 0);
};

/// An icon on a "STATIC" window (SS_ICON | SS_NOTIFY): it takes the icon's
/// size, and its parent receives WM_COMMAND (identifier, STN_CLICKED) when it
/// is clicked. The window shows its own copy of the icon, so the IconObject
/// may go at any time.
struct IconBox : Control {
    IconBox();
    /// Creates the window at once, as Create does with the same arguments.
    IconBox(const String& text, int identifier, int x, int y, int width, int height,
            Control parentControl, IconObject icon, bool enabled = true, bool visible = true,
            bool centred = false, DWORD exStyle = 0);
    /// Creates the window; false when it could not be created.
    bool Create(const String& text, int identifier, int x, int y, int width, int height,
                Control parentControl, IconObject icon, bool enabled = true,
                bool visible = true, bool centred = false, DWORD exStyle = 0);
    /// Shows the icon (STM_SETICON); the message's result.
    LRESULT SetIcon(IconObject icon);
};

/// A bitmap centred at its own size on a "STATIC" window (SS_BITMAP |
/// SS_CENTERIMAGE | SS_REALSIZEIMAGE | SS_NOTIFY). The window shows its own
/// copy of the bitmap, so the Bitmap may go at any time.
struct BmpBox : Control {
    BmpBox();
    /// Creates the window at once, as Create does with the same arguments.
    BmpBox(const String& text, int identifier, int x, int y, int width, int height,
           Control parentControl, Bitmap bitmap, bool enabled = true, bool visible = true,
           bool centred = false, DWORD exStyle = 0);
    /// Creates the window; false when it could not be created.
    bool Create(const String& text, int identifier, int x, int y, int width, int height,
                Control parentControl, Bitmap bitmap, bool enabled = true, bool visible = true,
                bool centred = false, DWORD exStyle = 0);
    /// Shows the bitmap (STM_SETIMAGE, IMAGE_BITMAP); the message's result.
    LRESULT SetImage(Bitmap bitmap);
};

///@{
/// Window styles before WS_VISIBLE.
const DWORD kLabelStyle = 0x40002000;    ///< WS_CHILD | SS_EDITCONTROL
const DWORD kIconBoxStyle = 0x40010103;  ///< WS_CHILD | WS_TABSTOP | SS_NOTIFY | SS_ICON
const DWORD kBmpBoxStyle = 0x40010B0E;   ///< WS_CHILD | WS_TABSTOP | SS_REALSIZEIMAGE |
///@}
                                         ///< SS_CENTERIMAGE | SS_NOTIFY | SS_BITMAP

#endif
