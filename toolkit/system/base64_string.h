/// \file
/// Base64 of the toolkit's strings.
#ifndef WICKER_SYSTEM_BASE64_STRING_H
#define WICKER_SYSTEM_BASE64_STRING_H

#include "foundation/string.h"
#include "system/base64.h"

/// The encoding of all the string's bytes, embedded zero bytes included, at
/// any length.
String Base64Encode(const String& text);
/// The bytes decoded from the text (up to its first zero byte or "="), every
/// one kept, zero bytes included; at a character outside the alphabet, the
/// bytes decoded before it.
String Base64Decode(const String& text);

#endif
