#include "browse_for_folder.h"

#include <shlobj.h>

#include <cstring>

bool BrowseForFolder(HWND owner, String& path)
{
    char chosen[MAX_PATH] = "";
    BROWSEINFOA info;
    std::memset(&info, 0, sizeof info);
    info.hwndOwner = owner;
    LPITEMIDLIST item = SHBrowseForFolderA(&info);
    if (item == NULL)
        return false;
    // The item list is the shell's memory: the caller frees it.
    if (!SHGetPathFromIDListA(item, chosen))
        chosen[0] = '\0';
    CoTaskMemFree(item);
    if (chosen[0] == '\0')
        return false;
    path = chosen;
    return true;
}
