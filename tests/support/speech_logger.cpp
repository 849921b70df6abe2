// Stand-in for the speech program in the end-to-end tests: appends the
// arguments part of its command line (everything after the program token,
// leading spaces dropped) and a line feed to "log.txt" beside itself.
#include <windows.h>

#include <cstring>
#include <string>

namespace {

// The command line after the program token, which is either quoted or runs
// to the first blank.
const char* ArgumentsOf(const char* line)
{
    const char* p = line;
    if (*p == '"') {
        ++p;
        while (*p && *p != '"') ++p;
        if (*p == '"') ++p;
    } else {
        while (*p && *p != ' ' && *p != '\t') ++p;
    }
    while (*p == ' ') ++p;
    return p;
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(NULL, path, sizeof path);
    if (length == 0 || length >= sizeof path) return 1;
    char* slash = std::strrchr(path, '\\');
    if (!slash) return 1;
    std::strcpy(slash + 1, "log.txt");

    std::string entry = ArgumentsOf(GetCommandLineA());
    entry += '\n';

    // Appending only: several instances may write at once, and one write per
    // instance keeps their lines whole.
    HANDLE log = CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                             NULL, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
    if (log == INVALID_HANDLE_VALUE) return 1;
    DWORD written = 0;
    BOOL ok = WriteFile(log, entry.data(), static_cast<DWORD>(entry.size()), &written, NULL);
    CloseHandle(log);
    return ok && written == entry.size() ? 0 : 1;
}
