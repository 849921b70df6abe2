#pragma once

#include <string>

// Speaks the text with the system's speech API (the SAPI voice) and returns
// once it has been spoken. False when there is no voice.
bool SpeakWithSystemVoice(const std::string& text);
