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

namespace {

// A progress bar's colour, brighter than the selection it would be.
const COLORREF kDarkSelection = RGB(0, 84, 166);
const COLORREF kDarkBar = RGB(38, 140, 230);

// A length of 96 DPI at the window's DPI.
int Scaled(HWND window, int length)
{
    const UINT dpi = GetDpiForWindow(window);
    return MulDiv(length, dpi != 0 ? static_cast<int>(dpi) : 96, 96);
}

std::wstring WindowTextOf(HWND window)
{
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<size_t>(std::max(length, 0)) + 1, L'\0');
    const int copied = GetWindowTextW(window, &text[0], length + 1);
    text.resize(static_cast<size_t>(std::max(copied, 0)));
    return text;
}

void Fill(HDC dc, const RECT& area, COLORREF colour)
{
    FillRect(dc, &area, SolidBrushOf(colour));
}

void Frame(HDC dc, const RECT& area, COLORREF colour)
{
    FrameRect(dc, &area, SolidBrushOf(colour));
}

// A line from one point to another, the end point excluded.
void Line(HDC dc, int x1, int y1, int x2, int y2, COLORREF colour)
{
    HPEN pen = CreatePen(PS_SOLID, 1, colour);
    HGDIOBJ before = SelectObject(dc, pen);
    MoveToEx(dc, x1, y1, NULL);
    LineTo(dc, x2, y2);
    SelectObject(dc, before);
    DeleteObject(pen);
}

enum class Pointing { Up, Down, Left, Right };

// A filled triangle in the middle of the area, pointing one way.
void Arrow(HDC dc, const RECT& area, Pointing way, COLORREF colour)
{
    const int cx = (area.left + area.right) / 2, cy = (area.top + area.bottom) / 2;
    const int extent = std::max<int>(2, std::min<int>(area.right - area.left, area.bottom - area.top) / 4);
    POINT points[3];
    switch (way) {
    case Pointing::Up:
        points[0] = {cx - extent, cy + extent / 2};
        points[1] = {cx + extent, cy + extent / 2};
        points[2] = {cx, cy - extent / 2 - 1};
        break;
    case Pointing::Down:
        points[0] = {cx - extent, cy - extent / 2};
        points[1] = {cx + extent, cy - extent / 2};
        points[2] = {cx, cy + extent / 2 + 1};
        break;
    case Pointing::Left:
        points[0] = {cx + extent / 2, cy - extent};
        points[1] = {cx + extent / 2, cy + extent};
        points[2] = {cx - extent / 2 - 1, cy};
        break;
    case Pointing::Right:
        points[0] = {cx - extent / 2, cy - extent};
        points[1] = {cx - extent / 2, cy + extent};
        points[2] = {cx + extent / 2 + 1, cy};
        break;
    }
    HPEN pen = CreatePen(PS_SOLID, 1, colour);
    HGDIOBJ beforePen = SelectObject(dc, pen);
    HGDIOBJ beforeBrush = SelectObject(dc, SolidBrushOf(colour));
    Polygon(dc, points, 3);
    SelectObject(dc, beforeBrush);
    SelectObject(dc, beforePen);
    DeleteObject(pen);
}

// Selects the window's font into the device context for the painter's life.
class FontIn {
public:
    FontIn(HDC dc, HWND window) : dc_(dc)
    {
        HFONT font = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
        before_ = SelectObject(dc, font != NULL ? font : GetStockObject(DEFAULT_GUI_FONT));
    }
    ~FontIn() { SelectObject(dc_, before_); }
    FontIn(const FontIn&) = delete;
    FontIn& operator=(const FontIn&) = delete;

private:
    HDC dc_;
    HGDIOBJ before_;
};

void Text(HDC dc, const std::wstring& text, RECT area, UINT format, COLORREF colour)
{
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colour);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area, format);
}

bool ShowsFocus(HWND window)
{
    return (SendMessageW(window, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS) == 0;
}

// Leaves the window's visible children out of what the device context paints.
void LeaveOutChildren(HWND window, HDC dc)
{
    for (HWND child = GetWindow(window, GW_CHILD); child != NULL;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if (!IsWindowVisible(child))
            continue;
        RECT place;
        GetWindowRect(child, &place);
        MapWindowPoints(NULL, window, reinterpret_cast<POINT*>(&place), 2);
        ExcludeClipRect(dc, place.left, place.top, place.right, place.bottom);
    }
}

// ---- buttons ----

bool IsPushLike(LONG style)
{
    const LONG type = style & BS_TYPEMASK;
    if (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON || type >= 0x0C)
        return true;
    return (style & BS_PUSHLIKE) != 0 &&
           (type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_3STATE ||
            type == BS_AUTO3STATE || type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON);
}

bool IsRadio(LONG style)
{
    const LONG type = style & BS_TYPEMASK;
    return type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
}

UINT HorizontalFormat(LONG style, UINT otherwise)
{
    switch (style & BS_CENTER) {
    case BS_LEFT:
        return DT_LEFT;
    case BS_RIGHT:
        return DT_RIGHT;
    case BS_CENTER:
        return DT_CENTER;
    default:
        return otherwise;
    }
}

// Draws the text in the area, one line centred upright or wrapped lines
// centred as a block.
RECT ButtonText(HDC dc, const std::wstring& text, const RECT& area, LONG style, UINT horizontal,
                COLORREF colour)
{
    RECT place = area;
    if ((style & BS_MULTILINE) != 0) {
        RECT measured = area;
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &measured,
                  DT_WORDBREAK | DT_CALCRECT | horizontal);
        const int height = measured.bottom - measured.top;
        place.top = area.top + std::max<int>(0, (area.bottom - area.top - height) / 2);
        place.bottom = place.top + height;
        Text(dc, text, place, DT_WORDBREAK | horizontal, colour);
    } else {
        Text(dc, text, place, DT_SINGLELINE | DT_VCENTER | horizontal, colour);
        RECT measured = area;
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &measured,
                  DT_SINGLELINE | DT_CALCRECT);
        const int width = measured.right - measured.left, height = measured.bottom - measured.top;
        place.top = area.top + (area.bottom - area.top - height) / 2;
        place.bottom = place.top + height;
        if (horizontal == DT_CENTER)
            place.left = area.left + (area.right - area.left - width) / 2;
        else if (horizontal == DT_RIGHT)
            place.left = area.right - width;
        place.right = place.left + width;
    }
    return place;
}

// The picture of a push button: an icon or bitmap (BS_ICON, BS_BITMAP) or
// its image list; its size, and how it is drawn.
struct ButtonPicture {
    HICON icon = NULL;
    HBITMAP bitmap = NULL;
    HIMAGELIST list = NULL;
    SIZE size = {0, 0};
};

ButtonPicture PictureOf(HWND button, LONG style)
{
    ButtonPicture picture;
    if ((style & BS_ICON) != 0) {
        picture.icon = reinterpret_cast<HICON>(SendMessageW(button, BM_GETIMAGE, IMAGE_ICON, 0));
        ICONINFO info = {};
        if (picture.icon != NULL && GetIconInfo(picture.icon, &info)) {
            BITMAP bits = {};
            GetObjectW(info.hbmColor != NULL ? info.hbmColor : info.hbmMask, sizeof bits, &bits);
            picture.size = {bits.bmWidth, info.hbmColor != NULL ? bits.bmHeight : bits.bmHeight / 2};
            if (info.hbmColor != NULL)
                DeleteObject(info.hbmColor);
            DeleteObject(info.hbmMask);
        }
    } else if ((style & BS_BITMAP) != 0) {
        picture.bitmap =
            reinterpret_cast<HBITMAP>(SendMessageW(button, BM_GETIMAGE, IMAGE_BITMAP, 0));
        BITMAP bits = {};
        if (picture.bitmap != NULL && GetObjectW(picture.bitmap, sizeof bits, &bits))
            picture.size = {bits.bmWidth, bits.bmHeight};
    } else {
        BUTTON_IMAGELIST list = {};
        if (SendMessageW(button, BCM_GETIMAGELIST, 0, reinterpret_cast<LPARAM>(&list)) &&
            list.himl != NULL) {
            int width = 0, height = 0;
            ImageList_GetIconSize(list.himl, &width, &height);
            picture.list = list.himl;
            picture.size = {width, height};
        }
    }
    return picture;
}

void DrawPicture(HDC dc, const ButtonPicture& picture, int x, int y, bool enabled)
{
    if (picture.icon != NULL) {
        DrawState(dc, NULL, NULL, reinterpret_cast<LPARAM>(picture.icon), 0, x, y, 0, 0,
                  DST_ICON | (enabled ? DSS_NORMAL : DSS_DISABLED));
    } else if (picture.bitmap != NULL) {
        DrawState(dc, NULL, NULL, reinterpret_cast<LPARAM>(picture.bitmap), 0, x, y, 0, 0,
                  DST_BITMAP | (enabled ? DSS_NORMAL : DSS_DISABLED));
    } else if (picture.list != NULL) {
        ImageList_Draw(picture.list, 0, dc, x, y, enabled ? ILD_NORMAL : ILD_BLEND50);
    }
}

// A command link: an arrow, its text and under it its note.
void PaintCommandLinkText(HWND button, HDC dc, const std::wstring& text, RECT area, bool enabled,
                          const SchemeColours& colours)
{
    const int side = Scaled(button, 16);
    RECT arrow = {area.left, area.top + Scaled(button, 6), area.left + side,
                  area.top + Scaled(button, 6) + side};
    Arrow(dc, arrow, Pointing::Right, enabled ? colours.text : colours.greyText);
    area.left = arrow.right + Scaled(button, 6);
    area.top += Scaled(button, 4);
    RECT measured = area;
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &measured,
              DT_WORDBREAK | DT_CALCRECT);
    Text(dc, text, area, DT_WORDBREAK | DT_LEFT, enabled ? colours.text : colours.greyText);
    const LRESULT length = SendMessageW(button, BCM_GETNOTELENGTH, 0, 0);
    if (length <= 0)
        return;
    std::wstring note(static_cast<size_t>(length) + 1, L'\0');
    DWORD room = static_cast<DWORD>(length + 1);
    SendMessageW(button, BCM_GETNOTE, reinterpret_cast<WPARAM>(&room),
                 reinterpret_cast<LPARAM>(&note[0]));
    note.resize(std::wcslen(note.c_str()));
    area.top = measured.bottom + Scaled(button, 2);
    Text(dc, note, area, DT_WORDBREAK | DT_LEFT, colours.greyText);
}

void PaintPushButton(HWND button, HDC dc, const RECT& client, LONG style, LRESULT state,
                     const SchemeColours& colours)
{
    const bool enabled = IsWindowEnabled(button) != FALSE;
    const bool down = (state & (BST_PUSHED | BST_CHECKED)) != 0;
    const COLORREF face = down ? colours.pressedFace
                               : ((state & BST_HOT) != 0 ? colours.hotFace : colours.face);
    Fill(dc, client, face);
    const bool isDefault = (style & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
    Frame(dc, client, isDefault ? colours.selection : colours.border);
    if (isDefault) {
        RECT inner = client;
        InflateRect(&inner, -1, -1);
        Frame(dc, inner, colours.selection);
    }
    RECT area = client;
    InflateRect(&area, -Scaled(button, 4), -2);
    if (down)
        OffsetRect(&area, 1, 1);
    const std::wstring text = WindowTextOf(button);
    const ButtonPicture picture = PictureOf(button, style);
    bool pictureAlone = false;
    if (picture.size.cx > 0) {
        pictureAlone = text.empty() || (style & (BS_ICON | BS_BITMAP)) != 0;
        const int x = pictureAlone ? (area.left + area.right - picture.size.cx) / 2 : area.left;
        DrawPicture(dc, picture, x, (area.top + area.bottom - picture.size.cy) / 2, enabled);
        area.left += picture.size.cx + Scaled(button, 4);
    }
    const LONG type = style & BS_TYPEMASK;
    if (type == BS_COMMANDLINK || type == BS_DEFCOMMANDLINK) {
        PaintCommandLinkText(button, dc, text, area, enabled, colours);
        pictureAlone = true;
    }
    if (!pictureAlone)
        ButtonText(dc, text, area, style, HorizontalFormat(style, DT_CENTER),
                   enabled ? colours.text : colours.greyText);
    if ((state & BST_FOCUS) != 0 && ShowsFocus(button)) {
        RECT focus = client;
        InflateRect(&focus, -3, -3);
        SetTextColor(dc, colours.text);
        SetBkColor(dc, face);
        DrawFocusRect(dc, &focus);
    }
}

// A square check box: its inside, its edge and the tick (or the square of
// the third state).
void DrawCheckMark(HDC dc, const RECT& mark, LRESULT state, COLORREF inside, COLORREF edge,
                   COLORREF ink)
{
    const int box = mark.right - mark.left;
    Fill(dc, mark, inside);
    Frame(dc, mark, edge);
    if ((state & BST_INDETERMINATE) != 0) {
        RECT square = mark;
        InflateRect(&square, -std::max(3, box / 4), -std::max(3, box / 4));
        Fill(dc, square, ink);
    } else if ((state & BST_CHECKED) != 0) {
        const int width = std::max(2, box / 6);
        HPEN pen = CreatePen(PS_SOLID, width, ink);
        HGDIOBJ before = SelectObject(dc, pen);
        const POINT tick[3] = {{mark.left + box / 4, mark.top + box / 2},
                               {mark.left + box * 5 / 12, mark.bottom - box / 4 - 1},
                               {mark.right - box / 4, mark.top + box / 4 + 1}};
        Polyline(dc, tick, 3);
        SelectObject(dc, before);
        DeleteObject(pen);
    }
}

void PaintCheckBox(HWND button, HDC dc, const RECT& client, LONG style, LRESULT state,
                   const SchemeColours& colours)
{
    // The background is the parent's answer, so a program's colour stands.
    HBRUSH back = reinterpret_cast<HBRUSH>(SendMessageW(
        GetParent(button), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
        reinterpret_cast<LPARAM>(button)));
    FillRect(dc, &client, back != NULL ? back : SolidBrushOf(colours.window));

    const bool enabled = IsWindowEnabled(button) != FALSE;
    // The box and the gap after it as the class draws them: 12 pixels and
    // one at 96 DPI, then half the width of a digit.
    const int box = Scaled(button, 12) + 1;
    int digit = 0;
    GetCharWidth32W(dc, L'0', L'0', &digit);
    const bool onRight = (style & BS_LEFTTEXT) != 0 ||
                         (GetWindowLongW(button, GWL_EXSTYLE) & WS_EX_RIGHT) != 0;
    RECT mark;
    mark.top = (client.top + client.bottom - box) / 2;
    mark.bottom = mark.top + box;
    mark.left = onRight ? client.right - box : client.left;
    mark.right = mark.left + box;

    const bool hot = (state & (BST_HOT | BST_PUSHED)) != 0;
    const COLORREF edge = !enabled ? colours.border : (hot ? colours.text : colours.greyText);
    const COLORREF ink = enabled ? colours.text : colours.greyText;
    const COLORREF inside = (state & BST_PUSHED) != 0 ? colours.pressedFace : colours.field;
    if (IsRadio(style)) {
        HPEN pen = CreatePen(PS_SOLID, 1, edge);
        HGDIOBJ beforePen = SelectObject(dc, pen);
        HGDIOBJ beforeBrush = SelectObject(dc, SolidBrushOf(inside));
        Ellipse(dc, mark.left, mark.top, mark.right, mark.bottom);
        if ((state & BST_CHECKED) != 0) {
            const int inset = std::max(4, box * 3 / 10);
            SelectObject(dc, SolidBrushOf(ink));
            SelectObject(dc, GetStockObject(NULL_PEN));
            Ellipse(dc, mark.left + inset, mark.top + inset, mark.right - inset + 1,
                    mark.bottom - inset + 1);
        }
        SelectObject(dc, beforeBrush);
        SelectObject(dc, beforePen);
        DeleteObject(pen);
    } else {
        DrawCheckMark(dc, mark, state, inside, edge, ink);
    }

    RECT area = client;
    if (onRight)
        area.right = mark.left - digit / 2;
    else
        area.left = mark.right + digit / 2;
    const std::wstring text = WindowTextOf(button);
    if (text.empty())
        return;
    const RECT drawn = ButtonText(dc, text, area, style, HorizontalFormat(style, DT_LEFT), ink);
    if ((state & BST_FOCUS) != 0 && ShowsFocus(button)) {
        RECT focus = drawn;
        InflateRect(&focus, 1, 0);
        IntersectRect(&focus, &focus, &client);
        SetTextColor(dc, colours.text);
        SetBkColor(dc, colours.window);
        DrawFocusRect(dc, &focus);
    }
}

void PaintButton(HWND button, HDC dc, const SchemeColours& colours)
{
    RECT client;
    GetClientRect(button, &client);
    const LONG style = GetWindowLongW(button, GWL_STYLE);
    const LRESULT state = SendMessageW(button, BM_GETSTATE, 0, 0);
    FontIn font(dc, button);
    if (IsPushLike(style))
        PaintPushButton(button, dc, client, style, state, colours);
    else
        PaintCheckBox(button, dc, client, style, state, colours);
}

void PaintGroupBox(HWND box, HDC dc, const SchemeColours& colours)
{
    RECT client;
    GetClientRect(box, &client);
    FontIn font(dc, box);
    const std::wstring text = WindowTextOf(box);
    TEXTMETRICW metrics = {};
    GetTextMetricsW(dc, &metrics);
    RECT frame = client;
    frame.top += metrics.tmHeight / 2;
    RECT caption = {client.left + Scaled(box, 8), client.top, client.left + Scaled(box, 8),
                    client.top + metrics.tmHeight};
    if (!text.empty()) {
        SIZE extent = {0, 0};
        GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
        // Letters the font lacks come from a fallback font and take a little
        // more room than they measure.
        caption.right = std::min<LONG>(client.right - Scaled(box, 4),
                                       caption.left + extent.cx + Scaled(box, 4) +
                                           static_cast<LONG>(text.size()) / 12);
        HBRUSH back = reinterpret_cast<HBRUSH>(SendMessageW(
            GetParent(box), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
            reinterpret_cast<LPARAM>(box)));
        FillRect(dc, &caption, back != NULL ? back : SolidBrushOf(colours.window));
        ExcludeClipRect(dc, caption.left, caption.top, caption.right, caption.bottom);
    }
    Frame(dc, frame, colours.border);
    SelectClipRgn(dc, NULL);
    if (!text.empty()) {
        RECT place = caption;
        place.left += Scaled(box, 2);
        Text(dc, text, place, DT_SINGLELINE | DT_LEFT | DT_TOP,
             IsWindowEnabled(box) ? colours.text : colours.greyText);
    }
}

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
            SetTextColor(dc, colours.text);
            SetBkColor(dc, colours.window);
            DrawFocusRect(dc, &focus);
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
        int y = area.top + Scaled(bar, 3);
        if (hasPicture) {
            if (text[0] == L'\0')
                y = (area.top + area.bottom - height) / 2;
            ImageList_Draw(pictures, info.iImage, dc, (area.left + area.right - width) / 2, y,
                           greyed ? ILD_BLEND50 : ILD_TRANSPARENT);
            y += height + 1;
        }
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

// ---- check boxes of list items ----

}  // namespace

HIMAGELIST MakeDarkCheckBoxes(int width, int height, const SchemeColours& colours)
{
    HIMAGELIST list = ImageList_Create(width, height, ILC_COLOR32 | ILC_MASK, 2, 0);
    if (list == NULL)
        return NULL;
    HDC screen = GetDC(NULL);
    HDC dc = CreateCompatibleDC(screen);
    // Image 0 is unchecked, 1 checked (state picture indices 1 and 2).
    for (int image = 0; image < 2; ++image) {
        HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
        HGDIOBJ before = SelectObject(dc, bitmap);
        RECT whole = {0, 0, width, height};
        Fill(dc, whole, colours.field);
        const int side = std::min(width, height) - 2;
        RECT mark = {(width - side) / 2, (height - side) / 2, (width - side) / 2 + side,
                     (height - side) / 2 + side};
        DrawCheckMark(dc, mark, image == 1 ? BST_CHECKED : BST_UNCHECKED, colours.field,
                      colours.greyText, colours.text);
        SelectObject(dc, before);
        ImageList_AddMasked(list, bitmap, colours.field);
        DeleteObject(bitmap);
    }
    DeleteDC(dc);
    ReleaseDC(NULL, screen);
    return list;
}

namespace {

// ---- scroll bars ----

void DrawScrollBar(HDC dc, const RECT& bar, bool vertical, const SCROLLBARINFO& info,
                   const SchemeColours& colours)
{
    Fill(dc, bar, colours.field);
    const int length = vertical ? bar.bottom - bar.top : bar.right - bar.left;
    const int arrow = std::min<int>(info.dxyLineButton, length / 2);
    RECT first = bar, second = bar;
    if (vertical) {
        first.bottom = bar.top + arrow;
        second.top = bar.bottom - arrow;
    } else {
        first.right = bar.left + arrow;
        second.left = bar.right - arrow;
    }
    const bool unavailable = (info.rgstate[0] & STATE_SYSTEM_UNAVAILABLE) != 0;
    const COLORREF ink = unavailable ? colours.border : colours.greyText;
    Fill(dc, first, (info.rgstate[1] & STATE_SYSTEM_PRESSED) != 0 ? colours.pressedFace : colours.face);
    Arrow(dc, first, vertical ? Pointing::Up : Pointing::Left, ink);
    Fill(dc, second, (info.rgstate[5] & STATE_SYSTEM_PRESSED) != 0 ? colours.pressedFace : colours.face);
    Arrow(dc, second, vertical ? Pointing::Down : Pointing::Right, ink);
    if (unavailable || (info.rgstate[3] & STATE_SYSTEM_INVISIBLE) != 0 ||
        info.xyThumbBottom <= info.xyThumbTop)
        return;
    RECT thumb = bar;
    if (vertical) {
        thumb.top = bar.top + info.xyThumbTop;
        thumb.bottom = bar.top + info.xyThumbBottom;
        InflateRect(&thumb, -2, 0);
    } else {
        thumb.left = bar.left + info.xyThumbTop;
        thumb.right = bar.left + info.xyThumbBottom;
        InflateRect(&thumb, 0, -2);
    }
    Fill(dc, thumb, (info.rgstate[3] & STATE_SYSTEM_PRESSED) != 0 ? colours.greyText : colours.border);
}

bool ReadBar(HWND window, LONG object, SCROLLBARINFO& info)
{
    std::memset(&info, 0, sizeof info);
    info.cbSize = sizeof info;
    if (!GetScrollBarInfo(window, object, &info))
        return false;
    return (info.rgstate[0] & (STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_OFFSCREEN)) == 0;
}

bool SameBars(const SCROLLBARINFO& one, const SCROLLBARINFO& other)
{
    return std::memcmp(&one, &other, sizeof one) == 0;
}

bool IsFieldKind(WindowKind kind)
{
    switch (kind) {
    case WindowKind::Edit:
    case WindowKind::RichText:
    case WindowKind::ListBox:
    case WindowKind::ListView:
    case WindowKind::TreeView:
    case WindowKind::ComboBox:
    case WindowKind::ExtendedComboBox:
    case WindowKind::DatePicker:
        return true;
    default:
        return false;
    }
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
        SetTextColor(dc, colours.text);
        SetBkColor(dc, colours.field);
        DrawFocusRect(dc, &measured);
    }
}

void PaintScrollBarControl(HWND bar, const SchemeColours& colours, ScrollBarsDrawn& drawn)
{
    const LONG style = GetWindowLongW(bar, GWL_STYLE);
    if ((style & (SBS_SIZEBOX | SBS_SIZEGRIP)) != 0)
        return;
    SCROLLBARINFO info;
    if (!ReadBar(bar, OBJID_CLIENT, info))
        return;
    RECT place = info.rcScrollBar;
    MapWindowPoints(NULL, bar, reinterpret_cast<POINT*>(&place), 2);
    HDC dc = GetDC(bar);
    DrawScrollBar(dc, place, (style & SBS_VERT) != 0, info, colours);
    ReleaseDC(bar, dc);
    drawn.valid = true;
    drawn.bars[0] = info;
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
        return !PaintsItself(kind, window);
    case WindowKind::Tab:
    case WindowKind::Header:
        return !PaintsItself(kind, window);
    case WindowKind::Other:
        // A class of the program's: its own brush stands, the system's goes.
        return !IsSystemBrush(reinterpret_cast<HBRUSH>(GetClassLongPtrW(window, GCLP_HBRBACKGROUND))) ||
               GetClassLongPtrW(window, GCLP_HBRBACKGROUND) == 0;
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
        SetTextColor(item.hDC, colours.text);
        SetBkColor(item.hDC, colours.field);
        DrawFocusRect(item.hDC, &item.rcItem);
    }
    return true;
}

bool HasScrollBars(HWND window, WindowKind kind)
{
    if (kind == WindowKind::ScrollBar)
        return true;
    return (GetWindowLongW(window, GWL_STYLE) & (WS_VSCROLL | WS_HSCROLL)) != 0;
}

void PaintFrame(HWND window, const SchemeColours& colours, ScrollBarsDrawn& drawn, bool always)
{
    const WindowKind kind = KindOf(window);
    if (kind == WindowKind::ScrollBar) {
        SCROLLBARINFO info;
        if (always || !drawn.valid || !ReadBar(window, OBJID_CLIENT, info) ||
            !SameBars(info, drawn.bars[0]))
            PaintScrollBarControl(window, colours, drawn);
        return;
    }
    // Windows with a caption (top-level forms, MDI children) keep the
    // system's frame.
    const LONG style = GetWindowLongW(window, GWL_STYLE);
    if ((style & WS_CHILD) == 0 || (style & WS_CAPTION) == WS_CAPTION)
        return;
    SCROLLBARINFO bars[2];
    const bool shown[2] = {ReadBar(window, OBJID_VSCROLL, bars[0]),
                           ReadBar(window, OBJID_HSCROLL, bars[1])};
    if (!shown[0])
        std::memset(&bars[0], 0, sizeof bars[0]);
    if (!shown[1])
        std::memset(&bars[1], 0, sizeof bars[1]);
    if (!always && drawn.valid && SameBars(bars[0], drawn.bars[0]) && SameBars(bars[1], drawn.bars[1]))
        return;
    drawn.valid = true;
    drawn.bars[0] = bars[0];
    drawn.bars[1] = bars[1];

    RECT outer;
    GetWindowRect(window, &outer);
    const POINT origin = {outer.left, outer.top};
    OffsetRect(&outer, -origin.x, -origin.y);
    RECT inner;
    GetClientRect(window, &inner);
    MapWindowPoints(window, NULL, reinterpret_cast<POINT*>(&inner), 2);
    OffsetRect(&inner, -origin.x, -origin.y);
    RECT placed[2] = {};
    for (int bar = 0; bar < 2; ++bar) {
        if (!shown[bar])
            continue;
        placed[bar] = bars[bar].rcScrollBar;
        OffsetRect(&placed[bar], -origin.x, -origin.y);
        UnionRect(&inner, &inner, &placed[bar]);
    }
    HDC dc = GetWindowDC(window);
    if (dc == NULL)
        return;
    if (always && !EqualRect(&inner, &outer)) {
        HRGN clip = CreateRectRgnIndirect(&outer);
        HRGN hole = CreateRectRgnIndirect(&inner);
        CombineRgn(clip, clip, hole, RGN_DIFF);
        SelectClipRgn(dc, clip);
        Fill(dc, outer, IsFieldKind(kind) ? colours.field : colours.window);
        Frame(dc, outer, colours.border);
        SelectClipRgn(dc, NULL);
        DeleteObject(hole);
        DeleteObject(clip);
    }
    for (int bar = 0; bar < 2; ++bar)
        if (shown[bar])
            DrawScrollBar(dc, placed[bar], bar == 0, bars[bar], colours);
    if (shown[0] && shown[1]) {
        RECT corner = {placed[0].left, placed[1].top, placed[0].right, placed[1].bottom};
        Fill(dc, corner, colours.window);
    }
    ReleaseDC(window, dc);
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
