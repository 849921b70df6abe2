/// \file
/// Where the toolkit's bytes become the system's characters and back.
///
/// A String holds bytes of the system's ANSI code page (GetACP: UTF-8 under
/// the manifest kit's setting, else the code page of the system's language).
/// The controls hold UTF-16 and count their character positions in UTF-16
/// units. Every text crosses here: in through MultiByteToWideChar, out
/// through WideCharToMultiByte, both with CP_ACP. Positions and lengths a
/// program sees count bytes of its String, as every other operation does;
/// the functions below turn them into the units a control counts and back.
///
/// Some controls give an ANSI text back in a buffer sized as if every
/// character took one byte, or report its length in characters: under a
/// multi-byte code page (UTF-8 takes up to three bytes for one UTF-16 unit)
/// such a read is cut, or overruns a buffer made to that length. Their wide
/// messages count exactly, and the conversion here gives the bytes the ANSI
/// message would have given whole.
///
///     String text = "Gr\xC3\xBC\xC3\x9F" "e";   // "Grüße" under UTF-8: 7 bytes
///     UnitsFromBytes(text, 7);                  // 5: the control's position
///     BytesFromUnits(text, 3);                  // 4: after "Grü"
#ifndef WICKER_FOUNDATION_WIDE_TEXT_H
#define WICKER_FOUNDATION_WIDE_TEXT_H

#include <cstddef>
#include <string>

#include "string.h"

///@{
/// The UTF-16 text (`length` units, no terminator needed) in the system's
/// ANSI code page (WideCharToMultiByte, CP_ACP).
String AnsiFromWide(const wchar_t* text, std::size_t length);
String AnsiFromWide(const std::wstring& text);
///@}

///@{
/// The text of the ANSI code page as UTF-16 (MultiByteToWideChar, CP_ACP).
std::wstring WideFromAnsi(const char* text, std::size_t length);
std::wstring WideFromAnsi(const String& text);
///@}

/// The number of UTF-16 units the first `bytes` bytes of the text make: the
/// control's position of a byte offset in the program's String. An offset
/// inside a character counts from that character's start; one past the end
/// counts the whole text.
std::size_t UnitsFromBytes(const String& text, std::size_t bytes);

/// The byte offset in the text of the control's position `units` (UTF-16
/// units from the start). A position inside a character (between the two
/// units of a surrogate pair) gives that character's start; one past the end
/// gives the text's length.
std::size_t BytesFromUnits(const String& text, std::size_t units);

///@{
/// A text a control copies into a caller's buffer of UTF-16 units without
/// telling its length (TVM_GETITEMW, TCM_GETITEMW, LVM_GETITEMTEXTW, ...).
/// `read(buffer, size, &answer)` asks for it into `buffer` of `size` units
/// and returns false when the control has no such text; the control may
/// point `answer` at its own copy instead of filling the buffer. The buffer
/// grows until the text fits with room to spare, so a text of any length
/// comes back whole.
template <typename Read>
String ReadWideText(Read read)
{
    std::wstring buffer(256, L'\0');
    for (;;) {
        buffer[0] = L'\0';
        const wchar_t* answer = buffer.c_str();
        if (!read(&buffer[0], static_cast<int>(buffer.size()), &answer))
            return String();
        if (answer == NULL)
            return String();
        if (answer != buffer.c_str())
            return AnsiFromWide(answer, std::char_traits<wchar_t>::length(answer));
        std::size_t length = 0;
        while (length < buffer.size() && buffer[length] != L'\0')
            ++length;
        if (length + 1 < buffer.size() || buffer.size() >= 0x1000000)
            return AnsiFromWide(buffer.c_str(), length);
        buffer.assign(buffer.size() * 4, L'\0');
    }
}
///@}

#endif
