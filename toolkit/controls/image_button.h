/// \file
/// A clickable picture.
#ifndef WICKER_CONTROLS_IMAGE_BUTTON_H
#define WICKER_CONTROLS_IMAGE_BUTTON_H

#include <windows.h>

#include "../foundation/control.h"
#include "../foundation/image.h"

/// A "STATIC" picture control at the picture's own size that acts as a
/// button: a click on it reaches the parent as WM_COMMAND with the
/// identifier (ClickableProc). The window shows its own copy of the picture,
/// so the Image given may go at once; and, like every wrapper, the
/// ImageButton may go while the window stays and keeps answering clicks.
struct ImageButton : Control {
    /// Creates the window at x, y on the parent's window, the size of the
    /// image, visible and showing the image.
    ImageButton(int identifier, int x, int y, const Control& parentControl, const ::Image& image);

    /// Shows another picture (a copy of it) and takes its size; false, and
    /// the button unchanged, for an empty image.
    bool SetImage(const ::Image& image);
};

/// The style of an ImageButton window:
/// WS_CHILD | WS_VISIBLE | SS_REALSIZEIMAGE | SS_NOTIFY | SS_BITMAP.
const DWORD kImageButtonStyle = 0x5000090E;

#endif
