// libFuzzer target for the text file's reads: a file of any bytes is read by
// line to its end, then by a script of mixed reads, each result checked
// against a model of the file position. No byte may be lost or invented.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "controls/text_stream.h"

namespace {

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

// The bytes as the reads give them: zero bytes as spaces.
std::string Spaced(std::string bytes)
{
    for (char& c : bytes)
        if (c == '\0')
            c = ' ';
    return bytes;
}

// The content as a file in memory (a real temporary file for no bytes, which
// a memory file cannot hold).
std::FILE* FileOf(std::string& content)
{
    if (!content.empty())
        return fmemopen(&content[0], content.size(), "r");
    return std::tmpfile();
}

// One line read at `position`: the line is the next bytes, less at most one
// line feed, or a carriage return that ends the file.
void CheckLine(const std::string& content, std::size_t& position, std::size_t taken, const std::string& line)
{
    Require(line.size() <= kTextLinePiece);
    Require(position + taken <= content.size());
    Require(taken >= line.size() && taken <= line.size() + 1);
    const std::string slice = Spaced(content.substr(position, taken));
    Require(slice.compare(0, line.size(), line) == 0);
    if (taken > line.size()) {
        const char removed = slice[line.size()];
        Require(removed == '\n' || (removed == '\r' && position + taken == content.size()));
    }
    if (taken == 0)
        Require(position == content.size());
    position += taken;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // The first eight bytes are the script, the rest is the file.
    const std::size_t scriptLength = size < 8 ? size : 8;
    std::string content(reinterpret_cast<const char*>(data + scriptLength), size - scriptLength);
    std::FILE* file = FileOf(content);
    if (file == nullptr)
        return 0;

    std::size_t position = 0;
    std::string line;
    while (std::size_t taken = ReadTextLine(file, line))
        CheckLine(content, position, taken, line);
    Require(position == content.size() && line.empty());

    std::rewind(file);
    position = 0;
    std::string text;
    for (std::size_t i = 0; i < scriptLength; ++i) {
        const unsigned op = data[i] & 3;
        const std::size_t count = (data[i] >> 2) * 37u;
        if (op == 0) {
            const std::size_t taken = ReadTextLine(file, line);
            CheckLine(content, position, taken, line);
        } else if (op == 1) {
            const std::size_t got = ReadTextBytes(file, count, text);
            const std::size_t left = content.size() - position;
            Require(got == (count < left ? count : left));
            if (got == 0)
                Require(text.empty());
            else
                Require(text == Spaced(content.substr(position, got)) + std::string(count - got, ' '));
            position += got;
        } else if (op == 2) {
            Require(TextStreamSize(file) == static_cast<long long>(content.size()));
            Require(std::ftell(file) == static_cast<long>(position));
        } else {
            ReadWholeText(file, text);
            Require(text == Spaced(content));
            position = content.size();
        }
    }
    std::fclose(file);
    return 0;
}
