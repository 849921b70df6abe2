#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "wicker.h"

namespace {

// Types the text into the console's input buffer as key presses and releases.
bool TypeIntoConsole(HANDLE input, const std::string& text)
{
    std::vector<INPUT_RECORD> records;
    for (char c : text) {
        for (BOOL down : {TRUE, FALSE}) {
            INPUT_RECORD record = {};
            record.EventType = KEY_EVENT;
            record.Event.KeyEvent.bKeyDown = down;
            record.Event.KeyEvent.wRepeatCount = 1;
            record.Event.KeyEvent.wVirtualKeyCode = c == '\r' ? VK_RETURN : LOBYTE(VkKeyScanA(c));
            record.Event.KeyEvent.uChar.AsciiChar = c;
            records.push_back(record);
        }
    }
    DWORD written = 0;
    return WriteConsoleInputA(input, records.data(), static_cast<DWORD>(records.size()), &written) &&
           written == records.size();
}

// A process has at most one console: the fixture lets go of any console the
// test program was started with, and puts the standard handles back after.
class ConsoleTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (DWORD which : {STD_INPUT_HANDLE, STD_OUTPUT_HANDLE, STD_ERROR_HANDLE})
            saved.push_back(GetStdHandle(which));
        FreeConsole();
    }
    void TearDown() override
    {
        FreeConsole();
        SetStdHandle(STD_INPUT_HANDLE, saved[0]);
        SetStdHandle(STD_OUTPUT_HANDLE, saved[1]);
        SetStdHandle(STD_ERROR_HANDLE, saved[2]);
    }

    std::vector<HANDLE> saved;
};

TEST_F(ConsoleTest, OpenedWithTheProjectTitle)
{
    Console console(true);
    ASSERT_TRUE(console.Opened());
    EXPECT_EQ(console.Title(), "Wicker Project - https://wicker-toolkit.example/");
    EXPECT_EQ(console.Title(), WickerConsoleTitle);
    char title[1024] = {};
    GetConsoleTitleA(title, sizeof title);
    EXPECT_STREQ(title, WickerConsoleTitle);
    EXPECT_TRUE(console.Close());
    EXPECT_FALSE(console.Opened());
}

TEST_F(ConsoleTest, WritesAndReadsALine)
{
    Console console;
    EXPECT_FALSE(console.Opened());
    EXPECT_EQ(console.Open("Wicker console test"), 0);
    ASSERT_TRUE(console.Opened());
    EXPECT_TRUE(console.Write("written through the console\n"));
    EXPECT_TRUE(console.Write(""));

    ASSERT_TRUE(TypeIntoConsole(console.input, "typed words\r"));
    EXPECT_EQ(console.ReadLine(), "typed words\r\n");

    // A line longer than the 1023 characters of one read comes in pieces.
    std::string longLine(1500, 'q');
    ASSERT_TRUE(TypeIntoConsole(console.input, longLine + "\r"));
    String first = console.ReadLine();
    EXPECT_EQ(first.size(), 1023u);
    EXPECT_EQ(std::string(first) + std::string(console.ReadLine()), longLine + "\r\n");
    console.Close();
}

// Titles of any length are written and read without overrunning a buffer.
TEST_F(ConsoleTest, TitlesOfAnyLength)
{
    Console console;
    console.Open("");
    ASSERT_TRUE(console.Opened());
    for (size_t length : {size_t(1), size_t(1022), size_t(1023), size_t(1024), size_t(5000)}) {
        std::string title(length, 't');
        title[0] = 'A';
        title[length - 1] = 'Z';
        console.Title = title.c_str();
        String read = console.Title;
        EXPECT_EQ(read.size(), length);
        EXPECT_TRUE(read == title.c_str()) << length;
    }
    console.Close();
}

}  // namespace
