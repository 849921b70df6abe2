// Texts in several scripts for the tests that run in three code pages: the
// program of the UTF-8 code page (its manifest names it) and the program
// without it started under Cyrillic (1251) and Japanese (932) Windows
// locales. Each sample is written as UTF-16 and handed to the toolkit as
// bytes of the code page the process runs in; a sample that code page
// cannot hold is left out there.
#ifndef TESTS_TOOLKIT_CODE_PAGES_CODE_PAGE_SAMPLES_H
#define TESTS_TOOLKIT_CODE_PAGES_CODE_PAGE_SAMPLES_H

#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

struct Sample {
    const char* name;
    std::wstring wide;
    std::string bytes;  // in the process's code page
};

// The sample in the process's ANSI code page; false when it cannot hold
// every character (a default character was used, or the text does not come
// back the same).
inline bool InCodePage(const std::wstring& wide, std::string* bytes)
{
    UINT codePage = GetACP();
    BOOL usedDefault = FALSE;
    BOOL* used = codePage == CP_UTF8 ? NULL : &usedDefault;
    DWORD flags = codePage == CP_UTF8 ? 0 : WC_NO_BEST_FIT_CHARS;
    int size = WideCharToMultiByte(codePage, flags, wide.data(), (int)wide.size(), NULL, 0, NULL, used);
    if (size <= 0 || usedDefault)
        return false;
    bytes->assign(size, '\0');
    WideCharToMultiByte(codePage, flags, wide.data(), (int)wide.size(), &(*bytes)[0], size, NULL, used);
    int units = MultiByteToWideChar(codePage, 0, bytes->data(), size, NULL, 0);
    std::wstring back(units, L'\0');
    MultiByteToWideChar(codePage, 0, bytes->data(), size, &back[0], units);
    return !usedDefault && back == wide;
}

// The bytes as UTF-16, read in the process's code page.
inline std::wstring AcpWide(const std::string& bytes)
{
    int units = MultiByteToWideChar(CP_ACP, 0, bytes.data(), (int)bytes.size(), NULL, 0);
    std::wstring wide(units, L'\0');
    MultiByteToWideChar(CP_ACP, 0, bytes.data(), (int)bytes.size(), &wide[0], units);
    return wide;
}

inline std::wstring RepeatWide(const wchar_t* piece, int count)
{
    std::wstring text;
    for (int i = 0; i < count; ++i)
        text += piece;
    return text;
}

// Latin with accents, Greek, Cyrillic, Japanese (with characters whose
// second byte in code page 932 is a backslash: U+30BD, U+8868, U+80FD),
// Chinese, emoji beyond the basic plane, and long texts of 300 characters
// (longer than the first read buffers). Only those of the process's code
// page, and never none.
inline const std::vector<Sample>& Samples()
{
    static const std::vector<Sample> samples = [] {
        const struct { const char* name; std::wstring wide; } all[] = {
            {"latin", L"Cr\u00E8me br\u00FBl\u00E9e \u00E0 la fa\u00E7on"},
            {"greek", L"\u039A\u03B1\u03BB\u03B7\u03BC\u03AD\u03C1\u03B1 \u03BA\u03CC\u03C3\u03BC\u03B5"},
            {"cyrillic", L"\u041F\u0440\u0438\u0432\u0435\u0442, \u043C\u0438\u0440 \u0401\u0436"},
            {"ukrainian marks", L"\u00AB\u0407\u0436\u0430\u043A\u00BB \u2014 \u2116 5, \u0491\u0430\u043D\u043E\u043A"},
            {"japanese", L"\u30BD\u30D5\u30C8\u8868\u793A\u80FD\u529B \u6F22\u5B57\u3068\u304B\u306A"},
            {"chinese", L"\u6C49\u5B57\u548C\u7E41\u9AD4\u5B57"},
            {"emoji", L"Smile \U0001F600 party \U0001F389"},
            {"long cyrillic", RepeatWide(L"\u0416", 300)},
            {"long japanese", RepeatWide(L"\u6F22", 300)},
        };
        std::vector<Sample> kept;
        for (const auto& one : all) {
            std::string bytes;
            if (InCodePage(one.wide, &bytes))
                kept.push_back(Sample{one.name, one.wide, bytes});
        }
        return kept;
    }();
    return samples;
}

// The code page the test run names (TUCKLE_CODE_PAGE), UTF-8 when it names none.
inline UINT ExpectedCodePage()
{
    const char* named = std::getenv("TUCKLE_CODE_PAGE");
    return named != NULL && *named != '\0' ? (UINT)std::strtoul(named, NULL, 10) : (UINT)CP_UTF8;
}

#endif
