#include "month_calendar.h"

#include <commctrl.h>

#include "basic_control.h"
#include "calendar_date.h"

static_assert(kMonthCalendarStyle == (WS_CHILD | WS_TABSTOP), "month calendar style");

namespace {

// The window gets no text: the calendar does not show one.
const ControlKind kMonthCalendarKind = {
    MONTHCAL_CLASSA, "", {kStepFont, kStepCentre, kStepDisable, kStepShow, kStepEnd}};

}  // namespace

MonthCalendar::MonthCalendar()
{
    ClearBasicControl(*this);
    BindProperties();
}

MonthCalendar::MonthCalendar(const String& text, int identifier, int x, int y, int width,
                             int height, Control parentControl, bool enabled, bool visible,
                             bool centred, DWORD exStyle)
{
    ClearBasicControl(*this);
    BindProperties();
    Create(text, identifier, x, y, width, height, parentControl, enabled, visible, centred,
           exStyle);
}

void MonthCalendar::BindProperties()
{
    TitleBackColor.Bind(this, NULL, &MonthCalendar::SetTitleBackColor);
    TitleTextColor.Bind(this, NULL, &MonthCalendar::SetTitleTextColor);
    MonthBackColor.Bind(this, NULL, &MonthCalendar::SetMonthBackColor);
    TrailingTextColor.Bind(this, NULL, &MonthCalendar::SetTrailingTextColor);
    Day.Bind(this, &MonthCalendar::GetDay, &MonthCalendar::SetDayValue);
    Month.Bind(this, &MonthCalendar::GetMonth, &MonthCalendar::SetMonthValue);
    Year.Bind(this, &MonthCalendar::GetYear, &MonthCalendar::SetYearValue);
}

bool MonthCalendar::Create(const String& text, int identifier, int x, int y, int width,
                           int height, Control parentControl, bool enabled, bool visible,
                           bool centred, DWORD exStyle)
{
    ControlPlacement place = {text, identifier, x, y, width, height, enabled, visible, centred, exStyle};
    return CreateBasicControl(*this, kMonthCalendarKind, kMonthCalendarStyle, place, parentControl);
}

void MonthCalendar::SetTitleBackColor(COLORREF colour)
{
    SendMessageA(hwnd, MCM_SETCOLOR, MCSC_TITLEBK, colour);
}

void MonthCalendar::SetTitleTextColor(COLORREF colour)
{
    SendMessageA(hwnd, MCM_SETCOLOR, MCSC_TITLETEXT, colour);
}

// The days of the months before and after are drawn in the background colour,
// so only the month's own days show.
void MonthCalendar::SetMonthBackColor(COLORREF colour)
{
    SendMessageA(hwnd, MCM_SETCOLOR, MCSC_MONTHBK, colour);
    SendMessageA(hwnd, MCM_SETCOLOR, MCSC_TRAILINGTEXT, colour);
}

void MonthCalendar::SetTrailingTextColor(COLORREF colour)
{
    SendMessageA(hwnd, MCM_SETCOLOR, MCSC_TRAILINGTEXT, colour);
}

bool MonthCalendar::Selected(SYSTEMTIME& date)
{
    ZeroMemory(&date, sizeof date);
    return hwnd != NULL &&
           SendMessageA(hwnd, MCM_GETCURSEL, 0, reinterpret_cast<LPARAM>(&date)) != 0;
}

int MonthCalendar::Field(WORD SYSTEMTIME::*field)
{
    SYSTEMTIME date;
    return Selected(date) ? date.*field : 0;
}

bool MonthCalendar::SetField(WORD SYSTEMTIME::*field, int value)
{
    SYSTEMTIME date;
    return Selected(date) && SetTimeField(date, field, value) &&
           SetDate(date.wYear, date.wMonth, date.wDay);
}

bool MonthCalendar::SetDate(int year, int month, int day)
{
    if (hwnd == NULL || !IsValidDate(year, month, day))
        return false;
    SYSTEMTIME date;
    ZeroMemory(&date, sizeof date);
    date.wYear = static_cast<WORD>(year);
    date.wMonth = static_cast<WORD>(month);
    date.wDay = static_cast<WORD>(day);
    // The day on show is not selected again, so that a calendar and a picker
    // that follow each other's notices never echo one change back and forth.
    SYSTEMTIME shown;
    if (Selected(shown) && SameDay(shown, date))
        return true;
    FillDayOfWeek(date);
    return SendMessageA(hwnd, MCM_SETCURSEL, 0, reinterpret_cast<LPARAM>(&date)) != 0;
}

bool MonthCalendar::SetDay(int day) { return SetField(&SYSTEMTIME::wDay, day); }
bool MonthCalendar::SetMonth(int month) { return SetField(&SYSTEMTIME::wMonth, month); }
bool MonthCalendar::SetYear(int year) { return SetField(&SYSTEMTIME::wYear, year); }

int MonthCalendar::GetDay() { return Field(&SYSTEMTIME::wDay); }
int MonthCalendar::GetMonth() { return Field(&SYSTEMTIME::wMonth); }
int MonthCalendar::GetYear() { return Field(&SYSTEMTIME::wYear); }

void MonthCalendar::SetDayValue(int day) { SetDay(day); }
void MonthCalendar::SetMonthValue(int month) { SetMonth(month); }
void MonthCalendar::SetYearValue(int year) { SetYear(year); }
