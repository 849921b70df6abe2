/// \file
/// Saving a file without risking the one it replaces.
#ifndef WICKER_SYSTEM_REPLACING_FILE_H
#define WICKER_SYSTEM_REPLACING_FILE_H

#include <windows.h>

#include <cstddef>

#include "foundation/string.h"

/// A new file made beside the target (in the same folder, so that it can
/// take the target's place in one step), written through Handle or Write.
/// Commit checks that the bytes and the close reached the disk and only then
/// moves the new file over the target (MoveFileEx, replacing it). Whenever
/// anything fails, and when the object goes without a Commit, the new file is
/// removed and the target stays exactly as it was.
///
///     ReplacingFile out(path);
///     bool saved = out.Write(bytes, count) && out.Commit();
class ReplacingFile {
public:
    /// Opens the new file beside the target (nothing is written to the target yet).
    explicit ReplacingFile(const String& target);
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;
    ~ReplacingFile();

    /// The new file, open for writing; INVALID_HANDLE_VALUE when it could not
    /// be made (no such folder, no room for one more file, no write access).
    HANDLE Handle() const;
    /// Writes every byte; false when the file could not be made or not every
    /// byte was written (a full disk). A failed write fails the Commit too.
    bool Write(const void* bytes, std::size_t count);
    /// Flushes and closes the new file and puts it in the target's place.
    /// True only when every write, the close and the move succeeded.
    bool Commit();

private:
    String target;
    String replacement;
    HANDLE file;
    bool failed;

    void Abandon();
};

#endif
