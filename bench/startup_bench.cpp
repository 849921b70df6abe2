// Start-up time of the game: from starting tuckle.exe to its main window
// being visible, next to the same figure for a program that only shows the
// main dialog template, measured in the same run; and what the toolkit's
// start-up, the first utterance and the first word picture each add, from
// the template program built with one more of those steps at a time.
//
//   startup_bench [rounds]     (15 when not given; the suite runs one round
//                               to see that every program starts)
//
// Program starts under Wine vary a lot from one to the next (on a two-core
// machine the same program takes from 70 to 150 ms), so the figures are
// medians, printed with the fastest and slowest start beside them.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "window_search.h"

namespace {

const int DefaultRounds = 15;
// What a yardstick program exits with when it could not take its step.
const DWORD StepFailed = 2;

// Milliseconds from CreateProcess to a visible window whose caption starts
// with prefix; -1 when it never shows, -2 when the program ended because it
// could not take its step.
double TimeToWindow(const std::string& program, const char* prefix)
{
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    std::vector<char> line(program.begin(), program.end());
    line.push_back('\0');
    LARGE_INTEGER frequency, start, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    if (!CreateProcessA(NULL, line.data(), NULL, NULL, FALSE, 0, NULL, NULL, &si, &pi)) return -1;
    double ms = -1;
    for (int i = 0; i < 20000; ++i) {
        if (HWND window = FindVisibleWindow(pi.dwProcessId, prefix)) {
            QueryPerformanceCounter(&now);
            ms = 1000.0 * double(now.QuadPart - start.QuadPart) / double(frequency.QuadPart);
            PostMessageA(window, WM_CLOSE, 0, 0);
            break;
        }
        // A program that ended shows no window any more.
        if (WaitForSingleObject(pi.hProcess, 0) == WAIT_OBJECT_0) break;
        Sleep(1);
    }
    if (WaitForSingleObject(pi.hProcess, 15000) != WAIT_OBJECT_0) TerminateProcess(pi.hProcess, 1);
    DWORD code = 0;
    if (ms < 0 && GetExitCodeProcess(pi.hProcess, &code) && code == StepFailed) ms = -2;
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return ms;
}

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    const int Rounds = argc > 1 ? std::atoi(argv[1]) : DefaultRounds;
    if (Rounds < 1) {
        std::printf("startup: give a number of rounds of at least 1\n");
        return 1;
    }
    // The game reads its files from the current directory: run every
    // program from the game folder.
    if (!SetCurrentDirectoryA(TUCKLE_DIST_DIR)) {
        std::printf("startup: cannot enter the game folder %s\n", TUCKLE_DIST_DIR);
        return 1;
    }
    struct Program {
        const char* path;
        const char* caption;
        const char* what;
        std::vector<double> times;
    };
    const std::string bench = BENCH_DIR;
    const std::string minimal = bench + "/minimal_dialog.exe";
    const std::string toolkit = bench + "/minimal_dialog_toolkit.exe";
    const std::string speech = bench + "/minimal_dialog_speech.exe";
    const std::string picture = bench + "/minimal_dialog_picture.exe";
    Program programs[] = {
        {minimal.c_str(), "Tuckle", "template only", {}},
        {toolkit.c_str(), "Tuckle", "toolkit start-up", {}},
        {speech.c_str(), "Tuckle", "first utterance", {}},
        {picture.c_str(), "Tuckle", "first word picture", {}},
        {"tuckle.exe", "Tuckle's - ", "the game's own rest", {}},
    };
    // Rounds interleave the programs, so that a slow spell of the machine
    // falls on all of them alike.
    for (int round = 0; round < Rounds; ++round)
        for (Program& program : programs) program.times.push_back(TimeToWindow(program.path, program.caption));
    const int count = sizeof programs / sizeof programs[0];
    double medians[count];
    int i = 0;
    for (Program& program : programs) {
        double fastest = *std::min_element(program.times.begin(), program.times.end());
        if (fastest < 0) {
            std::printf(fastest == -2 ? "startup: %s could not take its step (%s)\n"
                                      : "startup: the window of %s did not appear (%s)\n",
                        program.path, program.what);
            return 1;
        }
        medians[i++] = Median(program.times);
    }
    auto spread = [](const std::vector<double>& times) {
        static char text[64];
        std::snprintf(text, sizeof text, "fastest %.1f, slowest %.1f",
                      *std::min_element(times.begin(), times.end()),
                      *std::max_element(times.begin(), times.end()));
        return text;
    };
    double g = medians[count - 1], m = medians[0];
    std::printf("startup: tuckle.exe to visible main window   %8.1f ms (median of %d; %s)\n", g, Rounds,
                spread(programs[count - 1].times));
    std::printf("startup: template-only program to its window %8.1f ms (median of %d; %s)\n", m, Rounds,
                spread(programs[0].times));
    std::printf("startup: ratio %.2f (goal: at most 1.30)\n", g / m);
    std::printf("startup: breakdown, each step's median over the one before it:\n");
    for (int step = 1; step < count; ++step)
        std::printf("startup:   %-22s %+8.1f ms\n", programs[step].what, medians[step] - medians[step - 1]);
    return 0;
}
