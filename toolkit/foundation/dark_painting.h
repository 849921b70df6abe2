// How the dark mode paints what the common controls would paint light: the
// painters its subclass calls, each for one kind of window.
#ifndef WICKER_FOUNDATION_DARK_PAINTING_H
#define WICKER_FOUNDATION_DARK_PAINTING_H

#include <windows.h>
#include <commctrl.h>

#include "dark_mode.h"

// The kinds of window the dark mode tells apart, by class name.
enum class WindowKind {
    Dialog, Static, Button, Edit, RichText, ListBox, ComboBox, ExtendedComboBox, ListView,
    Header, TreeView, Tab, ToolBar, ReBar, StatusBar, Progress, TrackBar, UpDown,
    MonthCalendar, DatePicker, ScrollBar, MdiClient, Other,
};
WindowKind KindOf(HWND window);

// The scroll bars as they were last drawn dark, to tell when the system drew
// them anew.
struct ScrollBarsDrawn {
    bool valid = false;
    SCROLLBARINFO bars[2] = {};
};

// A solid brush of the colour, made once and kept for the process.
HBRUSH SolidBrushOf(COLORREF colour);
// True for the system's colour brushes (GetSysColorBrush) and the
// class-brush values COLOR_... + 1 stand for.
bool IsSystemBrush(HBRUSH brush);
// Fills the window's client area.
void FillClient(HWND window, HDC dc, COLORREF colour);

// True when the window's own WM_ERASEBKGND is kept; false where the dark
// mode fills the background itself.
bool ErasesItself(WindowKind kind, HWND window);
// True when the dark mode paints the whole window (PaintWindow) instead of
// the class; PaintsOver: the class paints, then parts of it are painted over.
bool PaintsItself(WindowKind kind, HWND window);
bool PaintsOver(WindowKind kind);
// True for the messages after which a button has drawn itself anew.
bool ChangesButtonLook(UINT message);
void PaintWindow(HWND window, HDC dc, const SchemeColours& colours);
void PaintOver(HWND window, const SchemeColours& colours, ScrollBarsDrawn& drawn);

// The answer to NM_CUSTOMDRAW from a button, a tool bar or a track bar,
// painted dark; CDRF_DODEFAULT for anything else.
LRESULT PaintCustomDraw(NMCUSTOMDRAW& draw, const SchemeColours& colours);
// Gives a list view's selected row of a list without the focus dark colours
// (NM_CUSTOMDRAW from the list); what to add to the answer.
LRESULT ColourListItem(NMLVCUSTOMDRAW& draw, const SchemeColours& colours);
// Paints an item of an extended combo box's list (WM_DRAWITEM from its combo
// box); false when it is not one.
bool PaintExtendedComboItem(HWND comboEx, const DRAWITEMSTRUCT& item, const SchemeColours& colours);

// True when the window has scroll bars the system draws (its own, or it is one).
bool HasScrollBars(HWND window, WindowKind kind);
// Paints a child window's border and its scroll bars dark: always (after
// WM_NCPAINT), or only when they differ from the ones drawn last.
void PaintFrame(HWND window, const SchemeColours& colours, ScrollBarsDrawn& drawn, bool always);

// The state pictures of a list view's check boxes (none, unchecked, checked)
// drawn dark, at the size of the class's own.
HIMAGELIST MakeDarkCheckBoxes(int width, int height, const SchemeColours& colours);

// Gives the rich text box's text of the automatic colour the colour `text`
// (dark), or gives text of that colour the automatic colour back (light),
// leaving the selection, the modified flag and other colours as they were.
void RecolourRichText(HWND box, bool dark, COLORREF text);

#endif
