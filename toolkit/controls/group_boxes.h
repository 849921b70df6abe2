/// \file
/// Frames with a caption around other controls: group boxes and the frame box.
#ifndef WICKER_CONTROLS_GROUP_BOXES_H
#define WICKER_CONTROLS_GROUP_BOXES_H

#include <windows.h>

#include "../foundation/control.h"
#include "../foundation/string.h"

/// The group boxes are transparent windows (WS_EX_TRANSPARENT is added to the
/// extended style) so that a parent which clips its children paints inside them.

/// A BS_GROUPBOX frame that also starts a group of controls (WS_GROUP): the
/// radio buttons created after it, up to the next group, check each other out.
struct GroupBox : Control {
    /// No window, no parent.
    GroupBox();
    /// For a layout, which gives it its place and size around what it holds
    /// (BoxLayout::Add with a layout inside): no place of its own.
    GroupBox(const String& text, int identifier, Control parentControl);
    /// Creates the window at once, as Create does with the same arguments.
    GroupBox(const String& text, int identifier, int x, int y, int width, int height,
             Control parentControl, bool enabled = true, bool visible = true,
             bool centred = false, DWORD exStyle = 0);
    /// Creates the window; false when it could not be created.
    bool Create(const String& text, int identifier, int x, int y, int width, int height,
                Control parentControl, bool enabled = true, bool visible = true,
                bool centred = false, DWORD exStyle = 0);
};

/// A GroupBox created visible whatever the visible flag says.
struct VisibleGroupBox : Control {
    VisibleGroupBox();
    /// Creates the window at once, as Create does with the same arguments.
    VisibleGroupBox(const String& text, int identifier, int x, int y, int width, int height,
                    Control parentControl, bool enabled = true, bool visible = true,
                    bool centred = false, DWORD exStyle = 0);
    /// Creates the window; false when it could not be created.
    bool Create(const String& text, int identifier, int x, int y, int width, int height,
                Control parentControl, bool enabled = true, bool visible = true,
                bool centred = false, DWORD exStyle = 0);
};

/// A captioned frame that starts no group (no WS_GROUP).
struct FrameBox : Control {
    FrameBox();
    /// Creates the window at once, as Create does with the same arguments.
    FrameBox(const String& text, int identifier, int x, int y, int width, int height,
             Control parentControl, bool enabled = true, bool visible = true,
             bool centred = false, DWORD exStyle = 0);
    /// Creates the window; false when it could not be created.
    bool Create(const String& text, int identifier, int x, int y, int width, int height,
                Control parentControl, bool enabled = true, bool visible = true,
                bool centred = false, DWORD exStyle = 0);
};

///@{
/// Window styles.
const DWORD kGroupBoxStyle = 0x40030007;         ///< WS_CHILD | WS_GROUP | WS_TABSTOP | BS_GROUPBOX
const DWORD kVisibleGroupBoxStyle = 0x50030007;  ///< the same and WS_VISIBLE
const DWORD kFrameBoxStyle = 0x40010007;         ///< WS_CHILD | WS_TABSTOP | BS_GROUPBOX
///@}

#endif
