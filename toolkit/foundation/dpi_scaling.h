/// \file
/// Scaling forms and controls to the DPI of the screen they are on.
///
/// A program gives every size and place in logical pixels, the pixels of a
/// 96-DPI screen, as it always has. When scaling is on, the toolkit turns them
/// into the window's own pixels as it creates a form or control (a button of
/// 80 x 24 is 120 x 36 at 144 DPI), gives controls a GUI font made for that
/// DPI, and a top-level form follows a move to a screen of another DPI
/// (WM_DPICHANGED). What a program reads back (Width, Left, ClientWidth) is in
/// the window's own pixels, as the system measures it.
///
/// Scaling is on when the program's manifest declares DPI awareness, or once
/// the program calls UseDpiScaling(); it is off otherwise, and then nothing
/// changes: the system stretches an unaware program's windows itself.
#ifndef WICKER_FOUNDATION_DPI_SCALING_H
#define WICKER_FOUNDATION_DPI_SCALING_H

#include <windows.h>

#include "control.h"

/// The DPI logical pixels are given at.
const UINT kLogicalDpi = 96;

/// Turns the toolkit's scaling on (or off again). Turning it on makes the
/// process per-monitor DPI aware when no manifest did (the thread, when the
/// process can no longer change); call it first thing, before any window is
/// made. True when the process's new windows are DPI aware.
bool UseDpiScaling(bool on = true);
/// True when the toolkit scales what it creates.
bool DpiScalingOn();

/// The DPI of the window (GetDpiForWindow); the system's DPI for a null window
/// or a system without per-window DPI.
UINT WindowDpi(HWND window);
/// The DPI the toolkit scales the window's new contents to: kLogicalDpi while
/// scaling is off, else the DPI its top-level form last took on (after
/// WM_DPICHANGED), or the window's own.
UINT ScalingDpi(HWND window);
/// A length given at one DPI, at another (rounded to the nearest pixel).
int ScaleBetweenDpi(int value, UINT fromDpi, UINT toDpi);
/// The logical place and size of a new window inside `parent`, turned into
/// the parent's pixels (ScalingDpi; unchanged while scaling is off).
void ScaleNewWindowBounds(HWND parent, int& x, int& y, int& width, int& height);
///@{
/// A logical length in the window's pixels, and back: for a program that
/// places new controls by what it measured (Width, ClientHeight):
///     Label note("...", 9, 10, PixelsToLogical(form, bar.Height) + 10, 200, 20, form);
int LogicalToPixels(const Control& window, int logical);
int PixelsToLogical(const Control& window, int pixels);
///@}

/// The GUI font the toolkit gives controls at a DPI: the stock DEFAULT_GUI_FONT
/// at the system's DPI, and the same face at the size for another DPI. The
/// fonts are shared by every control of that DPI and live as long as the
/// process: there is one for each DPI in use, however often windows move.
HFONT GuiFontForDpi(UINT dpi);
/// True for the stock GUI font and the fonts GuiFontForDpi made.
bool IsGuiFont(HFONT font);
/// The font a newly made control gets (SetDefaultFont): the stock GUI font
/// while scaling is off, else the GUI font for the window's ScalingDpi.
HFONT DefaultFontFor(HWND window);

/// The outer size of a window of this style whose logical outer size is given:
/// the client area scaled, the frame (caption, borders) as the system draws it
/// at that DPI. Without a frame the size is simply scaled.
SIZE ScaledFrameSize(int width, int height, DWORD style, DWORD exStyle, UINT dpi);
/// The other way: the logical outer size of a window of this style whose
/// outer size at that DPI is given.
SIZE LogicalFrameSize(int width, int height, DWORD style, DWORD exStyle, UINT dpi);

/// The top-level form follows changes of its DPI from now on: on WM_DPICHANGED
/// it takes the suggested rectangle and its windows are rescaled
/// (RescaleChildren); the program's procedure then hears of the change too.
/// `dpi` is the DPI the form was made for. False without a window.
bool FollowDpiChanges(HWND form, UINT dpi);

/// Rescales the windows inside `parent` from one DPI to another: places and
/// sizes, fonts (the GUI font for the new DPI, or the window's own scaled copy
/// of a font the program gave it), the column widths of report list views, the
/// button size of tool bars, and the windows inside forms, tab controls, frames
/// and MDI clients. Picture lists and pictures are left as they are, and a
/// picture control that takes the size of its bitmap keeps it (it moves only).
void RescaleChildren(HWND parent, UINT fromDpi, UINT toDpi);

/// The message each window that RescaleChildren (or a form's DPI change)
/// placed is sent once every window has its new place: wParam the old DPI,
/// lParam the new one. A control that keeps lengths of its own (a splitter its
/// bar's thickness, a property grid its description pane) rescales them here.
UINT DpiRescaledMessage();

#endif
