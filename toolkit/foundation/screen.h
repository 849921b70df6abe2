/// \file
/// The process-wide screen object: size of the primary screen and the desktop window.
#ifndef WICKER_FOUNDATION_SCREEN_H
#define WICKER_FOUNDATION_SCREEN_H

#include <windows.h>

#include "property.h"

/// Primary screen size, read from the system on every access.
class ScreenObject {
public:
    /// The desktop window, taken once at construction (GetDesktopWindow).
    HWND desktop;

    /// Width of the primary screen in pixels (GetSystemMetrics SM_CXSCREEN); read-only.
    Property<ScreenObject, int> Width;
    /// Height of the primary screen in pixels (GetSystemMetrics SM_CYSCREEN); read-only.
    Property<ScreenObject, int> Height;

    ScreenObject();
    /// Copies the desktop handle; the properties stay bound to this object.
    ScreenObject(const ScreenObject& other);
    /// The same for an assignment.
    ScreenObject& operator=(const ScreenObject& other);

private:
    void BindProperties();
    int GetWidth();
    int GetHeight();
};

/// The one screen object of the program, built by the toolkit's start-up.
extern ScreenObject Screen;

#endif
