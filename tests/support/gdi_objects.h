// The number of GDI objects the test program holds, to find leaks.
#ifndef TESTS_SUPPORT_GDI_OBJECTS_H
#define TESTS_SUPPORT_GDI_OBJECTS_H

// GetGuiResources(GR_GDIOBJECTS). Wine answers that with 0, so under Wine
// the live entries of the process's shared GDI handle table are counted
// instead, in 64-bit, 32-bit and WoW64 processes alike. -1 when neither can
// be read.
long GdiObjectCount();

#endif
