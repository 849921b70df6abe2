// Buttons drawn dark: push buttons (default, pressed, hot, with pictures,
// command links), check boxes, radio buttons and group boxes, and the check
// boxes of list rows.
#include <algorithm>
#include <cstring>
#include <string>

#include "dark_drawing.h"

namespace dark_drawing {

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
        FocusFrame(dc, focus, colours.text, face);
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
        FocusFrame(dc, focus, colours.text, colours.window);
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

}  // namespace dark_drawing

using namespace dark_drawing;

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
