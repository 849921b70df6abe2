/// \file
/// A slider.
#ifndef WICKER_CONTROLS_TRACK_H
#define WICKER_CONTROLS_TRACK_H

#include <windows.h>

#include "../foundation/control.h"
#include "../foundation/property.h"

/// A "msctls_trackbar32" window with a tick at every step (TBS_AUTOTICKS),
/// WS_VISIBLE from creation when visible. Its parent receives WM_HSCROLL (or
/// WM_VSCROLL when vertical) as the user drags the thumb.
struct Track : Control {
    /// The position last written (negatives as 0).
    int position;
    /// Read: TBM_GETPOS. Write: a negative value becomes 0; TBM_SETPOS, then
    /// WM_HSCROLL (TB_THUMBTRACK, the slider) to the parent window whatever the
    /// orientation, so the parent reacts as to a drag.
    Property<Track, int> Position;
    /// Read: the number of ticks (TBM_GETNUMTICS); write: the range 0 to the value.
    Property<Track, int> Range;
    ///@{
    /// TBM_GETRANGEMIN / TBM_SETRANGEMIN and the maximum's twins.
    Property<Track, int> Minimum;
    Property<Track, int> Maximum;
    ///@}

    /// No window, no parent.
    Track();
    /// Creates the window at once, as Create does with the same arguments.
    Track(int identifier, int x, int y, int width, int height, Control parentControl,
          bool enabled = true, bool visible = true, bool centred = false, bool vertical = false,
          DWORD exStyle = 0, int minimum = 0, int maximum = 100);
    /// Creates the window; false when it could not be created.
    bool Create(int identifier, int x, int y, int width, int height, Control parentControl,
                bool enabled = true, bool visible = true, bool centred = false,
                bool vertical = false, DWORD exStyle = 0, int minimum = 0, int maximum = 100);
    /// Removes the ticks between the ends (TBM_CLEARTICS).
    void ClearTicks();

private:
    void BindProperties();
    int GetPosition();
    void SetPosition(int value);
    int GetRange();
    void SetRange(int maximum);
    int GetMinimum();
    void SetMinimum(int minimum);
    int GetMaximum();
    void SetMaximum(int maximum);
};

/// Window style before WS_VISIBLE and TBS_VERT.
const DWORD kTrackStyle = 0x40010001;  ///< WS_CHILD | WS_TABSTOP | TBS_AUTOTICKS

#endif
