// The rules of play for one word: draw, mask, evaluate a guess, outcome.
#ifndef TUCKLE_GUESSING_ENGINE_H
#define TUCKLE_GUESSING_ENGINE_H

#include "game_state.h"

enum WordResult { WordContinuing, WordWon, WordLost };

// Draws the next word of the subject in play without repeating a word within
// a cycle, and resets the per-word state. Leaves the new word's utterance in
// speechText. Returns false, changing nothing, when the subject has no words.
bool DrawNextWord(GameState& state);

// Computes maskedWord and lettersToFind from currentWord.
void MaskWord(GameState& state);

// Applies guessLetter/guessIndex to the word in play and appends the verdict
// to speechText. A letter already tried for this word changes nothing.
void EvaluateGuess(GameState& state);

WordResult WordOutcome(const GameState& state);

// Sets guessLetter and guessIndex for a letter 'A'..'Z' (either case).
// Returns false for any other character.
bool SetGuess(GameState& state, char letter);

#endif
