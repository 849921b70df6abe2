#include "choose_color.h"

#include <cstring>

namespace {

// White until the user keeps colours there.
COLORREF customColors[16] = {
    0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF,
    0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF};

}  // namespace

COLORREF* CustomColors()
{
    return customColors;
}

bool ChooseColor(HWND owner, COLORREF& colour)
{
    CHOOSECOLORA settings;
    std::memset(&settings, 0, sizeof settings);
    settings.lStructSize = sizeof settings;
    settings.hwndOwner = owner;
    settings.rgbResult = colour;
    settings.lpCustColors = customColors;
    settings.Flags = CC_RGBINIT | CC_FULLOPEN;
    if (!ChooseColorA(&settings))
        return false;
    colour = settings.rgbResult;
    return true;
}
