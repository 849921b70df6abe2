/// \file
/// The record every toolkit window wrapper begins with, and the stock window
/// and dialog procedures through which events reach program code.
#ifndef WICKER_FOUNDATION_CONTROL_H
#define WICKER_FOUNDATION_CONTROL_H

#include <windows.h>

#include <vector>

#include "anchor_layout.h"
#include "property.h"
#include "string.h"
#include "../system/region_object.h"

/// One named timer of a wrapper: WM_TIMER carries `id` in its first parameter.
struct NamedTimer {
    /// The name the timer was added under.
    String name;
    /// The timer identifier SetTimer was given.
    int id;
};

/// A thin view of one native window. It never owns the window: destroying a
/// wrapper leaves the window (its tooltip and procedures too) alive, and any
/// number of wrappers may view the same window. Every operation acts on `hwnd`;
/// with a null `hwnd` an operation does nothing and reports failure (false, 0,
/// -1 or null), and never falls back on the screen or the whole desktop.
///
/// Lifetime: a wrapper that stored itself in its window's user-data word
/// (SetDialogProcedure, SetWindowProcedure, MakeClickable, BackColor) takes
/// itself out again when it is destroyed or assigned another window, and a
/// move hands the word to the new wrapper; a copy never takes the word over.
/// So `Form form = AddChild(...)` leaves the window naming a live wrapper, and
/// classes built on Control keep their implicit copy and move.
///
/// Concrete controls derive from it (or begin with it), set `id` and `parent`,
/// create their window with CreateWindowExA and store the handle in `hwnd`.
struct Control {
    /// Last timer identifier handed out; identifiers are never reused.
    int timerCount;
    /// The tooltip window this wrapper last set or read; null until then. The
    /// tooltip belongs to the window (every wrapper of it finds the same one),
    /// and is destroyed with the window or when a new text replaces it.
    HWND tooltip;
    /// The window that QuitOnCloseFillProc stretches over this window's client
    /// area on every WM_SIZE (a frame's client-area control); null for none.
    HWND fillChild;
    /// Background colour last written through BackColor, for painting procedures.
    COLORREF backColor;
    /// Opacity percentage last set through Transparency; 100 at construction.
    BYTE opacity;
    /// Write only: the background colour painting procedures use.
    Property<Control, COLORREF> BackColor;
    /// 1 once BackColor was written.
    BYTE hasBackColor;
    /// The window text (GetWindowTextA / SetWindowTextA).
    Property<Control, String> Text;
    /// Same as Text.
    Property<Control, String> Caption;
    /// The tooltip's text; empty while there is no tooltip window. A text of
    /// more than 1,023 bytes is cut there, after the last whole character.
    Property<Control, String> ToolTip;
    ///@{
    /// Outer size (GetWindowRect), -1 without a window; written values below 10 become 10.
    Property<Control, int> Width;
    Property<Control, int> Height;
    ///@}
    /// IsWindowVisible / ShowWindow.
    Property<Control, bool> Visible;
    /// IsWindowEnabled / EnableWindow.
    Property<Control, bool> Enabled;
    /// Read only: the length in bytes of Text (GetWindowTextLengthA under a
    /// single-byte code page, the text's own size under a multi-byte one).
    Property<Control, int> TextLength;
    /// Read only: GetDC of the window; the reader releases it (ReleaseDC).
    Property<Control, HDC> DC;
    ///@{
    /// Top-left corner: in the client coordinates of the parent for a child
    /// window (WS_CHILD), in screen coordinates for top-level windows and owned
    /// pop-ups; negative values written become 0.
    Property<Control, int> Left;
    Property<Control, int> Top;
    ///@}
    ///@{
    /// Read only: GetClientRect.
    Property<Control, int> ClientWidth;
    Property<Control, int> ClientHeight;
    ///@}
    /// Write only: adds or removes WS_CLIPCHILDREN.
    Property<Control, bool> ClipChildren;
    /// Opacity percentage 1 to 100 of a layered window; 0 removes WS_EX_LAYERED.
    Property<Control, BYTE> Transparency;
    /// The window's shape (GetWindowRgn / SetWindowRgn); the window gets its own
    /// copy of a region written, so the RegionObject keeps what it owns.
    Property<Control, RegionObject> Region;
    /// Control identifier, the menu argument of window creation.
    int id;
    /// Where a form prints its next line of text; the base does not use it.
    int printLine;
    /// The parent (or owner) window.
    HWND parent;
    /// The control's own window; null until created.
    HWND hwnd;
    /// The named timers, in the order they were added.
    std::vector<NamedTimer> timers;
    /// A form's notification-area icon identifier; the base never sets it.
    DWORD trayId;

    /// An empty wrapper: no window, parent the desktop window.
    Control();
    /// Adopts a window the toolkit did not create; parent = GetParent of it.
    explicit Control(HWND window);
    /// Copies every field and deep-copies the timers; the copy's properties are
    /// bound to the copy itself, so it stays usable on its own.
    Control(const Control& other) = default;
    /// The same, and the window's user-data word moves to the new wrapper when
    /// it named the source.
    Control(Control&& other) noexcept;
    /// Copies every field but the property bindings, which stay with the
    /// target; a word that named the target on its old window is cleared.
    Control& operator=(const Control& other);
    /// The same, and the word moves from the source to the target.
    Control& operator=(Control&& other) noexcept;
    /// Clears the user-data word when it names this wrapper; the window stays.
    ~Control();

    ///@{
    /// The recorded background colour and whether one was set.
    COLORREF GetBackColor() const { return backColor; }
    bool HasBackColor() const { return hasBackColor != 0; }
    ///@}

    ///@{
    /// ShowWindow SW_SHOW / SW_HIDE.
    void Show();
    void Hide();
    ///@}
    ///@{
    /// EnableWindow TRUE / FALSE.
    void Enable();
    void Disable();
    ///@}
    /// DestroyWindow; true when it succeeded.
    bool Destroy();
    /// True when `hwnd` is not null.
    bool Exists() const;
    /// MoveWindow to (x, y) in the coordinates of Left and Top, negatives as 0,
    /// keeping the size; then UpdateWindow of `parent`.
    void Move(int x, int y);
    /// MoveWindow at the current place with sizes of at least 10; UpdateWindow of
    /// `parent`; with `centre` Centre follows and 0 is returned, else UpdateWindow's result.
    int Resize(int width, int height, bool centre);
    ///@{
    /// The same places and sizes in logical pixels, the unit the constructors
    /// take: turned into the window's pixels at its DPI when the toolkit's
    /// scaling is on (see dpi_scaling.h), exactly as given when it is off.
    /// A child's place is scaled; a top-level window's place is on the screen
    /// and stays in the screen's pixels, as a form's constructor takes it.
    /// The outer size of a window with a caption or a sizing frame counts the
    /// frame as the system draws it at that DPI, as a form's constructor does.
    ///     panel.MoveLogical(10, 40);
    ///     panel.ResizeLogical(300, 200);   // 450 x 300 pixels at 144 DPI
    void MoveLogical(int x, int y);
    int ResizeLogical(int width, int height, bool centre = false);
    ///@}
    ///@{
    /// What the window has now, in the same logical units: its place (as
    /// Left and Top give it, scaled back for a child), its outer size and its
    /// client area's size.
    POINT LogicalPlace();
    SIZE LogicalSize();
    SIZE LogicalClientSize();
    ///@}
    /// Anchors the window to edges of its parent's client area (AnchorWindow):
    /// from now on it keeps its present distances to those edges when the
    /// parent is resized. Left | Top, the default, leaves it where it is.
    ///     okButton.SetAnchor(Anchor::Right | Anchor::Bottom);
    bool SetAnchor(Anchor anchor);
    /// The edges the window is anchored to (WindowAnchor).
    Anchor GetAnchor() const;
    /// The size the control needs to show what it holds, in its window's
    /// pixels (PreferredSize in preferred_size.h): measured from its font and
    /// text; edit, combo and list boxes `characters` wide and `lines` tall.
    ///     SIZE size = okButton.PreferredSize();
    SIZE PreferredSize(int characters = 0, int lines = 0) const;
    /// Centres a child in its parent's client area, a top-level window or
    /// pop-up in the desktop's work area (SPI_GETWORKAREA); a window larger than
    /// that goes to the area's top-left corner.
    void Centre();
    /// The area's width (parent's client area or work area), at its left edge.
    void FitWidth();
    /// The area's height, at its top edge.
    void FitHeight();
    /// The whole area.
    void FillParent();
    /// InvalidateRect of the whole window with erase; 1, or 0 without a window.
    int Refresh();
    /// SetFocus; the window that had the focus.
    HWND Focus();
    /// Sends WM_KILLFOCUS (0, 0) to the window itself.
    void KillFocus();
    /// WM_SETFONT with DEFAULT_GUI_FONT, no redraw; with DPI scaling on, the
    /// GUI font made for the window's DPI (DefaultFontFor).
    void SetDefaultFont();
    /// WM_GETFONT.
    HFONT GetFont();
    /// WM_SETFONT with redraw.
    void SetFont(HFONT font);
    /// EM_LIMITTEXT.
    void LimitText(int count);
    ///@{
    /// GetWindowLongA GWL_STYLE / GWL_EXSTYLE.
    LONG GetStyle();
    LONG GetExStyle();
    ///@}
    ///@{
    /// True when any of the bits is set.
    bool HasStyle(LONG bits);
    bool HasExStyle(LONG bits);
    ///@}
    ///@{
    /// Replace, OR in or clear style bits, then SetWindowPos SWP_FRAMECHANGED;
    /// each returns the old style.
    LONG SetStyle(LONG style);
    LONG AddStyle(LONG bits);
    LONG RemoveStyle(LONG bits);
    LONG SetExStyle(LONG style);
    LONG AddExStyle(LONG bits);
    LONG RemoveExStyle(LONG bits);
    ///@}
    /// GetDlgCtrlID.
    int GetId();
    /// SetCapture; the previous capture window.
    HWND CaptureMouse();
    /// ReleaseCapture.
    bool ReleaseMouse();
    /// MessageBoxA owned by the window; the system's result.
    int MsgBox(const String& text, const String& caption, UINT type);
    ///@{
    /// MessageBoxA with MB_ICONINFORMATION / MB_ICONWARNING / MB_ICONERROR.
    int InfoBox(const String& text, const String& caption);
    int WarningBox(const String& text, const String& caption);
    int ErrorBox(const String& text, const String& caption);
    ///@}
    /// MB_YESNO question, No the default; true for Yes.
    bool AskYesNo(const String& text, const String& caption);
    /// MB_OKCANCEL question, Cancel the default; true for OK.
    bool AskOkCancel(const String& text, const String& caption);
    /// MB_YESNOCANCEL question, Cancel the default; 0 Yes, 1 No, 2 Cancel.
    int AskYesNoCancel(const String& text, const String& caption);
    /// RegisterHotKey on the window; the identifier, or -1 on failure.
    int AddHotKey(int identifier, UINT virtualKey, UINT modifiers);
    /// SetTimer under a new identifier; false for a name already in use, a
    /// missing window or a failed SetTimer (the identifier is used up all the same).
    bool AddTimer(const String& name, UINT intervalMs);
    /// Identifier of the first timer with exactly this name, or -1.
    int TimerId(const String& name) const;
    /// Removes the first timer of that name; false when there is none, else KillTimer's result.
    bool KillTimerByName(const String& name);
    /// Stores the pointer in GWLP_USERDATA.
    void SetUserData(void* pointer);
    /// Stores this wrapper in GWLP_USERDATA, then installs the dialog procedure
    /// (DWLP_DLGPROC); the previous one is returned.
    DLGPROC SetDialogProcedure(DLGPROC procedure);
    /// The window's current dialog procedure (DWLP_DLGPROC).
    DLGPROC GetDialogProcedure();
    /// Stores this wrapper in GWLP_USERDATA, then subclasses the window
    /// (GWLP_WNDPROC); returns the previous procedure, to which the new one
    /// passes unhandled messages with CallWindowProcA.
    WNDPROC SetWindowProcedure(WNDPROC procedure);

private:
    void BindProperties();
    void SetBackColorValue(COLORREF color);
    String GetTextValue();
    void SetTextValue(const String& text);
    String GetToolTipValue();
    void SetToolTipValue(const String& text);
    int GetWidthValue();
    void SetWidthValue(int width);
    int GetHeightValue();
    void SetHeightValue(int height);
    bool GetVisibleValue();
    void SetVisibleValue(bool visible);
    bool GetEnabledValue();
    void SetEnabledValue(bool enabled);
    int GetTextLengthValue();
    HDC GetDCValue();
    int GetLeftValue();
    void SetLeftValue(int left);
    int GetTopValue();
    void SetTopValue(int top);
    int GetClientWidthValue();
    int GetClientHeightValue();
    void SetClipChildrenValue(bool clip);
    BYTE GetTransparencyValue();
    void SetTransparencyValue(BYTE percent);
    RegionObject GetRegionValue();
    void SetRegionValue(const RegionObject& region);
    /// Clears the user-data word when it names this wrapper.
    void LeaveUserData();
    /// Moves the user-data word from the other wrapper to this one when it names the other.
    void TakeUserDataFrom(const Control& other);
    /// The rectangle Centre and the fitting operations place the window in, in
    /// the coordinates of Left and Top; false without a window.
    bool PlacementArea(RECT& area);
};

/// The wrapper stored in a window's GWLP_USERDATA (null when none).
Control* ControlFromWindow(HWND window);

/// A default wrapper viewing the same window as another: its `hwnd` and `parent`.
Control ControlView(const Control& other);

/// Dialog procedure: WM_CLOSE posts the quit message (exit code 0). Returns 0.
INT_PTR CALLBACK QuitOnCloseProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
/// Dialog procedure: WM_CLOSE hides the wrapper in GWLP_USERDATA (the window
/// itself when no wrapper names it any more). Returns 0.
INT_PTR CALLBACK HideOnCloseProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
/// Dialog procedure: WM_CLOSE posts the quit message; WM_SIZE makes the
/// `fillChild` window of the wrapper in GWLP_USERDATA fill its parent. Returns 0.
INT_PTR CALLBACK QuitOnCloseFillProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
/// Dialog procedure: WM_COMMAND is sent on unchanged to the window's parent. Returns 0.
INT_PTR CALLBACK ForwardCommandProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

/// Subclass procedure for a picture control that acts as a button: hand
/// cursor, pressed look while the left button is held, and on a release inside
/// the control WM_COMMAND (low word of the wrapper's `id`, or of the window's
/// own identifier once the wrapper is gone; code 0; the release point) to the
/// parent. Everything else goes to the procedure the window had before
/// (ClickablePreviousProc), kept per window, so controls of any class may be
/// made clickable side by side.
LRESULT CALLBACK ClickableProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
/// The procedure ClickableProc passes the window's unhandled messages to; null
/// when the window was never made clickable.
WNDPROC ClickablePreviousProc(HWND window);
/// Installs ClickableProc on the control with SetWindowProcedure and keeps the
/// previous procedure with the window (never ClickableProc itself).
void MakeClickable(Control& control);

/// Asks for the whole window to be repainted, its background erased
/// (InvalidateRect). Nothing for a null window, for which InvalidateRect
/// would invalidate and erase every window of the desktop.
void InvalidateWhole(HWND window);

/// The colour last written through BackColor by any wrapper of the window
/// (kept with the window itself, so that a painting procedure finds it
/// whichever wrapper holds the user-data word); false when none was written.
bool WindowBackColor(HWND window, COLORREF* colour);

/// A message sent to a null or destroyed window answers 0, which reads as
/// "item 0", "found at 0" or success. SendToLive answers `otherwise` (-1, 0,
/// an error code) when the window is not there, and the window's own answer
/// when it is.
LRESULT SendToLive(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT otherwise);
/// True for a handle of a window that still exists.
bool IsLiveWindow(HWND window);

#endif
