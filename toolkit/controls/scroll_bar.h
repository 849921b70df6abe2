/// \file
/// A scroll bar control.
#ifndef WICKER_CONTROLS_SCROLL_BAR_H
#define WICKER_CONTROLS_SCROLL_BAR_H

#include <windows.h>

#include "../foundation/control.h"
#include "../foundation/property.h"

/// A "SCROLLBAR" window, horizontal for orientation 1 and vertical for any
/// other value, WS_VISIBLE from creation when visible. Its parent receives
/// WM_HSCROLL or WM_VSCROLL as the user moves it.
struct ScrollBar : Control {
    /// Read: the thumb's last tracked place, which becomes the position
    /// (SBM_GETSCROLLINFO, SetScrollPos); write: SetScrollPos with redraw.
    Property<ScrollBar, int> Position;
    ///@{
    /// The range (GetScrollRange); writing one keeps the other (SetScrollRange).
    Property<ScrollBar, int> Minimum;
    Property<ScrollBar, int> Maximum;
    ///@}

    /// No window, no parent.
    ScrollBar();
    /// Creates the window at once, as Create does with the same arguments.
    ScrollBar(int identifier, int x, int y, int width, int height, Control parentControl,
              int orientation = 1, bool enabled = true, bool visible = true,
              bool centred = false, DWORD exStyle = 0, int minimum = 0, int maximum = 100);
    /// Creates the window; false when it could not be created.
    bool Create(int identifier, int x, int y, int width, int height, Control parentControl,
                int orientation = 1, bool enabled = true, bool visible = true,
                bool centred = false, DWORD exStyle = 0, int minimum = 0, int maximum = 100);

private:
    void BindProperties();
    int GetPosition();
    void SetPosition(int position);
    int GetMinimum();
    void SetMinimum(int minimum);
    int GetMaximum();
    void SetMaximum(int maximum);
};

/// The orientation argument that makes a horizontal bar.
const int kHorizontalScrollBar = 1;
/// Window style before WS_VISIBLE and SBS_VERT.
const DWORD kScrollBarStyle = 0x40010000;  ///< WS_CHILD | WS_TABSTOP

#endif
