#pragma once

#include <string>

// The text without its eSpeak phoneme parts ("[[" up to "]]", or to the end
// of the text when never closed), for synthesisers that would read the
// mnemonics out letter by letter.
std::string WithoutPhonemes(const std::string& text);
