// The subject list "tuckle.ini" and the choice of the subject in play.
#ifndef TUCKLE_SUBJECT_LIST_H
#define TUCKLE_SUBJECT_LIST_H

#include "game_state.h"

enum ListLoad {
    ListLoaded,      // at least one record was read
    ListUnreadable,  // the file is missing or cannot be opened
    ListEmpty        // the file was read but holds no complete record
};

extern const char SubjectListFile[];  // "tuckle.ini"

// Reads the subject list from the current directory into the subject
// tables. On failure subjectCount is 0.
ListLoad LoadSubjectList(GameState& state);

// Makes subject n (1..subjectCount) the subject in play: its name and folder.
void SelectSubject(GameState& state, int n);

#endif
