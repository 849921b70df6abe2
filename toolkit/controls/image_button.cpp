#include "image_button.h"

#include "../foundation/dpi_scaling.h"
#include "../foundation/kept_handles.h"

static_assert(kImageButtonStyle == (WS_CHILD | WS_VISIBLE | SS_REALSIZEIMAGE | SS_NOTIFY | SS_BITMAP),
              "image button style");

// The "STATIC" class is made to redraw on every resize (SetClassLongA
// GCL_STYLE; the class is the process's, so its own bits stay), and the
// window subclassed with ClickableProc (MakeClickable).
ImageButton::ImageButton(int identifier, int x, int y, const Control& parentControl,
                         const ::Image& image)
    : Control()
{
    id = identifier;
    parent = parentControl.hwnd;
    // A logical place; the button is as large as its picture, whose pixels
    // are not stretched.
    UINT dpi = ScalingDpi(parent);
    x = ScaleBetweenDpi(x, kLogicalDpi, dpi);
    y = ScaleBetweenDpi(y, kLogicalDpi, dpi);
    hwnd = CreateWindowExA(0, "STATIC", "", kImageButtonStyle, x, y, image.Width, image.Height,
                           parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(identifier)),
                           GetModuleHandleA(NULL), NULL);
    if (hwnd == NULL)
        return;
    SetClassLongA(hwnd, GCL_STYLE, GetClassLongA(hwnd, GCL_STYLE) | CS_HREDRAW | CS_VREDRAW);
    SetImage(image);
    MakeClickable(*this);
}

// The window keeps its copy (KeepWithWindow) and deletes it when it shows
// another one or is destroyed.
bool ImageButton::SetImage(const ::Image& image)
{
    if (hwnd == NULL || image.bmp == NULL)
        return false;
    HBITMAP copy = static_cast<HBITMAP>(CopyImage(image.bmp, IMAGE_BITMAP, 0, 0, 0));
    if (copy == NULL)
        return false;
    SendMessageA(hwnd, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(copy));
    KeepWithWindow(hwnd, kKeptBitmap, copy);
    SetWindowPos(hwnd, NULL, 0, 0, image.header.bmWidth, image.header.bmHeight,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return true;
}
