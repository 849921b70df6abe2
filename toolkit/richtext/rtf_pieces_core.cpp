// An RTF reader keeps its character and paragraph settings in the group it
// is in. A cut at the outer level of the document therefore needs only what
// the outer level has set so far: the header (the opening up to the first
// text) and the settings words seen since. Each setting word assigns one
// setting or resets a family of them (\plain, \pard), so the last occurrence
// of each word, replayed in the order of those last occurrences, leaves every
// setting as the whole sequence left it.
//
// A piece is cut only before a "\par" that directly follows text of the
// outer level: a reader that takes a piece as a whole document drops a
// paragraph break that ends it, so no piece but the last may end in one.
#include "rtf_pieces_core.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace rtfcore {

namespace {

bool IsLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool IsOneOf(const std::string& name, const char* const* names, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i)
        if (name == names[i])
            return true;
    return false;
}

// Character and paragraph settings: replayed at the start of every piece.
const char* const kSettingWords[] = {
    "plain", "b",      "i",      "ul",        "uld", "uldb",  "ulw", "ulnone", "strike", "cf",
    "cb",    "highlight", "f",   "fs",        "up",  "dn",    "sub", "super",  "nosupersub",
    "v",     "caps",   "scaps",  "lang",      "pard", "ql",   "qr",  "qc",     "qj",     "li",
    "ri",    "fi",     "sb",     "sa",        "sl",  "slmult", "uc", "outl",   "shad",   "expnd",
    "expndtw", "kerning", "charscalex",
};

// Document settings that may stand in the header besides the settings words.
const char* const kHeaderWords[] = {
    "rtf",     "ansi",  "mac",   "pc",    "pca",   "ansicpg", "deff",  "deflang", "deflangfe",
    "adeflang", "viewkind", "deftab", "paperw", "paperh", "margl", "margr", "margt", "margb",
    "nouicompat",
};

// Groups of the header: tables and ignorable destinations, which show nothing.
const char* const kHeaderGroups[] = {
    "fonttbl", "colortbl", "stylesheet", "info", "listtable", "listoverridetable", "generator",
};

bool IsSettingWord(const std::string& name)
{
    return IsOneOf(name, kSettingWords, sizeof kSettingWords / sizeof kSettingWords[0]);
}

// The group opening at `at` ('{') is one of the header's.
bool IsHeaderGroup(const std::string& document, std::size_t at)
{
    std::size_t i = at + 1;
    if (i >= document.size() || document[i] != '\\')
        return false;
    ++i;
    if (i < document.size() && document[i] == '*')
        return true;
    std::size_t start = i;
    while (i < document.size() && IsLetter(document[i]))
        ++i;
    std::string name = document.substr(start, i - start);
    return IsOneOf(name, kHeaderGroups, sizeof kHeaderGroups / sizeof kHeaderGroups[0]);
}

std::vector<DocumentPiece> Whole(const std::string& document)
{
    return std::vector<DocumentPiece>(1, DocumentPiece{std::string(), 0, document.size(), std::string()});
}

}  // namespace

std::vector<DocumentPiece> CutDocument(const std::string& document, std::size_t pieceSize)
{
    static const char kSignature[] = "{\\rtf";
    std::size_t size = document.size();
    if (pieceSize == 0 || size <= pieceSize || document.compare(0, sizeof kSignature - 1, kSignature) != 0)
        return Whole(document);

    std::vector<DocumentPiece> pieces;
    std::vector<std::pair<std::string, std::string>> settings;  // name, word; by last occurrence
    std::size_t headerEnd = 0;
    bool inHeader = true;
    bool afterText = false;  // the last thing read was text of the outer level
    std::size_t pieceStart = 0;
    std::string lead;  // of the piece that starts at pieceStart
    int depth = 0;
    std::size_t i = 0;
    auto endHeader = [&](std::size_t at) {
        if (inHeader) {
            inHeader = false;
            headerEnd = at;
        }
    };
    while (i < size) {
        char c = document[i];
        if (c == '{') {
            if (depth == 1)
                if (!IsHeaderGroup(document, i))
                    endHeader(i);
            ++depth;
            ++i;
            afterText = false;
        } else if (c == '}') {
            --depth;
            ++i;
            afterText = false;
            if (depth <= 0)
                break;
        } else if (c == '\\') {
            std::size_t start = i++;
            if (i >= size)
                return Whole(document);
            if (!IsLetter(document[i])) {
                // A control symbol: an escaped character, a hexadecimal byte
                // (\'hh) or a special character; all of them show something
                // but the ignorable-destination mark.
                char symbol = document[i++];
                if (symbol == '\'')
                    i = std::min(size, i + 2);
                if (depth == 1 && symbol != '*')
                    endHeader(start);
                afterText = false;
                continue;
            }
            std::size_t nameStart = i;
            while (i < size && IsLetter(document[i]))
                ++i;
            std::string name = document.substr(nameStart, i - nameStart);
            if (i < size && document[i] == '-')
                ++i;
            while (i < size && IsDigit(document[i]))
                ++i;
            std::size_t wordEnd = i;
            if (i < size && document[i] == ' ')
                ++i;
            if (name == "bin")
                return Whole(document);
            if (depth == 1) {
                if (name == "par") {
                    endHeader(start);
                    if (afterText && start - pieceStart >= pieceSize) {
                        pieces.push_back(DocumentPiece{lead, pieceStart, start, "}"});
                        pieceStart = start;
                        lead = document.substr(0, headerEnd);
                        for (const auto& setting : settings)
                            lead += setting.second;
                    }
                } else if (IsSettingWord(name)) {
                    if (!inHeader) {
                        auto same = std::find_if(settings.begin(), settings.end(),
                                                 [&](const std::pair<std::string, std::string>& s) {
                                                     return s.first == name;
                                                 });
                        if (same != settings.end())
                            settings.erase(same);
                        settings.emplace_back(name, document.substr(start, wordEnd - start) + " ");
                    }
                } else if (!IsOneOf(name, kHeaderWords, sizeof kHeaderWords / sizeof kHeaderWords[0])) {
                    endHeader(start);
                }
            }
            afterText = false;
        } else if (c == '\r' || c == '\n') {
            // Line breaks in the RTF source are not part of the text.
            ++i;
        } else {
            if (depth == 1)
                endHeader(i);
            afterText = depth == 1;
            ++i;
        }
    }
    if (depth != 0 || pieces.empty())
        return Whole(document);
    pieces.push_back(DocumentPiece{lead, pieceStart, size, std::string()});
    return pieces;
}

}  // namespace rtfcore

namespace rtfcore {

std::vector<DocumentPiece> CutPlainText(const std::string& text, std::size_t pieceSize)
{
    std::vector<DocumentPiece> pieces;
    std::size_t size = text.size(), pieceStart = 0;
    while (pieceSize > 0 && size - pieceStart > pieceSize) {
        std::size_t lineFeed = text.find('\n', pieceStart + pieceSize - 1);
        if (lineFeed == std::string::npos || lineFeed + 1 >= size)
            break;
        pieces.push_back(DocumentPiece{std::string(), pieceStart, lineFeed + 1, std::string()});
        pieceStart = lineFeed + 1;
    }
    pieces.push_back(DocumentPiece{std::string(), pieceStart, size, std::string()});
    return pieces;
}

}  // namespace rtfcore
