/// \file
/// A text file read and written through the runtime's standard files.
#ifndef WICKER_CONTROLS_TEXT_FILE_H
#define WICKER_CONTROLS_TEXT_FILE_H

#include <cstdio>

#include "foundation/property.h"
#include "foundation/string.h"
#include "foundation/string_list.h"

/// A file opened in text mode (each CR LF reads as one line feed, each line
/// feed written becomes CR LF), read by line, by lines, by bytes or whole.
/// The wrapper owns its open file: it cannot be copied, and moving hands the
/// open file over. Reads on a closed wrapper give empty results or 0.
class TextFile {
public:
    /// The path Open was given.
    String path;
    /// The open file, or null.
    std::FILE* file;
    /// True when the open file's end-of-file indicator is set (a read reached
    /// the end); false when no file is open. Read-only.
    Property<TextFile, bool> AtEnd;
    /// True when a file is open. Read-only.
    Property<TextFile, bool> IsOpen;

    /// Empty path, no file.
    TextFile();
    ///@{
    /// Opens the path as Open does.
    explicit TextFile(const String& filePath);
    TextFile(const TextFile&) = delete;
    TextFile& operator=(const TextFile&) = delete;
    ///@}
    ///@{
    /// The other wrapper's path and open file move here; it is left closed.
    TextFile(TextFile&& other) noexcept;
    TextFile& operator=(TextFile&& other) noexcept;
    ~TextFile();
    ///@}

    /// Closes what is open, keeps the path, and opens it for reading and
    /// writing (mode "r+": the file must exist). A file that may be read but
    /// not written opens for reading only, and every write to it gives false.
    /// True when it opened.
    bool Open(const String& filePath);
    /// Closes what is open and creates the stored path afresh for writing
    /// (mode "w": created, or emptied). True when it opened.
    bool Create();
    /// Creates the stored path as Create does and writes the text; false when
    /// it cannot be created or written. The file stays open.
    bool WriteAll(const String& text);
    /// Writes every byte of the text at the current position and hands it to
    /// the system; false when no file is open, it is open for reading only,
    /// or the bytes did not all reach the system (a full disk).
    bool Write(const String& text);

    /// The next line without its line feed; a line longer than 1023 bytes comes
    /// back in pieces of 1023 bytes, one per call, none lost. Empty at the end.
    String ReadLine();
    /// Lines up to the end (count 0) or at most `count` lines. A file ending in
    /// a line break gives a last, empty element (the read that found the end).
    StringList ReadLines(unsigned count);
    /// Exactly `length` bytes from the current position: zero bytes, and the
    /// bytes missing past the end, as spaces. Empty when none could be read.
    String ReadBytes(unsigned length);
    /// The whole file from its start, zero bytes as spaces, padded with spaces
    /// to the file's length (text mode reads CR LF as one byte).
    String ReadAll();
    /// The next byte ("%c"); 0 when no file is open or nothing is left.
    char ReadChar();
    /// The next integer ("%ld", blanks skipped); 0 when no file is open or no
    /// integer follows.
    long ReadInt();
    /// The file's length in bytes, the position unchanged; 0 when no file is open.
    long long Size();
    /// Back to the start, error and end-of-file indicators cleared; returns 0.
    int Rewind();
    /// Closes the open file, if any; the wrapper may be opened again. False
    /// when what was still buffered could not be written (a full disk).
    bool Close();

private:
    /// The last kind of access since the file was opened or positioned: the
    /// runtime wants a flush between a write and a read of the same file, and a
    /// seek between a read and a write.
    enum Access { kNoAccess, kReading, kWriting };
    Access access;
    /// Opened for reading only: the file takes no writes.
    bool readOnly;

    void BindProperties();
    void BeginRead();
    void BeginWrite();
    bool GetAtEnd();
    bool GetIsOpen();
};

#endif
