#include "text_buffer.h"

#include <cstring>

void AppendText(char* buffer, std::size_t size, const char* text)
{
    std::size_t used = std::strlen(buffer);
    std::size_t n = std::strlen(text);
    if (n > size - 1 - used) n = size - 1 - used;
    std::memcpy(buffer + used, text, n);
    buffer[used + n] = '\0';
}
