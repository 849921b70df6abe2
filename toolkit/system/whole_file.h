/// \file
/// Reading a whole file into a byte buffer, for the loaders that decode files.
#ifndef WICKER_SYSTEM_WHOLE_FILE_H
#define WICKER_SYSTEM_WHOLE_FILE_H

#include "foundation/string.h"
#include "system/byte_buffer.h"

/// Reads the whole file at `path` into `buffer`. False for an empty path, a
/// missing, empty or unreadable file, or one of 2 GB or more; a file that
/// reads short is treated as unreadable rather than decoded in part.
bool ReadWholeFile(const String& path, ByteBuffer& buffer);

#endif
