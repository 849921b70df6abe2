/// \file
/// The MDI frame: a form whose client area is an MDI client window holding
/// child forms that the user moves, cascades and tiles inside it.
#ifndef WICKER_CONTROLS_MDI_FORM_H
#define WICKER_CONTROLS_MDI_FORM_H

#include <windows.h>

#include "../foundation/control.h"
#include "../foundation/string.h"
#include "form.h"

/// The identifier of the first child in the MDI client's window menu; later
/// children take the next ones. Far above the command identifiers a program
/// gives its own menus and buttons, so the two never meet.
const UINT kFirstMDIChildId = 50000;

/// A top-level form whose client area is an MDI client ("MDICLIENT", wrapped
/// by `container`), stretched over it on every resize whatever dialog
/// procedure the program installs. Closing the frame ends the message loop
/// (QuitOnCloseFillProc, until the program installs its own procedure);
/// closing a child only hides it.
///
///     MDIForm frame("Documents", 0, 0, 640, 480, kFormStandard);
///     Form letter = frame.AddChild("Letter", 10, 10, 300, 200, kFormStandard);
///     frame.TileVertical(false);
///
/// The frame's and every child's user-data word names the wrapper that the
/// program keeps (a moved wrapper takes the word along; a destroyed one takes
/// itself out); the frame finds its client without it.
struct MDIForm : Form {
    /// The MDI client window; its parent is the frame.
    Control container;
    /// The creation data of the MDI client: no window menu (SetWindowMenu gives
    /// one) and kFirstMDIChildId as the first child's identifier.
    CLIENTCREATESTRUCT clientCreate;

    /// A frame without a window yet.
    MDIForm();
    /// Builds the frame and creates its windows at once (Create).
    MDIForm(const String& caption, int x, int y, int width, int height, DWORD styleValue,
            bool enabled = true, bool visible = true, bool maximised = false,
            bool minimised = false, bool centred = false,
            const Control& parentControl = Control(), bool child = false,
            DWORD extendedStyle = 0);

    /// Creates the frame, a top-level dialog-class window of the mapped style
    /// (the child flag only takes the pop-up bit off the two pop-up values),
    /// and its MDI client, then places and shows the frame as a Form does.
    /// A window that cannot be made is reported by the runtime check; the
    /// result says whether both windows exist.
    bool Create(const String& caption, int x, int y, int width, int height, DWORD styleValue,
                bool enabled = true, bool visible = true, bool maximised = false,
                bool minimised = false, bool centred = false,
                const Control& parentControl = Control(), bool child = false,
                DWORD extendedStyle = 0);

    /// Creates a child form in the MDI client (CreateMDIWindowA, dialog class),
    /// shown and drawn active; closing it hides it (HideOnCloseProc). The child
    /// gets the client as `parent`; the extended style is kept in the form but
    /// not passed on. The returned form is the one the window's user-data word
    /// names: keep it (moving it is fine). Without a client window the runtime
    /// check is shown and the form comes back without a window.
    Form AddChild(const String& caption, int x, int y, int width, int height, DWORD styleValue,
                  DWORD extendedStyle = 0);

    /// Paints the MDI client's background in the colour: a solid brush made
    /// the client class's background brush (GCLP_HBRBACKGROUND, so every MDI
    /// client of the program shows it), the client repainted. The brush the
    /// toolkit made before is deleted. True when the class took the brush.
    bool SetBackColor(COLORREF colour);

    /// The arrangements: each is true when there was a client to send its
    /// message to.
    /// WM_MDICASCADE; with `skipDisabled` disabled children stay where they are.
    bool Cascade(bool skipDisabled);
    /// WM_MDITILE with MDITILE_VERTICAL: the children side by side.
    bool TileVertical(bool skipDisabled);
    /// WM_MDITILE with MDITILE_HORIZONTAL: the children one above another.
    bool TileHorizontal(bool skipDisabled);
    /// WM_MDIICONARRANGE: the minimised children in a row along the bottom.
    bool ArrangeIcons();

    /// The active child window (WM_MDIGETACTIVE); null when there is none.
    HWND ActiveChild();
    /// Lists the children at the end of the pop-up menu (WM_MDISETMENU with
    /// the frame's current menu bar), so the user can pick one by its caption
    /// and bring it to the front; then redraws the menu bar. False without a
    /// client window.
    bool SetWindowMenu(HMENU windowMenu);
};

#endif
