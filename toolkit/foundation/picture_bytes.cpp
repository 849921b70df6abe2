#include "picture_bytes.h"

namespace {

const size_t kFileHeaderSize = 14;
const size_t kCoreHeaderSize = 12;
const size_t kInfoHeaderSize = 40;
const size_t kIconDirectorySize = 6;
const size_t kIconEntrySize = 16;
const long kLargestSide = 65535;

DWORD Read32(const BYTE* at)
{
    return static_cast<DWORD>(at[0]) | (static_cast<DWORD>(at[1]) << 8) |
           (static_cast<DWORD>(at[2]) << 16) | (static_cast<DWORD>(at[3]) << 24);
}

WORD Read16(const BYTE* at)
{
    return static_cast<WORD>(at[0] | (at[1] << 8));
}

bool KnownDepth(WORD bits)
{
    return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

// A bitmap header (core or info) at `header` with `available` bytes from
// there to the end, and `pixels` bytes of pixel data (what the file header's
// offset leaves). The icon form holds the colour and mask halves one above
// the other, right after the header and colour table.
bool BitmapFits(const BYTE* header, size_t available, size_t pixels, bool icon)
{
    if (available < 4)
        return false;
    DWORD size = Read32(header);
    if (size < kCoreHeaderSize || size > available)
        return false;
    long width, height;
    WORD bits;
    DWORD compression = BI_RGB;
    DWORD imageSize = 0;
    if (size == kCoreHeaderSize) {
        width = Read16(header + 4);
        height = Read16(header + 8);
        bits = Read16(header + 10);
    } else {
        if (size < kInfoHeaderSize - 20)
            return false;
        width = static_cast<LONG>(Read32(header + 4));
        height = static_cast<LONG>(Read32(header + 8));
        bits = Read16(header + 14);
        if (size >= 24) {
            compression = Read32(header + 16);
            imageSize = Read32(header + 20);
        }
    }
    if (height < 0)
        height = -height;
    if (icon) {
        // The pixels follow the header and the colour table.
        height /= 2;
        DWORD colours = size >= 36 ? Read32(header + 32) : 0;
        unsigned long long table =
            (bits <= 8 ? (colours != 0 ? colours : (1u << bits)) : 0) * 4ull;
        if (size + table > available)
            return false;
        pixels = available - size - static_cast<size_t>(table);
    }
    if (width < 1 || height < 1 || width > kLargestSide || height > kLargestSide || !KnownDepth(bits))
        return false;
    unsigned long long stride = ((static_cast<unsigned long long>(width) * bits + 31) / 32) * 4;
    // An icon's mask may be left out (32-bit icons often are): only the
    // colour half is required.
    unsigned long long needed = stride * height;
    switch (compression) {
    case BI_RGB:
    case BI_BITFIELDS:
        return needed <= pixels;
    case BI_RLE8:
    case BI_RLE4:
        return !icon && imageSize > 0 && imageSize <= pixels;
    default:
        return false;
    }
}

bool BmpIsWhole(const BYTE* bytes, size_t count)
{
    if (count < kFileHeaderSize + kCoreHeaderSize)
        return false;
    DWORD offset = Read32(bytes + 10);
    if (offset < kFileHeaderSize + kCoreHeaderSize || offset > count)
        return false;
    return BitmapFits(bytes + kFileHeaderSize, count - kFileHeaderSize, count - offset, false);
}

// Every entry's image must lie inside the bytes. Entries that are PNG images
// are left to the decoder's stream reader; the others are bitmap headers.
bool IconIsWhole(const BYTE* bytes, size_t count)
{
    if (count < kIconDirectorySize)
        return false;
    size_t entries = Read16(bytes + 4);
    if (entries == 0 || kIconDirectorySize + entries * kIconEntrySize > count)
        return false;
    for (size_t i = 0; i < entries; ++i) {
        const BYTE* entry = bytes + kIconDirectorySize + i * kIconEntrySize;
        unsigned long long size = Read32(entry + 8);
        unsigned long long offset = Read32(entry + 12);
        if (size == 0 || offset < kIconDirectorySize + entries * kIconEntrySize || offset + size > count)
            return false;
        const BYTE* image = bytes + offset;
        bool png = size >= 8 && image[0] == 0x89 && image[1] == 'P' && image[2] == 'N' && image[3] == 'G';
        if (!png && (size < kInfoHeaderSize || !BitmapFits(image, static_cast<size_t>(size), 0, true)))
            return false;
    }
    return true;
}

}  // namespace

bool PictureBytesAreWhole(const BYTE* bytes, size_t count)
{
    if (bytes == NULL || count < 2)
        return false;
    // A stream may begin with "lt\0\0" and a length: the picture follows.
    if (count >= 8 && bytes[0] == 'l' && bytes[1] == 't' && bytes[2] == 0 && bytes[3] == 0 &&
        Read32(bytes + 4) <= count - 8)
        return PictureBytesAreWhole(bytes + 8, Read32(bytes + 4));
    if (bytes[0] == 'B' && bytes[1] == 'M')
        return BmpIsWhole(bytes, count);
    // The decoder reads anything that begins with a zero word as an icon.
    if (bytes[0] == 0 && bytes[1] == 0)
        return count >= 4 && (bytes[2] == 1 || bytes[2] == 2) && bytes[3] == 0 && IconIsWhole(bytes, count);
    return true;
}
