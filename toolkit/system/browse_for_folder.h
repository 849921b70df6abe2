/// \file
/// The shell's folder chooser.
#ifndef WICKER_SYSTEM_BROWSE_FOR_FOLDER_H
#define WICKER_SYSTEM_BROWSE_FOR_FOLDER_H

#include <windows.h>

#include "../foundation/string.h"

/// SHBrowseForFolderA rooted at the desktop, without title or flags; true when
/// a folder with a file-system path was chosen, which is then in `path`
/// (unchanged otherwise).
bool BrowseForFolder(HWND owner, String& path);

#endif
