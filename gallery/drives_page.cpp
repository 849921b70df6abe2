// Drives: the drive combo box, with the chosen drive written below it and a
// button that has the list read again half a second later.
#include "pages.h"

namespace {

enum { kDrivesId = 1, kWatch };

DriveComboBox drives;
Label chosen;

void ShowChosen()
{
    int index = drives.SelectedIndex;
    if (index < 0)
        chosen.Text = "No drive chosen";
    else
        chosen.Text = "Chosen drive: " + drives.DriveAt(index);
}

INT_PTR CALLBACK DrivesProc(HWND, UINT message, WPARAM wParam, LPARAM)
{
    if (message != WM_COMMAND)
        return FALSE;
    if (LOWORD(wParam) == kDrivesId && HIWORD(wParam) == CBN_SELCHANGE) {
        ShowChosen();
        return TRUE;
    }
    if (LOWORD(wParam) == kWatch) {
        drives.WatchDrives(500);
        return TRUE;
    }
    return FALSE;
}

}  // namespace

void drives_page(Form& page)
{
    page.DialogProcedure = DrivesProc;
    Label("The drives of this machine", 0, 10, 10, 300, 20, page);
    drives.Create("", kDrivesId, 10, 32, 300, 200, page, true, true, false, true);
    drives.SetSelectedIndex(0);
    Button("Read the drives again", kWatch, 330, 30, 200, 28, page);
    chosen.Create("", 0, 10, 70, 580, 20, page);
    ShowChosen();
}
