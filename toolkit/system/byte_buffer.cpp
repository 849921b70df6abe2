#include "byte_buffer.h"

#include <cstdio>
#include <cstring>
#include <limits>

namespace {

// Fixed, zero-filled global memory: the handle is the pointer.
const UINT kBufferAllocation = GMEM_FIXED | GMEM_ZEROINIT;
// Smallest block allocated when the buffer grows.
const int kMinimumCapacity = 16;

BYTE* AllocateBlock(int size)
{
    return static_cast<BYTE*>(GlobalAlloc(kBufferAllocation, static_cast<SIZE_T>(size)));
}

void FreeBlock(BYTE* block)
{
    if (block != NULL)
        GlobalFree(block);
}

}  // namespace

ByteBuffer::ByteBuffer() : data(NULL), length(0), capacity(0)
{
    BindProperties();
}

ByteBuffer::ByteBuffer(const ByteBuffer& other) : data(NULL), length(0), capacity(0)
{
    BindProperties();
    Append(other.data, other.length);
}

ByteBuffer::ByteBuffer(const void* bytes, int count) : data(NULL), length(0), capacity(0)
{
    BindProperties();
    Append(bytes, count);
}

ByteBuffer::ByteBuffer(int count) : data(NULL), length(0), capacity(0)
{
    BindProperties();
    if (count > 0 && Reserve(count))
        length = count;
}

ByteBuffer::~ByteBuffer()
{
    FreeBlock(data);
}

ByteBuffer& ByteBuffer::operator=(const ByteBuffer& other)
{
    if (this == &other)
        return *this;
    Clear();
    Append(other.data, other.length);
    return *this;
}

void ByteBuffer::BindProperties()
{
    Buffer.Clear();
    Length.Clear();
    Buffer.Bind(this, &ByteBuffer::GetBuffer, NULL);
    Length.Bind(this, &ByteBuffer::GetLength, NULL);
}

// Makes room for `wanted` bytes in all, growing geometrically so that a run of
// Push calls costs linear time. New bytes are zero. False when memory runs out
// (the buffer is then unchanged).
bool ByteBuffer::Reserve(int wanted)
{
    if (wanted <= capacity)
        return true;
    int grown = capacity < kMinimumCapacity ? kMinimumCapacity : capacity;
    while (grown < wanted)
        grown = grown > std::numeric_limits<int>::max() / 2 ? wanted : grown * 2;
    BYTE* block = AllocateBlock(grown);
    if (block == NULL)
        return false;
    if (length > 0)
        std::memcpy(block, data, static_cast<size_t>(length));
    FreeBlock(data);
    data = block;
    capacity = grown;
    return true;
}

void ByteBuffer::Clear()
{
    FreeBlock(data);
    data = NULL;
    length = 0;
    capacity = 0;
}

int ByteBuffer::Append(const void* bytes, int count)
{
    if (bytes == NULL || count <= 0 || count > std::numeric_limits<int>::max() - length)
        return length;
    // Bytes from inside this buffer move with the block when it grows.
    const BYTE* source = static_cast<const BYTE*>(bytes);
    bool inside = data != NULL && source >= data && source < data + length;
    ptrdiff_t offset = inside ? source - data : 0;
    if (!Reserve(length + count))
        return length;
    if (inside)
        source = data + offset;
    std::memmove(data + length, source, static_cast<size_t>(count));
    length += count;
    return length;
}

void ByteBuffer::Push(BYTE byte)
{
    Append(&byte, 1);
}

int ByteBuffer::ByteAt(int index) const
{
    if (index < 0 || index >= length)
        return 255;
    return data[index];
}

ByteBuffer ByteBuffer::Slice(int start, int count) const
{
    if (start < 0 || count <= 0 || count > length - start)
        return ByteBuffer();
    return ByteBuffer(data + start, count);
}

void ByteBuffer::CopyTo(void* destination) const
{
    if (length > 0 && destination != NULL)
        std::memcpy(destination, data, static_cast<size_t>(length));
}

String ByteBuffer::AsString() const
{
    if (length == 0)
        return String();
    const void* zero = std::memchr(data, 0, static_cast<size_t>(length));
    size_t size = zero != NULL ? static_cast<size_t>(static_cast<const BYTE*>(zero) - data)
                               : static_cast<size_t>(length);
    return String(reinterpret_cast<const char*>(data), size);
}

int ByteBuffer::LoadFile(const String& path, int offset)
{
    FILE* file = std::fopen(path.CStr(), "rb");
    if (file == NULL)
        return 0;
    Clear();
    int loaded = 0;
    long size = -1;
    if (std::fseek(file, 0, SEEK_END) == 0)
        size = std::ftell(file);
    if (size > 0 && offset >= 0 && offset < size && std::fseek(file, offset, SEEK_SET) == 0) {
        int wanted = static_cast<int>(size - offset);
        if (Reserve(wanted)) {
            length = static_cast<int>(std::fread(data, 1, static_cast<size_t>(wanted), file));
            loaded = length > 0 ? 1 : 0;
        }
        if (length == 0)
            Clear();
    }
    std::fclose(file);
    return loaded;
}

int ByteBuffer::SaveFile(const String& path) const
{
    FILE* file = std::fopen(path.CStr(), "w");
    if (file == NULL)
        return 0;
    size_t written = length > 0 ? std::fwrite(data, 1, static_cast<size_t>(length), file) : 0;
    bool closed = std::fclose(file) == 0;
    return closed && written == static_cast<size_t>(length) ? 1 : 0;
}

// Pointer to the first byte (the global memory block).
BYTE* ByteBuffer::GetBuffer()
{
    return data;
}

int ByteBuffer::GetLength()
{
    return length;
}
