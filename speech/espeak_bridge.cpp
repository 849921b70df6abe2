// The game's speech program, installed as espeak\espeak.exe beside the game.
// It speaks the text of its one argument with a real synthesiser and ends
// when the synthesiser has finished; it never shows a window.
//
// The tests' build of this program (TUCKLE_SYNTH_SWITCH defined) reads
// TUCKLE_SYNTH: when set, it names the synthesiser program to run instead of
// the usual ones (a Unix path under Wine, a Windows path otherwise). The
// program that ships has no such switch, so no variable can make it run
// another program.

#include "command_line.h"
#include "host_synthesiser.h"
#include "installed_espeak.h"
#include "phoneme_text.h"
#include "system_voice.h"
#include "wine_host.h"

#include <windows.h>

namespace {

std::string SynthOverride()
{
#ifdef TUCKLE_SYNTH_SWITCH
    char value[MAX_PATH];
    DWORD length = GetEnvironmentVariableA("TUCKLE_SYNTH", value, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::string(value, length) : std::string();
#else
    return std::string();
#endif
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    // The game starts this program through the shell, which waits until the
    // new process is idle for input (WaitForInputIdle) before it returns. A
    // program without a message loop never becomes idle, so the shell would
    // hold the game until speaking is over. Looking at the (empty) message
    // queue once marks this process idle at once.
    MSG message;
    PeekMessageA(&message, NULL, 0, 0, PM_NOREMOVE);

    // The game's texts open a quote that letter utterances never close, so
    // the raw command line is read rather than the runtime's argv.
    std::string text = ArgumentFromCommandLine(GetCommandLineA());
    if (text.find_first_not_of(" \t") == std::string::npos) return 0;

    std::string synthOverride = SynthOverride();
    if (IsWine()) return SpeakWithHostSynthesiser(text, synthOverride) ? 0 : 1;
    if (SpeakWithInstalledEspeak(text, synthOverride)) return 0;
    // The system voice would spell out eSpeak's phoneme mnemonics.
    return SpeakWithSystemVoice(WithoutPhonemes(text)) ? 0 : 1;
}
