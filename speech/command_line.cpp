#include "command_line.h"

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

// The program path ends at its closing quote when it starts with one, else
// at the first blank; no backslash escapes apply to it.
std::size_t SkipProgramPath(const std::string& line)
{
    std::size_t i = 0;
    if (i < line.size() && line[i] == '"') {
        ++i;
        while (i < line.size() && line[i] != '"') ++i;
        if (i < line.size()) ++i;
    } else {
        while (i < line.size() && !IsBlank(line[i])) ++i;
    }
    while (i < line.size() && IsBlank(line[i])) ++i;
    return i;
}

}  // namespace

std::string ArgumentFromCommandLine(const std::string& commandLine)
{
    std::string argument;
    bool quoted = false;
    std::size_t i = SkipProgramPath(commandLine);
    while (i < commandLine.size()) {
        char c = commandLine[i];
        if (c == '\\') {
            std::size_t slashes = 0;
            while (i < commandLine.size() && commandLine[i] == '\\') {
                ++slashes;
                ++i;
            }
            if (i < commandLine.size() && commandLine[i] == '"') {
                // 2n backslashes and a quote: n backslashes, the quote is a
                // delimiter; 2n + 1: n backslashes and a literal quote.
                argument.append(slashes / 2, '\\');
                if (slashes % 2 == 1) {
                    argument += '"';
                    ++i;
                }
            } else {
                argument.append(slashes, '\\');
            }
            continue;
        }
        if (c == '"') {
            if (quoted && i + 1 < commandLine.size() && commandLine[i + 1] == '"') {
                // Two quotes inside a quoted part stand for one.
                argument += '"';
                i += 2;
                continue;
            }
            quoted = !quoted;
            ++i;
            continue;
        }
        argument += c;
        ++i;
    }
    return argument;
}

std::string QuoteArgument(const std::string& argument)
{
    std::string quoted = "\"";
    std::size_t slashes = 0;
    for (char c : argument) {
        if (c == '\\') {
            ++slashes;
        } else if (c == '"') {
            quoted.append(slashes + 1, '\\');
            slashes = 0;
        } else {
            slashes = 0;
        }
        quoted += c;
    }
    // Backslashes right before the closing quote are doubled so that they
    // do not escape it.
    quoted.append(slashes, '\\');
    quoted += '"';
    return quoted;
}
