// Texts read from a control through its wide (UTF-16) message, handed on in
// the ANSI code page.
//
// Some controls give an ANSI text back in a buffer sized as if every
// character took one byte, or report its length in characters: under a
// multi-byte code page (UTF-8 takes up to three bytes for one UTF-16 unit)
// such a read is cut, or overruns a buffer made to that length. Their wide
// messages count exactly, and the conversion here gives the bytes the ANSI
// message would have given whole.
#ifndef WICKER_FOUNDATION_WIDE_TEXT_H
#define WICKER_FOUNDATION_WIDE_TEXT_H

#include <cstddef>

#include "string.h"

// The UTF-16 text (`length` units, no terminator needed) in the system's
// ANSI code page (WideCharToMultiByte, CP_ACP).
String AnsiFromWide(const wchar_t* text, std::size_t length);

#endif
