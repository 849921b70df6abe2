#include "tool_bar.h"

#include <commctrl.h>

#include <string>

#include "basic_control.h"

static_assert(kToolBarStyle == (WS_CHILD | WS_TABSTOP | TBSTYLE_ALTDRAG | TBSTYLE_WRAPABLE |
                                CCS_ADJUSTABLE | 0x10),
              "tool bar style");
static_assert(kToolBarNoDividerStyle == (kToolBarStyle | CCS_NODIVIDER), "tool bar style");
#if defined(__i386__)
static_assert(sizeof(TBBUTTON) == 20, "the 32-bit button record is 20 bytes");
#endif

namespace {

// The bar places and sizes itself along the top of its parent.
const ControlKind kToolBarKind = {TOOLBARCLASSNAMEA, "", {kStepEnd}};

// A button without a label: index 0 would show the bar's first string.
const INT_PTR kNoLabel = -1;

const UINT_PTR kToolBarSubclassId = 0x57544254;  // "WTBT"

// True when the pointer is over the bar's button at the index.
bool PointerOverButton(HWND bar, int index)
{
    RECT button;
    POINT pointer;
    if (!SendMessageA(bar, TB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&button)) ||
        !GetCursorPos(&pointer) || !ScreenToClient(bar, &pointer))
        return false;
    return PtInRect(&button, pointer) != FALSE;
}

// True when the bar is a re-bar band's child.
bool InBand(HWND bar)
{
    char kind[32] = "";
    GetClassNameA(GetParent(bar), kind, sizeof kind);
    return lstrcmpiA(kind, REBARCLASSNAMEA) == 0;
}

// A re-bar makes a band's child as tall as the band's row, which a taller
// neighbour (a combo box) sets; a bar draws its buttons from its top, so its
// labels would sit above the other bands'. The bar keeps its buttons' height
// and takes the middle of the row instead.
void CentreInBand(HWND bar, WINDOWPOS& place)
{
    if ((place.flags & SWP_NOSIZE) != 0 || !InBand(bar))
        return;
    SIZE buttons = {0, 0};
    if (!SendMessageA(bar, TB_GETMAXSIZE, 0, reinterpret_cast<LPARAM>(&buttons)) ||
        buttons.cy <= 0 || place.cy <= buttons.cy)
        return;
    if ((place.flags & SWP_NOMOVE) == 0)
        place.y += (place.cy - buttons.cy) / 2;
    place.cy = buttons.cy;
}

// A flat bar draws its hot button raised and forgets it only when the pointer
// leaves. The pointer does not leave in two cases: the bar loses the focus
// that made its first button hot (the dialog manager's tab order gives a bar
// the focus, and the bar's focus makes a button hot), and a click opens a
// modal window, which takes the mouse until it closes, wherever the pointer
// is then. Both end with no hot button unless the pointer is over it.
LRESULT CALLBACK ToolBarProc(HWND bar, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                             DWORD_PTR)
{
    if (message == WM_NCDESTROY)
        RemoveWindowSubclass(bar, ToolBarProc, kToolBarSubclassId);
    if (message == WM_WINDOWPOSCHANGING)
        CentreInBand(bar, *reinterpret_cast<WINDOWPOS*>(lParam));
    LRESULT result = DefSubclassProc(bar, message, wParam, lParam);
    if (message == WM_KILLFOCUS || message == WM_LBUTTONUP || message == WM_CAPTURECHANGED) {
        int hot = static_cast<int>(SendMessageA(bar, TB_GETHOTITEM, 0, 0));
        if (hot >= 0 && !PointerOverButton(bar, hot))
            SendMessageA(bar, TB_SETHOTITEM, static_cast<WPARAM>(-1), 0);
    }
    return result;
}

}  // namespace

ToolButton::ToolButton() : button(), toolBar(NULL), command(0) {}

bool ToolButton::Enable()
{
    return toolBar != NULL && SendMessageA(toolBar, TB_ENABLEBUTTON, command, MAKELONG(TRUE, 0));
}

bool ToolButton::Disable()
{
    return toolBar != NULL && SendMessageA(toolBar, TB_ENABLEBUTTON, command, MAKELONG(FALSE, 0));
}

bool ToolButton::IsEnabled() const
{
    return toolBar != NULL && SendMessageA(toolBar, TB_ISBUTTONENABLED, command, 0) != 0;
}

int ToolButton::State() const
{
    return toolBar == NULL ? -1 : static_cast<int>(SendMessageA(toolBar, TB_GETSTATE, command, 0));
}

ToolBar::ToolBar() : showText(false)
{
    ClearBasicControl(*this);
    BindProperties();
}

ToolBar::ToolBar(int identifier, Control parentControl, int x, int y, bool enabled, bool visible,
                 bool flat, bool divider, DWORD exStyle)
    : showText(false)
{
    ClearBasicControl(*this);
    BindProperties();
    Create(identifier, parentControl, x, y, enabled, visible, flat, divider, exStyle);
}

void ToolBar::BindProperties()
{
    Flat.Bind(this, &ToolBar::GetFlat, &ToolBar::SetFlat);
    Divider.Bind(this, &ToolBar::GetDivider, &ToolBar::SetDivider);
    Wrapable.Bind(this, &ToolBar::GetWrapable, &ToolBar::SetWrapable);
}

bool ToolBar::Create(int identifier, Control parentControl, int x, int y, bool enabled,
                     bool visible, bool flat, bool divider, DWORD exStyle)
{
    DWORD style = divider ? kToolBarStyle : kToolBarNoDividerStyle;
    if (flat)
        style |= TBSTYLE_FLAT;
    ControlPlacement place = {"", identifier, x, y, 0, 0, enabled, visible, false, exStyle};
    if (!CreateBasicControl(*this, kToolBarKind, style, place, parentControl))
        return false;
    // The bar must know the record size before any button comes.
    SendMessageA(hwnd, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SetWindowSubclass(hwnd, ToolBarProc, kToolBarSubclassId, 0);
    SetDefaultFont();
    if (!enabled)
        Disable();
    if (visible)
        Show();
    return true;
}

void ToolBar::ShowText(bool flag)
{
    showText = flag;
}

ToolButton ToolBar::AddButton(const String& text, int image, int command)
{
    ToolButton added;
    if (hwnd == NULL)
        return added;
    TBBUTTON button = {};
    button.iBitmap = image;
    button.idCommand = command;
    button.fsState = TBSTATE_ENABLED;
    button.fsStyle = TBSTYLE_BUTTON;
    button.iString = kNoLabel;
    if (showText) {
        // The strings are a list, each ended by a zero and the list by another.
        std::string strings(text.CStr());
        strings.push_back('\0');
        strings.push_back('\0');
        button.iString = SendMessageA(hwnd, TB_ADDSTRINGA, 0,
                                      reinterpret_cast<LPARAM>(strings.data()));
    }
    if (!SendMessageA(hwnd, TB_ADDBUTTONSA, 1, reinterpret_cast<LPARAM>(&button)))
        return added;
    SendMessageA(hwnd, TB_AUTOSIZE, 0, 0);
    added.button = button;
    added.toolBar = hwnd;
    added.command = command;
    return added;
}

bool ToolBar::AddSeparator()
{
    TBBUTTON separator = {};
    separator.fsStyle = TBSTYLE_SEP;
    return hwnd != NULL &&
           SendMessageA(hwnd, TB_ADDBUTTONSA, 1, reinterpret_cast<LPARAM>(&separator)) != 0;
}

HIMAGELIST ToolBar::SetImageList(const ImageList& list)
{
    if (hwnd == NULL)
        return NULL;
    HIMAGELIST before = ShowKeptImageList(hwnd, TB_SETIMAGELIST, 0, list);
    SendMessageA(hwnd, TB_AUTOSIZE, 0, 0);
    return before;
}

int ToolBar::ButtonCount()
{
    return static_cast<int>(SendMessageA(hwnd, TB_BUTTONCOUNT, 0, 0));
}

void ToolBar::UpdateLayout()
{
    SendMessageA(hwnd, TB_AUTOSIZE, 0, 0);
}

bool ToolBar::GetFlat()
{
    return HasStyle(TBSTYLE_FLAT);
}

void ToolBar::SetFlat(bool flat)
{
    if (flat)
        AddStyle(TBSTYLE_FLAT);
    else
        RemoveStyle(TBSTYLE_FLAT);
}

// True shows the line, as the creation flag of the same name does.
bool ToolBar::GetDivider()
{
    return hwnd != NULL && !HasStyle(CCS_NODIVIDER);
}

void ToolBar::SetDivider(bool divider)
{
    if (divider)
        RemoveStyle(CCS_NODIVIDER);
    else
        AddStyle(CCS_NODIVIDER);
}

bool ToolBar::GetWrapable()
{
    return HasStyle(TBSTYLE_WRAPABLE);
}

void ToolBar::SetWrapable(bool wrapable)
{
    if (wrapable)
        AddStyle(TBSTYLE_WRAPABLE);
    else
        RemoveStyle(TBSTYLE_WRAPABLE);
}
