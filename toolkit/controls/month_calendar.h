/// \file
/// A month calendar: one month on show, one day selected.
#ifndef WICKER_CONTROLS_MONTH_CALENDAR_H
#define WICKER_CONTROLS_MONTH_CALENDAR_H

#include <windows.h>

#include "../foundation/control.h"
#include "../foundation/property.h"
#include "../foundation/string.h"

/// A "SysMonthCal32" window. When the user picks a day its parent receives
/// WM_NOTIFY with MCN_SELCHANGE (and MCN_SELECT), from the calendar's identifier:
///
///     case WM_NOTIFY:
///         if (reinterpret_cast<NMHDR*>(lParam)->code == MCN_SELCHANGE)
///             picker.SetDate(calendar.Year, calendar.Month, calendar.Day);
///
/// Writing a date field that would make a date that does not exist (Day 31 in
/// April, Month 13, Year 0) leaves the selected day as it was; the Set...
/// operations say whether the write was taken.
struct MonthCalendar : Control {
    ///@{
    /// Write only: the colours of the title (MCM_SETCOLOR, MCSC_TITLEBK and
    /// MCSC_TITLETEXT) and of the month's background, which the days of the
    /// neighbouring months share (MCSC_MONTHBK and MCSC_TRAILINGTEXT).
    Property<MonthCalendar, COLORREF> TitleBackColor;
    Property<MonthCalendar, COLORREF> TitleTextColor;
    Property<MonthCalendar, COLORREF> MonthBackColor;
    ///@}
    /// Write only: the colour of the days of the neighbouring months
    /// (MCM_SETCOLOR, MCSC_TRAILINGTEXT). Set it after MonthBackColor to show
    /// those days again, in a colour apart from the month's own:
    ///
    ///     calendar.MonthBackColor = RGB(255, 255, 240);
    ///     calendar.TrailingTextColor = GetSysColor(COLOR_GRAYTEXT);
    Property<MonthCalendar, COLORREF> TrailingTextColor;
    ///@{
    /// The selected day (MCM_GETCURSEL / MCM_SETCURSEL): day of the month,
    /// month 1 to 12 and year; 0 without a window.
    Property<MonthCalendar, int> Day;
    Property<MonthCalendar, int> Month;
    Property<MonthCalendar, int> Year;
    ///@}

    /// No window, no parent.
    MonthCalendar();
    /// The text is not shown; it is there for the family's argument order.
    MonthCalendar(const String& text, int identifier, int x, int y, int width, int height,
                  Control parentControl, bool enabled = true, bool visible = true,
                  bool centred = false, DWORD exStyle = 0);
    /// Creates the window; false when it could not be created.
    bool Create(const String& text, int identifier, int x, int y, int width, int height,
                Control parentControl, bool enabled = true, bool visible = true,
                bool centred = false, DWORD exStyle = 0);

    ///@{
    /// Select the day with one field replaced; false, and nothing changed, when
    /// the date would not exist or the calendar refuses it.
    bool SetDay(int day);
    bool SetMonth(int month);
    bool SetYear(int year);
    ///@}
    /// Select the date at once, so that no field passes through a date that
    /// does not exist on the way (31 January to 29 February, say).
    bool SetDate(int year, int month, int day);

private:
    void BindProperties();
    void SetTitleBackColor(COLORREF colour);
    void SetTitleTextColor(COLORREF colour);
    void SetMonthBackColor(COLORREF colour);
    void SetTrailingTextColor(COLORREF colour);
    int GetDay();
    int GetMonth();
    int GetYear();
    void SetDayValue(int day);
    void SetMonthValue(int month);
    void SetYearValue(int year);
    /// MCM_GETCURSEL; false without a window.
    bool Selected(SYSTEMTIME& date);
    ///@{
    /// One field of the selected day; selects the day with it replaced.
    int Field(WORD SYSTEMTIME::*field);
    bool SetField(WORD SYSTEMTIME::*field, int value);
    ///@}
};

/// Window style: no WS_VISIBLE; the window is shown after creation when visible.
const DWORD kMonthCalendarStyle = 0x40010000;  ///< WS_CHILD | WS_TABSTOP

#endif
