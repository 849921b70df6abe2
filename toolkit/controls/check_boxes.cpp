#include "check_boxes.h"

#include "basic_control.h"

static_assert(kCheckBoxStyle == (WS_CHILD | WS_TABSTOP | BS_MULTILINE | BS_AUTOCHECKBOX),
              "check box style");
static_assert(kRadioButtonStyle == (WS_CHILD | WS_TABSTOP | BS_MULTILINE | BS_AUTORADIOBUTTON),
              "radio button style");

namespace {

// The own step checks the box.
const ControlKind kCheckBoxKind = {
    "BUTTON",
    "",
    {kStepText, kStepMove, kStepSize, kStepFont, kStepCentre, kStepDisable, kStepOwn, kStepShow,
     kStepEnd}};
const ControlKind kRadioButtonKind = {
    "BUTTON", NULL, {kStepFont, kStepCentre, kStepDisable, kStepShow, kStepEnd}};

void CheckStep(Control& control, void* checked)
{
    if (*static_cast<bool*>(checked))
        SendMessageA(control.hwnd, BM_SETCHECK, BST_CHECKED, 0);
}

// BM_GETCHECK is BST_CHECKED; BST_INDETERMINATE is not.
bool IsChecked(HWND window)
{
    return SendMessageA(window, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void SetCheck(HWND window, bool checked)
{
    SendMessageA(window, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

}  // namespace

// ---- CheckBox ----

CheckBox::CheckBox()
{
    ClearBasicControl(*this);
    BindProperties();
}

CheckBox::CheckBox(const String& text, int identifier, int x, int y, int width, int height,
                   Control parentControl, bool checked, bool enabled, bool visible, bool centred,
                   DWORD exStyle)
{
    ClearBasicControl(*this);
    BindProperties();
    Create(text, identifier, x, y, width, height, parentControl, checked, enabled, visible,
           centred, exStyle);
}

CheckBox::CheckBox(const String& text, int identifier, Control parentControl, bool checked)
{
    ClearBasicControl(*this);
    BindProperties();
    Create(text, identifier, 0, 0, 0, 0, parentControl, checked);
}

void CheckBox::BindProperties()
{
    Checked.Bind(this, &CheckBox::GetChecked, &CheckBox::SetChecked);
}

bool CheckBox::Create(const String& text, int identifier, int x, int y, int width, int height,
                      Control parentControl, bool checked, bool enabled, bool visible,
                      bool centred, DWORD exStyle)
{
    ControlPlacement place = {text, identifier, x, y, width, height, enabled, visible, centred, exStyle};
    return CreateBasicControl(*this, kCheckBoxKind, kCheckBoxStyle, place, parentControl,
                              CheckStep, &checked);
}

bool CheckBox::GetChecked()
{
    return IsChecked(hwnd);
}

void CheckBox::SetChecked(bool checked)
{
    SetCheck(hwnd, checked);
}

// ---- RadioButton ----

RadioButton::RadioButton()
{
    ClearBasicControl(*this);
    BindProperties();
}

RadioButton::RadioButton(const String& text, int identifier, int x, int y, int width, int height,
                         Control parentControl, bool enabled, bool visible, bool centred,
                         DWORD exStyle)
{
    ClearBasicControl(*this);
    BindProperties();
    Create(text, identifier, x, y, width, height, parentControl, enabled, visible, centred, exStyle);
}

RadioButton::RadioButton(const String& text, int identifier, Control parentControl)
{
    ClearBasicControl(*this);
    BindProperties();
    Create(text, identifier, 0, 0, 0, 0, parentControl);
}

void RadioButton::BindProperties()
{
    Checked.Bind(this, &RadioButton::GetChecked, &RadioButton::SetChecked);
}

bool RadioButton::Create(const String& text, int identifier, int x, int y, int width, int height,
                         Control parentControl, bool enabled, bool visible, bool centred,
                         DWORD exStyle)
{
    ControlPlacement place = {text, identifier, x, y, width, height, enabled, visible, centred, exStyle};
    return CreateBasicControl(*this, kRadioButtonKind, kRadioButtonStyle, place, parentControl);
}

bool RadioButton::GetChecked()
{
    return IsChecked(hwnd);
}

void RadioButton::SetChecked(bool checked)
{
    SetCheck(hwnd, checked);
}
