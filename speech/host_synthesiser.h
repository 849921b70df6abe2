#pragma once

#include <string>

// Under Wine: speaks the text with the host's eSpeak NG (or eSpeak), or with
// the Unix program named by synthOverride when that is not empty, passing
// "--" (the end of its options) and then the text unchanged as its one
// argument, and returns once it has finished. False when no program could
// be started.
bool SpeakWithHostSynthesiser(const std::string& text, const std::string& synthOverride);
