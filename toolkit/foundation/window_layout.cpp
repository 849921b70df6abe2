// The window keeps its layout in the data of a comctl32 subclass, found
// again through it and freed with the window's WM_NCDESTROY. Each window the
// layout places carries a small subclass of its own that tells the host when
// its text or font changed; the host then lays out once, from a posted
// message, however many changes came in between.
#include "window_layout.h"

#include <commctrl.h>

#include <algorithm>

#include "anchor_layout.h"
#include "dpi_scaling.h"
#include "subclass_data.h"
#include "window_class.h"

namespace {

const UINT_PTR kHostSubclassId = 0x574C4159;   // "WLAY"
const UINT_PTR kChildSubclassId = 0x574C4348;  // "WLCH"

struct HostRecord {
    Layout layout;
    bool pending;  // a relayout is posted
    bool busy;     // laying out now
};

UINT RelayoutMessage()
{
    static const UINT message = RegisterWindowMessageA("Wicker.Relayout");
    return message;
}

LRESULT CALLBACK HostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                          DWORD_PTR data);
LRESULT CALLBACK ChildProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                           DWORD_PTR host);

HostRecord* RecordOf(HWND window)
{
    return reinterpret_cast<HostRecord*>(SubclassData(window, HostProc, kHostSubclassId));
}

// The bars that keep a row of the window's client area: visible tool bars,
// re-bars and status bars that the layout does not place and that align
// themselves to their parent. The room they take at the top and bottom;
// with `place`, each bar is first told to take its row for the window's
// present size, as a bar does on its parent's WM_SIZE.
void BarRows(HWND window, const std::vector<HWND>& laidOut, int& top, int& bottom,
             bool place = false)
{
    top = 0;
    bottom = 0;
    for (HWND child = GetWindow(window, GW_CHILD); child != NULL;
         child = GetWindow(child, GW_HWNDNEXT)) {
        bool bar = IsWindowOfClass(child, TOOLBARCLASSNAMEA) || IsWindowOfClass(child, REBARCLASSNAMEA) ||
                   IsWindowOfClass(child, STATUSCLASSNAMEA);
        LONG style = GetWindowLongA(child, GWL_STYLE);
        if (!bar || !(style & WS_VISIBLE) || (style & CCS_NOPARENTALIGN) ||
            std::find(laidOut.begin(), laidOut.end(), child) != laidOut.end())
            continue;
        if (place)
            SendMessageA(child, WM_SIZE, 0, 0);
        RECT rect = {0, 0, 0, 0};
        GetWindowRect(child, &rect);
        int height = rect.bottom - rect.top;
        if (IsWindowOfClass(child, STATUSCLASSNAMEA) || (style & CCS_BOTTOM) == CCS_BOTTOM)
            bottom += height;
        else
            top += height;
    }
}

// What the frame (borders, caption, menu bar) adds to the client area.
SIZE FrameOf(HWND window)
{
    RECT outer = {0, 0, 0, 0};
    RECT client = {0, 0, 0, 0};
    GetWindowRect(window, &outer);
    GetClientRect(window, &client);
    SIZE frame = {(outer.right - outer.left) - client.right,
                  (outer.bottom - outer.top) - client.bottom};
    return frame;
}

SIZE OuterSize(HWND window, const HostRecord& record)
{
    SIZE size = record.layout.PreferredSize(window);
    int top = 0;
    int bottom = 0;
    BarRows(window, record.layout.Windows(), top, bottom);
    SIZE frame = FrameOf(window);
    size.cx += frame.cx;
    size.cy += frame.cy + top + bottom;
    return size;
}

// Every window of the layout tells the host of its changes; none is
// anchored any more.
void WatchWindows(HWND host, const Layout& layout)
{
    for (HWND child : layout.Windows()) {
        if (!IsWindow(child))
            continue;
        SetWindowSubclass(child, ChildProc, kChildSubclassId, reinterpret_cast<DWORD_PTR>(host));
        if (WindowAnchor(child) != (Anchor::Left | Anchor::Top))
            AnchorWindow(child, Anchor::Left | Anchor::Top);
    }
}

void LayOutNow(HWND window, HostRecord& record)
{
    if (record.busy || IsIconic(window))
        return;
    record.busy = true;
    WatchWindows(window, record.layout);
    RECT area = {0, 0, 0, 0};
    GetClientRect(window, &area);
    int top = 0;
    int bottom = 0;
    BarRows(window, record.layout.Windows(), top, bottom, true);
    area.top += top;
    area.bottom -= bottom;
    record.layout.LayOut(window, area);
    record.busy = false;
}

LRESULT CALLBACK HostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                          DWORD_PTR data)
{
    HostRecord* record = reinterpret_cast<HostRecord*>(data);
    if (message == WM_SIZE && wParam != SIZE_MINIMIZED) {
        // Before the program's procedures: they see the controls in place.
        LayOutNow(window, *record);
    } else if (message == WM_GETMINMAXINFO) {
        LRESULT result = DefSubclassProc(window, message, wParam, lParam);
        MINMAXINFO* info = reinterpret_cast<MINMAXINFO*>(lParam);
        SIZE outer = OuterSize(window, *record);
        info->ptMinTrackSize.x = std::max(info->ptMinTrackSize.x, outer.cx);
        info->ptMinTrackSize.y = std::max(info->ptMinTrackSize.y, outer.cy);
        return result;
    } else if (message == WM_DPICHANGED || message == DpiRescaledMessage()) {
        // The toolkit's own handling scales fonts and places first.
        LRESULT result = DefSubclassProc(window, message, wParam, lParam);
        LayOutNow(window, *record);
        return result;
    } else if (message == RelayoutMessage()) {
        record->pending = false;
        LayOutNow(window, *record);
        return 0;
    } else if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(window, HostProc, kHostSubclassId);
        delete record;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

LRESULT CALLBACK ChildProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                           DWORD_PTR host)
{
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(window, ChildProc, kChildSubclassId);
        return DefSubclassProc(window, message, wParam, lParam);
    }
    LRESULT result = DefSubclassProc(window, message, wParam, lParam);
    if (message == WM_SETTEXT || message == WM_SETFONT) {
        HWND hostWindow = reinterpret_cast<HWND>(host);
        HostRecord* record = RecordOf(hostWindow);
        if (record != NULL && !record->pending && !record->busy) {
            record->pending = true;
            PostMessageA(hostWindow, RelayoutMessage(), 0, 0);
        }
    }
    return result;
}

}  // namespace

bool SetWindowLayout(HWND window, const Layout& layout, LayoutFit fit)
{
    if (!IsWindow(window))
        return false;
    HostRecord* record = RecordOf(window);
    if (record == NULL) {
        record = new HostRecord{layout, false, false};
        if (!SetWindowSubclass(window, HostProc, kHostSubclassId,
                               reinterpret_cast<DWORD_PTR>(record))) {
            delete record;
            return false;
        }
    } else {
        record->layout = layout;
    }
    if (fit != LayoutFit::KeepSize && !IsIconic(window) && !IsZoomed(window)) {
        SIZE wanted = OuterSize(window, *record);
        RECT rect = {0, 0, 0, 0};
        GetWindowRect(window, &rect);
        SIZE now = {rect.right - rect.left, rect.bottom - rect.top};
        SIZE size = fit == LayoutFit::Fit ? wanted
                                          : SIZE{std::max(now.cx, wanted.cx), std::max(now.cy, wanted.cy)};
        if (size.cx != now.cx || size.cy != now.cy)
            SetWindowPos(window, NULL, 0, 0, size.cx, size.cy,
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    LayOutNow(window, *record);
    return true;
}

bool RemoveWindowLayout(HWND window)
{
    HostRecord* record = RecordOf(window);
    if (record == NULL)
        return false;
    for (HWND child : record->layout.Windows())
        if (IsWindow(child))
            RemoveWindowSubclass(child, ChildProc, kChildSubclassId);
    RemoveWindowSubclass(window, HostProc, kHostSubclassId);
    delete record;
    return true;
}

bool HasWindowLayout(HWND window)
{
    return window != NULL && RecordOf(window) != NULL;
}

bool UpdateWindowLayout(HWND window)
{
    HostRecord* record = RecordOf(window);
    if (record == NULL)
        return false;
    LayOutNow(window, *record);
    return true;
}

bool WindowLayoutSize(HWND window, SIZE* size)
{
    HostRecord* record = RecordOf(window);
    if (record == NULL || size == NULL)
        return false;
    *size = OuterSize(window, *record);
    return true;
}
