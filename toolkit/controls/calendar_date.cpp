#include "calendar_date.h"

bool IsLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month)
{
    static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

bool IsValidDate(int year, int month, int day)
{
    return year >= 1 && year <= 9999 && day >= 1 && day <= DaysInMonth(year, month);
}

bool IsValidDateTime(const SYSTEMTIME& time)
{
    return IsValidDate(time.wYear, time.wMonth, time.wDay) && time.wHour <= 23 &&
           time.wMinute <= 59 && time.wSecond <= 59 && time.wMilliseconds <= 999;
}

bool FillDayOfWeek(SYSTEMTIME& time)
{
    if (!IsValidDate(time.wYear, time.wMonth, time.wDay))
        return false;
    // Sakamoto's method: January and February count as months of the year before.
    static const int kMonthOffset[12] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    int year = time.wYear - (time.wMonth < 3 ? 1 : 0);
    time.wDayOfWeek = static_cast<WORD>(
        (year + year / 4 - year / 100 + year / 400 + kMonthOffset[time.wMonth - 1] + time.wDay) % 7);
    return true;
}

bool SetTimeField(SYSTEMTIME& time, WORD SYSTEMTIME::*field, int value)
{
    if (value < 0 || value > 0xFFFF)
        return false;
    time.*field = static_cast<WORD>(value);
    return true;
}

bool SameDay(const SYSTEMTIME& one, const SYSTEMTIME& other)
{
    return one.wYear == other.wYear && one.wMonth == other.wMonth && one.wDay == other.wDay;
}

bool SameSecond(const SYSTEMTIME& one, const SYSTEMTIME& other)
{
    return SameDay(one, other) && one.wHour == other.wHour && one.wMinute == other.wMinute &&
           one.wSecond == other.wSecond;
}
