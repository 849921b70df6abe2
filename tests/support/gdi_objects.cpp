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
// PEB.GdiSharedHandleTable in a 64-bit and a 32-bit PEB.
const size_t kSharedTableOffset64 = 0xF8;
const size_t kSharedTableOffset32 = 0x94;

#ifndef _WIN64
// A 32-bit process in a 64-bit prefix (WoW64) has a 64-bit TEB and PEB
// beside its own, and Wine publishes the table only in the 64-bit PEB. The
// 32-bit TEB's GdiBatchCount word then holds the 64-bit TEB's address (as
// Wine's own GDI start-up reads it), and TEB64.Peb sits at 0x60.
const size_t kTeb32GdiBatchCount = 0xF70;
const size_t kTeb64Peb = 0x60;

// THREAD_BASIC_INFORMATION, which the SDK's headers leave out.
struct ThreadBasics {
    LONG exitStatus;
    PVOID teb;
    CLIENT_ID clientId;
    ULONG_PTR affinity;
    LONG priority;
    LONG basePriority;
};

const void* Wow64SharedTable()
{
    typedef LONG(WINAPI * QueryThread)(HANDLE, ULONG, PVOID, ULONG, PULONG);
    QueryThread query = reinterpret_cast<QueryThread>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQueryInformationThread")));
    ThreadBasics basics = {};
    const ULONG kThreadBasicInformation = 0;
    if (query == NULL ||
        query(GetCurrentThread(), kThreadBasicInformation, &basics, sizeof basics, NULL) != 0 ||
        basics.teb == NULL)
        return NULL;
    const BYTE* teb = static_cast<const BYTE*>(basics.teb);
    ULONG teb64 = *reinterpret_cast<const ULONG*>(teb + kTeb32GdiBatchCount);
    if (teb64 == 0) return NULL;
    ULONGLONG peb64 = *reinterpret_cast<const ULONGLONG*>(static_cast<ULONG_PTR>(teb64) + kTeb64Peb);
    if (peb64 == 0 || peb64 > 0xFFFFFFFFull) return NULL;
    ULONGLONG table = *reinterpret_cast<const ULONGLONG*>(
        static_cast<ULONG_PTR>(peb64) + kSharedTableOffset64);
    if (table > 0xFFFFFFFFull) return NULL;
    return reinterpret_cast<const void*>(static_cast<ULONG_PTR>(table));
}
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
#ifdef _WIN64
    const WineGdiEntry* table = *reinterpret_cast<WineGdiEntry* const*>(peb + kSharedTableOffset64);
#else
    const WineGdiEntry* table = *reinterpret_cast<WineGdiEntry* const*>(peb + kSharedTableOffset32);
    if (table == NULL) table = static_cast<const WineGdiEntry*>(Wow64SharedTable());
#endif
    if (table == NULL)
        return -1;
    long live = 0;
    for (int i = 0; i < kWineGdiEntries; ++i)
        live += table[i].type != 0;
    return live;
}
