// The process-wide system object.
#ifndef WICKER_SYSTEM_SYSTEM_H
#define WICKER_SYSTEM_SYSTEM_H

// One-call access to the operating system; it holds no state of its own.
struct SystemObject {};

// The one system object of the program, built by the toolkit's start-up.
extern SystemObject System;

#endif
