#include "group_boxes.h"

#include "basic_control.h"

static_assert(kGroupBoxStyle == (WS_CHILD | WS_GROUP | WS_TABSTOP | BS_GROUPBOX), "group box style");
static_assert(kVisibleGroupBoxStyle == (kGroupBoxStyle | WS_VISIBLE), "visible group box style");
static_assert(kFrameBoxStyle == (WS_CHILD | WS_TABSTOP | BS_GROUPBOX), "frame box style");

namespace {

// The group boxes take their place and size from CreateWindowExA.
const ControlKind kGroupBoxKind = {
    "BUTTON", NULL, {kStepFont, kStepCentre, kStepDisable, kStepShow, kStepEnd}};
const ControlKind kFrameBoxKind = {
    "BUTTON",
    NULL,
    {kStepMove, kStepSize, kStepFont, kStepCentre, kStepDisable, kStepShow, kStepEnd}};

// A group box paints only its frame and caption. On a parent that clips its
// children (WS_CLIPCHILDREN, as every form does) nothing would paint its
// inside, which would keep whatever was on the screen before; a transparent
// window is left out of that clipping, so the parent paints under it.
DWORD FrameExStyle(DWORD exStyle)
{
    return exStyle | WS_EX_TRANSPARENT;
}

}  // namespace

GroupBox::GroupBox()
{
    ClearBasicControl(*this);
}

GroupBox::GroupBox(const String& text, int identifier, int x, int y, int width, int height,
                   Control parentControl, bool enabled, bool visible, bool centred, DWORD exStyle)
{
    ClearBasicControl(*this);
    Create(text, identifier, x, y, width, height, parentControl, enabled, visible, centred, exStyle);
}

GroupBox::GroupBox(const String& text, int identifier, Control parentControl)
{
    ClearBasicControl(*this);
    Create(text, identifier, 0, 0, 0, 0, parentControl);
}

bool GroupBox::Create(const String& text, int identifier, int x, int y, int width, int height,
                      Control parentControl, bool enabled, bool visible, bool centred,
                      DWORD exStyle)
{
    ControlPlacement place = {text,    identifier, x,       y,       width,
                              height,  enabled,    visible, centred, FrameExStyle(exStyle)};
    return CreateBasicControl(*this, kGroupBoxKind, kGroupBoxStyle, place, parentControl);
}

VisibleGroupBox::VisibleGroupBox()
{
    ClearBasicControl(*this);
}

VisibleGroupBox::VisibleGroupBox(const String& text, int identifier, int x, int y, int width,
                                 int height, Control parentControl, bool enabled, bool visible,
                                 bool centred, DWORD exStyle)
{
    ClearBasicControl(*this);
    Create(text, identifier, x, y, width, height, parentControl, enabled, visible, centred, exStyle);
}

bool VisibleGroupBox::Create(const String& text, int identifier, int x, int y, int width,
                             int height, Control parentControl, bool enabled, bool visible,
                             bool centred, DWORD exStyle)
{
    ControlPlacement place = {text,    identifier, x,       y,       width,
                              height,  enabled,    visible, centred, FrameExStyle(exStyle)};
    return CreateBasicControl(*this, kGroupBoxKind, kVisibleGroupBoxStyle, place, parentControl);
}

FrameBox::FrameBox()
{
    ClearBasicControl(*this);
}

FrameBox::FrameBox(const String& text, int identifier, int x, int y, int width, int height,
                   Control parentControl, bool enabled, bool visible, bool centred, DWORD exStyle)
{
    ClearBasicControl(*this);
    Create(text, identifier, x, y, width, height, parentControl, enabled, visible, centred, exStyle);
}

bool FrameBox::Create(const String& text, int identifier, int x, int y, int width, int height,
                      Control parentControl, bool enabled, bool visible, bool centred,
                      DWORD exStyle)
{
    ControlPlacement place = {text,    identifier, x,       y,       width,
                              height,  enabled,    visible, centred, FrameExStyle(exStyle)};
    return CreateBasicControl(*this, kFrameBoxKind, kFrameBoxStyle, place, parentControl);
}
