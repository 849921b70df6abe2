#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "scratch_folder.h"
#include "small_disk.h"
#include "wicker.h"

namespace {

class TextFileTest : public ScratchFolderTest {
protected:
    // A file holding exactly the bytes, opened by a TextFile.
    void OpenWith(TextFile& text, const std::string& bytes)
    {
        WriteBytes(PathOf("file.txt"), bytes);
        ASSERT_TRUE(text.Open(PathOf("file.txt").c_str()));
    }
};

std::vector<std::string> Items(const StringList& list)
{
    return std::vector<std::string>(list.items.begin(), list.items.end());
}

TEST_F(TextFileTest, LinesWithEitherBreakAndWithoutAFinalOne)
{
    const std::string x1023(1023, 'x'), long1500(1500, 'L');
    const struct { std::string bytes; std::vector<std::string> lines; } cases[] = {
        {"one\ntwo\n", {"one", "two", ""}},
        {"one\r\ntwo\r\n", {"one", "two", ""}},
        {"one\ntwo", {"one", "two"}},
        {"one\r\ntwo", {"one", "two"}},
        {"", {""}},
        {long1500 + "\r\nend", {long1500.substr(0, 1023), long1500.substr(1023), "end"}},
        {x1023 + "\r\nend", {x1023, "end"}},
        {std::string("a\0b\r\n", 5), {"a b", ""}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes.substr(0, 30));
        TextFile text;
        OpenWith(text, c.bytes);
        EXPECT_FALSE(text.AtEnd);
        EXPECT_EQ(Items(text.ReadLines(0)), c.lines);
        EXPECT_TRUE(text.AtEnd);
    }
}

TEST_F(TextFileTest, LineByLineCountedLinesAndTheEnd)
{
    TextFile text;
    OpenWith(text, "abc\r\none\r\ntwo\r\nthree");
    EXPECT_EQ(text.ReadLine(), "abc");
    EXPECT_EQ(Items(text.ReadLines(1)), std::vector<std::string>{"one"});
    EXPECT_EQ(text.ReadLine(), "two");
    EXPECT_EQ(Items(text.ReadLines(5)), std::vector<std::string>{"three"});
    EXPECT_TRUE(text.AtEnd);
    EXPECT_EQ(text.ReadLine(), "");

    EXPECT_EQ(text.Rewind(), 0);
    EXPECT_FALSE(text.AtEnd);
    EXPECT_EQ(text.ReadLine(), "abc");
}

TEST_F(TextFileTest, BytesWholeFileAndSize)
{
    TextFile text;
    OpenWith(text, std::string("one\r\ntwo\r\nsix\0x\r\n", 17));
    EXPECT_EQ(text.Size(), 17);
    EXPECT_EQ(text.ReadBytes(5), "one\nt");
    EXPECT_EQ(text.Size(), 17);
    EXPECT_EQ(text.ReadLine(), "wo") << "Size moved the position";
    // Six bytes remain (CR LF reads as one): they and four spaces.
    EXPECT_EQ(text.ReadBytes(10), "six x\n    ");
    EXPECT_EQ(text.ReadBytes(10), "");
    // Whole: line feeds for the pairs, the zero byte a space, and one space of
    // padding per pair, up to the length on disk.
    EXPECT_EQ(text.ReadAll(), "one\ntwo\nsix x\n   ");
    EXPECT_EQ(text.ReadAll().size(), 17u);

    OpenWith(text, "");
    EXPECT_EQ(text.ReadAll(), "");
    EXPECT_EQ(text.Size(), 0);
}

// A text-mode stream counts each line feed still to come as two bytes when
// it tells its position: over bare line feeds a size taken by seeking to the
// end and back would move the position and come out short.
TEST_F(TextFileTest, SizeOfBareLineFeedsLeavesThePositionAndCountsEveryByte)
{
    TextFile text;
    OpenWith(text, "one\ntwo\nthree\n");
    EXPECT_EQ(text.ReadLine(), "one");
    EXPECT_EQ(text.Size(), 14);
    EXPECT_EQ(Items(text.ReadLines(0)), (std::vector<std::string>{"two", "three", ""}));

    OpenWith(text, "\n\n\n\n\n");
    EXPECT_EQ(text.Size(), 5);
    EXPECT_EQ(text.ReadLine(), "");
    EXPECT_EQ(text.Size(), 5);
    EXPECT_EQ(Items(text.ReadLines(0)).size(), 5u);
}

// Bytes written count in the size, and the next write goes on after them.
TEST_F(TextFileTest, SizeCountsWhatWasWrittenAndWritingGoesOn)
{
    TextFile text;
    OpenWith(text, "");
    EXPECT_TRUE(text.Write("abc"));
    EXPECT_EQ(text.Size(), 3);
    EXPECT_TRUE(text.Write("de"));
    EXPECT_EQ(text.Size(), 5);
    EXPECT_EQ(text.Rewind(), 0);
    EXPECT_EQ(text.ReadLine(), "abcde");
}

TEST_F(TextFileTest, FormattedReads)
{
    TextFile text;
    OpenWith(text, "  42 x-7");
    EXPECT_EQ(text.ReadInt(), 42);
    EXPECT_EQ(text.ReadChar(), ' ');
    EXPECT_EQ(text.ReadChar(), 'x');
    EXPECT_EQ(text.ReadInt(), -7);
    EXPECT_EQ(text.ReadChar(), 0);
    EXPECT_EQ(text.ReadInt(), 0);
}

TEST_F(TextFileTest, OpenCreateAndWrite)
{
    const String path = PathOf("new.txt").c_str();
    TextFile text(path);
    EXPECT_FALSE(text.IsOpen) << "mode r+ does not create";
    EXPECT_EQ(text.path, path);
    EXPECT_TRUE(text.Create());
    EXPECT_TRUE(text.IsOpen);
    EXPECT_EQ(ReadBytes(path), "");
    // Every byte is written, zero bytes too; line feeds become CR LF.
    EXPECT_TRUE(text.WriteAll(String(std::string("a\nb\0c", 5))));
    EXPECT_TRUE(text.Write("\nd"));
    // A file opened for writing only has no line to give (and the loop ends).
    EXPECT_EQ(Items(text.ReadLines(0)), std::vector<std::string>{""});
    text.Close();
    EXPECT_FALSE(text.IsOpen);
    EXPECT_EQ(ReadBytes(path), std::string("a\r\nb\0c\r\nd", 9));

    // Reads and writes of one open file take turns at the current position.
    ASSERT_TRUE(text.Open(path));
    EXPECT_EQ(text.ReadLine(), "a");
    EXPECT_TRUE(text.Write("B"));
    EXPECT_EQ(text.ReadLine(), " c");
    EXPECT_EQ(text.ReadLine(), "d");
    text.Close();
    EXPECT_EQ(ReadBytes(path), std::string("a\r\nB\0c\r\nd", 9));
}

// Another program holding the file open for reading, sharing no writes, is
// one way a user may read a file and not write it (the read-only attribute
// is another, but the tests run as root, who may write anyway).
TEST_F(TextFileTest, FileThatTakesNoWritesIsReadAndRefusesWrites)
{
    const std::string path = PathOf("locked.txt");
    WriteBytes(path, "one\r\ntwo\r\n");
    HANDLE reader = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, NULL);
    ASSERT_NE(reader, INVALID_HANDLE_VALUE);
    TextFile text;
    EXPECT_TRUE(text.Open(path.c_str()));
    EXPECT_EQ(text.ReadLine(), "one");
    EXPECT_FALSE(text.Write("X"));
    EXPECT_EQ(text.ReadLine(), "two");
    EXPECT_TRUE(text.Close());
    CloseHandle(reader);
    EXPECT_EQ(ReadBytes(path), "one\r\ntwo\r\n");
    // Writable again: the next Open reads and writes.
    ASSERT_TRUE(text.Open(path.c_str()));
    EXPECT_TRUE(text.Write("O"));
    EXPECT_TRUE(text.Close());
    EXPECT_EQ(ReadBytes(path), "One\r\ntwo\r\n");
}

class TextFileFullDiskTest : public SmallDiskTest {};

TEST_F(TextFileFullDiskTest, WritesThatDoNotReachTheDiskSayFalse)
{
    Fill();
    TextFile text(PathOf("out.txt").c_str());
    EXPECT_FALSE(text.WriteAll(String(std::string(20000, 'w'))));
    EXPECT_FALSE(text.Write("more"));
    text.Close();
    Unfill();
    EXPECT_TRUE(text.WriteAll("fits"));
    EXPECT_TRUE(text.Close());
    EXPECT_EQ(ReadBytes(PathOf("out.txt")), "fits");
}

TEST_F(TextFileTest, ClosedWrapperGivesNothing)
{
    TextFile text;
    EXPECT_EQ(text.path, "");
    EXPECT_FALSE(text.IsOpen);
    EXPECT_FALSE(text.AtEnd);
    EXPECT_FALSE(text.Write("x"));
    EXPECT_EQ(text.ReadLine(), "");
    EXPECT_EQ(text.ReadLines(0).Count(), 0);
    EXPECT_EQ(text.ReadBytes(4), "");
    EXPECT_EQ(text.ReadAll(), "");
    EXPECT_EQ(text.ReadChar(), 0);
    EXPECT_EQ(text.ReadInt(), 0);
    EXPECT_EQ(text.Size(), 0);
    EXPECT_EQ(text.Rewind(), 0);
    EXPECT_FALSE(text.Create()) << "an empty path cannot be created";
    EXPECT_FALSE(text.WriteAll("x"));
}

TEST_F(TextFileTest, MovingHandsTheOpenFileOver)
{
    TextFile first;
    OpenWith(first, "one\ntwo\nthree\n");
    EXPECT_EQ(first.ReadLine(), "one");

    TextFile second(std::move(first));
    EXPECT_FALSE(first.IsOpen);
    EXPECT_EQ(second.IsOpen.m_cObject, &second);
    EXPECT_EQ(second.ReadLine(), "two");

    TextFile third;
    third = std::move(second);
    EXPECT_FALSE(second.IsOpen);
    {
        TextFile gone(std::move(first));  // closed: destroying it closes nothing
    }
    EXPECT_EQ(third.ReadLine(), "three");
    EXPECT_EQ(third.path, PathOf("file.txt"));
    TextFile& same = third;
    third = std::move(same);
    EXPECT_TRUE(third.IsOpen);
}

}  // namespace
