/// \file
/// The toolkit's top-level window: the form an application opens, places its
/// controls on and closes to end its run.
#ifndef WICKER_CONTROLS_FORM_H
#define WICKER_CONTROLS_FORM_H

#include <windows.h>
#include <shellapi.h>

#include <cstddef>

#include "../foundation/control.h"
#include "../foundation/window_layout.h"
#include "../foundation/property.h"
#include "../foundation/string.h"
#include "../system/choose_color.h"
#include "../system/file_dialog.h"
#include "../system/icon_object.h"

/// Frame styles a form is created with (the style value of Create). A value
/// outside this list gives kFormStandard.
/// Caption, system menu and the dialog frame (WS_CAPTION | WS_SYSMENU | DS_MODALFRAME).
const DWORD kFormDialog = 0x00C80080;
/// ... with the maximise box.
const DWORD kFormDialogMaxBox = 0x00C90080;
/// ... with the minimise box.
const DWORD kFormDialogMinBox = 0x00CA0080;
///@{
/// Caption and sizing border (WS_CAPTION | WS_THICKFRAME).
const DWORD kFormSizable = 0x00CC0000;
const DWORD kFormSizableMaxBox = 0x00CD0000;
const DWORD kFormSizableMinBox = 0x00CE0000;
///@}
/// No frame at all (WS_POPUP); as a child: no style bits of its own.
const DWORD kFormPopup = 0x80000000;
/// A thin border (WS_POPUP | WS_BORDER); as a child: WS_BORDER alone.
const DWORD kFormPopupBorder = 0x80800000;
/// A caption without system menu (WS_POPUP | WS_CAPTION).
const DWORD kFormPopupCaption = 0x80C00000;
/// The standard resizable frame with both boxes (WS_OVERLAPPEDWINDOW).
const DWORD kFormStandard = 0x00CF0000;
/// A tool window: the standard frame with WS_EX_TOOLWINDOW.
const DWORD kFormToolWindow = 0x00C80081;

/// The window style a style value gives, for a top-level or a child form.
DWORD FormWindowStyle(DWORD styleValue, bool child);

///@{
/// The size of the notification-area record as the form fills it: the first
/// layout, which every shell accepts (88 bytes in a 32-bit program).
/// (NOTIFYICONDATAA_V1_SIZE: the record up to the end of its 64-byte tip).
const DWORD kNotifyIconTipRoom = 64;
const DWORD kNotifyIconRecordSize = offsetof(NOTIFYICONDATAA, szTip) + kNotifyIconTipRoom;
///@}
#if defined(_WIN32) && !defined(_WIN64)
static_assert(offsetof(NOTIFYICONDATAA, szTip) + 64 == 88,
              "the 32-bit first notify-icon layout is 88 bytes");
#endif

/// The first identifier of the forms' notification-area icons: every form
/// takes the next one each time its members are initialised.
const DWORD kFirstTrayId = 3024;

/// A top-level (or child) window of the system's dialog class, made to behave
/// through the dialog procedure installed on it: QuitOnCloseProc at first, so
/// closing any form ends the message loop until the program installs its own
/// procedure through DialogProcedure. Its events reach that procedure; the
/// wrapper finds itself from the window's user-data word (ControlFromWindow).
///
///     Form main("Hello", 100, 100, 320, 200, kFormDialog, true, true, false,
///               false, true);
///     main.DialogProcedure = MainProc;
///
/// Like every wrapper it never owns its window, and it is copied and moved freely.
struct Form : Control {
    /// The notification-area icon record; its identifier and callback message
    /// are `trayId`.
    NOTIFYICONDATAA notifyIcon;
    /// A bar is attached (AttachBar); show-state changes repaint it.
    bool hasBar;
    /// The attached bar's window, with the form as its parent.
    Control bar;
    /// The colour last chosen with ChooseColor; white at first.
    COLORREF selectedColor;
    /// The icon last set through the icon operations.
    HICON icon;
    /// The notification-area icon is shown.
    bool trayIconShown;
    /// Read only: selectedColor.
    Property<Form, COLORREF> SelectedColor;
    /// Write only: SetDialogProcedure.
    Property<Form, DLGPROC> DialogProcedure;
    /// The window's big icon (the system application icon when it has none);
    /// writing sets both icons from the IconObject's icon (SetIcon).
    Property<Form, IconObject> Icon;
    ///@{
    /// The style value and the extended style the form was asked for.
    DWORD style;
    DWORD exStyle;
    ///@}
    /// The open and save dialogs' settings; no filter until the program adds
    /// one, and the first added is the one the dialogs open on.
    FileDialog fileDialog;
    /// The path chosen in the last successful open or save dialog.
    String FileName;

    /// A form without a window yet.
    Form();
    /// Builds the form and creates its window at once (Create).
    Form(const String& caption, int x, int y, int width, int height, DWORD styleValue,
         bool enabled = true, bool visible = true, bool maximised = false, bool minimised = false,
         bool centred = false, const Control& parentControl = Control(), bool child = false,
         DWORD extendedStyle = 0);

    /// Creates the window: a dialog-class window with the mapped style (child
    /// windows with WS_CHILD), WS_CLIPCHILDREN and WS_EX_CONTROLPARENT |
    /// WS_EX_ACCEPTFILES, the system application icon and QuitOnCloseProc,
    /// then placed, sized, optionally centred, maximised, minimised and shown.
    /// Sizes below 10 become 10, negative positions 0. With DPI scaling on the
    /// sizes (and a child form's place) are logical pixels, scaled to the
    /// form's DPI, and a top-level form follows DPI changes (FollowDpiChanges).
    /// True when the window exists.
    bool Create(const String& caption, int x, int y, int width, int height, DWORD styleValue,
                bool enabled = true, bool visible = true, bool maximised = false,
                bool minimised = false, bool centred = false,
                const Control& parentControl = Control(), bool child = false,
                DWORD extendedStyle = 0);

    ///@{
    /// ShowWindow SW_MINIMIZE / SW_SHOWMAXIMIZED / SW_RESTORE, then the
    /// attached bar is repainted. The result is ShowWindow's: true when the
    /// window was visible before.
    bool Minimise();
    bool Maximise();
    bool Restore();
    ///@}
    ///@{
    /// IsIconic / IsZoomed.
    bool IsMinimised();
    bool IsMaximised();
    ///@}

    /// Makes the program's cursor resource current and shows the cursor.
    void SetCursor(int resourceId);
    /// Makes the cursor current.
    void SetCursorHandle(HCURSOR cursor);
    /// WM_SETICON, small and big, with the icon; remembered in `icon`.
    void SetIconHandle(HICON iconHandle);
    /// The same with the window's own copy of the IconObject's icon, which
    /// the window keeps for its life.
    void SetIcon(const IconObject& iconObject);
    /// The same with the program's icon resource.
    void SetIconResource(int resourceId);
    /// The form's big icon (WM_GETICON), or the system application icon.
    IconObject GetIcon();

    /// Draws a line of text at the left edge, each line 20 pixels below the
    /// last; the text is not repainted.
    void Print(const String& text);
    /// The next line is drawn at the top again.
    void ResetPrint();

    ///@{
    /// The open or save dialog owned by the form, opening on the name; true
    /// when a file was chosen, which is then in FileName (unchanged otherwise).
    bool OpenFileDialog(const String& initialName);
    bool SaveFileDialog(const String& initialName);
    ///@}
    /// The folder chooser owned by the form; true when a folder was chosen.
    bool BrowseFolder(String& path);
    /// The colour chooser owned by the form, opening on `colour`; on OK the
    /// chosen colour goes into `colour` and selectedColor.
    bool ChooseColor(COLORREF& colour);

    /// The smallest outer size the user may drag the form to, and SetWindowPos
    /// may give it (SetMinimumWindowSize); 0 leaves the system's minimum. The
    /// sizes are logical, as the constructor's: at 144 DPI with scaling on,
    /// SetMinimumSize(250, 120) keeps a client area of 375 pixels wide inside
    /// the frame, and a later change of DPI scales the minimum with the form.
    bool SetMinimumSize(int width, int height);
    /// The same for the client area: the frame and the menu bar come on top.
    bool SetMinimumClientSize(int width, int height);
    /// Sizes the form so that its client area, inside the frame and below
    /// the menu bar, has this logical size (scaled when scaling is on);
    /// `centre` centres it after. False without a window, or while the form
    /// is minimised or maximised.
    ///     Form main("Notes", 0, 0, 100, 100, kFormStandard, true, false);
    ///     main.SetClientSize(480, 320, true);
    ///     main.Show();
    bool SetClientSize(int width, int height, bool centre = false);

    /// Lays the form's client area out by the layout (SetWindowLayout): now,
    /// on every WM_SIZE (UpdateLayout too), after a change of DPI and after a
    /// text or font of its controls changed; the layout's size is the form's
    /// minimum, and with Grow (Fit) the form grows to it now (takes it).
    /// Visible tool and status bars keep their rows.
    ///     form.SetLayout(column);
    bool SetLayout(const Layout& layout, LayoutFit fit = LayoutFit::Grow);
    /// The bar (status bar, tool bar) to repaint on show-state changes.
    void AttachBar(const Control& barControl);
    /// WM_SIZE (0, 0) to the form, so its procedure lays the controls out
    /// again, and the whole client area repainted.
    void UpdateLayout();

    /// Adds the notification-area icon with the tip (cut to 63 characters);
    /// false when it is shown already or the shell refused it.
    bool AddTrayIcon(const IconObject& trayIcon, const String& tip);
    /// Changes the icon and tip, adding the icon when it is not shown; false
    /// when the shell refused.
    bool ModifyTrayIcon(const IconObject& trayIcon, const String& tip);
    /// Removes the icon; false when it was not shown or the shell refused.
    bool RemoveTrayIcon();
    /// Shows the form modally over `owner` (or over nothing) and returns the
    /// value given to EndModal. Meanwhile the owner is disabled, the form
    /// owned by it and shown in front with its first tab-stop control
    /// focused, and the thread's messages handled, the form's keys through
    /// the dialog manager (Tab, arrows, Enter, Esc). Esc, the close box and
    /// a button of identifier IDCANCEL send IDCANCEL to the form's
    /// procedure, and end the form with IDCANCEL unless the procedure ended
    /// it otherwise. When it ends the owner is enabled and active again and
    /// the form hidden (not destroyed, so it can be shown again). A modal
    /// form may show another. -1 when the form has no window, is modal
    /// already, or is destroyed while shown; a WM_QUIT received meanwhile
    /// ends it and is posted again for the program's own loop.
    ///
    ///     INT_PTR CALLBACK SettingsProc(HWND window, UINT message, WPARAM wParam, LPARAM)
    ///     {
    ///         if (message == WM_COMMAND && LOWORD(wParam) == IDOK)
    ///             AsForm(Control(window)).EndModal(IDOK);
    ///         return FALSE;
    ///     }
    ///     ...
    ///     settings.DialogProcedure = SettingsProc;
    ///     if (settings.ShowModal(mainForm) == IDOK) ...
    INT_PTR ShowModal(const Control& owner = Control());
    /// The program's message loop for its main form: every message of the
    /// thread is handled, the form's keys through the dialog manager (Tab,
    /// Enter, Esc, access keys), until WM_QUIT; the code PostQuitMessage
    /// gave (-1 when the loop failed). The last line of most WinMains:
    ///     return mainForm.Run();
    int Run();

    /// Ends the modal showing with the value ShowModal returns; false when
    /// the form is not shown modally or has ended already.
    bool EndModal(INT_PTR value);

protected:
    /// The member values a form starts with, its properties bound to itself;
    /// takes the next trayId. The MDI frame's creation starts with it too.
    void InitialiseMembers();

private:
    COLORREF GetSelectedColorValue();
    void SetDialogProcedureValue(DLGPROC procedure);
    void NoteTrayIconShown(bool shown);
    /// Fills the record's window, icon and tip.
    void FillNotifyIcon(const IconObject& trayIcon, const String& tip);
    /// Repaints the attached bar after a show-state change.
    void RefreshBar();
    /// Gets the thread's next message and, unless it is WM_QUIT, handles it:
    /// the form's keys through the dialog manager, the rest translated and
    /// dispatched. GetMessageA's result. The loops of Run and ShowModal.
    static BOOL HandleNextMessage(HWND form, MSG& msg);
};

/// A form viewing the control's window (and its parent); no window is created.
Form AsForm(const Control& control);

/// Gives the form's first tab-stop control the focus when the form is first
/// shown and active with nothing of it focused, as a dialog box's first
/// control has it: Create calls it for every top-level form, after which the
/// program makes the controls. Nothing is done when something already has
/// the focus by then.
void GiveFirstControlTheFocus(HWND form);

/// Focuses the form's first tab-stop control now (GetNextDlgTabItem), passing
/// by tool, re-bar and status bars unless they are all there is; false when
/// the form has none.
bool FocusFirstTabStop(HWND form);

#endif
