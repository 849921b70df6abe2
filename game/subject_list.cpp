#include "subject_list.h"

#include <cstdio>
#include <cstring>

#include "line_reader.h"

const char SubjectListFile[] = "tuckle.ini";

ListLoad LoadSubjectList(GameState& state)
{
    state.subjectCount = 0;
    std::FILE* file = std::fopen(SubjectListFile, "rb");
    if (!file) return ListUnreadable;
    SkipByteOrderMark(file);

    // A record counts when its folder line ends with a line break; reading
    // stops at the first line that meets the end of the file. Records past
    // the tables' room are dropped.
    int i = 0;
    for (;;) {
        ++i;
        bool more = ReadLine(file, state.subjectNames[i]);
        // The subject list carries no source for the mark.
        state.subjectMarks[i] = 0;
        more = ReadLine(file, state.subjectFolders[i]) && more;
        if (!more || i > MaxRecords) break;
    }
    std::fclose(file);

    state.subjectCount = i - 1;
    return state.subjectCount > 0 ? ListLoaded : ListEmpty;
}

void SelectSubject(GameState& state, int n)
{
    if (n < 1 || n > state.subjectCount) return;
    std::memcpy(state.subjectName, state.subjectNames[n], EntryBytes);
    std::memcpy(state.subjectFolder, state.subjectFolders[n], EntryBytes);
}
