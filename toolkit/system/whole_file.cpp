#include "system/whole_file.h"

#include <windows.h>

bool ReadWholeFile(const String& path, ByteBuffer& buffer)
{
    // ByteBuffer sizes are ints.
    const DWORD kLargestFile = 0x7fffffff;
    if (path.empty())
        return false;
    HANDLE file = CreateFileA(path.CStr(), GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD size = GetFileSize(file, NULL);
    bool complete = false;
    if (size != INVALID_FILE_SIZE && size > 0 && size <= kLargestFile) {
        buffer = ByteBuffer(static_cast<int>(size));
        BYTE* target = buffer.Buffer.Read();
        DWORD total = 0;
        while (target != NULL && total < size) {
            DWORD got = 0;
            if (!ReadFile(file, target + total, size - total, &got, NULL) || got == 0)
                break;
            total += got;
        }
        complete = target != NULL && total == size;
    }
    CloseHandle(file);
    return complete;
}
