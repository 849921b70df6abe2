#include "file_name_dialogs.h"

#include <commdlg.h>

#include <cstring>
#include <vector>

#include "file_dialog.h"

namespace {

// The caller's fields followed by two zero bytes, however the text ended.
std::vector<char> FilterText(const String& filter)
{
    std::vector<char> text(filter.begin(), filter.end());
    text.push_back('\0');
    text.push_back('\0');
    return text;
}

bool RunFileNameDialog(HWND owner, String& path, const String& filter, const char* extension,
                       DWORD flags, bool save)
{
    std::vector<char> filterText = FilterText(filter);
    char file[kFileDialogPathRoom] = "";
    OPENFILENAMEA record;
    std::memset(&record, 0, sizeof record);
    record.lStructSize = kFileDialogRecordSize;
    record.hwndOwner = owner;
    record.lpstrFilter = filter.empty() ? NULL : filterText.data();
    record.lpstrFile = file;
    record.nMaxFile = sizeof file;
    record.lpstrDefExt = extension;
    record.Flags = flags;
    if (!(save ? GetSaveFileNameA(&record) : GetOpenFileNameA(&record)))
        return false;
    path = file;
    return true;
}

}  // namespace

bool OpenFileName(HWND owner, String& path, const String& filter)
{
    return RunFileNameDialog(owner, path, filter, NULL, 0, false);
}

bool SaveFileName(HWND owner, String& path, const String& filter, const String& defaultExtension)
{
    return RunFileNameDialog(owner, path, filter,
                             defaultExtension.empty() ? NULL : defaultExtension.CStr(),
                             kSaveDialogFlags, true);
}
