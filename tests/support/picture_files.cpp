#include "picture_files.h"

#include <cstdio>

namespace {

void PutLittleEndian(std::string& out, unsigned long value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

bool WriteFileBytes(const std::string& path, const std::string& bytes)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == NULL)
        return false;
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

}  // namespace

std::string ResourceBytes(int resourceId)
{
    HMODULE module = GetModuleHandleA(NULL);
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(resourceId), MAKEINTRESOURCEA(10));
    if (found == NULL)
        return std::string();
    HGLOBAL loaded = LoadResource(module, found);
    const void* bytes = loaded != NULL ? LockResource(loaded) : NULL;
    if (bytes == NULL)
        return std::string();
    return std::string(static_cast<const char*>(bytes), SizeofResource(module, found));
}

bool WriteResourceFile(int resourceId, const std::string& path)
{
    std::string bytes = ResourceBytes(resourceId);
    return !bytes.empty() && WriteFileBytes(path, bytes);
}

bool WriteSolidBitmap(const std::string& path, COLORREF colour, int side)
{
    // Rows of 24-bit pixels are padded to a multiple of four bytes.
    const unsigned long rowBytes = (static_cast<unsigned long>(side) * 3 + 3) & ~3ul;
    const unsigned long pixelBytes = rowBytes * static_cast<unsigned long>(side);
    std::string bmp = "BM";
    PutLittleEndian(bmp, 14 + 40 + pixelBytes, 4);  // file size
    PutLittleEndian(bmp, 0, 4);                     // reserved
    PutLittleEndian(bmp, 14 + 40, 4);               // offset of the pixels
    PutLittleEndian(bmp, 40, 4);                    // BITMAPINFOHEADER
    PutLittleEndian(bmp, static_cast<unsigned long>(side), 4);
    PutLittleEndian(bmp, static_cast<unsigned long>(side), 4);
    PutLittleEndian(bmp, 1, 2);                     // planes
    PutLittleEndian(bmp, 24, 2);                    // bits per pixel
    PutLittleEndian(bmp, BI_RGB, 4);
    PutLittleEndian(bmp, pixelBytes, 4);
    PutLittleEndian(bmp, 2835, 4);                  // 72 dpi
    PutLittleEndian(bmp, 2835, 4);
    PutLittleEndian(bmp, 0, 4);
    PutLittleEndian(bmp, 0, 4);
    std::string row;
    for (int x = 0; x < side; ++x) {
        row += static_cast<char>(GetBValue(colour));
        row += static_cast<char>(GetGValue(colour));
        row += static_cast<char>(GetRValue(colour));
    }
    row.resize(rowBytes, '\0');
    for (int y = 0; y < side; ++y)
        bmp += row;
    return WriteFileBytes(path, bmp);
}

COLORREF BitmapPixel(HBITMAP bitmap, int x, int y)
{
    HDC memory = CreateCompatibleDC(NULL);
    if (memory == NULL)
        return CLR_INVALID;
    HGDIOBJ previous = SelectObject(memory, bitmap);
    COLORREF colour = previous != NULL ? GetPixel(memory, x, y) : CLR_INVALID;
    if (previous != NULL)
        SelectObject(memory, previous);
    DeleteDC(memory);
    return colour;
}

bool IsLiveBitmap(HBITMAP bitmap)
{
    BITMAP header;
    return bitmap != NULL && GetObjectA(bitmap, sizeof header, &header) == sizeof header;
}

BITMAPINFO TopDownRgbInfo(int width, int height)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

HBITMAP BitmapFromPixels(int width, int height, const std::vector<COLORREF>& pixels)
{
    std::vector<DWORD> rows(static_cast<size_t>(width) * height);
    for (size_t i = 0; i < rows.size() && i < pixels.size(); ++i)
        rows[i] = (GetRValue(pixels[i]) << 16) | (GetGValue(pixels[i]) << 8) | GetBValue(pixels[i]);
    BITMAPINFO info = TopDownRgbInfo(width, height);
    HDC screen = GetDC(NULL);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    if (bitmap != NULL)
        SetDIBits(screen, bitmap, 0, height, rows.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(NULL, screen);
    return bitmap;
}

std::vector<COLORREF> BitmapPixels(HBITMAP bitmap)
{
    BITMAP header;
    if (bitmap == NULL || GetObjectA(bitmap, sizeof header, &header) == 0)
        return std::vector<COLORREF>();
    int width = header.bmWidth;
    int height = header.bmHeight;
    std::vector<DWORD> rows(static_cast<size_t>(width) * height);
    BITMAPINFO info = TopDownRgbInfo(width, height);
    HDC screen = GetDC(NULL);
    int read = GetDIBits(screen, bitmap, 0, height, rows.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(NULL, screen);
    std::vector<COLORREF> pixels;
    if (read != height)
        return pixels;
    for (DWORD value : rows)
        pixels.push_back(RGB((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF));
    return pixels;
}
