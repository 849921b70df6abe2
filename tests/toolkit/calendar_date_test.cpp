// The calendar arithmetic the date controls check their fields with, held
// against the platform's own (SystemTimeToFileTime refuses dates that do not
// exist; FileTimeToSystemTime works out the day of the week).
#include <gtest/gtest.h>

#include <windows.h>

#include "wicker.h"

namespace {

// The last days of every month from 1601 (the first year of FILETIME) to
// 2400, and the days past them, are valid or not as the platform's
// round trip through FILETIME says, and get its day of the week.
TEST(CalendarDateTest, AgreesWithThePlatformOverFourCenturies)
{
    int checked = 0;
    for (int year = 1601; year <= 2400; ++year) {
        for (int month = 1; month <= 12; ++month) {
            for (int day = 28; day <= 32; ++day) {
                SYSTEMTIME date = {};
                date.wYear = static_cast<WORD>(year);
                date.wMonth = static_cast<WORD>(month);
                date.wDay = static_cast<WORD>(day);
                // Some versions of the platform take 29 February of any year
                // and give 1 March back: a date exists when it comes back.
                FILETIME stamp;
                SYSTEMTIME platform = {};
                bool exists = SystemTimeToFileTime(&date, &stamp) != 0 &&
                              FileTimeToSystemTime(&stamp, &platform) &&
                              platform.wYear == year && platform.wMonth == month &&
                              platform.wDay == day;
                ASSERT_EQ(IsValidDate(year, month, day), exists) << year << "-" << month << "-" << day;
                if (!exists)
                    continue;
                date.wDayOfWeek = 9;
                ASSERT_TRUE(FillDayOfWeek(date));
                ASSERT_EQ(date.wDayOfWeek, platform.wDayOfWeek) << year << "-" << month << "-" << day;
                ++checked;
            }
        }
    }
    EXPECT_GT(checked, 30000);
}

TEST(CalendarDateTest, MonthEndsLeapYearsAndDatesThatDoNotExist)
{
    struct Case {
        int year, month, days;
    } cases[] = {{2023, 2, 28}, {2024, 2, 29}, {1900, 2, 28}, {2000, 2, 29}, {2026, 4, 30},
                 {2026, 12, 31}, {2026, 0, 0}, {2026, 13, 0}};
    for (const Case& c : cases)
        EXPECT_EQ(DaysInMonth(c.year, c.month), c.days) << c.year << "-" << c.month;
    EXPECT_FALSE(IsValidDate(0, 1, 1));
    EXPECT_FALSE(IsValidDate(10000, 1, 1));
    EXPECT_FALSE(IsValidDate(2026, 1, 0));
    EXPECT_TRUE(IsValidDate(1, 1, 1));
    SYSTEMTIME impossible = {};
    impossible.wYear = 2026;
    impossible.wMonth = 4;
    impossible.wDay = 31;
    impossible.wDayOfWeek = 9;
    EXPECT_FALSE(FillDayOfWeek(impossible));
    EXPECT_EQ(impossible.wDayOfWeek, 9);
    SYSTEMTIME late = {2026, 3, 0, 1, 23, 59, 59, 999};
    EXPECT_TRUE(IsValidDateTime(late));
    late.wHour = 24;
    EXPECT_FALSE(IsValidDateTime(late));
}

}  // namespace
