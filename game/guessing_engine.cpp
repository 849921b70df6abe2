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

bool DrawNextWord(GameState& game)
{
    if (game.wordCount < 1) return false;

    std::srand(static_cast<unsigned>(std::time(nullptr)));

    if (game.poolCount <= 0) {
        game.poolCount = game.wordCount;
        for (int i = 0; i <= game.poolCount; ++i) game.drawPool[i] = i;
    }

    int k = std::rand() % game.poolCount + 1;
    game.currentEntry = game.drawPool[k];

    // Close the gap; the last position takes position 0's value (always 0).
    for (int i = k; i <= game.poolCount; ++i)
        game.drawPool[i] = (i == game.poolCount) ? game.drawPool[0] : game.drawPool[i + 1];
    --game.poolCount;

    std::memcpy(game.currentWord, game.wordTable[game.currentEntry], EntryBytes);
    std::memcpy(game.maskedWord, game.wordTable[game.currentEntry], EntryBytes);
    std::memcpy(game.currentPicture, game.pictureTable[game.currentEntry], EntryBytes);
    // The tables are written by the loaders, which always terminate their
    // lines; terminate here too so a hand-filled table cannot run over.
    game.currentWord[LineChars] = '\0';
    game.maskedWord[LineChars] = '\0';
    game.currentPicture[LineChars] = '\0';

    for (char* p = game.currentWord; *p; ++p)
        if (*p >= 'a' && *p <= 'z') *p = static_cast<char>(*p - 'a' + 'A');

    std::strcpy(game.wrongLetters, " ");
    MaskWord(game);

    game.wrongCount = 0;
    game.wrongLimit = WrongLimitPerWord;
    game.lettersFound = 0;
    game.dialogMode = 0;
    game.pictureShown = false;
    for (int i = 0; i <= LetterCount; ++i) game.triedLetters[i] = 0;

    game.picturePath[0] = '\0';
    AppendText(game.picturePath, sizeof game.picturePath, "\\");
    AppendText(game.picturePath, sizeof game.picturePath, game.subjectFolder);
    AppendText(game.picturePath, sizeof game.picturePath, "\\");
    AppendText(game.picturePath, sizeof game.picturePath, game.currentPicture);

    SetWordUtterance(game);
    return true;
}

void MaskWord(GameState& game)
{
    game.lettersToFind = static_cast<int>(std::strlen(game.currentWord));
    for (int i = 0; game.currentWord[i]; ++i) {
        char c = game.currentWord[i];
        if (c == ' ') {
            game.maskedWord[i] = '/';
            --game.lettersToFind;
        } else if (IsLetter(c)) {
            game.maskedWord[i] = '-';
        } else {
            game.maskedWord[i] = c;
            --game.lettersToFind;
        }
    }
}

void EvaluateGuess(GameState& game)
{
    if (game.guessIndex < 1 || game.guessIndex > LetterCount) return;
    if (game.triedLetters[game.guessIndex] == 1) return;

    const char letter = game.guessLetter[0];
    const int foundBefore = game.lettersFound;
    for (int i = 0; game.currentWord[i]; ++i) {
        if (game.maskedWord[i] != letter && game.currentWord[i] == letter) {
            game.maskedWord[i] = letter;
            ++game.lettersFound;
        }
    }

    if (game.lettersFound == foundBefore) {
        ++game.wrongCount;
        const char wrong[3] = {' ', letter, '\0'};
        AppendText(game.wrongLetters, sizeof game.wrongLetters, wrong);
        AppendText(game.speechText, sizeof game.speechText, "... wrong");
    } else {
        AppendText(game.speechText, sizeof game.speechText, "... right");
    }
    game.triedLetters[game.guessIndex] = 1;
}

WordResult WordOutcome(const GameState& game)
{
    if (game.wrongCount >= game.wrongLimit) return WordLost;
    if (game.lettersFound >= game.lettersToFind) return WordWon;
    return WordContinuing;
}

bool SetGuess(GameState& game, char letter)
{
    if (letter >= 'a' && letter <= 'z') letter = static_cast<char>(letter - 'a' + 'A');
    if (letter < 'A' || letter > 'Z') return false;
    game.guessLetter[0] = letter;
    game.guessLetter[1] = '\0';
    game.guessIndex = letter - 'A' + 1;
    return true;
}
