// Reads the two-line records of the game's text files, a line at a time.
#ifndef TUCKLE_LINE_READER_H
#define TUCKLE_LINE_READER_H

#include <cstdio>

// Reads one line into an entry of EntryBytes bytes. A line ends at LF or at
// CR LF on every platform; the break is not stored. A line longer than
// LineChars keeps its first LineChars characters and the rest is skipped.
// Returns true when the line ended with a line break, false when the end of
// the file was met first (the entry then holds what was read, maybe nothing).
bool ReadLine(std::FILE* file, char* entry);

// Moves past a UTF-8 byte-order mark (EF BB BF) at the start of a file just
// opened; any other start is left to be read. Notepad writes the mark when it
// saves a file as UTF-8.
void SkipByteOrderMark(std::FILE* file);

#endif
