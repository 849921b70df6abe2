#include "console.h"

#include <vector>

#define WICKER_WEB_ADDRESS "https://wicker-toolkit.example/"
const char WickerWebAddress[] = WICKER_WEB_ADDRESS;
const char WickerConsoleTitle[] = "Wicker Project - " WICKER_WEB_ADDRESS;

namespace {

// ReadLine's buffer: 1023 characters and a terminator.
const DWORD kLineBuffer = 1024;
// GetConsoleTitleA's first buffer; a title that fills it is read again in a
// larger one, up to the largest title a console keeps.
const DWORD kTitleBuffer = 1024;
const DWORD kTitleLimit = 65536;

}  // namespace

Console::Console(bool open) : input(NULL), output(NULL)
{
    BindProperties();
    if (open)
        Open(WickerConsoleTitle);
}

Console::Console(const Console& other) : input(other.input), output(other.output)
{
    BindProperties();
}

Console& Console::operator=(const Console& other)
{
    input = other.input;
    output = other.output;
    return *this;
}

void Console::BindProperties()
{
    Title.Bind(this, &Console::GetTitleValue, &Console::SetTitleValue);
}

int Console::Open(const String& title)
{
    if (AllocConsole()) {
        SetConsoleTitleA(title.CStr());
        output = GetStdHandle(STD_OUTPUT_HANDLE);
        input = GetStdHandle(STD_INPUT_HANDLE);
    }
    return 0;
}

bool Console::Opened() const
{
    return output != NULL && output != INVALID_HANDLE_VALUE;
}

// WriteConsoleA may write fewer characters than asked; it is called again
// for the rest.
bool Console::Write(const String& text)
{
    const char* next = text.CStr();
    DWORD left = static_cast<DWORD>(text.size());
    while (left > 0) {
        DWORD written = 0;
        if (!WriteConsoleA(output, next, left, &written, NULL) || written == 0)
            return false;
        next += written;
        left -= written;
    }
    if (text.empty()) {
        DWORD written = 0;
        return WriteConsoleA(output, "", 0, &written, NULL) != FALSE;
    }
    return true;
}

String Console::ReadLine()
{
    char buffer[kLineBuffer] = {};
    DWORD read = 0;
    if (!ReadConsoleA(input, buffer, kLineBuffer - 1, &read, NULL))
        return String();
    if (read > kLineBuffer - 1)
        read = kLineBuffer - 1;
    return String(buffer, read);
}

bool Console::Close()
{
    bool freed = FreeConsole() != FALSE;
    input = NULL;
    output = NULL;
    return freed;
}

// GetConsoleTitleA cuts a title that does not fit its buffer; the title is
// read again in a buffer twice as large while the result fills the buffer.
String Console::GetTitleValue()
{
    for (DWORD size = kTitleBuffer;; size *= 2) {
        std::vector<char> buffer(size + 1, '\0');
        DWORD length = GetConsoleTitleA(buffer.data(), size);
        if (length == 0)
            return String();
        if (length < size - 1 || size >= kTitleLimit)
            return String(buffer.data());
    }
}

void Console::SetTitleValue(const String& title)
{
    SetConsoleTitleA(title.CStr());
}
