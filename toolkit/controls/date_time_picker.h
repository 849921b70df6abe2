/// \file
/// A date and time picker: one date and time of day, edited field by field.
#ifndef WICKER_CONTROLS_DATE_TIME_PICKER_H
#define WICKER_CONTROLS_DATE_TIME_PICKER_H

#include <windows.h>

#include "../foundation/control.h"
#include "../foundation/property.h"
#include "../foundation/string.h"

/// A "SysDateTimePick32" window showing its date and time as
/// "Sunday March 01, 2026 - 01:05:09 PM". When the user changes it its parent
/// receives WM_NOTIFY with DTN_DATETIMECHANGE from the picker's identifier.
///
/// Writing a field that would make a date or time that does not exist (Day 31
/// in April, Month 13, Year 0, Hour 24) leaves the picker as it was; the
/// Set... operations say whether the write was taken.
struct DateTimePicker : Control {
    ///@{
    /// The date and time on show (DTM_GETSYSTEMTIME / DTM_SETSYSTEMTIME): day
    /// of the month, month 1 to 12, year, hour 0 to 23, minute and second; 0
    /// without a window. Writing one field keeps the others.
    Property<DateTimePicker, int> Day;
    Property<DateTimePicker, int> Month;
    Property<DateTimePicker, int> Year;
    Property<DateTimePicker, int> Hour;
    Property<DateTimePicker, int> Minute;
    Property<DateTimePicker, int> Second;
    ///@}

    /// No window, no parent.
    DateTimePicker();
    /// The text is not shown; it is there for the family's argument order.
    DateTimePicker(const String& text, int identifier, int x, int y, int width, int height,
                   Control parentControl, bool enabled = true, bool visible = true,
                   bool centred = false, DWORD exStyle = 0);
    /// Creates the window and gives it the format; false when it could not be created.
    bool Create(const String& text, int identifier, int x, int y, int width, int height,
                Control parentControl, bool enabled = true, bool visible = true,
                bool centred = false, DWORD exStyle = 0);

    ///@{
    /// Replace one field; false, and nothing changed, when the date or time
    /// would not exist or the picker refuses it.
    bool SetDay(int day);
    bool SetMonth(int month);
    bool SetYear(int year);
    bool SetHour(int hour);
    bool SetMinute(int minute);
    bool SetSecond(int second);
    ///@}
    /// Replace the date at once, keeping the time of day, so that no field
    /// passes through a date that does not exist on the way.
    bool SetDate(int year, int month, int day);

private:
    void BindProperties();
    /// DTM_GETSYSTEMTIME; false without a window or a valid date.
    bool Current(SYSTEMTIME& time);
    ///@{
    /// DTM_SETSYSTEMTIME GDT_VALID of a date and time that exist.
    bool SetCurrent(SYSTEMTIME& time);
    bool SetField(WORD SYSTEMTIME::*field, int value);
    int Field(WORD SYSTEMTIME::*field);
    int GetDay();
    int GetMonth();
    int GetYear();
    int GetHour();
    int GetMinute();
    int GetSecond();
    void SetDayValue(int day);
    void SetMonthValue(int month);
    void SetYearValue(int year);
    void SetHourValue(int hour);
    void SetMinuteValue(int minute);
    void SetSecondValue(int second);
    ///@}
};

/// Window style: no WS_VISIBLE; the window is shown after creation when visible.
const DWORD kDateTimePickerStyle = 0x40010004;  ///< WS_CHILD | WS_TABSTOP | DTS_LONGDATEFORMAT
/// The picker's display format: weekday, month name, day, year, then the time
/// on a 12-hour clock with AM or PM.
extern const char kDateTimePickerFormat[];

#endif
