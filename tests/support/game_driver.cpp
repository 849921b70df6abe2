#include "game_driver.h"

#include <tlhelp32.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "picture_files.h"

namespace play {

namespace {

const DWORD PollInterval = 50;

const COLORREF StageColours[11] = {
    RGB(200, 30, 30),  RGB(30, 200, 30),  RGB(30, 30, 200), RGB(200, 200, 30),
    RGB(200, 30, 200), RGB(30, 200, 200), RGB(120, 60, 10), RGB(10, 120, 60),
    RGB(60, 10, 120),  RGB(250, 140, 0),  RGB(0, 140, 250),
};

struct WindowSearch {
    DWORD processId;
    const std::string* caption;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM data)
{
    WindowSearch& search = *reinterpret_cast<WindowSearch*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search.processId || !IsWindowVisible(window)) return TRUE;
    char text[256] = "";
    GetWindowTextA(window, text, sizeof text);
    if (*search.caption != text) return TRUE;
    search.found = window;
    return FALSE;
}

BOOL CALLBACK FirstStaticText(HWND child, LPARAM data)
{
    std::string& text = *reinterpret_cast<std::string*>(data);
    char name[32] = "";
    GetClassNameA(child, name, sizeof name);
    if (lstrcmpiA(name, "Static") != 0) return TRUE;
    char buffer[1024] = "";
    GetWindowTextA(child, buffer, sizeof buffer);
    if (!*buffer) return TRUE;
    text = buffer;
    return FALSE;
}

struct ChildSearch {
    int id;
    std::vector<std::string>* texts;
};

BOOL CALLBACK CollectChildText(HWND child, LPARAM data)
{
    ChildSearch& search = *reinterpret_cast<ChildSearch*>(data);
    if (GetDlgCtrlID(child) != search.id) return TRUE;
    char text[1024] = "";
    GetWindowTextA(child, text, sizeof text);
    search.texts->push_back(text);
    return TRUE;
}

bool Near(COLORREF a, COLORREF b)
{
    const int tolerance = 6;
    return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance &&
           std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
           std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

} // namespace

COLORREF StageColour(int stage)
{
    if (stage < 0) stage = 0;
    if (stage > 10) stage = 10;
    return StageColours[stage];
}

COLORREF LoseColour() { return RGB(90, 90, 20); }
COLORREF WinColour() { return RGB(20, 90, 90); }

std::string WindowsPath(const std::string& path)
{
    if (path.empty() || path[0] != '/') return path;
    std::string windows = "Z:" + path;
    for (char& c : windows)
        if (c == '/') c = '\\';
    return windows;
}

GameFolder::GameFolder(const std::string& name, const std::string& gameExe, const std::string& speechExe)
{
    char temp[MAX_PATH] = "";
    DWORD length = GetTempPathA(sizeof temp, temp);
    if (length == 0 || length >= sizeof temp) return;
    path = std::string(temp) + "tuckle_play_" + name;
    std::error_code error;
    std::filesystem::remove_all(path, error);
    std::filesystem::create_directories(path + "\\espeak", error);
    if (error) return;
    if (!CopyFileA(WindowsPath(gameExe).c_str(), GameExe().c_str(), FALSE)) return;
    if (!CopyFileA(WindowsPath(speechExe).c_str(), (path + "\\espeak\\espeak.exe").c_str(), FALSE)) return;
    for (int stage = 0; stage <= 10; ++stage) {
        char file[32];
        std::snprintf(file, sizeof file, "tuckle.%02d.bmp", stage);
        if (!WriteBitmap(file, StageColour(stage))) return;
    }
    ready = WriteBitmap("lose.bmp", LoseColour()) && WriteBitmap("win.bmp", WinColour());
}

GameFolder::~GameFolder()
{
    // The program file may stay locked for a moment after its process ended.
    for (int attempt = 0; attempt < 20; ++attempt) {
        std::error_code error;
        std::filesystem::remove_all(path, error);
        if (!error) return;
        Sleep(100);
    }
}

bool GameFolder::WriteFile(const std::string& relative, const std::string& bytes) const
{
    std::filesystem::path file = std::filesystem::path(path) / relative;
    std::error_code error;
    std::filesystem::create_directories(file.parent_path(), error);
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

bool GameFolder::WriteBitmap(const std::string& relative, COLORREF colour) const
{
    std::filesystem::path file = std::filesystem::path(path) / relative;
    std::error_code error;
    std::filesystem::create_directories(file.parent_path(), error);
    return WriteSolidBitmap(file.string(), colour);
}

std::vector<std::string> GameFolder::Utterances() const
{
    std::vector<std::string> lines;
    std::string text;
    HANDLE log = CreateFileA((path + "\\espeak\\log.txt").c_str(), GENERIC_READ,
                             FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, NULL, OPEN_EXISTING,
                             FILE_ATTRIBUTE_NORMAL, NULL);
    if (log == INVALID_HANDLE_VALUE) return lines;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(log, buffer, sizeof buffer, &got, NULL) && got > 0) text.append(buffer, got);
    CloseHandle(log);
    // A line still being written has no line feed yet and is left for later.
    size_t start = 0;
    for (size_t end = text.find('\n'); end != std::string::npos; end = text.find('\n', start)) {
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

bool GameProcess::Start(const std::string& exe, const std::string& folder)
{
    Kill();
    std::string commandLine = "\"" + exe + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    if (!CreateProcessA(exe.c_str(), &commandLine[0], NULL, NULL, FALSE, 0, NULL, folder.c_str(), &startup,
                        &info)) {
        info = PROCESS_INFORMATION();
        return false;
    }
    return true;
}

bool GameProcess::Running() const
{
    return info.hProcess && WaitForSingleObject(info.hProcess, 0) == WAIT_TIMEOUT;
}

HWND GameProcess::FindWindowNow(const std::string& caption) const
{
    WindowSearch search = {info.dwProcessId, &caption, NULL};
    if (info.hProcess) EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND GameProcess::WaitForWindow(const std::string& caption, DWORD timeout) const
{
    DWORD start = GetTickCount();
    for (;;) {
        HWND found = FindWindowNow(caption);
        if (found || GetTickCount() - start > timeout) return found;
        Sleep(PollInterval);
    }
}

bool GameProcess::WaitForExit(DWORD& exitCode, DWORD timeout) const
{
    if (!info.hProcess || WaitForSingleObject(info.hProcess, timeout) != WAIT_OBJECT_0) return false;
    return GetExitCodeProcess(info.hProcess, &exitCode) != 0;
}

void GameProcess::Kill()
{
    if (!info.hProcess) return;
    if (WaitForSingleObject(info.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(info.hProcess, 99);
        WaitForSingleObject(info.hProcess, Patience);
    }
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    info = PROCESS_INFORMATION();
}

bool WaitForSpeechPrograms(DWORD timeout)
{
    for (DWORD start = GetTickCount();; Sleep(50)) {
        HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
        if (snapshot == INVALID_HANDLE_VALUE) return false;
        PROCESSENTRY32 entry = {};
        entry.dwSize = sizeof entry;
        bool running = false;
        for (BOOL more = Process32First(snapshot, &entry); more && !running; more = Process32Next(snapshot, &entry))
            running = lstrcmpiA(entry.szExeFile, "espeak.exe") == 0;
        CloseHandle(snapshot);
        if (!running) return true;
        if (GetTickCount() - start > timeout) return false;
    }
}

void Press(HWND window, int id)
{
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
}

void PressEscape(HWND window)
{
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
}

void PressCloseBox(HWND window)
{
    PostMessageA(window, WM_CLOSE, 0, 0);
}

bool Fence(HWND dialog, int buttonId, DWORD timeout)
{
    HWND button = GetDlgItem(dialog, buttonId);
    if (!button) return false;
    // Posted messages of one thread are handled in order, so once the
    // highlight shows, everything posted earlier has been handled.
    PostMessageA(button, BM_SETSTATE, TRUE, 0);
    DWORD start = GetTickCount();
    bool seen = false;
    while (!seen && IsWindow(button) && GetTickCount() - start <= timeout) {
        DWORD_PTR state = 0;
        if (SendMessageTimeoutA(button, BM_GETSTATE, 0, 0, SMTO_NORMAL, 1000, &state) && (state & BST_PUSHED))
            seen = true;
        else
            Sleep(PollInterval);
    }
    if (seen) PostMessageA(button, BM_SETSTATE, FALSE, 0);
    return seen && IsWindow(dialog);
}

std::string ControlText(HWND dialog, int id)
{
    char text[1024] = "";
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

std::vector<std::string> ChildTexts(HWND dialog, int id)
{
    std::vector<std::string> texts;
    ChildSearch search = {id, &texts};
    EnumChildWindows(dialog, CollectChildText, reinterpret_cast<LPARAM>(&search));
    return texts;
}

std::vector<std::string> ListItems(HWND list)
{
    std::vector<std::string> items;
    LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        char buffer[512] = {};
        SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(buffer));
        std::string item;
        bool wide = buffer[0] && !buffer[1];
        for (size_t j = 0; j < sizeof buffer && buffer[j]; j += wide ? 2 : 1) item += buffer[j];
        items.push_back(item);
    }
    return items;
}

std::string MessageBoxText(HWND box)
{
    std::string text = ControlText(box, 0xFFFF);
    if (text.empty()) EnumChildWindows(box, FirstStaticText, reinterpret_cast<LPARAM>(&text));
    return text;
}

bool WaitForWindowGone(HWND window, DWORD timeout)
{
    DWORD start = GetTickCount();
    while (IsWindow(window)) {
        if (GetTickCount() - start > timeout) return false;
        Sleep(PollInterval);
    }
    return true;
}

COLORREF ScreenPixel(HWND window, int clientX, int clientY)
{
    POINT point = {clientX, clientY};
    ClientToScreen(window, &point);
    HDC screen = GetDC(NULL);
    COLORREF colour = GetPixel(screen, point.x, point.y);
    ReleaseDC(NULL, screen);
    return colour;
}

bool WaitForPixel(HWND window, int clientX, int clientY, COLORREF expected, COLORREF& seen, DWORD timeout)
{
    DWORD start = GetTickCount();
    for (;;) {
        seen = ScreenPixel(window, clientX, clientY);
        if (Near(seen, expected)) return true;
        if (GetTickCount() - start > timeout) return false;
        Sleep(PollInterval);
    }
}

std::vector<COLORREF> ScreenPixels(HWND window, const RECT& client)
{
    const int width = client.right - client.left, height = client.bottom - client.top;
    std::vector<COLORREF> pixels;
    if (width <= 0 || height <= 0) return pixels;
    POINT origin = {client.left, client.top};
    ClientToScreen(window, &origin);

    BITMAPINFO info = TopDownRgbInfo(width, height);
    void* bits = NULL;
    HDC screen = GetDC(NULL);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP grab = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, NULL, 0);
    if (memory && grab && bits) {
        HGDIOBJ old = SelectObject(memory, grab);
        BitBlt(memory, 0, 0, width, height, screen, origin.x, origin.y, SRCCOPY);
        GdiFlush();
        const DWORD* row = static_cast<const DWORD*>(bits);
        for (int i = 0; i < width * height; ++i)
            pixels.push_back(RGB((row[i] >> 16) & 0xFF, (row[i] >> 8) & 0xFF, row[i] & 0xFF));
        SelectObject(memory, old);
    }
    if (grab) DeleteObject(grab);
    if (memory) DeleteDC(memory);
    ReleaseDC(NULL, screen);
    return pixels;
}

RECT ChildRect(HWND parent, int id)
{
    RECT r = {0, 0, 0, 0};
    HWND child = GetDlgItem(parent, id);
    if (!child) return r;
    GetWindowRect(child, &r);
    MapWindowPoints(NULL, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

bool IsInk(COLORREF c)
{
    return GetRValue(c) + GetGValue(c) + GetBValue(c) < 3 * 90;
}

InkColumns ColumnsOfInk(const std::vector<COLORREF>& pixels, int width)
{
    InkColumns ink;
    for (int x = 0; x < width; ++x) {
        bool any = false;
        for (size_t i = x; i < pixels.size(); i += width) any = any || IsInk(pixels[i]);
        if (!any) continue;
        if (ink.first < 0) ink.first = x;
        ink.last = x;
        ++ink.count;
    }
    return ink;
}

InkColumns WordLineColumns(const std::string& text, int width, int height)
{
    HDC screen = GetDC(NULL);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP canvas = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ oldBitmap = SelectObject(memory, canvas);
    HFONT font = CreateFontA(-MulDiv(13, GetDeviceCaps(screen, LOGPIXELSY), 72), 0, 0, 0, FW_DONTCARE,
                             FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, "Courier New");
    HGDIOBJ oldFont = SelectObject(memory, font);
    RECT all = {0, 0, width, height};
    FillRect(memory, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SetTextColor(memory, RGB(0, 0, 0));
    SetBkMode(memory, TRANSPARENT);
    DrawTextA(memory, text.c_str(), -1, &all, DT_CENTER | DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) pixels.push_back(GetPixel(memory, x, y));
    SelectObject(memory, oldFont);
    SelectObject(memory, oldBitmap);
    DeleteObject(font);
    DeleteObject(canvas);
    DeleteDC(memory);
    ReleaseDC(NULL, screen);
    return ColumnsOfInk(pixels, width);
}

::testing::AssertionResult LineShowsText(HWND dialog, int id, const std::string& text, DWORD timeout)
{
    const RECT r = ChildRect(dialog, id);
    const int width = r.right - r.left, height = r.bottom - r.top;
    const InkColumns expected = WordLineColumns(text, width, height);
    InkColumns seen;
    for (DWORD start = GetTickCount(); GetTickCount() - start <= timeout; Sleep(100)) {
        // A window of this thread paints only while its messages are handled.
        MSG message;
        while (PeekMessageA(&message, NULL, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
        seen = ColumnsOfInk(ScreenPixels(dialog, r), width);
        if (std::abs(seen.first - expected.first) <= 1 && std::abs(seen.last - expected.last) <= 1 &&
            std::abs(seen.count - expected.count) <= 2)
            return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << "\"" << text << "\" has ink in columns " << expected.first << ".." << expected.last << " ("
           << expected.count << " columns); the screen shows " << seen.first << ".." << seen.last << " ("
           << seen.count << ")";
}

std::string ColourName(COLORREF colour)
{
    char text[16];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", GetRValue(colour), GetGValue(colour), GetBValue(colour));
    return text;
}

} // namespace play
