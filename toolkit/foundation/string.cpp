#include "string.h"

#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <utility>

// The base (the text) is built first, then Length is cleared and bound to
// this String; the text of another String is copied, never its binding.
void String::BindProperties()
{
    Length.Clear();
    Length.BindOwner(this);
    Length.BindGet(&String::GetLength);
}

int String::GetLength()
{
    return static_cast<int>(size());
}

String::String() : std::string()
{
    BindProperties();
}

String::String(const char* text) : std::string(text ? text : "")
{
    BindProperties();
}

String::String(const char* bytes, std::size_t count) : std::string(bytes ? bytes : "", bytes ? count : 0)
{
    BindProperties();
}

String::String(const String& other) : std::string(other)
{
    BindProperties();
}

// Moving takes the other's text, never its binding.
String::String(String&& other) noexcept : std::string(std::move(static_cast<std::string&>(other)))
{
    BindProperties();
}

String::String(const std::string& other) : std::string(other)
{
    BindProperties();
}

String::String(std::string&& other) noexcept : std::string(std::move(other))
{
    BindProperties();
}

String String::operator=(const char* text)
{
    if (text)
        assign(text);
    else
        clear();
    return *this;
}

String String::operator=(const String& other)
{
    if (this != &other)
        assign(other);
    return *this;
}

String String::operator=(const std::string& other)
{
    assign(other);
    return *this;
}

String String::operator=(char byte)
{
    assign(1, byte);
    return *this;
}

String& String::operator=(String&& other) noexcept
{
    if (this != &other)
        std::string::operator=(std::move(static_cast<std::string&>(other)));
    return *this;
}

void String::Clear()
{
    clear();
}

const char* String::CStr() const
{
    return c_str();
}

char* String::CharAt(int index)
{
    return &(*this)[index];
}

bool String::operator==(const char* text) const
{
    return compare(text ? text : "") == 0;
}

bool String::operator==(const String& other) const
{
    return size() == other.size() && compare(other) == 0;
}

bool String::operator!=(const char* text) const
{
    return !(*this == text);
}

bool String::operator!=(const String& other) const
{
    return !(*this == other);
}

bool operator==(const char* text, const String& string)
{
    return string == text;
}

bool operator!=(const char* text, const String& string)
{
    return !(string == text);
}

String operator+(const String& first, const String& second)
{
    String result;
    result.reserve(first.size() + second.size());
    result.append(first).append(second);
    return result;
}

String operator+(const String& first, const char* second)
{
    String result(first);
    if (second)
        result.append(second);
    return result;
}

String operator+(const String& first, const std::string& second)
{
    String result(first);
    result.append(second);
    return result;
}

String operator+(const std::string& first, const String& second)
{
    String result(first);
    result.append(second);
    return result;
}

String operator+(const String& first, std::string&& second)
{
    second.insert(0, first);
    return String(std::move(second));
}

String operator+(std::string&& first, const String& second)
{
    first.append(second);
    return String(std::move(first));
}

String operator+(const char* first, const String& second)
{
    String result(first);
    result.append(second);
    return result;
}

String operator+(const String& first, char second)
{
    String result(first);
    result.push_back(second);
    return result;
}

String operator+(char first, const String& second)
{
    String result(&first, 1);
    result.append(second);
    return result;
}

void String::Print() const
{
    std::fwrite(data(), 1, size(), stdout);
}

String& String::Insert(int position, const String& text)
{
    insert(static_cast<size_type>(position), text);
    return *this;
}

String& String::Erase(int position, int count)
{
    erase(static_cast<size_type>(position), static_cast<size_type>(count));
    return *this;
}

// A negative start is a position past any end (as the standard string sees
// it), so nothing is found.
int String::FindChar(char byte, int start) const
{
    size_type at = find(byte, static_cast<size_type>(start));
    return at == npos ? -1 : static_cast<int>(at);
}

int String::Find(const String& text, int start) const
{
    size_type at = find(text, static_cast<size_type>(start));
    return at == npos ? -1 : static_cast<int>(at);
}

String String::Mid(int position, int count) const
{
    return String(substr(static_cast<size_type>(position), static_cast<size_type>(count)));
}

// The replace-all family rebuilds the text in one pass into a new buffer and
// swaps it in at the end. The result is exactly that of replacing occurrence
// after occurrence in place: the search resumes after each replaced occurrence, so
// replacement text is never searched again. The receiver is left untouched
// until the swap, so a search or replacement text that is the receiver itself
// is safe. An empty search text (which the occurrence loop would match without
// end) leaves the text unchanged, as does a negative or past-the-end start.
String& String::Replace(const String& search, const String& replacement, int start)
{
    if (search.empty() || start < 0 || static_cast<size_type>(start) >= size())
        return *this;
    size_type at = find(search, start);
    if (at == npos)
        return *this;
    std::string result;
    result.reserve(size());
    size_type from = 0;
    while (at != npos) {
        result.append(data() + from, at - from);
        result.append(replacement);
        from = at + search.size();
        at = find(search, from);
    }
    result.append(data() + from, size() - from);
    swap(result);
    return *this;
}

String& String::ReplaceChar(char byte, const String& replacement, int start)
{
    return Replace(String(&byte, 1), replacement, start);
}

String& String::ReplaceCharWithChar(char byte, char newByte, int start)
{
    if (start >= 0 && static_cast<size_type>(start) < size())
        std::replace(begin() + start, end(), byte, newByte);
    return *this;
}

// Bytes 'a' to 'z' only: the standard toupper of the default ("C") locale,
// which leaves every byte above 127 unchanged.
String String::Upper()
{
    for (char& c : *this)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return *this;
}

String String::Lower()
{
    for (char& c : *this)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return *this;
}

// The same as ten ReplaceChar passes ('0' to '9', empty replacement), in one.
String String::RemoveDigits()
{
    erase(std::remove_if(begin(), end(), [](char c) { return c >= '0' && c <= '9'; }), end());
    return *this;
}

StringList String::Split(const String& separator) const
{
    StringList list;
    if (separator.empty()) {
        list.items.reserve(size());
        for (char c : *this)
            list.items.emplace_back(&c, 1);
        return list;
    }
    // Counting first lets the list be built in place, without moving the
    // elements as it grows.
    size_type count = 1;
    for (size_type at = find(separator); at != npos; at = find(separator, at + 1))
        ++count;
    list.items.reserve(count);
    size_type from = 0;
    for (size_type at = find(separator); at != npos; at = find(separator, from)) {
        list.items.emplace_back(data() + from, at - from);
        // The scan resumes one byte after the start of the separator.
        from = at + 1;
    }
    list.items.emplace_back(data() + from, size() - from);
    return list;
}

int String::ToInt() const
{
    return std::atoi(c_str());
}

double String::ToDouble() const
{
    return std::atof(c_str());
}

String HexString(int value)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%x", static_cast<unsigned int>(value));
    for (char* c = buffer; *c; ++c)
        if (*c >= 'a' && *c <= 'f')
            *c = static_cast<char>(*c - 'a' + 'A');
    return String(buffer);
}

// Beyond 1074 decimals every digit of a double is zero (its smallest step is
// 2^-1074), so a larger decimals count is taken as 1074; a negative count as 0.
// The largest double has 309 integer digits, so sign, digits, point and
// decimals always fit the buffer; the formatting is bounded all the same.
static const int kMaxDecimals = 1074;

String NumberString(double value, int decimals)
{
    // Truncation toward zero, only where the value lies within 32 bits (a cast
    // of anything else, NaN included, is undefined and cannot give it back).
    if (value > -2147483649.0 && value < 2147483648.0) {
        long integer = static_cast<long>(value);
        if (static_cast<double>(integer) == value) {
            char buffer[16];
            std::snprintf(buffer, sizeof buffer, "%ld", integer);
            return String(buffer);
        }
    }
    if (decimals < 0)
        decimals = 0;
    if (decimals > kMaxDecimals)
        decimals = kMaxDecimals;
    String format = String("%.") + NumberString(decimals, 2) + "f";
    char buffer[1 + 309 + 1 + kMaxDecimals + 1 + 16];
    std::snprintf(buffer, sizeof buffer, format.c_str(), value);
    return String(buffer);
}

HINSTANCE RunProgram(const String& file, const String& parameters, HWND owner)
{
    return ShellExecuteA(owner, "open", file.c_str(), parameters.c_str(), NULL, SW_SHOWNORMAL);
}

bool FileExists(const String& path)
{
    std::FILE* file = std::fopen(path.c_str(), "r");
    if (!file)
        return false;
    std::fclose(file);
    return true;
}
