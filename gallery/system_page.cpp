// System: what the System object reports about this machine (version,
// folders, drives and running programs) and the mouse pointer's position,
// read again every tenth of a second.
#include "pages.h"

namespace {

enum {
    kMouseLabel = 1,
    kCentrePointer,
};

Form* systemPage = NULL;
Label mouseLabel;

// One line per drive: letter, type and volume label.
StringList DriveLines()
{
    StringList letters = System.Drives;
    StringList types = System.DriveTypes;
    StringList labels = System.VolumeNames;
    StringList lines;
    for (int i = 0; i < letters.Count; ++i) {
        String line = letters.Item(i) + ":    " + (i < types.Count ? types.Item(i) : String("?"));
        if (i < labels.Count && !labels.Item(i).empty())
            line += "    \"" + labels.Item(i) + "\"";
        lines.Add(line);
    }
    return lines;
}

void ShowMousePosition()
{
    mouseLabel.Text = "Mouse pointer: x " + NumberString(Mouse.X(), 0) + ", y " + NumberString(Mouse.Y(), 0);
}

INT_PTR CALLBACK SystemProc(HWND, UINT message, WPARAM wParam, LPARAM)
{
    if (message == WM_TIMER) {
        ShowMousePosition();
        return TRUE;
    }
    if (message == WM_COMMAND && LOWORD(wParam) == kCentrePointer) {
        RECT area;
        GetWindowRect(systemPage->hwnd, &area);
        Mouse.MoveTo((area.left + area.right) / 2, (area.top + area.bottom) / 2);
        ShowMousePosition();
        return TRUE;
    }
    return FALSE;
}

}  // namespace

void system_page(Form& page)
{
    systemPage = &page;
    page.DialogProcedure = SystemProc;

    const String facts[] = {
        "Windows version: " + System.OSVersion(),
        "Windows folder: " + System.WindowsDirectory() + "    system folder: " + System.SystemDirectory() +
            " (drive " + System.SystemDrive() + ")",
        "Current folder: " + System.CurrentDirectory(),
        "User: " + System.UserName() + "    computer: " + System.ComputerName(),
    };
    for (int i = 0; i < 4; ++i)
        Label(facts[i], 0, 10, 10 + i * 22, 580, 20, page);

    Label("Drives", 0, 10, 104, 280, 20, page);
    // Lists, which show a scroll bar only when their lines do not fit.
    ListBox drives("", 0, 10, 126, 280, 220, page);
    StringList driveLines = DriveLines();
    for (int i = 0; i < driveLines.Count; ++i)
        drives.Add(driveLines.Item(i));
    Label("Running programs", 0, 305, 104, 285, 20, page);
    ListBox programs("", 0, 305, 126, 285, 220, page);
    StringList running = System.Processes;
    for (int i = 0; i < running.Count; ++i)
        programs.Add(running.Item(i));

    mouseLabel.Create("", kMouseLabel, 10, 366, 300, 20, page);
    Button("Pointer to the centre", kCentrePointer, 400, 360, 190, 28, page);
    ShowMousePosition();
    page.AddTimer("mouse", 100);
}
