#include "tool_bar.h"

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
