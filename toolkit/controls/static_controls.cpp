#include "static_controls.h"

#include "basic_control.h"

static_assert(kLabelStyle == (WS_CHILD | SS_EDITCONTROL), "label style");
static_assert(kIconBoxStyle == (WS_CHILD | WS_TABSTOP | SS_NOTIFY | SS_ICON), "icon box style");
static_assert(kBmpBoxStyle == (WS_CHILD | WS_TABSTOP | SS_REALSIZEIMAGE | SS_CENTERIMAGE |
                               SS_NOTIFY | SS_BITMAP),
              "bitmap box style");

namespace {

// The label takes its place and size from CreateWindowExA.
const ControlKind kLabelKind = {
    "STATIC", "Label", {kStepText, kStepFont, kStepCentre, kStepDisable, kStepShow, kStepEnd}};
// The own step shows the picture.
const ControlKind kIconBoxKind = {
    "STATIC",
    "IconBox",
    {kStepText, kStepMove, kStepSize, kStepFont, kStepCentre, kStepDisable, kStepOwn, kStepShow,
     kStepEnd}};
const ControlKind kBmpBoxKind = {
    "STATIC",
    "BmpBox",
    {kStepText, kStepMove, kStepSize, kStepFont, kStepCentre, kStepDisable, kStepOwn, kStepShow,
     kStepEnd}};

void ShowIconStep(Control& control, void* icon)
{
    static_cast<IconBox&>(control).SetIcon(*static_cast<IconObject*>(icon));
}

void ShowBitmapStep(Control& control, void* bitmap)
{
    static_cast<BmpBox&>(control).SetImage(*static_cast<Bitmap*>(bitmap));
}

}  // namespace

// ---- Label ----

Label::Label()
{
    ClearBasicControl(*this);
}

Label::Label(const String& text, int identifier, int x, int y, int width, int height,
             Control parentControl, bool enabled, bool visible, bool centred, DWORD exStyle)
{
    ClearBasicControl(*this);
    Create(text, identifier, x, y, width, height, parentControl, enabled, visible, centred, exStyle);
}

Label::Label(const String& text, int identifier, Control parentControl)
{
    ClearBasicControl(*this);
    Create(text, identifier, 0, 0, 0, 0, parentControl);
}

bool Label::Create(const String& text, int identifier, int x, int y, int width, int height,
                   Control parentControl, bool enabled, bool visible, bool centred, DWORD exStyle)
{
    ControlPlacement place = {text, identifier, x, y, width, height, enabled, visible, centred, exStyle};
    return CreateBasicControl(*this, kLabelKind, kLabelStyle, place, parentControl);
}

// ---- IconBox ----

IconBox::IconBox()
{
    ClearBasicControl(*this);
}

IconBox::IconBox(const String& text, int identifier, int x, int y, int width, int height,
                 Control parentControl, IconObject icon, bool enabled, bool visible, bool centred,
                 DWORD exStyle)
{
    ClearBasicControl(*this);
    Create(text, identifier, x, y, width, height, parentControl, icon, enabled, visible, centred,
           exStyle);
}

bool IconBox::Create(const String& text, int identifier, int x, int y, int width, int height,
                     Control parentControl, IconObject icon, bool enabled, bool visible,
                     bool centred, DWORD exStyle)
{
    ControlPlacement place = {text, identifier, x, y, width, height, enabled, visible, centred, exStyle};
    return CreateBasicControl(*this, kIconBoxKind, kIconBoxStyle, place, parentControl,
                              ShowIconStep, &icon);
}

LRESULT IconBox::SetIcon(IconObject icon)
{
    return ShowKeptIcon(hwnd, STM_SETICON, 0, icon.icon);
}

// ---- BmpBox ----

BmpBox::BmpBox()
{
    ClearBasicControl(*this);
}

BmpBox::BmpBox(const String& text, int identifier, int x, int y, int width, int height,
               Control parentControl, Bitmap bitmap, bool enabled, bool visible, bool centred,
               DWORD exStyle)
{
    ClearBasicControl(*this);
    Create(text, identifier, x, y, width, height, parentControl, bitmap, enabled, visible, centred,
           exStyle);
}

bool BmpBox::Create(const String& text, int identifier, int x, int y, int width, int height,
                    Control parentControl, Bitmap bitmap, bool enabled, bool visible,
                    bool centred, DWORD exStyle)
{
    ControlPlacement place = {text, identifier, x, y, width, height, enabled, visible, centred, exStyle};
    return CreateBasicControl(*this, kBmpBoxKind, kBmpBoxStyle, place, parentControl,
                              ShowBitmapStep, &bitmap);
}

LRESULT BmpBox::SetImage(Bitmap bitmap)
{
    return ShowKeptBitmap(hwnd, STM_SETIMAGE, IMAGE_BITMAP, bitmap.bmp);
}
