// Characters beyond ASCII in an RTF body, written as RTF's Unicode escapes.
#ifndef WICKER_RICHTEXT_RTF_UNICODE_CORE_H
#define WICKER_RICHTEXT_RTF_UNICODE_CORE_H

#include <cstddef>
#include <string>

namespace rtfcore {

// The body with every well-formed UTF-8 sequence written as "\uN?": N the
// character's UTF-16 unit as a signed 16-bit number, '?' the character a
// reader without Unicode shows instead (one, RTF's default "\uc1"). A
// character beyond the basic plane takes two escapes, its surrogate pair.
// Every other byte stays as it is (ASCII, and bytes of no well-formed
// sequence), so a body that is not UTF-8 comes through unchanged.
std::string EscapeUtf8(const std::string& body);

// At least the size of EscapeUtf8's result for a body of that many bytes.
std::size_t EscapeUtf8SizeBound(std::size_t bodySize);

}  // namespace rtfcore

#endif
