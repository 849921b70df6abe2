#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "scratch_folder.h"
#include "wicker.h"

namespace {

// The buffer's bytes as a standard string, read through ByteAt.
std::string BytesOf(const ByteBuffer& buffer)
{
    std::string bytes;
    int length = buffer.Length;
    for (int i = 0; i < length; ++i)
        bytes.push_back(static_cast<char>(buffer.ByteAt(i)));
    return bytes;
}

ByteBuffer FromText(const std::string& text)
{
    return ByteBuffer(text.data(), static_cast<int>(text.size()));
}

TEST(ByteBufferTest, ConstructionFormsAndDeepCopies)
{
    ByteBuffer empty;
    EXPECT_EQ(static_cast<int>(empty.Length), 0);
    EXPECT_EQ(static_cast<BYTE*>(empty.Buffer), nullptr);

    EXPECT_EQ(static_cast<int>(ByteBuffer("abc", 0).Length), 0);
    EXPECT_EQ(static_cast<int>(ByteBuffer(nullptr, 4).Length), 0);
    EXPECT_EQ(static_cast<int>(ByteBuffer(-3).Length), 0);

    ByteBuffer zeros(6);
    EXPECT_EQ(BytesOf(zeros), std::string(6, '\0'));

    ByteBuffer source = FromText("hello");
    ByteBuffer copy(source);
    ByteBuffer assigned;
    assigned = source;
    source.Push('!');
    source.Buffer.Read()[0] = 'J';
    EXPECT_EQ(BytesOf(source), "Jello!");
    EXPECT_EQ(BytesOf(copy), "hello");
    EXPECT_EQ(BytesOf(assigned), "hello");
    EXPECT_NE(static_cast<BYTE*>(copy.Buffer), static_cast<BYTE*>(source.Buffer));
    // Each copy reports its own attributes, not the source's.
    EXPECT_EQ(copy.Length.m_cObject, &copy);

    assigned = assigned;
    EXPECT_EQ(BytesOf(assigned), "hello");
}

TEST(ByteBufferTest, AppendAndPushKeepOldBytesFirst)
{
    ByteBuffer buffer = FromText("12345");
    EXPECT_EQ(buffer.Append("abc", 3), 8);
    EXPECT_EQ(BytesOf(buffer), "12345abc");

    EXPECT_EQ(buffer.Append("xyz", 0), 8);
    EXPECT_EQ(buffer.Append(nullptr, 3), 8);
    EXPECT_EQ(buffer.Append("xyz", -1), 8);

    // The buffer's own bytes appended to it: first into room to spare, then
    // into a full block, which moves (and frees the old one) on the way.
    EXPECT_EQ(buffer.Append(buffer.Buffer, 8), 16);
    EXPECT_EQ(BytesOf(buffer), "12345abc12345abc");
    const BYTE* full = buffer.Buffer;
    EXPECT_EQ(buffer.Append(buffer.Buffer + 3, 13), 29);
    EXPECT_NE(static_cast<const BYTE*>(buffer.Buffer), full) << "the block did not move";
    EXPECT_EQ(BytesOf(buffer), "12345abc12345abc45abc12345abc");

    ByteBuffer pushed;
    std::string expected;
    for (int i = 0; i < 5000; ++i) {
        pushed.Push(static_cast<BYTE>(i * 7));
        expected.push_back(static_cast<char>(i * 7));
    }
    EXPECT_EQ(BytesOf(pushed), expected);

    pushed.Clear();
    EXPECT_EQ(static_cast<int>(pushed.Length), 0);
    EXPECT_EQ(static_cast<BYTE*>(pushed.Buffer), nullptr);
}

TEST(ByteBufferTest, ByteAtAnswers255OutsideTheBuffer)
{
    ByteBuffer buffer = FromText(std::string("\x00\x7f\x80\xff", 4));
    EXPECT_EQ(buffer.ByteAt(0), 0);
    EXPECT_EQ(buffer.ByteAt(1), 127);
    EXPECT_EQ(buffer.ByteAt(2), 128);
    EXPECT_EQ(buffer.ByteAt(-1), 255);
    EXPECT_EQ(buffer.ByteAt(4), 255);
    EXPECT_EQ(buffer.ByteAt(INT_MIN), 255);
    EXPECT_EQ(ByteBuffer().ByteAt(0), 255);
}

TEST(ByteBufferTest, SliceTakesOnlyRangesInsideTheBuffer)
{
    ByteBuffer buffer = FromText("abcdefgh");
    EXPECT_EQ(BytesOf(buffer.Slice(0, 8)), "abcdefgh");
    EXPECT_EQ(BytesOf(buffer.Slice(2, 3)), "cde");
    EXPECT_EQ(BytesOf(buffer.Slice(7, 1)), "h");

    struct Range { int start; int count; };
    const Range empties[] = {{2, 0}, {-1, 2}, {0, -1}, {7, 2}, {8, 1}, {1, INT_MAX}, {INT_MAX, 1}};
    for (const Range& r : empties) {
        SCOPED_TRACE(testing::Message() << r.start << ", " << r.count);
        ByteBuffer slice = buffer.Slice(r.start, r.count);
        EXPECT_EQ(static_cast<int>(slice.Length), 0);
        EXPECT_EQ(static_cast<BYTE*>(slice.Buffer), nullptr);
    }
}

TEST(ByteBufferTest, CopyToAndAsString)
{
    ByteBuffer buffer = FromText(std::string("ab\0cd", 5));
    char target[8] = "-------";
    buffer.CopyTo(target);
    EXPECT_EQ(std::string(target, 7), std::string("ab\0cd--", 7));

    char untouched[4] = "xyz";
    ByteBuffer().CopyTo(untouched);
    EXPECT_STREQ(untouched, "xyz");

    EXPECT_EQ(buffer.AsString(), "ab");
    EXPECT_EQ(ByteBuffer().AsString(), "");
    // Without a zero byte the text ends with the buffer, not past it.
    ByteBuffer unterminated = FromText("xyz");
    EXPECT_EQ(unterminated.AsString(), "xyz");
    EXPECT_EQ(unterminated.AsString().size(), 3u);
}

class ByteBufferFileTest : public ScratchFolderTest {};

TEST_F(ByteBufferFileTest, LoadFileFromAnOffset)
{
    std::string thirty;
    for (int i = 0; i < 30; ++i)
        thirty.push_back(static_cast<char>('A' + i % 26));
    thirty[12] = '\r';
    thirty[13] = '\n';
    thirty[20] = '\0';
    WriteBytes(PathOf("thirty.bin"), thirty);

    ByteBuffer buffer;
    EXPECT_EQ(buffer.LoadFile(PathOf("thirty.bin").c_str(), 0), 1);
    EXPECT_EQ(BytesOf(buffer), thirty);
    EXPECT_EQ(buffer.LoadFile(PathOf("thirty.bin").c_str(), 10), 1);
    EXPECT_EQ(BytesOf(buffer), thirty.substr(10));
    EXPECT_EQ(buffer.LoadFile(PathOf("thirty.bin").c_str(), 29), 1);
    EXPECT_EQ(BytesOf(buffer), thirty.substr(29));
}

TEST_F(ByteBufferFileTest, LoadFileFailures)
{
    ByteBuffer buffer = FromText("kept");
    EXPECT_EQ(buffer.LoadFile(PathOf("missing.bin").c_str(), 0), 0);
    EXPECT_EQ(BytesOf(buffer), "kept");

    WriteBytes(PathOf("empty.bin"), "");
    EXPECT_EQ(buffer.LoadFile(PathOf("empty.bin").c_str(), 0), 0);
    EXPECT_EQ(static_cast<int>(buffer.Length), 0);

    WriteBytes(PathOf("five.bin"), "12345");
    for (int offset : {5, 6, -1}) {
        SCOPED_TRACE(offset);
        buffer = FromText("kept");
        EXPECT_EQ(buffer.LoadFile(PathOf("five.bin").c_str(), offset), 0);
        EXPECT_EQ(static_cast<int>(buffer.Length), 0);
        EXPECT_EQ(static_cast<BYTE*>(buffer.Buffer), nullptr);
    }
}

TEST_F(ByteBufferFileTest, SaveFileWritesTextMode)
{
    ByteBuffer buffer = FromText("one\ntwo\n");
    EXPECT_EQ(buffer.SaveFile(PathOf("out.txt").c_str()), 1);
    EXPECT_EQ(ReadBytes(PathOf("out.txt")), "one\r\ntwo\r\n");

    EXPECT_EQ(ByteBuffer().SaveFile(PathOf("empty.txt").c_str()), 1);
    EXPECT_EQ(ReadBytes(PathOf("empty.txt")), "");

    EXPECT_EQ(buffer.SaveFile(PathOf("no such folder/out.txt").c_str()), 0);
}

}  // namespace
