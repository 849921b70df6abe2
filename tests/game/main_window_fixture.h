// The main window run in-process on a small game folder of its own (two
// subjects of one word each and solid-colour stage and result pictures), so
// that a test can read and set the game's state and its platform handles.
#ifndef TUCKLE_TESTS_MAIN_WINDOW_FIXTURE_H
#define TUCKLE_TESTS_MAIN_WINDOW_FIXTURE_H

#include <gtest/gtest.h>

#include <windows.h>
#include <tlhelp32.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "dialog_answer.h"
#include "emulation.h"
#include "game_window.h"
#include "main_window.h"
#include "picture_files.h"
#include "resource_ids.h"

inline std::string ProgramFolder()
{
    char path[MAX_PATH];
    GetModuleFileNameA(NULL, path, sizeof path);
    *std::strrchr(path, '\\') = '\0';
    return path;
}

// The stand-in speech program beside this test logs each utterance here.
inline std::string SpeechLog() { return ProgramFolder() + "\\espeak\\log.txt"; }

// The logged utterances, once there are at least `atLeast` (or after 10 s,
// longer under the emulator).
inline std::vector<std::string> Utterances(size_t atLeast)
{
    std::vector<std::string> lines;
    for (DWORD wait = 0; wait < EmulatorScaled(200); ++wait) {
        lines.clear();
        std::ifstream log(SpeechLog());
        std::string line;
        while (std::getline(log, line)) lines.push_back(line);
        if (lines.size() >= atLeast) break;
        Sleep(50);
    }
    return lines;
}

// Waits (up to 5 s each) for the speech programs this process started to end,
// so that none of them writes into the next test's log.
inline void WaitForSpeechToEnd()
{
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return;
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry)) {
        if (entry.th32ParentProcessID != GetCurrentProcessId() || lstrcmpiA(entry.szExeFile, "espeak.exe") != 0)
            continue;
        HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, entry.th32ProcessID);
        if (!process) continue;
        WaitForSingleObject(process, 5000);
        CloseHandle(process);
    }
    CloseHandle(snapshot);
}

// Handles what this thread's windows have posted to themselves.
inline void PumpMessages()
{
    MSG message;
    while (PeekMessageA(&message, NULL, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

inline void Write(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

inline std::string Text(HWND dialog, int id)
{
    char text[128] = "";
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char temp[MAX_PATH];
        GetTempPathA(sizeof temp, temp);
        folder = std::string(temp) + "tuckle_main_window";
        CreateDirectoryA(folder.c_str(), NULL);
        CreateDirectoryA((folder + "\\pets").c_str(), NULL);
        CreateDirectoryA((folder + "\\toys").c_str(), NULL);
        Write(folder + "\\tuckle.ini", "Pets\r\npets\r\nToys\r\ntoys\r\n");
        Write(folder + "\\pets\\data.txt", "ox\r\nox.jpg\r\n");
        Write(folder + "\\toys\\data.txt", "yo\r\nyo.jpg\r\n");
        for (int stage = 0; stage <= WrongLimitPerWord; ++stage) {
            char name[32];
            std::snprintf(name, sizeof name, "\\tuckle.%02d.bmp", stage);
            ASSERT_TRUE(WriteSolidBitmap(folder + name, RGB(20 * stage, 100, 100)));
        }
        ASSERT_TRUE(WriteSolidBitmap(folder + "\\win.bmp", RGB(20, 90, 90)));
        ASSERT_TRUE(WriteSolidBitmap(folder + "\\lose.bmp", RGB(90, 90, 20)));
        GetCurrentDirectoryA(sizeof previous, previous);
        SetCurrentDirectoryA(folder.c_str());
        DeleteFileA(SpeechLog().c_str());

        gameWindow.instance = GetModuleHandleA(NULL);
        dialog = CreateDialogParamA(gameWindow.instance, MAKEINTRESOURCEA(IDD_MAIN), NULL, MainDialogProc, 0);
        ASSERT_NE(dialog, nullptr);
        // The first word is spoken from a message the window posts itself.
        PumpMessages();
    }

    void TearDown() override
    {
        if (dialog) DestroyWindow(dialog);
        WaitForSpeechToEnd();
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

#endif
