#include "basic_control.h"

#include "single_line_centring.h"

#include "../foundation/dpi_scaling.h"
#include "../foundation/kept_handles.h"

ControlPlacement ScaledPlacement(const ControlPlacement& logical, HWND parent)
{
    ControlPlacement place = logical;
    ScaleNewWindowBounds(parent, place.x, place.y, place.width, place.height);
    return place;
}

bool CreateBasicControl(Control& control, const ControlKind& kind, DWORD style,
                        const ControlPlacement& logicalPlace, const Control& parentControl,
                        OwnCreationStep ownStep, void* context)
{
    const ControlPlacement place = ScaledPlacement(logicalPlace, parentControl.hwnd);
    control.id = place.identifier;
    control.parent = parentControl.hwnd;
    const char* text = kind.windowText != NULL ? kind.windowText : place.text.CStr();
    control.hwnd = CreateWindowExA(place.exStyle, kind.windowClass, text, style, place.x, place.y,
                                   place.width, place.height, control.parent,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(place.identifier)),
                                   GetModuleHandleA(NULL), NULL);
    if (control.hwnd == NULL)
        return false;
    CentreSingleLineText(control.hwnd);
    for (const CreationStep* step = kind.steps; *step != kStepEnd; ++step) {
        switch (*step) {
        case kStepText:
            control.Text = place.text;
            break;
        case kStepMove:
            control.Move(place.x, place.y);
            break;
        case kStepSize:
            control.Resize(place.width, place.height, false);
            break;
        case kStepFont:
            control.SetDefaultFont();
            break;
        case kStepCentre:
            if (place.centred)
                control.Centre();
            break;
        case kStepDisable:
            if (!place.enabled)
                control.Disable();
            break;
        case kStepShow:
            if (place.visible)
                control.Show();
            break;
        case kStepLimit:
            control.LimitText(0);
            break;
        case kStepOwn:
            if (ownStep != NULL)
                ownStep(control, context);
            break;
        case kStepEnd:
            break;
        }
    }
    return true;
}

void ClearBasicControl(Control& control)
{
    control.hwnd = NULL;
    control.parent = NULL;
}

LRESULT ShowKeptIcon(HWND window, UINT message, WPARAM wParam, HICON icon)
{
    if (window == NULL)
        return 0;
    HICON copy = icon != NULL ? CopyIcon(icon) : NULL;
    if (icon != NULL && copy == NULL)
        return 0;
    // STM_SETICON takes the icon as its first parameter; BM_SETIMAGE and
    // STM_SETIMAGE take the image type first and the icon second.
    LRESULT result = message == STM_SETICON
                         ? SendMessageA(window, message, reinterpret_cast<WPARAM>(copy), 0)
                         : SendMessageA(window, message, wParam, reinterpret_cast<LPARAM>(copy));
    // Only now that the control shows the copy may the one it showed before go.
    KeepWithWindow(window, kKeptIcon, copy);
    return result;
}

LRESULT ShowKeptBitmap(HWND window, UINT message, WPARAM wParam, HBITMAP bitmap)
{
    if (window == NULL)
        return 0;
    HBITMAP copy =
        bitmap != NULL ? static_cast<HBITMAP>(CopyImage(bitmap, IMAGE_BITMAP, 0, 0, 0)) : NULL;
    if (bitmap != NULL && copy == NULL)
        return 0;
    LRESULT result = SendMessageA(window, message, wParam, reinterpret_cast<LPARAM>(copy));
    KeepWithWindow(window, kKeptBitmap, copy);
    return result;
}

HIMAGELIST ShowKeptImageList(HWND window, UINT message, WPARAM kind, const ImageList& list)
{
    if (window == NULL)
        return NULL;
    HIMAGELIST before = reinterpret_cast<HIMAGELIST>(
        SendMessageA(window, message, kind, reinterpret_cast<LPARAM>(list.handle)));
    KeepImageListWithWindow(window, static_cast<int>(kind), list);
    return before;
}
