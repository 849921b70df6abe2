// The reads and writes of TextFile over an open runtime file, in plain bytes.
// Standard library only, so that they also build (and are tested and fuzzed)
// natively.
#ifndef WICKER_CONTROLS_TEXT_STREAM_H
#define WICKER_CONTROLS_TEXT_STREAM_H

#include <cstddef>
#include <cstdio>
#include <string>

// Most bytes of a line that one line read returns: a 1024-byte line buffer
// less its terminator. Longer lines come back in pieces of this size.
const std::size_t kTextLinePiece = 1023;

// Reads the next line, or the next kTextLinePiece bytes of a longer one, into
// `line`. A final line feed is removed, and so is a carriage return that ends
// the file; every other byte is kept, a zero byte as a space. A line of
// exactly kTextLinePiece bytes comes back whole, its line feed taken with it.
// Returns the number of bytes taken from the file; 0 (and an empty line) when
// nothing could be read.
std::size_t ReadTextLine(std::FILE* file, std::string& line);

// Reads up to `count` bytes into `bytes`, which becomes exactly `count` bytes:
// zero bytes and the bytes missing at the end of the file as spaces. Returns
// the number of bytes read; 0 (and empty bytes) when none could be, or when
// the block cannot be allocated.
std::size_t ReadTextBytes(std::FILE* file, std::size_t count, std::string& bytes);

// The file's length in bytes as the system holds it (bytes still in the
// stream's write buffer are not counted), without moving its position; -1
// when it cannot be told.
long long TextStreamSize(std::FILE* file);

// The whole file from its start, read after rewinding it: zero bytes as
// spaces, and as many spaces at the end as the text read fell short of the
// file's length (a text-mode read turns each CR LF into one line feed).
// Empty for an empty file or one whose length cannot be told.
void ReadWholeText(std::FILE* file, std::string& text);

// Writes every byte at the current position; false when not all were written.
bool WriteTextBytes(std::FILE* file, const char* bytes, std::size_t count);

#endif
