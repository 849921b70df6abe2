#include "word_list.h"

#include <cstdio>
#include <cstring>

#include "line_reader.h"

const char WordListFile[] = "data.txt";

void WordListPath(const GameState& state, char* path, int size)
{
    std::snprintf(path, size, "%s\\%s", state.subjectFolder, WordListFile);
}

namespace {

// The game names its files with backslashes, as Windows does; a native
// build turns them into the host's separator to open the file.
std::FILE* OpenForReading(char* path)
{
#ifndef _WIN32
    for (char* p = path; *p; ++p)
        if (*p == '\\') *p = '/';
#endif
    return std::fopen(path, "rb");
}

} // namespace

ListLoad LoadWordList(GameState& state)
{
    state.wordCount = 0;
    state.poolCount = 0;

    char path[WordListPathBytes];
    WordListPath(state, path, sizeof path);
    std::FILE* file = OpenForReading(path);
    if (!file) return ListUnreadable;
    SkipByteOrderMark(file);

    int i = 0;
    for (;;) {
        ++i;
        bool more = ReadLine(file, state.wordTable[i]);
        more = ReadLine(file, state.pictureTable[i]) && more;
        state.drawPool[i] = i;
        if (!more || i > MaxRecords) break;
    }
    std::fclose(file);

    state.drawPool[0] = 0;
    state.wordCount = state.poolCount = i - 1;
    return state.wordCount > 0 ? ListLoaded : ListEmpty;
}
