/// \file
/// A number in an edit box with up and down arrows beside it.
#ifndef WICKER_CONTROLS_SPIN_BOX_H
#define WICKER_CONTROLS_SPIN_BOX_H

#include <windows.h>

#include "../foundation/control.h"
#include "../foundation/property.h"
#include "../foundation/string.h"

/// An "EDIT" window that takes digits only (ES_NUMBER) with an up-down control
/// ("msctls_updown32") as its buddy at its right edge, inside the width given.
/// The arrows are shown and hidden with the edit box at creation; HideArrows
/// hides them for good.
struct spinBox : Control {
    /// The up-down window; null until created.
    HWND upDown;
    /// Digits after the decimal point that Value writes; 2 from construction.
    int decimals;
    /// The number in the edit box: read with atof (text that is not a number
    /// reads 0), written with `decimals` decimals (NumberString).
    Property<spinBox, double> Value;

    /// No window, no parent.
    spinBox();
    /// Creates the window at once, as Create does with the same arguments.
    spinBox(const String& text, int identifier, int x, int y, int width, int height,
            Control parentControl, bool enabled = true, bool visible = true,
            bool centred = false, DWORD exStyle = 0);
    /// Creates both windows; false when the edit box could not be created.
    bool Create(const String& text, int identifier, int x, int y, int width, int height,
                Control parentControl, bool enabled = true, bool visible = true,
                bool centred = false, DWORD exStyle = 0);
    /// Hides the up-down window (SW_HIDE).
    void HideArrows();

private:
    void BindProperties();
    double GetValue();
    void SetValue(double value);
};

///@{
/// Window styles of the edit box and of its up-down window.
const DWORD kSpinBoxStyle = 0x40012000;     ///< WS_CHILD | WS_TABSTOP | ES_NUMBER
const DWORD kSpinArrowsStyle = 0x40000007;  ///< WS_CHILD | UDS_WRAP | UDS_SETBUDDYINT | UDS_ALIGNRIGHT
///@}
/// Width of the up-down window.
const int kSpinArrowsWidth = 20;

#endif
