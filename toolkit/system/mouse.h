/// \file
/// The process-wide mouse object.
#ifndef WICKER_SYSTEM_MOUSE_H
#define WICKER_SYSTEM_MOUSE_H

#include <windows.h>

#include "../foundation/property.h"

/// The mouse pointer; it holds no state of its own.
class MouseObject {
public:
    /// Write only: ShowCursor with the flag; the system's display counter
    /// goes up (true) or down (false) by one.
    Property<MouseObject, bool> Visible;
    ///@{
    /// The pointer's screen coordinates (GetCursorPos), -1 when that fails.
    /// Writing one moves the pointer there and keeps the other coordinate.
    Property<MouseObject, int> X;
    Property<MouseObject, int> Y;
    ///@}

    MouseObject();

    ///@{
    /// ShowCursor(TRUE) / ShowCursor(FALSE); the new display counter.
    int Show();
    int Hide();
    ///@}
    /// SetCursorPos; true on success.
    bool MoveTo(int x, int y);

private:
    void BindProperties();
    void SetVisibleValue(bool visible);
    int ReadX();
    void WriteX(int x);
    int ReadY();
    void WriteY(int y);
};

/// The one mouse object of the program, built by the toolkit's start-up.
extern MouseObject Mouse;

#endif
