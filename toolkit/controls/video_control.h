/// \file
/// A video control: plays a silent AVI clip (uncompressed or RLE8 frames).
#ifndef WICKER_CONTROLS_VIDEO_CONTROL_H
#define WICKER_CONTROLS_VIDEO_CONTROL_H

#include <windows.h>

#include "../foundation/control.h"
#include "../foundation/string.h"

/// A "SysAnimate32" window. Its parent receives WM_COMMAND with ACN_START when
/// a clip starts playing and ACN_STOP when it stops, from the control's identifier.
///
///     VideoControl video(kVideo, form, App.Path + "\\clip.avi", 10, 10, 160, 120);
///     video.Play(0, true, -1);  // from the first frame, over and over
///
/// A missing window or parent stops at the runtime check before the control
/// goes on without a window.
struct VideoControl : Control {
    /// No window, no parent.
    VideoControl();
    /// Creates the window at once, as Create does with the same arguments.
    VideoControl(int identifier, Control parentControl, const String& fileName, int x, int y,
                 int width, int height, bool visible = true, bool autoPlay = false,
                 bool centred = false, DWORD exStyle = 0);
    /// Creates the window (visible from creation when asked), then opens the
    /// file; false when the window could not be created. An empty file name
    /// leaves the control empty; with autoPlay an opened clip plays at once.
    bool Create(int identifier, Control parentControl, const String& fileName, int x, int y,
                int width, int height, bool visible = true, bool autoPlay = false,
                bool centred = false, DWORD exStyle = 0);

    /// ACM_OPENA: shows the clip's first frame; false, without sending anything,
    /// for an empty name; false for a file that is missing or no AVI clip the
    /// control can play, which leaves the control empty and usable.
    bool Open(const String& fileName);
    /// ACM_PLAY from the frame to the last one; with repeat, `count` times
    /// (-1 for ever), else a count of 0.
    bool Play(int fromFrame, bool repeat, int count);
    /// ACM_STOP.
    bool Stop();
};

///@{
/// Window style before ACS_CENTER and ACS_AUTOPLAY.
const DWORD kVideoControlStyle = 0x40010000;         ///< WS_CHILD | WS_TABSTOP
const DWORD kVideoControlVisibleStyle = 0x50010000;  ///< and WS_VISIBLE
///@}

#endif
