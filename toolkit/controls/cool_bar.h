/// \file
/// The re-bar: a strip of movable bands, each holding another control.
#ifndef WICKER_CONTROLS_COOL_BAR_H
#define WICKER_CONTROLS_COOL_BAR_H

#include <windows.h>

#include "../foundation/control.h"
#include "../foundation/string.h"

/// A "ReBarWindow32" window along the top of its parent (or its left side
/// when vertical). Each band has a gripper, a title and one control, a tool
/// bar say, which the band places and sizes; the user drags bands about.
/// Commands of the controls in the bands reach the bar's parent. Buttons
/// belong in a ToolBar put in a band: the re-bar itself holds none.
///
///     CoolBar bar(1, form);
///     bar.AddBand("Tools", tools);
struct CoolBar : Control {
    /// No window, no parent.
    CoolBar();
    /// x and y are not used: the bar places itself along its parent's edge.
    CoolBar(int identifier, Control parentControl, int x = 0, int y = 0, bool enabled = true,
            bool visible = true, bool divider = false, bool vertical = false, DWORD exStyle = 0);

    /// Creates the bar. When that fails, an "ERROR" box owned by the parent
    /// says "Cannot create CoolBar" and false is returned.
    bool Create(int identifier, Control parentControl, int x = 0, int y = 0, bool enabled = true,
                bool visible = true, bool divider = false, bool vertical = false,
                DWORD exStyle = 0);

    /// Appends a band with the title in the colour, holding the child control
    /// at its height and width; with newRow the band starts a new row.
    /// False when the bar did not take it.
    bool AddBand(const String& text, const Control& child, bool newRow = false,
                 COLORREF textColor = GetSysColor(COLOR_BTNTEXT));
    /// Number of bands (RB_GETBANDCOUNT).
    int BandCount();
    /// Places the bar along its parent again and repaints it.
    void UpdateLayout();
};

/// Window style before WS_VISIBLE, CCS_NODIVIDER and the vertical bits.
const DWORD kCoolBarStyle = 0x46810300;   ///< WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN |
                                          ///< WS_BORDER | WS_TABSTOP | RBS_VARHEIGHT |
                                          ///< RBS_TOOLTIPS
const DWORD kCoolBarVerticalStyle = 0x4080;  ///< RBS_VERTICALGRIPPER | CCS_VERT

#endif
