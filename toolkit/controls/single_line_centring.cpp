#include "single_line_centring.h"

#include <commctrl.h>

namespace {

const UINT_PTR kCentringSubclassId = 0x57435452;  // "WCTR"

// Room the edit control keeps above and below a line of text.
const int kLineMargin = 2;

// The bands taken from the client area, in pixels, above and below.
struct Bands {
    int top = 0;
    int bottom = 0;
};

int LineHeight(HWND edit)
{
    HDC dc = GetDC(edit);
    HGDIOBJ before = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(edit, WM_GETFONT, 0, 0)));
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, before);
    ReleaseDC(edit, dc);
    return metrics.tmHeight + kLineMargin;
}

// The client area in the window's own coordinates (those of GetWindowDC).
RECT ClientInWindow(HWND edit)
{
    RECT client, window;
    GetClientRect(edit, &client);
    MapWindowPoints(edit, NULL, reinterpret_cast<POINT*>(&client), 2);
    GetWindowRect(edit, &window);
    OffsetRect(&client, -window.left, -window.top);
    return client;
}

void PaintBands(HWND edit, const Bands& bands)
{
    if (bands.top == 0 && bands.bottom == 0)
        return;
    HDC dc = GetWindowDC(edit);
    LONG style = GetWindowLongA(edit, GWL_STYLE);
    bool grey = (style & ES_READONLY) != 0 || !IsWindowEnabled(edit);
    HBRUSH brush = reinterpret_cast<HBRUSH>(SendMessageA(
        GetParent(edit), grey ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
        reinterpret_cast<LPARAM>(edit)));
    if (brush == NULL)
        brush = GetSysColorBrush(grey ? COLOR_BTNFACE : COLOR_WINDOW);
    RECT client = ClientInWindow(edit);
    RECT above = {client.left, client.top - bands.top, client.right, client.top};
    RECT below = {client.left, client.bottom, client.right, client.bottom + bands.bottom};
    FillRect(dc, &above, brush);
    FillRect(dc, &below, brush);
    ReleaseDC(edit, dc);
}

LRESULT CALLBACK CentringProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam,
                              UINT_PTR, DWORD_PTR data)
{
    Bands& bands = *reinterpret_cast<Bands*>(data);
    switch (message) {
    case WM_NCCALCSIZE: {
        LRESULT result = DefSubclassProc(edit, message, wParam, lParam);
        RECT& client = wParam ? reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0]
                              : *reinterpret_cast<RECT*>(lParam);
        int spare = (client.bottom - client.top) - LineHeight(edit);
        bands.top = spare > 1 ? spare / 2 : 0;
        bands.bottom = spare > 1 ? spare - spare / 2 : 0;
        client.top += bands.top;
        client.bottom -= bands.bottom;
        return result;
    }
    case WM_NCPAINT: {
        LRESULT result = DefSubclassProc(edit, message, wParam, lParam);
        PaintBands(edit, bands);
        return result;
    }
    case WM_NCHITTEST: {
        LRESULT hit = DefSubclassProc(edit, message, wParam, lParam);
        if (hit != HTNOWHERE && hit != HTBORDER)
            return hit;
        // A click in a band goes to the text.
        POINT at = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        ScreenToClient(edit, &at);
        RECT client;
        GetClientRect(edit, &client);
        client.top -= bands.top;
        client.bottom += bands.bottom;
        return PtInRect(&client, at) ? HTCLIENT : hit;
    }
    case WM_SETFONT: {
        LRESULT result = DefSubclassProc(edit, message, wParam, lParam);
        SetWindowPos(edit, NULL, 0, 0, 0, 0,
                     SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return result;
    }
    case WM_ENABLE: {
        LRESULT result = DefSubclassProc(edit, message, wParam, lParam);
        PaintBands(edit, bands);
        return result;
    }
    case WM_NCDESTROY:
        RemoveWindowSubclass(edit, CentringProc, kCentringSubclassId);
        delete &bands;
        break;
    }
    return DefSubclassProc(edit, message, wParam, lParam);
}

}  // namespace

bool CentreSingleLineText(HWND edit)
{
    char kind[16] = "";
    if (edit == NULL || GetClassNameA(edit, kind, sizeof kind) == 0 || lstrcmpiA(kind, "EDIT") != 0 ||
        (GetWindowLongA(edit, GWL_STYLE) & ES_MULTILINE) != 0)
        return false;
    Bands* bands = new Bands;
    if (!SetWindowSubclass(edit, CentringProc, kCentringSubclassId, reinterpret_cast<DWORD_PTR>(bands))) {
        delete bands;
        return false;
    }
    SetWindowPos(edit, NULL, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return true;
}
