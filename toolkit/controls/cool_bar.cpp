#include "cool_bar.h"

#include <commctrl.h>

#include <cstddef>

#include "../foundation/dpi_scaling.h"
#include "basic_control.h"

static_assert(kCoolBarStyle == (WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_BORDER |
                                WS_TABSTOP | RBS_VARHEIGHT | RBS_TOOLTIPS),
              "re-bar style");
static_assert(kCoolBarVerticalStyle == (RBS_VERTICALGRIPPER | CCS_VERT), "vertical re-bar");

namespace {

const ControlKind kCoolBarKind = {REBARCLASSNAMEA, "", {kStepEnd}};

// The band record as far as the common controls of Windows XP read it (80
// bytes in a 32-bit program), which every later version accepts.
const UINT kBandInfoSize = offsetof(REBARBANDINFOA, rcChevronLocation);
#if defined(__i386__)
static_assert(offsetof(REBARBANDINFOA, rcChevronLocation) == 80, "80-byte band record");
static_assert(sizeof(REBARINFO) == 12, "12-byte bar record");
#endif
const UINT kBandMask = RBBIM_STYLE | RBBIM_COLORS | RBBIM_TEXT | RBBIM_CHILD | RBBIM_CHILDSIZE |
                       RBBIM_SIZE | RBBIM_BACKGROUND;
const UINT kBandStyle = RBBS_GRIPPERALWAYS | RBBS_FIXEDBMP | RBBS_CHILDEDGE;
static_assert(kBandMask == 0xF7 && kBandStyle == 0xA4, "band fields and style");
const WPARAM kAppendBand = static_cast<WPARAM>(-1);

}  // namespace

CoolBar::CoolBar()
{
    ClearBasicControl(*this);
}

CoolBar::CoolBar(int identifier, Control parentControl, int x, int y, bool enabled, bool visible,
                 bool divider, bool vertical, DWORD exStyle)
{
    ClearBasicControl(*this);
    Create(identifier, parentControl, x, y, enabled, visible, divider, vertical, exStyle);
}

bool CoolBar::Create(int identifier, Control parentControl, int, int, bool enabled, bool visible,
                     bool divider, bool vertical, DWORD exStyle)
{
    DWORD style = kCoolBarStyle | (visible ? WS_VISIBLE : 0);
    if (!divider)
        style |= CCS_NODIVIDER;
    if (vertical)
        style |= kCoolBarVerticalStyle;
    ControlPlacement place = {"", identifier, 0, 0, 0, 0, enabled, visible, false, exStyle};
    if (!CreateBasicControl(*this, kCoolBarKind, style, place, parentControl)) {
        MessageBoxA(parent, "Cannot create CoolBar", "ERROR", MB_OK);
        return false;
    }
    REBARINFO info = {};
    info.cbSize = sizeof info;
    SendMessageA(hwnd, RB_SETBARINFO, 0, reinterpret_cast<LPARAM>(&info));
    SetDefaultFont();
    if (!enabled)
        Disable();
    // Wine's re-bar shows itself while it sets up; a bar asked to be hidden
    // is hidden again.
    if (!visible)
        Hide();
    return true;
}

namespace {

// Room for a band's gripper and caption, in the bar's font: the caption's
// width and a margin for the gripper and the gaps either side.
int CaptionLength(HWND bar, const String& text)
{
    const int kGripperAndGaps = 20;
    HDC dc = GetDC(bar);
    HGDIOBJ before = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(bar, WM_GETFONT, 0, 0)));
    SIZE caption = {0, 0};
    GetTextExtentPoint32A(dc, text.CStr(), text.Length, &caption);
    SelectObject(dc, before);
    ReleaseDC(bar, dc);
    return caption.cx + ScaleBetweenDpi(kGripperAndGaps, kLogicalDpi, ScalingDpi(bar));
}

}  // namespace

bool CoolBar::AddBand(const String& text, const Control& child, bool newRow, COLORREF textColor)
{
    if (hwnd == NULL)
        return false;
    RECT client = {0, 0, 0, 0};
    RECT outer = {0, 0, 0, 0};
    GetClientRect(child.hwnd, &client);
    GetWindowRect(child.hwnd, &outer);
    REBARBANDINFOA band = {};
    band.cbSize = kBandInfoSize;
    band.fMask = kBandMask;
    band.fStyle = kBandStyle | (newRow ? RBBS_BREAK : 0);
    band.clrFore = textColor;
    band.clrBack = GetSysColor(COLOR_BTNFACE);
    band.lpText = const_cast<char*>(text.CStr());
    band.hwndChild = child.hwnd;
    band.cxMinChild = 0;
    band.cyMinChild = client.bottom - client.top;
    band.cx = outer.right - outer.left;
    // A tool bar places itself along its parent's top at the parent's full
    // width; in a band, the band places it, at the size of its buttons.
    char kind[32] = "";
    GetClassNameA(child.hwnd, kind, sizeof kind);
    SIZE buttons = {0, 0};
    if (lstrcmpiA(kind, TOOLBARCLASSNAMEA) == 0) {
        // A bar of labels alone (no pictures) keeps room for pictures
        // under its labels and would show them high in the row; with no
        // room for pictures its buttons are as tall as their labels, which
        // the bar's own subclass then keeps in the middle of the row.
        bool labelsOnly = SendMessageA(child.hwnd, TB_GETIMAGELIST, 0, 0) == 0;
        SetWindowLongPtrA(child.hwnd, GWL_STYLE,
                          GetWindowLongPtrA(child.hwnd, GWL_STYLE) | CCS_NORESIZE |
                              CCS_NOPARENTALIGN | CCS_NODIVIDER);
        if (labelsOnly) {
            SendMessageA(child.hwnd, TB_SETBITMAPSIZE, 0, MAKELPARAM(0, 0));
            SendMessageA(child.hwnd, TB_AUTOSIZE, 0, 0);
        }
        // The band's length holds its gripper and caption before the buttons.
        if (SendMessageA(child.hwnd, TB_GETMAXSIZE, 0, reinterpret_cast<LPARAM>(&buttons))) {
            band.cyMinChild = buttons.cy;
            band.cx = buttons.cx + CaptionLength(hwnd, text);
        }
    }
    bool added =
        SendMessageA(hwnd, RB_INSERTBANDA, kAppendBand, reinterpret_cast<LPARAM>(&band)) != 0;
    SendMessageA(hwnd, WM_SIZE, 0, 0);
    return added;
}

int CoolBar::BandCount()
{
    return static_cast<int>(SendMessageA(hwnd, RB_GETBANDCOUNT, 0, 0));
}

void CoolBar::UpdateLayout()
{
    InvalidateWhole(hwnd);
    SendMessageA(hwnd, WM_SIZE, 0, 0);
}
