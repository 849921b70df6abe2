#include "mouse.h"

MouseObject::MouseObject()
{
    BindProperties();
}

void MouseObject::BindProperties()
{
    Visible.Bind(this, NULL, &MouseObject::SetVisibleValue);
    X.Bind(this, &MouseObject::ReadX, &MouseObject::WriteX);
    Y.Bind(this, &MouseObject::ReadY, &MouseObject::WriteY);
}

int MouseObject::Show()
{
    return ShowCursor(TRUE);
}

int MouseObject::Hide()
{
    return ShowCursor(FALSE);
}

bool MouseObject::MoveTo(int x, int y)
{
    return SetCursorPos(x, y) != FALSE;
}

void MouseObject::SetVisibleValue(bool visible)
{
    ShowCursor(visible ? TRUE : FALSE);
}

// GetCursorPos x, or -1.
int MouseObject::ReadX()
{
    POINT point;
    return GetCursorPos(&point) ? point.x : -1;
}

// SetCursorPos at the new x and the current y.
void MouseObject::WriteX(int x)
{
    SetCursorPos(x, ReadY());
}

// GetCursorPos y, or -1.
int MouseObject::ReadY()
{
    POINT point;
    return GetCursorPos(&point) ? point.y : -1;
}

// SetCursorPos at the current x and the new y.
void MouseObject::WriteY(int y)
{
    SetCursorPos(ReadX(), y);
}
