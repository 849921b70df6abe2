#include <set>
#include <string>

#include "game_fixture.h"
#include "guessing_engine.h"
#include "subject_list.h"
#include "word_list.h"

namespace {

class ListsTest : public GameTest {
protected:
    ListLoad LoadWords(const std::string& bytes)
    {
        WriteFile("animals/data.txt", bytes);
        std::strcpy(state->subjectFolder, "animals");
        return LoadWordList(*state);
    }
};

TEST_F(ListsTest, SubjectRecordCountingFollowsTheFinalLineBreak)
{
    struct Case { const char* text; int count; };
    const Case cases[] = {
        {"Animals\nanimals\nFood\nfood\n", 2},
        {"Animals\nanimals\nFood\nfood", 1},          // last record not ended
        {"Animals\nanimals\nFood\n", 1},              // a single line left over
        {"Animals\nanimals\nFood\nfood\n\n", 2},      // one blank line: nothing
        {"Animals\nanimals\nFood\nfood\n\n\n", 3},    // two blank lines: empty record
        {"Animals\r\nanimals\r\nFood\r\nfood\r\n", 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        WriteFile("tuckle.ini", c.text);
        ListLoad result = LoadSubjectList(*state);
        EXPECT_EQ(state->subjectCount, c.count);
        EXPECT_EQ(result, ListLoaded);
    }
    EXPECT_STREQ(state->subjectNames[3], "");
    EXPECT_STREQ(state->subjectFolders[3], "");
}

TEST_F(ListsTest, SubjectsInFileOrderWithoutCarriageReturns)
{
    WriteFile("tuckle.ini", "Animals\r\nanimals\r\nFood\r\nfood\r\nSpace things\r\nspace\\planets\r\n");
    ASSERT_EQ(LoadSubjectList(*state), ListLoaded);
    ASSERT_EQ(state->subjectCount, 3);
    EXPECT_STREQ(state->subjectNames[1], "Animals");
    EXPECT_STREQ(state->subjectFolders[2], "food");
    for (int i = 1; i <= 3; ++i) EXPECT_EQ(state->subjectMarks[i], 0);

    SelectSubject(*state, 3);
    EXPECT_STREQ(state->subjectName, "Space things");
    EXPECT_STREQ(state->subjectFolder, "space\\planets");
    SelectSubject(*state, 4);  // out of range: the subject in play stays
    EXPECT_STREQ(state->subjectName, "Space things");
}

// Notepad starts a file it saves as UTF-8 with a byte-order mark; the mark is
// no part of the first subject or word. Only a whole mark at the very start
// is skipped.
TEST_F(ListsTest, LeadingUtf8ByteOrderMarkIsSkipped)
{
    const std::string mark = "\xEF\xBB\xBF";
    WriteFile("tuckle.ini", mark + "Animals\r\nanimals\r\n");
    ASSERT_EQ(LoadSubjectList(*state), ListLoaded);
    EXPECT_STREQ(state->subjectNames[1], "Animals");
    ASSERT_EQ(LoadWords(mark + "cat\r\ncat.jpg\r\n"), ListLoaded);
    EXPECT_STREQ(state->wordTable[1], "cat");

    struct Case { std::string text; const char* first; };
    const Case cases[] = {
        {mark + "\r\nx\r\n", ""},               // the mark alone on the first line
        {"\xEF\xBB" "cat\r\nx\r\n", "\xEF\xBB" "cat"},  // not a whole mark
        {"cat" + mark + "\r\nx\r\n", "cat\xEF\xBB\xBF"},  // not at the start
        {"ca\r\nx\r\n", "ca"},                  // shorter than a mark
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.first);
        ASSERT_EQ(LoadWords(c.text), ListLoaded);
        EXPECT_STREQ(state->wordTable[1], c.first);
        EXPECT_STREQ(state->pictureTable[1], "x");
    }
    EXPECT_EQ(LoadWords(mark), ListEmpty);
}

TEST_F(ListsTest, MissingFilesReportFailureAndHoldNoRecords)
{
    state->subjectCount = 5;
    EXPECT_EQ(LoadSubjectList(*state), ListUnreadable);
    EXPECT_EQ(state->subjectCount, 0);

    state->wordCount = state->poolCount = 7;
    std::strcpy(state->subjectFolder, "nowhere");
    EXPECT_EQ(LoadWordList(*state), ListUnreadable);
    EXPECT_EQ(state->wordCount, 0);
    EXPECT_EQ(state->poolCount, 0);
    EXPECT_FALSE(DrawNextWord(*state));
}

TEST_F(ListsTest, EmptyFilesYieldNoRecords)
{
    WriteFile("tuckle.ini", "");
    EXPECT_EQ(LoadSubjectList(*state), ListEmpty);
    EXPECT_EQ(state->subjectCount, 0);
    WriteFile("tuckle.ini", "Only a name\n");
    EXPECT_EQ(LoadSubjectList(*state), ListEmpty);

    EXPECT_EQ(LoadWords(""), ListEmpty);
    EXPECT_EQ(state->wordCount, 0);
    EXPECT_FALSE(DrawNextWord(*state));
}

TEST_F(ListsTest, WordListFillsTablesAndRestartsThePool)
{
    ASSERT_EQ(LoadWords("Cat\ncat.jpg\nice cream\r\nice_cream.gif\nT-REX\ntrex.jpg\n"), ListLoaded);
    EXPECT_EQ(state->wordCount, 3);
    EXPECT_EQ(state->poolCount, 3);
    EXPECT_STREQ(state->wordTable[2], "ice cream");
    EXPECT_STREQ(state->pictureTable[2], "ice_cream.gif");
    for (int i = 0; i <= 3; ++i) EXPECT_EQ(state->drawPool[i], i);

    std::set<std::string> drawn;
    for (int n = 0; n < 3; ++n) {
        ASSERT_TRUE(DrawNextWord(*state));
        drawn.insert(state->currentWord);
    }
    EXPECT_EQ(drawn, (std::set<std::string>{"CAT", "ICE CREAM", "T-REX"}));

    // A new subject starts a fresh cycle whatever was drawn before.
    ASSERT_EQ(LoadWords("Dog\ndog.jpg\n"), ListLoaded);
    EXPECT_EQ(state->poolCount, 1);
    ASSERT_TRUE(DrawNextWord(*state));
    EXPECT_STREQ(state->currentWord, "DOG");
    EXPECT_STREQ(state->picturePath, "\\animals\\dog.jpg");
}

TEST_F(ListsTest, LongLineKeepsItsStartAndDoesNotShiftRecords)
{
    const std::string longWord(100, 'x');
    const std::string longPicture(70, 'p');
    ASSERT_EQ(LoadWords(longWord + "\r\n" + longPicture + "\nDog\ndog.jpg\n"), ListLoaded);
    EXPECT_EQ(state->wordCount, 2);
    EXPECT_EQ(std::string(state->wordTable[1]), std::string(LineChars, 'x'));
    EXPECT_EQ(std::string(state->pictureTable[1]), std::string(LineChars, 'p'));
    EXPECT_STREQ(state->wordTable[2], "Dog");
    EXPECT_STREQ(state->pictureTable[2], "dog.jpg");

    WriteFile("tuckle.ini", std::string(80, 'n') + "\nfolder\n");
    ASSERT_EQ(LoadSubjectList(*state), ListLoaded);
    EXPECT_EQ(state->subjectCount, 1);
    EXPECT_EQ(std::string(state->subjectNames[1]), std::string(LineChars, 'n'));
    EXPECT_STREQ(state->subjectFolders[1], "folder");
}

TEST_F(ListsTest, LineOfExactlyFiftyNineCharactersIsKept)
{
    const std::string word(LineChars, 'w');
    ASSERT_EQ(LoadWords(word + "\r\nw.jpg\r\n"), ListLoaded);
    EXPECT_EQ(std::string(state->wordTable[1]), word);
    EXPECT_STREQ(state->pictureTable[1], "w.jpg");
}

TEST_F(ListsTest, RecordsPastTheTablesAreDropped)
{
    for (int total : {MaxRecords, MaxRecords + 1, 1500}) {
        SCOPED_TRACE(total);
        std::string words, subjects;
        for (int i = 1; i <= total; ++i) {
            words += "w" + std::to_string(i) + "\np" + std::to_string(i) + "\n";
            subjects += "s" + std::to_string(i) + "\nf" + std::to_string(i) + "\n";
        }
        ASSERT_EQ(LoadWords(words), ListLoaded);
        EXPECT_EQ(state->wordCount, MaxRecords);
        EXPECT_EQ(state->poolCount, MaxRecords);
        EXPECT_STREQ(state->wordTable[MaxRecords], "w998");
        EXPECT_STREQ(state->pictureTable[MaxRecords], "p998");

        WriteFile("tuckle.ini", subjects);
        ASSERT_EQ(LoadSubjectList(*state), ListLoaded);
        EXPECT_EQ(state->subjectCount, MaxRecords);
        EXPECT_STREQ(state->subjectFolders[MaxRecords], "f998");
    }

    // A full table draws every entry once per cycle without leaving the pool.
    std::set<int> drawn;
    for (int n = 0; n < MaxRecords; ++n) {
        ASSERT_TRUE(DrawNextWord(*state));
        drawn.insert(state->currentEntry);
    }
    EXPECT_EQ(drawn.size(), size_t(MaxRecords));
    EXPECT_EQ(*drawn.begin(), 1);
    EXPECT_EQ(*drawn.rbegin(), MaxRecords);
}

TEST_F(ListsTest, BlankLinesInsideAWordList)
{
    // An empty word is a record like any other; it is won at the first letter.
    ASSERT_EQ(LoadWords("\n\nCat\ncat.jpg\n"), ListLoaded);
    EXPECT_EQ(state->wordCount, 2);
    EXPECT_STREQ(state->wordTable[1], "");
    EXPECT_STREQ(state->wordTable[2], "Cat");
}

} // namespace
