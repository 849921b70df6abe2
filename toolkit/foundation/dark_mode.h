/// \file
/// Dark mode: a program's forms and controls in dark colours, following the
/// user's choice of light or dark apps or the program's own.
///
/// The common controls have no dark look of their own, so the toolkit gives
/// them one. In dark mode every form answers its controls' colour questions
/// (WM_CTLCOLOR...) with dark colours, hands list views, trees, rich text
/// boxes, calendars, progress bars and re-bars colours of their own, and
/// paints what the platform would paint light (buttons, check and radio
/// boxes, group boxes, tabs, headers, tool and status bars, up-down arrows,
/// combo box buttons, borders and scroll bars) itself. The caption bar is
/// asked to follow (DwmSetWindowAttribute) where the system offers it.
///
/// Colours a program chose itself stay: a form whose dialog procedure
/// answers WM_CTLCOLOR... with its own brush, a list view given its own
/// background. Menus keep the system's colours: the platform gives them no
/// dark look a program can ask for.
///
///     SetDarkMode(DarkMode::FollowSystem);   // first thing, before any form
///     Form form("Notes", 100, 100, 400, 300);
///
/// The mode is the process's; it acts on the forms of the thread that sets it
/// (windows belong to the thread that made them, and only it may repaint them
/// this way). Dark mode is off until a program sets it: nothing changes for a
/// program that never calls SetDarkMode.
#ifndef WICKER_FOUNDATION_DARK_MODE_H
#define WICKER_FOUNDATION_DARK_MODE_H

#include <windows.h>

/// Which colours a program's windows take.
enum class DarkMode {
    /// Light: the system's colours (the start).
    Off,
    /// Dark, whatever the system's setting.
    On,
    /// Dark while the user's setting "apps use light theme" is off, and
    /// switching when the user changes it (WM_SETTINGCHANGE "ImmersiveColorSet").
    FollowSystem,
};

/// Sets the mode; every form of the calling thread and every window in it
/// takes the colours at once, wholly repainted, and so does every form made
/// after. Switching back to light gives back the colours windows had before.
void SetDarkMode(DarkMode mode);
/// The mode last set (DarkMode::Off at the start).
DarkMode DarkModeSetting();
/// True while windows are dark: DarkMode::On, or FollowSystem with the
/// system's setting dark.
bool DarkModeOn();
/// True when the user's setting says apps use a dark theme
/// (AppsUseLightTheme is 0 in the user's key HKEY_CURRENT_USER / Software /
/// Microsoft / Windows / CurrentVersion / Themes / Personalize); false where
/// there is no such setting.
bool SystemUsesDarkMode();

/// The colours of the mode in effect: in light mode the system's own
/// (GetSysColor), in dark mode the toolkit's dark ones. For a program that
/// paints something of its own beside the toolkit's controls.
struct SchemeColours {
    COLORREF window;         ///< forms and static texts
    COLORREF field;          ///< edit, list and other boxes one types or picks in
    COLORREF face;           ///< buttons, headers, tabs, bars
    COLORREF hotFace;        ///< a button under the pointer
    COLORREF pressedFace;    ///< a button held down or checked
    COLORREF text;           ///< text on any of these
    COLORREF greyText;       ///< text of disabled controls
    COLORREF border;         ///< frames and lines
    COLORREF selection;      ///< the background of selected items
    COLORREF selectionText;  ///< text on it
    COLORREF accent;         ///< a calendar's title and the names of its days
};
/// The colours of the mode in effect now.
SchemeColours CurrentSchemeColours();

/// The window (and everything in it) follows the mode from now on: forms do
/// this themselves when they are made; a program calls it for a top-level
/// window it made itself. False without a window.
bool FollowDarkMode(HWND window);

#endif
