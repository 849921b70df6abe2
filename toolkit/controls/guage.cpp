#include "guage.h"

#include <commctrl.h>

#include "basic_control.h"

static_assert(kGuageStyle == WS_CHILD, "progress bar style");

namespace {

const ControlKind kGuageKind = {
    PROGRESS_CLASSA, "Guage", {kStepFont, kStepCentre, kStepDisable, kStepShow, kStepEnd}};
const int kGuageTop = 100;

}  // namespace

Guage::Guage() : position(0)
{
    ClearBasicControl(*this);
    BindProperties();
}

Guage::Guage(int identifier, int x, int y, int width, int height, Control parentControl,
             bool horizontal, bool enabled, bool visible, bool centred, bool smooth, DWORD exStyle)
    : position(0)
{
    ClearBasicControl(*this);
    BindProperties();
    Create(identifier, x, y, width, height, parentControl, horizontal, enabled, visible, centred,
           smooth, exStyle);
}

void Guage::BindProperties()
{
    Position.Bind(this, &Guage::GetPosition, &Guage::SetPosition);
}

bool Guage::Create(int identifier, int x, int y, int width, int height, Control parentControl,
                   bool horizontal, bool enabled, bool visible, bool centred, bool smooth,
                   DWORD exStyle)
{
    DWORD style = kGuageStyle;
    if (!horizontal)
        style |= PBS_VERTICAL;
    if (smooth)
        style |= PBS_SMOOTH;
    ControlPlacement place = {"", identifier, x, y, width, height, enabled, visible, centred, exStyle};
    bool created = CreateBasicControl(*this, kGuageKind, style, place, parentControl);
    position = 0;
    return created;
}

int Guage::GetPosition()
{
    return position;
}

void Guage::SetPosition(int value)
{
    if (value < 0)
        value = 0;
    if (value > kGuageTop)
        value = kGuageTop;
    position = value;
    SendMessageA(hwnd, PBM_SETPOS, value, 0);
}
