// The icon the shell associates with a file.
#include "system.h"

#include <shellapi.h>

// ExtractAssociatedIconA writes the path of the file the icon came from back
// into its path argument, which must therefore be a buffer of MAX_PATH bytes:
// the path is copied into one, and a path that does not fit gets no icon.
IconObject SystemObject::AssociatedIcon(const String& path)
{
    char buffer[MAX_PATH] = {};
    if (path.size() >= sizeof buffer)
        return IconObject();
    path.copy(buffer, path.size());
    WORD index = 0;
    HICON icon = ExtractAssociatedIconA(GetModuleHandleA(NULL), buffer, &index);
    if (icon == NULL)
        return IconObject();
    return IconObject(icon, kOwnHandle);
}
