// Drives the real game program from a test: prepares a folder holding a copy
// of the program and everything it reads, starts it there, finds its windows,
// presses its buttons, reads its controls and the stage picture on screen,
// and reads the utterances that a stand-in speech program logs.
#ifndef TUCKLE_TESTS_GAME_DRIVER_H
#define TUCKLE_TESTS_GAME_DRIVER_H

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace play {

// Default patience for anything the game does in answer to one command.
const DWORD Patience = 10000;

// The solid colour of stage picture n (0..10) and of the result pictures.
COLORREF StageColour(int stage);
COLORREF LoseColour();
COLORREF WinColour();

// A Unix path from the build turned into one the Windows side can open
// (Wine maps the Unix root to drive Z:); other paths are returned unchanged.
std::string WindowsPath(const std::string& path);

// A fresh folder under %TEMP% holding a copy of the game, the stage and
// result pictures and the stand-in speech program at espeak\espeak.exe.
// The subject list and the word lists are written by the test.
class GameFolder {
public:
    // Empties and fills the folder; Ready() tells whether that worked.
    GameFolder(const std::string& name, const std::string& gameExe, const std::string& speechExe);
    ~GameFolder();
    GameFolder(const GameFolder&) = delete;
    GameFolder& operator=(const GameFolder&) = delete;

    bool Ready() const { return ready; }
    const std::string& Path() const { return path; }
    std::string GameExe() const { return path + "\\tuckle.exe"; }

    // Writes bytes as given (no line-end translation) to a path relative to
    // the folder, creating the folders on the way.
    bool WriteFile(const std::string& relative, const std::string& bytes) const;
    // Writes a solid-colour 24-bit bitmap of 4 x 4 pixels.
    bool WriteBitmap(const std::string& relative, COLORREF colour) const;

    // The complete lines of the speech log so far, in the order written.
    std::vector<std::string> Utterances() const;

private:
    std::string path;
    bool ready = false;
};

// One run of the game program.
class GameProcess {
public:
    GameProcess() = default;
    ~GameProcess() { Kill(); }
    GameProcess(const GameProcess&) = delete;
    GameProcess& operator=(const GameProcess&) = delete;

    // Starts the program with the folder as its working directory.
    bool Start(const std::string& exe, const std::string& folder);
    DWORD Id() const { return info.dwProcessId; }
    bool Running() const;

    // A visible top-level window of this process with exactly this caption,
    // waited for up to timeout; NULL when none appeared.
    HWND WaitForWindow(const std::string& caption, DWORD timeout = Patience) const;
    // Such a window if there is one now.
    HWND FindWindowNow(const std::string& caption) const;

    // Waits for the process to end; true with its exit code when it did.
    bool WaitForExit(DWORD& exitCode, DWORD timeout = Patience) const;
    // Ends the process if it still runs.
    void Kill();

private:
    PROCESS_INFORMATION info = {};
};

// Waits up to timeout until no speech program (a process named espeak.exe)
// runs. A game ended while it starts one can leave that process hanging.
bool WaitForSpeechPrograms(DWORD timeout = Patience);

// Posts a command to a window, as a click or a menu choice would.
void Press(HWND window, int id);
// Posts IDCANCEL (what Esc produces in a dialog).
void PressEscape(HWND window);
// Posts WM_CLOSE (what the close box sends).
void PressCloseBox(HWND window);

// Waits until every message posted to the window's thread before this call
// has been handled: posts a harmless highlight change to the push button
// with the given id and waits to see it. False when the window went away
// or the thread did not answer in time.
bool Fence(HWND dialog, int buttonId, DWORD timeout = Patience);

// Text of a dialog control.
std::string ControlText(HWND dialog, int id);
// Texts of every child of a dialog with this id, in creation order (a
// template may give a group box and a static the same id).
std::vector<std::string> ChildTexts(HWND dialog, int id);
// The items of a list box in another process. Under Wine LB_GETTEXT across
// processes may answer in UTF-16; such answers are narrowed.
std::vector<std::string> ListItems(HWND list);
// The message text of a standard message box.
std::string MessageBoxText(HWND box);
// Waits for a window to be destroyed.
bool WaitForWindowGone(HWND window, DWORD timeout = Patience);

// Colour on screen at a point of a window's client area.
COLORREF ScreenPixel(HWND window, int clientX, int clientY);
// Waits for that point to show a colour (each channel within a small
// tolerance); the last colour seen is left in seen.
bool WaitForPixel(HWND window, int clientX, int clientY, COLORREF expected, COLORREF& seen,
                  DWORD timeout = Patience);
// The colours on screen of a rectangle of a window's client area, row by row,
// from one grab of the screen.
std::vector<COLORREF> ScreenPixels(HWND window, const RECT& client);
// A child window's rectangle in its parent's client area.
RECT ChildRect(HWND parent, int id);
// Dark enough to be the black of a letter (the dialogs' background is grey).
bool IsInk(COLORREF colour);
// The columns of a width-wide grab (row by row) that hold ink.
struct InkColumns {
    int first = -1, last = -1, count = 0;
};
InkColumns ColumnsOfInk(const std::vector<COLORREF>& pixels, int width);
// The ink columns of text drawn as the game's word lines draw it (centred,
// the main dialog's Courier New of 13 points) in a width x height control,
// with "&" taken as a character.
InkColumns WordLineColumns(const std::string& text, int width, int height);
// Whether a word line on screen shows that text: the same ink columns, give
// or take a pixel at either end and two in the count.
::testing::AssertionResult LineShowsText(HWND dialog, int id, const std::string& text,
                                          DWORD timeout = 3000);
// Writes a colour as "#rrggbb" for messages.
std::string ColourName(COLORREF colour);

} // namespace play

#endif
