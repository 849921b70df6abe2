// Reads back, in the running program, what its application manifest set up:
// the settings the activation context reports, the code page, which common
// controls library was loaded and whether a button answers a message of
// version 6. The program is built once per set of manifest settings; each
// build is told what to expect by its compile definitions and prints one line
// per check. It exits with the number of failed checks.
#include <windows.h>
#include <commctrl.h>
#include <shlwapi.h>

#include <cstdio>
#include <cstring>
#include <cwchar>

#ifndef EXPECT_COMMON_CONTROLS_6
#error "EXPECT_COMMON_CONTROLS_6, EXPECT_DPI_AWARENESS and EXPECT_UTF8 are given by the build"
#endif

namespace {

int failures = 0;

void Check(bool ok, const char* what, const char* seen)
{
    std::printf("%s %s: %s\n", ok ? "ok  " : "FAIL", what, seen);
    if (!ok)
        ++failures;
}

// QueryActCtxSettingsW is not declared by every mingw-w64 release.
typedef BOOL(WINAPI* QuerySettings)(DWORD, HANDLE, const wchar_t*, const wchar_t*, wchar_t*, SIZE_T, SIZE_T*);

// The value of a windowsSettings element of the process's manifest, or
// "(none)" when the query fails.
void QuerySetting(const wchar_t* space, const wchar_t* name, char* out, size_t size)
{
    QuerySettings query = reinterpret_cast<QuerySettings>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "QueryActCtxSettingsW")));
    wchar_t value[64] = L"";
    SIZE_T written = 0;
    if (!query || !query(0, NULL, space, name, value, 64, &written)) {
        std::snprintf(out, size, "(none)");
        return;
    }
    WideCharToMultiByte(CP_UTF8, 0, value, -1, out, static_cast<int>(size), NULL, NULL);
}

}  // namespace

int main()
{
    char seen[MAX_PATH + 64];

    QuerySetting(L"http://schemas.microsoft.com/SMI/2016/WindowsSettings", L"dpiAwareness", seen, sizeof seen);
    Check(std::strcmp(seen, EXPECT_DPI_AWARENESS) == 0, "QueryActCtxSettingsW dpiAwareness", seen);

    QuerySetting(L"http://schemas.microsoft.com/SMI/2019/WindowsSettings", L"activeCodePage", seen, sizeof seen);
    Check(std::strcmp(seen, EXPECT_UTF8 ? "UTF-8" : "(none)") == 0, "QueryActCtxSettingsW activeCodePage", seen);

    UINT acp = GetACP();
    std::snprintf(seen, sizeof seen, "%u", acp);
    Check((acp == CP_UTF8) == (EXPECT_UTF8 != 0), "GetACP", seen);

    // The library the loader gives for the plain name: with the version 6
    // dependency it is the one from the side-by-side store.
    INITCOMMONCONTROLSEX init = {sizeof init, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&init);
    HMODULE comctl = GetModuleHandleA("comctl32.dll");
    char path[MAX_PATH] = "";
    GetModuleFileNameA(comctl, path, MAX_PATH);
    CharLowerA(path);
    Check((std::strstr(path, "\\winsxs\\") != NULL) == (EXPECT_COMMON_CONTROLS_6 != 0),
          "comctl32 from the side-by-side store", path);

    DLLVERSIONINFO version = {};
    version.cbSize = sizeof version;
    DLLGETVERSIONPROC getVersion = reinterpret_cast<DLLGETVERSIONPROC>(
        reinterpret_cast<void*>(GetProcAddress(comctl, "DllGetVersion")));
    if (getVersion)
        getVersion(&version);
    // Windows answers 6.x from the side-by-side library. Wine's one library
    // answers 5.81 from both places and takes up the behaviour of version 6
    // when it is loaded from the store, so the version is only shown.
    std::printf("note comctl32 DllGetVersion: %lu.%lu\n", version.dwMajorVersion, version.dwMinorVersion);

    HWND button = CreateWindowExA(0, "Button", "An ideal size", WS_POPUP | BS_PUSHBUTTON,
                                  0, 0, 20, 20, NULL, NULL, GetModuleHandleA(NULL), NULL);
    SIZE ideal = {0, 0};
    LRESULT answered = SendMessageA(button, BCM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(&ideal));
    std::snprintf(seen, sizeof seen, "answer %ld, %ldx%ld", static_cast<long>(answered), ideal.cx, ideal.cy);
    Check((answered && ideal.cx > 20) == (EXPECT_COMMON_CONTROLS_6 != 0), "BCM_GETIDEALSIZE", seen);
    DestroyWindow(button);

    std::printf("%d failed\n", failures);
    return failures;
}
