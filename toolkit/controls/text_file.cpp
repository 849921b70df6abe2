#include "text_file.h"

#include <cerrno>
#include <string>
#include <utility>

#include "controls/text_stream.h"

void TextFile::BindProperties()
{
    AtEnd.Clear();
    AtEnd.BindOwner(this);
    AtEnd.BindGet(&TextFile::GetAtEnd);
    IsOpen.Clear();
    IsOpen.BindOwner(this);
    IsOpen.BindGet(&TextFile::GetIsOpen);
}

TextFile::TextFile() : path(), file(nullptr), access(kNoAccess), readOnly(false)
{
    BindProperties();
}

TextFile::TextFile(const String& filePath) : TextFile()
{
    Open(filePath);
}

TextFile::TextFile(TextFile&& other) noexcept
    : path(std::move(other.path)), file(other.file), access(other.access),
      readOnly(other.readOnly)
{
    other.file = nullptr;
    other.access = kNoAccess;
    BindProperties();
}

TextFile& TextFile::operator=(TextFile&& other) noexcept
{
    if (this != &other) {
        Close();
        path = std::move(other.path);
        file = other.file;
        access = other.access;
        readOnly = other.readOnly;
        other.file = nullptr;
        other.access = kNoAccess;
    }
    return *this;
}

TextFile::~TextFile()
{
    Close();
}

bool TextFile::GetAtEnd()
{
    return file != nullptr && std::feof(file) != 0;
}

bool TextFile::GetIsOpen()
{
    return file != nullptr;
}

void TextFile::BeginRead()
{
    if (access == kWriting)
        std::fflush(file);
    access = kReading;
}

void TextFile::BeginWrite()
{
    if (access == kReading)
        std::fseek(file, 0, SEEK_CUR);
    access = kWriting;
}

bool TextFile::Open(const String& filePath)
{
    Close();
    path = filePath;
    BindProperties();
    file = std::fopen(path.c_str(), "r+");
    // A file the user may read but not write (read-only, or on a medium that
    // takes no writes) is still shown: it opens for reading, and writes to
    // it report false.
    if (file == nullptr && errno == EACCES) {
        file = std::fopen(path.c_str(), "r");
        readOnly = file != nullptr;
    }
    return file != nullptr;
}

bool TextFile::Create()
{
    Close();
    file = std::fopen(path.c_str(), "w");
    return file != nullptr;
}

bool TextFile::WriteAll(const String& text)
{
    return Create() && Write(text);
}

// The runtime keeps what fwrite takes in its buffer: only the flush tells
// whether the bytes reached the system (a full disk fails there).
bool TextFile::Write(const String& text)
{
    if (file == nullptr || readOnly)
        return false;
    BeginWrite();
    const bool taken = WriteTextBytes(file, text.data(), text.size());
    return std::fflush(file) == 0 && taken;
}

String TextFile::ReadLine()
{
    String line;
    if (file != nullptr) {
        BeginRead();
        ReadTextLine(file, line);
    }
    return line;
}

// The end-of-file indicator is set only by a read that meets the end, so a
// file ending in a line break gives one last, empty line: the read that
// found nothing.
StringList TextFile::ReadLines(unsigned count)
{
    StringList lines;
    if (file == nullptr)
        return lines;
    BeginRead();
    std::string line;
    while (!std::feof(file) && (count == 0 || lines.items.size() < count)) {
        const std::size_t taken = ReadTextLine(file, line);
        lines.items.emplace_back(std::move(line));
        // A read that fails without reaching the end (a file opened for
        // writing only) sets no end-of-file indicator: stop rather than loop.
        if (taken == 0)
            break;
    }
    return lines;
}

String TextFile::ReadBytes(unsigned length)
{
    String bytes;
    if (file != nullptr) {
        BeginRead();
        ReadTextBytes(file, length, bytes);
    }
    return bytes;
}

String TextFile::ReadAll()
{
    String text;
    if (file != nullptr) {
        access = kNoAccess;  // the rewind positions the file
        ReadWholeText(file, text);
        access = kReading;
    }
    return text;
}

char TextFile::ReadChar()
{
    char byte = 0;
    if (file != nullptr) {
        BeginRead();
        if (std::fscanf(file, "%c", &byte) != 1)
            byte = 0;
    }
    return byte;
}

long TextFile::ReadInt()
{
    long value = 0;
    if (file != nullptr) {
        BeginRead();
        if (std::fscanf(file, "%ld", &value) != 1)
            value = 0;
    }
    return value;
}

long long TextFile::Size()
{
    if (file == nullptr)
        return 0;
    // Written bytes count once they reach the system; the read or write
    // position stays where it is.
    if (access == kWriting)
        std::fflush(file);
    const long long size = TextStreamSize(file);
    return size > 0 ? size : 0;
}

int TextFile::Rewind()
{
    if (file != nullptr) {
        std::rewind(file);
        access = kNoAccess;
    }
    return 0;
}

bool TextFile::Close()
{
    bool closed = true;
    if (file != nullptr) {
        closed = std::fclose(file) == 0;
        file = nullptr;
    }
    access = kNoAccess;
    readOnly = false;
    return closed;
}
