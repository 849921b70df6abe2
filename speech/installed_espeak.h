#pragma once

#include <string>

// On Windows: speaks the text with an installed eSpeak NG
// ("eSpeak NG\espeak-ng.exe" in the program files folders), or with the
// program at synthOverride when that is not empty, and returns once it has
// finished. False when there is no such program or it cannot be started.
bool SpeakWithInstalledEspeak(const std::string& text, const std::string& synthOverride);
