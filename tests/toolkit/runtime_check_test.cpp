#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <regex>
#include <string>

#include "dialog_answer.h"
#include "wicker.h"

namespace {

const char kCaption[] = "Wicker runtime check";
// Set in the child process that the Abort test starts; holds the path of a
// file that the child's exit handler writes.
const char kChildVariable[] = "WICKER_RUNTIME_CHECK_CHILD";

std::string ModuleFileName()
{
    char path[MAX_PATH + 1] = "";
    GetModuleFileNameA(NULL, path, MAX_PATH);
    return path;
}

TEST(RuntimeCheckTest, ATrueConditionShowsNothing)
{
    EXPECT_TRUE(RuntimeCheck(true, "1 == 1", __FILE__, __LINE__, __DATE__, __TIME__));
    EXPECT_TRUE(WICKER_CHECK(2 + 2 == 4));
}

TEST(RuntimeCheckTest, IgnoreReturnsFalseAfterTheMessage)
{
    DialogAnswer answer(kCaption, IDIGNORE);
    bool result = RuntimeCheck(false, "bmp!=NULL", "wicker.cpp", 1234, "Jan  1 2011", "15:10:43");
    ASSERT_TRUE(answer.Wait());
    EXPECT_FALSE(result);
    const std::string expected =
        "Assertion failed!\r\n\r\nProgram: " + ModuleFileName() +
        "\r\nFILE: wicker.cpp\r\nLINE: 1234\r\n\r\nExpression: bmp!=NULL\r\n\r\n"
        "Compiled on : Jan  1 2011 at 15:10:43\r\n\r\n\r\n";
    EXPECT_EQ(expected, answer.text.substr(0, expected.size()));
    EXPECT_NE(std::string::npos, answer.text.find("help manual", expected.size())) << answer.text;
}

TEST(RuntimeCheckTest, TheBoxHasNoOwnerThreeButtonsAndIgnoreAsDefault)
{
    DialogAnswer answer(kCaption, IDRETRY);
    bool result = WICKER_CHECK(1 > 2);
    ASSERT_TRUE(answer.Wait());
    EXPECT_FALSE(result);
    EXPECT_EQ(NULL, answer.owner);
    EXPECT_TRUE(answer.hasAbort);
    EXPECT_TRUE(answer.hasRetry);
    EXPECT_TRUE(answer.hasIgnore);
    EXPECT_EQ(IDIGNORE, answer.defaultButton);
}

TEST(RuntimeCheckTest, TheMacroNamesExpressionFileLineAndCompileTime)
{
    DialogAnswer answer(kCaption, IDIGNORE);
    const int line = __LINE__ + 1;
    WICKER_CHECK(sizeof(int) == 3);
    ASSERT_TRUE(answer.Wait());
    EXPECT_NE(std::string::npos, answer.text.find("Expression: sizeof(int) == 3\r\n")) << answer.text;
    // The file by its folder and name, without the build machine's folders.
    EXPECT_NE(std::string::npos, answer.text.find("FILE: toolkit/runtime_check_test.cpp\r\n"))
        << answer.text;
    EXPECT_NE(std::string::npos, answer.text.find("LINE: " + std::to_string(line) + "\r\n")) << answer.text;
    // "Jan  1 2011" and "15:10:43".
    std::regex compiled("Compiled on : [A-Z][a-z]{2} [ 1-3][0-9] [0-9]{4} at [0-9]{2}:[0-9]{2}:[0-9]{2}\r\n");
    EXPECT_TRUE(std::regex_search(answer.text, compiled)) << answer.text;
}

TEST(RuntimeCheckTest, ALongMessageIsCutToTheBuffer)
{
    std::string expression(3000, 'x');
    DialogAnswer answer(kCaption, IDIGNORE);
    RuntimeCheck(false, expression.c_str(), "f.cpp", 1, "Jan  1 2011", "15:10:43");
    ASSERT_TRUE(answer.Wait());
    EXPECT_EQ(1023u, answer.text.size());
}

// The child half of AbortEndsTheProcessWithStatusZero: shows the check and
// would end with status 3 if it came back.
TEST(RuntimeCheckChild, AbortedCheck)
{
    const char* marker = std::getenv(kChildVariable);
    if (!marker)
        GTEST_SKIP() << "runs only as the child process of AbortEndsTheProcessWithStatusZero";
    static std::string markerPath;
    markerPath = marker;
    std::atexit([] {
        if (std::FILE* file = std::fopen(markerPath.c_str(), "w"))
            std::fclose(file);
    });
    String text("abc");
    text.Length = 1;
    std::_Exit(3);
}

TEST(RuntimeCheckTest, AbortEndsTheProcessWithStatusZero)
{
    char folder[MAX_PATH] = "";
    char marker[MAX_PATH] = "";
    GetTempPathA(sizeof folder, folder);
    GetTempFileNameA(folder, "wrc", 0, marker);
    DeleteFileA(marker);
    SetEnvironmentVariableA(kChildVariable, marker);

    std::string command = "\"" + ModuleFileName() + "\" --gtest_filter=RuntimeCheckChild.AbortedCheck";
    // The child's own test report goes to NUL, not into this one.
    SECURITY_ATTRIBUTES inheritable = {sizeof inheritable, NULL, TRUE};
    HANDLE nul = CreateFileA("NUL", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                             &inheritable, OPEN_EXISTING, 0, NULL);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = startup.hStdOutput = startup.hStdError = nul;
    PROCESS_INFORMATION process = {};
    BOOL started = CreateProcessA(NULL, &command[0], NULL, NULL, TRUE, 0, NULL, NULL, &startup, &process);
    SetEnvironmentVariableA(kChildVariable, NULL);
    CloseHandle(nul);
    ASSERT_TRUE(started) << GetLastError();

    HWND box = FindDialogByCaption(kCaption, process.dwProcessId, 10000);
    EXPECT_NE(static_cast<HWND>(NULL), box);
    if (box) {
        EXPECT_NE(std::string::npos, MessageBoxText(box).find("Expression: Set != NULL"));
        PressDialogButton(box, IDABORT);
    }
    DWORD waited = WaitForSingleObject(process.hProcess, 10000);
    if (waited != WAIT_OBJECT_0)
        TerminateProcess(process.hProcess, 99);
    DWORD status = 99;
    GetExitCodeProcess(process.hProcess, &status);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);

    EXPECT_EQ(WAIT_OBJECT_0, waited);
    EXPECT_EQ(0u, status);
    // exit(0), not an abrupt end: the exit handlers ran.
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(marker));
    DeleteFileA(marker);
}

}  // namespace
