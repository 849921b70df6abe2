#include "color_button.h"

#include <commctrl.h>

#include "../foundation/subclass_data.h"
#include "../system/accessible_names.h"
#include "basic_control.h"

namespace {

const UINT_PTR kColorButtonSubclassId = 0x57434C42;  // "WCLB"

// What the window keeps: its colour and the brush of that colour, made when
// the swatch first asks for it.
struct SwatchColour {
    COLORREF colour;
    int border;
    HBRUSH brush;
};

SwatchColour* WindowColour(HWND window)
{
    return reinterpret_cast<SwatchColour*>(
        SubclassData(window, ColorButtonProc, kColorButtonSubclassId));
}

COLORREF Complement(COLORREF colour)
{
    return RGB(255 - GetRValue(colour), 255 - GetGValue(colour), 255 - GetBValue(colour));
}

// Screen readers hear the button's caption, "Colour" when it has none, and
// its colour in words; the swatch is a child window of its own.
int NoDrawnParts(HWND)
{
    return 0;
}

bool DescribeColorButton(HWND window, int number, DrawnPart* part)
{
    SwatchColour* kept = WindowColour(window);
    if (number != 0 || kept == NULL)
        return false;
    String caption = Control(window).Text;
    part->value = ColorInWords(kept->colour);
    part->name = String(!caption.empty() ? caption : String(kColorButtonName)) + ": " + part->value;
    return true;
}

const AccessibleNames kColorButtonNames = {NoDrawnParts, DescribeColorButton};

}  // namespace

const char kColorButtonName[] = "Colour";

LRESULT CALLBACK ColorButtonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                 UINT_PTR subclassId, DWORD_PTR data)
{
    SwatchColour* kept = reinterpret_cast<SwatchColour*>(data);
    if (message == WM_CTLCOLORSTATIC && GetParent(reinterpret_cast<HWND>(lParam)) == window) {
        HDC dc = reinterpret_cast<HDC>(wParam);
        SetBkMode(dc, TRANSPARENT);
        SetBkColor(dc, kept->colour);
        SetTextColor(dc, Complement(kept->colour));
        if (kept->brush == NULL)
            kept->brush = CreateSolidBrush(kept->colour);
        return reinterpret_cast<LRESULT>(kept->brush);
    }
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(window, ColorButtonProc, subclassId);
        if (kept->brush != NULL)
            DeleteObject(kept->brush);
        delete kept;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

ColorButton::ColorButton() : color(0), border(kColorButtonBorder)
{
    BindProperties();
}

ColorButton::ColorButton(int identifier, int x, int y, int width, int height,
                         Control parentControl, COLORREF colour)
    : ColorButton()
{
    Create(identifier, x, y, width, height, parentControl, colour);
}

void ColorButton::BindProperties()
{
    Color.Clear();
    Color.Bind(this, &ColorButton::GetColor, &ColorButton::SetColor);
    Border.Clear();
    Border.Bind(this, &ColorButton::GetBorder, &ColorButton::SetBorder);
}

bool ColorButton::Create(int identifier, int x, int y, int width, int height,
                         Control parentControl, COLORREF colour)
{
    color = colour;
    border = kColorButtonBorder;
    if (!Button::Create("", identifier, x, y, width, height, parentControl))
        return false;
    HWND swatch = CreateWindowExA(0, "STATIC", "", kColorSwatchStyle, border, border,
                                  width - 2 * border, height - 2 * border, hwnd, NULL,
                                  GetModuleHandleA(NULL), NULL);
    if (swatch == NULL)
        return false;
    SendMessageA(swatch, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), 0);
    SwatchColour* kept = new SwatchColour{colour, border, NULL};
    if (!SetWindowSubclass(hwnd, ColorButtonProc, kColorButtonSubclassId,
                           reinterpret_cast<DWORD_PTR>(kept))) {
        delete kept;
        return false;
    }
    GiveAccessibleNames(hwnd, &kColorButtonNames);
    return true;
}

HWND ColorButton::Swatch() const
{
    return hwnd != NULL ? GetWindow(hwnd, GW_CHILD) : NULL;
}

COLORREF ColorButton::GetColor()
{
    SwatchColour* kept = WindowColour(hwnd);
    return kept != NULL ? kept->colour : color;
}

void ColorButton::SetColor(COLORREF colour)
{
    color = colour;
    SwatchColour* kept = WindowColour(hwnd);
    if (kept == NULL)
        return;
    kept->colour = colour;
    if (kept->brush != NULL) {
        DeleteObject(kept->brush);
        kept->brush = NULL;
    }
    InvalidateWhole(Swatch());
}

int ColorButton::GetBorder()
{
    SwatchColour* kept = WindowColour(hwnd);
    return kept != NULL ? kept->border : border;
}

void ColorButton::SetBorder(int width)
{
    border = width;
    SwatchColour* kept = WindowColour(hwnd);
    if (kept == NULL)
        return;
    kept->border = width;
    RECT client;
    GetClientRect(hwnd, &client);
    MoveWindow(Swatch(), width, width, client.right - 2 * width, client.bottom - 2 * width, TRUE);
}
