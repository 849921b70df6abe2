/// \file
/// A growable block of bytes in global memory.
#ifndef WICKER_SYSTEM_BYTE_BUFFER_H
#define WICKER_SYSTEM_BYTE_BUFFER_H

#include <windows.h>

#include "foundation/property.h"
#include "foundation/string.h"

/// Bytes in zero-initialised global memory (GlobalAlloc), passed around by the
/// image, region and messaging functions. An empty buffer owns no memory.
/// Copies are deep.
class ByteBuffer {
public:
    /// Pointer to the first byte, null when empty; read-only.
    Property<ByteBuffer, BYTE*> Buffer;
    /// Number of bytes; read-only.
    Property<ByteBuffer, int> Length;

    /// Empty.
    ByteBuffer();
    /// Makes the object from the arguments.
    ByteBuffer(const ByteBuffer& other);
    /// A copy of `count` bytes at `data` (empty when count is 0 or less, or data null).
    ByteBuffer(const void* data, int count);
    ///@{
    /// `count` zero bytes (empty when count is 0 or less).
    explicit ByteBuffer(int count);
    ~ByteBuffer();
    ByteBuffer& operator=(const ByteBuffer& other);
    ///@}

    /// Frees the memory; the length becomes 0.
    void Clear();
    /// Copies `count` bytes behind the old content and returns the new length.
    /// Nothing changes for a count of 0 or less, null data, or when memory runs out.
    int Append(const void* data, int count);
    /// Appends one byte.
    void Push(BYTE byte);
    /// The byte (0 to 255) at index, or 255 for an index outside the buffer.
    int ByteAt(int index) const;
    /// The `count` bytes from `start`; empty unless start >= 0, count > 0 and
    /// start + count <= length.
    ByteBuffer Slice(int start, int count) const;
    /// Copies every byte to the destination (nothing for an empty buffer).
    void CopyTo(void* destination) const;
    /// The content up to its first zero byte, or all of it when there is none.
    String AsString() const;
    /// Loads the file from the byte offset to its end: 0 when the file does not
    /// exist; otherwise the buffer is emptied first, and 1 is returned when at
    /// least one byte was read (0 for an empty file or an offset outside it).
    int LoadFile(const String& path, int offset = 0);
    /// Writes every byte in text mode (each line feed becomes CR LF);
    /// 0 when the file cannot be created or written, else 1.
    int SaveFile(const String& path) const;

private:
    ///@{
    /// The global memory block; `capacity` bytes, the first `length` in use.
    BYTE* data;
    int length;
    int capacity;
    ///@}

    void BindProperties();
    bool Reserve(int wanted);
    BYTE* GetBuffer();
    int GetLength();
};

#endif
