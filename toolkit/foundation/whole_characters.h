/// \file
/// Cutting a text of the ANSI code page without splitting a character.
#ifndef WICKER_FOUNDATION_WHOLE_CHARACTERS_H
#define WICKER_FOUNDATION_WHOLE_CHARACTERS_H

#include <cstddef>

#include "string.h"

/// The length of the longest start of the text of at most `limit` bytes that
/// ends after a whole character of the system's ANSI code page (GetACP): under
/// UTF-8 (65001) a cut never falls inside a character's byte sequence, under a
/// double-byte code page never between a lead byte and its trail byte. The
/// text's own length when it is no longer than the limit.
std::size_t WholeCharactersLength(const char* text, std::size_t length, std::size_t limit);

/// The most bytes one UTF-16 unit takes in the system's ANSI code page: 3 under
/// UTF-8, 2 under a double-byte code page, else 1.
std::size_t MostBytesPerUnit();

/// The text cut to at most `limit` bytes of whole characters.
String WholeCharactersPrefix(const String& text, std::size_t limit);

#endif
