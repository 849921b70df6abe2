#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "scratch_folder.h"
#include "wicker.h"

namespace {

// Identifiers of the "RT_LANG" resources linked into the test program.
const int kGreetingTableResource = 7;
const int kBlankTableResource = 8;
const int kMissingResource = 4321;

ByteBuffer FromText(const std::string& text)
{
    return ByteBuffer(text.data(), static_cast<int>(text.size()));
}

std::vector<std::pair<std::string, std::string>> PairsOf(const LanguageTable& table)
{
    std::vector<std::pair<std::string, std::string>> pairs;
    for (const LanguageEntry& entry : table.entries)
        pairs.emplace_back(entry.key, entry.value);
    return pairs;
}

typedef std::vector<std::pair<std::string, std::string>> Pairs;

TEST(LanguageTableTest, ParsesKeysValuesAndSkipsWhatIsNotAPair)
{
    LanguageTable table(FromText("title=Hello\r\n\r\nbye=Good=bye\nempty=\n=x"));
    EXPECT_EQ(static_cast<int>(table.Count), 3);
    EXPECT_EQ(PairsOf(table), (Pairs{{"title", "Hello"}, {"bye", "Good"}, {"empty", ""}}));
    EXPECT_EQ(table.resourceId, -1);
}

TEST(LanguageTableTest, EdgeCasesOfTheLineFormat)
{
    struct Case { std::string text; int result; Pairs pairs; };
    const Case cases[] = {
        // A later line with the same key replaces the value and keeps the place.
        {"a=1\nb=2\na=3\n", 1, {{"a", "3"}, {"b", "2"}}},
        // A line without "=" is a key with an empty value.
        {"lonely\nk=v", 1, {{"lonely", ""}, {"k", "v"}}},
        // Carriage returns vanish everywhere, not only at line ends.
        {"k\r=v\ra\r\n", 1, {{"k", "va"}}},
        // Only blank lines and empty keys: nothing to keep.
        {"\r\n\n=a\n=\n", 0, {}},
        // The text ends at the first zero byte.
        {std::string("a=1\0b=2", 7), 1, {{"a", "1"}}},
        // Keys are compared exactly.
        {"Key=1\nkey=2\n key=3", 1, {{"Key", "1"}, {"key", "2"}, {" key", "3"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        LanguageTable table;
        EXPECT_EQ(table.LoadBuffer(FromText(c.text)), c.result);
        EXPECT_EQ(PairsOf(table), c.pairs);
    }
}

// A table of 100,000 keys (2.4 MB), a fifth of them given again further down:
// every key once, in first-seen order, with its last value. (Loading it
// once took minutes; make bench times loading against the table's size.)
TEST(LanguageTableTest, LargeTableKeepsEveryKeyAndTheLastValue)
{
    std::string text;
    for (int k = 0; k < 100000; ++k)
        text += "key" + std::to_string(k) + "=first value of a key\r\n";
    for (int k = 0; k < 100000; k += 5)
        text += "key" + std::to_string(k) + "=again\r\n";
    LanguageTable table(FromText(text));
    ASSERT_EQ(static_cast<int>(table.Count), 100000);
    EXPECT_EQ(table.entries[0].value, "again");
    EXPECT_EQ(table.entries[1].value, "first value of a key");
    EXPECT_EQ(table.entries[99999].key, "key99999");
    EXPECT_EQ(table.Lookup("key99995"), "again");
}

TEST(LanguageTableTest, LoadingReplacesTheTableExceptFromAnEmptyBuffer)
{
    LanguageTable table(FromText("old=1"));
    EXPECT_EQ(table.LoadBuffer(ByteBuffer()), 0);
    EXPECT_EQ(PairsOf(table), (Pairs{{"old", "1"}}));

    EXPECT_EQ(table.LoadBuffer(FromText("new=2")), 1);
    EXPECT_EQ(PairsOf(table), (Pairs{{"new", "2"}}));

    EXPECT_EQ(table.LoadBuffer(FromText("\n\n")), 0);
    EXPECT_EQ(static_cast<int>(table.Count), 0);
}

TEST(LanguageTableTest, LookupAddsMissingKeysOnce)
{
    LanguageTable table(FromText("yes=Ja\nno=Nein"));
    EXPECT_EQ(table.Lookup("no"), "Nein");
    EXPECT_EQ(static_cast<int>(table.Count), 2);

    EXPECT_EQ(table.Lookup("maybe"), "");
    EXPECT_EQ(static_cast<int>(table.Count), 3);
    EXPECT_EQ(table.Lookup("maybe"), "");
    EXPECT_EQ(static_cast<int>(table.Count), 3);
    EXPECT_EQ(table.entries.back().key, "maybe");
}

TEST(LanguageTableTest, CopiesCountThemselves)
{
    LanguageTable source(FromText("a=1\nb=2"));
    LanguageTable copy(source);
    source.Lookup("c");
    EXPECT_EQ(static_cast<int>(source.Count), 3);
    EXPECT_EQ(static_cast<int>(copy.Count), 2);
    EXPECT_EQ(copy.Count.m_cObject, &copy);
}

class LanguageTableFileTest : public ScratchFolderTest {};

TEST_F(LanguageTableFileTest, LoadsFromFiles)
{
    WriteBytes(PathOf("de.lng"), "ok=Gut\r\ncancel=Abbrechen\r\n");
    LanguageTable table(String(PathOf("de.lng").c_str()));
    EXPECT_EQ(PairsOf(table), (Pairs{{"ok", "Gut"}, {"cancel", "Abbrechen"}}));

    EXPECT_EQ(table.LoadFile(PathOf("missing.lng").c_str()), 0);
    EXPECT_EQ(static_cast<int>(table.Count), 2);

    WriteBytes(PathOf("empty.lng"), "");
    EXPECT_EQ(table.LoadFile(PathOf("empty.lng").c_str()), 0);
}

TEST(LanguageTableResourceTest, LoadsFromTheProgramsResources)
{
    LanguageTable table(kGreetingTableResource);
    EXPECT_EQ(table.resourceId, kGreetingTableResource);
    EXPECT_EQ(PairsOf(table), (Pairs{{"hello", "Hallo"}, {"bye", "Tschuess"}}));

    EXPECT_EQ(table.LoadResource(kMissingResource), 0);
    EXPECT_EQ(table.resourceId, kGreetingTableResource);
    EXPECT_EQ(static_cast<int>(table.Count), 2);

    EXPECT_EQ(table.LoadResource(kBlankTableResource), 0);
    EXPECT_EQ(table.resourceId, kBlankTableResource);
    EXPECT_EQ(static_cast<int>(table.Count), 0);

    LanguageTable missing(kMissingResource);
    EXPECT_EQ(missing.resourceId, -1);
    EXPECT_EQ(static_cast<int>(missing.Count), 0);
}

}  // namespace
