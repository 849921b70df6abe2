#include "wide_text.h"

#include <windows.h>

#include <climits>

namespace {

// How the bytes of the ANSI code page make characters: a step is one
// character's bytes and the UTF-16 units it becomes (and a place in a text,
// the bytes and units before it).
struct Step {
    std::size_t bytes;
    std::size_t units;
};

class CharacterWalk {
public:
    CharacterWalk() : codePage(GetACP()), doubleByte(false)
    {
        CPINFO info;
        doubleByte = codePage != CP_UTF8 && GetCPInfo(codePage, &info) && info.MaxCharSize == 2;
    }

    // The character at `at` of `length` bytes. A byte that starts no whole
    // character is one step of one unit, as the conversion gives it one
    // replacement character.
    Step At(const unsigned char* text, std::size_t at, std::size_t length) const
    {
        unsigned char lead = text[at];
        std::size_t left = length - at;
        if (lead < 0x80)
            return Step{1, 1};
        if (codePage == CP_UTF8) {
            std::size_t count = lead >= 0xC2 && lead <= 0xDF   ? 2
                                : lead >= 0xE0 && lead <= 0xEF ? 3
                                : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                               : 0;
            if (count == 0 || count > left)
                return Step{1, 1};
            for (std::size_t i = 1; i < count; ++i) {
                if ((text[at + i] & 0xC0) != 0x80)
                    return Step{1, 1};
            }
            return Step{count, count == 4 ? 2u : 1u};
        }
        if (doubleByte && left >= 2 && IsDBCSLeadByteEx(codePage, lead))
            return Step{2, 1};
        return Step{1, 1};
    }

private:
    UINT codePage;
    bool doubleByte;
};

}  // namespace

String AnsiFromWide(const wchar_t* text, std::size_t length)
{
    if (text == NULL || length == 0 || length > INT_MAX / 4)
        return String();
    int units = static_cast<int>(length);
    int bytes = WideCharToMultiByte(CP_ACP, 0, text, units, NULL, 0, NULL, NULL);
    if (bytes <= 0)
        return String();
    String result(std::string(static_cast<std::size_t>(bytes), '\0'));
    WideCharToMultiByte(CP_ACP, 0, text, units, result.CharAt(0), bytes, NULL, NULL);
    return result;
}

String AnsiFromWide(const std::wstring& text)
{
    return AnsiFromWide(text.data(), text.size());
}

std::wstring WideFromAnsi(const char* text, std::size_t length)
{
    if (text == NULL || length == 0 || length > INT_MAX)
        return std::wstring();
    int bytes = static_cast<int>(length);
    int units = MultiByteToWideChar(CP_ACP, 0, text, bytes, NULL, 0);
    if (units <= 0)
        return std::wstring();
    std::wstring result(static_cast<std::size_t>(units), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text, bytes, &result[0], units);
    return result;
}

std::wstring WideFromAnsi(const String& text)
{
    return WideFromAnsi(text.data(), text.size());
}

namespace {

// The place after the longest run of whole characters from the text's start
// whose end `fits` accepts.
template <typename Fits>
Step WalkWhile(const String& text, Fits fits)
{
    const unsigned char* data = reinterpret_cast<const unsigned char*>(text.data());
    std::size_t length = text.size();
    CharacterWalk walk;
    Step place = {0, 0};
    while (place.bytes < length) {
        Step step = walk.At(data, place.bytes, length);
        Step next = {place.bytes + step.bytes, place.units + step.units};
        if (!fits(next))
            break;
        place = next;
    }
    return place;
}

}  // namespace

std::size_t UnitsFromBytes(const String& text, std::size_t bytes)
{
    return WalkWhile(text, [bytes](const Step& end) { return end.bytes <= bytes; }).units;
}

std::size_t BytesFromUnits(const String& text, std::size_t units)
{
    return WalkWhile(text, [units](const Step& end) { return end.units <= units; }).bytes;
}
