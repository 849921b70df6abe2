// The main window run in-process with a marked subject, so that the second
// word line shows a picture name: an "&" in it is shown as it stands, read
// from the screen.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <string>
#include <thread>

#include "dialog_answer.h"
#include "game_driver.h"
#include "game_window.h"
#include "main_window.h"
#include "resource_ids.h"

namespace {

void Write(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

TEST(SecondLineTest, AmpersandInAPictureNameIsShownAsItStands)
{
    char temp[MAX_PATH], previous[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    const std::string folder = std::string(temp) + "tuckle_second_line";
    CreateDirectoryA(folder.c_str(), NULL);
    CreateDirectoryA((folder + "\\pets").c_str(), NULL);
    CreateDirectoryA((folder + "\\food").c_str(), NULL);
    Write(folder + "\\tuckle.ini", "Pets\r\npets\r\nFood\r\nfood\r\n");
    Write(folder + "\\pets\\data.txt", "ox\r\nox.jpg\r\n");
    Write(folder + "\\food\\data.txt", "fish & chips\r\nfish & chips.jpg\r\n");
    GetCurrentDirectoryA(sizeof previous, previous);
    SetCurrentDirectoryA(folder.c_str());

    gameWindow.instance = GetModuleHandleA(NULL);
    HWND dialog = CreateDialogParamA(gameWindow.instance, MAKEINTRESOURCEA(IDD_MAIN), NULL, MainDialogProc, 0);
    ASSERT_NE(dialog, nullptr);
    SetWindowPos(dialog, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);

    game.subjectMarks[2] = 1;
    std::thread answer([] {
        HWND box = FindDialogByCaption("Tuckle - New Game", GetCurrentProcessId(), 10000);
        if (!box) return;
        SendMessageA(GetDlgItem(box, IDC_SUBJECT_LIST), LB_SETSEL, TRUE, 1);
        PressDialogButton(box, IDC_LOAD);
    });
    SendMessageA(dialog, WM_COMMAND, IDM_NEW, 0);
    answer.join();

    char line[64] = "";
    GetDlgItemTextA(dialog, IDC_SECOND_LINE, line, sizeof line);
    EXPECT_STREQ(line, "fish & chips.jpg");
    EXPECT_TRUE(play::LineShowsText(dialog, IDC_SECOND_LINE, "fish & chips.jpg"));
    EXPECT_TRUE(play::LineShowsText(dialog, IDC_WORD_LINE, "----/&/-----"));

    // Utterances are separate processes that log beside this program: let
    // them end and clear their log, so that they cannot reach another test.
    play::WaitForSpeechPrograms();
    char program[MAX_PATH];
    GetModuleFileNameA(NULL, program, sizeof program);
    *std::strrchr(program, '\\') = '\0';
    DeleteFileA((std::string(program) + "\\espeak\\log.txt").c_str());

    DestroyWindow(dialog);
    SetCurrentDirectoryA(previous);
}

} // namespace
