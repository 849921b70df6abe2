#include "replacing_file.h"

namespace {

// The folder part of a path ("." for a bare name), where the new file goes.
String FolderOf(const String& path)
{
    const std::size_t slash = path.find_last_of("\\/");
    if (slash == String::npos)
        return ".";
    if (slash == 0 || (slash == 2 && path[1] == ':'))
        return path.substr(0, slash + 1);
    return path.substr(0, slash);
}

}  // namespace

ReplacingFile::ReplacingFile(const String& targetPath)
    : target(targetPath), replacement(), file(INVALID_HANDLE_VALUE), failed(false)
{
    char name[MAX_PATH] = "";
    if (target.empty() || GetTempFileNameA(FolderOf(target).CStr(), "wkr", 0, name) == 0)
        return;
    replacement = name;
    file = CreateFileA(name, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE)
        Abandon();
}

ReplacingFile::~ReplacingFile()
{
    Abandon();
}

HANDLE ReplacingFile::Handle() const
{
    return file;
}

bool ReplacingFile::Write(const void* bytes, std::size_t count)
{
    const BYTE* next = static_cast<const BYTE*>(bytes);
    while (!failed && file != INVALID_HANDLE_VALUE && count > 0) {
        DWORD piece = count > 0x10000000 ? 0x10000000 : static_cast<DWORD>(count);
        DWORD written = 0;
        if (!WriteFile(file, next, piece, &written, NULL) || written != piece)
            failed = true;
        next += written;
        count -= written;
    }
    return !failed && file != INVALID_HANDLE_VALUE;
}

bool ReplacingFile::Commit()
{
    if (file == INVALID_HANDLE_VALUE || failed) {
        Abandon();
        return false;
    }
    const bool flushed = FlushFileBuffers(file) != FALSE;
    const bool closed = CloseHandle(file) != FALSE;
    file = INVALID_HANDLE_VALUE;
    if (!flushed || !closed ||
        !MoveFileExA(replacement.CStr(), target.CStr(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        Abandon();
        return false;
    }
    replacement.clear();
    return true;
}

void ReplacingFile::Abandon()
{
    if (file != INVALID_HANDLE_VALUE) {
        CloseHandle(file);
        file = INVALID_HANDLE_VALUE;
    }
    if (!replacement.empty()) {
        DeleteFileA(replacement.CStr());
        replacement.clear();
    }
    failed = true;
}
