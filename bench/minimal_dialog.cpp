// The least program that shows the game's main dialog template: the yardstick
// for the game's start-up time. Built four times, each adding one of the
// steps the game takes before its window shows, so that the start-up bench
// can tell what each step costs:
//   minimal_dialog           the template alone (links neither toolkit nor game)
//   minimal_dialog_toolkit   + the toolkit's start-up (STEP_TOOLKIT)
//   minimal_dialog_speech    + one utterance, started as the game starts it (STEP_SPEECH)
//   minimal_dialog_picture   + the first word picture in an ImageBox (STEP_PICTURE)
// (each variant takes the steps of the ones above it too).
// Each is run from the game folder, whose speech program and pictures it uses.
#include <windows.h>
#ifdef STEP_SPEECH
#include <cstring>

#include "speech.h"
#endif

#include "resource_ids.h"
#ifdef STEP_TOOLKIT
#include "wicker.h"
#endif

namespace {

// The exit code of a program whose step could not be taken.
const INT_PTR StepFailed = 2;
#ifdef STEP_SPEECH
const UINT SpeakAfterPaint = WM_APP + 1;
#endif

// Whether every step was taken; a step that cannot be taken ends the
// program before its window shows, so that the bench reports it instead of
// timing a step that did nothing.
bool TakeSteps(HWND dialog)
{
#ifdef STEP_SPEECH
    // The game speaks its first word once the window has been painted: it
    // posts itself a message, as this does (SpeakAfterPaint).
    PostMessageA(dialog, SpeakAfterPaint, 0, 0);
#endif
#ifdef STEP_PICTURE
    {
    // The game's first subject's first picture is drawn at random; any
    // word picture of the shipped content costs the same to decode. The
    // bench runs every program from the game folder, which is the current
    // directory (this program's own folder holds no pictures).
    String folder = System.CurrentDirectory;
    Image picture(folder + String("\\animals\\cat.jpg"));
    if (picture.IsEmpty()) return false;
    Control main(dialog);
    ImageBox box(1100, 514, 25, 245, 235, main, picture, 1, 0);
    }
#endif
    (void)dialog;
    return true;
}

INT_PTR CALLBACK MinimalProc(HWND dialog, UINT message, WPARAM, LPARAM)
{
    if (message == WM_INITDIALOG) {
        if (!TakeSteps(dialog)) EndDialog(dialog, StepFailed);
        return TRUE;
    }
#ifdef STEP_SPEECH
    if (message == SpeakAfterPaint) {
        // The game's own call, with a word's utterance.
        static GameState state;
        UpdateWindow(dialog);
        std::strcpy(state.speechText, "\"[[h@l'oU]]\"");
        Speak(state);
        return TRUE;
    }
#endif
    if (message == WM_CLOSE) {
        EndDialog(dialog, 0);
        return TRUE;
    }
    return FALSE;
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    return static_cast<int>(
        DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_MAIN), NULL, MinimalProc, 0));
}
