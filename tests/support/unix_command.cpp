#include "unix_command.h"

#include <windows.h>

#include <fstream>
#include <sstream>

std::string UnixPathOf(const std::string& windowsPath)
{
    typedef char*(__cdecl * UnixFileName)(const WCHAR*);
    UnixFileName convert = reinterpret_cast<UnixFileName>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    if (convert == NULL)
        return std::string();
    WCHAR wide[MAX_PATH * 2] = {};
    if (MultiByteToWideChar(CP_ACP, 0, windowsPath.c_str(), -1, wide, MAX_PATH * 2) == 0)
        return std::string();
    char* unixPath = convert(wide);
    if (unixPath == NULL)
        return std::string();
    std::string result(unixPath);
    HeapFree(GetProcessHeap(), 0, unixPath);
    return result;
}

std::string DosPathOf(const std::string& unixPath)
{
    typedef WCHAR*(__cdecl * DosFileName)(const char*);
    DosFileName convert = reinterpret_cast<DosFileName>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_dos_file_name")));
    if (convert == NULL)
        return unixPath;
    WCHAR* wide = convert(unixPath.c_str());
    if (wide == NULL)
        return std::string();
    char path[MAX_PATH * 2] = "";
    WideCharToMultiByte(CP_ACP, 0, wide, -1, path, sizeof path, NULL, NULL);
    HeapFree(GetProcessHeap(), 0, wide);
    return path;
}

std::string RunUnixCommand(const std::string& shellCommand, unsigned timeoutMs)
{
    char folder[MAX_PATH + 1] = {};
    if (GetTempPathA(MAX_PATH, folder) == 0)
        return std::string();
    static unsigned runs = 0;
    std::ostringstream name;
    name << folder << "unix_command_" << GetCurrentProcessId() << "_" << ++runs;
    std::string done = name.str() + ".out";
    std::string partial = name.str() + ".part";
    std::string unixDone = UnixPathOf(done);
    std::string unixPartial = UnixPathOf(partial);
    if (unixDone.empty() || unixPartial.empty())
        return std::string();
    std::string commandLine = "/bin/sh -c \"(" + shellCommand + ") > '" + unixPartial +
                              "' 2>&1; mv '" + unixPartial + "' '" + unixDone + "'\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA("Z:\\bin\\sh", &commandLine[0], NULL, NULL, FALSE, 0, NULL, NULL, &startup,
                        &process))
        return std::string();
    if (process.hProcess != NULL)
        CloseHandle(process.hProcess);
    if (process.hThread != NULL)
        CloseHandle(process.hThread);
    DWORD start = GetTickCount();
    while (GetFileAttributesA(done.c_str()) == INVALID_FILE_ATTRIBUTES &&
           GetTickCount() - start < timeoutMs)
        Sleep(5);
    std::ostringstream text;
    std::ifstream output(done.c_str(), std::ios::binary);
    if (output)
        text << output.rdbuf();
    output.close();
    DeleteFileA(done.c_str());
    DeleteFileA(partial.c_str());
    return text.str();
}
