#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "message_log.h"
#include "scratch_folder.h"
#include "wicker.h"

namespace {

// The receiver program (tests/support/programs/copy_data_receiver.cpp),
// started with a title, a record base and the number of messages to await.
class Receiver {
public:
    Receiver(const std::string& title, const std::string& recordBase, int count)
    {
        std::string command = "\"" + std::string(App.Path()) + "\\copy_data_receiver.exe\" \"" + title +
                              "\" \"" + recordBase + "\" " + std::to_string(count);
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        if (CreateProcessA(NULL, &command[0], NULL, NULL, FALSE, 0, NULL, NULL, &startup, &process)) {
            CloseHandle(process.hThread);
            for (int waited = 0; waited < 15000 && window == NULL; waited += 20) {
                window = FindWindowA("#32770", title.c_str());
                if (window == NULL)
                    Sleep(20);
            }
        }
    }
    ~Receiver()
    {
        if (process.hProcess == NULL)
            return;
        if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0)
            TerminateProcess(process.hProcess, 9);
        CloseHandle(process.hProcess);
    }
    // The exit code once the receiver has ended: 0 when every awaited message came.
    DWORD ExitCode()
    {
        DWORD code = 0xFFFF;
        if (WaitForSingleObject(process.hProcess, 10000) == WAIT_OBJECT_0)
            GetExitCodeProcess(process.hProcess, &code);
        return code;
    }

    PROCESS_INFORMATION process = {};
    HWND window = NULL;
};

class SendDataTest : public ScratchFolderTest {
protected:
    void SetUp() override
    {
        ScratchFolderTest::SetUp();
        sender = CreateProbeWindow();
        title = "Wicker receiver " + std::to_string(GetCurrentProcessId());
    }
    void TearDown() override
    {
        DestroyWindow(sender);
        ScratchFolderTest::TearDown();
    }

    // The record the receiver wrote for its nth message.
    std::string Record(int n) { return ReadBytes(PathOf("record." + std::to_string(n))); }
    std::string Header(size_t length)
    {
        return "sender " + std::to_string(reinterpret_cast<UINT_PTR>(sender)) + " data 0 length " +
               std::to_string(length) + "\n";
    }

    HWND sender = NULL;
    std::string title;
};

// No bytes and 1 MB of every byte value arrive unchanged, with the sender's
// window and data value 0; the call returns what the receiver answered.
TEST_F(SendDataTest, BytesArriveUnchangedInAnotherProgram)
{
    Receiver receiver(title, PathOf("record"), 2);
    ASSERT_NE(receiver.window, nullptr) << "the receiver program did not open its window";

    ByteBuffer empty;
    EXPECT_EQ(System.SendData(title.c_str(), empty, Control(sender)), 1);
    EXPECT_EQ(Record(1), Header(0));

    std::string bytes(1 << 20, '\0');
    unsigned state = 12345;
    for (size_t i = 0; i < bytes.size(); ++i) {
        state = state * 1103515245u + 12345u;
        bytes[i] = static_cast<char>(i < 256 ? i : state >> 16);
    }
    ByteBuffer megabyte(bytes.data(), static_cast<int>(bytes.size()));
    EXPECT_EQ(System.SendData(title.c_str(), megabyte, Control(sender)), (1 << 20) + 1);
    std::string record = Record(2);
    ASSERT_EQ(record.size(), Header(bytes.size()).size() + bytes.size());
    EXPECT_EQ(record.substr(0, Header(bytes.size()).size()), Header(bytes.size()));
    EXPECT_TRUE(record.compare(Header(bytes.size()).size(), std::string::npos, bytes) == 0);
    EXPECT_EQ(receiver.ExitCode(), 0u);
}

// Only a dialog-class window with exactly the title receives: anything else is -1.
TEST_F(SendDataTest, NoMatchingDialogWindowGivesMinusOne)
{
    ByteBuffer data("abc", 3);
    EXPECT_EQ(System.SendData("Wicker no window has this title", data, Control(sender)), -1);

    // A window of another class with the title.
    SetWindowTextA(sender, title.c_str());
    EXPECT_EQ(System.SendData(title.c_str(), data, Control(sender)), -1);

    // A receiver whose title differs in case only, or is longer.
    Receiver receiver(title + " Case", PathOf("record"), 1);
    ASSERT_NE(receiver.window, nullptr);
    EXPECT_EQ(System.SendData((title + " case").c_str(), data, Control(sender)), -1);
    EXPECT_EQ(System.SendData((title + " Cas").c_str(), data, Control(sender)), -1);
    EXPECT_EQ(Record(1), "");
    EXPECT_EQ(System.SendData((title + " Case").c_str(), data, Control(sender)), 4);
    EXPECT_EQ(Record(1), Header(3) + "abc");
}

// A receiver that has stopped answering is given up within seconds: -1.
TEST_F(SendDataTest, AHungReceiverGivesMinusOneInsteadOfFreezingTheSender)
{
    const std::string hungTitle = title + " hung";
    HANDLE created = CreateEventA(NULL, TRUE, FALSE, NULL);
    std::thread hung([&] {
        HWND window = CreateWindowExA(0, reinterpret_cast<LPCSTR>(static_cast<ULONG_PTR>(0x8002)),
                                      hungTitle.c_str(), WS_POPUP, 0, 0, 10, 10, NULL, NULL,
                                      GetModuleHandleA(NULL), NULL);
        SetEvent(created);
        Sleep(8000);  // never looks at its messages
        if (window) DestroyWindow(window);
    });
    ASSERT_EQ(WaitForSingleObject(created, 5000), WAIT_OBJECT_0);
    ByteBuffer data("abc", 3);
    ULONGLONG started = GetTickCount64();
    EXPECT_EQ(System.SendData(hungTitle.c_str(), data, Control(sender)), -1);
    EXPECT_LT(GetTickCount64() - started, 6500u);
    hung.join();
    CloseHandle(created);
}

}  // namespace
