// libFuzzer target for the check in front of the picture decoder: whatever
// bytes it lets through, a reader that takes what a BMP or icon decoder
// takes (headers, colour table, masks, pixel rows, as their fields say) stays
// inside them. The reader names every range it would read and the target
// stops at the first one past the end; it also touches each byte, so that
// the address sanitizer sees a read the range arithmetic got wrong.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "foundation/picture_bytes.h"

namespace {

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

struct Reader {
    const unsigned char* bytes;
    std::size_t count;
    unsigned sum;

    // The decoder reads `length` bytes at `at`: they must all be there.
    void Take(unsigned long long at, unsigned long long length)
    {
        Require(at <= count && length <= count - at);
        for (unsigned long long i = 0; i < length; ++i)
            sum += bytes[at + i];
    }
    std::uint32_t U32(unsigned long long at)
    {
        Take(at, 4);
        return bytes[at] | (bytes[at + 1] << 8) | (bytes[at + 2] << 16) |
               (static_cast<std::uint32_t>(bytes[at + 3]) << 24);
    }
    std::uint16_t U16(unsigned long long at)
    {
        Take(at, 2);
        return static_cast<std::uint16_t>(bytes[at] | (bytes[at + 1] << 8));
    }
};

// A bitmap header at `at`; its pixel rows at `pixels`, or right after the
// colour table when `pixels` is 0 (the icon form, colour half only).
void ReadBitmap(Reader& r, unsigned long long at, unsigned long long pixels)
{
    const std::uint32_t size = r.U32(at);
    long long width, height;
    unsigned bits, compression = 0, imageSize = 0, colours = 0, entry = 4;
    if (size == 12) {
        width = r.U16(at + 4);
        height = r.U16(at + 6);
        bits = r.U16(at + 10);
        entry = 3;
    } else {
        r.Take(at, size);
        width = static_cast<std::int32_t>(r.U32(at + 4));
        height = static_cast<std::int32_t>(r.U32(at + 8));
        bits = r.U16(at + 14);
        if (size >= 24) {
            compression = r.U32(at + 16);
            imageSize = r.U32(at + 20);
        }
        if (size >= 36)
            colours = r.U32(at + 32);
    }
    unsigned long long next = at + size;
    if (bits <= 8) {
        const unsigned long long table = (colours != 0 ? colours : 1ull << bits) * entry;
        r.Take(next, table);
        next += table;
    }
    if (compression == 3 && size < 52) {
        r.Take(next, 12);
        next += 12;
    }
    if (height < 0)
        height = -height;
    if (pixels == 0) {
        pixels = next;
        height /= 2;
    }
    if (compression == 1 || compression == 2) {
        r.Take(pixels, imageSize);
        return;
    }
    const unsigned long long stride = ((static_cast<unsigned long long>(width) * bits + 31) / 32) * 4;
    r.Take(pixels, stride * static_cast<unsigned long long>(height));
}

void ReadPicture(Reader& r)
{
    if (r.count >= 8 && r.bytes[0] == 'l' && r.bytes[1] == 't' && r.bytes[2] == 0 && r.bytes[3] == 0 &&
        r.U32(4) <= r.count - 8) {
        // The picture inside the wrapper, with only its own bytes to read.
        Reader inner = {r.bytes + 8, r.U32(4), 0};
        ReadPicture(inner);
        r.sum += inner.sum;
        return;
    }
    if (r.bytes[0] == 'B' && r.bytes[1] == 'M') {
        r.Take(0, 14);
        ReadBitmap(r, 14, r.U32(10));
    } else if (r.bytes[0] == 0 && r.bytes[1] == 0) {
        const unsigned entries = r.U16(4);
        for (unsigned i = 0; i < entries; ++i) {
            const unsigned long long entry = 6 + 16ull * i;
            const std::uint32_t length = r.U32(entry + 8);
            const std::uint32_t offset = r.U32(entry + 12);
            r.Take(offset, length);
            if (length >= 8 && r.bytes[offset] == 0x89 && r.bytes[offset + 1] == 'P')
                continue;  // a PNG entry is read as a stream
            Reader image = {r.bytes + offset, length, 0};
            ReadBitmap(image, 0, 0);
            r.sum += image.sum;
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (!PictureBytesAreWhole(data, size))
        return 0;
    Reader reader = {data, size, 0};
    ReadPicture(reader);
    // Keep the sum alive: every byte taken is really read.
    volatile unsigned sink = reader.sum;
    (void)sink;
    return 0;
}
