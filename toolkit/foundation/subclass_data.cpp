#include "subclass_data.h"

namespace {

typedef BOOL(WINAPI* GetWindowSubclassCall)(HWND, SUBCLASSPROC, UINT_PTR, DWORD_PTR*);

// comctl32 exports GetWindowSubclass by ordinal only (411), so the import
// libraries of some tool chains lack it; it is looked up once instead.
GetWindowSubclassCall GetWindowSubclassEntry()
{
    static GetWindowSubclassCall entry = reinterpret_cast<GetWindowSubclassCall>(
        reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleA("comctl32.dll"), MAKEINTRESOURCEA(411))));
    return entry;
}

}  // namespace

DWORD_PTR SubclassData(HWND window, SUBCLASSPROC procedure, UINT_PTR subclassId)
{
    GetWindowSubclassCall getSubclass = GetWindowSubclassEntry();
    DWORD_PTR data = 0;
    if (window == NULL || getSubclass == NULL || !getSubclass(window, procedure, subclassId, &data))
        return 0;
    return data;
}
