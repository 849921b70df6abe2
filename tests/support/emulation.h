// Whether the test program runs through a user-mode CPU emulator.
#ifndef TESTS_SUPPORT_EMULATION_H
#define TESTS_SUPPORT_EMULATION_H

// True when the Makefile runs the 32-bit suite through qemu-i386 (it sets
// TUCKLE_WIN32_EMULATED=1 there).
bool UnderEmulator();

// A time limit for waiting on other processes and windows, ten times as
// long under the emulator, where each program start costs seconds.
unsigned long EmulatorScaled(unsigned long milliseconds);

#endif
