// The byte-level reads under TextFile, over files opened in binary mode so
// that the same bytes arrive natively and on Windows; standard library only.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "controls/text_stream.h"
#include "scratch_folder.h"

namespace {

class TextStreamTest : public ScratchFolderTest {
protected:
    void TearDown() override
    {
        if (file != nullptr)
            std::fclose(file);
        ScratchFolderTest::TearDown();
    }

    std::FILE* OpenWith(const std::string& bytes)
    {
        if (file != nullptr)
            std::fclose(file);
        WriteBytes(PathOf("text"), bytes);
        file = std::fopen(PathOf("text").c_str(), "rb+");
        EXPECT_NE(file, nullptr);
        return file;
    }

    // Every line read until nothing more comes, each with the bytes it took.
    std::vector<std::string> AllLines(const std::string& bytes, std::size_t* takenTotal)
    {
        OpenWith(bytes);
        std::vector<std::string> lines;
        std::string line;
        *takenTotal = 0;
        while (std::size_t taken = ReadTextLine(file, line)) {
            *takenTotal += taken;
            lines.push_back(line);
            if (lines.size() > bytes.size())
                break;
        }
        EXPECT_EQ(line, "") << "the last read, which found nothing, gives an empty line";
        EXPECT_NE(std::feof(file), 0);
        return lines;
    }

    std::FILE* file = nullptr;
};

TEST_F(TextStreamTest, LinesLoseTheirLineFeedAndNoOtherByte)
{
    const std::string x1022(1022, 'x'), x1023(1023, 'x'), y477(477, 'y');
    const struct { std::string bytes; std::vector<std::string> lines; } cases[] = {
        {"one\ntwo\n", {"one", "two"}},
        {"one\ntwo", {"one", "two"}},
        {"\n\nthree", {"", "", "three"}},
        {"bare cr at the end\r", {"bare cr at the end"}},
        {"crlf\r\n", {"crlf\r"}},  // binary mode: only the line feed goes
        {std::string("zero\0byte\n", 10), {"zero byte"}},
        // Long lines come back in 1023-byte pieces.
        {x1023 + y477 + "\nnext\n", {x1023, y477, "next"}},
        // A line of exactly 1023 bytes is one line, not one and an empty one.
        {x1023 + "\nnext", {x1023, "next"}},
        {x1023, {x1023}},
        {x1023 + x1023 + "\n", {x1023, x1023}},
        // A carriage return as a piece's last byte is a byte of the line...
        {x1022 + "\r" + "rest\n", {x1022 + "\r", "rest"}},
        // ...and a line's end where the file ends after it.
        {x1022 + "\r", {x1022}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes.substr(0, 40));
        std::size_t taken = 0;
        EXPECT_EQ(AllLines(c.bytes, &taken), c.lines);
        EXPECT_EQ(taken, c.bytes.size()) << "every byte of the file was taken";
    }
}

TEST_F(TextStreamTest, ByteReadsArePaddedWithSpaces)
{
    OpenWith(std::string("0123456\0" "89", 10));
    std::string bytes;
    EXPECT_EQ(ReadTextBytes(file, 6, bytes), 6u);
    EXPECT_EQ(bytes, "012345");
    // Four bytes left, one of them zero: ten bytes come back.
    EXPECT_EQ(ReadTextBytes(file, 10, bytes), 4u);
    EXPECT_EQ(bytes, "6 89      ");
    EXPECT_EQ(ReadTextBytes(file, 10, bytes), 0u);
    EXPECT_EQ(bytes, "");
    EXPECT_EQ(ReadTextBytes(file, 0, bytes), 0u);
}

TEST_F(TextStreamTest, SizeKeepsThePositionAndWholeReadsRewind)
{
    OpenWith(std::string("ab\0d\nef", 7));
    std::string line;
    ReadTextLine(file, line);
    EXPECT_EQ(TextStreamSize(file), 7);
    ReadTextLine(file, line);
    EXPECT_EQ(line, "ef") << "Size moved the position";

    std::string text;
    ReadWholeText(file, text);
    EXPECT_EQ(text, "ab d\nef");

    OpenWith("");
    text = "stale";
    ReadWholeText(file, text);
    EXPECT_EQ(text, "");
    EXPECT_EQ(TextStreamSize(file), 0);
}

TEST_F(TextStreamTest, WritesKeepEveryByte)
{
    OpenWith("");
    const std::string bytes("a\0b\nc", 5);
    EXPECT_TRUE(WriteTextBytes(file, bytes.data(), bytes.size()));
    EXPECT_TRUE(WriteTextBytes(file, "", 0));
    std::fclose(file);
    file = nullptr;
    EXPECT_EQ(ReadBytes(PathOf("text")), bytes);
}

}  // namespace
