#include "spin_box.h"

#include <commctrl.h>

#include "../foundation/dpi_scaling.h"
#include "basic_control.h"

static_assert(kSpinBoxStyle == (WS_CHILD | WS_TABSTOP | ES_NUMBER), "spin box style");
static_assert(kSpinArrowsStyle == (WS_CHILD | UDS_WRAP | UDS_SETBUDDYINT | UDS_ALIGNRIGHT),
              "up-down style");

namespace {

// The own step makes the up-down window before the edit box gets its text.
const ControlKind kSpinBoxKind = {
    "EDIT",
    NULL,
    {kStepOwn, kStepLimit, kStepText, kStepMove, kStepSize, kStepFont, kStepCentre, kStepDisable,
     kStepShow, kStepEnd}};

void CreateArrowsStep(Control& control, void* height)
{
    spinBox& box = static_cast<spinBox&>(control);
    UINT dpi = ScalingDpi(box.parent);
    box.upDown = CreateWindowExA(0, UPDOWN_CLASSA, "spinBox", kSpinArrowsStyle, 0, 0,
                                 ScaleBetweenDpi(kSpinArrowsWidth, kLogicalDpi, dpi),
                                 ScaleBetweenDpi(*static_cast<int*>(height), kLogicalDpi, dpi),
                                 box.parent, NULL,
                                 GetModuleHandleA(NULL), NULL);
    if (box.upDown != NULL)
        SendMessageA(box.upDown, UDM_SETBUDDY, reinterpret_cast<WPARAM>(box.hwnd), 0);
}

// Aligning to its buddy gives the arrows the control's own width, which
// does not follow the DPI; at any other DPI the arrows take their scaled
// width from the box's right end, and the box the rest.
void FitArrowsWidth(spinBox& box)
{
    int width = ScaleBetweenDpi(kSpinArrowsWidth, kLogicalDpi, ScalingDpi(box.parent));
    RECT arrows, text;
    if (!GetWindowRect(box.upDown, &arrows) || !GetWindowRect(box.hwnd, &text) ||
        arrows.right - arrows.left >= width)
        return;
    MapWindowPoints(NULL, box.parent, reinterpret_cast<POINT*>(&arrows), 2);
    MapWindowPoints(NULL, box.parent, reinterpret_cast<POINT*>(&text), 2);
    int grow = width - (arrows.right - arrows.left);
    SetWindowPos(box.hwnd, NULL, 0, 0, text.right - text.left - grow, text.bottom - text.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowPos(box.upDown, NULL, arrows.left - grow, arrows.top, width,
                 arrows.bottom - arrows.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

spinBox::spinBox() : upDown(NULL), decimals(2)
{
    ClearBasicControl(*this);
    BindProperties();
}

spinBox::spinBox(const String& text, int identifier, int x, int y, int width, int height,
                 Control parentControl, bool enabled, bool visible, bool centred, DWORD exStyle)
    : upDown(NULL), decimals(2)
{
    ClearBasicControl(*this);
    BindProperties();
    Create(text, identifier, x, y, width, height, parentControl, enabled, visible, centred, exStyle);
}

void spinBox::BindProperties()
{
    Value.Bind(this, &spinBox::GetValue, &spinBox::SetValue);
}

bool spinBox::Create(const String& text, int identifier, int x, int y, int width, int height,
                     Control parentControl, bool enabled, bool visible, bool centred,
                     DWORD exStyle)
{
    decimals = 2;
    ControlPlacement place = {text, identifier, x, y, width, height, enabled, visible, centred, exStyle};
    if (!CreateBasicControl(*this, kSpinBoxKind, kSpinBoxStyle, place, parentControl,
                            CreateArrowsStep, &height))
        return false;
    if (upDown != NULL) {
        // UDS_ALIGNRIGHT placed the arrows at the edit box's right edge and
        // narrowed the box when the buddy was set; the later moving and
        // sizing gave the box its whole width back, so the arrows are placed
        // again, inside the width given, and go with the box.
        SendMessageA(upDown, UDM_SETBUDDY, reinterpret_cast<WPARAM>(hwnd), 0);
        FitArrowsWidth(*this);
        if (enabled == false)
            EnableWindow(upDown, FALSE);
        if (visible)
            ShowWindow(upDown, SW_SHOW);
    }
    return true;
}

void spinBox::HideArrows()
{
    ShowWindow(upDown, SW_HIDE);
}

double spinBox::GetValue()
{
    return Text().ToDouble();
}

void spinBox::SetValue(double value)
{
    Text = NumberString(value, decimals);
}
