#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <string>
#include <vector>

#include "scratch_folder.h"
#include "wicker.h"

namespace {

std::vector<std::string> ItemsOf(const StringList& list)
{
    return std::vector<std::string>(list.items.begin(), list.items.end());
}

std::string Lower(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

TEST(SystemTest, VersionTextOfEachFamily)
{
    struct Case { DWORD version; const char* text; };
    const Case cases[] = {
        {0x0A280105, "5.1.2600-Windows NT/2000/XP"},
        {0x23F00206, "6.2.9200-Windows NT/2000/XP"},
        {0xC0000A04, "4.10.0-Windows 95/98/Me"},
        {0x80000004, "4.0.0-Windows 95/98/Me"},
        {0x80000A03, "3.10.0-Win32s/Undetermined"},
        {0x00000000, "0.0.0-Windows NT/2000/XP"},
        {0x7FFFFFFF, "255.255.32767-Windows NT/2000/XP"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(VersionText(c.version), c.text) << std::hex << c.version;
}

TEST(SystemTest, OSVersionAgreesWithGetVersion)
{
    DWORD version = GetVersion();
    std::string expected = std::to_string(version & 0xFF) + "." + std::to_string((version >> 8) & 0xFF);
    std::string text = String(System.OSVersion);
    ASSERT_EQ(text.compare(0, expected.size() + 1, expected + "."), 0) << text;
    if ((version & 0x80000000u) == 0) {
        EXPECT_EQ(text, expected + "." + std::to_string(version >> 16) + "-Windows NT/2000/XP");
    }
}

TEST(SystemTest, DriveTypeNamesKeepTheirSpelling)
{
    const char* const names[] = {"Unknwon", "Unknwon", "Removable", "Fixed", "Network", "CDRom", "Ram", ""};
    for (UINT type = 0; type < 8; ++type)
        EXPECT_EQ(DriveTypeName(type), names[type]) << type;
    EXPECT_EQ(DriveTypeName(0xFFFFFFFF), "");
}

// Drives, DriveTypes and VolumeNames describe the same drives in the same
// order as the platform's own calls.
TEST(SystemTest, DrivesTypesAndLabelsLineUpWithThePlatform)
{
    char roots[MAX_PATH] = {};
    DWORD length = GetLogicalDriveStringsA(sizeof roots, roots);
    std::vector<std::string> letters, types, labels;
    for (const char* root = roots; root < roots + length && *root != '\0'; root += std::strlen(root) + 1) {
        letters.push_back(std::string(1, root[0]));
        types.push_back(DriveTypeName(GetDriveTypeA(root)));
        char label[1024] = {};
        if (!GetVolumeInformationA(root, label, sizeof label, NULL, NULL, NULL, NULL, 0))
            label[0] = '\0';
        labels.push_back(label);
    }
    ASSERT_FALSE(letters.empty());
    EXPECT_EQ(ItemsOf(System.Drives), letters);
    EXPECT_EQ(ItemsOf(System.DriveTypes), types);
    EXPECT_EQ(ItemsOf(System.VolumeNames), labels);
    EXPECT_EQ(StringList(System.VolumeNames).Count, StringList(System.Drives).Count);
}

TEST(SystemTest, DirectoriesAndNamesMatchThePlatform)
{
    char buffer[MAX_PATH] = {};
    GetWindowsDirectoryA(buffer, MAX_PATH);
    EXPECT_EQ(System.WindowsDirectory(), buffer);
    GetSystemDirectoryA(buffer, MAX_PATH);
    EXPECT_EQ(System.SystemDirectory(), buffer);
    ASSERT_EQ(buffer[1], ':');
    EXPECT_EQ(System.SystemDrive(), std::string(1, buffer[0]));

    char name[256] = {};
    DWORD size = sizeof name;
    ASSERT_TRUE(GetUserNameA(name, &size));
    EXPECT_EQ(System.UserName(), name);
    size = sizeof name;
    ASSERT_TRUE(GetComputerNameA(name, &size));
    EXPECT_EQ(System.ComputerName(), name);

    DWORD before = GetTickCount();
    DWORD read = static_cast<DWORD>(static_cast<int>(System.TickCount));
    EXPECT_LE(read - before, 1000u);
}

class SystemFolderTest : public ScratchFolderTest {};

TEST_F(SystemFolderTest, CurrentDirectoryIsWrittenAndReadBack)
{
    String start = System.CurrentDirectory;
    System.CurrentDirectory = folder.string().c_str();
    char buffer[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, buffer);
    EXPECT_EQ(Lower(buffer), Lower(folder.string()));
    EXPECT_EQ(System.CurrentDirectory(), buffer);
    System.CurrentDirectory = start;
    EXPECT_EQ(System.CurrentDirectory(), start);
}

TEST(SystemTest, ProcessesListTheRunningProgram)
{
    char module[MAX_PATH] = {};
    GetModuleFileNameA(NULL, module, MAX_PATH);
    std::string own = Lower(std::strrchr(module, '\\') + 1);
    std::vector<std::string> names = ItemsOf(System.Processes);
    ASSERT_GE(names.size(), 1u);
    bool found = false;
    for (const std::string& name : names)
        found = found || Lower(name) == own;
    EXPECT_TRUE(found) << own;
}

TEST(SystemTest, TaskbarIsTheShellsTrayWindow)
{
    HWND tray = FindWindowA("Shell_TrayWnd", NULL);
    EXPECT_EQ(Control(System.Taskbar).hwnd, tray);
    EXPECT_EQ(Control(System.TaskbarItem304).hwnd, tray ? GetDlgItem(tray, 304) : NULL);
    EXPECT_EQ(Control(System.TaskbarItem303).hwnd, tray ? GetDlgItem(tray, 303) : NULL);
}

// A value of the given length with a recognisable pattern.
std::string PatternValue(size_t length)
{
    std::string value(length, 'x');
    for (size_t i = 0; i < length; ++i)
        value[i] = static_cast<char>('a' + i % 26);
    return value;
}

const char kVariable[] = "WICKER_SYSTEM_TEST_VALUE";

TEST(SystemTest, EnvironmentValuesAreReadWhole)
{
    for (size_t length : {size_t(1), size_t(255), size_t(32766)}) {
        std::string value = PatternValue(length);
        ASSERT_TRUE(System.SetEnvironmentVariable(kVariable, value.c_str())) << length;
        String read = System.GetEnvironmentVariable(kVariable);
        EXPECT_EQ(read.size(), length);
        EXPECT_TRUE(read == value.c_str()) << length;
        // A value that does not fit the first buffer is read again whole.
        for (DWORD first : {DWORD(1), DWORD(16), DWORD(length), DWORD(length + 1)})
            EXPECT_TRUE(ReadEnvironmentVariable(kVariable, first) == value.c_str()) << length << " " << first;
    }

    // A missing variable and an empty one both give the marker callers compare against.
    ASSERT_TRUE(System.SetEnvironmentVariable(kVariable, ""));
    EXPECT_EQ(System.GetEnvironmentVariable(kVariable), "WKP_ERROR");
    EXPECT_EQ(ReadEnvironmentVariable(kVariable, 1), "WKP_ERROR");
    SetEnvironmentVariableA(kVariable, NULL);
    EXPECT_EQ(System.GetEnvironmentVariable(kVariable), "WKP_ERROR");
    EXPECT_EQ(System.GetEnvironmentVariable("WICKER_NEVER_DEFINED_ANYWHERE"), "WKP_ERROR");
}

// Values of 50,000 bytes and more, where the system can hold them.
TEST(SystemTest, EnvironmentValuesBeyondTheFirstBuffer)
{
    std::string value = PatternValue(100000);
    ASSERT_TRUE(System.SetEnvironmentVariable(kVariable, value.c_str()));
    if (GetEnvironmentVariableA(kVariable, NULL, 0) != value.size() + 1) {
        SetEnvironmentVariableA(kVariable, NULL);
        GTEST_SKIP() << "this system keeps no value of 100,000 characters (Wine keeps at most 32,766)";
    }
    String read = System.GetEnvironmentVariable(kVariable);
    SetEnvironmentVariableA(kVariable, NULL);
    EXPECT_EQ(read.size(), value.size());
    EXPECT_TRUE(read == value.c_str());
}

TEST(SystemTest, AssociatedIconOfAProgramAndOfAnOverlongPath)
{
    IconObject icon = System.AssociatedIcon(App.FileName());
    ASSERT_NE(icon.icon, nullptr);
    EXPECT_TRUE(icon.Owns());
    ICONINFO info = {};
    ASSERT_TRUE(GetIconInfo(icon.icon, &info));
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);

    // The call writes into a MAX_PATH buffer: a longer path gets no icon.
    String longPath = String("C:\\") + String(std::string(400, 'a').c_str()) + ".exe";
    EXPECT_EQ(System.AssociatedIcon(longPath).icon, nullptr);
}

// The test program's resource 7001 is a WAVE of 50 ms (system_test.rc).
TEST(SystemTest, PlaySoundPlaysAWaveResource)
{
    EXPECT_EQ(System.PlaySound(31999), 0);
    if (waveOutGetNumDevs() == 0)
        GTEST_SKIP() << "no wave output device here (Xvfb without sound): the play call can only fail";
    EXPECT_EQ(System.PlaySound(7001), 1);
}

}  // namespace
