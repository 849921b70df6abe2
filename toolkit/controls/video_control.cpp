#include "video_control.h"

#include <commctrl.h>

#include "../foundation/dpi_scaling.h"
#include "../foundation/runtime_check.h"

static_assert(kVideoControlStyle == (WS_CHILD | WS_TABSTOP), "video control style");
static_assert(kVideoControlVisibleStyle == (kVideoControlStyle | WS_VISIBLE),
              "visible video control style");

VideoControl::VideoControl()
{
    hwnd = NULL;
    parent = NULL;
}

VideoControl::VideoControl(int identifier, Control parentControl, const String& fileName, int x,
                           int y, int width, int height, bool visible, bool autoPlay, bool centred,
                           DWORD exStyle)
{
    hwnd = NULL;
    parent = NULL;
    Create(identifier, parentControl, fileName, x, y, width, height, visible, autoPlay, centred,
           exStyle);
}

bool VideoControl::Create(int identifier, Control parentControl, const String& fileName, int x,
                          int y, int width, int height, bool visible, bool autoPlay, bool centred,
                          DWORD exStyle)
{
    id = identifier;
    // The checks name the handles as the runtime-check message shows them.
    HWND Parent_Control_Handle = parentControl.hwnd;
    WICKER_CHECK(Parent_Control_Handle != NULL);
    DWORD style = visible ? kVideoControlVisibleStyle : kVideoControlStyle;
    if (centred)
        style |= ACS_CENTER;
    if (autoPlay)
        style |= ACS_AUTOPLAY;
    // A logical place and size; the clip's frames keep their pixels.
    ScaleNewWindowBounds(Parent_Control_Handle, x, y, width, height);
    HWND VideWindow_Handle =
        CreateWindowExA(exStyle, ANIMATE_CLASSA, "Video Control", style, x, y, width, height,
                        Parent_Control_Handle,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(identifier)),
                        GetModuleHandleA(NULL), NULL);
    WICKER_CHECK(VideWindow_Handle != NULL);
    hwnd = VideWindow_Handle;
    parent = Parent_Control_Handle;
    Open(fileName);
    return hwnd != NULL;
}

// An empty name would close the clip on show (the control takes a null or
// unknown name as "close"), so it is refused here.
bool VideoControl::Open(const String& fileName)
{
    if (fileName.empty() || hwnd == NULL)
        return false;
    return SendMessageA(hwnd, ACM_OPENA, 0, reinterpret_cast<LPARAM>(fileName.CStr())) != 0;
}

bool VideoControl::Play(int fromFrame, bool repeat, int count)
{
    WPARAM times = repeat ? static_cast<WPARAM>(static_cast<UINT>(count)) : 0;
    return SendMessageA(hwnd, ACM_PLAY, times, MAKELPARAM(fromFrame & 0xFFFF, 0xFFFF)) != 0;
}

bool VideoControl::Stop()
{
    return SendMessageA(hwnd, ACM_STOP, 0, 0) != 0;
}
