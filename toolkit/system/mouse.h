// The process-wide mouse object.
#ifndef WICKER_SYSTEM_MOUSE_H
#define WICKER_SYSTEM_MOUSE_H

// The mouse pointer; it holds no state of its own.
struct MouseObject {};

// The one mouse object of the program, built by the toolkit's start-up.
extern MouseObject Mouse;

#endif
