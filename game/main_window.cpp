#include "main_window.h"

#include <shellapi.h>

#include <cstdio>
#include <cstring>

#include "game_window.h"
#include "guessing_engine.h"
#include "resource_ids.h"
#include "small_dialogs.h"
#include "speech.h"
#include "subject_list.h"
#include "utterances.h"
#include "word_list.h"
#include "word_picture.h"

GameState game;
GameWindow gameWindow;

namespace {

const int StagePictureX = 22;
const int StagePictureY = 25;
const int StagePictureSize = 200;

// Posted by the initialisation: the first word is spoken once the window has
// been painted. Starting the speech program is a new process, which costs
// tens of milliseconds that the player would otherwise wait for the window.
const UINT SpeakFirstWordMessage = WM_APP + 1;

const char ErrorCaption[] = "Tuckle - Error";
const char EndsGame[] = "\r\n\r\nTuckle will close.";
const char GoesOn[] = "\r\n\r\nThe game goes on with the subject in play.";

// Tells the player what is wrong with a content file.
void ReportContentError(HWND owner, const char* problem, const char* consequence)
{
    char text[256];
    std::snprintf(text, sizeof text, "%s%s", problem, consequence);
    MessageBoxA(owner, text, ErrorCaption, MB_OK | MB_ICONERROR);
}

void DescribeSubjectListError(ListLoad result, char* text, size_t size)
{
    if (result == ListUnreadable)
        std::snprintf(text, size, "Cannot open the subject list \"%s\".", SubjectListFile);
    else
        std::snprintf(text, size, "The subject list \"%s\" holds no subject.", SubjectListFile);
}

void DescribeWordListError(const GameState& state, ListLoad result, char* text, size_t size)
{
    char path[WordListPathBytes];
    WordListPath(state, path, sizeof path);
    if (result == ListUnreadable)
        std::snprintf(text, size, "Cannot open the word list \"%s\".", path);
    else
        std::snprintf(text, size, "The word list \"%s\" holds no word.", path);
}

// The template's wrong-letter line (control 1027) reaches 11 pixels down
// into the stage picture's lower edge. The picture's window is cut short
// above the line, so it never paints over the letters, whatever repaints the
// window and in whatever order its children paint. A window region would not
// do: the system's static controls paint through their parent's device
// context, which a child's region does not clip; nor would clipping siblings,
// as the left group box lies over the whole picture. The picture's bottom
// rows stay hidden behind the line as the template lays them out.
void KeepStageClearOfWrongLetters(HWND dialog)
{
    RECT line, stage, overlap;
    GetWindowRect(GetDlgItem(dialog, IDC_WRONG_LETTERS), &line);
    GetWindowRect(gameWindow.stageStatic, &stage);
    if (!IntersectRect(&overlap, &line, &stage)) return;
    SetWindowPos(gameWindow.stageStatic, NULL, 0, 0, stage.right - stage.left,
                 overlap.top - stage.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CreateStagePicture(HWND dialog)
{
    gameWindow.stageStatic = CreateWindowExA(
        0, "STATIC", "", WS_CHILD | SS_NOTIFY | SS_BITMAP, StagePictureX, StagePictureY,
        StagePictureSize, StagePictureSize, dialog,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_STAGE_PICTURE)), gameWindow.instance, NULL);
    ShowWindow(gameWindow.stageStatic, SW_SHOW);
    SendMessageA(gameWindow.stageStatic, STM_SETIMAGE, IMAGE_BITMAP,
                 reinterpret_cast<LPARAM>(gameWindow.stageBitmap));
    KeepStageClearOfWrongLetters(dialog);
}

void BuildMenu(HWND dialog)
{
    HMENU bar = CreateMenu();
    HMENU gameMenu = CreatePopupMenu();
    AppendMenuA(gameMenu, MF_STRING, IDM_NEW, "New");
    AppendMenuA(gameMenu, MF_SEPARATOR, IDM_SEPARATOR, NULL);
    AppendMenuA(gameMenu, MF_STRING, IDM_EXIT, "Exit");
    HMENU helpMenu = CreatePopupMenu();
    AppendMenuA(helpMenu, MF_STRING, IDM_ABOUT, "About Tuckle");
    AppendMenuA(helpMenu, MF_SEPARATOR, IDM_SEPARATOR, NULL);
    AppendMenuA(helpMenu, MF_STRING, IDM_HELP, "Help on Tuckle");
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(gameMenu), "Game");
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(helpMenu), "Help");
    SetMenu(dialog, bar);
}

void ShowCaption(HWND dialog)
{
    std::snprintf(game.windowTitle, sizeof game.windowTitle, "Tuckle's - %s", game.subjectName);
    SetWindowTextA(dialog, game.windowTitle);
}

// The second word line shows the picture name only for a marked subject.
void ClearSecondLineUnlessMarked(HWND dialog)
{
    if (!game.subjectMarks[game.currentSubject]) SetDlgItemTextA(dialog, IDC_SECOND_LINE, "");
}

// A word list that is missing or empty ends the game: without a word in play
// there is nothing left to show.
void EndForNoWord(HWND dialog, ListLoad result)
{
    char problem[160];
    DescribeWordListError(game, result, problem, sizeof problem);
    ReportContentError(dialog, problem, EndsGame);
    EndDialog(dialog, 0);
}

bool Initialise(HWND dialog)
{
    CreateStagePicture(dialog);
    BuildMenu(dialog);

    ListLoad subjects = LoadSubjectList(game);
    if (subjects != ListLoaded) {
        char problem[160];
        DescribeSubjectListError(subjects, problem, sizeof problem);
        ReportContentError(dialog, problem, EndsGame);
        EndDialog(dialog, 0);
        return false;
    }
    game.currentSubject = game.chosenSubject = 1;
    SelectSubject(game, 1);

    ListLoad words = LoadWordList(game);
    if (words != ListLoaded) {
        EndForNoWord(dialog, words);
        return false;
    }
    // The first word as StartNextWord starts every other one, but spoken
    // after the first paint (SpeakFirstWordMessage).
    DrawNextWord(game);
    ShowStagePicture();
    PostMessageA(dialog, SpeakFirstWordMessage, 0, 0);
    ResetTallies(dialog);
    SetDlgItemTextA(dialog, IDC_WORD_LINE, game.maskedWord);
    ClearSecondLineUnlessMarked(dialog);
    ShowCaption(dialog);
    RebuildWordPicture(dialog);
    return true;
}

// The window shows once its initialisation returns, and the posted message
// comes before the paint that the queue holds: paint now, then speak the
// word the initialisation drew (its text is still the speech text: nothing
// the player does is handled before a posted message).
void SpeakFirstWord(HWND dialog)
{
    UpdateWindow(dialog);
    Speak(game);
}

void PressLetter(HWND dialog, int n)
{
    SetGuess(game, static_cast<char>('A' + n - 1));
    SetLetterUtterance(game, n);
    EvaluateGuess(game);
    ShowTurnResult(dialog);
    if (game.pictureShown) return;
    game.pictureShown = true;
    RebuildWordPicture(dialog);
}

void SpeakWord()
{
    SetWordUtterance(game);
    Speak(game);
}

// Loads the chosen subject. A word list that cannot be used is reported and
// the subject in play goes on untouched: the new list is read into a copy of
// the state first.
void ChangeSubject(HWND dialog)
{
    static GameState trial;
    trial = game;
    trial.currentSubject = trial.chosenSubject;
    SelectSubject(trial, trial.chosenSubject);
    ListLoad words = LoadWordList(trial);
    if (words != ListLoaded) {
        char problem[160];
        DescribeWordListError(trial, words, problem, sizeof problem);
        game.chosenSubject = game.currentSubject;
        ReportContentError(dialog, problem, GoesOn);
        return;
    }
    game = trial;

    StartNextWord();
    SetDlgItemTextA(dialog, IDC_WORD_LINE, game.maskedWord);
    SetDlgItemTextA(dialog, IDC_WRONG_LETTERS, game.wrongLetters);
    ResetTallies(dialog);
    if (game.subjectMarks[game.currentSubject]) {
        SetDlgItemTextA(dialog, IDC_SECOND_LINE, game.currentPicture);
        SetPictureUtterance(game);
        Speak(game);
    } else {
        SetDlgItemTextA(dialog, IDC_SECOND_LINE, "");
    }
    ShowCaption(dialog);
    RebuildWordPicture(dialog);
    game.pictureShown = true;
    ShowTurnResult(dialog);
}

// New and Exit tell the player when their dialog could not be made.
void ReportDialogFailure(HWND dialog)
{
    MessageBoxA(dialog, "Dialog failed!", "Error", MB_ICONINFORMATION);
}

void NewGame(HWND dialog)
{
    INT_PTR result = RunGameDialog(dialog, ModeNewGame, IDD_NEW_GAME);
    if (result == IDYES) {
        if (game.chosenSubject != game.currentSubject) ChangeSubject(dialog);
    } else if (result == -1) {
        ReportDialogFailure(dialog);
    }
}

void ConfirmExit(HWND dialog)
{
    INT_PTR result = RunGameDialog(dialog, ModeExit, IDD_EXIT);
    if (result == IDYES)
        EndDialog(dialog, 0);
    else if (result == -1)
        ReportDialogFailure(dialog);
}

void ShowHelp()
{
    game.dialogMode = ModeHelp;
    ShellExecuteA(NULL, "open", "help.html", NULL, NULL, SW_SHOWNORMAL);
}

void OnCommand(HWND dialog, int id)
{
    if (id >= IDC_LETTER_FIRST && id <= IDC_LETTER_LAST) {
        PressLetter(dialog, id - (IDC_LETTER_FIRST - 1));
        return;
    }
    switch (id) {
    case IDC_SPEAK: SpeakWord(); break;
    case IDM_NEW: NewGame(dialog); break;
    case IDM_EXIT: ConfirmExit(dialog); break;
    case IDM_ABOUT: RunGameDialog(dialog, ModeAbout, IDD_ABOUT); break;
    case IDM_HELP: ShowHelp(); break;
    }
}

// Releases the stage bitmap when the window goes.
void ReleaseStagePicture()
{
    if (gameWindow.stageStatic)
        SendMessageA(gameWindow.stageStatic, STM_SETIMAGE, IMAGE_BITMAP, 0);
    if (gameWindow.stageBitmap) DeleteObject(gameWindow.stageBitmap);
    gameWindow.stageBitmap = NULL;
    gameWindow.stageStatic = NULL;
}

// Finishes a lost or won word: the whole word, the tally, the spoken result,
// the result box and the next word.
void FinishWord(HWND dialog, WordResult outcome)
{
    SetDlgItemTextA(dialog, IDC_WORD_LINE, game.currentWord);
    if (outcome == WordLost) {
        ++game.lostCount;
        SetDlgItemInt(dialog, IDC_LOST_COUNT, game.lostCount, FALSE);
        AppendLostUtterance(game);
        Speak(game);
        RunGameDialog(dialog, ModeLost, IDD_RESULT);
    } else {
        ++game.wonCount;
        SetDlgItemInt(dialog, IDC_WON_COUNT, game.wonCount, FALSE);
        AppendWonUtterance(game);
        Speak(game);
        RunGameDialog(dialog, ModeWon, IDD_RESULT);
    }
    // The subject's list was loaded with at least one word, so a draw
    // always finds one.
    StartNextWord();
    ClearSecondLineUnlessMarked(dialog);
}

} // namespace

INT_PTR CALLBACK MainDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        Initialise(dialog);
        return TRUE;
    case SpeakFirstWordMessage:
        SpeakFirstWord(dialog);
        return TRUE;
    case WM_COMMAND:
        OnCommand(dialog, LOWORD(wParam));
        return TRUE;
    case WM_CLOSE:
        EndDialog(dialog, 0);
        return TRUE;
    case WM_DESTROY:
        ReleaseStagePicture();
        ReleaseWordPicture(dialog);
        return FALSE;
    }
    return FALSE;
}

void ShowTurnResult(HWND dialog)
{
    SetDlgItemTextA(dialog, IDC_WORD_LINE, game.maskedWord);
    SetDlgItemTextA(dialog, IDC_WRONG_LETTERS, game.wrongLetters);
    ShowStagePicture();

    WordResult outcome = WordOutcome(game);
    if (outcome == WordContinuing)
        Speak(game);
    else
        FinishWord(dialog, outcome);

    ShowStagePicture();
    SetDlgItemTextA(dialog, IDC_WORD_LINE, game.maskedWord);
    SetDlgItemTextA(dialog, IDC_WRONG_LETTERS, game.wrongLetters);
}

void ShowStagePicture()
{
    static const char* const Files[WrongLimitPerWord + 1] = {
        "tuckle.00.bmp", "tuckle.01.bmp", "tuckle.02.bmp", "tuckle.03.bmp",
        "tuckle.04.bmp", "tuckle.05.bmp", "tuckle.06.bmp", "tuckle.07.bmp",
        "tuckle.08.bmp", "tuckle.09.bmp", "tuckle.10.bmp"};
    int stage = game.wrongCount;
    if (stage < 0) stage = 0;
    if (stage > WrongLimitPerWord) stage = WrongLimitPerWord;

    HBITMAP previous = gameWindow.stageBitmap;
    gameWindow.stageBitmap = static_cast<HBITMAP>(LoadImageA(
        gameWindow.instance, Files[stage], IMAGE_BITMAP, StagePictureSize, StagePictureSize,
        LR_LOADFROMFILE));
    SendMessageA(gameWindow.stageStatic, STM_SETIMAGE, IMAGE_BITMAP,
                 reinterpret_cast<LPARAM>(gameWindow.stageBitmap));
    // A new bitmap gives the control the bitmap's size again.
    KeepStageClearOfWrongLetters(GetParent(gameWindow.stageStatic));
    // The control no longer shows the previous bitmap; it is ours to free.
    if (previous && previous != gameWindow.stageBitmap) DeleteObject(previous);
}

void StartNextWord()
{
    DrawNextWord(game);
    ShowStagePicture();
    Speak(game);
}

void ResetTallies(HWND dialog)
{
    game.wonCount = 0;
    game.lostCount = 0;
    SetDlgItemInt(dialog, IDC_WON_COUNT, 0, FALSE);
    SetDlgItemInt(dialog, IDC_LOST_COUNT, 0, FALSE);
}
