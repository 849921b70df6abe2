/// \file
/// Open and save dialogs with a list of file filters.
#ifndef WICKER_SYSTEM_FILE_DIALOG_H
#define WICKER_SYSTEM_FILE_DIALOG_H

#include <windows.h>
#include <commdlg.h>

#include <cstddef>
#include <vector>

#include "../foundation/string.h"

struct Control;

/// The size the open and save dialogs are given for their record: the layout
/// without the reserved tail that later Windows versions added (76 bytes in a
/// 32-bit program), which every version of the dialogs accepts.
/// (OPENFILENAME_SIZE_VERSION_400A, written so that the compiler can check it).
const DWORD kFileDialogRecordSize = offsetof(OPENFILENAMEA, lpTemplateName) + sizeof(LPCSTR);
#if defined(_WIN32) && !defined(_WIN64)
static_assert(offsetof(OPENFILENAMEA, lpTemplateName) + sizeof(LPCSTR) == 76,
              "the 32-bit open-file record is 76 bytes");
#endif

/// Room for a path in the dialogs' file buffer, its terminating zero included.
const int kFileDialogPathRoom = MAX_PATH;

/// Default flags of Open: OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_HIDEREADONLY.
const DWORD kOpenDialogFlags = 0x81004;
/// Flags of Save: OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT.
const DWORD kSaveDialogFlags = 0x80806;

/// One entry of the dialogs' file-type list: "Text files" and "*.txt,*.log".
struct FileFilter {
    /// What the dialog shows for the filter ("Text files").
    String description;
    /// The patterns, separated by semicolons ("*.txt;*.log").
    String patterns;
};

/// Settings of the open and save dialogs and the path last chosen in them. It
/// is copied freely: the dialog record is filled afresh for every dialog, so it
/// never points into another copy.
struct FileDialog {
    /// The dialog's file buffer: the initial name going in, the chosen path out.
    char fileBuffer[kFileDialogPathRoom];
    /// The file-type list, in the order the dialog shows it.
    std::vector<FileFilter> filters;
    /// The filter text the last dialog was given: zero-separated fields and a
    /// closing double zero (see BuildFilter).
    std::vector<char> filterBuffer;
    /// The record handed to the last dialog.
    OPENFILENAMEA record;
    /// Flags of Open; 0 means kOpenDialogFlags.
    int flags;
    /// The window that owns the dialogs; may be null.
    HWND owner;
    /// The path chosen in the last successful dialog.
    String FileName;

    FileDialog();
    ///@{
    /// Dialogs owned by the window, or by the control's window.
    explicit FileDialog(HWND ownerWindow);
    explicit FileDialog(const Control& ownerControl);
    ///@}

    /// Appends one entry; the patterns are separated by "," or ";".
    void AddFilter(const String& description, const String& patterns);
    /// Builds filterBuffer from the list: each description and its patterns
    /// (every "," made ";", in the list too) as zero-ended fields, then one
    /// more zero. A "#" inside a field also ends it.
    void BuildFilter();
    /// GetOpenFileNameA opening on the initial name; true when a file was chosen,
    /// which is then in FileName. A name longer than the buffer's 259 bytes is
    /// cut to them.
    bool Open(const String& initialName);
    /// The same with GetSaveFileNameA and kSaveDialogFlags.
    bool Save(const String& initialName);

private:
    /// Fills the record for one dialog and sets the file buffer to the name.
    void Prepare(const String& initialName, DWORD dialogFlags);
};

#endif
