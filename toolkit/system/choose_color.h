/// \file
/// The colour chooser.
#ifndef WICKER_SYSTEM_CHOOSE_COLOR_H
#define WICKER_SYSTEM_CHOOSE_COLOR_H

#include <windows.h>
#include <commdlg.h>

/// The platform headers name ChooseColorA "ChooseColor" through a macro, which
/// would rename the toolkit's function too; the platform's call stays
/// available under that name as the overload below.
#ifdef ChooseColor
#undef ChooseColor
#endif
inline BOOL ChooseColor(LPCHOOSECOLORA settings)
{
    return ChooseColorA(settings);
}

/// ChooseColorA opening fully on `colour` (CC_RGBINIT | CC_FULLOPEN), with the
/// program's 16 custom colours, which keep what the user puts there from one
/// dialog to the next. True for OK, and `colour` is then the chosen colour;
/// otherwise it is left as it was.
bool ChooseColor(HWND owner, COLORREF& colour);

/// The program's custom colours as the colour chooser left them (16 entries).
COLORREF* CustomColors();

#endif
