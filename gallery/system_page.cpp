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
String DriveLines()
{
    StringList letters = System.Drives;
    StringList types = System.DriveTypes;
    StringList labels = System.VolumeNames;
    String text;
    for (int i = 0; i < letters.Count; ++i) {
        text += letters.Item(i) + ":    " + (i < types.Count ? types.Item(i) : String("?"));
        if (i < labels.Count && !labels.Item(i).empty())
            text += "    \"" + labels.Item(i) + "\"";
        text += "\r\n";
    }
    return text;
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
    ReadOnlyBox(DriveLines(), 0, 10, 126, 280, 220, page, true, true, false, true, WS_EX_CLIENTEDGE);
    Label("Running programs", 0, 305, 104, 285, 20, page);
    ReadOnlyBox(StringList(System.Processes).Join("\r\n"), 0, 305, 126, 285, 220, page, true, true,
                false, true, WS_EX_CLIENTEDGE);

    mouseLabel.Create("", kMouseLabel, 10, 366, 300, 20, page);
    Button("Pointer to the centre", kCentrePointer, 400, 360, 190, 28, page);
    ShowMousePosition();
    page.AddTimer("mouse", 100);
}
