// Reads a window's client area as a screen reader does
// (AccessibleObjectFromWindow), for tests of what screen readers hear.
#ifndef TESTS_SUPPORT_ACCESSIBLE_READER_H
#define TESTS_SUPPORT_ACCESSIBLE_READER_H

#include <windows.h>
#include <oleacc.h>

#include <string>

// The IAccessible of the window's client area, or null.
IAccessible* ClientObject(HWND window);

// The name (or value) of a child (CHILDID_SELF for the object itself) in the
// ANSI code page; `result` gets the HRESULT when given.
std::string NameOf(IAccessible* object, LONG child, HRESULT* result = nullptr);
std::string ValueOf(IAccessible* object, LONG child, HRESULT* result = nullptr);

// The names a screen reader hears for the window, each on its own line:
// the window first, then child 1, 2, ... up to `children` (all of them
// when -1).
std::string NamesHeard(HWND window, int children = -1);

#endif
