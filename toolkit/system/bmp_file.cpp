#include "bmp_file.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <new>

#include "replacing_file.h"

namespace {

const WORD kBmpSignature = 0x4D42;  // "BM"
const DWORD kFileHeaderSize = 14;
const DWORD kInfoHeaderSize = 40;
// Rows are read a few at a time and written in pieces of this size (see
// WriteInBands).
const size_t kPieceBytes = 1024 * 1024;
// A picture whose file is no larger is read whole into a buffer of its own.
const size_t kSmallPictureBytes = 64 * 1024;

// A BITMAPINFO with room for the largest colour table.
struct FullBitmapInfo {
    BITMAPINFOHEADER header;
    RGBQUAD colours[256];
};

size_t TableEntries(const BITMAPINFOHEADER& header)
{
    if (header.biBitCount > 8)
        return 0;
    return static_cast<size_t>(1) << header.biBitCount;
}

void ShowError(const char* text)
{
    MessageBoxA(NULL, text, "Error", MB_ICONERROR);
}

// Stores a 16- or 32-bit little-endian number.
void Put16(BYTE* at, WORD value)
{
    at[0] = static_cast<BYTE>(value);
    at[1] = static_cast<BYTE>(value >> 8);
}

void Put32(BYTE* at, DWORD value)
{
    Put16(at, static_cast<WORD>(value));
    Put16(at + 2, static_cast<WORD>(value >> 16));
}

enum WriteResult { kWritten, kNoMemory, kFailed };

// The file's headers for the info (whose image size is set): the 14-byte
// file header, the info header and the colour table, BitmapFilePixelOffset
// bytes in all.
void FillHeaders(const FullBitmapInfo& info, BYTE* at)
{
    const BITMAPINFOHEADER& header = info.header;
    DWORD offset = BitmapFilePixelOffset(header);
    ZeroMemory(at, kFileHeaderSize);
    Put16(at, kBmpSignature);
    Put32(at + 2, offset + header.biSizeImage);
    Put32(at + 10, offset);
    std::memcpy(at + kFileHeaderSize, &header, kInfoHeaderSize);
    std::memcpy(at + kFileHeaderSize + kInfoHeaderSize, info.colours, TableEntries(header) * sizeof(RGBQUAD));
}

// GetDIBits may rewrite the header's size fields: the file keeps its own.
void RestoreSizes(BITMAPINFOHEADER& header, DWORD imageSize)
{
    header.biSizeImage = imageSize;
    header.biClrUsed = 0;
    header.biClrImportant = 0;
}

// The buffer WriteInBands reads rows into, kept from one save to the next.
// A block of a megabyte is too large for the process heap to hand out again:
// it is mapped afresh each time, and the first touch of each of its pages
// costs more than reading the rows into it. So the first save of a large
// picture keeps its buffer, and the saves after it take it over. A save
// that finds it taken (another thread is saving) or too small uses a new
// one, and the largest of them stays for the next save.
class KeptBuffer {
public:
    ~KeptBuffer() { Release(kept.exchange(nullptr)); }

    // A buffer of at least `size` bytes, or NULL when there is no memory.
    BYTE* Take(size_t size)
    {
        Block* block = kept.exchange(nullptr);
        if (block != nullptr && block->size >= size)
            return Bytes(block);
        Release(block);
        block = static_cast<Block*>(::operator new(sizeof(Block) + size, std::nothrow));
        if (block == nullptr)
            return NULL;
        block->size = size;
        return Bytes(block);
    }

    // Keeps the buffer for the next save unless a larger one is kept.
    void Give(BYTE* bytes)
    {
        Block* block = reinterpret_cast<Block*>(bytes - sizeof(Block));
        Block* other = kept.exchange(block);
        if (other != nullptr && other->size > block->size)
            other = kept.exchange(other);
        Release(other);
    }

private:
    struct Block {
        size_t size;
    };
    static BYTE* Bytes(Block* block) { return reinterpret_cast<BYTE*>(block) + sizeof(Block); }
    static void Release(Block* block) { ::operator delete(block); }

    std::atomic<Block*> kept{nullptr};
};

KeptBuffer keptBuffer;

// Rows are read with GetDIBits into one buffer, which also carries the
// file's headers in front of the first row, and the file is written from it
// in pieces of kPieceBytes at offsets that are multiples of that size: the
// system keeps a file's data in large aligned blocks when the writes are
// large and aligned, and takes small ones (at a much higher cost per byte)
// for writes that cross them. So rows are read until the buffer holds a whole
// piece, the piece is written, and the few bytes of the last row past it move
// to the front. A small picture gets a buffer of its own size from the heap;
// a larger one uses the kept buffer.
WriteResult WriteInBands(ReplacingFile& file, HDC screen, HBITMAP bitmap, FullBitmapInfo& info, size_t stride,
                         LONG rows)
{
    BITMAPINFOHEADER& header = info.header;
    DWORD imageSize = header.biSizeImage;
    size_t prefix = BitmapFilePixelOffset(header);
    size_t piece = kPieceBytes;
    while (piece < stride || piece < prefix)
        piece *= 2;
    bool kept = prefix + imageSize > kSmallPictureBytes;
    BYTE* buffer = kept ? keptBuffer.Take(piece + stride) : new (std::nothrow) BYTE[prefix + imageSize];
    if (buffer == NULL)
        return kNoMemory;
    size_t filled = prefix;  // the headers are written in once the first read fills the colour table
    bool ok = true;
    for (LONG first = 0; ok && first < rows;) {
        // Enough rows to fill the piece, at least one.
        size_t wanted = (piece - filled + stride - 1) / stride;
        int count = static_cast<int>(std::min<size_t>(std::max<size_t>(wanted, 1),
                                                       static_cast<size_t>(rows - first)));
        ok = GetDIBits(screen, bitmap, static_cast<UINT>(first), static_cast<UINT>(count), buffer + filled,
                       reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS) == count;
        if (!ok)
            break;
        if (first == 0) {
            RestoreSizes(header, imageSize);
            FillHeaders(info, buffer);
        }
        first += count;
        filled += stride * count;
        if (filled >= piece) {
            ok = file.Write(buffer, piece);
            filled -= piece;
            std::memmove(buffer, buffer + piece, filled);
        }
    }
    if (ok && filled > 0)
        ok = file.Write(buffer, filled);
    if (kept)
        keptBuffer.Give(buffer);
    else
        delete[] buffer;
    return ok ? kWritten : kFailed;
}

// True when the section's memory holds the picture's rows bottom row first.
// A top-down section is not told apart by its header everywhere (Wine reports
// a positive height for both), so a row that differs from its mirror image
// is compared with that row as GetDIBits reads it, bottom row first; a
// picture that is the same upside down is written alike either way.
bool StoredBottomUp(HDC screen, HBITMAP bitmap, const BITMAPINFOHEADER& header, const BYTE* bits,
                    size_t stride, LONG rows)
{
    for (LONG k = 0; k < rows / 2; ++k) {
        const BYTE* low = bits + static_cast<size_t>(k) * stride;
        const BYTE* high = bits + static_cast<size_t>(rows - 1 - k) * stride;
        if (std::memcmp(low, high, stride) == 0)
            continue;
        BYTE* row = new (std::nothrow) BYTE[stride];
        if (row == NULL)
            return false;
        BITMAPINFOHEADER asked = header;
        bool same = GetDIBits(screen, bitmap, static_cast<UINT>(k), 1, row, reinterpret_cast<BITMAPINFO*>(&asked),
                              DIB_RGB_COLORS) == 1 &&
                    std::memcmp(row, low, stride) == 0;
        delete[] row;
        return same;
    }
    return true;
}

// The pixel memory of a DIB section whose rows are stored as the file holds
// them (bottom row first, plain RGB of more than 8 bits per pixel, nothing
// between the rows), which can be written straight from there without a
// copy; NULL for every other bitmap.
const void* FileLayoutBits(HDC screen, HBITMAP bitmap, const BITMAPINFOHEADER& header, size_t stride)
{
    DIBSECTION section;
    if (GetObjectA(bitmap, sizeof section, &section) != static_cast<int>(sizeof section) ||
        section.dsBm.bmBits == NULL)
        return NULL;
    const BITMAPINFOHEADER& own = section.dsBmih;
    bool sameLayout = own.biCompression == BI_RGB && own.biBitCount > 8 &&
                      own.biBitCount == header.biBitCount && own.biWidth == header.biWidth &&
                      own.biHeight == header.biHeight &&
                      section.dsBm.bmWidthBytes == static_cast<LONG>(stride) &&
                      static_cast<size_t>(own.biWidth) * own.biBitCount == stride * 8;
    if (!sameLayout)
        return NULL;
    // Drawing still queued for the bitmap reaches its memory first.
    GdiFlush();
    const BYTE* bits = static_cast<const BYTE*>(section.dsBm.bmBits);
    return StoredBottomUp(screen, bitmap, header, bits, stride, header.biHeight) ? bits : NULL;
}

WriteResult WriteFromBits(ReplacingFile& file, const void* bits, const FullBitmapInfo& info)
{
    BYTE headers[kFileHeaderSize + kInfoHeaderSize];
    FillHeaders(info, headers);
    bool ok = file.Write(headers, sizeof headers) && file.Write(bits, info.header.biSizeImage);
    return ok ? kWritten : kFailed;
}

}  // namespace

DWORD BitmapFilePixelOffset(const BITMAPINFOHEADER& header)
{
    return kFileHeaderSize + kInfoHeaderSize + static_cast<DWORD>(TableEntries(header) * sizeof(RGBQUAD));
}

// The format comes from GetDIBits with no pixel buffer and a bit count of 0.
// Bit-field formats (16 and 32 bits per pixel) are asked for as BI_RGB of
// the same depth, whose layout every reader knows; pictures of 8 bits or
// fewer get their full colour table, which GetDIBits fills on the first read.
bool SaveBitmapFile(HBITMAP bitmap, const String& path)
{
    if (bitmap == NULL || path.empty())
        return false;
    HDC screen = GetDC(NULL);
    if (screen == NULL)
        return false;
    FullBitmapInfo info;
    ZeroMemory(&info, sizeof info);
    info.header.biSize = kInfoHeaderSize;
    bool ok = GetDIBits(screen, bitmap, 0, 0, NULL, reinterpret_cast<BITMAPINFO*>(&info),
                        DIB_RGB_COLORS) != 0 &&
              info.header.biWidth > 0 && info.header.biHeight != 0 && info.header.biBitCount != 0;
    BITMAPINFOHEADER& header = info.header;
    size_t stride = 0;
    unsigned long long imageSize = 0;
    LONG rows = 0;
    if (ok) {
        header.biCompression = BI_RGB;
        header.biClrUsed = 0;
        header.biClrImportant = 0;
        rows = header.biHeight < 0 ? -header.biHeight : header.biHeight;
        // Bottom-up rows: the file's first row is the picture's last.
        header.biHeight = rows;
        stride = ((static_cast<size_t>(header.biWidth) * header.biBitCount + 31) / 32) * 4;
        imageSize = static_cast<unsigned long long>(stride) * static_cast<unsigned long long>(rows);
        ok = imageSize + BitmapFilePixelOffset(header) <= 0xFFFFFFFFull;
        header.biSizeImage = static_cast<DWORD>(imageSize);
    }
    if (!ok) {
        ReleaseDC(NULL, screen);
        return false;
    }
    // Written beside the target and put in its place only when whole: a
    // failed save (a full disk) leaves the previous picture as it was.
    ReplacingFile out(path);
    if (out.Handle() == INVALID_HANDLE_VALUE) {
        ReleaseDC(NULL, screen);
        ShowError("Unable to Create Bitmap File");
        return false;
    }
    const void* bits = FileLayoutBits(screen, bitmap, header, stride);
    WriteResult written = bits != NULL ? WriteFromBits(out, bits, info)
                                       : WriteInBands(out, screen, bitmap, info, stride, rows);
    ReleaseDC(NULL, screen);
    if (written == kWritten)
        return out.Commit();
    if (written == kNoMemory)
        ShowError("Unable to Allocate Bitmap Memory");
    return false;
}
