/// \file
/// The tips file: a 16-byte header (the magic "WKT" and a zero byte, the
/// numbers 1 and 2, the 1-based tip on show when it was written; little-endian
/// 32-bit integers) and one 2000-byte record per tip, a title field and a text
/// field of 1000 bytes each, every field zero-terminated and zero-filled.
/// Standard library only, so that it also builds (and is tested and fuzzed)
/// natively.
#ifndef WICKER_RICHTEXT_TIPS_FILE_H
#define WICKER_RICHTEXT_TIPS_FILE_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

/// The bytes of a tips file before its first record.
const std::size_t kTipsHeaderSize = 16;
/// The bytes of each field of a record (title, text), NUL-padded.
const std::size_t kTipFieldSize = 1000;
/// The bytes of a record: its title and its text.
const std::size_t kTipRecordSize = 2 * kTipFieldSize;
/// Most tips a file is read for (a 200 MB file); records beyond are ignored,
/// so that a huge file costs bounded time and memory.
const std::size_t kMaxTipsRead = 100000;

/// One tip as the file holds it.
struct TipRecord {
    /// The title field, up to its first NUL byte.
    std::string title;
    /// The text field, up to its first NUL byte.
    std::string text;
};

/// How reading a tips file ended.
enum TipsReadOutcome {
    /// 15 bytes or less: not a tips file; nothing to say about it.
    kTipsFileTooShort,
    /// A header but not one whole record.
    kTipsFileEmpty,
    /// The header, or every record, could not be read.
    kTipsFileUnreadable,
    /// At least one tip was read (all the whole records, unless a read failed).
    kTipsFileRead,
};

/// What reading a tips file gave.
struct TipsFileContent {
    /// Whether the file was read, and if not, why.
    TipsReadOutcome outcome;
    /// The records read, in the file's order.
    std::vector<TipRecord> tips;
    /// The header's fourth value; StartingTip makes a position of it.
    std::int32_t storedCurrent;
};

/// Reads up to `count` bytes of the file, in order, into `buffer`; returns the
/// number read, less than `count` only at the end of the file or on an error.
typedef std::size_t (*TipsByteReader)(void* context, char* buffer, std::size_t count);

/// Whole records a file of `fileSize` bytes holds: (size - 16) / 2000, at most
/// kMaxTipsRead; 0 for a file shorter than the header.
std::size_t TipRecordCount(unsigned long long fileSize);

/// Reads a file of `fileSize` bytes through `read` from its first byte: the
/// header, then every whole record (a shorter last one is ignored). Each field
/// ends at its first zero byte or after its 1000 bytes, whichever comes first.
/// A read that falls short ends the reading; the tips read before it are kept.
TipsFileContent ReadTipsFile(unsigned long long fileSize, TipsByteReader read, void* context);

/// The same over a whole file already in memory.
TipsFileContent ReadTipsBytes(const std::string& bytes);

/// The 1-based tip to show first: the stored value when it names one of the
/// `count` tips, else 1 (0 when there are none).
int StartingTip(std::int32_t storedCurrent, std::size_t count);

/// The text a field holds: the bytes up to its first zero, at most 999 bytes,
/// so that a zero byte always ends it within its 1000 bytes; a UTF-8
/// character that the cut at 999 bytes would split is left out whole.
std::string TipFieldText(const std::string& text);

/// The 16 header bytes naming `current` as the tip on show.
std::string TipsFileHeader(std::int32_t current);

/// One 2000-byte record: each field's text (TipFieldText), zero-filled.
std::string TipsFileRecord(const std::string& title, const std::string& text);

#endif
