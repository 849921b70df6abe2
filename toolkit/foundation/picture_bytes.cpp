#include "picture_bytes.h"

#include <cstdint>

namespace {

typedef std::uint32_t Dword;
typedef std::uint16_t Word;

const std::size_t kFileHeaderSize = 14;
const std::size_t kCoreHeaderSize = 12;
const std::size_t kInfoHeaderSize = 40;
// From this size on (the second version of the info header) the colour
// masks are part of the header; below it three masks follow it.
const std::size_t kHeaderWithMasksSize = 52;
const std::size_t kMasksSize = 12;
const std::size_t kIconDirectorySize = 6;
const std::size_t kIconEntrySize = 16;
const long long kLargestSide = 65535;

// The compressions of the info header's field.
const Dword kPlainRgb = 0;
const Dword kRunLength8 = 1;
const Dword kRunLength4 = 2;
const Dword kBitFields = 3;

Dword Read32(const unsigned char* at)
{
    return static_cast<Dword>(at[0]) | (static_cast<Dword>(at[1]) << 8) |
           (static_cast<Dword>(at[2]) << 16) | (static_cast<Dword>(at[3]) << 24);
}

Word Read16(const unsigned char* at)
{
    return static_cast<Word>(at[0] | (at[1] << 8));
}

bool KnownDepth(Word bits)
{
    return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

// A bitmap header (core or info) at `header` with `available` bytes from
// there to the end, and `pixels` bytes of pixel data (what the file header's
// offset leaves). The colour table (pictures of 8 bits or fewer) and the
// masks of a bit-field picture follow the header and must lie inside the
// bytes too. The icon form holds the colour and mask halves one above the
// other, right after the header and colour table.
bool BitmapFits(const unsigned char* header, std::size_t available, std::size_t pixels, bool icon)
{
    if (available < 4)
        return false;
    const Dword size = Read32(header);
    if (size < kCoreHeaderSize || size > available)
        return false;
    long long width, height;
    Word bits;
    Dword compression = kPlainRgb;
    Dword imageSize = 0;
    Dword colours = 0;
    std::size_t entrySize = 4;
    if (size == kCoreHeaderSize) {
        // Width, height, planes and depth, 16 bits each.
        width = Read16(header + 4);
        height = Read16(header + 6);
        bits = Read16(header + 10);
        entrySize = 3;
    } else {
        if (size < kInfoHeaderSize - 20)
            return false;
        width = static_cast<std::int32_t>(Read32(header + 4));
        height = static_cast<std::int32_t>(Read32(header + 8));
        bits = Read16(header + 14);
        if (size >= 24) {
            compression = Read32(header + 16);
            imageSize = Read32(header + 20);
        }
        if (size >= 36)
            colours = Read32(header + 32);
    }
    if (height < 0)
        height = -height;  // 64 bits: the most negative height negates safely
    if (!KnownDepth(bits))
        return false;
    unsigned long long extra = 0;
    if (bits <= 8)
        extra = (colours != 0 ? colours : (1u << bits)) * static_cast<unsigned long long>(entrySize);
    if (compression == kBitFields && size < kHeaderWithMasksSize)
        extra += kMasksSize;
    if (size + extra > available)
        return false;
    if (icon) {
        // The pixels follow the header and the colour table.
        height /= 2;
        pixels = available - size - static_cast<std::size_t>(extra);
    }
    if (width < 1 || height < 1 || width > kLargestSide || height > kLargestSide)
        return false;
    const unsigned long long stride = ((static_cast<unsigned long long>(width) * bits + 31) / 32) * 4;
    // An icon's mask may be left out (32-bit icons often are): only the
    // colour half is required.
    const unsigned long long needed = stride * static_cast<unsigned long long>(height);
    switch (compression) {
    case kPlainRgb:
    case kBitFields:
        return needed <= pixels;
    case kRunLength8:
    case kRunLength4:
        return !icon && imageSize > 0 && imageSize <= pixels;
    default:
        return false;
    }
}

bool BmpIsWhole(const unsigned char* bytes, std::size_t count)
{
    if (count < kFileHeaderSize + kCoreHeaderSize)
        return false;
    const Dword offset = Read32(bytes + 10);
    if (offset < kFileHeaderSize + kCoreHeaderSize || offset > count)
        return false;
    return BitmapFits(bytes + kFileHeaderSize, count - kFileHeaderSize, count - offset, false);
}

// Every entry's image must lie inside the bytes. Entries that are PNG images
// are left to the decoder's stream reader; the others are bitmap headers.
bool IconIsWhole(const unsigned char* bytes, std::size_t count)
{
    if (count < kIconDirectorySize)
        return false;
    const std::size_t entries = Read16(bytes + 4);
    if (entries == 0 || kIconDirectorySize + entries * kIconEntrySize > count)
        return false;
    for (std::size_t i = 0; i < entries; ++i) {
        const unsigned char* entry = bytes + kIconDirectorySize + i * kIconEntrySize;
        const unsigned long long size = Read32(entry + 8);
        const unsigned long long offset = Read32(entry + 12);
        if (size == 0 || offset < kIconDirectorySize + entries * kIconEntrySize || offset + size > count)
            return false;
        const unsigned char* image = bytes + offset;
        const bool png = size >= 8 && image[0] == 0x89 && image[1] == 'P' && image[2] == 'N' && image[3] == 'G';
        if (!png && (size < kInfoHeaderSize || !BitmapFits(image, static_cast<std::size_t>(size), 0, true)))
            return false;
    }
    return true;
}

}  // namespace

bool PictureBytesAreWhole(const unsigned char* bytes, std::size_t count)
{
    if (bytes == nullptr || count < 2)
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
