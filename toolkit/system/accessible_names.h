/// \file
/// Names that screen readers read for the parts a window draws itself.
#ifndef WICKER_SYSTEM_ACCESSIBLE_NAMES_H
#define WICKER_SYSTEM_ACCESSIBLE_NAMES_H

#include <windows.h>

#include "../foundation/string.h"

/// What kind of thing a drawn part is, so that a screen reader can say so.
enum DrawnPartKind {
    kDrawnPicture,
    kDrawnItem,
    kDrawnText
};

/// One part of a window as a screen reader is told of it: a picture, an item
/// of a list or a piece of text that the window paints itself, with no child
/// window of its own.
struct DrawnPart {
    /// What the part is called; read first.
    String name;
    /// What it holds (a row's value, a colour); empty for none.
    String value;
    ///@{
    /// Where it is, in the window's client area; an empty rectangle for nowhere.
    RECT place;
    DrawnPartKind kind;
    ///@}
    /// An item that is selected.
    bool selected;

    DrawnPart();
};

/// How a window describes itself and its drawn parts. Both functions find
/// what they need from the window handle (its wrapper through
/// ControlFromWindow, say), never from a pointer kept elsewhere, since a
/// wrapper may go before its window does.
struct AccessibleNames {
    /// How many parts the window draws: numbered 1 to that count.
    int (*partCount)(HWND window);
    /// Fills `part` for part `number`, or for the window itself when `number`
    /// is 0 (an empty name there leaves the window's own, its text). False for
    /// a part that is not there.
    bool (*describe)(HWND window, int number, DrawnPart* part);
};

/// From now on the window answers screen readers (WM_GETOBJECT for its client
/// area) with its drawn parts as the first children of its client area, its
/// child windows after them, and whatever the table leaves out as the system
/// would answer. The table must outlive the window (a constant with static
/// storage). Giving a window a table again replaces the old one. After the
/// window is destroyed, what a screen reader still holds answers that the
/// object is gone. False without a window.
bool GiveAccessibleNames(HWND window, const AccessibleNames* names);

/// A colour as a screen reader can read it: "red 255, green 128, blue 0".
String ColorInWords(COLORREF color);

#endif
