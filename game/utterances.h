// The texts the game speaks, built in speechText. They use the speech
// program's phoneme notation ("[[...]]") for the letter names.
#ifndef TUCKLE_UTTERANCES_H
#define TUCKLE_UTTERANCES_H

#include "game_state.h"

// The phrase of letter button n (1 for 'A' .. 26 for 'Z'), e.g. for 'A':
//  "[['a]] ... a ...   (a space and a double quote first, a space last).
const char* LetterPhrase(int n);

// speechText = the phrase of letter n.
void SetLetterUtterance(GameState& state, int n);

// Every text that closes its quote doubles the backslashes right before the
// closing quote, so that the speech program's command-line rules give them
// back as they stand instead of reading an escaped quote.

// speechText = a space, a double quote, currentWord, a double quote.
void SetWordUtterance(GameState& state);

// speechText = a double quote, currentPicture, a double quote.
void SetPictureUtterance(GameState& state);

// Appends the result of a lost word and closes the quote.
void AppendLostUtterance(GameState& state);

// Appends the result of a won word: the word spelled character by character,
// the word itself and the closing phrase, and closes the quote.
void AppendWonUtterance(GameState& state);

// Appends text to speechText. Double quotes inside the text are left out:
// the speech program receives speechText as one quoted argument, and a quote
// from a word or a picture name would end or extend that argument.
void AppendSpokenText(GameState& state, const char* text);

#endif
