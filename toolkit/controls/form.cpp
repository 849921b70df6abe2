#include "form.h"

#include <commctrl.h>

#include <cstring>

#include "../foundation/dark_mode.h"
#include "../foundation/dpi_scaling.h"
#include "../foundation/kept_handles.h"
#include "../foundation/whole_characters.h"
#include "../system/browse_for_folder.h"

namespace {

// The system's dialog class, which every form is a window of.
const char* const kDialogClass = MAKEINTATOM(0x8002);

// How many times a form's members were initialised in this process.
DWORD formsInitialised = 0;

// The frame style values a form accepts as they stand.
const DWORD kKeptStyles[] = {kFormDialog,        kFormDialogMaxBox, kFormDialogMinBox,
                             kFormSizable,       kFormSizableMaxBox, kFormSizableMinBox,
                             kFormPopupCaption};

}  // namespace

DWORD FormWindowStyle(DWORD styleValue, bool child)
{
    // A child window cannot be a pop-up: the pop-up bit goes, the rest stays.
    if (styleValue == kFormPopup || styleValue == kFormPopupBorder)
        return child ? (styleValue & ~static_cast<DWORD>(WS_POPUP)) : styleValue;
    for (DWORD kept : kKeptStyles)
        if (styleValue == kept)
            return kept;
    return kFormStandard;
}

Form::Form() : Control()
{
    InitialiseMembers();
}

Form::Form(const String& caption, int x, int y, int width, int height, DWORD styleValue,
           bool enabled, bool visible, bool maximised, bool minimised, bool centred,
           const Control& parentControl, bool child, DWORD extendedStyle)
    : Control()
{
    Create(caption, x, y, width, height, styleValue, enabled, visible, maximised, minimised,
           centred, parentControl, child, extendedStyle);
}

void Form::InitialiseMembers()
{
    // No filter of the toolkit's own: the first one the program adds is the
    // one the dialogs open on (a dialog without any lists every file).
    fileDialog.filters.clear();
    trayId = kFirstTrayId + formsInitialised;
    ++formsInitialised;
    trayIconShown = false;
    std::memset(&notifyIcon, 0, sizeof notifyIcon);
    notifyIcon.cbSize = kNotifyIconRecordSize;
    notifyIcon.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    exStyle = 0;
    style = 0;
    icon = NULL;
    fileDialog.owner = hwnd;
    SelectedColor.Bind(this, &Form::GetSelectedColorValue, NULL);
    DialogProcedure.Bind(this, NULL, &Form::SetDialogProcedureValue);
    Icon.Bind(this, &Form::GetIcon, &Form::SetIcon);
    selectedColor = RGB(255, 255, 255);
    hasBar = false;
}

bool Form::Create(const String& caption, int x, int y, int width, int height, DWORD styleValue,
                  bool enabled, bool visible, bool maximised, bool minimised, bool centred,
                  const Control& parentControl, bool child, DWORD extendedStyle)
{
    InitialiseMembers();
    style = styleValue;
    exStyle = extendedStyle;
    parent = parentControl.hwnd;

    DWORD windowStyle = FormWindowStyle(styleValue, child);
    DWORD windowExStyle = extendedStyle | WS_EX_CONTROLPARENT | WS_EX_ACCEPTFILES;
    if (styleValue == kFormToolWindow)
        windowExStyle |= WS_EX_TOOLWINDOW;
    windowStyle |= child ? (WS_CHILD | WS_CLIPCHILDREN) : WS_CLIPCHILDREN;

    hwnd = CreateWindowExA(windowExStyle, kDialogClass, "Form", windowStyle, x, y, width, height,
                           parent, NULL, GetModuleHandleA(NULL), NULL);
    fileDialog.owner = hwnd;
    // Nothing below acts on a window that was not made.
    if (hwnd == NULL)
        return false;

    hasBar = false;
    SetDialogProcedure(QuitOnCloseProc);
    FollowDarkMode(hwnd);
    HICON application = LoadIconA(NULL, IDI_APPLICATION);
    SendMessageA(hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(application));
    SendMessageA(hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(application));
    SetWindowTextA(hwnd, caption.CStr());
    if (!enabled)
        Disable();
    // The sizes are logical: the client area is scaled to the form's DPI
    // and the frame is the system's at that DPI; a child form's place is
    // scaled too, a top-level form's place on the screen is not.
    UINT dpi = ScalingDpi(hwnd);
    SIZE size = ScaledFrameSize(width, height, windowStyle, windowExStyle, dpi);
    Resize(size.cx, size.cy, false);
    MoveLogical(x, y);
    if (!child && DpiScalingOn())
        FollowDpiChanges(hwnd, dpi);
    if (centred)
        Centre();
    if (maximised)
        Maximise();
    if (minimised)
        Minimise();
    if (visible)
        ShowWindow(hwnd, SW_SHOW);
    if (!child)
        GiveFirstControlTheFocus(hwnd);
    return true;
}

// ---- the first focus ----

namespace {

const UINT_PTR kFirstFocusSubclassId = 0x57464F43;  // "WFOC"

// Tool, re-bar and status bars take the tab order's focus only to make a
// button hot; typing goes nowhere there, so the first focus passes them by.
bool IsBar(HWND window)
{
    char name[32] = "";
    GetClassNameA(window, name, sizeof name);
    return lstrcmpiA(name, TOOLBARCLASSNAMEA) == 0 || lstrcmpiA(name, REBARCLASSNAMEA) == 0 ||
           lstrcmpiA(name, STATUSCLASSNAMEA) == 0;
}

// Posted to the form to give the focus once its controls exist.
UINT FirstFocusMessage()
{
    static const UINT message = RegisterWindowMessageA("WickerFormFirstFocus");
    return message;
}

// Waits until the form is shown and active with nothing of it focused (or
// only a bar, where the dialog manager puts the focus of a form whose first
// tab stop is its tool bar), then focuses its first tab-stop control and
// goes. The program makes its controls after the form, so the focus is given
// from a posted message, which the loop handles when they exist, and again
// whenever the form shows or is activated until it has been given.
LRESULT CALLBACK FirstFocusProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                DWORD_PTR)
{
    if (message == FirstFocusMessage()) {
        if (!IsWindowVisible(window) || GetActiveWindow() != window)
            return 0;
        HWND focus = GetFocus();
        if (focus == NULL || focus == window || (IsChild(window, focus) && IsBar(focus)))
            FocusFirstTabStop(window);
        RemoveWindowSubclass(window, FirstFocusProc, kFirstFocusSubclassId);
        return 0;
    }
    if ((message == WM_SHOWWINDOW && wParam) || (message == WM_ACTIVATE && LOWORD(wParam) != WA_INACTIVE))
        PostMessageA(window, FirstFocusMessage(), 0, 0);
    if (message == WM_NCDESTROY)
        RemoveWindowSubclass(window, FirstFocusProc, kFirstFocusSubclassId);
    return DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace

bool FocusFirstTabStop(HWND form)
{
    HWND first = GetNextDlgTabItem(form, NULL, FALSE);
    HWND start = first;
    while (first != NULL && IsBar(first)) {
        first = GetNextDlgTabItem(form, first, FALSE);
        if (first == start)
            break;
    }
    if (first == NULL || !IsChild(form, first))
        return false;
    SetFocus(first);
    return true;
}

void GiveFirstControlTheFocus(HWND form)
{
    if (form == NULL || !SetWindowSubclass(form, FirstFocusProc, kFirstFocusSubclassId, 0))
        return;
    PostMessageA(form, FirstFocusMessage(), 0, 0);
}

// ---- show states ----

void Form::RefreshBar()
{
    if (hasBar)
        InvalidateWhole(bar.hwnd);
}

bool Form::Minimise()
{
    bool result = ShowWindow(hwnd, SW_MINIMIZE) != 0;
    RefreshBar();
    return result;
}

bool Form::Maximise()
{
    bool result = ShowWindow(hwnd, SW_SHOWMAXIMIZED) != 0;
    RefreshBar();
    return result;
}

bool Form::Restore()
{
    bool result = ShowWindow(hwnd, SW_RESTORE) != 0;
    RefreshBar();
    return result;
}

bool Form::IsMinimised()
{
    return IsIconic(hwnd) != 0;
}

bool Form::IsMaximised()
{
    return IsZoomed(hwnd) != 0;
}

// ---- cursors and icons ----

void Form::SetCursor(int resourceId)
{
    ::SetCursor(LoadCursorA(GetModuleHandleA(NULL), MAKEINTRESOURCEA(resourceId)));
    ShowCursor(TRUE);
}

void Form::SetCursorHandle(HCURSOR cursor)
{
    ::SetCursor(cursor);
}

void Form::SetIconHandle(HICON iconHandle)
{
    SendMessageA(hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(iconHandle));
    SendMessageA(hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(iconHandle));
    icon = iconHandle;
}

void Form::SetIcon(const IconObject& iconObject)
{
    // The window shows its own copy, so the holder may go at any time.
    HICON shown = NULL;
    if (iconObject.icon != NULL && hwnd != NULL) {
        shown = CopyIcon(iconObject.icon);
        KeepWithWindow(hwnd, kKeptIcon, shown);
    }
    SetIconHandle(shown);
}

void Form::SetIconResource(int resourceId)
{
    SetIconHandle(LoadIconA(GetModuleHandleA(NULL), MAKEINTRESOURCEA(resourceId)));
}

IconObject Form::GetIcon()
{
    HICON big = reinterpret_cast<HICON>(SendMessageA(hwnd, WM_GETICON, ICON_BIG, 0));
    if (big == NULL)
        big = LoadIconA(NULL, IDI_APPLICATION);
    return IconObject(big, kViewHandle);
}

// ---- printing ----

void Form::Print(const String& text)
{
    HDC dc = DC;
    if (dc != NULL) {
        // The colours of the form's own texts (the system's, or dark ones).
        const SchemeColours colours = CurrentSchemeColours();
        SetTextColor(dc, colours.text);
        SetBkColor(dc, colours.window);
        TextOutA(dc, 0, printLine, text.CStr(), static_cast<int>(text.size()));
        ReleaseDC(hwnd, dc);
    }
    printLine += 20;
}

void Form::ResetPrint()
{
    printLine = 0;
}

// ---- dialogs ----

bool Form::OpenFileDialog(const String& initialName)
{
    fileDialog.owner = hwnd;
    if (!fileDialog.Open(initialName))
        return false;
    FileName = fileDialog.FileName;
    return true;
}

bool Form::SaveFileDialog(const String& initialName)
{
    fileDialog.owner = hwnd;
    if (!fileDialog.Save(initialName))
        return false;
    FileName = fileDialog.FileName;
    return true;
}

bool Form::BrowseFolder(String& path)
{
    return BrowseForFolder(hwnd, path);
}

bool Form::ChooseColor(COLORREF& colour)
{
    COLORREF chosen = colour;
    if (!::ChooseColor(hwnd, chosen))
        return false;
    selectedColor = chosen;
    colour = chosen;
    return true;
}

// ---- layout ----

void Form::AttachBar(const Control& barControl)
{
    bar.hwnd = barControl.hwnd;
    bar.parent = hwnd;
    hasBar = true;
}

bool Form::SetMinimumSize(int width, int height)
{
    return SetMinimumWindowSize(hwnd, width, height, MinimumSizeUnit::LogicalOuter);
}

bool Form::SetMinimumClientSize(int width, int height)
{
    return SetMinimumWindowSize(hwnd, width, height, MinimumSizeUnit::LogicalClient);
}

bool Form::SetClientSize(int width, int height, bool centre)
{
    // A minimised or maximised form has no size of its own to change.
    if (hwnd == NULL || IsIconic(hwnd) || IsZoomed(hwnd))
        return false;
    UINT dpi = ScalingDpi(hwnd);
    SIZE wanted = {ScaleBetweenDpi(width, kLogicalDpi, dpi),
                   ScaleBetweenDpi(height, kLogicalDpi, dpi)};
    // The frame is what the window has around its client area now; a menu
    // bar that wraps at the new width changes it, so a second pass makes
    // up the difference.
    for (int pass = 0; pass < 2; ++pass) {
        RECT client = {0, 0, 0, 0};
        GetClientRect(hwnd, &client);
        if (client.right == wanted.cx && client.bottom == wanted.cy)
            break;
        Resize(Width + wanted.cx - client.right,
               Height + wanted.cy - client.bottom, false);
    }
    if (centre)
        Centre();
    return true;
}

bool Form::SetLayout(const Layout& layout, LayoutFit fit)
{
    return SetWindowLayout(hwnd, layout, fit);
}

void Form::UpdateLayout()
{
    SendMessageA(hwnd, WM_SIZE, 0, 0);
    InvalidateWhole(hwnd);
}

// ---- notification-area icon ----

void Form::FillNotifyIcon(const IconObject& trayIcon, const String& tip)
{
    notifyIcon.hWnd = hwnd;
    notifyIcon.hIcon = trayIcon.icon;
    // The first layout has room for 63 bytes and the zero; a longer tip is
    // cut after its last whole character (of UTF-8, or a double-byte code
    // page), never inside one.
    const std::size_t length = WholeCharactersLength(tip.data(), tip.size(), kNotifyIconTipRoom - 1);
    std::memcpy(notifyIcon.szTip, tip.data(), length);
    notifyIcon.szTip[length] = '\0';
}

namespace {

const UINT_PTR kTrayIconSubclassId = 0x57545259;  // "WTRY"

// While a form's icon is in the notification area, the form's window carries
// this subclass, whose data is the icon's identifier: a window destroyed with
// its icon still shown takes the icon with it, whatever became of the Form
// wrapper, instead of leaving a dead icon behind.
LRESULT CALLBACK TrayIconOwnerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                   UINT_PTR subclassId, DWORD_PTR iconId)
{
    if (message == WM_DESTROY) {
        NOTIFYICONDATAA gone = {};
        gone.cbSize = kNotifyIconRecordSize;
        gone.hWnd = window;
        gone.uID = static_cast<UINT>(iconId);
        Shell_NotifyIconA(NIM_DELETE, &gone);
        RemoveWindowSubclass(window, TrayIconOwnerProc, subclassId);
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace

void Form::NoteTrayIconShown(bool shown)
{
    trayIconShown = shown;
    if (hwnd == NULL)
        return;
    if (shown)
        SetWindowSubclass(hwnd, TrayIconOwnerProc, kTrayIconSubclassId, notifyIcon.uID);
    else
        RemoveWindowSubclass(hwnd, TrayIconOwnerProc, kTrayIconSubclassId);
}

bool Form::AddTrayIcon(const IconObject& trayIcon, const String& tip)
{
    if (trayIconShown)
        return false;
    notifyIcon.uID = trayId;
    notifyIcon.uCallbackMessage = trayId;
    FillNotifyIcon(trayIcon, tip);
    if (!Shell_NotifyIconA(NIM_ADD, &notifyIcon))
        return false;
    NoteTrayIconShown(true);
    return true;
}

bool Form::ModifyTrayIcon(const IconObject& trayIcon, const String& tip)
{
    FillNotifyIcon(trayIcon, tip);
    if (!trayIconShown) {
        notifyIcon.uID = trayId;
        notifyIcon.uCallbackMessage = trayId;
    }
    if (!Shell_NotifyIconA(trayIconShown ? NIM_MODIFY : NIM_ADD, &notifyIcon))
        return false;
    NoteTrayIconShown(true);
    return true;
}

bool Form::RemoveTrayIcon()
{
    if (!trayIconShown)
        return false;
    // Once the shell no longer knows the icon it is not shown either way.
    NoteTrayIconShown(false);
    return Shell_NotifyIconA(NIM_DELETE, &notifyIcon) != 0;
}

// ---- properties ----

COLORREF Form::GetSelectedColorValue()
{
    return selectedColor;
}

void Form::SetDialogProcedureValue(DLGPROC procedure)
{
    SetDialogProcedure(procedure);
}

Form AsForm(const Control& control)
{
    Form form;
    form.hwnd = control.hwnd;
    form.parent = control.parent;
    return form;
}
