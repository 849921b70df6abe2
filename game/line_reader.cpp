#include "line_reader.h"

#include "game_state.h"

bool ReadLine(std::FILE* file, char* entry)
{
    int length = 0;
    bool ended = false;
    for (;;) {
        int c = std::fgetc(file);
        if (c == EOF) break;
        if (c == '\n') {
            ended = true;
            break;
        }
        if (length < LineChars) entry[length++] = static_cast<char>(c);
    }
    // The file is opened in binary mode so both platforms see the same bytes;
    // a CR right before the LF belongs to the line break.
    if (length > 0 && entry[length - 1] == '\r') --length;
    entry[length] = '\0';
    return ended;
}

void SkipByteOrderMark(std::FILE* file)
{
    static const unsigned char Mark[3] = {0xEF, 0xBB, 0xBF};
    unsigned char start[3];
    std::size_t read = std::fread(start, 1, sizeof start, file);
    if (read == sizeof start && start[0] == Mark[0] && start[1] == Mark[1] && start[2] == Mark[2])
        return;
    std::rewind(file);
}
