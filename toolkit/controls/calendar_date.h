/// \file
/// Dates of the Gregorian calendar as the date controls hold them (SYSTEMTIME).
#ifndef WICKER_CONTROLS_CALENDAR_DATE_H
#define WICKER_CONTROLS_CALENDAR_DATE_H

#include <windows.h>

/// True for years divisible by 4, except centuries not divisible by 400.
bool IsLeapYear(int year);
/// Days in the month (1 to 12) of the year; 0 for a month outside 1 to 12.
int DaysInMonth(int year, int month);
/// True when the date exists: year 1 to 9999, month 1 to 12, day 1 to the
/// month's last day.
bool IsValidDate(int year, int month, int day);
/// True when the date exists and the time is 0:00:00 to 23:59:59.
bool IsValidDateTime(const SYSTEMTIME& time);
/// Sets wDayOfWeek (0 Sunday to 6 Saturday) from the date; false, and nothing
/// changed, when the date does not exist.
bool FillDayOfWeek(SYSTEMTIME& time);
/// Replaces one field (&SYSTEMTIME::wDay, wMonth, wHour, ...) with the value;
/// false, and nothing changed, for a value the field cannot hold. Whether the
/// date then exists is the caller's to check.
bool SetTimeField(SYSTEMTIME& time, WORD SYSTEMTIME::*field, int value);
///@{
/// True when both hold the same day; SameSecond: and the same time of day to
/// the second.
bool SameDay(const SYSTEMTIME& one, const SYSTEMTIME& other);
bool SameSecond(const SYSTEMTIME& one, const SYSTEMTIME& other);
///@}

#endif
