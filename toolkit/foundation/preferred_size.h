/// \file
/// The size a control wants: measured from its own font and text, in the
/// pixels of its window at its DPI, for the layouts (layout.h) and for
/// programs that size a control by hand.
#ifndef WICKER_FOUNDATION_PREFERRED_SIZE_H
#define WICKER_FOUNDATION_PREFERRED_SIZE_H

#include <windows.h>

/// The size the window needs to show what it holds, in its own pixels:
/// - push buttons: the caption (access-key ampersands left out) with room
///   around it, at least the usual 75 x 23 logical pixels; check boxes and
///   radio buttons: the box, a gap and the caption;
/// - labels: every line of the text; pictures: the size they have;
/// - edit boxes: `characters` average characters wide (20 when 0; 30 for a
///   multi-line box) and `lines` lines tall (1; 4 for a multi-line box);
/// - combo boxes and list boxes: the longest item, or `characters`
///   characters, with the arrow or the scroll bar; list boxes `lines` items
///   tall (5 when 0); a dropped-down combo box's closed height;
/// - list views and trees: `characters` wide (24) and `lines` rows (8),
///   report views the sum of their columns; month calendars what they ask
///   for;
/// - tab controls: the largest page (a page with a layout of its own:
///   that layout's size) with the frame and the tabs around it, at least the
///   row of tabs; tool bars, re-bars and status bars: their height, tool
///   bars the length of their buttons; progress bars, track bars and scroll
///   bars: a usual length and their thickness;
/// - a window with a layout (SetWindowLayout): its layout's size with its
///   frame; any other window: its size when it was made or first measured.
/// Borders (WS_BORDER, WS_EX_CLIENTEDGE) are counted. 0 x 0 without a window.
///     SIZE size = PreferredSize(okButton.hwnd);
SIZE PreferredSize(HWND window, int characters = 0, int lines = 0);

/// True when PreferredSize measures what the window holds; false for the
/// classes it does not know (date pickers, pictures of other classes, the
/// program's own), whose size it gives as they have it now. A layout keeps
/// such a window at the size it had when it joined the layout.
bool MeasuresContents(HWND window);

/// The average width of a character of the window's font (the dialog
/// manager's measure: the width of the 52 letters a-z and A-Z over 52,
/// rounded up) and the font's height, in the window's pixels.
SIZE AverageCharacterSize(HWND window);

/// The room the caption and frame of a group box take around its contents:
/// left, top (the caption's line), right and bottom, in its pixels.
RECT GroupBoxInsets(HWND groupBox);

#endif
