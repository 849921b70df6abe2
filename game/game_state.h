// The game's single state record: subject and word tables, the word in play,
// counters, tallies and the text buffers. Plain data, no platform types.
#ifndef TUCKLE_GAME_STATE_H
#define TUCKLE_GAME_STATE_H

// Table shape shared with the data files: 1000 entries numbered from 1 (entry 0
// is never filled), each entry a zero-terminated line of at most 59 characters.
const int TableEntries = 1000;
const int EntryBytes = 60;
const int LineChars = EntryBytes - 1;
// Entry 0 is unused and the entry after the last record takes the empty read
// at the end of the file, so a file can hold at most this many records.
const int MaxRecords = TableEntries - 2;

const int LetterCount = 26;
const int WrongLimitPerWord = 10;

// Room for the longest utterance the game builds: a letter's phrase, its
// verdict, a won word of 59 characters spelled letter by letter ("W. " each),
// the word itself and the closing phrase, with margin.
const int SpeechTextBytes = 512;

struct GameState {
    // Subject tables (filled once from the subject list).
    char subjectNames[TableEntries][EntryBytes];
    char subjectFolders[TableEntries][EntryBytes];
    int subjectMarks[TableEntries];
    int subjectCount;
    int currentSubject;
    int chosenSubject;
    char subjectName[64];
    char subjectFolder[64];

    // Word tables of the subject in play.
    char wordTable[TableEntries][EntryBytes];
    char pictureTable[TableEntries][EntryBytes];
    int wordCount;
    int drawPool[TableEntries];
    int poolCount;
    int currentEntry;

    // The word in play.
    char currentWord[128];
    char maskedWord[64];
    char currentPicture[64];
    char picturePath[128];
    char wrongLetters[60];
    char guessLetter[4];
    int guessIndex;
    int triedLetters[LetterCount + 1];
    int wrongCount;
    int wrongLimit;
    int lettersToFind;
    int lettersFound;
    bool pictureShown;
    char speechText[SpeechTextBytes];

    // Tallies since start-up or the last subject change.
    int wonCount;
    int lostCount;

    // Which variant the small dialogs show.
    int dialogMode;

    // The main window's caption: "Tuckle's - " and the subject name, which
    // may be a full 59-character line.
    char windowTitle[80];
};

#endif
