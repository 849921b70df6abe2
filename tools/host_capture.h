// Pictures of windows under Wine with an X display, taken by the host's
// ImageMagick (`import` and `convert`), which a Windows program under Wine
// can start by its Unix path.
#ifndef TOOLS_HOST_CAPTURE_H
#define TOOLS_HOST_CAPTURE_H

#include <windows.h>

#include <string>

// The Unix folder the pictures go to (and the host commands' marker file).
void SetCaptureFolder(const std::string& folder);

// Runs a host shell command and waits for it.
void RunHost(const std::string& command);

// Grabs the screen once and saves the rectangle of each window given as
// <name>.png in the capture folder.
void Shoot(HWND window, const char* name, HWND second = NULL, const char* secondName = NULL);

#endif
