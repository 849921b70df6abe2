#include "word_list.h"

#include <cstdio>
#include <cstring>

#include "line_reader.h"

const char WordListFile[] = "data.txt";

void WordListPath(const GameState& game, char* path, int size)
{
    std::snprintf(path, size, "%s\\%s", game.subjectFolder, WordListFile);
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

ListLoad LoadWordList(GameState& game)
{
    game.wordCount = 0;
    game.poolCount = 0;

    char path[WordListPathBytes];
    WordListPath(game, path, sizeof path);
    std::FILE* file = OpenForReading(path);
    if (!file) return ListUnreadable;

    int i = 0;
    for (;;) {
        ++i;
        bool more = ReadLine(file, game.wordTable[i]);
        more = ReadLine(file, game.pictureTable[i]) && more;
        game.drawPool[i] = i;
        if (!more || i > MaxRecords) break;
    }
    std::fclose(file);

    game.drawPool[0] = 0;
    game.wordCount = game.poolCount = i - 1;
    return game.wordCount > 0 ? ListLoaded : ListEmpty;
}
