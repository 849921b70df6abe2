#include "rtf_code_page.h"

#include <windows.h>

#include "foundation/wide_text.h"

std::string Utf8FromAnsi(const String& text)
{
    if (GetACP() == CP_UTF8 || text.empty())
        return text;
    std::wstring wide = WideFromAnsi(text);
    int bytes = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), NULL, 0,
                                    NULL, NULL);
    if (bytes <= 0)
        return std::string();
    std::string utf8(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), &utf8[0], bytes, NULL,
                        NULL);
    return utf8;
}
