#include "installed_espeak.h"

#include "command_line.h"

#include <windows.h>

#include <vector>

namespace {

bool IsFile(const std::string& path)
{
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string Environment(const char* name)
{
    char value[MAX_PATH];
    DWORD length = GetEnvironmentVariableA(name, value, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::string(value, length) : std::string();
}

// A 32-bit program on 64-bit Windows sees the x86 folder as %ProgramFiles%;
// eSpeak NG's 64-bit installer uses the other one (%ProgramW6432%).
std::string FindEspeak()
{
    for (const char* folder : {"ProgramFiles", "ProgramW6432", "ProgramFiles(x86)"}) {
        std::string root = Environment(folder);
        if (root.empty()) continue;
        std::string path = root + "\\eSpeak NG\\espeak-ng.exe";
        if (IsFile(path)) return path;
    }
    return std::string();
}

}  // namespace

bool SpeakWithInstalledEspeak(const std::string& text, const std::string& synthOverride)
{
    std::string program = synthOverride.empty() ? FindEspeak() : synthOverride;
    if (program.empty()) return false;

    // "--" ends the options, so a text that begins with "-" is spoken.
    std::string command = QuoteArgument(program) + " -- " + QuoteArgument(text);
    std::vector<char> line(command.begin(), command.end());
    line.push_back('\0');
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(program.c_str(), line.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW,
                        nullptr, nullptr, &startup, &process)) {
        return false;
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}
