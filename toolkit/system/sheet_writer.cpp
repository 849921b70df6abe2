#include "sheet_writer.h"

#include <cstdio>
#include <vector>

namespace {

// Record numbers and fixed lengths of the worksheet format.
const unsigned short kBeginOfFileRecord = 0x0809;
const unsigned short kBeginOfFileLength = 8;
// The beginning-of-file record's body: four words, all 0.
const int kBeginOfFileWords = 4;
const unsigned short kLabelRecord = 0x0204;
// Row, column, format index and text length come before the text bytes.
const unsigned short kLabelHeaderLength = 8;
const unsigned short kEndOfFileRecord = 0x000A;
const unsigned short kDefaultFormat = 0;

// Appends a 16-bit word, low byte first.
void PutWord(std::vector<unsigned char>& out, unsigned short word)
{
    out.push_back(static_cast<unsigned char>(word & 0xFF));
    out.push_back(static_cast<unsigned char>(word >> 8));
}

}  // namespace

void SheetWriter::AddCell(unsigned short column, unsigned short row, const String& text)
{
    cells.push_back(SheetCell{column, row, text});
}

int SheetWriter::Save(const String& path)
{
    FILE* file = std::fopen(path.CStr(), "wb");
    if (file == NULL)
        return 0;

    std::vector<unsigned char> out;
    PutWord(out, kBeginOfFileRecord);
    PutWord(out, kBeginOfFileLength);
    for (int word = 0; word < kBeginOfFileWords; ++word)
        PutWord(out, 0);

    for (SheetCell& cell : cells) {
        if (cell.text.size() > static_cast<size_t>(kMaxCellText))
            cell.text.erase(kMaxCellText);
        unsigned short textLength = static_cast<unsigned short>(cell.text.size());
        PutWord(out, kLabelRecord);
        PutWord(out, static_cast<unsigned short>(textLength + kLabelHeaderLength));
        PutWord(out, cell.row);
        PutWord(out, cell.column);
        PutWord(out, kDefaultFormat);
        PutWord(out, textLength);
        out.insert(out.end(), cell.text.begin(), cell.text.end());
    }

    PutWord(out, kEndOfFileRecord);
    PutWord(out, 0);

    size_t written = std::fwrite(out.data(), 1, out.size(), file);
    bool closed = std::fclose(file) == 0;
    return closed && written == out.size() ? 1 : 0;
}
