// A form shown modally over an owner (Form::ShowModal, Form::EndModal).
//
// While a form is modal its window carries a subclass that turns the close
// box (WM_CLOSE) into the IDCANCEL command, as the dialog manager does for a
// dialog box, and ends the form with IDCANCEL when that command has reached
// the form's procedure without the procedure ending it. The end is kept in
// window properties, so every wrapper of the window ends the same showing.
#include "form.h"

#include <commctrl.h>

namespace {

const UINT_PTR kModalSubclassId = 0x574D4F44;  // "WMOD"
// Set while the form is shown modally; its value is the owner.
const char kModalOwnerProperty[] = "WickerModalOwner";
// Set by EndModal: the value ShowModal returns is in kModalValueProperty.
const char kModalEndedProperty[] = "WickerModalEnded";
const char kModalValueProperty[] = "WickerModalValue";

bool IsShownModally(HWND window)
{
    return window != NULL && GetPropA(window, kModalOwnerProperty) != NULL;
}

bool HasEnded(HWND window)
{
    return GetPropA(window, kModalEndedProperty) != NULL;
}

void NoteEnd(HWND window, INT_PTR value)
{
    SetPropA(window, kModalValueProperty, reinterpret_cast<HANDLE>(value));
    SetPropA(window, kModalEndedProperty, reinterpret_cast<HANDLE>(1));
}

LRESULT CALLBACK ModalFormProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                               UINT_PTR, DWORD_PTR)
{
    switch (message) {
    case WM_CLOSE:
        // The close box, Alt+F4 and the system menu's Close: the command a
        // dialog box's Cancel button sends (the program's own close handler,
        // which ends the program for a main form, is not reached).
        SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(window, IDCANCEL)));
        return 0;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDCANCEL && lParam == reinterpret_cast<LPARAM>(GetDlgItem(window, IDCANCEL))) {
            LRESULT result = DefSubclassProc(window, message, wParam, lParam);
            if (IsWindow(window) && IsShownModally(window) && !HasEnded(window))
                NoteEnd(window, IDCANCEL);
            return result;
        }
        break;
    case WM_NCDESTROY:
        RemoveWindowSubclass(window, ModalFormProc, kModalSubclassId);
        break;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace

INT_PTR Form::ShowModal(const Control& owner)
{
    HWND form = hwnd;
    if (form == NULL || !IsWindow(form) || IsShownModally(form))
        return -1;
    HWND ownerWindow = owner.hwnd != NULL && IsWindow(owner.hwnd) ? owner.hwnd : NULL;
    bool child = (GetWindowLongPtrA(form, GWL_STYLE) & WS_CHILD) != 0;
    HWND formerOwner = child ? NULL : GetWindow(form, GW_OWNER);
    RemovePropA(form, kModalEndedProperty);
    RemovePropA(form, kModalValueProperty);
    // Any value will do while there is no owner: the property only says
    // that the form is modal.
    SetPropA(form, kModalOwnerProperty, ownerWindow != NULL ? ownerWindow : form);
    SetWindowSubclass(form, ModalFormProc, kModalSubclassId, 0);
    // Owned by the owner while modal, so it stays above it; the owner takes
    // no input until the form ends.
    bool ownerWasEnabled = false;
    if (ownerWindow != NULL) {
        if (!child)
            SetWindowLongPtrA(form, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(ownerWindow));
        ownerWasEnabled = EnableWindow(ownerWindow, FALSE) == 0;
    }
    ShowWindow(form, SW_SHOW);
    SetForegroundWindow(form);
    // As a dialog box gives it the focus when it shows.
    if (!FocusFirstTabStop(form))
        SetFocus(form);

    // Messages of every window of the thread are handled, the keys of the
    // form's controls through the dialog manager (Tab, arrows, Enter, Esc);
    // a message loop of a form shown from this one nests inside this one.
    bool quit = false;
    WPARAM quitCode = 0;
    while (IsWindow(form) && !HasEnded(form)) {
        MSG msg;
        BOOL got = HandleNextMessage(form, msg);
        if (got == 0) {
            quit = true;
            quitCode = msg.wParam;
            break;
        }
        if (got < 0)
            break;
    }

    INT_PTR value = -1;
    bool alive = IsWindow(form) != FALSE;
    if (alive && HasEnded(form))
        value = reinterpret_cast<INT_PTR>(GetPropA(form, kModalValueProperty));
    // The owner is enabled before the form hides, so that the system gives
    // it the activation back rather than another program's window.
    if (ownerWindow != NULL && ownerWasEnabled && IsWindow(ownerWindow))
        EnableWindow(ownerWindow, TRUE);
    if (alive) {
        ShowWindow(form, SW_HIDE);
        RemoveWindowSubclass(form, ModalFormProc, kModalSubclassId);
        RemovePropA(form, kModalOwnerProperty);
        RemovePropA(form, kModalEndedProperty);
        RemovePropA(form, kModalValueProperty);
        if (ownerWindow != NULL && !child)
            SetWindowLongPtrA(form, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(formerOwner));
    }
    if (ownerWindow != NULL && IsWindow(ownerWindow))
        SetActiveWindow(ownerWindow);
    // A quit asked for while the form was modal ends the program's own loop too.
    if (quit)
        PostQuitMessage(static_cast<int>(quitCode));
    return value;
}

bool Form::EndModal(INT_PTR value)
{
    if (!IsShownModally(hwnd) || HasEnded(hwnd))
        return false;
    NoteEnd(hwnd, value);
    // The loop may be waiting for a message: one that does nothing wakes it.
    PostMessageA(hwnd, WM_NULL, 0, 0);
    return true;
}
