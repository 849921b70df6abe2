#include <string>

#include "game_fixture.h"
#include "guessing_engine.h"
#include "utterances.h"

namespace {

class UtterancesTest : public GameTest {
protected:
    void Draw(const char* word, const char* picture = "pic.jpg")
    {
        AddWord(word, picture);
        ASSERT_TRUE(DrawNextWord(*state));
    }
    void Press(char letter)
    {
        SetGuess(*state, letter);
        SetLetterUtterance(*state, state->guessIndex);
        EvaluateGuess(*state);
    }
};

TEST_F(UtterancesTest, LetterPhrasesFollowOneShape)
{
    EXPECT_STREQ(LetterPhrase(1), " \"[['a]] ... a ... ");
    EXPECT_STREQ(LetterPhrase(3), " \"[[k'3:]] ... c ... ");
    EXPECT_STREQ(LetterPhrase(11), " \"[[k'3:]] ... k ... ");
    EXPECT_STREQ(LetterPhrase(7), " \"[[g'3]] ... g ... ");
    EXPECT_STREQ(LetterPhrase(17), " \"[[kw3:]] ... q ... ");
    EXPECT_STREQ(LetterPhrase(25), " \"[[j3:]] ... y ... ");
    EXPECT_STREQ(LetterPhrase(26), " \"[[z'3:]] ... z ... ");
    EXPECT_STREQ(LetterPhrase(0), "");
    EXPECT_STREQ(LetterPhrase(27), "");
    for (int n = 1; n <= 26; ++n) {
        std::string p = LetterPhrase(n);
        std::string tail = std::string("]] ... ") + char('a' + n - 1) + " ... ";
        EXPECT_EQ(p.substr(0, 4), " \"[[") << n;
        EXPECT_EQ(p.substr(p.size() - tail.size()), tail) << n;
    }
}

TEST_F(UtterancesTest, WordLetterAndResultTexts)
{
    Draw("cat");
    EXPECT_STREQ(state->speechText, " \"CAT\"");
    Press('E');
    EXPECT_STREQ(state->speechText, " \"[['E]] ... e ... ... wrong");
    Press('E');
    EXPECT_STREQ(state->speechText, " \"[['E]] ... e ... ");
    Press('C');
    Press('A');
    Press('T');
    EXPECT_EQ(WordOutcome(*state), WordWon);
    AppendWonUtterance(*state);
    EXPECT_STREQ(state->speechText,
                 " \"[[t'3:]] ... t ... ... right ... C. A. T. CAT ... well done ... you've won\"");
}

TEST_F(UtterancesTest, LostTextAndSpacesSpelled)
{
    Draw("ice cream");
    Press('Z');
    AppendLostUtterance(*state);
    EXPECT_STREQ(state->speechText, " \"[[z'3:]] ... z ... ... wrong ... bad luck ... you lost\"");
    state->speechText[0] = '\0';
    AppendWonUtterance(*state);
    EXPECT_STREQ(state->speechText,
                 " ... I. C. E.  . C. R. E. A. M. ICE CREAM ... well done ... you've won\"");
}

TEST_F(UtterancesTest, QuotesInsideWordsAndPicturesAreNotSpoken)
{
    Draw("say \"hi\"", "a\"b.jpg");
    EXPECT_STREQ(state->speechText, " \"SAY HI\"");
    SetPictureUtterance(*state);
    EXPECT_STREQ(state->speechText, "\"ab.jpg\"");
    state->speechText[0] = '\0';
    AppendWonUtterance(*state);
    EXPECT_STREQ(state->speechText,
                 " ... S. A. Y.  . H. I. SAY HI ... well done ... you've won\"");
}

// Backslashes right before a closing quote are doubled, so the platform's
// command-line rules read them as backslashes and the quote as the end of
// the argument; elsewhere they stand as they are.
TEST_F(UtterancesTest, BackslashesBeforeTheClosingQuoteAreDoubled)
{
    Draw("ac\\", "pets\\\\");
    EXPECT_STREQ(state->speechText, " \"AC\\\\\"");
    SetPictureUtterance(*state);
    EXPECT_STREQ(state->speechText, "\"pets\\\\\\\\\"");
    state->speechText[0] = '\0';
    AppendWonUtterance(*state);
    EXPECT_STREQ(state->speechText, " ... A. C. \\. AC\\ ... well done ... you've won\"");
    std::strcpy(state->speechText, " \"[['a]] ... a ... \\");
    AppendLostUtterance(*state);
    EXPECT_STREQ(state->speechText, " \"[['a]] ... a ... \\ ... bad luck ... you lost\"");
}

TEST_F(UtterancesTest, LongestWonWordIsNotCut)
{
    std::string word(LineChars, 'W');
    Draw(word.c_str());
    Press('W');
    AppendWonUtterance(*state);
    std::string expected = " \"[[w'3:]] ... w ... ... right ... ";
    for (int i = 0; i < LineChars; ++i) expected += "W. ";
    expected += word + " ... well done ... you've won\"";
    EXPECT_EQ(std::string(state->speechText), expected);
}

} // namespace
