#include "command_line.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#include <shellapi.h>
#endif

#include <string>

namespace {

struct Case {
    const char* line;
    const char* argument;
};

// What the game's utterances look like on the speech program's command line,
// and what the program must make of them.
const Case GameLines[] = {
    {"\"C:\\Tuckle\\espeak\\espeak.exe\"  \"CAT\"", "CAT"},
    {"\"C:\\Tuckle\\espeak\\espeak.exe\"  \"ice cream\"", "ice cream"},
    {"C:\\Tuckle\\espeak\\espeak.exe \"[['a]] ... a ... ... wrong",
     "[['a]] ... a ... ... wrong"},
    {"espeak.exe  \"[[t'3:]] ... t ... ... right ... C. A. T. CAT ... well done ... you've won\"",
     "[[t'3:]] ... t ... ... right ... C. A. T. CAT ... well done ... you've won"},
    {"espeak.exe \"[[dZ'3:]] ... j ... ... right ... bad luck ... you lost\"",
     "[[dZ'3:]] ... j ... ... right ... bad luck ... you lost"},
    {"espeak.exe \"cat.jpg\"", "cat.jpg"},
    {"espeak.exe", ""},
    {"\"C:\\Program Files\\Tuckle\\espeak\\espeak.exe\"", ""},
};

TEST(CommandLineTest, GameUtterancesGiveTheirText)
{
    for (const Case& c : GameLines) EXPECT_EQ(c.argument, ArgumentFromCommandLine(c.line)) << c.line;
}

TEST(CommandLineTest, WholeRestOfTheLineIsOneArgument)
{
    EXPECT_EQ("hello world", ArgumentFromCommandLine("espeak.exe hello world"));
    EXPECT_EQ("a  b", ArgumentFromCommandLine("espeak.exe \"a\"  \"b\""));
    EXPECT_EQ("tab\tkept", ArgumentFromCommandLine("espeak.exe\t\"tab\tkept\""));
}

TEST(CommandLineTest, BackslashesFollowTheRuntimeRules)
{
    // Backslashes before anything but a quote are literal.
    EXPECT_EQ("C:\\pets\\dog", ArgumentFromCommandLine("e.exe \"C:\\pets\\dog\""));
    EXPECT_EQ("a\\\\b", ArgumentFromCommandLine("e.exe a\\\\b"));
    // An odd count before a quote escapes it; an even count halves and the
    // quote delimits.
    EXPECT_EQ("say \"hi\"", ArgumentFromCommandLine("e.exe \"say \\\"hi\\\"\""));
    EXPECT_EQ("C:\\pets\\", ArgumentFromCommandLine("e.exe \"C:\\pets\\\\\""));
    EXPECT_EQ("x\\\"", ArgumentFromCommandLine("e.exe \"x\\\\\\\"\""));
    // A backslash and a quote at the end leave the quote open.
    EXPECT_EQ("C:\\dir\"", ArgumentFromCommandLine("e.exe \"C:\\dir\\\""));
}

TEST(CommandLineTest, QuotedArgumentComesBackUnchanged)
{
    const char* texts[] = {
        "", "plain", "two words", "you've won", "[['a]] ... a ... ... wrong",
        "back\\slash", "trailing\\", "trailing\\\\", "a \"quoted\" word", "\\\"", "\"",
        "C:\\Program Files\\eSpeak NG\\", "$HOME `ls` ; echo *", "tab\there",
    };
    for (const char* text : texts) {
        std::string quoted = QuoteArgument(text);
        EXPECT_EQ(text, ArgumentFromCommandLine("espeak.exe " + quoted)) << quoted;
        EXPECT_EQ('"', quoted.front());
        EXPECT_EQ('"', quoted.back());
    }
}

#ifdef _WIN32
// The platform's own parser, for lines whose one argument is quoted and
// closed: ours must agree with it.
std::string PlatformArgument(const std::string& line)
{
    int count = 0;
    std::wstring wide(line.begin(), line.end());
    LPWSTR* arguments = CommandLineToArgvW(wide.c_str(), &count);
    std::string result;
    if (arguments && count == 2) {
        for (const wchar_t* p = arguments[1]; *p; ++p) result += static_cast<char>(*p);
    } else {
        result = "<" + std::to_string(count) + " arguments>";
    }
    LocalFree(arguments);
    return result;
}

TEST(CommandLineTest, AgreesWithThePlatformParser)
{
    const char* lines[] = {
        "\"C:\\Tuckle\\espeak\\espeak.exe\"  \"CAT\"",
        "C:\\Tuckle\\espeak\\espeak.exe \"[['a]] ... a ... ... wrong",
        "e.exe \"[[t'3:]] ... t ... ... right ... C. A. T. CAT ... well done ... you've won\"",
        "e.exe \"C:\\pets\\dog\"",
        "e.exe \"say \\\"hi\\\"\"",
        "e.exe \"C:\\pets\\\\\"",
        "e.exe \"x\\\\\\\"\"",
        "e.exe \"C:\\dir\\\"",
        "e.exe \"open to the end",
    };
    for (const char* line : lines) EXPECT_EQ(PlatformArgument(line), ArgumentFromCommandLine(line)) << line;
}
#endif

}  // namespace
