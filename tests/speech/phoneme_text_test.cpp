#include "phoneme_text.h"

#include <gtest/gtest.h>

TEST(PhonemeTextTest, PhonemePartsAreLeftOut)
{
    EXPECT_EQ(" ... a ... ... wrong", WithoutPhonemes("[['a]] ... a ... ... wrong"));
    EXPECT_EQ(" ... t ... ... right ... C. A. T. CAT ... well done ... you've won",
              WithoutPhonemes("[[t'3:]] ... t ... ... right ... C. A. T. CAT ... well done ... you've won"));
    EXPECT_EQ("one  two ", WithoutPhonemes("one [[w'0n]] two [[t'u:]]"));
}

TEST(PhonemeTextTest, TextWithoutPhonemesIsUnchanged)
{
    EXPECT_EQ("CAT", WithoutPhonemes("CAT"));
    EXPECT_EQ("", WithoutPhonemes(""));
    EXPECT_EQ("a [single] bracket ]] here", WithoutPhonemes("a [single] bracket ]] here"));
}

TEST(PhonemeTextTest, UnclosedPhonemesRunToTheEnd)
{
    EXPECT_EQ("say ", WithoutPhonemes("say [[h@l'oU"));
}
