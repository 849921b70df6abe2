#include "bmp_file.h"

#include <algorithm>
#include <new>

namespace {

const WORD kBmpSignature = 0x4D42;  // "BM"
const DWORD kFileHeaderSize = 14;
const DWORD kInfoHeaderSize = 40;
// Pixels are read and written a band of rows at a time: about a megabyte
// keeps the memory small and warm whatever the picture's size.
const size_t kBandBytes = 1 << 20;

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

bool WriteAll(HANDLE file, const void* bytes, size_t count)
{
    const BYTE* at = static_cast<const BYTE*>(bytes);
    while (count > 0) {
        DWORD piece = static_cast<DWORD>(std::min<size_t>(count, 1u << 30));
        DWORD written = 0;
        if (!WriteFile(file, at, piece, &written, NULL) || written == 0)
            return false;
        at += written;
        count -= written;
    }
    return true;
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

// The 14-byte file header for the info header (whose image size is set).
void FillFileHeader(const BITMAPINFOHEADER& header, BYTE* fileHeader)
{
    DWORD offset = kFileHeaderSize + kInfoHeaderSize +
                   static_cast<DWORD>(TableEntries(header) * sizeof(RGBQUAD));
    ZeroMemory(fileHeader, kFileHeaderSize);
    Put16(fileHeader, kBmpSignature);
    Put32(fileHeader + 2, offset + header.biSizeImage);
    Put32(fileHeader + 10, offset);
}

// GetDIBits may rewrite the header's size fields: the file keeps its own.
void RestoreSizes(BITMAPINFOHEADER& header, DWORD imageSize)
{
    header.biSizeImage = imageSize;
    header.biClrUsed = 0;
    header.biClrImportant = 0;
}

// Two bands take turns: while a writer thread hands one to the file, the
// next is read from the bitmap into the other, so reading and writing
// overlap. Each band has a "filled" and a "free" event; a band of 0 bytes
// tells the writer to stop. Without the thread the bands are written in turn.
struct BandWriter {
    HANDLE file;
    BYTE* bands[2];
    size_t sizes[2];
    HANDLE filled[2];
    HANDLE free[2];
    volatile LONG failed;

    static DWORD WINAPI Run(LPVOID parameter)
    {
        BandWriter* writer = static_cast<BandWriter*>(parameter);
        for (int slot = 0;; slot ^= 1) {
            WaitForSingleObject(writer->filled[slot], INFINITE);
            if (writer->sizes[slot] == 0)
                return 0;
            if (!writer->failed && !WriteAll(writer->file, writer->bands[slot], writer->sizes[slot]))
                InterlockedExchange(&writer->failed, 1);
            SetEvent(writer->free[slot]);
        }
    }
};

// A band of rows at a time, bottom row first as the file holds them.
WriteResult WriteInBands(HANDLE file, HDC screen, HBITMAP bitmap, FullBitmapInfo& info, size_t stride,
                         LONG rows)
{
    BITMAPINFOHEADER& header = info.header;
    DWORD imageSize = header.biSizeImage;
    int bandRows = static_cast<int>(std::min<size_t>(std::max<size_t>(1, kBandBytes / stride),
                                                     static_cast<size_t>(rows)));
    BandWriter writer = {};
    writer.file = file;
    writer.bands[0] = new (std::nothrow) BYTE[stride * bandRows];
    writer.bands[1] = new (std::nothrow) BYTE[stride * bandRows];
    if (writer.bands[0] == NULL || writer.bands[1] == NULL) {
        delete[] writer.bands[0];
        delete[] writer.bands[1];
        return kNoMemory;
    }
    HANDLE thread = NULL;
    bool eventsMade = true;
    for (int slot = 0; slot < 2; ++slot) {
        writer.filled[slot] = CreateEventA(NULL, FALSE, FALSE, NULL);
        writer.free[slot] = CreateEventA(NULL, FALSE, TRUE, NULL);
        eventsMade = eventsMade && writer.filled[slot] != NULL && writer.free[slot] != NULL;
    }
    if (eventsMade)
        thread = CreateThread(NULL, 0, BandWriter::Run, &writer, 0, NULL);

    bool ok = true;
    int slot = 0;
    for (LONG first = 0; ok && first < rows; first += bandRows, slot ^= 1) {
        int count = static_cast<int>(std::min<LONG>(bandRows, rows - first));
        if (thread != NULL)
            WaitForSingleObject(writer.free[slot], INFINITE);
        ok = !writer.failed &&
             GetDIBits(screen, bitmap, static_cast<UINT>(first), static_cast<UINT>(count),
                       writer.bands[slot], reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS) == count;
        if (ok && first == 0) {
            // The colour table is filled by the first read; nothing is being
            // written yet.
            RestoreSizes(header, imageSize);
            BYTE fileHeader[kFileHeaderSize];
            FillFileHeader(header, fileHeader);
            ok = WriteAll(file, fileHeader, sizeof fileHeader) &&
                 WriteAll(file, &header, kInfoHeaderSize) &&
                 WriteAll(file, info.colours, TableEntries(header) * sizeof(RGBQUAD));
        }
        if (!ok)
            break;
        if (thread != NULL) {
            writer.sizes[slot] = stride * count;
            SetEvent(writer.filled[slot]);
        } else {
            ok = WriteAll(file, writer.bands[slot], stride * count);
        }
    }
    if (thread != NULL) {
        // The writer takes the bands in turn: the stop goes into the next one.
        WaitForSingleObject(writer.free[slot], INFINITE);
        writer.sizes[slot] = 0;
        SetEvent(writer.filled[slot]);
        WaitForSingleObject(thread, INFINITE);
        CloseHandle(thread);
        ok = ok && !writer.failed;
    }
    for (int i = 0; i < 2; ++i) {
        if (writer.filled[i] != NULL)
            CloseHandle(writer.filled[i]);
        if (writer.free[i] != NULL)
            CloseHandle(writer.free[i]);
        delete[] writer.bands[i];
    }
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
    HANDLE file = CreateFileA(path.CStr(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE) {
        ReleaseDC(NULL, screen);
        ShowError("Unable to Create Bitmap File");
        return false;
    }
    WriteResult written = WriteInBands(file, screen, bitmap, info, stride, rows);
    CloseHandle(file);
    ReleaseDC(NULL, screen);
    if (written == kWritten)
        return true;
    DeleteFileA(path.CStr());
    if (written == kNoMemory)
        ShowError("Unable to Allocate Bitmap Memory");
    return false;
}
