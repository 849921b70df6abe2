// The creation every member of the basic control family shares: one window
// made with CreateWindowExA, then the member's own steps in its own order.
#ifndef WICKER_CONTROLS_BASIC_CONTROL_H
#define WICKER_CONTROLS_BASIC_CONTROL_H

#include <windows.h>

#include "../foundation/control.h"
#include "../foundation/image_list.h"
#include "../foundation/string.h"

// One step run after the window exists. The common ones stand for Control
// operations; kStepOwn is the member's own step (an image, a check, a range).
enum CreationStep {
    kStepEnd,      // no more steps
    kStepText,     // the Text property = the text argument
    kStepMove,     // Move to x, y (negatives become 0)
    kStepSize,     // Resize to width x height without centring (at least 10 each)
    kStepFont,     // SetDefaultFont
    kStepCentre,   // Centre when the centred flag is set
    kStepDisable,  // Disable when the enabled flag is clear
    kStepShow,     // Show when the visible flag is set
    kStepLimit,    // LimitText(0): no text limit
    kStepOwn,      // the member's own step
};

// What sets one member apart: its window class, the text its window is
// created with, and its steps in order.
struct ControlKind {
    const char* windowClass;
    // The text CreateWindowExA gets; null for the text argument.
    const char* windowText;
    CreationStep steps[12];
};

// The creation arguments every member has.
struct ControlPlacement {
    String text;
    int identifier;
    int x;
    int y;
    int width;
    int height;
    bool enabled;
    bool visible;
    bool centred;
    DWORD exStyle;
};

// The member's own step, given the context its Create passed.
typedef void (*OwnCreationStep)(Control& control, void* context);

// Sets `id` and `parent` (the parent control's window), creates the window of
// the kind with the style (CreateWindowExA with the program's module handle,
// the identifier as menu argument, no creation data), stores it in `hwnd` and
// runs the kind's steps. The place is in logical pixels, scaled to the
// parent's DPI (ScalingDpi) before the window is made. A window that could
// not be created leaves `hwnd` null and the steps then do nothing; the result
// says whether it exists.
bool CreateBasicControl(Control& control, const ControlKind& kind, DWORD style,
                        const ControlPlacement& place, const Control& parentControl,
                        OwnCreationStep ownStep = NULL, void* context = NULL);

// Shows the window's own copy of the icon (CopyIcon) with the message
// (STM_SETICON, or BM_SETIMAGE/STM_SETIMAGE with the image type) and keeps that copy with the window (KeepWithWindow), which
// destroys it when another icon replaces it or the window goes: the caller's
// icon may be destroyed at any time. A null icon shows none. The message's result.
LRESULT ShowKeptIcon(HWND window, UINT message, WPARAM wParam, HICON icon);
// The same for a bitmap (CopyImage), kept and deleted by the window.
LRESULT ShowKeptBitmap(HWND window, UINT message, WPARAM wParam, HBITMAP bitmap);
// Shows the list with the control's set-image-list message (TCM_SETIMAGELIST,
// LVM_SETIMAGELIST with LVSIL_SMALL, ...; kind is its wParam) and keeps a
// holder of it with the window in the place of that kind, so the list lives
// while the window shows it. The list shown before, or null; null without a
// window.
HIMAGELIST ShowKeptImageList(HWND window, UINT message, WPARAM kind, const ImageList& list);

// The placement in the pixels of the parent window's DPI (ScalingDpi).
ControlPlacement ScaledPlacement(const ControlPlacement& logical, HWND parent);

// Resets a member built without arguments to "no window, no parent", as the
// family's default constructors leave it.
void ClearBasicControl(Control& control);

#endif
