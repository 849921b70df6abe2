// The tips file's bytes: what is written, and what is read back from sound,
// short, damaged and huge files.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "richtext/tips_file.h"

namespace {

std::string Int32Bytes(std::int32_t value)
{
    std::string bytes(4, '\0');
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<char>((static_cast<std::uint32_t>(value) >> (8 * i)) & 0xff);
    return bytes;
}

std::string FileOf(const std::vector<TipRecord>& tips, std::int32_t current)
{
    std::string bytes = TipsFileHeader(current);
    for (const TipRecord& tip : tips)
        bytes += TipsFileRecord(tip.title, tip.text);
    return bytes;
}

void ExpectTips(const TipsFileContent& content, const std::vector<TipRecord>& expected)
{
    ASSERT_EQ(content.tips.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(content.tips[i].title, expected[i].title) << "tip " << i;
        EXPECT_EQ(content.tips[i].text, expected[i].text) << "tip " << i;
    }
}

TEST(TipsFileTest, HeaderAndRecordBytes)
{
    EXPECT_EQ(TipsFileHeader(3), std::string("WKT\0", 4) + Int32Bytes(1) + Int32Bytes(2) + Int32Bytes(3));
    EXPECT_EQ(TipsFileHeader(-2).substr(12), Int32Bytes(-2));

    std::string record = TipsFileRecord("Title", "Text");
    ASSERT_EQ(record.size(), 2000u);
    EXPECT_EQ(record.substr(0, 6), std::string("Title\0", 6));
    EXPECT_EQ(record.substr(1000, 5), std::string("Text\0", 5));
    EXPECT_EQ(record.find_first_not_of('\0', 5), 1000u);
    EXPECT_EQ(record.find_first_not_of('\0', 1004), std::string::npos);
}

// A title or text longer than its field is cut to 999 bytes, so the field
// still ends in a zero byte and the next field keeps its place.
TEST(TipsFileTest, LongFieldsAreCutWithinTheirThousandBytes)
{
    std::string longTitle(1500, 'T'), longText(5000, 'x');
    std::string record = TipsFileRecord(longTitle, longText);
    ASSERT_EQ(record.size(), 2000u);
    EXPECT_EQ(record.substr(0, 999), std::string(999, 'T'));
    EXPECT_EQ(record[999], '\0');
    EXPECT_EQ(record.substr(1000, 999), std::string(999, 'x'));
    EXPECT_EQ(record[1999], '\0');
    EXPECT_EQ(TipFieldText(std::string(999, 'a')), std::string(999, 'a'));
    EXPECT_EQ(TipFieldText(std::string("cut\0here", 8)), "cut");
}

// The cut at 999 bytes leaves out a UTF-8 character it would split, and
// keeps bytes that form no such character.
TEST(TipsFileTest, TheCutKeepsUtf8CharactersWhole)
{
    struct Case {
        std::string before;  // the bytes before the last character
        std::string last;    // the character at the cut, then padding
        std::size_t kept;
    } cases[] = {
        {std::string(998, 'a'), "\xC3\xA9", 998},                 // 2 bytes across the cut
        {std::string(997, 'a'), "\xE6\xBC\xA2", 997},             // 3 bytes, cut after 2
        {std::string(998, 'a'), "\xE6\xBC\xA2", 998},             // 3 bytes, cut after 1
        {std::string(996, 'a'), "\xF0\x9F\x98\x80", 996},         // 4 bytes, cut after 3
        {std::string(997, 'a'), "\xC3\xA9", 999},                 // ends at the cut: whole
        {std::string(998, 'a'), "\xE9\x41", 999},                 // Latin-1 bytes, no sequence
        {std::string(996, 'a'), "\xA9\xA9\xA9\xA9\xA9", 999},      // no lead byte in reach
    };
    for (const Case& c : cases) {
        std::string text = c.before + c.last + std::string(10, 'z');
        EXPECT_EQ(TipFieldText(text), text.substr(0, c.kept)) << c.before.size() << " + " << c.last.size();
    }
}

TEST(TipsFileTest, WrittenTipsReadBackTheSame)
{
    std::vector<TipRecord> tips = {
        {"First", "Press <b>Next</b> for more.\r\nSecond line"},
        {"{Braces} and \\ backslash", "C:\\tips\\file {x}"},
        {"", ""},
        {std::string(999, 'A'), std::string(999, 'b')},
    };
    TipsFileContent content = ReadTipsBytes(FileOf(tips, 4));
    EXPECT_EQ(content.outcome, kTipsFileRead);
    EXPECT_EQ(content.storedCurrent, 4);
    ExpectTips(content, tips);
}

struct ShapeCase {
    const char* name;
    std::size_t size;
    TipsReadOutcome outcome;
    std::size_t tips;
};

// Files made of whole records of "t" titles and "x" texts, cut to a size.
const ShapeCase kShapes[] = {
    {"empty", 0, kTipsFileTooShort, 0},
    {"15 bytes", 15, kTipsFileTooShort, 0},
    {"header only", 16, kTipsFileEmpty, 0},
    {"header and half a record", 1016, kTipsFileEmpty, 0},
    {"one record", 2016, kTipsFileRead, 1},
    {"three records and 500 bytes", 16 + 3 * 2000 + 500, kTipsFileRead, 3},
    {"cut inside a text field", 16 + 2 * 2000 + 1200, kTipsFileRead, 2},
};

TEST(TipsFileTest, OnlyWholeRecordsAreRead)
{
    std::vector<TipRecord> four(4, TipRecord{"t", "x"});
    std::string whole = FileOf(four, 1);
    for (const ShapeCase& c : kShapes) {
        TipsFileContent content = ReadTipsBytes(whole.substr(0, c.size));
        EXPECT_EQ(content.outcome, c.outcome) << c.name;
        EXPECT_EQ(content.tips.size(), c.tips) << c.name;
        EXPECT_EQ(TipRecordCount(c.size), c.tips) << c.name;
    }
}

// A field without a zero byte ends at its own 1000 bytes, never in the next field.
TEST(TipsFileTest, FieldsWithoutAZeroByteStopAtTheirEnd)
{
    std::string bytes = TipsFileHeader(1) + std::string(1000, 'T') + std::string(1000, 'x');
    bytes += std::string(1000, 'U') + std::string(1000, 'y');
    TipsFileContent content = ReadTipsBytes(bytes);
    ExpectTips(content, {{std::string(1000, 'T'), std::string(1000, 'x')},
                         {std::string(1000, 'U'), std::string(1000, 'y')}});
}

TEST(TipsFileTest, StartingTipIsTheStoredOneWhenInRange)
{
    struct {
        std::int32_t stored;
        std::size_t count;
        int first;
    } cases[] = {{0, 3, 1}, {-5, 3, 1}, {9, 3, 1}, {4, 3, 1}, {3, 3, 3}, {1, 3, 1}, {2, 0, 0}, {-2147483647 - 1, 2, 1}};
    for (const auto& c : cases)
        EXPECT_EQ(StartingTip(c.stored, c.count), c.first) << c.stored << " of " << c.count;
}

// A reader over the bytes that fails for good after `failAt` bytes.
struct FailingSource {
    std::string bytes;
    std::size_t offset;
    std::size_t failAt;
};

std::size_t ReadUntilFailure(void* context, char* buffer, std::size_t count)
{
    FailingSource* source = static_cast<FailingSource*>(context);
    std::size_t end = source->failAt < source->bytes.size() ? source->failAt : source->bytes.size();
    std::size_t left = source->offset < end ? end - source->offset : 0;
    if (count > left)
        count = left;
    std::memcpy(buffer, source->bytes.data() + source->offset, count);
    source->offset += count;
    return count;
}

TEST(TipsFileTest, AFailedReadKeepsTheTipsReadBeforeIt)
{
    std::vector<TipRecord> tips = {{"one", "1"}, {"two", "2"}, {"three", "3"}};
    struct {
        std::size_t failAt;
        TipsReadOutcome outcome;
        std::size_t kept;
    } cases[] = {{10, kTipsFileUnreadable, 0}, {16, kTipsFileUnreadable, 0}, {2015, kTipsFileUnreadable, 0},
                 {4016, kTipsFileRead, 2}, {5000, kTipsFileRead, 2}, {6016, kTipsFileRead, 3}};
    for (const auto& c : cases) {
        FailingSource source = {FileOf(tips, 2), 0, c.failAt};
        TipsFileContent content = ReadTipsFile(source.bytes.size(), ReadUntilFailure, &source);
        EXPECT_EQ(content.outcome, c.outcome) << c.failAt;
        EXPECT_EQ(content.tips.size(), c.kept) << c.failAt;
    }
}

// Zero bytes without end, for files that claim to be huge.
std::size_t ReadZeros(void* context, char* buffer, std::size_t count)
{
    *static_cast<unsigned long long*>(context) += count;
    std::memset(buffer, 0, count);
    return count;
}

TEST(TipsFileTest, HugeFilesAreReadToABound)
{
    unsigned long long read = 0;
    TipsFileContent content = ReadTipsFile(100000000ull, ReadZeros, &read);
    EXPECT_EQ(content.tips.size(), 49999u);
    EXPECT_EQ(read, 16u + 49999u * 2000u);

    read = 0;
    content = ReadTipsFile(10000000000000ull, ReadZeros, &read);
    EXPECT_EQ(content.tips.size(), kMaxTipsRead);
    EXPECT_EQ(read, 16u + kMaxTipsRead * 2000u);
    EXPECT_EQ(content.outcome, kTipsFileRead);
}

}  // namespace
