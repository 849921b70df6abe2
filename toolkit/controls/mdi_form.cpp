#include "mdi_form.h"

#include <commctrl.h>

#include "../foundation/dark_mode.h"
#include "../foundation/dpi_scaling.h"
#include "../foundation/runtime_check.h"

namespace {

// The system's dialog class: the frame and its children are windows of it.
const char* const kDialogClass = MAKEINTATOM(0x8002);
// WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL | MDIS_ALLCHILDSTYLES:
// scroll bars when children lie outside, and the children's styles as given.
const DWORD kClientStyle = 0x52300001;
// The bit every child's style gets on top of the mapped style value.
const DWORD kChildStyleBit = 0x1;

// The brush SetBackColor made last; the client class holds it until another
// replaces it, and then nothing paints with it any more.
HBRUSH madeBackground = NULL;

// Hands the MDI client class a new background brush; the one the toolkit
// made before is deleted. True when the class took it.
bool SetClientBackground(HWND client, HBRUSH brush, bool made)
{
    SetLastError(0);
    ULONG_PTR before = SetClassLongPtrA(client, GCLP_HBRBACKGROUND, reinterpret_cast<LONG_PTR>(brush));
    bool taken = before != 0 || GetLastError() == 0;
    if (!taken) {
        if (made)
            DeleteObject(brush);
        return false;
    }
    if (madeBackground != NULL && reinterpret_cast<HBRUSH>(before) == madeBackground)
        DeleteObject(madeBackground);
    madeBackground = made ? brush : NULL;
    return true;
}

// The window classes redraw the whole window when it is resized; the bits the
// class had stay (the system's dialog and static classes have their own).
void RedrawOnResize(HWND window)
{
    SetClassLongA(window, GCL_STYLE, GetClassLongA(window, GCL_STYLE) | CS_HREDRAW | CS_VREDRAW);
}

void SetApplicationIcon(HWND window)
{
    HICON application = LoadIconA(NULL, IDI_APPLICATION);
    SendMessageA(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(application));
    SendMessageA(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(application));
}

const UINT_PTR kMDIChildSubclassId = 0x574D4443;  // "WMDC"

// A child form is a dialog-class window, whose own procedure knows nothing of
// MDI. The messages through which the client activates, maximises and lists
// its children go to the MDI child default instead, so clicking a child
// brings it to the front and makes it the client's active child, and
// maximising fills the client. Closing stays with the form's dialog
// procedure (HideOnCloseProc hides it).
// A hidden child must not stay the active one: the MDI client would keep it
// active with the keyboard focus, and keys would go to a window nobody sees.
// The next visible child (the client's children are in front-to-back order)
// becomes active, or the frame takes the focus when none is left.
void PassActivationOn(HWND hidden)
{
    HWND client = GetParent(hidden);
    if (client == NULL ||
        reinterpret_cast<HWND>(SendMessageA(client, WM_MDIGETACTIVE, 0, 0)) != hidden)
        return;
    for (HWND child = GetWindow(client, GW_CHILD); child != NULL; child = GetWindow(child, GW_HWNDNEXT)) {
        if (child != hidden && IsWindowVisible(child) && GetWindow(child, GW_OWNER) == NULL) {
            SendMessageA(client, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(child), 0);
            return;
        }
    }
    // None left: the client still names the hidden child (the system clears
    // that only when the child is destroyed), so the frame takes the keys,
    // and neither the frame nor the child hands the focus back to it (see
    // the WM_SETFOCUS cases of the frame's and the child's subclasses).
    SendMessageA(hidden, WM_NCACTIVATE, FALSE, 0);
    HWND frame = GetParent(client);
    HWND focus = GetFocus();
    if (frame != NULL && (focus == NULL || focus == client || focus == hidden || IsChild(hidden, focus)))
        SetFocus(frame);
}

// True when the client's active child is one the user cannot see.
bool ActiveChildIsHidden(HWND client)
{
    HWND active = reinterpret_cast<HWND>(SendMessageA(client, WM_MDIGETACTIVE, 0, 0));
    return active != NULL && !IsWindowVisible(active);
}

LRESULT CALLBACK MDIChildProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                              UINT_PTR, DWORD_PTR)
{
    switch (message) {
    case WM_SETFOCUS:
        // The client passes its focus on to its active child, hidden or not:
        // a hidden one sends it on to the frame instead.
        if (!IsWindowVisible(window)) {
            HWND frame = GetParent(GetParent(window));
            if (frame != NULL)
                SetFocus(frame);
            return 0;
        }
        break;
    case WM_WINDOWPOSCHANGED: {
        LRESULT result = DefSubclassProc(window, message, wParam, lParam);
        if ((reinterpret_cast<const WINDOWPOS*>(lParam)->flags & SWP_HIDEWINDOW) != 0)
            PassActivationOn(window);
        return result;
    }
    case WM_CHILDACTIVATE:
    case WM_GETMINMAXINFO:
    case WM_SYSCOMMAND:
    case WM_SETTEXT:
    case WM_MENUCHAR:
    case WM_NEXTMENU:
        return DefMDIChildProcA(window, message, wParam, lParam);
    case WM_SIZE: {
        // The form's procedure lays its controls out; the MDI default keeps
        // track of a maximised child.
        LRESULT result = DefSubclassProc(window, message, wParam, lParam);
        DefMDIChildProcA(window, message, wParam, lParam);
        return result;
    }
    case WM_NCDESTROY:
        RemoveWindowSubclass(window, MDIChildProc, kMDIChildSubclassId);
        break;
    default:
        break;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

const UINT_PTR kMDIFrameSubclassId = 0x574D4446;  // "WMDF"

// The frame keeps its client window stretched over its client area, and
// lets the window menu's child entries activate their children, whatever
// dialog procedure the program installs on the frame. The client's handle is
// the subclass's data: the frame needs no wrapper for it.
LRESULT CALLBACK MDIFrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                              UINT_PTR, DWORD_PTR data)
{
    HWND client = reinterpret_cast<HWND>(data);
    switch (message) {
    case WM_SIZE:
    case WM_DPICHANGED: {
        // After a change of DPI the client was scaled with the frame's other
        // windows; it fills the frame's new client area again.
        LRESULT result = DefSubclassProc(window, message, wParam, lParam);
        Control(client).FillParent();
        return result;
    }
    case WM_COMMAND:
        if (lParam == 0 && LOWORD(wParam) >= kFirstMDIChildId)
            return DefFrameProcA(window, client, message, wParam, lParam);
        break;
    case WM_SETFOCUS:
        // A dialog gives its focus back to the control that had it last,
        // which would be the client and through it the hidden child: with no
        // child to see, the frame keeps the focus itself.
        if (ActiveChildIsHidden(client))
            return 0;
        break;
    case WM_NCDESTROY:
        RemoveWindowSubclass(window, MDIFrameProc, kMDIFrameSubclassId);
        break;
    default:
        break;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace

MDIForm::MDIForm() : Form()
{
    clientCreate.hWindowMenu = NULL;
    clientCreate.idFirstChild = kFirstMDIChildId;
}

MDIForm::MDIForm(const String& caption, int x, int y, int width, int height, DWORD styleValue,
                 bool enabled, bool visible, bool maximised, bool minimised, bool centred,
                 const Control& parentControl, bool child, DWORD extendedStyle)
    : MDIForm()
{
    Create(caption, x, y, width, height, styleValue, enabled, visible, maximised, minimised,
           centred, parentControl, child, extendedStyle);
}

bool MDIForm::Create(const String& caption, int x, int y, int width, int height,
                     DWORD styleValue, bool enabled, bool visible, bool maximised,
                     bool minimised, bool centred, const Control& parentControl, bool child,
                     DWORD extendedStyle)
{
    InitialiseMembers();
    style = styleValue;
    exStyle = extendedStyle;
    parent = parentControl.hwnd;

    // Always a top-level window: the desktop is its parent whatever was given.
    DWORD windowStyle = FormWindowStyle(styleValue, child) | WS_CLIPCHILDREN;
    hwnd = CreateWindowExA(extendedStyle | WS_EX_ACCEPTFILES, kDialogClass, "MDIForm",
                           windowStyle, x, y, width, height, GetDesktopWindow(), NULL,
                           GetModuleHandleA(NULL), NULL);
    fileDialog.owner = hwnd;
    if (!RuntimeCheck(hwnd != NULL, "MDIForm_window_handle != NULL", __FILE__, __LINE__,
                      __DATE__, __TIME__))
        return false;
    RedrawOnResize(hwnd);
    hasBar = false;
    SetApplicationIcon(hwnd);
    SetWindowTextA(hwnd, caption.CStr());

    container.parent = hwnd;
    container.hwnd = CreateWindowExA(WS_EX_CLIENTEDGE, "MDICLIENT", NULL, kClientStyle, 0, 0, 0,
                                     0, hwnd, NULL, GetModuleHandleA(NULL), &clientCreate);
    if (!RuntimeCheck(container.hwnd != NULL, "MDIForm_container_handle != NULL", __FILE__,
                      __LINE__, __DATE__, __TIME__))
        return false;
    SetClientBackground(container.hwnd, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)), false);
    container.FillParent();

    // Every WM_SIZE of the frame stretches the client over its client area
    // again: the dialog procedure does while it is the stock one, the
    // subclass also once the program has installed its own.
    fillChild = container.hwnd;
    SetDialogProcedure(QuitOnCloseFillProc);

    if (!enabled)
        Disable();
    // Sized like a top-level Form: the logical client area at the frame's
    // DPI inside the system's frame for it; its place on the screen as given.
    UINT dpi = ScalingDpi(hwnd);
    SIZE size = ScaledFrameSize(width, height, windowStyle, extendedStyle | WS_EX_ACCEPTFILES, dpi);
    Resize(size.cx, size.cy, false);
    Move(x, y);
    if (DpiScalingOn())
        FollowDpiChanges(hwnd, dpi);
    // Installed after the DPI subclass, so that it runs around it.
    SetWindowSubclass(hwnd, MDIFrameProc, kMDIFrameSubclassId,
                      reinterpret_cast<DWORD_PTR>(container.hwnd));
    if (centred)
        Centre();
    if (maximised)
        Maximise();
    if (minimised)
        Minimise();
    FollowDarkMode(hwnd);
    if (visible)
        ShowWindow(hwnd, SW_SHOW);
    return true;
}

Form MDIForm::AddChild(const String& caption, int x, int y, int width, int height,
                       DWORD styleValue, DWORD extendedStyle)
{
    Form child;
    if (!WICKER_CHECK(container.hwnd != NULL))
        return child;
    child.style = styleValue;
    child.exStyle = extendedStyle;

    DWORD windowStyle = FormWindowStyle(styleValue, true) | kChildStyleBit;
    // A logical place in the client and a logical client size inside the
    // frame the system draws at the frame's DPI; the client's own choices
    // (CW_USEDEFAULT) stay its own.
    UINT dpi = ScalingDpi(container.hwnd);
    SIZE size = ScaledFrameSize(width, height, windowStyle, WS_EX_MDICHILD | WS_EX_WINDOWEDGE, dpi);
    if (x != CW_USEDEFAULT)
        x = ScaleBetweenDpi(x, kLogicalDpi, dpi);
    if (y != CW_USEDEFAULT)
        y = ScaleBetweenDpi(y, kLogicalDpi, dpi);
    if (width != CW_USEDEFAULT)
        width = size.cx;
    if (height != CW_USEDEFAULT)
        height = size.cy;
    child.hwnd = CreateMDIWindowA(kDialogClass, caption.CStr(), windowStyle, x, y, width, height,
                                  container.hwnd, GetModuleHandleA(NULL), 0);
    if (!RuntimeCheck(child.hwnd != NULL, "NewMDIChild_Window != NULL", __FILE__, __LINE__,
                      __DATE__, __TIME__))
        return child;
    // The child is placed in the client's coordinates, so the client is its parent.
    child.parent = container.hwnd;
    child.fileDialog.owner = child.hwnd;

    SetApplicationIcon(child.hwnd);
    child.AddExStyle(WS_EX_ACCEPTFILES);
    RedrawOnResize(child.hwnd);
    child.SetDialogProcedure(HideOnCloseProc);
    SetWindowSubclass(child.hwnd, MDIChildProc, kMDIChildSubclassId, 0);
    FollowDarkMode(child.hwnd);
    ShowWindow(child.hwnd, SW_SHOW);
    SendMessageA(child.hwnd, WM_NCACTIVATE, TRUE, 0);
    // The newest child is the active one, in front of the others.
    SendMessageA(container.hwnd, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(child.hwnd), 0);
    return child;
}

bool MDIForm::SetBackColor(COLORREF colour)
{
    if (!WICKER_CHECK(container.hwnd !=NULL))
        return false;
    HBRUSH brush = CreateSolidBrush(colour);
    if (brush == NULL)
        return false;
    bool taken = SetClientBackground(container.hwnd, brush, true);
    InvalidateWhole(container.hwnd);
    return taken;
}

// The arrangement messages' results differ between systems (some answer 0
// after arranging), so success is having a client to send the message to.
namespace {
bool SendToClient(HWND client, UINT message, WPARAM flags)
{
    if (client == NULL)
        return false;
    SendMessageA(client, message, flags, 0);
    return true;
}
}  // namespace

bool MDIForm::Cascade(bool skipDisabled)
{
    return SendToClient(container.hwnd, WM_MDICASCADE, skipDisabled ? MDITILE_SKIPDISABLED : 0);
}

bool MDIForm::TileVertical(bool skipDisabled)
{
    return SendToClient(container.hwnd, WM_MDITILE,
                        MDITILE_VERTICAL | (skipDisabled ? MDITILE_SKIPDISABLED : 0));
}

bool MDIForm::TileHorizontal(bool skipDisabled)
{
    return SendToClient(container.hwnd, WM_MDITILE,
                        MDITILE_HORIZONTAL | (skipDisabled ? MDITILE_SKIPDISABLED : 0));
}

bool MDIForm::ArrangeIcons()
{
    return SendToClient(container.hwnd, WM_MDIICONARRANGE, 0);
}

HWND MDIForm::ActiveChild()
{
    if (container.hwnd == NULL)
        return NULL;
    return reinterpret_cast<HWND>(SendMessageA(container.hwnd, WM_MDIGETACTIVE, 0, 0));
}

bool MDIForm::SetWindowMenu(HMENU windowMenu)
{
    if (container.hwnd == NULL)
        return false;
    clientCreate.hWindowMenu = windowMenu;
    SendMessageA(container.hwnd, WM_MDISETMENU, reinterpret_cast<WPARAM>(GetMenu(hwnd)),
                 reinterpret_cast<LPARAM>(windowMenu));
    DrawMenuBar(hwnd);
    return true;
}
