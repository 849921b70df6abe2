#include "gdi_objects.h"

#include <windows.h>
#include <winternl.h>

namespace {

// An entry of Wine's shared GDI handle table (the same 24 bytes in 32- and
// 64-bit processes); a live object has a type.
struct WineGdiEntry {
    ULONGLONG object;
    ULONG owner;
    USHORT unique;
    UCHAR type;
    UCHAR flags;
    ULONGLONG user;
};
static_assert(sizeof(WineGdiEntry) == 24, "Wine GDI handle entry");

const int kWineGdiEntries = 0x10000;
// PEB.GdiSharedHandleTable.
#ifdef _WIN64
const size_t kSharedTableOffset = 0xF8;
#else
const size_t kSharedTableOffset = 0x94;
#endif

bool UnderWine()
{
    return GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != NULL;
}

}  // namespace

long GdiObjectCount()
{
    DWORD reported = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    if (reported != 0 || !UnderWine())
        return static_cast<long>(reported);
    typedef LONG(WINAPI * QueryProcess)(HANDLE, PROCESSINFOCLASS, PVOID, ULONG, PULONG);
    QueryProcess query = reinterpret_cast<QueryProcess>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQueryInformationProcess")));
    PROCESS_BASIC_INFORMATION basic = {};
    if (query == NULL ||
        query(GetCurrentProcess(), ProcessBasicInformation, &basic, sizeof basic, NULL) != 0 ||
        basic.PebBaseAddress == NULL)
        return -1;
    const BYTE* peb = reinterpret_cast<const BYTE*>(basic.PebBaseAddress);
    const WineGdiEntry* table = *reinterpret_cast<WineGdiEntry* const*>(peb + kSharedTableOffset);
    if (table == NULL)
        return -1;
    long live = 0;
    for (int i = 0; i < kWineGdiEntries; ++i)
        live += table[i].type != 0;
    return live;
}
