#include "button.h"

#include "basic_control.h"

static_assert(kButtonStyle == (WS_CHILD | WS_TABSTOP | BS_MULTILINE), "button style");
static_assert(kButtonImageStyle == BS_ICON && kButtonDefaultStyle == BS_DEFPUSHBUTTON,
              "button style bits");

namespace {

const ControlKind kButtonKind = {
    "BUTTON",
    "Button",
    {kStepText, kStepMove, kStepSize, kStepFont, kStepCentre, kStepDisable, kStepOwn, kStepShow,
     kStepEnd},
};

struct ButtonImage {
    bool image;
    IconObject* icon;
};

void ShowButtonImage(Control& control, void* context)
{
    ButtonImage* image = static_cast<ButtonImage*>(context);
    if (image->image)
        static_cast<Button&>(control).SetImage(*image->icon);
}

}  // namespace

Button::Button()
{
    ClearBasicControl(*this);
}

Button::Button(const String& text, int identifier, int x, int y, int width, int height,
               Control parentControl, bool enabled, bool visible, bool centred, bool isDefault,
               DWORD exStyle, bool image, IconObject icon)
{
    ClearBasicControl(*this);
    Create(text, identifier, x, y, width, height, parentControl, enabled, visible, centred,
           isDefault, exStyle, image, icon);
}

Button::Button(const String& text, int identifier, Control parentControl, bool isDefault)
{
    ClearBasicControl(*this);
    Create(text, identifier, 0, 0, 0, 0, parentControl, true, true, false, isDefault);
}

bool Button::Create(const String& text, int identifier, int x, int y, int width, int height,
                    Control parentControl, bool enabled, bool visible, bool centred,
                    bool isDefault, DWORD exStyle, bool image, IconObject icon)
{
    DWORD style = kButtonStyle;
    if (image)
        style |= kButtonImageStyle;
    if (isDefault)
        style |= kButtonDefaultStyle;
    ControlPlacement place = {text, identifier, x, y, width, height, enabled, visible, centred, exStyle};
    ButtonImage shown = {image, &icon};
    if (!CreateBasicControl(*this, kButtonKind, style, place, parentControl, ShowButtonImage, &shown))
        return false;
    // Program procedures find the button again through its window.
    SetUserData(this);
    return true;
}

LRESULT Button::SetImage(IconObject icon)
{
    return ShowKeptIcon(hwnd, BM_SETIMAGE, IMAGE_ICON, icon.icon);
}

// A push button ignores STM_SETIMAGE, the picture controls' message, so the
// icon goes through BM_SETIMAGE like any other.
bool Button::SetIconResource(int resourceId)
{
    HICON icon = LoadIconA(GetModuleHandleA(NULL), MAKEINTRESOURCEA(resourceId));
    if (icon == NULL || hwnd == NULL)
        return false;
    // LoadIconA's icon is shared by the module; the window shows its own copy.
    SetImage(IconObject(icon));
    return true;
}
