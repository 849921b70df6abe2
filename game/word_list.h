// A subject's word list "data.txt": word and picture name pairs.
#ifndef TUCKLE_WORD_LIST_H
#define TUCKLE_WORD_LIST_H

#include "game_state.h"
#include "subject_list.h"

extern const char WordListFile[];  // "data.txt"

// Room for a word list's path: a subject folder, a backslash and the name.
const int WordListPathBytes = 64 + 1 + 8 + 1;

// Writes the word list's path below the current directory ("folder\data.txt")
// into path, a buffer of the given size.
void WordListPath(const GameState& state, char* path, int size);

// Reads the word list of the subject in play into the word tables and starts
// a fresh draw cycle. On failure wordCount and poolCount are 0.
ListLoad LoadWordList(GameState& state);

#endif
