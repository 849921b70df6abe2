#include "guessing_engine.h"

#include "text_buffer.h"
#include "utterances.h"

#include <cstdlib>
#include <cstring>
#include <ctime>

namespace {

bool IsLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

} // namespace

bool DrawNextWord(GameState& state)
{
    if (state.wordCount < 1) return false;

    std::srand(static_cast<unsigned>(std::time(nullptr)));

    if (state.poolCount <= 0) {
        state.poolCount = state.wordCount;
        for (int i = 0; i <= state.poolCount; ++i) state.drawPool[i] = i;
    }

    int k = std::rand() % state.poolCount + 1;
    state.currentEntry = state.drawPool[k];

    // Close the gap; the last position takes position 0's value (always 0).
    for (int i = k; i <= state.poolCount; ++i)
        state.drawPool[i] = (i == state.poolCount) ? state.drawPool[0] : state.drawPool[i + 1];
    --state.poolCount;

    std::memcpy(state.currentWord, state.wordTable[state.currentEntry], EntryBytes);
    std::memcpy(state.maskedWord, state.wordTable[state.currentEntry], EntryBytes);
    std::memcpy(state.currentPicture, state.pictureTable[state.currentEntry], EntryBytes);
    // The tables are written by the loaders, which always terminate their
    // lines; terminate here too so a hand-filled table cannot run over.
    state.currentWord[LineChars] = '\0';
    state.maskedWord[LineChars] = '\0';
    state.currentPicture[LineChars] = '\0';

    for (char* p = state.currentWord; *p; ++p)
        if (*p >= 'a' && *p <= 'z') *p = static_cast<char>(*p - 'a' + 'A');

    std::strcpy(state.wrongLetters, " ");
    MaskWord(state);

    state.wrongCount = 0;
    state.wrongLimit = WrongLimitPerWord;
    state.lettersFound = 0;
    state.dialogMode = 0;
    state.pictureShown = false;
    for (int i = 0; i <= LetterCount; ++i) state.triedLetters[i] = 0;

    state.picturePath[0] = '\0';
    AppendText(state.picturePath, sizeof state.picturePath, "\\");
    AppendText(state.picturePath, sizeof state.picturePath, state.subjectFolder);
    AppendText(state.picturePath, sizeof state.picturePath, "\\");
    AppendText(state.picturePath, sizeof state.picturePath, state.currentPicture);

    SetWordUtterance(state);
    return true;
}

void MaskWord(GameState& state)
{
    state.lettersToFind = static_cast<int>(std::strlen(state.currentWord));
    for (int i = 0; state.currentWord[i]; ++i) {
        char c = state.currentWord[i];
        if (c == ' ') {
            state.maskedWord[i] = '/';
            --state.lettersToFind;
        } else if (IsLetter(c)) {
            state.maskedWord[i] = '-';
        } else {
            state.maskedWord[i] = c;
            --state.lettersToFind;
        }
    }
}

void EvaluateGuess(GameState& state)
{
    if (state.guessIndex < 1 || state.guessIndex > LetterCount) return;
    if (state.triedLetters[state.guessIndex] == 1) return;

    const char letter = state.guessLetter[0];
    const int foundBefore = state.lettersFound;
    for (int i = 0; state.currentWord[i]; ++i) {
        if (state.maskedWord[i] != letter && state.currentWord[i] == letter) {
            state.maskedWord[i] = letter;
            ++state.lettersFound;
        }
    }

    if (state.lettersFound == foundBefore) {
        ++state.wrongCount;
        const char wrong[3] = {' ', letter, '\0'};
        AppendText(state.wrongLetters, sizeof state.wrongLetters, wrong);
        AppendText(state.speechText, sizeof state.speechText, "... wrong");
    } else {
        AppendText(state.speechText, sizeof state.speechText, "... right");
    }
    state.triedLetters[state.guessIndex] = 1;
}

WordResult WordOutcome(const GameState& state)
{
    if (state.wrongCount >= state.wrongLimit) return WordLost;
    if (state.lettersFound >= state.lettersToFind) return WordWon;
    return WordContinuing;
}

bool SetGuess(GameState& state, char letter)
{
    if (letter >= 'a' && letter <= 'z') letter = static_cast<char>(letter - 'a' + 'A');
    if (letter < 'A' || letter > 'Z') return false;
    state.guessLetter[0] = letter;
    state.guessLetter[1] = '\0';
    state.guessIndex = letter - 'A' + 1;
    return true;
}
