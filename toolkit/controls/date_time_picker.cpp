#include "date_time_picker.h"

#include <commctrl.h>

#include "basic_control.h"
#include "calendar_date.h"

static_assert(kDateTimePickerStyle == (WS_CHILD | WS_TABSTOP | DTS_LONGDATEFORMAT),
              "date and time picker style");

const char kDateTimePickerFormat[] = "dddd MMMM dd, yyyy - hh:mm:ss tt";

namespace {

// The own step sets the format, before the font.
const ControlKind kDateTimePickerKind = {
    DATETIMEPICK_CLASSA, "", {kStepOwn, kStepFont, kStepCentre, kStepDisable, kStepShow, kStepEnd}};

void SetFormatStep(Control& control, void*)
{
    SendMessageA(control.hwnd, DTM_SETFORMATA, 0, reinterpret_cast<LPARAM>(kDateTimePickerFormat));
}

}  // namespace

DateTimePicker::DateTimePicker()
{
    ClearBasicControl(*this);
    BindProperties();
}

DateTimePicker::DateTimePicker(const String& text, int identifier, int x, int y, int width,
                               int height, Control parentControl, bool enabled, bool visible,
                               bool centred, DWORD exStyle)
{
    ClearBasicControl(*this);
    BindProperties();
    Create(text, identifier, x, y, width, height, parentControl, enabled, visible, centred,
           exStyle);
}

void DateTimePicker::BindProperties()
{
    Day.Bind(this, &DateTimePicker::GetDay, &DateTimePicker::SetDayValue);
    Month.Bind(this, &DateTimePicker::GetMonth, &DateTimePicker::SetMonthValue);
    Year.Bind(this, &DateTimePicker::GetYear, &DateTimePicker::SetYearValue);
    Hour.Bind(this, &DateTimePicker::GetHour, &DateTimePicker::SetHourValue);
    Minute.Bind(this, &DateTimePicker::GetMinute, &DateTimePicker::SetMinuteValue);
    Second.Bind(this, &DateTimePicker::GetSecond, &DateTimePicker::SetSecondValue);
}

bool DateTimePicker::Create(const String& text, int identifier, int x, int y, int width,
                            int height, Control parentControl, bool enabled, bool visible,
                            bool centred, DWORD exStyle)
{
    ControlPlacement place = {text, identifier, x, y, width, height, enabled, visible, centred, exStyle};
    return CreateBasicControl(*this, kDateTimePickerKind, kDateTimePickerStyle, place,
                              parentControl, SetFormatStep);
}

bool DateTimePicker::Current(SYSTEMTIME& time)
{
    ZeroMemory(&time, sizeof time);
    return hwnd != NULL &&
           SendMessageA(hwnd, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time)) == GDT_VALID;
}

// The day of the week is worked out here: the picker shows the one it is
// given. A moment already on show is not set again, so that a picker and a
// calendar that follow each other's notices never echo one change back and forth.
bool DateTimePicker::SetCurrent(SYSTEMTIME& time)
{
    if (hwnd == NULL || !IsValidDateTime(time) || !FillDayOfWeek(time))
        return false;
    SYSTEMTIME shown;
    const bool hadOne = Current(shown);
    if (hadOne && SameSecond(shown, time))
        return true;
    // The picker accepts the message and keeps nothing for a moment outside
    // its range (before 1753, say), or keeps another: what it holds afterwards
    // is what counts, and a moment it did not take leaves the previous one.
    SendMessageA(hwnd, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&time));
    SYSTEMTIME taken;
    if (Current(taken) && SameSecond(taken, time))
        return true;
    if (hadOne && !SameSecond(taken, shown))
        SendMessageA(hwnd, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&shown));
    return false;
}

bool DateTimePicker::SetField(WORD SYSTEMTIME::*field, int value)
{
    SYSTEMTIME time;
    return Current(time) && SetTimeField(time, field, value) && SetCurrent(time);
}

int DateTimePicker::Field(WORD SYSTEMTIME::*field)
{
    SYSTEMTIME time;
    return Current(time) ? time.*field : 0;
}

bool DateTimePicker::SetDate(int year, int month, int day)
{
    SYSTEMTIME time;
    if (!Current(time) || !IsValidDate(year, month, day))
        return false;
    time.wYear = static_cast<WORD>(year);
    time.wMonth = static_cast<WORD>(month);
    time.wDay = static_cast<WORD>(day);
    return SetCurrent(time);
}

bool DateTimePicker::SetDay(int day) { return SetField(&SYSTEMTIME::wDay, day); }
bool DateTimePicker::SetMonth(int month) { return SetField(&SYSTEMTIME::wMonth, month); }
bool DateTimePicker::SetYear(int year) { return SetField(&SYSTEMTIME::wYear, year); }
bool DateTimePicker::SetHour(int hour) { return SetField(&SYSTEMTIME::wHour, hour); }
bool DateTimePicker::SetMinute(int minute) { return SetField(&SYSTEMTIME::wMinute, minute); }
bool DateTimePicker::SetSecond(int second) { return SetField(&SYSTEMTIME::wSecond, second); }

int DateTimePicker::GetDay() { return Field(&SYSTEMTIME::wDay); }
int DateTimePicker::GetMonth() { return Field(&SYSTEMTIME::wMonth); }
int DateTimePicker::GetYear() { return Field(&SYSTEMTIME::wYear); }
int DateTimePicker::GetHour() { return Field(&SYSTEMTIME::wHour); }
int DateTimePicker::GetMinute() { return Field(&SYSTEMTIME::wMinute); }
int DateTimePicker::GetSecond() { return Field(&SYSTEMTIME::wSecond); }

void DateTimePicker::SetDayValue(int day) { SetDay(day); }
void DateTimePicker::SetMonthValue(int month) { SetMonth(month); }
void DateTimePicker::SetYearValue(int year) { SetYear(year); }
void DateTimePicker::SetHourValue(int hour) { SetHour(hour); }
void DateTimePicker::SetMinuteValue(int minute) { SetMinute(minute); }
void DateTimePicker::SetSecondValue(int second) { SetSecond(second); }
