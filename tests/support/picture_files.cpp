#include "picture_files.h"

#include <cstdio>

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
    if (bytes.empty())
        return false;
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == NULL)
        return false;
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
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
