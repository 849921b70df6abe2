/// \file
/// Base64 with the standard alphabet and "=" padding, over plain byte buffers.
/// This header and its source use the standard library alone, so the codec
/// also builds (and is tested and fuzzed) natively.
#ifndef WICKER_SYSTEM_BASE64_H
#define WICKER_SYSTEM_BASE64_H

#include <cstddef>

/// Longest input Base64EncodeRaw takes.
const unsigned kBase64MaxRawLength = 0x3FFFFFFEu;

/// Encodes `length` bytes at `data` into `output`, followed by a zero byte, and
/// returns `output`. Null, with the buffer untouched, when the data is longer
/// than kBase64MaxRawLength or the output size is less than 4 * length / 3 + 12
/// (also for a null output, or null data with a length). No line breaks.
char* Base64EncodeRaw(char* output, int outputSize, const void* data, unsigned length);

/// Decodes the zero-terminated text up to its end or its first "=", writing at
/// most `outputSize` bytes (further bytes are dropped, the text is still
/// checked). Returns the number of bytes written, or -1 when a character
/// outside the alphabet comes first (blanks and line breaks included; the
/// bytes decoded before it stay in the buffer). No zero byte is appended.
int Base64DecodeRaw(void* output, const char* text, int outputSize);

/// The core under the raw forms and the String forms (base64_string.h),
/// without their length limits.

/// Characters in the encoding of `length` bytes, padding included.
std::size_t Base64EncodedLength(std::size_t length);
/// Writes exactly Base64EncodedLength(length) characters, without a zero byte.
void Base64EncodeTo(char* output, const void* data, std::size_t length);

/// What Base64DecodeText did: bytes written, and false when it stopped at a
/// character outside the alphabet.
struct Base64Decoded {
    /// The bytes written to the output.
    std::size_t written;
    /// False when the input held a character or padding base64 does not allow.
    bool valid;
};
/// Decodes as Base64DecodeRaw does, into up to `outputSize` bytes.
Base64Decoded Base64DecodeText(void* output, std::size_t outputSize, const char* text);

#endif
