#include <gtest/gtest.h>

#include <string>

#include "scratch_folder.h"
#include "wicker.h"

namespace {

// Builds expected file bytes from 16-bit little-endian words and raw text.
class Bytes {
public:
    Bytes& Words(std::initializer_list<unsigned> words)
    {
        for (unsigned word : words) {
            bytes.push_back(static_cast<char>(word & 0xFF));
            bytes.push_back(static_cast<char>((word >> 8) & 0xFF));
        }
        return *this;
    }
    Bytes& Text(const std::string& text)
    {
        bytes += text;
        return *this;
    }
    std::string bytes;
};

const std::initializer_list<unsigned> kBeginOfFile = {0x0809, 8, 0, 0, 0, 0};
const std::initializer_list<unsigned> kEndOfFile = {0x000A, 0};

class SheetWriterTest : public ScratchFolderTest {
protected:
    std::string SaveAndRead(SheetWriter& sheet)
    {
        EXPECT_EQ(sheet.Save(PathOf("sheet.xls").c_str()), 1);
        return ReadBytes(PathOf("sheet.xls"));
    }
};

TEST_F(SheetWriterTest, EmptySheetIsBeginAndEndOfFile)
{
    SheetWriter sheet;
    EXPECT_EQ(SaveAndRead(sheet), Bytes().Words(kBeginOfFile).Words(kEndOfFile).bytes);
}

TEST_F(SheetWriterTest, OneLabelRecordPerCellInOrder)
{
    SheetWriter sheet;
    sheet.AddCell(1, 2, "ab");
    EXPECT_EQ(SaveAndRead(sheet),
              Bytes().Words(kBeginOfFile).Words({0x0204, 10, 2, 1, 0, 2}).Text("ab").Words(kEndOfFile).bytes);

    // Cells keep the order they were added in, rows and columns are full 16-bit
    // words, and texts are written in binary (a line feed stays one byte).
    sheet.AddCell(0x0301, 0x1234, "x\ny");
    sheet.AddCell(0, 0, "");
    EXPECT_EQ(SaveAndRead(sheet), Bytes()
                                      .Words(kBeginOfFile)
                                      .Words({0x0204, 10, 2, 1, 0, 2}).Text("ab")
                                      .Words({0x0204, 11, 0x1234, 0x0301, 0, 3}).Text("x\ny")
                                      .Words({0x0204, 8, 0, 0, 0, 0})
                                      .Words(kEndOfFile)
                                      .bytes);
}

TEST_F(SheetWriterTest, LongTextsAreCutTo128Bytes)
{
    std::string text;
    for (int i = 0; i < 200; ++i)
        text.push_back(static_cast<char>('a' + i % 26));
    SheetWriter sheet;
    sheet.AddCell(3, 4, text.c_str());
    sheet.AddCell(0, 1, std::string(128, 'z').c_str());
    EXPECT_EQ(SaveAndRead(sheet), Bytes()
                                      .Words(kBeginOfFile)
                                      .Words({0x0204, 136, 4, 3, 0, 128}).Text(text.substr(0, 128))
                                      .Words({0x0204, 136, 1, 0, 0, 128}).Text(std::string(128, 'z'))
                                      .Words(kEndOfFile)
                                      .bytes);
    EXPECT_EQ(sheet.cells[0].text, text.substr(0, 128).c_str());
}

TEST_F(SheetWriterTest, SaveReportsAFileThatCannotBeCreated)
{
    SheetWriter sheet;
    sheet.AddCell(0, 0, "a");
    EXPECT_EQ(sheet.Save(PathOf("no such folder/sheet.xls").c_str()), 0);
}

}  // namespace
