/// \file
/// The toolkit's start-up and exit: what runs before the program's entry point
/// and after it returns, and the process-wide words it keeps.
#ifndef WICKER_FOUNDATION_STARTUP_H
#define WICKER_FOUNDATION_STARTUP_H

#include <windows.h>

#include "string_list.h"

/// Module handle of "riched32.dll", loaded at start-up and never released; null
/// when loading failed (rich text boxes then fail to create).
extern HMODULE RichEditModule;
/// What InitCommonControlsEx answered at start-up (TRUE when every class is registered).
extern BOOL CommonControlsResult;

/// Built at start-up from a flag; it keeps nothing.
struct StartupFlag {
    /// Takes the flag and keeps nothing.
    explicit StartupFlag(bool) {}
};

///@{
/// The empty holders built last at start-up.
extern StartupFlag StartupDone;
extern StringList EmptyList;
///@}

///@{
/// The start-up lives in a static library, where an object file holding only
/// global constructors is left out unless something refers to it. Every unit
/// that includes the toolkit's header refers to it through this word, so every
/// program built on the toolkit runs the start-up.
extern const int WickerStartupAnchor;
static const int* const wickerStartupLink __attribute__((used)) = &WickerStartupAnchor;
///@}

#endif
