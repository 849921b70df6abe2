#include "wine_host.h"

#include <windows.h>

#include <vector>

bool IsWine()
{
    HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version");
}

std::string UnixPathOf(const std::string& windowsPath)
{
    using UnixFileName = char*(__cdecl*)(const WCHAR*);
    HMODULE kernel32 = GetModuleHandleA("kernel32.dll");
    auto convert = kernel32 ? reinterpret_cast<UnixFileName>(reinterpret_cast<void*>(
                                  GetProcAddress(kernel32, "wine_get_unix_file_name")))
                            : nullptr;
    if (!convert) return std::string();

    int length = MultiByteToWideChar(CP_ACP, 0, windowsPath.c_str(), -1, nullptr, 0);
    if (length <= 0) return std::string();
    std::vector<WCHAR> wide(length);
    MultiByteToWideChar(CP_ACP, 0, windowsPath.c_str(), -1, wide.data(), length);

    char* unixPath = convert(wide.data());
    if (!unixPath) return std::string();
    std::string result = unixPath;
    HeapFree(GetProcessHeap(), 0, unixPath);
    return result;
}
