// Calendar: a month calendar and a date and time picker that follow each
// other (pick a day in one and the other shows it), and a short clip made by
// the gallery's own clip writer (sample.avi, beside gallery.exe) playing in a
// video control.
#include "pages.h"

namespace {

enum {
    kCalendar = 1,
    kPicker,
    kChosen,
    kVideo,
    kPlay,
    kStop,
};

MonthCalendar calendar;
DateTimePicker picker;
Label chosen;
VideoControl video;

const char* const kMonthNames[] = {"January", "February", "March",     "April",   "May",      "June",
                                   "July",    "August",   "September", "October", "November", "December"};

void ShowChosen()
{
    int month = calendar.Month;
    if (month < 1 || month > 12)
        return;
    chosen.Text = "Chosen: " + NumberString(calendar.Day, 0) + " " + kMonthNames[month - 1] + " " +
                  NumberString(calendar.Year, 0) + ", " + NumberString(DaysInMonth(calendar.Year, month), 0) +
                  " days in the month";
}

INT_PTR CALLBACK CalendarProc(HWND, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NOTIFY) {
        const NMHDR* note = reinterpret_cast<const NMHDR*>(lParam);
        if (note->idFrom == kCalendar && note->code == MCN_SELCHANGE) {
            picker.SetDate(calendar.Year, calendar.Month, calendar.Day);
            ShowChosen();
        } else if (note->idFrom == kPicker && note->code == DTN_DATETIMECHANGE) {
            calendar.SetDate(picker.Year, picker.Month, picker.Day);
            ShowChosen();
        }
        return FALSE;
    }
    if (message != WM_COMMAND)
        return FALSE;
    switch (LOWORD(wParam)) {
    case kPlay:
        video.Play(0, true, -1);
        return TRUE;
    case kStop:
        video.Stop();
        return TRUE;
    }
    return FALSE;
}

}  // namespace

void calendar_page(Form& page)
{
    page.DialogProcedure = CalendarProc;

    Label("Pick a day", 0, 10, 10, 210, 20, page);
    calendar.Create("", kCalendar, 10, 32, 210, 160, page);
    calendar.TitleBackColor = RGB(0x20, 0x30, 0x60);
    calendar.TitleTextColor = RGB(0xF0, 0xD0, 0x40);
    calendar.MonthBackColor = RGB(0xFF, 0xFF, 0xF0);
    // The neighbouring months' days, apart from the month's own.
    calendar.TrailingTextColor = GetSysColor(COLOR_GRAYTEXT);

    Label("The same day, with a time", 0, 240, 10, 300, 20, page);
    picker.Create("", kPicker, 240, 32, 300, 24, page);

    calendar.SetDate(2026, 3, 1);
    picker.SetDate(2026, 3, 1);
    picker.Hour = 13;
    picker.Minute = 5;
    picker.Second = 9;
    chosen.Create("", kChosen, 240, 70, 300, 20, page);
    ShowChosen();

    Label("A clip made by the gallery's own writer", 0, 10, 210, 300, 20, page);
    video.Create(kVideo, page, App.Path() + "\\sample.avi", 10, 232, 120, 90, true, true);
    Button("Play", kPlay, 150, 232, 90, 28, page);
    Button("Stop", kStop, 150, 268, 90, 28, page);
}
