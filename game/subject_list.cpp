#include "subject_list.h"

#include <cstdio>
#include <cstring>

#include "line_reader.h"

const char SubjectListFile[] = "tuckle.ini";

ListLoad LoadSubjectList(GameState& game)
{
    game.subjectCount = 0;
    std::FILE* file = std::fopen(SubjectListFile, "rb");
    if (!file) return ListUnreadable;

    // A record counts when its folder line ends with a line break; reading
    // stops at the first line that meets the end of the file. Records past
    // the tables' room are dropped.
    int i = 0;
    for (;;) {
        ++i;
        bool more = ReadLine(file, game.subjectNames[i]);
        // The subject list carries no source for the mark.
        game.subjectMarks[i] = 0;
        more = ReadLine(file, game.subjectFolders[i]) && more;
        if (!more || i > MaxRecords) break;
    }
    std::fclose(file);

    game.subjectCount = i - 1;
    return game.subjectCount > 0 ? ListLoaded : ListEmpty;
}

void SelectSubject(GameState& game, int n)
{
    if (n < 1 || n > game.subjectCount) return;
    std::memcpy(game.subjectName, game.subjectNames[n], EntryBytes);
    std::memcpy(game.subjectFolder, game.subjectFolders[n], EntryBytes);
}
