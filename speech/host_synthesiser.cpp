#include "host_synthesiser.h"

#include "command_line.h"
#include "wine_host.h"

#include <windows.h>

#include <vector>

namespace {

const DWORD PollMilliseconds = 20;
const DWORD GiveUpMilliseconds = 120000;

// Runs the first executable synthesiser of the list with the text, then
// removes the marker file: $1 marker, $2 text, the rest the synthesisers.
// The "--" ends the synthesiser's options, so a text that begins with "-"
// (a word such as "-IA") is spoken, not read as an option.
const char* const RunnerScript =
    "m=$1; t=$2; shift 2; "
    "for s in \"$@\"; do if [ -x \"$s\" ]; then \"$s\" -- \"$t\"; break; fi; done; "
    "rm -f \"$m\"";

bool FileExists(const char* path)
{
    return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace

bool SpeakWithHostSynthesiser(const std::string& text, const std::string& synthOverride)
{
    std::vector<std::string> synthesisers;
    if (!synthOverride.empty()) {
        synthesisers.push_back(synthOverride);
    } else {
        synthesisers.push_back("/usr/bin/espeak-ng");
        synthesisers.push_back("/usr/bin/espeak");
    }

    // Wine starts a Unix program without a process handle to wait on, so a
    // shell runs the synthesiser and then deletes a marker file that this
    // program watches.
    char folder[MAX_PATH];
    char marker[MAX_PATH];
    if (!GetTempPathA(MAX_PATH, folder) || !GetTempFileNameA(folder, "tks", 0, marker)) {
        return false;
    }
    std::string unixMarker = UnixPathOf(marker);
    if (unixMarker.empty()) {
        DeleteFileA(marker);
        return false;
    }

    std::string command = "/bin/sh -c " + QuoteArgument(RunnerScript) + " sh " +
                          QuoteArgument(unixMarker) + " " + QuoteArgument(text);
    for (const std::string& synthesiser : synthesisers) command += " " + QuoteArgument(synthesiser);

    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    std::vector<char> line(command.begin(), command.end());
    line.push_back('\0');
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                        nullptr, &startup, &process)) {
        DeleteFileA(marker);
        return false;
    }
    if (process.hThread) CloseHandle(process.hThread);
    if (process.hProcess) CloseHandle(process.hProcess);

    DWORD start = GetTickCount();
    while (FileExists(marker) && GetTickCount() - start < GiveUpMilliseconds) Sleep(PollMilliseconds);
    DeleteFileA(marker);
    return true;
}
