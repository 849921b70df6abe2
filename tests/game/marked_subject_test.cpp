// The main window run in-process, so that a test can give a subject the
// subject mark (the subject list has no source for it) and check the marked
// paths: the picture name shown in the second word line and spoken at a
// subject change, and that line kept after a result.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "dialog_answer.h"
#include "game_window.h"
#include "main_window.h"
#include "resource_ids.h"

namespace {

std::string ProgramFolder()
{
    char path[MAX_PATH];
    GetModuleFileNameA(NULL, path, sizeof path);
    *std::strrchr(path, '\\') = '\0';
    return path;
}

// The stand-in speech program beside this test logs each utterance here.
std::string SpeechLog() { return ProgramFolder() + "\\espeak\\log.txt"; }

std::vector<std::string> Utterances(size_t atLeast)
{
    std::vector<std::string> lines;
    for (int wait = 0; wait < 200; ++wait) {
        lines.clear();
        std::ifstream log(SpeechLog());
        std::string line;
        while (std::getline(log, line)) lines.push_back(line);
        if (lines.size() >= atLeast) break;
        Sleep(50);
    }
    return lines;
}

void Write(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

std::string Text(HWND dialog, int id)
{
    char text[128] = "";
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

class MarkedSubjectTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char temp[MAX_PATH];
        GetTempPathA(sizeof temp, temp);
        folder = std::string(temp) + "tuckle_marked";
        CreateDirectoryA(folder.c_str(), NULL);
        CreateDirectoryA((folder + "\\pets").c_str(), NULL);
        CreateDirectoryA((folder + "\\toys").c_str(), NULL);
        Write(folder + "\\tuckle.ini", "Pets\r\npets\r\nToys\r\ntoys\r\n");
        Write(folder + "\\pets\\data.txt", "ox\r\nox.jpg\r\n");
        Write(folder + "\\toys\\data.txt", "yo\r\nyo.jpg\r\n");
        GetCurrentDirectoryA(sizeof previous, previous);
        SetCurrentDirectoryA(folder.c_str());
        DeleteFileA(SpeechLog().c_str());

        gameWindow.instance = GetModuleHandleA(NULL);
        dialog = CreateDialogParamA(gameWindow.instance, MAKEINTRESOURCEA(IDD_MAIN), NULL, MainDialogProc, 0);
        ASSERT_NE(dialog, nullptr);
    }

    void TearDown() override
    {
        if (dialog) DestroyWindow(dialog);
        SetCurrentDirectoryA(previous);
    }

    // Picks list item `item` in the New Game dialog and presses Load, from a
    // helper thread while the command runs the dialog.
    void ChooseSubject(int item)
    {
        std::thread answer([item] {
            HWND box = FindDialogByCaption("Tuckle - New Game", GetCurrentProcessId(), 10000);
            if (!box) return;
            SendMessageA(GetDlgItem(box, IDC_SUBJECT_LIST), LB_SETSEL, TRUE, item);
            PressDialogButton(box, IDC_LOAD);
        });
        SendMessageA(dialog, WM_COMMAND, IDM_NEW, 0);
        answer.join();
    }

    void Letter(char letter) { SendMessageA(dialog, WM_COMMAND, IDC_LETTER_FIRST + (letter - 'A'), 0); }

    std::string folder;
    char previous[MAX_PATH] = "";
    HWND dialog = NULL;
};

TEST_F(MarkedSubjectTest, PictureNameIsShownSpokenAndKept)
{
    EXPECT_EQ(Text(dialog, IDC_SECOND_LINE), "");
    ASSERT_EQ(Utterances(1), (std::vector<std::string>{"\"OX\""}));

    // A marked subject: its first picture name is shown and spoken after the
    // word, then spoken once more by the turn display.
    game.subjectMarks[2] = 1;
    ChooseSubject(1);
    EXPECT_EQ(game.currentSubject, 2);
    EXPECT_EQ(Text(dialog, IDC_SECOND_LINE), "yo.jpg");
    // Utterances are separate processes started one after another and never
    // awaited, so the log may hold them in any order.
    std::vector<std::string> said = Utterances(4);
    std::sort(said.begin(), said.end());
    EXPECT_EQ(said, (std::vector<std::string>{"\"OX\"", "\"YO\"", "\"yo.jpg\"", "\"yo.jpg\""}));

    // After a result the line is kept for a marked subject.
    Letter('Y');
    DialogAnswer result("Tuckle - Win", IDC_OKAY, GetCurrentProcessId());
    Letter('O');
    EXPECT_TRUE(result.Wait());
    EXPECT_EQ(Text(dialog, IDC_SECOND_LINE), "yo.jpg");
    EXPECT_EQ(game.wonCount, 1);

    // Without the mark the line is emptied after a result.
    game.subjectMarks[2] = 0;
    DialogAnswer lost("Tuckle - Lose", IDC_OKAY, GetCurrentProcessId());
    for (char c : std::string("ABCDEFGHIJ")) Letter(c);
    EXPECT_TRUE(lost.Wait());
    EXPECT_EQ(Text(dialog, IDC_SECOND_LINE), "");
    EXPECT_EQ(game.lostCount, 1);
}

} // namespace
