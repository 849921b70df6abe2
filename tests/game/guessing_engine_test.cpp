#include <set>
#include <string>

#include "game_fixture.h"
#include "guessing_engine.h"

namespace {

class EngineTest : public GameTest {
protected:
    // Plays one word: a subject holding only this word, drawn once.
    void Start(const char* word)
    {
        AddWord(word, "pic.jpg");
        std::strcpy(state->subjectFolder, "animals");
        ASSERT_TRUE(DrawNextWord(*state));
    }

    // Presses a letter as the main window does: the phrase starts the text.
    void Guess(char letter)
    {
        std::strcpy(state->speechText, "phrase ");
        ASSERT_TRUE(SetGuess(*state, letter));
        EvaluateGuess(*state);
    }
};

TEST_F(EngineTest, DrawUppercasesMasksAndResets)
{
    Start("book");
    const GameState& g = *state;
    EXPECT_STREQ(g.currentWord, "BOOK");
    EXPECT_STREQ(g.maskedWord, "----");
    EXPECT_STREQ(g.currentPicture, "pic.jpg");
    EXPECT_STREQ(g.picturePath, "\\animals\\pic.jpg");
    EXPECT_STREQ(g.wrongLetters, " ");
    EXPECT_STREQ(g.speechText, " \"BOOK\"");
    EXPECT_EQ(g.lettersToFind, 4);
    EXPECT_EQ(g.lettersFound, 0);
    EXPECT_EQ(g.wrongCount, 0);
    EXPECT_EQ(g.wrongLimit, 10);
    EXPECT_EQ(WordOutcome(g), WordContinuing);
}

TEST_F(EngineTest, PictureNameKeepsItsCase)
{
    AddWord("Cat", "Cat.JPG");
    std::strcpy(state->subjectFolder, "animals");
    ASSERT_TRUE(DrawNextWord(*state));
    EXPECT_STREQ(state->currentWord, "CAT");
    EXPECT_STREQ(state->picturePath, "\\animals\\Cat.JPG");
}

TEST_F(EngineTest, MaskTable)
{
    struct Case { const char* word; const char* mask; int toFind; };
    const Case cases[] = {
        {"book", "----", 4},
        {"ice cream", "---/-----", 8},
        {"T-REX", "-----", 4},       // the hyphen shows as itself
        {"42!", "42!", 0},
        {"", "", 0},
        {"a b", "-/-", 2},
        {"\xE9t\xE9", "\xE9-\xE9", 1},  // only ASCII letters are letters
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.word);
        std::memset(state.get(), 0, sizeof(GameState));
        Start(c.word);
        EXPECT_STREQ(state->maskedWord, c.mask);
        EXPECT_EQ(state->lettersToFind, c.toFind);
    }
}

TEST_F(EngineTest, RepeatedLetterRevealsEveryPosition)
{
    Start("book");
    Guess('o');
    EXPECT_STREQ(state->maskedWord, "-OO-");
    EXPECT_EQ(state->lettersFound, 2);
    EXPECT_STREQ(state->speechText, "phrase ... right");
    EXPECT_STREQ(state->wrongLetters, " ");
    EXPECT_EQ(WordOutcome(*state), WordContinuing);
}

TEST_F(EngineTest, LetterTriedTwiceChangesNothing)
{
    Start("book");
    Guess('E');
    EXPECT_STREQ(state->speechText, "phrase ... wrong");
    EXPECT_EQ(state->wrongCount, 1);
    Guess('E');
    EXPECT_STREQ(state->speechText, "phrase ");
    EXPECT_EQ(state->wrongCount, 1);
    EXPECT_STREQ(state->wrongLetters, "  E");
    Guess('B');
    Guess('B');
    EXPECT_STREQ(state->speechText, "phrase ");
    EXPECT_EQ(state->lettersFound, 1);
}

TEST_F(EngineTest, WrongLettersLine)
{
    Start("dog");
    Guess('B');
    Guess('C');
    EXPECT_STREQ(state->wrongLetters, "  B C");
    EXPECT_EQ(state->triedLetters[2], 1);
    EXPECT_EQ(state->triedLetters[3], 1);
    EXPECT_EQ(state->triedLetters[4], 0);
}

TEST_F(EngineTest, TenthWrongGuessLosesEvenWithLettersRevealed)
{
    Start("ab");
    Guess('A');
    const char wrong[] = "CDEFGHIJK";
    for (const char* p = wrong; *p; ++p) {
        Guess(*p);
        EXPECT_EQ(WordOutcome(*state), WordContinuing) << *p;
    }
    Guess('L');
    EXPECT_EQ(state->wrongCount, 10);
    EXPECT_EQ(WordOutcome(*state), WordLost);
    EXPECT_STREQ(state->wrongLetters, "  C D E F G H I J K L");
}

TEST_F(EngineTest, WonWhenEveryLetterRevealed)
{
    Start("T-REX");
    for (char c : std::string("TREX")) Guess(c);
    EXPECT_EQ(state->lettersFound, 4);
    EXPECT_STREQ(state->maskedWord, "T-REX");
    EXPECT_EQ(WordOutcome(*state), WordWon);
}

TEST_F(EngineTest, WordWithoutLettersIsWonAtFirstTurnEvenIfWrong)
{
    Start("123");
    Guess('Z');
    EXPECT_EQ(state->wrongCount, 1);
    EXPECT_EQ(WordOutcome(*state), WordWon);
}

TEST_F(EngineTest, RejectsNonLetterGuess)
{
    Start("book");
    EXPECT_FALSE(SetGuess(*state, '1'));
    EXPECT_FALSE(SetGuess(*state, '['));
    EXPECT_TRUE(SetGuess(*state, 'z'));
    EXPECT_STREQ(state->guessLetter, "Z");
    EXPECT_EQ(state->guessIndex, 26);
}

TEST_F(EngineTest, NoRepeatWithinACycleAndRefillAfter)
{
    AddWord("one", "1.jpg");
    AddWord("two", "2.jpg");
    AddWord("three", "3.jpg");
    for (int cycle = 0; cycle < 20; ++cycle) {
        std::set<int> drawn;
        for (int n = 0; n < 3; ++n) {
            ASSERT_TRUE(DrawNextWord(*state));
            drawn.insert(state->currentEntry);
            EXPECT_EQ(state->poolCount, 2 - n);
            EXPECT_EQ(state->drawPool[0], 0);
        }
        EXPECT_EQ(drawn, (std::set<int>{1, 2, 3}));
    }
}

TEST_F(EngineTest, UndrawnEntriesKeepTheirOrder)
{
    for (int i = 0; i < 5; ++i) AddWord("w", "p");
    ASSERT_TRUE(DrawNextWord(*state));
    int prev = 0;
    for (int i = 1; i <= state->poolCount; ++i) {
        EXPECT_GT(state->drawPool[i], prev);
        EXPECT_NE(state->drawPool[i], state->currentEntry);
        prev = state->drawPool[i];
    }
    EXPECT_EQ(state->drawPool[5], 0);
}

TEST_F(EngineTest, DrawWithNoWordsReportsNothingToDraw)
{
    std::strcpy(state->currentWord, "KEEP");
    EXPECT_FALSE(DrawNextWord(*state));
    EXPECT_STREQ(state->currentWord, "KEEP");
    EXPECT_EQ(state->poolCount, 0);
}

TEST_F(EngineTest, LongestWordFitsEveryBuffer)
{
    std::string word(LineChars, 'a');
    word[10] = ' ';
    Start(word.c_str());
    EXPECT_EQ(std::strlen(state->currentWord), size_t(LineChars));
    EXPECT_EQ(std::strlen(state->maskedWord), size_t(LineChars));
    EXPECT_EQ(state->lettersToFind, LineChars - 1);
    EXPECT_EQ(std::string(state->speechText), " \"" + std::string(LineChars, 'A').replace(10, 1, " ") + "\"");

    // The won-word utterance: phrase, verdict, each character spelled, the
    // word and the closing phrase must fit without being cut.
    std::string longest = " \"[[dZ'3:]] ... j ... ... right ... ";
    for (char c : std::string(state->currentWord)) longest += std::string(1, c) + ". ";
    longest += state->currentWord;
    longest += " ... well done ... you've won\"";
    EXPECT_LT(longest.size(), sizeof state->speechText);
}

} // namespace
