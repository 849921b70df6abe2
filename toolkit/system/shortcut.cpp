// Writing shell shortcut files through the shell link object.
#include "system.h"

#include <objbase.h>
#include <shlobj.h>

namespace {

// The longest shortcut path IPersistFile::Save is given, in UTF-16 units.
const int kShortcutPathLimit = MAX_PATH;

// Creates the link in the COM apartment that CreateShortcut has started;
// true when the file was saved. Each step runs only when the one before
// succeeded, so a failure leaves no file behind and touches no null pointer.
bool SaveShellLink(const String& target, const WCHAR* file, const String& arguments,
                   const String& workingDirectory)
{
    IShellLinkA* link = NULL;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, NULL, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                reinterpret_cast<void**>(&link))) ||
        link == NULL)
        return false;
    link->SetPath(target.CStr());
    link->SetIconLocation(target.CStr(), 0);
    link->SetWorkingDirectory(workingDirectory.CStr());
    link->SetArguments(arguments.CStr());
    link->SetShowCmd(SW_SHOWNORMAL);

    bool saved = false;
    IPersistFile* persist = NULL;
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&persist))) &&
        persist != NULL) {
        saved = SUCCEEDED(persist->Save(file, TRUE));
        persist->Release();
    }
    link->Release();
    return saved;
}

}  // namespace

// The shortcut's path is converted from the ANSI code page; a path longer
// than the limit is refused rather than cut, which would save the link
// under another name.
bool SystemObject::CreateShortcut(const String& target, const String& shortcutPath,
                                  const String& arguments, const String& workingDirectory)
{
    WCHAR file[kShortcutPathLimit + 1] = {};
    if (MultiByteToWideChar(CP_ACP, 0, shortcutPath.CStr(), -1, file, kShortcutPathLimit) == 0)
        return false;

    // CoInitialize succeeds with S_FALSE on a thread where COM runs already
    // (the toolkit's OleInitialize); only a successful call is balanced.
    HRESULT started = CoInitialize(NULL);
    bool saved = SaveShellLink(target, file, arguments, workingDirectory);
    if (SUCCEEDED(started))
        CoUninitialize();
    return saved;
}
