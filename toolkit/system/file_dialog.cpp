#include "file_dialog.h"

#include <cstring>

#include "../foundation/control.h"
#include "../foundation/whole_characters.h"

FileDialog::FileDialog() : flags(0), owner(NULL)
{
    fileBuffer[0] = '\0';
    std::memset(&record, 0, sizeof record);
}

FileDialog::FileDialog(HWND ownerWindow) : FileDialog()
{
    owner = ownerWindow;
}

FileDialog::FileDialog(const Control& ownerControl) : FileDialog(ownerControl.hwnd) {}

void FileDialog::AddFilter(const String& description, const String& patterns)
{
    filters.push_back(FileFilter{description, patterns});
}

void FileDialog::BuildFilter()
{
    // The list is written with "#" between the fields, which then become the
    // zero bytes the dialogs expect: a "#" of a field ends it just the same.
    std::string text;
    for (FileFilter& filter : filters) {
        for (char& c : filter.patterns)
            if (c == ',')
                c = ';';
        text += filter.description;
        text += '#';
        text += filter.patterns;
        text += '#';
    }
    text += '#';
    filterBuffer.assign(text.begin(), text.end());
    for (char& c : filterBuffer)
        if (c == '#')
            c = '\0';
}

void FileDialog::Prepare(const String& initialName, DWORD dialogFlags)
{
    BuildFilter();
    // A longer name is cut, at a whole character, so that it and its zero
    // fit the buffer.
    std::size_t length =
        WholeCharactersLength(initialName.data(), initialName.size(), sizeof fileBuffer - 1);
    std::memcpy(fileBuffer, initialName.data(), length);
    fileBuffer[length] = '\0';

    std::memset(&record, 0, sizeof record);
    record.lStructSize = kFileDialogRecordSize;
    record.hwndOwner = owner;
    record.lpstrFilter = filterBuffer.data();
    record.lpstrFile = fileBuffer;
    record.nMaxFile = sizeof fileBuffer;
    record.Flags = dialogFlags;
}

bool FileDialog::Open(const String& initialName)
{
    Prepare(initialName, flags != 0 ? static_cast<DWORD>(flags) : kOpenDialogFlags);
    if (!GetOpenFileNameA(&record))
        return false;
    FileName = fileBuffer;
    return true;
}

bool FileDialog::Save(const String& initialName)
{
    Prepare(initialName, kSaveDialogFlags);
    if (!GetSaveFileNameA(&record))
        return false;
    FileName = fileBuffer;
    return true;
}
