#include "wide_text.h"

#include <windows.h>

#include <climits>

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
