/// \file
/// The anchor layout: child windows that keep their distances to chosen edges
/// of their parent's client area when the parent changes size.
#ifndef WICKER_FOUNDATION_ANCHOR_LAYOUT_H
#define WICKER_FOUNDATION_ANCHOR_LAYOUT_H

#include <windows.h>

/// The edges of the parent's client area a child keeps its distance to.
/// Left | Top, the default, leaves the child where it is. Left | Right
/// stretches it with the parent, Right alone moves it along; with neither
/// edge of a direction the child's centre keeps its place in proportion to
/// the parent's size (Top | Bottom and Bottom alone likewise up and down).
///
///     ok.SetAnchor(Anchor::Right | Anchor::Bottom);     // stays in the corner
///     list.SetAnchor(Anchor::All);                      // grows with the form
enum class Anchor : unsigned {
    None = 0,
    Left = 1,
    Top = 2,
    Right = 4,
    Bottom = 8,
    All = 15,
};

/// The edges of both.
constexpr Anchor operator|(Anchor a, Anchor b)
{
    return static_cast<Anchor>(static_cast<unsigned>(a) | static_cast<unsigned>(b));
}
/// The edges in both.
constexpr Anchor operator&(Anchor a, Anchor b)
{
    return static_cast<Anchor>(static_cast<unsigned>(a) & static_cast<unsigned>(b));
}
///@{
/// True when every edge of `edges` is in `anchor`.
constexpr bool HasAnchor(Anchor anchor, Anchor edges)
{
    return (anchor & edges) == edges;
}
///@}

/// Anchors a child window (WS_CHILD) to edges of its parent. The distances are
/// taken from where the child and the parent are now; from then on every
/// WM_SIZE of the parent moves and sizes its anchored children in one
/// DeferWindowPos batch before the parent's own procedures see the message.
/// A child the program moves or sizes itself keeps its new place as the one
/// it is anchored at. Left | Top forgets the child. False for a window that is
/// not a child or a parent that could not take the layout.
bool AnchorWindow(HWND child, Anchor anchor);
/// The edges a child is anchored to; Left | Top for one never anchored.
Anchor WindowAnchor(HWND child);
/// Takes the distances of every anchored child of the window again from the
/// rectangles they and the window have now; for code that moved or scaled
/// the children and the window together (a change of DPI). False when the
/// window has no anchored children.
bool RememberAnchorDistances(HWND parent);
/// Places the anchored children of the window for its present client size;
/// WM_SIZE does this by itself. False when it has none.
bool LayOutAnchoredChildren(HWND parent);
/// What a minimum size measures: the outer size in the window's own pixels,
/// or logical pixels (the toolkit's DPI scaling turns them into the window's
/// pixels at its present DPI, and again after every DPI change) of the outer
/// size or of the client area.
enum class MinimumSizeUnit { Pixels, LogicalOuter, LogicalClient };

/// The smallest size the user (and SetWindowPos on a sizable or top-level
/// window) may give the window, through WM_GETMINMAXINFO; 0 for a dimension
/// leaves the system's minimum. False without a window.
///     SetMinimumWindowSize(form.hwnd, 320, 200, MinimumSizeUnit::LogicalClient);
bool SetMinimumWindowSize(HWND window, int width, int height,
                          MinimumSizeUnit unit = MinimumSizeUnit::Pixels);

#endif
