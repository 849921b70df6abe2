// The month calendar on a probe parent: its window, its colours and its
// selected day written and read back with the calendar's own messages.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <ostream>

#include "message_log.h"
#include "wicker.h"

namespace {

const int kCalendarId = 505;

struct Date {
    int year, month, day;
};

bool operator==(const Date& a, const Date& b)
{
    return a.year == b.year && a.month == b.month && a.day == b.day;
}

std::ostream& operator<<(std::ostream& out, const Date& d)
{
    return out << d.year << "-" << d.month << "-" << d.day;
}

class MonthCalendarTest : public ::testing::Test {
protected:
    HWND probe = NULL;
    MonthCalendar calendar;

    void SetUp() override
    {
        probe = CreateProbeWindow(400, 300);
        ASSERT_NE(probe, (HWND)NULL);
        ASSERT_TRUE(calendar.Create("unused", kCalendarId, 10, 10, 240, 180, Control(probe)));
    }
    void TearDown() override
    {
        DestroyWindow(probe);
        PumpMessages();
    }

    COLORREF Colour(int part)
    {
        return static_cast<COLORREF>(SendMessageA(calendar.hwnd, MCM_GETCOLOR, part, 0));
    }
    Date Selected()
    {
        SYSTEMTIME date = {};
        EXPECT_NE(SendMessageA(calendar.hwnd, MCM_GETCURSEL, 0, reinterpret_cast<LPARAM>(&date)), 0);
        return {date.wYear, date.wMonth, date.wDay};
    }
    void Select(const Date& d)
    {
        SYSTEMTIME date = {};
        date.wYear = static_cast<WORD>(d.year);
        date.wMonth = static_cast<WORD>(d.month);
        date.wDay = static_cast<WORD>(d.day);
        ASSERT_NE(SendMessageA(calendar.hwnd, MCM_SETCURSEL, 0, reinterpret_cast<LPARAM>(&date)), 0);
        ASSERT_EQ(Selected(), d);
    }
};

TEST_F(MonthCalendarTest, WindowClassStyleAndColours)
{
    char name[64] = "";
    GetClassNameA(calendar.hwnd, name, sizeof name);
    EXPECT_STREQ(name, "SysMonthCal32");
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(calendar.hwnd, GWL_STYLE)), 0x50010000u);
    EXPECT_EQ(GetWindowTextLengthA(calendar.hwnd), 0);
    EXPECT_EQ(GetDlgCtrlID(calendar.hwnd), kCalendarId);

    calendar.TitleBackColor = RGB(10, 20, 30);
    calendar.TitleTextColor = RGB(40, 50, 60);
    calendar.MonthBackColor = RGB(70, 80, 90);
    EXPECT_EQ(Colour(MCSC_TITLEBK), RGB(10, 20, 30));
    EXPECT_EQ(Colour(MCSC_TITLETEXT), RGB(40, 50, 60));
    EXPECT_EQ(Colour(MCSC_MONTHBK), RGB(70, 80, 90));
    EXPECT_EQ(Colour(MCSC_TRAILINGTEXT), RGB(70, 80, 90));
}

// One field written from a known day: whether it is taken and the day
// selected after it, the same through the Set... operation and the property.
struct FieldCase {
    const char* name;
    Date start;
    bool (MonthCalendar::*set)(int);
    Property<MonthCalendar, int> MonthCalendar::*field;
    int value;
    bool taken;
    Date after;
};

const FieldCase kFieldCases[] = {
    {"Day 31 in April", {2026, 4, 30}, &MonthCalendar::SetDay, &MonthCalendar::Day, 31, false, {2026, 4, 30}},
    {"Day 31 in May", {2026, 5, 1}, &MonthCalendar::SetDay, &MonthCalendar::Day, 31, true, {2026, 5, 31}},
    {"Day 0", {2026, 5, 1}, &MonthCalendar::SetDay, &MonthCalendar::Day, 0, false, {2026, 5, 1}},
    {"Day 29 in February 2024", {2024, 2, 1}, &MonthCalendar::SetDay, &MonthCalendar::Day, 29, true, {2024, 2, 29}},
    {"Day 29 in February 2023", {2023, 2, 1}, &MonthCalendar::SetDay, &MonthCalendar::Day, 29, false, {2023, 2, 1}},
    {"Month 13", {2026, 4, 30}, &MonthCalendar::SetMonth, &MonthCalendar::Month, 13, false, {2026, 4, 30}},
    {"Month 0", {2026, 4, 30}, &MonthCalendar::SetMonth, &MonthCalendar::Month, 0, false, {2026, 4, 30}},
    {"Month 2 from the 30th", {2026, 1, 30}, &MonthCalendar::SetMonth, &MonthCalendar::Month, 2, false, {2026, 1, 30}},
    {"Month 12 from the 31st", {2026, 1, 31}, &MonthCalendar::SetMonth, &MonthCalendar::Month, 12, true, {2026, 12, 31}},
    {"Year 0", {2026, 4, 30}, &MonthCalendar::SetYear, &MonthCalendar::Year, 0, false, {2026, 4, 30}},
    {"29 February to 2100", {2096, 2, 29}, &MonthCalendar::SetYear, &MonthCalendar::Year, 2100, false, {2096, 2, 29}},
    {"29 February to 2000", {2096, 2, 29}, &MonthCalendar::SetYear, &MonthCalendar::Year, 2000, true, {2000, 2, 29}},
};

TEST_F(MonthCalendarTest, FieldsWrittenAndReadBack)
{
    for (const FieldCase& c : kFieldCases) {
        SCOPED_TRACE(c.name);
        Select(c.start);
        EXPECT_EQ((calendar.*c.set)(c.value), c.taken);
        EXPECT_EQ(Selected(), c.after);

        Select(c.start);
        (calendar.*c.field) = c.value;
        EXPECT_EQ(Selected(), c.after);
        Date read = {calendar.Year, calendar.Month, calendar.Day};
        EXPECT_EQ(read, c.after);
    }
}

TEST_F(MonthCalendarTest, SetDateMovesInOneStep)
{
    Select({2026, 1, 31});
    EXPECT_TRUE(calendar.SetDate(2024, 2, 29));
    EXPECT_EQ(Selected(), (Date{2024, 2, 29}));
    EXPECT_FALSE(calendar.SetDate(2026, 4, 31));
    EXPECT_EQ(Selected(), (Date{2024, 2, 29}));
}

}  // namespace
