// Plays a scripted game of the real tuckle.exe and takes pictures of its
// windows at the moments worth looking at. Runs under Wine with an X display;
// the pictures are taken by the host's ImageMagick `import`, which a Windows
// program under Wine can start by its Unix path.
//
// Usage: screenshots.exe <game folder> <unix output folder>
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <set>
#include <utility>
#include <string>
#include <vector>

#include "host_capture.h"
#include "wicker.h"
#include "window_search.h"

namespace {

std::string outputFolder;

void Pause(DWORD ms)
{
    Sleep(ms);
}

HWND WaitForWindow(const char* caption, DWORD timeoutMs = 15000)
{
    for (DWORD waited = 0; waited < timeoutMs; waited += 100) {
        HWND w = FindWindowA(NULL, caption);
        if (w && IsWindowVisible(w)) return w;
        Sleep(100);
    }
    return NULL;
}

// Finds a visible top-level window whose caption starts with prefix.
HWND WaitForCaptionPrefix(const char* prefix, DWORD timeoutMs = 15000)
{
    for (DWORD waited = 0; waited < timeoutMs; waited += 100) {
        if (HWND found = FindVisibleWindow(0, prefix)) return found;
        Sleep(100);
    }
    return NULL;
}

std::string Text(HWND dialog, int id)
{
    char text[256] = "";
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

void Press(HWND window, int id)
{
    PostMessageA(window, WM_COMMAND, id, 0);
}

// Pictures the stage picture when the wrong-letter line shows a stage not
// pictured yet.
int WrongCount(HWND main)
{
    int wrongCount = 0;
    for (char c : Text(main, 1027)) if (c != ' ') ++wrongCount;
    return wrongCount;
}

void ShootNewStage(HWND main, HWND stagePicture, std::set<int>& stagesShot)
{
    const int wrongCount = WrongCount(main);
    if (wrongCount < 1 || wrongCount > 10 || stagesShot.count(wrongCount)) return;
    stagesShot.insert(wrongCount);
    char name[16];
    std::snprintf(name, sizeof name, "stage-%02d", wrongCount);
    Shoot(stagePicture, name);
}

// Reads the first subject's words, so the script can play a word to its win.
std::vector<std::string> FirstSubjectWords()
{
    std::vector<std::string> words;
    std::FILE* ini = std::fopen("tuckle.ini", "rb");
    if (!ini) return words;
    char name[128] = "", folder[128] = "";
    std::fgets(name, sizeof name, ini);
    std::fgets(folder, sizeof folder, ini);
    std::fclose(ini);
    folder[std::strcspn(folder, "\r\n")] = '\0';
    std::FILE* data = std::fopen((std::string(folder) + "\\data.txt").c_str(), "rb");
    if (!data) return words;
    char line[128];
    bool wordLine = true;
    while (std::fgets(line, sizeof line, data)) {
        line[std::strcspn(line, "\r\n")] = '\0';
        if (wordLine) {
            std::string w = line;
            for (char& c : w) if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
            words.push_back(w);
        }
        wordLine = !wordLine;
    }
    std::fclose(data);
    return words;
}

// Does the candidate agree with what the board shows?
bool Fits(const std::string& word, const std::string& mask, const std::set<char>& wrong)
{
    if (word.size() != mask.size()) return false;
    for (size_t i = 0; i < word.size(); ++i) {
        char w = word[i], m = mask[i];
        if (wrong.count(w)) return false;
        if (w == ' ') { if (m != '/') return false; continue; }
        bool letter = w >= 'A' && w <= 'Z';
        if (!letter) { if (m != w) return false; continue; }
        if (m != '-' && m != w) return false;
    }
    return true;
}

// Answers the result box and waits for the next word.
void CloseResult(HWND result)
{
    Press(result, 1042);
    for (int i = 0; i < 100 && IsWindow(result); ++i) Sleep(100);
    Pause(500);
}

// The showcase word's picture, drawn here: a plate of fish and chips, 160
// pixels square like the game's own word pictures, saved as a BMP file.
bool DrawFishAndChips(const std::string& path)
{
    const int kSide = 160;
    // 24 bits a pixel: a 32-bit file's unused fourth bytes, all 0, would be
    // read as a picture that is wholly clear.
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = kSide;
    info.bmiHeader.biHeight = kSide;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    void* bits = NULL;
    HDC dc = CreateCompatibleDC(NULL);
    HBITMAP picture = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, NULL, 0);
    HGDIOBJ oldBitmap = SelectObject(dc, picture);
    HGDIOBJ oldPen = SelectObject(dc, GetStockObject(NULL_PEN));
    RECT all = {0, 0, kSide, kSide};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    auto fill = [dc](COLORREF colour, auto shape) {
        HBRUSH brush = CreateSolidBrush(colour);
        HGDIOBJ before = SelectObject(dc, brush);
        shape();
        SelectObject(dc, before);
        DeleteObject(brush);
    };
    // The plate, the fish (body, tail, eye) and the chips.
    fill(RGB(210, 215, 225), [dc] { Ellipse(dc, 8, 40, 152, 140); });
    fill(RGB(240, 242, 248), [dc] { Ellipse(dc, 22, 50, 138, 130); });
    fill(RGB(214, 150, 60), [dc] { Ellipse(dc, 30, 62, 104, 100); });
    fill(RGB(200, 130, 45), [dc] {
        POINT tail[] = {{98, 81}, {122, 64}, {122, 98}};
        Polygon(dc, tail, 3);
    });
    fill(RGB(40, 40, 40), [dc] { Ellipse(dc, 40, 74, 47, 81); });
    for (int i = 0; i < 6; ++i) {
        int x = 44 + i * 12;
        int y = 100 + (i % 2) * 6;
        fill(RGB(250, 205, 70), [dc, x, y] { RoundRect(dc, x, y, x + 8, y + 26, 4, 4); });
    }
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBitmap);
    DeleteDC(dc);
    bool saved = SaveBitmapFile(picture, String(path.c_str()));
    DeleteObject(picture);
    return saved;
}

// Plays a word with an "&" in a game folder of its own (a copy of the
// program, its speech program and pictures, with one subject), and takes
// the main window after a full repaint with wrong letters shown, and at the
// won word.
void ShootShowcase()
{
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::string folder = std::string(temp) + "tuckle_showcase";
    CreateDirectoryA(folder.c_str(), NULL);
    CreateDirectoryA((folder + "\\espeak").c_str(), NULL);
    CreateDirectoryA((folder + "\\food").c_str(), NULL);
    std::vector<std::string> files = {"tuckle.exe", "espeak\\espeak.exe", "lose.bmp", "win.bmp"};
    for (int stage = 0; stage <= 10; ++stage) {
        char name[32];
        std::snprintf(name, sizeof name, "tuckle.%02d.bmp", stage);
        files.push_back(name);
    }
    for (const std::string& file : files) CopyFileA(file.c_str(), (folder + "\\" + file).c_str(), FALSE);
    const std::pair<const char*, const char*> texts[] = {
        {"tuckle.ini", "Fish shop\r\nfood\r\n"},
        {"food\\data.txt", "fish & chips\r\nfish_and_chips.bmp\r\n"},
    };
    for (const auto& text : texts) {
        if (std::FILE* f = std::fopen((folder + "\\" + text.first).c_str(), "wb")) {
            std::fputs(text.second, f);
            std::fclose(f);
        }
    }

    DrawFishAndChips(folder + "\\food\\fish_and_chips.bmp");

    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    // The copy in the folder, by its whole name: a bare name would be found
    // in this program's current folder first, whose pictures are not these.
    std::string command = "\"" + folder + "\\tuckle.exe\"";
    if (!CreateProcessA(NULL, &command[0], NULL, NULL, FALSE, 0, NULL, folder.c_str(), &si, &pi))
        return;
    if (HWND main = WaitForCaptionPrefix("Tuckle's - Fish shop")) {
        for (char letter : std::string("EAFZ")) {
            Press(main, 1000 + (letter - 'A' + 1));
            Pause(300);
        }
        // Everything repainted at once, as when the window is uncovered.
        RedrawWindow(main, NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
        Shoot(main, "10-after-full-repaint");
        for (char letter : std::string("ISHCP")) {
            Press(main, 1000 + (letter - 'A' + 1));
            Pause(300);
        }
        if (HWND won = WaitForWindow("Tuckle - Win", 5000)) {
            Shoot(main, "11-fish-and-chips");
            CloseResult(won);
        }
        PostMessageA(main, WM_CLOSE, 0, 0);
    }
    WaitForSingleObject(pi.hProcess, 15000);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: screenshots <game folder> <unix output folder>\n");
        return 2;
    }
    outputFolder = argv[2];
    SetCaptureFolder(outputFolder);
    SetCurrentDirectoryA(argv[1]);
    std::vector<std::string> words = FirstSubjectWords();

    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    char command[] = "tuckle.exe";
    if (!CreateProcessA(NULL, command, NULL, NULL, FALSE, 0, NULL, NULL, &si, &pi)) {
        std::fprintf(stderr, "cannot start tuckle.exe in %s\n", argv[1]);
        return 1;
    }
    HWND main = WaitForCaptionPrefix("Tuckle's - ");
    if (!main) {
        std::fprintf(stderr, "the main window did not appear\n");
        return 1;
    }
    Shoot(main, "01-start");
    HWND stagePicture = GetDlgItem(main, 1051);
    Shoot(stagePicture, "stage-00");

    // A word in progress: two letters that often occur, one that rarely does.
    // Every stage the picture reaches in this word is pictured on its own.
    std::set<int> stagesShot;
    for (char letter : std::string("EAZ")) {
        Press(main, 1000 + (letter - 'A' + 1));
        Pause(300);
        ShootNewStage(main, stagePicture, stagesShot);
    }
    Pause(500);
    // A letter may have finished a very short word; answer its box first.
    if (HWND r = FindWindowA(NULL, "Tuckle - Win")) CloseResult(r);
    if (HWND r = FindWindowA(NULL, "Tuckle - Lose")) CloseResult(r);
    Shoot(main, "02-during-word");

    // Lose a word: rare letters first, until the result box appears. Each
    // stage the picture reaches on the way is pictured on its own.
    const char rare[] = "QJXZVKWYFBGHPMUCDLNSTRIOAE";
    HWND lost = NULL;
    for (const char* p = rare; *p && !lost; ++p) {
        Press(main, 1000 + (*p - 'A' + 1));
        Pause(300);
        lost = FindWindowA(NULL, "Tuckle - Lose");
        if (HWND won = FindWindowA(NULL, "Tuckle - Win")) CloseResult(won);
        if (lost) break;
        // The tenth wrong letter opens the result box: press nothing more,
        // and take no picture while the box is being made (a screen grab
        // then can hold up Wine's drawing of the new window).
        if (WrongCount(main) >= 10) break;
        ShootNewStage(main, stagePicture, stagesShot);
    }
    lost = WaitForWindow("Tuckle - Lose", 3000);
    if (lost) {
        Shoot(main, "03-lost-word", lost, "04-lost-box");
        Shoot(stagePicture, "stage-10");
        CloseResult(lost);
    }

    // Win a word: guess letters of the words that fit the board.
    std::set<char> tried, wrong;
    HWND won = NULL;
    for (int turn = 0; turn < 26 && !won; ++turn) {
        std::string mask = Text(main, 1028);
        std::string wrongLine = Text(main, 1027);
        for (char c : wrongLine) if (c != ' ') wrong.insert(c);
        char next = 0;
        for (const std::string& w : words)
            if (Fits(w, mask, wrong))
                for (char c : w)
                    if (c >= 'A' && c <= 'Z' && !tried.count(c) && !next) next = c;
        if (!next) break;
        tried.insert(next);
        Press(main, 1000 + (next - 'A' + 1));
        Pause(400);
        won = FindWindowA(NULL, "Tuckle - Win");
    }
    if (won) {
        Shoot(main, "05-won-word", won, "06-won-box");
        CloseResult(won);
    }

    Press(main, 5001);
    if (HWND dialog = WaitForWindow("Tuckle - New Game")) {
        Shoot(dialog, "07-new-game");
        Press(dialog, 1045);
    }
    Pause(500);
    Press(main, 5003);
    if (HWND dialog = WaitForWindow("Tuckle - About")) {
        Shoot(dialog, "08-about");
        Press(dialog, 1042);
    }
    Pause(500);
    Press(main, 5002);
    if (HWND dialog = WaitForWindow("Tuckle - Exit")) {
        Shoot(dialog, "09-exit");
        Press(dialog, 1038);
    }
    WaitForSingleObject(pi.hProcess, 15000);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    ShootShowcase();
    // All the stages side by side, to check them at a glance.
    RunHost("cd " + outputFolder + " && /usr/bin/montage stage-*.png -tile 6x -geometry +4+4 stages.png");
    return 0;
}
