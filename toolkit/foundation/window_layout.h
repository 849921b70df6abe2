/// \file
/// A window laid out by a layout (layout.h): placed again whenever its size,
/// its DPI or what its controls hold changes, and never smaller than its
/// layout needs.
#ifndef WICKER_FOUNDATION_WINDOW_LAYOUT_H
#define WICKER_FOUNDATION_WINDOW_LAYOUT_H

#include <windows.h>

#include "layout.h"

/// How a window given a layout takes its size from it.
enum class LayoutFit {
    /// The window keeps its size; the layout's size is only its minimum.
    KeepSize,
    /// The window grows to the layout's size where it is smaller.
    Grow,
    /// The window takes exactly the layout's size.
    Fit,
};

/// Gives the window (a form, or a child form on a tab page) a layout for
/// its client area: laid out now, again on every WM_SIZE (Form's
/// UpdateLayout sends one), after a change of DPI, and, once messages are
/// handled, after the text or font of one of its windows changed. The
/// layout's size is the window's minimum (WM_GETMINMAXINFO), and `fit` says
/// how the window is sized now. Visible tool bars, re-bars and status bars
/// of the window outside the layout keep their rows at the top and bottom;
/// the layout takes the rest. A window a layout places is no longer
/// anchored (AnchorWindow); anchors keep working for the others. A new
/// layout replaces the last one. False without a window.
bool SetWindowLayout(HWND window, const Layout& layout, LayoutFit fit = LayoutFit::Grow);
/// The window's layout leaves it: its windows stay where they are.
bool RemoveWindowLayout(HWND window);
/// True when the window has a layout.
bool HasWindowLayout(HWND window);
/// Lays the window's layout out now, for its present client size. False
/// when it has none.
bool UpdateWindowLayout(HWND window);
/// The outer size the window's layout asks for: the layout's size, the
/// bars and the window's frame. False when it has no layout.
bool WindowLayoutSize(HWND window, SIZE* size);

#endif
