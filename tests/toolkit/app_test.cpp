#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <string>
#include <vector>

#include "wicker.h"

namespace {

std::vector<std::string> ItemsOf(const StringList& list)
{
    return std::vector<std::string>(list.items.begin(), list.items.end());
}

TEST(AppTest, FileNameAndFolderOfTheRunningProgram)
{
    char module[MAX_PATH + 1] = {};
    GetModuleFileNameA(NULL, module, MAX_PATH);
    String file = App.FileName;
    String folder = App.Path;
    EXPECT_EQ(file, module);
    ASSERT_FALSE(folder.empty());
    EXPECT_NE(folder.back(), '\\');
    EXPECT_NE(folder.back(), '/');

    // Callers append a backslash and a name to the folder.
    const char* base = std::strrchr(module, '\\') + 1;
    EXPECT_EQ(folder + "\\" + base, file);
    EXPECT_EQ(GetFileAttributesA(folder.CStr()) & FILE_ATTRIBUTE_DIRECTORY,
              static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));
}

TEST(AppTest, FolderIsCutAtTheLastSeparatorOfEitherKind)
{
    struct Case { const char* file; const char* folder; };
    const Case cases[] = {
        {"C:\\a\\b\\prog.exe", "C:\\a\\b"},
        {"C:/a/prog.exe", "C:/a"},
        {"prog.exe", "prog.exe"},
        {"C:\\a/b\\prog.exe", "C:\\a/b"},
        {"C:\\a\\b/prog.exe", "C:\\a\\b"},
        {"C:\\prog.exe", "C:"},
        {"\\prog.exe", ""},
        {"", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        EXPECT_EQ(FolderOfPath(c.file), c.folder);
    }
}

TEST(AppTest, SetArgumentsSplitsAtTabsAndDropsQuotes)
{
    App.SetArguments("one\t\"two\"");
    EXPECT_EQ(ItemsOf(App.Arguments), (std::vector<std::string>{"one", "two"}));
    EXPECT_EQ(static_cast<int>(App.Arguments.Count), 2);

    // A new call replaces the list.
    App.SetArguments("say \"hi\" now\t\tC:\\x y\\z.txt\t");
    EXPECT_EQ(ItemsOf(App.Arguments), (std::vector<std::string>{"say hi now", "", "C:\\x y\\z.txt", ""}));

    App.SetArguments("\"\"");
    EXPECT_EQ(ItemsOf(App.Arguments), (std::vector<std::string>{""}));

    App.Arguments.Clear();
}

TEST(AppTest, ElapsedTimeCountsFromStartUpAcrossATickWrap)
{
    // Counted from start-up: never more than the process's own age (the
    // tick count moves in steps of up to 16 ms, hence the margin).
    FILETIME created, exited, kernel, user, now;
    ASSERT_TRUE(GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user));
    DWORD first = App.ElapsedTime;
    GetSystemTimeAsFileTime(&now);
    auto ticks = [](const FILETIME& t) {
        return (static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
    };
    unsigned long long ageMs = (ticks(now) - ticks(created)) / 10000;
    EXPECT_LE(first, ageMs + 50) << "process age " << ageMs << " ms";
    DWORD second = App.ElapsedTime;
    EXPECT_GE(second, first);

    DWORD start = App.startTick;
    App.startTick = GetTickCount() - 5000;
    DWORD shifted = App.ElapsedTime;
    App.startTick = start;
    EXPECT_GE(shifted, 5000u);
    EXPECT_LT(shifted, 65000u);

    EXPECT_EQ(TicksBetween(0xFFFFFFF0u, 0x10u), 0x20u);
    EXPECT_EQ(TicksBetween(100u, 100u), 0u);
    EXPECT_EQ(TicksBetween(0u, 0xFFFFFFFFu), 0xFFFFFFFFu);
}

TEST(AppTest, CompileStampFormats)
{
    std::string date = String(App.CompileDate);
    ASSERT_EQ(date.size(), 11u) << date;
    const std::string months = "JanFebMarAprMayJunJulAugSepOctNovDec";
    size_t month = months.find(date.substr(0, 3));
    EXPECT_TRUE(month != std::string::npos && month % 3 == 0) << date;
    EXPECT_EQ(date[3], ' ');
    EXPECT_TRUE(date[4] == ' ' || (date[4] >= '1' && date[4] <= '3')) << date;
    EXPECT_TRUE(std::isdigit(static_cast<unsigned char>(date[5]))) << date;
    EXPECT_EQ(date[6], ' ');
    for (int i = 7; i < 11; ++i)
        EXPECT_TRUE(std::isdigit(static_cast<unsigned char>(date[i]))) << date;

    std::string time = String(App.CompileTime);
    ASSERT_EQ(time.size(), 8u) << time;
    EXPECT_EQ(time[2], ':');
    EXPECT_EQ(time[5], ':');
    for (int i : {0, 1, 3, 4, 6, 7})
        EXPECT_TRUE(std::isdigit(static_cast<unsigned char>(time[i]))) << time;
    EXPECT_LT(std::stoi(time.substr(0, 2)), 24);
    EXPECT_LT(std::stoi(time.substr(3, 2)), 60);
    EXPECT_LT(std::stoi(time.substr(6, 2)), 61);
}

// A compile stamp as yyyymmddhhmmss.
long long StampKey(const std::string& date, const std::string& time)
{
    const std::string months = "JanFebMarAprMayJunJulAugSepOctNovDec";
    long long month = static_cast<long long>(months.find(date.substr(0, 3)) / 3 + 1);
    long long day = std::stoll(date.substr(4, 2));
    long long year = std::stoll(date.substr(7, 4));
    long long clock = std::stoll(time.substr(0, 2)) * 10000 + std::stoll(time.substr(3, 2)) * 100 +
                      std::stoll(time.substr(6, 2));
    return ((year * 100 + month) * 100 + day) * 1000000 + clock;
}

// The program's build time is the latest stamp of its units that include
// wicker.h (this one among them), not the library's.
TEST(AppTest, CompileStampIsTheProgramsLatestUnit)
{
    EXPECT_GE(StampKey(String(App.CompileDate), String(App.CompileTime)), StampKey(__DATE__, __TIME__));

    RecordProgramStamp("Dec 30 2098", "23:59:58");
    EXPECT_EQ(std::string(String(App.CompileDate)), "Dec 30 2098");
    EXPECT_EQ(std::string(String(App.CompileTime)), "23:59:58");
    const char* const earlierOrBroken[][2] = {
        {"Jan  1 2000", "00:00:00"}, {"Dec 30 2098", "23:59:57"}, {"Dez 31 2099", "10:00:00"},
        {"Dec 31 2099", "1:00:00"}, {"", ""}};
    for (const auto& stamp : earlierOrBroken) {
        RecordProgramStamp(stamp[0], stamp[1]);
        EXPECT_EQ(std::string(String(App.CompileTime)), "23:59:58") << stamp[0];
    }
    RecordProgramStamp("Jan  1 2099", "00:00:00");
    EXPECT_EQ(std::string(String(App.CompileDate)), "Jan  1 2099");
}

// The entries of the accelerator table held by App (CopyAcceleratorTableA).
std::vector<ACCEL> AcceleratorEntries()
{
    int count = CopyAcceleratorTableA(App.accelerators, NULL, 0);
    std::vector<ACCEL> entries(count > 0 ? count : 0);
    if (count > 0)
        CopyAcceleratorTableA(App.accelerators, entries.data(), count);
    return entries;
}

TEST(AppTest, AcceleratorTableGrowsAndClears)
{
    App.ClearAccelerators();
    EXPECT_EQ(App.accelerators, nullptr);

    EXPECT_EQ(App.AddAccelerator(101, 'N', FCONTROL), 101);
    EXPECT_EQ(App.AddAccelerator(102, VK_F1, 0), 102);
    EXPECT_EQ(App.AddAccelerator(103, 'X', FALT | FSHIFT), 103);
    EXPECT_EQ(acceleratorCount, 3);
    std::vector<ACCEL> entries = AcceleratorEntries();
    ASSERT_EQ(entries.size(), 3u);
    // Any flag brings the virtual-key flag along; none leaves the entry plain.
    EXPECT_EQ(entries[0].fVirt & ~0x80, FCONTROL | FVIRTKEY);
    EXPECT_EQ(entries[0].key, 'N');
    EXPECT_EQ(entries[0].cmd, 101);
    EXPECT_EQ(entries[1].fVirt & ~0x80, 0);
    EXPECT_EQ(entries[1].key, VK_F1);
    EXPECT_EQ(entries[2].fVirt & ~0x80, FALT | FSHIFT | FVIRTKEY);
    EXPECT_EQ(entries[2].cmd, 103);

    App.ClearAccelerators();
    EXPECT_EQ(App.accelerators, nullptr);
    EXPECT_EQ(acceleratorCount, 0);
    App.AddAccelerator(104, 'Q', FCONTROL);
    entries = AcceleratorEntries();
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].cmd, 104);
    App.ClearAccelerators();
}

}  // namespace
