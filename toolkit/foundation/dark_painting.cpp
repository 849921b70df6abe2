// The dark painters. Each reads what it draws from the control itself (its
// styles, state, items and texts through the class's own messages), so a
// control painted here shows what the class would have shown, in the dark
// colours.
#include "dark_painting.h"

#include <richedit.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <string>

#include "window_class.h"

#include "dark_drawing.h"

using namespace dark_drawing;

namespace {

// A progress bar's colour, brighter than the selection it would be.
const COLORREF kDarkSelection = RGB(0, 84, 166);
const COLORREF kDarkBar = RGB(38, 140, 230);

// ---- tabs, headers, status bars, up-down arrows ----

void PaintTab(HWND tab, HDC dc, const SchemeColours& colours)
{
    RECT client;
    GetClientRect(tab, &client);
    LeaveOutChildren(tab, dc);
    Fill(dc, client, colours.window);
    FontIn font(dc, tab);
    const LONG style = GetWindowLongW(tab, GWL_STYLE);
    const bool buttons = (style & TCS_BUTTONS) != 0;
    const bool plain = buttons || (style & (TCS_BOTTOM | TCS_VERTICAL)) != 0;
    RECT page = client;
    SendMessageW(tab, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&page));
    RECT pageFrame = page;
    InflateRect(&pageFrame, 2, 2);
    if (!buttons)
        Frame(dc, pageFrame, colours.border);

    HIMAGELIST pictures = reinterpret_cast<HIMAGELIST>(SendMessageW(tab, TCM_GETIMAGELIST, 0, 0));
    const int count = static_cast<int>(SendMessageW(tab, TCM_GETITEMCOUNT, 0, 0));
    const int selected = static_cast<int>(SendMessageW(tab, TCM_GETCURSEL, 0, 0));
    for (int index = 0; index < count; ++index) {
        RECT place;
        if (!SendMessageW(tab, TCM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&place)))
            continue;
        wchar_t text[256] = L"";
        TCITEMW item = {};
        item.mask = TCIF_TEXT | TCIF_IMAGE;
        item.pszText = text;
        item.cchTextMax = 256;
        item.iImage = -1;
        SendMessageW(tab, TCM_GETITEMW, index, reinterpret_cast<LPARAM>(&item));
        const bool chosen = index == selected;
        if (chosen && !plain) {
            // The chosen tab stands out and opens into its page.
            InflateRect(&place, 2, 0);
            place.top -= 2;
            place.bottom = pageFrame.top + 1;
            Fill(dc, place, colours.window);
            Line(dc, place.left, place.bottom - 1, place.left, place.top, colours.border);
            Line(dc, place.left, place.top, place.right - 1, place.top, colours.border);
            Line(dc, place.right - 1, place.top, place.right - 1, place.bottom, colours.border);
        } else {
            Fill(dc, place, chosen ? colours.pressedFace : colours.face);
            Frame(dc, place, colours.border);
        }
        RECT inside = place;
        InflateRect(&inside, -Scaled(tab, 4), 0);
        if (pictures != NULL && item.iImage >= 0) {
            int width = 0, height = 0;
            ImageList_GetIconSize(pictures, &width, &height);
            ImageList_Draw(pictures, item.iImage, dc, inside.left,
                           (inside.top + inside.bottom - height) / 2, ILD_TRANSPARENT);
            inside.left += width + Scaled(tab, 3);
        }
        Text(dc, text, inside,
             DT_SINGLELINE | DT_VCENTER | (pictures != NULL ? DT_LEFT : DT_CENTER),
             IsWindowEnabled(tab) ? colours.text : colours.greyText);
        if (chosen && GetFocus() == tab && ShowsFocus(tab)) {
            RECT focus = place;
            InflateRect(&focus, -3, -3);
            FocusFrame(dc, focus, colours.text, colours.window);
        }
    }
}

void PaintHeader(HWND header, HDC dc, const SchemeColours& colours)
{
    RECT client;
    GetClientRect(header, &client);
    Fill(dc, client, colours.face);
    FontIn font(dc, header);
    const int count = static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0));
    const int padding = Scaled(header, 6);
    for (int index = 0; index < count; ++index) {
        RECT place;
        if (!SendMessageW(header, HDM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&place)))
            continue;
        wchar_t text[256] = L"";
        HDITEMW item = {};
        item.mask = HDI_TEXT | HDI_FORMAT;
        item.pszText = text;
        item.cchTextMax = 256;
        SendMessageW(header, HDM_GETITEMW, index, reinterpret_cast<LPARAM>(&item));
        RECT inside = place;
        InflateRect(&inside, -padding, 0);
        const int sort = (item.fmt & HDF_SORTUP) != 0 ? 1 : ((item.fmt & HDF_SORTDOWN) != 0 ? -1 : 0);
        if (sort != 0) {
            RECT mark = {inside.right - Scaled(header, 9), place.top, inside.right, place.bottom};
            Arrow(dc, mark, sort > 0 ? Pointing::Up : Pointing::Down, colours.greyText);
            inside.right = mark.left - Scaled(header, 2);
        }
        UINT align = DT_LEFT;
        if ((item.fmt & HDF_JUSTIFYMASK) == HDF_RIGHT)
            align = DT_RIGHT;
        else if ((item.fmt & HDF_JUSTIFYMASK) == HDF_CENTER)
            align = DT_CENTER;
        Text(dc, text, inside, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | align, colours.text);
        Line(dc, place.right - 1, place.top + 3, place.right - 1, place.bottom - 3, colours.border);
    }
    Line(dc, client.left, client.bottom - 1, client.right, client.bottom - 1, colours.border);
}

bool HasOwnerDrawnParts(HWND bar)
{
    const int parts = static_cast<int>(SendMessageW(bar, SB_GETPARTS, 0, 0));
    for (int part = 0; part < parts; ++part)
        if ((HIWORD(SendMessageW(bar, SB_GETTEXTLENGTHW, part, 0)) & SBT_OWNERDRAW) != 0)
            return true;
    return false;
}

bool HasOwnerDrawnItems(HWND header)
{
    const int count = static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0));
    for (int index = 0; index < count; ++index) {
        HDITEMW item = {};
        item.mask = HDI_FORMAT;
        if (SendMessageW(header, HDM_GETITEMW, index, reinterpret_cast<LPARAM>(&item)) &&
            (item.fmt & HDF_OWNERDRAW) != 0)
            return true;
    }
    return false;
}

// A part's text: up to two tabs split it into left, centred and right pieces.
void PartText(HDC dc, const std::wstring& text, RECT area, COLORREF colour)
{
    const UINT formats[3] = {DT_LEFT, DT_CENTER, DT_RIGHT};
    size_t start = 0;
    for (int piece = 0; piece < 3 && start <= text.size(); ++piece) {
        size_t end = piece < 2 ? text.find(L'\t', start) : std::wstring::npos;
        if (end == std::wstring::npos)
            end = text.size();
        Text(dc, text.substr(start, end - start), area,
             DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX | formats[piece], colour);
        if (end == text.size())
            break;
        start = end + 1;
    }
}

std::wstring PartTextOf(HWND bar, int part)
{
    const int length = LOWORD(SendMessageW(bar, SB_GETTEXTLENGTHW, part, 0));
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    SendMessageW(bar, SB_GETTEXTW, part, reinterpret_cast<LPARAM>(&text[0]));
    text.resize(std::wcslen(text.c_str()));
    return text;
}

void PaintStatusBar(HWND bar, HDC dc, const SchemeColours& colours)
{
    RECT client;
    GetClientRect(bar, &client);
    LeaveOutChildren(bar, dc);
    Fill(dc, client, colours.face);
    Line(dc, client.left, client.top, client.right, client.top, colours.border);
    FontIn font(dc, bar);
    const int inset = Scaled(bar, 4);
    if (SendMessageW(bar, SB_ISSIMPLE, 0, 0)) {
        RECT area = client;
        InflateRect(&area, -inset, 0);
        PartText(dc, PartTextOf(bar, SB_SIMPLEID), area, colours.text);
    } else {
        const int parts = static_cast<int>(SendMessageW(bar, SB_GETPARTS, 0, 0));
        for (int part = 0; part < parts; ++part) {
            RECT place;
            if (!SendMessageW(bar, SB_GETRECT, part, reinterpret_cast<LPARAM>(&place)))
                continue;
            RECT area = place;
            HICON icon = reinterpret_cast<HICON>(SendMessageW(bar, SB_GETICON, part, 0));
            if (icon != NULL) {
                const int side = GetSystemMetrics(SM_CXSMICON);
                DrawIconEx(dc, area.left + inset, (area.top + area.bottom - side) / 2, icon, side,
                           side, 0, NULL, DI_NORMAL);
                area.left += side + inset;
            }
            if ((HIWORD(SendMessageW(bar, SB_GETTEXTLENGTHW, part, 0)) & SBT_POPOUT) != 0)
                Frame(dc, place, colours.border);
            InflateRect(&area, -inset, 0);
            PartText(dc, PartTextOf(bar, part), area, colours.text);
            if (part + 1 < parts)
                Line(dc, place.right, place.top + 3, place.right, place.bottom - 2, colours.border);
        }
    }
    const LONG style = GetWindowLongW(bar, GWL_STYLE);
    if ((style & SBARS_SIZEGRIP) != 0 && !IsZoomed(GetAncestor(bar, GA_ROOT))) {
        // The grip: six dots in a triangle at the corner.
        const int step = Scaled(bar, 4), dot = std::max(2, Scaled(bar, 2));
        for (int row = 0; row < 3; ++row)
            for (int column = 0; column <= row; ++column) {
                const int x = client.right - step * (column + 1);
                const int y = client.bottom - step * (3 - row);
                RECT spot = {x, y, x + dot, y + dot};
                Fill(dc, spot, colours.greyText);
            }
    }
}

void PaintUpDown(HWND arrows, HDC dc, const SchemeColours& colours)
{
    RECT client;
    GetClientRect(arrows, &client);
    const bool across = (GetWindowLongW(arrows, GWL_STYLE) & UDS_HORZ) != 0;
    RECT first = client, second = client;
    if (across)
        first.right = second.left = (client.left + client.right) / 2;
    else
        first.bottom = second.top = (client.top + client.bottom) / 2;
    const COLORREF ink = IsWindowEnabled(arrows) ? colours.text : colours.greyText;
    Fill(dc, first, colours.face);
    Frame(dc, first, colours.border);
    Arrow(dc, first, across ? Pointing::Left : Pointing::Up, ink);
    Fill(dc, second, colours.face);
    Frame(dc, second, colours.border);
    Arrow(dc, second, across ? Pointing::Right : Pointing::Down, ink);
}

// The bar over the field, as far as the position; a marquee bar keeps the
// class's own drawing.
void PaintProgress(HWND bar, HDC dc, const SchemeColours& colours)
{
    RECT client;
    GetClientRect(bar, &client);
    Fill(dc, client, colours.field);
    Frame(dc, client, colours.border);
    PBRANGE range = {};
    SendMessageW(bar, PBM_GETRANGE, FALSE, reinterpret_cast<LPARAM>(&range));
    const int position = static_cast<int>(SendMessageW(bar, PBM_GETPOS, 0, 0));
    if (range.iHigh <= range.iLow)
        return;
    RECT inside = client;
    InflateRect(&inside, -2, -2);
    const bool upright = (GetWindowLongW(bar, GWL_STYLE) & PBS_VERTICAL) != 0;
    const int done = std::min(position, range.iHigh) - range.iLow;
    if (upright)
        inside.top = inside.bottom - MulDiv(inside.bottom - inside.top, done, range.iHigh - range.iLow);
    else
        inside.right = inside.left + MulDiv(inside.right - inside.left, done, range.iHigh - range.iLow);
    if (done > 0)
        Fill(dc, inside, colours.selection == kDarkSelection ? kDarkBar : colours.selection);
}

// ---- tool bars and track bars ----

LRESULT PaintToolButton(NMTBCUSTOMDRAW& draw, const SchemeColours& colours)
{
    HWND bar = draw.nmcd.hdr.hwndFrom;
    HDC dc = draw.nmcd.hdc;
    const UINT state = draw.nmcd.uItemState;
    const int command = static_cast<int>(draw.nmcd.dwItemSpec);
    TBBUTTONINFOW info = {};
    info.cbSize = sizeof info;
    info.dwMask = TBIF_IMAGE | TBIF_STYLE | TBIF_STATE;
    SendMessageW(bar, TB_GETBUTTONINFOW, command, reinterpret_cast<LPARAM>(&info));
    const RECT place = draw.nmcd.rc;
    const bool enabled = (state & (CDIS_DISABLED | CDIS_GRAYED)) == 0;
    const bool down = (state & (CDIS_SELECTED | CDIS_CHECKED)) != 0;
    if (down || ((state & CDIS_HOT) != 0 && enabled)) {
        Fill(dc, place, down ? colours.pressedFace : colours.hotFace);
        Frame(dc, place, colours.border);
    }
    RECT area = place;
    if ((info.fsStyle & BTNS_DROPDOWN) != 0 || (info.fsStyle & BTNS_WHOLEDROPDOWN) != 0) {
        RECT arrow = area;
        arrow.left = arrow.right - Scaled(bar, 12);
        Arrow(dc, arrow, Pointing::Down, enabled ? colours.text : colours.greyText);
        area.right = arrow.left;
    }
    HIMAGELIST pictures = reinterpret_cast<HIMAGELIST>(
        SendMessageW(bar, enabled ? TB_GETIMAGELIST : TB_GETDISABLEDIMAGELIST, 0, 0));
    bool greyed = false;
    if (pictures == NULL && !enabled) {
        pictures = reinterpret_cast<HIMAGELIST>(SendMessageW(bar, TB_GETIMAGELIST, 0, 0));
        greyed = true;
    }
    int width = 0, height = 0;
    if (pictures != NULL)
        ImageList_GetIconSize(pictures, &width, &height);
    wchar_t text[256] = L"";
    SendMessageW(bar, TB_GETBUTTONTEXTW, command, reinterpret_cast<LPARAM>(text));
    const bool list = (GetWindowLongW(bar, GWL_STYLE) & TBSTYLE_LIST) != 0;
    const bool hasPicture = pictures != NULL && info.iImage >= 0 &&
                            info.iImage < ImageList_GetImageCount(pictures);
    if (down)
        OffsetRect(&area, 1, 1);
    SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(bar, WM_GETFONT, 0, 0)));
    const COLORREF ink = enabled ? colours.text : colours.greyText;
    if (list) {
        int x = area.left + Scaled(bar, 3);
        if (hasPicture) {
            ImageList_Draw(pictures, info.iImage, dc, x, (area.top + area.bottom - height) / 2,
                           greyed ? ILD_BLEND50 : ILD_TRANSPARENT);
            x += width + Scaled(bar, 3);
        }
        RECT label = {x, area.top, area.right, area.bottom};
        Text(dc, text, label, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_END_ELLIPSIS, ink);
    } else {
        // A bar with pictures keeps their row above every label, as the bar
        // does, so labels of buttons without a picture line up with the rest.
        int y = area.top + Scaled(bar, 3);
        if (hasPicture && text[0] == L'\0')
            y = (area.top + area.bottom - height) / 2;
        if (hasPicture)
            ImageList_Draw(pictures, info.iImage, dc, (area.left + area.right - width) / 2, y,
                           greyed ? ILD_BLEND50 : ILD_TRANSPARENT);
        if (pictures != NULL)
            y += height + 1;
        RECT label = {area.left + 1, y, area.right - 1, area.bottom};
        if (text[0] != L'\0')
            Text(dc, text, label, DT_SINGLELINE | DT_TOP | DT_CENTER | DT_END_ELLIPSIS, ink);
    }
    return CDRF_SKIPDEFAULT;
}

LRESULT PaintTrackPart(NMCUSTOMDRAW& draw, const SchemeColours& colours)
{
    if (draw.dwItemSpec == TBCD_CHANNEL) {
        Fill(draw.hdc, draw.rc, colours.field);
        Frame(draw.hdc, draw.rc, colours.border);
        return CDRF_SKIPDEFAULT;
    }
    if (draw.dwItemSpec == TBCD_THUMB) {
        const bool held = (draw.uItemState & (CDIS_SELECTED | CDIS_HOT)) != 0;
        Fill(draw.hdc, draw.rc, held ? colours.text : colours.greyText);
        Frame(draw.hdc, draw.rc, colours.border);
        return CDRF_SKIPDEFAULT;
    }
    return CDRF_DODEFAULT;
}

// A tree item's expand button (+ or -), drawn over the light one of the
// visual style. It sits half an indent before the item's state picture, as
// the class places it.
void PaintTreeButton(NMTVCUSTOMDRAW& draw, const SchemeColours& colours)
{
    HWND tree = draw.nmcd.hdr.hwndFrom;
    if ((GetWindowLongW(tree, GWL_STYLE) & TVS_HASBUTTONS) == 0)
        return;
    HTREEITEM handle = reinterpret_cast<HTREEITEM>(draw.nmcd.dwItemSpec);
    TVITEMW item = {};
    item.mask = TVIF_CHILDREN | TVIF_STATE | TVIF_HANDLE;
    item.hItem = handle;
    item.stateMask = TVIS_EXPANDED | TVIS_STATEIMAGEMASK;
    if (!SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item)) ||
        (item.cChildren == 0 &&
         SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(handle)) == 0))
        return;
    RECT text = {};
    std::memcpy(&text, &handle, sizeof handle);
    if (!SendMessageW(tree, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&text)))
        return;
    int left = text.left;
    int width = 0, height = 0;
    HIMAGELIST pictures = reinterpret_cast<HIMAGELIST>(SendMessageW(tree, TVM_GETIMAGELIST, TVSIL_NORMAL, 0));
    if (pictures != NULL && ImageList_GetIconSize(pictures, &width, &height))
        left -= width;
    HIMAGELIST states = reinterpret_cast<HIMAGELIST>(SendMessageW(tree, TVM_GETIMAGELIST, TVSIL_STATE, 0));
    if (states != NULL && (item.state & TVIS_STATEIMAGEMASK) != 0 &&
        ImageList_GetIconSize(states, &width, &height))
        left -= width;
    const int indent = static_cast<int>(SendMessageW(tree, TVM_GETINDENT, 0, 0));
    const int cx = left - indent / 2;
    const int cy = (draw.nmcd.rc.top + draw.nmcd.rc.bottom) / 2;
    const int half = std::min<int>(draw.nmcd.rc.bottom - draw.nmcd.rc.top, indent) / 4;
    const int sign = (half + 1) * 3 / 4;
    RECT box = {cx - half - 1, cy - half - 1, cx + half + 2, cy + half + 2};
    HDC dc = draw.nmcd.hdc;
    Fill(dc, box, colours.field);
    Frame(dc, box, colours.greyText);
    Line(dc, cx - sign + 1, cy, cx + sign, cy, colours.text);
    if ((item.state & TVIS_EXPANDED) == 0)
        Line(dc, cx, cy - sign + 1, cx, cy + sign, colours.text);
}

// A combo box's drop-down button and its sunken frame.
void PaintComboBox(HWND combo, const SchemeColours& colours)
{
    COMBOBOXINFO info = {};
    info.cbSize = sizeof info;
    if (!GetComboBoxInfo(combo, &info) || (GetWindowLongW(combo, GWL_STYLE) & 3) == CBS_SIMPLE)
        return;
    HDC dc = GetDC(combo);
    RECT client;
    GetClientRect(combo, &client);
    RECT ring = client;
    Frame(dc, ring, colours.border);
    InflateRect(&ring, -1, -1);
    Frame(dc, ring, colours.field);
    if ((GetWindowLongW(combo, GWL_STYLE) & 3) == CBS_DROPDOWNLIST) {
        InflateRect(&ring, -1, -1);
        Frame(dc, ring, colours.field);
    }
    if (!IsRectEmpty(&info.rcButton)) {
        RECT button = info.rcButton;
        const bool down = (info.stateButton & STATE_SYSTEM_PRESSED) != 0;
        Fill(dc, button, down ? colours.pressedFace : colours.face);
        Arrow(dc, button, Pointing::Down, IsWindowEnabled(combo) ? colours.text : colours.greyText);
    }
    ReleaseDC(combo, dc);
}

// A month calendar's buttons to the month before and after: where they
// are, as the calendar answers (MCM_GETCALENDARGRIDINFO) or, where it cannot,
// as its hit test finds them along the top.
bool CalendarButton(HWND calendar, DWORD part, RECT& place)
{
    MCGRIDINFO info = {};
    info.cbSize = sizeof info;
    info.dwPart = part;
    if (SendMessageW(calendar, MCM_GETCALENDARGRIDINFO, 0, reinterpret_cast<LPARAM>(&info)) &&
        !IsRectEmpty(&info.rc)) {
        place = info.rc;
        return true;
    }
    RECT client;
    GetClientRect(calendar, &client);
    const UINT wanted = part == MCGIP_PREV ? MCHT_TITLEBTNPREV : MCHT_TITLEBTNNEXT;
    SetRectEmpty(&place);
    const int bottom = std::min<int>(client.bottom, Scaled(calendar, 60));
    for (int y = 0; y < bottom; y += 2)
        for (int x = 0; x < client.right; x += 2) {
            MCHITTESTINFO hit = {};
            hit.cbSize = MCHITTESTINFO_V1_SIZE;
            hit.pt = {x, y};
            SendMessageW(calendar, MCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
            if (hit.uHit != wanted)
                continue;
            RECT spot = {x - 1, y - 1, x + 2, y + 2};
            if (IsRectEmpty(&place))
                place = spot;
            else
                UnionRect(&place, &place, &spot);
        }
    IntersectRect(&place, &place, &client);
    return !IsRectEmpty(&place);
}

void PaintCalendarButtons(HWND calendar, const SchemeColours& colours)
{
    HDC dc = GetDC(calendar);
    for (DWORD part : {static_cast<DWORD>(MCGIP_PREV), static_cast<DWORD>(MCGIP_NEXT)}) {
        RECT place;
        if (!CalendarButton(calendar, part, place))
            continue;
        Fill(dc, place, colours.face);
        Frame(dc, place, colours.border);
        Arrow(dc, place, part == MCGIP_PREV ? Pointing::Left : Pointing::Right, colours.text);
    }
    ReleaseDC(calendar, dc);
}

// A date picker: its date as text, and its drop-down button (the class
// draws its text in the system's window text colour whatever its colours).
void PaintDatePicker(HWND picker, HDC dc, const SchemeColours& colours)
{
    RECT client;
    GetClientRect(picker, &client);
    Fill(dc, client, colours.field);
    const LONG style = GetWindowLongW(picker, GWL_STYLE);
    RECT area = client;
    area.left += Scaled(picker, 3);
    if ((style & DTS_UPDOWN) == 0) {
        DATETIMEPICKERINFO info = {};
        info.cbSize = sizeof info;
        RECT button = {client.right - GetSystemMetrics(SM_CXVSCROLL), client.top, client.right,
                       client.bottom};
        if (SendMessageW(picker, DTM_GETDATETIMEPICKERINFO, 0, reinterpret_cast<LPARAM>(&info)) &&
            !IsRectEmpty(&info.rcButton))
            button = info.rcButton;
        Fill(dc, button, colours.face);
        Frame(dc, button, colours.border);
        Arrow(dc, button, Pointing::Down, IsWindowEnabled(picker) ? colours.text : colours.greyText);
        area.right = button.left;
    }
    FontIn font(dc, picker);
    const std::wstring text = WindowTextOf(picker);
    Text(dc, text, area, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX,
         IsWindowEnabled(picker) ? colours.text : colours.greyText);
    if (GetFocus() == picker && ShowsFocus(picker)) {
        RECT measured = area;
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &measured,
                  DT_SINGLELINE | DT_CALCRECT | DT_NOPREFIX);
        measured.top = area.top + 2;
        measured.bottom = area.bottom - 2;
        FocusFrame(dc, measured, colours.text, colours.field);
    }
}

}  // namespace

WindowKind KindOf(HWND window)
{
    struct Named {
        const char* name;
        WindowKind kind;
    };
    static const Named kNames[] = {
        {"#32770", WindowKind::Dialog},
        {"Static", WindowKind::Static},
        {"Button", WindowKind::Button},
        {"Edit", WindowKind::Edit},
        {"RICHEDIT", WindowKind::RichText},
        {"RichEdit20A", WindowKind::RichText},
        {"RichEdit20W", WindowKind::RichText},
        {"RICHEDIT50W", WindowKind::RichText},
        {"ListBox", WindowKind::ListBox},
        {"ComboLBox", WindowKind::ListBox},
        {"ComboBox", WindowKind::ComboBox},
        {WC_COMBOBOXEXA, WindowKind::ExtendedComboBox},
        {WC_LISTVIEWA, WindowKind::ListView},
        {WC_HEADERA, WindowKind::Header},
        {WC_TREEVIEWA, WindowKind::TreeView},
        {WC_TABCONTROLA, WindowKind::Tab},
        {TOOLBARCLASSNAMEA, WindowKind::ToolBar},
        {REBARCLASSNAMEA, WindowKind::ReBar},
        {STATUSCLASSNAMEA, WindowKind::StatusBar},
        {PROGRESS_CLASSA, WindowKind::Progress},
        {TRACKBAR_CLASSA, WindowKind::TrackBar},
        {UPDOWN_CLASSA, WindowKind::UpDown},
        {MONTHCAL_CLASSA, WindowKind::MonthCalendar},
        {DATETIMEPICK_CLASSA, WindowKind::DatePicker},
        {"ScrollBar", WindowKind::ScrollBar},
        {"MDIClient", WindowKind::MdiClient},
    };
    for (const Named& named : kNames)
        if (IsWindowOfClass(window, named.name))
            return named.kind;
    return WindowKind::Other;
}

HBRUSH SolidBrushOf(COLORREF colour)
{
    static std::map<COLORREF, HBRUSH> brushes;
    HBRUSH& brush = brushes[colour];
    if (brush == NULL)
        brush = CreateSolidBrush(colour);
    return brush;
}

bool IsSystemBrush(HBRUSH brush)
{
    if (reinterpret_cast<UINT_PTR>(brush) <= COLOR_MENUBAR + 1)
        return true;
    for (int index = 0; index <= COLOR_MENUBAR; ++index)
        if (GetSysColorBrush(index) == brush)
            return true;
    return false;
}

void FillClient(HWND window, HDC dc, COLORREF colour)
{
    RECT client;
    GetClientRect(window, &client);
    Fill(dc, client, colour);
}

bool ErasesItself(WindowKind kind, HWND window)
{
    switch (kind) {
    case WindowKind::MdiClient:
    case WindowKind::ToolBar:
    case WindowKind::StatusBar:
    case WindowKind::UpDown:
        return false;
    case WindowKind::Progress:
    case WindowKind::Tab:
    case WindowKind::Header:
        return !PaintsItself(kind, window);
    case WindowKind::Other: {
        // A class of the program's: its own brush stands, the system's goes.
        const HBRUSH brush = reinterpret_cast<HBRUSH>(GetClassLongPtrW(window, GCLP_HBRBACKGROUND));
        return brush == NULL || !IsSystemBrush(brush);
    }
    default:
        return true;
    }
}

bool PaintsItself(WindowKind kind, HWND window)
{
    const LONG style = GetWindowLongW(window, GWL_STYLE);
    switch (kind) {
    case WindowKind::Button: {
        const LONG type = style & BS_TYPEMASK;
        return type != BS_OWNERDRAW && type != BS_USERBUTTON;
    }
    case WindowKind::Tab:
        return (style & TCS_OWNERDRAWFIXED) == 0;
    case WindowKind::Header:
        return !HasOwnerDrawnItems(window);
    case WindowKind::StatusBar:
        return !HasOwnerDrawnParts(window);
    case WindowKind::UpDown:
        return true;
    case WindowKind::Progress:
        return (style & PBS_MARQUEE) == 0;
    case WindowKind::DatePicker:
        return true;
    default:
        return false;
    }
}

bool ChangesButtonLook(UINT message)
{
    switch (message) {
    case BM_SETCHECK:
    case BM_SETSTATE:
    case BM_SETSTYLE:
    case BM_CLICK:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case WM_SETTEXT:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_MOUSEMOVE:
    case WM_MOUSELEAVE:
    case WM_CAPTURECHANGED:
    case WM_UPDATEUISTATE:
        return true;
    default:
        return false;
    }
}

bool PaintsOver(WindowKind kind)
{
    return kind == WindowKind::ComboBox || kind == WindowKind::ScrollBar ||
           kind == WindowKind::MonthCalendar;
}

void PaintWindow(HWND window, HDC dc, const SchemeColours& colours)
{
    switch (KindOf(window)) {
    case WindowKind::Button:
        if ((GetWindowLongW(window, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX)
            PaintGroupBox(window, dc, colours);
        else
            PaintButton(window, dc, colours);
        break;
    case WindowKind::Tab:
        PaintTab(window, dc, colours);
        break;
    case WindowKind::Header:
        PaintHeader(window, dc, colours);
        break;
    case WindowKind::StatusBar:
        PaintStatusBar(window, dc, colours);
        break;
    case WindowKind::UpDown:
        PaintUpDown(window, dc, colours);
        break;
    case WindowKind::Progress:
        PaintProgress(window, dc, colours);
        break;
    case WindowKind::DatePicker:
        PaintDatePicker(window, dc, colours);
        break;
    default:
        break;
    }
}

void PaintOver(HWND window, const SchemeColours& colours, ScrollBarsDrawn& drawn)
{
    const WindowKind kind = KindOf(window);
    if (kind == WindowKind::ComboBox)
        PaintComboBox(window, colours);
    else if (kind == WindowKind::MonthCalendar)
        PaintCalendarButtons(window, colours);
    else
        PaintScrollBarControl(window, colours, drawn);
}

LRESULT PaintCustomDraw(NMCUSTOMDRAW& draw, const SchemeColours& colours)
{
    const WindowKind kind = KindOf(draw.hdr.hwndFrom);
    if (kind == WindowKind::Button) {
        const LONG style = GetWindowLongW(draw.hdr.hwndFrom, GWL_STYLE);
        const LONG type = style & BS_TYPEMASK;
        if (type == BS_GROUPBOX || type == BS_OWNERDRAW || type == BS_USERBUTTON)
            return CDRF_DODEFAULT;
        if (draw.dwDrawStage == CDDS_PREERASE || draw.dwDrawStage == CDDS_PREPAINT) {
            PaintButton(draw.hdr.hwndFrom, draw.hdc, colours);
            return CDRF_SKIPDEFAULT;
        }
        return CDRF_DODEFAULT;
    }
    if (kind == WindowKind::ToolBar) {
        switch (draw.dwDrawStage) {
        case CDDS_PREERASE:
            FillClient(draw.hdr.hwndFrom, draw.hdc, colours.window);
            return CDRF_SKIPDEFAULT;
        case CDDS_PREPAINT:
            return CDRF_NOTIFYITEMDRAW;
        case CDDS_ITEMPREPAINT:
            return PaintToolButton(reinterpret_cast<NMTBCUSTOMDRAW&>(draw), colours);
        default:
            return CDRF_DODEFAULT;
        }
    }
    if (kind == WindowKind::TreeView) {
        if (draw.dwDrawStage == CDDS_PREPAINT)
            return CDRF_NOTIFYITEMDRAW;
        if (draw.dwDrawStage == CDDS_ITEMPREPAINT) {
            // The selected item of a tree without the focus would show the
            // light button face.
            NMTVCUSTOMDRAW& item = reinterpret_cast<NMTVCUSTOMDRAW&>(draw);
            if ((draw.uItemState & CDIS_SELECTED) != 0 && GetFocus() != draw.hdr.hwndFrom) {
                item.clrText = colours.text;
                item.clrTextBk = colours.pressedFace;
            }
            return CDRF_NOTIFYPOSTPAINT;
        }
        if (draw.dwDrawStage == CDDS_ITEMPOSTPAINT)
            PaintTreeButton(reinterpret_cast<NMTVCUSTOMDRAW&>(draw), colours);
        return CDRF_DODEFAULT;
    }
    if (kind == WindowKind::TrackBar) {
        if (draw.dwDrawStage == CDDS_PREPAINT)
            return CDRF_NOTIFYITEMDRAW;
        if (draw.dwDrawStage == CDDS_ITEMPREPAINT)
            return PaintTrackPart(draw, colours);
    }
    return CDRF_DODEFAULT;
}

LRESULT ColourListItem(NMLVCUSTOMDRAW& draw, const SchemeColours& colours)
{
    if (draw.nmcd.dwDrawStage == CDDS_PREPAINT)
        return CDRF_NOTIFYITEMDRAW;
    if (draw.nmcd.dwDrawStage != CDDS_ITEMPREPAINT)
        return CDRF_DODEFAULT;
    // A selected row of a list without the focus would show the light
    // button face; it shows the pressed face instead.
    HWND list = draw.nmcd.hdr.hwndFrom;
    const int index = static_cast<int>(draw.nmcd.dwItemSpec);
    if (GetFocus() != list &&
        (SendMessageW(list, LVM_GETITEMSTATE, index, LVIS_SELECTED) & LVIS_SELECTED) != 0) {
        draw.nmcd.uItemState &= ~static_cast<UINT>(CDIS_SELECTED);
        draw.clrText = colours.text;
        draw.clrTextBk = colours.pressedFace;
    }
    return CDRF_DODEFAULT;
}

bool PaintExtendedComboItem(HWND comboEx, const DRAWITEMSTRUCT& item, const SchemeColours& colours)
{
    if (item.CtlType != ODT_COMBOBOX)
        return false;
    int index = static_cast<int>(item.itemID);
    if (index < 0)
        index = static_cast<int>(SendMessageW(item.hwndItem, CB_GETCURSEL, 0, 0));
    const bool chosen = (item.itemState & ODS_SELECTED) != 0 && (item.itemState & ODS_COMBOBOXEDIT) == 0;
    Fill(item.hDC, item.rcItem, chosen ? colours.selection : colours.field);
    if (index < 0)
        return true;
    wchar_t text[260] = L"";
    COMBOBOXEXITEMW entry = {};
    entry.mask = CBEIF_TEXT | CBEIF_IMAGE | CBEIF_SELECTEDIMAGE | CBEIF_INDENT;
    entry.iItem = index;
    entry.pszText = text;
    entry.cchTextMax = 260;
    if (!SendMessageW(comboEx, CBEM_GETITEMW, 0, reinterpret_cast<LPARAM>(&entry)))
        return true;
    int x = item.rcItem.left + Scaled(comboEx, 2);
    if ((item.itemState & ODS_COMBOBOXEDIT) == 0)
        x += entry.iIndent * Scaled(comboEx, 10);
    HIMAGELIST pictures =
        reinterpret_cast<HIMAGELIST>(SendMessageW(comboEx, CBEM_GETIMAGELIST, 0, 0));
    const int picture = chosen ? entry.iSelectedImage : entry.iImage;
    if (pictures != NULL) {
        int width = 0, height = 0;
        ImageList_GetIconSize(pictures, &width, &height);
        if (picture >= 0)
            ImageList_Draw(pictures, picture, item.hDC, x,
                           (item.rcItem.top + item.rcItem.bottom - height) / 2, ILD_TRANSPARENT);
        x += width + Scaled(comboEx, 4);
    }
    RECT label = {x, item.rcItem.top, item.rcItem.right, item.rcItem.bottom};
    SelectObject(item.hDC, reinterpret_cast<HFONT>(SendMessageW(comboEx, WM_GETFONT, 0, 0)));
    Text(item.hDC, text, label, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX,
         chosen ? colours.selectionText : colours.text);
    if ((item.itemState & ODS_FOCUS) != 0 && (item.itemState & ODS_NOFOCUSRECT) == 0) {
        FocusFrame(item.hDC, item.rcItem, colours.text, colours.field);
    }
    return true;
}

void RecolourRichText(HWND box, bool dark, COLORREF text)
{
    CHARRANGE selection = {0, 0};
    SendMessageW(box, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selection));
    const LRESULT modified = SendMessageW(box, EM_GETMODIFY, 0, 0);
    const LRESULT events = SendMessageW(box, EM_SETEVENTMASK, 0, 0);
    SendMessageW(box, WM_SETREDRAW, FALSE, 0);
    SendMessageW(box, EM_HIDESELECTION, TRUE, 0);

    GETTEXTLENGTHEX measure = {GTL_NUMCHARS | GTL_PRECISE, 1200};
    const LONG length = static_cast<LONG>(
        SendMessageW(box, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&measure), 0));
    // The text in runs of one colour: a span that holds one colour is taken
    // whole and the next one is tried twice as long; one that holds more is
    // halved until it holds one.
    LONG position = 0, step = 64;
    while (position < length) {
        const LONG span = std::min(step, length - position);
        CHARRANGE range = {position, position + span};
        SendMessageW(box, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
        CHARFORMAT2W format = {};
        format.cbSize = sizeof format;
        format.dwMask = CFM_COLOR;
        SendMessageW(box, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
        if ((format.dwMask & CFM_COLOR) == 0 && span > 1) {
            step = std::max<LONG>(1, span / 2);
            continue;
        }
        const bool automatic = (format.dwEffects & CFE_AUTOCOLOR) != 0;
        CHARFORMAT2W given = {};
        given.cbSize = sizeof given;
        given.dwMask = CFM_COLOR;
        if (dark && automatic) {
            given.crTextColor = text;
            SendMessageW(box, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&given));
        } else if (!dark && !automatic && format.crTextColor == text) {
            given.dwEffects = CFE_AUTOCOLOR;
            SendMessageW(box, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&given));
        }
        position += span;
        step = std::min<LONG>(span * 2, 1 << 20);
    }
    CHARFORMAT2W typed = {};
    typed.cbSize = sizeof typed;
    typed.dwMask = CFM_COLOR;
    typed.dwEffects = dark ? 0 : CFE_AUTOCOLOR;
    typed.crTextColor = text;
    SendMessageW(box, EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&typed));

    SendMessageW(box, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&selection));
    SendMessageW(box, EM_HIDESELECTION, FALSE, 0);
    SendMessageW(box, WM_SETREDRAW, TRUE, 0);
    SendMessageW(box, EM_SETEVENTMASK, 0, events);
    SendMessageW(box, EM_SETMODIFY, modified, 0);
    InvalidateRect(box, NULL, TRUE);
}

