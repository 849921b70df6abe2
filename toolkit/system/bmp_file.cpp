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
    int bandRows = static_cast<int>(std::max<size_t>(1, kBandBytes / stride));
    bandRows = std::min<LONG>(bandRows, rows);
    BYTE* band = new (std::nothrow) BYTE[stride * bandRows];
    if (band == NULL) {
        ReleaseDC(NULL, screen);
        ShowError("Unable to Allocate Bitmap Memory");
        return false;
    }
    HANDLE file = CreateFileA(path.CStr(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE) {
        delete[] band;
        ReleaseDC(NULL, screen);
        ShowError("Unable to Create Bitmap File");
        return false;
    }
    for (LONG first = 0; ok && first < rows; first += bandRows) {
        int count = static_cast<int>(std::min<LONG>(bandRows, rows - first));
        ok = GetDIBits(screen, bitmap, static_cast<UINT>(first), static_cast<UINT>(count), band,
                       reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS) == count;
        if (ok && first == 0) {
            // GetDIBits may rewrite the header's size fields: the file keeps its own.
            header.biSizeImage = static_cast<DWORD>(imageSize);
            header.biClrUsed = 0;
            header.biClrImportant = 0;
            DWORD offset = BitmapFilePixelOffset(header);
            BYTE fileHeader[kFileHeaderSize] = {};
            Put16(fileHeader, kBmpSignature);
            Put32(fileHeader + 2, static_cast<DWORD>(offset + imageSize));
            Put32(fileHeader + 10, offset);
            ok = WriteAll(file, fileHeader, sizeof fileHeader) &&
                 WriteAll(file, &header, kInfoHeaderSize) &&
                 WriteAll(file, info.colours, TableEntries(header) * sizeof(RGBQUAD));
        }
        if (ok)
            ok = WriteAll(file, band, stride * count);
    }
    CloseHandle(file);
    if (!ok)
        DeleteFileA(path.CStr());
    delete[] band;
    ReleaseDC(NULL, screen);
    return ok;
}
