#include "speech.h"

#include <windows.h>
#include <shellapi.h>

#include "wicker.h"

void Speak(const GameState& state)
{
    String program("\\espeak\\espeak.exe");
    String folder = App.Path;
    String path = folder + program;
    ShellExecuteA(NULL, NULL, path.c_str(), state.speechText, NULL, SW_HIDE);
}
