// Appending to the game's fixed-size, zero-terminated text buffers.
#ifndef TUCKLE_TEXT_BUFFER_H
#define TUCKLE_TEXT_BUFFER_H

#include <cstddef>

// Appends text to a zero-terminated buffer of the given size, cutting only
// what would not fit.
void AppendText(char* buffer, std::size_t size, const char* text);

#endif
