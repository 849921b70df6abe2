#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <stdexcept>
#include <string>
#include <type_traits>

#include "dialog_answer.h"
#include "wicker.h"

namespace {

// Length is bound to the String itself, never to another one.
void ExpectBound(const String& s)
{
    EXPECT_EQ(&s, s.Length.m_cObject);
    EXPECT_TRUE(s.Length.Get != NULL);
    EXPECT_TRUE(s.Length.Set == NULL);
    EXPECT_EQ(static_cast<int>(s.size()), s.Length.Read());
}

TEST(StringTest, EveryConstructorBindsLengthToTheNewString)
{
    String empty;
    String fromText("abc");
    String fromNull(static_cast<const char*>(NULL));
    String fromBytes("a\0b", 3);
    String fromString(fromText);
    std::string standard("standard");
    String fromStandard(standard);
    String fromTemporary(std::string("moved"));
    String moved(String("gone"));
    ExpectBound(empty);
    ExpectBound(fromText);
    ExpectBound(fromNull);
    ExpectBound(fromBytes);
    ExpectBound(fromString);
    ExpectBound(fromStandard);
    ExpectBound(fromTemporary);
    ExpectBound(moved);
    EXPECT_EQ(0, empty.Length);
    EXPECT_EQ("", fromNull);
    EXPECT_EQ(3, fromBytes.Length);
    EXPECT_EQ("standard", fromStandard);
    EXPECT_EQ("gone", moved);
}

TEST(StringTest, ACopyReportsItsOwnLengthAfterTheSourceChangesOrDies)
{
    String* source = new String("four");
    String copy(*source);
    *source = "a much longer text";
    EXPECT_EQ(4, copy.Length);
    delete source;
    EXPECT_EQ(4, copy.Length);
    ExpectBound(copy);
}

TEST(StringTest, AssignmentChangesTheTextAndKeepsTheBinding)
{
    String target("x");
    String source("source");
    String result = (target = source);
    ExpectBound(target);
    EXPECT_EQ("source", target);
    EXPECT_EQ("source", result);
    ExpectBound(result);

    target = "text";
    EXPECT_EQ(4, target.Length);
    target = 'q';
    EXPECT_EQ("q", target);
    target = std::string("standard");
    EXPECT_EQ("standard", target);
    target = static_cast<const char*>(NULL);
    EXPECT_EQ("", target);
    target = String("moved in");
    EXPECT_EQ("moved in", target);
    ExpectBound(target);
    target = target;
    EXPECT_EQ("moved in", target);
    target.Clear();
    EXPECT_EQ(0, target.Length);
    ExpectBound(target);
}

TEST(StringTest, WritingLengthIsTheSetCheck)
{
    String s("abc");
    DialogAnswer answer("Wicker runtime check", IDIGNORE);
    s.Length = 10;
    ASSERT_TRUE(answer.Wait());
    EXPECT_NE(std::string::npos, answer.text.find("Expression: Set != NULL")) << answer.text;
    EXPECT_EQ("abc", s);
}

TEST(StringTest, AccessAndComparison)
{
    String s("hello");
    EXPECT_STREQ("hello", s.CStr());
    EXPECT_EQ('e', *s.CharAt(1));
    *s.CharAt(0) = 'j';
    EXPECT_EQ("jello", s);
    EXPECT_EQ('\0', *s.CharAt(5));
    EXPECT_TRUE(s == "jello");
    EXPECT_TRUE(s == String("jello"));
    EXPECT_TRUE("jello" == s);
    EXPECT_FALSE(s == "Jello");
    EXPECT_TRUE(s != "Jello");
    EXPECT_TRUE(s != String("jell"));
    EXPECT_FALSE("jello" != s);
    EXPECT_TRUE(String("a\0b", 3) != String("a\0c", 3));
}

TEST(StringTest, ConcatenationLeavesTheOperandsAlone)
{
    String a("ab"), b("cd");
    String c = a + b;
    EXPECT_EQ("abcd", c);
    EXPECT_EQ("ab", a);
    EXPECT_EQ("cd", b);
    ExpectBound(c);
    EXPECT_EQ("abx", a + "x");
    EXPECT_EQ("xab", "x" + a);
    EXPECT_EQ("ab!", a + '!');
    EXPECT_EQ("!ab", '!' + a);
    EXPECT_EQ("abab", a + a);
    // A std::string on either side (a temporary, as std::to_string gives)
    // still makes a String, with no ambiguity against the standard operator.
    static_assert(std::is_same<decltype(a + std::to_string(1)), String>::value, "String + string");
    static_assert(std::is_same<decltype(std::to_string(1) + a), String>::value, "string + String");
    String counted = a + ": " + std::to_string(3) + " rows";
    EXPECT_EQ("ab: 3 rows", counted);
    EXPECT_EQ("3ab", std::to_string(3) + a);
}

TEST(StringTest, PrintWritesTheTextToStandardOutput)
{
    testing::internal::CaptureStdout();
    String("printed text").Print();
    std::fflush(stdout);
    EXPECT_EQ("printed text", testing::internal::GetCapturedStdout());
}

TEST(StringTest, InsertAndErase)
{
    String s("held");
    EXPECT_EQ(&s, &s.Insert(2, "ll w"));
    EXPECT_EQ("hell wld", s);
    s.Insert(0, ">");
    s.Insert(s.Length, "<");
    EXPECT_EQ(">hell wld<", s);
    s.Insert(3, s);
    EXPECT_EQ(">he>hell wld<ll wld<", s);
    EXPECT_EQ(&s, &s.Erase(0, 3));
    EXPECT_EQ(">hell wld<ll wld<", s);
    s.Erase(10, 1000);
    EXPECT_EQ(">hell wld<", s);
    s.Erase(s.Length, 5);
    EXPECT_EQ(">hell wld<", s);
    EXPECT_THROW(s.Insert(11, "x"), std::out_of_range);
    EXPECT_THROW(s.Erase(11, 1), std::out_of_range);
}

TEST(StringTest, FindCharAndFind)
{
    String s("banana");
    EXPECT_EQ(1, s.FindChar('a', 0));
    EXPECT_EQ(3, s.FindChar('a', 2));
    EXPECT_EQ(5, s.FindChar('a', 5));
    EXPECT_EQ(-1, s.FindChar('x', 0));
    EXPECT_EQ(-1, s.FindChar('a', s.Length));
    EXPECT_EQ(-1, s.FindChar('a', 100));
    EXPECT_EQ(-1, s.FindChar('a', -1));
    EXPECT_EQ(1, s.Find("ana", 0));
    EXPECT_EQ(3, s.Find("ana", 2));
    EXPECT_EQ(-1, s.Find("ana", 4));
    EXPECT_EQ(-1, s.Find("nab", 0));
    EXPECT_EQ(2, s.Find("", 2));
    EXPECT_EQ(-1, s.Find("a", 100));
}

TEST(StringTest, MidCopiesAndLeavesTheReceiver)
{
    String s("abcdef");
    EXPECT_EQ("bcd", s.Mid(1, 3));
    EXPECT_EQ("ef", s.Mid(4, 100));
    EXPECT_EQ("", s.Mid(6, 1));
    EXPECT_EQ("", s.Mid(2, 0));
    EXPECT_EQ("cdef", s.Mid(2, -1));
    EXPECT_EQ("abcdef", s);
    ExpectBound(s.Mid(0, 2));
    EXPECT_THROW(s.Mid(7, 1), std::out_of_range);
}

struct ReplaceCase {
    const char* text;
    const char* search;
    const char* replacement;
    int start;
    const char* expected;
};

TEST(StringTest, ReplaceReplacesEveryOccurrenceFromStart)
{
    const ReplaceCase cases[] = {
        {"a-b-c", "-", "+", 0, "a+b+c"},
        {"a-b-c", "-", "", 0, "abc"},
        {"a-b-c", "-", "--", 0, "a--b--c"},
        {"a-b-c", "-", "+", 2, "a-b+c"},
        {"a-b-c", "-", "+", 4, "a-b-c"},
        {"a-b-c", "-", "+", 5, "a-b-c"},
        {"a-b-c", "-", "+", 50, "a-b-c"},
        {"a-b-c", "-", "+", -1, "a-b-c"},
        {"aa", "a", "aa", 0, "aaaa"},
        {"abab", "ab", "", 0, "" },
        {"{x}", "{", "\\{", 0, "\\{x}"},
        {"aaaa", "aa", "b", 0, "bb"},
        {"aaa", "aa", "b", 0, "ba"},
        {"xyz", "xyz", "xyz", 0, "xyz"},
        {"cat", "cat", "concatenate", 0, "concatenate"},
        {"one two one", "one", "three", 0, "three two three"},
        {"", "a", "b", 0, ""},
        {"abc", "", "X", 0, "abc"},
        {"abc", "abcd", "X", 0, "abc"},
        {"ab", "b", "bb", 1, "abb"},
    };
    for (const ReplaceCase& c : cases) {
        String s(c.text);
        EXPECT_EQ(&s, &s.Replace(c.search, c.replacement, c.start));
        EXPECT_EQ(c.expected, s) << "'" << c.text << "' '" << c.search << "' -> '" << c.replacement
                                 << "' from " << c.start;
        ExpectBound(s);
    }
}

TEST(StringTest, ReplaceWithTheReceiverAsArgument)
{
    String s("ab");
    s.Replace(s, s);
    EXPECT_EQ("ab", s);
    s.Replace("a", s);
    EXPECT_EQ("abb", s);
    s.Replace(s, "z");
    EXPECT_EQ("z", s);
    String t("xx");
    t.ReplaceChar('x', t);
    EXPECT_EQ("xxxx", t);
}

TEST(StringTest, ReplaceChar)
{
    String s("a.b.c");
    EXPECT_EQ(&s, &s.ReplaceChar('.', "::", 0));
    EXPECT_EQ("a::b::c", s);
    s = "a.b.c";
    s.ReplaceChar('.', "", 2);
    EXPECT_EQ("a.bc", s);
    s = "..";
    s.ReplaceChar('.', "..", 0);
    EXPECT_EQ("....", s);
    s = "abc";
    s.ReplaceChar('x', "y", 0);
    EXPECT_EQ("abc", s);
    s.ReplaceChar('a', "y", 3);
    s.ReplaceChar('a', "y", -2);
    EXPECT_EQ("abc", s);
    String nul("a\0b\0", 4);
    nul.ReplaceChar('\0', "0", 0);
    EXPECT_EQ("a0b0", nul);
}

TEST(StringTest, ReplaceCharWithChar)
{
    String s("a b c");
    EXPECT_EQ(&s, &s.ReplaceCharWithChar(' ', '_', 0));
    EXPECT_EQ("a_b_c", s);
    s.ReplaceCharWithChar('_', ' ', 2);
    EXPECT_EQ("a_b c", s);
    s.ReplaceCharWithChar('a', 'a', 0);
    s.ReplaceCharWithChar('a', 'z', 5);
    s.ReplaceCharWithChar('a', 'z', -1);
    EXPECT_EQ("a_b c", s);
}

TEST(StringTest, UpperAndLowerChangeTheReceiverAndReturnACopy)
{
    String s("abc1");
    String upper = s.Upper();
    EXPECT_EQ("ABC1", upper);
    EXPECT_EQ("ABC1", s);
    ExpectBound(upper);
    String lower = s.Lower();
    EXPECT_EQ("abc1", lower);
    EXPECT_EQ("abc1", s);
    String high("\xe9t\xc9");
    EXPECT_EQ("\xe9T\xc9", high.Upper());
    EXPECT_EQ("\xe9t\xc9", high.Lower());
    String mixed("Hello, World! [z]");
    EXPECT_EQ("HELLO, WORLD! [Z]", mixed.Upper());
    EXPECT_EQ("hello, world! [z]", mixed.Lower());
}

TEST(StringTest, RemoveDigits)
{
    String s("a1b22c");
    EXPECT_EQ("abc", s.RemoveDigits());
    EXPECT_EQ("abc", s);
    String all("112233");
    EXPECT_EQ("", all.RemoveDigits());
    EXPECT_EQ("", all);
    EXPECT_EQ(0, all.Length);
    String none("no digits/:");
    EXPECT_EQ("no digits/:", none.RemoveDigits());
}

struct SplitCase {
    const char* text;
    const char* separator;
    std::vector<std::string> expected;
};

TEST(StringTest, Split)
{
    const SplitCase cases[] = {
        {"a,b", ",", {"a", "b"}},
        {"a,,b", ",", {"a", "", "b"}},
        {"a,", ",", {"a", ""}},
        {",", ",", {"", ""}},
        {",a", ",", {"", "a"}},
        {"", ",", {""}},
        {"abc", ",", {"abc"}},
        {"x--y", "--", {"x", "-y"}},
        {"a--", "--", {"a", "-"}},
        {"a::b::c", "::", {"a", ":b", ":c"}},
        {"aaa", "aa", {"", "", "a"}},
        {"a, b, c", ", ", {"a", " b", " c"}},
        {"abc", "", {"a", "b", "c"}},
        {"", "", {}},
        {"same", "same", {"", "ame"}},
    };
    for (const SplitCase& c : cases) {
        String source(c.text);
        StringList list = source.Split(c.separator);
        std::vector<std::string> got(list.items.begin(), list.items.end());
        EXPECT_EQ(c.expected, got) << "'" << c.text << "' by '" << c.separator << "'";
        EXPECT_EQ(static_cast<int>(c.expected.size()), list.Count);
        EXPECT_EQ(c.text, source);
        for (const String& item : list.items)
            ExpectBound(item);
    }
}

TEST(StringTest, SplitKeepsNulBytes)
{
    String source("a\0b\0", 4);
    StringList bytes = source.Split("");
    ASSERT_EQ(4, bytes.Count);
    EXPECT_EQ(std::string(1, '\0'), bytes.Item(1));
    StringList parts = source.Split(String("\0", 1));
    ASSERT_EQ(3, parts.Count);
    EXPECT_EQ("a", parts.Item(0));
    EXPECT_EQ("b", parts.Item(1));
    EXPECT_EQ("", parts.Item(2));
}

TEST(StringTest, Conversions)
{
    EXPECT_EQ(42, String("42").ToInt());
    EXPECT_EQ(-17, String("  -17abc").ToInt());
    EXPECT_EQ(0, String("abc").ToInt());
    EXPECT_EQ(0, String("").ToInt());
    EXPECT_EQ(12, String("12.9").ToInt());
    EXPECT_DOUBLE_EQ(3.25, String("3.25").ToDouble());
    EXPECT_DOUBLE_EQ(-0.5, String(" -0.5x").ToDouble());
    EXPECT_DOUBLE_EQ(0.0, String("x1").ToDouble());
    EXPECT_DOUBLE_EQ(1e10, String("1e10").ToDouble());
}

TEST(StringTest, HexString)
{
    EXPECT_EQ("FF", HexString(255));
    EXPECT_EQ("0", HexString(0));
    EXPECT_EQ("FFFFFFFF", HexString(-1));
    EXPECT_EQ("80000000", HexString(std::numeric_limits<int>::min()));
    EXPECT_EQ("7FFFFFFF", HexString(std::numeric_limits<int>::max()));
    EXPECT_EQ("ABCDEF", HexString(0xabcdef));
    EXPECT_EQ("10", HexString(16));
    ExpectBound(HexString(1));
}

struct NumberCase {
    double value;
    int decimals;
    const char* expected;
};

TEST(StringTest, NumberString)
{
    const NumberCase cases[] = {
        {3.0, 2, "3"},
        {-7.0, 2, "-7"},
        {0.0, 5, "0"},
        {-0.0, 5, "0"},
        {3.14159, 2, "3.14"},
        {0.5, 3, "0.500"},
        {-2.5, 0, "-2"},
        {2.75, 1, "2.8"},
        {1e10, 2, "10000000000.00"},
        {2147483647.0, 2, "2147483647"},
        {-2147483648.0, 2, "-2147483648"},
        {2147483648.0, 1, "2147483648.0"},
        {-2147483649.0, 0, "-2147483649"},
        {0.125, -3, "0"},
        {1.5, -1, "2"},
    };
    for (const NumberCase& c : cases)
        EXPECT_EQ(c.expected, NumberString(c.value, c.decimals)) << c.value << " with " << c.decimals;
}

TEST(StringTest, NumberStringOfNonFiniteValuesTakesTheDecimalBranch)
{
    String nan = NumberString(std::nan(""), 2);
    String inf = NumberString(std::numeric_limits<double>::infinity(), 2);
    String minusInf = NumberString(-std::numeric_limits<double>::infinity(), 2);
    char expected[64];
    std::snprintf(expected, sizeof expected, "%.2f", std::nan(""));
    EXPECT_EQ(expected, nan);
    std::snprintf(expected, sizeof expected, "%.2f", std::numeric_limits<double>::infinity());
    EXPECT_EQ(expected, inf);
    EXPECT_EQ(String("-") + inf, minusInf);
}

// A value with hundreds of digits, or a huge decimals count, stays inside the
// formatting buffer: decimals are capped at 1074 (past that every digit of a
// double is zero) and the largest double has 309 integer digits.
TEST(StringTest, NumberStringOfHugeInputs)
{
    const double largest = std::numeric_limits<double>::max();
    String big = NumberString(largest, 2);
    ASSERT_EQ(309 + 3, big.Length);
    EXPECT_EQ("179769313486231570", big.Mid(0, 18));
    EXPECT_EQ(".00", big.Mid(309, 3));

    String negative = NumberString(-largest, 1074);
    EXPECT_EQ(1 + 309 + 1 + 1074, negative.Length);
    EXPECT_EQ('-', *negative.CharAt(0));

    String tiny = NumberString(std::numeric_limits<double>::denorm_min(), 1000000);
    ASSERT_EQ(2 + 1074, tiny.Length);
    EXPECT_EQ("0.000", tiny.Mid(0, 5));
    EXPECT_EQ('5', *tiny.CharAt(tiny.Length - 1));  // 2^-1074 ends in ...625
    EXPECT_EQ(tiny, NumberString(std::numeric_limits<double>::denorm_min(), 2147483647));

    String half = NumberString(0.5, 5000);
    EXPECT_EQ(2 + 1074, half.Length);
    EXPECT_EQ("0.5000", half.Mid(0, 6));
}

TEST(StringTest, FileExists)
{
    char folder[MAX_PATH] = "";
    char path[MAX_PATH] = "";
    GetTempPathA(sizeof folder, folder);
    GetTempFileNameA(folder, "wfe", 0, path);
    EXPECT_TRUE(FileExists(path));
    DeleteFileA(path);
    EXPECT_FALSE(FileExists(path));
    EXPECT_FALSE(FileExists(""));
    EXPECT_FALSE(FileExists(String(folder) + "no such folder\\no such file.txt"));
}

TEST(StringTest, RunProgramReportsTheShellsResult)
{
    HINSTANCE missing = RunProgram("C:\\no such folder\\no such program.exe", "", NULL);
    EXPECT_LE(reinterpret_cast<INT_PTR>(missing), 32);
}

}  // namespace
