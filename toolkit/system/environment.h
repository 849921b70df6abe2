/// \file
/// Reading environment variables of any length.
#ifndef WICKER_SYSTEM_ENVIRONMENT_H
#define WICKER_SYSTEM_ENVIRONMENT_H

#include <windows.h>

#include "../foundation/string.h"

/// The buffer System.GetEnvironmentVariable reads into first.
const DWORD kEnvironmentBuffer = 50000;

/// The whole value of the variable (GetEnvironmentVariableA), read first into
/// a buffer of `firstBuffer` bytes and again into one of the size the call
/// asks for when the value does not fit; "WKP_ERROR" when the variable does
/// not exist or is empty.
String ReadEnvironmentVariable(const String& name, DWORD firstBuffer = kEnvironmentBuffer);

#endif
