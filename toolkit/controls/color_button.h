/// \file
/// A push button that shows a colour: the swatch a colour setting is edited with.
#ifndef WICKER_CONTROLS_COLOR_BUTTON_H
#define WICKER_CONTROLS_COLOR_BUTTON_H

#include <windows.h>

#include "../foundation/control.h"
#include "../foundation/property.h"
#include "button.h"

/// What screen readers call a colour button without a caption, before its
/// colour in words ("Colour: red 255, green 0, blue 0").
extern const char kColorButtonName[];

/// The border a colour button is made with, in pixels.
const int kColorButtonBorder = 5;

/// A captionless "BUTTON" window with a "STATIC" child (WS_CHILD | WS_VISIBLE |
/// SS_CENTER, the default GUI font) inset by the border on every side, filled
/// with the colour. The parent receives WM_COMMAND (identifier, BN_CLICKED)
/// when it is clicked; clicks on the swatch reach the button beneath.
///
/// The colour is kept with the window (so copies of the wrapper and program
/// code that finds the button by its window read the same one) together with
/// the brush the swatch is painted with, which the window deletes when it goes.
///
///     ColorButton swatch(7, 10, 10, 40, 24, form, RGB(0, 128, 0));
///     swatch.Color = RGB(255, 0, 0);
struct ColorButton : Button {
    /// The colour; writing repaints the swatch.
    Property<ColorButton, COLORREF> Color;
    /// The swatch's inset from the button's edges; writing places the swatch anew.
    Property<ColorButton, int> Border;
    ///@{
    /// The colour and border last set through this wrapper (the window's own
    /// are read while it exists).
    COLORREF color;
    int border;
    ///@}

    /// No window, no parent.
    ColorButton();
    /// Creates the window at once, as Create does with the same arguments.
    ColorButton(int identifier, int x, int y, int width, int height, Control parentControl,
                COLORREF colour);

    /// Creates the button and its swatch; false when either could not be created.
    bool Create(int identifier, int x, int y, int width, int height, Control parentControl,
                COLORREF colour);
    /// The swatch window; null without a window.
    HWND Swatch() const;

private:
    void BindProperties();
    COLORREF GetColor();
    void SetColor(COLORREF colour);
    int GetBorder();
    void SetBorder(int width);
};

/// The swatch's style.
const DWORD kColorSwatchStyle = WS_CHILD | WS_VISIBLE | SS_CENTER;

/// The button's subclass procedure (SetWindowSubclass, the window's colour
/// record as reference data): the swatch's WM_CTLCOLORSTATIC is answered with
/// the colour as background, its complement as text colour, transparent
/// background mode and a solid brush of the colour; everything else goes on.
LRESULT CALLBACK ColorButtonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                 UINT_PTR subclassId, DWORD_PTR data);

#endif
