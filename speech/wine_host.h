#pragma once

#include <string>

// True when the program runs under Wine (ntdll exports wine_get_version).
bool IsWine();

// The Unix path of a Windows path under Wine (kernel32's
// wine_get_unix_file_name); empty when there is none.
std::string UnixPathOf(const std::string& windowsPath);
