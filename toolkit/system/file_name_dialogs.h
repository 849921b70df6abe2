/// \file
/// One-call open and save dialogs for a program that needs no FileDialog.
#ifndef WICKER_SYSTEM_FILE_NAME_DIALOGS_H
#define WICKER_SYSTEM_FILE_NAME_DIALOGS_H

#include <windows.h>

#include "../foundation/string.h"

/// The filter is the dialogs' own form: description and patterns as fields
/// separated by zero bytes, e.g. String("Text\0*.txt\0", 11); the closing
/// double zero is added here, so a filter with or without it is read safely.
/// An empty filter shows no file-type list.

/// GetOpenFileNameA with no flags and an empty file field; true when a file was
/// chosen, which is then in `path` (unchanged otherwise).
bool OpenFileName(HWND owner, String& path, const String& filter);
/// GetSaveFileNameA with the default extension (without a dot; empty for none)
/// and OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT.
bool SaveFileName(HWND owner, String& path, const String& filter, const String& defaultExtension);

#endif
