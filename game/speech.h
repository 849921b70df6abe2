// Starts the speech program with the text in speechText.
#ifndef TUCKLE_SPEECH_H
#define TUCKLE_SPEECH_H

#include "game_state.h"

// Runs "<program folder>\espeak\espeak.exe" hidden with speechText as its
// parameters and returns at once; the result is not looked at.
void Speak(const GameState& state);

#endif
