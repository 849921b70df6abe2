#include "text_stream.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#ifdef _WIN32
#include <io.h>
#else
#include <sys/types.h>
#endif

namespace {

#ifndef _WIN32
// 64-bit file positions, so that files past 2 GiB report their real size.
long long Tell(std::FILE* file)
{
    return ftello(file);
}

bool SeekTo(std::FILE* file, long long offset, int origin)
{
    return fseeko(file, static_cast<off_t>(offset), origin) == 0;
}
#endif

void ZerosToSpaces(char* bytes, std::size_t count)
{
    std::replace(bytes, bytes + count, '\0', ' ');
}

// `count` bytes of the file into a zero-filled block, whose zero bytes (read
// or left over) become spaces. Returns the number read; 0 with `text` empty
// when nothing was read or the block cannot be had.
std::size_t ReadBlock(std::FILE* file, std::size_t count, std::string& text)
{
    text.clear();
    char* block = count != 0 ? static_cast<char*>(std::calloc(count, 1)) : nullptr;
    if (block == nullptr)
        return 0;
    const std::size_t got = std::fread(block, 1, count, file);
    if (got != 0) {
        ZerosToSpaces(block, count);
        text.assign(block, count);
    }
    std::free(block);
    return got;
}

}  // namespace

std::size_t ReadTextLine(std::FILE* file, std::string& line)
{
    line.clear();
    // The line read writes its bytes and one terminating zero byte; over a
    // buffer filled with line feeds, the last zero byte is that terminator,
    // however many zero bytes the line itself holds.
    char buffer[kTextLinePiece + 1];
    std::memset(buffer, '\n', sizeof buffer);
    if (std::fgets(buffer, sizeof buffer, file) == nullptr)
        return 0;
    std::size_t read = kTextLinePiece;
    while (buffer[read] != '\0')
        --read;

    std::size_t taken = read;
    std::size_t kept = read;
    bool fileEnded = false;
    if (read > 0 && buffer[read - 1] == '\n') {
        --kept;
    } else if (read == kTextLinePiece) {
        // A full buffer: its line feed, if it comes next, belongs to this
        // line, not to an empty one of its own.
        const int next = std::getc(file);
        if (next == '\n')
            ++taken;
        else if (next == EOF)
            fileEnded = true;
        else
            std::ungetc(next, file);
    } else {
        // Short of a line feed and of a full buffer: the file ended.
        fileEnded = true;
    }
    // A carriage return is a line's end only where the file ends after it;
    // inside a long line it is one of its bytes.
    if (fileEnded && kept > 0 && buffer[kept - 1] == '\r')
        --kept;
    ZerosToSpaces(buffer, kept);
    line.assign(buffer, kept);
    return taken;
}

std::size_t ReadTextBytes(std::FILE* file, std::size_t count, std::string& bytes)
{
    return ReadBlock(file, count, bytes);
}

long long TextStreamSize(std::FILE* file)
{
#ifdef _WIN32
    // The system's own length of the open file. A text-mode stream cannot
    // tell its size by seeking to the end and back: its position counts
    // every line feed still to come as two bytes, so in a file of bare line
    // feeds the seek back would land early.
    const int descriptor = _fileno(file);
    return descriptor >= 0 ? _filelengthi64(descriptor) : -1;
#else
    const long long here = Tell(file);
    if (here < 0 || !SeekTo(file, 0, SEEK_END))
        return -1;
    const long long size = Tell(file);
    SeekTo(file, here, SEEK_SET);
    return size;
#endif
}

void ReadWholeText(std::FILE* file, std::string& text)
{
    text.clear();
    const long long size = TextStreamSize(file);
    if (size <= 0 || static_cast<unsigned long long>(size) >= SIZE_MAX)
        return;
    std::rewind(file);
    ReadBlock(file, static_cast<std::size_t>(size), text);
}

bool WriteTextBytes(std::FILE* file, const char* bytes, std::size_t count)
{
    return std::fwrite(bytes, 1, count, file) == count;
}
