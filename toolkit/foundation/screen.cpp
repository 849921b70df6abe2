#include "screen.h"

ScreenObject::ScreenObject() : desktop(GetDesktopWindow())
{
    BindProperties();
}

ScreenObject::ScreenObject(const ScreenObject& other) : desktop(other.desktop)
{
    BindProperties();
}

ScreenObject& ScreenObject::operator=(const ScreenObject& other)
{
    desktop = other.desktop;
    return *this;
}

void ScreenObject::BindProperties()
{
    Width.Clear();
    Height.Clear();
    Width.Bind(this, &ScreenObject::GetWidth, NULL);
    Height.Bind(this, &ScreenObject::GetHeight, NULL);
}

// Primary screen width (GetSystemMetrics SM_CXSCREEN).
int ScreenObject::GetWidth()
{
    return GetSystemMetrics(SM_CXSCREEN);
}

// Primary screen height (GetSystemMetrics SM_CYSCREEN).
int ScreenObject::GetHeight()
{
    return GetSystemMetrics(SM_CYSCREEN);
}
