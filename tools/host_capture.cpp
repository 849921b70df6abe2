#include "host_capture.h"

#include <cstdio>
#include <vector>

namespace {

std::string captureFolder = ".";

}  // namespace

void SetCaptureFolder(const std::string& folder)
{
    captureFolder = folder;
}

// Wine hands out no process
// handle to wait on for a Linux program, so the command leaves a marker file
// when it is done and this waits for the marker.
void RunHost(const std::string& command)
{
    const std::string marker = captureFolder + "/.done";
    const std::string markerSeen = "Z:" + marker;
    DeleteFileA(markerSeen.c_str());
    std::string line = "/bin/sh -c \"" + command + "; touch " + marker + "\"";
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    std::vector<char> text(line.begin(), line.end());
    text.push_back('\0');
    if (!CreateProcessA(NULL, text.data(), NULL, NULL, FALSE, 0, NULL, NULL, &si, &pi)) {
        std::fprintf(stderr, "cannot run: %s\n", command.c_str());
        return;
    }
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    for (int i = 0; i < 400 && GetFileAttributesA(markerSeen.c_str()) == INVALID_FILE_ATTRIBUTES; ++i)
        Sleep(50);
    DeleteFileA(markerSeen.c_str());
}

namespace {

std::string Crop(HWND window)
{
    // The test prefix keeps windows away from any window manager, so Wine
    // draws the caption and the frame itself: the window rectangle is what
    // shows on screen.
    RECT r;
    GetWindowRect(window, &r);
    char geometry[64];
    std::snprintf(geometry, sizeof geometry, "%ldx%ld+%ld+%ld", r.right - r.left, r.bottom - r.top,
                  r.left, r.top);
    return geometry;
}

}  // namespace

// The screen is grabbed once so that a modal box and its owner are pictured
// at the same moment.
void Shoot(HWND window, const char* name, HWND second, const char* secondName)
{
    Sleep(700);  // let the windows finish painting
    const std::string screen = captureFolder + "/screen.png";
    RunHost("/usr/bin/import -window root " + screen);
    RunHost("/usr/bin/convert " + screen + " -crop " + Crop(window) + " +repage " + captureFolder +
            "/" + name + ".png");
    std::printf("saved %s.png\n", name);
    if (second) {
        RunHost("/usr/bin/convert " + screen + " -crop " + Crop(second) + " +repage " +
                captureFolder + "/" + secondName + ".png");
        std::printf("saved %s.png\n", secondName);
    }
    RunHost("/bin/rm -f " + screen);
}

