// The date and time picker on a probe parent: its window, its fields written
// and read back with the picker's own messages, the dates it refuses, and
// the text it shows.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <ostream>
#include <string>

#include "message_log.h"
#include "wicker.h"

namespace {

const int kPickerId = 404;

struct Moment {
    int year, month, day, hour, minute, second;
};

bool operator==(const Moment& a, const Moment& b)
{
    return a.year == b.year && a.month == b.month && a.day == b.day && a.hour == b.hour &&
           a.minute == b.minute && a.second == b.second;
}

std::ostream& operator<<(std::ostream& out, const Moment& m)
{
    return out << m.year << "-" << m.month << "-" << m.day << " " << m.hour << ":" << m.minute
               << ":" << m.second;
}

class DateTimePickerTest : public ::testing::Test {
protected:
    HWND probe = NULL;
    DateTimePicker picker;

    void SetUp() override
    {
        probe = CreateProbeWindow(400, 200);
        ASSERT_NE(probe, (HWND)NULL);
        ASSERT_TRUE(picker.Create("unused", kPickerId, 10, 10, 360, 24, Control(probe)));
    }
    void TearDown() override
    {
        DestroyWindow(probe);
        PumpMessages();
    }

    // What the picker holds, asked of the window itself.
    Moment Shown()
    {
        SYSTEMTIME time = {};
        EXPECT_EQ(SendMessageA(picker.hwnd, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time)),
                  GDT_VALID);
        return {time.wYear, time.wMonth, time.wDay, time.wHour, time.wMinute, time.wSecond};
    }
    void Put(const Moment& m)
    {
        SYSTEMTIME time = {};
        time.wYear = static_cast<WORD>(m.year);
        time.wMonth = static_cast<WORD>(m.month);
        time.wDay = static_cast<WORD>(m.day);
        time.wHour = static_cast<WORD>(m.hour);
        time.wMinute = static_cast<WORD>(m.minute);
        time.wSecond = static_cast<WORD>(m.second);
        ASSERT_NE(SendMessageA(picker.hwnd, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&time)), 0);
        ASSERT_EQ(Shown(), m);
    }
};

TEST_F(DateTimePickerTest, WindowClassStyleAndText)
{
    char name[64] = "";
    GetClassNameA(picker.hwnd, name, sizeof name);
    EXPECT_STREQ(name, "SysDateTimePick32");
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(picker.hwnd, GWL_STYLE)), 0x50010004u);
    EXPECT_EQ(GetParent(picker.hwnd), probe);
    EXPECT_EQ(GetDlgCtrlID(picker.hwnd), kPickerId);
    EXPECT_EQ(picker.parent, probe);

    DateTimePicker hidden("", kPickerId + 1, 10, 40, 200, 24, Control(probe), false, false);
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(hidden.hwnd, GWL_STYLE)), 0x48010004u);  // WS_DISABLED
}

// One field written from a known moment: whether the write is taken and what
// the picker holds after it, the same through the Set... operation and
// through the property.
struct FieldCase {
    const char* name;
    Moment start;
    bool (DateTimePicker::*set)(int);
    Property<DateTimePicker, int> DateTimePicker::*field;
    int value;
    bool taken;
    Moment after;
};

const Moment kApril = {2026, 4, 30, 10, 5, 9};
const Moment kLeapDay = {2024, 2, 29, 23, 59, 59};
const Moment kJanuaryEnd = {2026, 1, 31, 0, 0, 0};

const FieldCase kFieldCases[] = {
    {"Day 31 in April", kApril, &DateTimePicker::SetDay, &DateTimePicker::Day, 31, false, kApril},
    {"Day 1", kApril, &DateTimePicker::SetDay, &DateTimePicker::Day, 1, true, {2026, 4, 1, 10, 5, 9}},
    {"Day 0", kApril, &DateTimePicker::SetDay, &DateTimePicker::Day, 0, false, kApril},
    {"Month 13", kApril, &DateTimePicker::SetMonth, &DateTimePicker::Month, 13, false, kApril},
    {"Month 5 keeps day 30", kApril, &DateTimePicker::SetMonth, &DateTimePicker::Month, 5, true, {2026, 5, 30, 10, 5, 9}},
    {"Month 2 from the 31st", kJanuaryEnd, &DateTimePicker::SetMonth, &DateTimePicker::Month, 2, false, kJanuaryEnd},
    {"Month 12 from the 31st", kJanuaryEnd, &DateTimePicker::SetMonth, &DateTimePicker::Month, 12, true, {2026, 12, 31, 0, 0, 0}},
    {"Year 0", kApril, &DateTimePicker::SetYear, &DateTimePicker::Year, 0, false, kApril},
    {"Year -1", kApril, &DateTimePicker::SetYear, &DateTimePicker::Year, -1, false, kApril},
    {"29 February to 2023", kLeapDay, &DateTimePicker::SetYear, &DateTimePicker::Year, 2023, false, kLeapDay},
    {"29 February to 1900", kLeapDay, &DateTimePicker::SetYear, &DateTimePicker::Year, 1900, false, kLeapDay},
    {"29 February to 2000", kLeapDay, &DateTimePicker::SetYear, &DateTimePicker::Year, 2000, true, {2000, 2, 29, 23, 59, 59}},
    {"Day 29 in February 2023", {2023, 2, 28, 1, 2, 3}, &DateTimePicker::SetDay, &DateTimePicker::Day, 29, false, {2023, 2, 28, 1, 2, 3}},
    {"Hour 13", kApril, &DateTimePicker::SetHour, &DateTimePicker::Hour, 13, true, {2026, 4, 30, 13, 5, 9}},
    {"Hour 24", kApril, &DateTimePicker::SetHour, &DateTimePicker::Hour, 24, false, kApril},
    {"Minute 0", kLeapDay, &DateTimePicker::SetMinute, &DateTimePicker::Minute, 0, true, {2024, 2, 29, 23, 0, 59}},
    {"Minute 60", kApril, &DateTimePicker::SetMinute, &DateTimePicker::Minute, 60, false, kApril},
    {"Second 0", kLeapDay, &DateTimePicker::SetSecond, &DateTimePicker::Second, 0, true, {2024, 2, 29, 23, 59, 0}},
    {"Second 60", kApril, &DateTimePicker::SetSecond, &DateTimePicker::Second, 60, false, kApril},
};

TEST_F(DateTimePickerTest, FieldsWrittenAndReadBack)
{
    for (const FieldCase& c : kFieldCases) {
        SCOPED_TRACE(c.name);
        Put(c.start);
        EXPECT_EQ((picker.*c.set)(c.value), c.taken);
        EXPECT_EQ(Shown(), c.after);

        Put(c.start);
        (picker.*c.field) = c.value;
        EXPECT_EQ(Shown(), c.after);
        Moment read = {picker.Year, picker.Month, picker.Day, picker.Hour, picker.Minute, picker.Second};
        EXPECT_EQ(read, c.after);
    }
}

TEST_F(DateTimePickerTest, SetDateKeepsTheTimeAndPassesNoImpossibleDate)
{
    Put(kJanuaryEnd);
    picker.SetHour(7);
    EXPECT_TRUE(picker.SetDate(2024, 2, 29));
    EXPECT_EQ(Shown(), (Moment{2024, 2, 29, 7, 0, 0}));
    EXPECT_FALSE(picker.SetDate(2023, 2, 29));
    EXPECT_FALSE(picker.SetDate(0, 1, 1));
    EXPECT_EQ(Shown(), (Moment{2024, 2, 29, 7, 0, 0}));
    // Real dates the picker keeps nothing for (its range starts in 1753).
    EXPECT_FALSE(picker.SetDate(1752, 9, 2));
    EXPECT_FALSE(picker.SetYear(1600));
    EXPECT_EQ(Shown(), (Moment{2024, 2, 29, 7, 0, 0}));
    EXPECT_TRUE(picker.SetDate(1753, 1, 1));
}

// 13 o'clock shows as 01 PM in the picker's format, the rest unchanged.
TEST_F(DateTimePickerTest, HourThirteenShowsOnePm)
{
    Put({2026, 3, 1, 10, 5, 9});
    picker.Hour = 13;
    EXPECT_EQ(Shown(), (Moment{2026, 3, 1, 13, 5, 9}));
    char text[128] = "";
    GetWindowTextA(picker.hwnd, text, sizeof text);
    EXPECT_STREQ(text, "Sunday March 01, 2026 - 01:05:09 PM");
}

TEST(DateTimePickerWithoutWindowTest, FieldsReadZeroAndWritesFail)
{
    DateTimePicker none;
    EXPECT_EQ(none.hwnd, (HWND)NULL);
    EXPECT_EQ(static_cast<int>(none.Year), 0);
    EXPECT_FALSE(none.SetDay(1));
    EXPECT_FALSE(none.SetDate(2026, 1, 1));
    none.Hour = 5;
}

}  // namespace
