// List view: the system's icons in an icon view, arranged on request; the
// chosen icon's name shows below.
#include "pages.h"

namespace {

enum {
    kIcons = 1,
    kArrangeLeft,
    kArrangeTop,
    kChosen,
};

ListView icons;
Label chosen;

void ShowChosen()
{
    int index = icons.SelectedIndex;
    chosen.Text = index < 0 ? String("Click an icon") : "Chosen: " + icons.ItemText(index);
}

INT_PTR CALLBACK ListViewProc(HWND, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NOTIFY) {
        const NMHDR* notice = reinterpret_cast<const NMHDR*>(lParam);
        if (notice->idFrom == kIcons && notice->code == LVN_ITEMCHANGED)
            ShowChosen();
        return FALSE;
    }
    if (message != WM_COMMAND)
        return FALSE;
    switch (LOWORD(wParam)) {
    case kArrangeLeft:
        icons.ArrangeLeft();
        return TRUE;
    case kArrangeTop:
        icons.ArrangeTop();
        return TRUE;
    }
    return FALSE;
}

}  // namespace

void listview_page(Form& page)
{
    page.DialogProcedure = ListViewProc;

    Label("The system's icons", 0, 10, 10, 400, 20, page);
    icons.Create("", kIcons, 10, 32, 580, 300, page);

    // The window keeps its own holder of the list: this one may go.
    ImageList pictures(kStandardIcons);
    const char* names[] = {"Application", "Information", "Question", "Warning", "Error",
                           "Windows logo"};
    LPCSTR standard[] = {IDI_APPLICATION, IDI_INFORMATION, IDI_QUESTION, IDI_WARNING, IDI_ERROR,
                         IDI_WINLOGO};
    for (int i = 0; i < 6; ++i)
        icons.Add(names[i], pictures.AddIconHandle(LoadIconA(NULL, standard[i])));
    // Then what the shell shows for files, folders and drives.
    int first = pictures.Count;
    int shell = pictures.LoadSystemIcons(true, 12);
    for (int i = 0; i < shell; ++i)
        icons.Add("Shell icon " + NumberString(i + 1, 0), first + i);
    icons.SetImageList(pictures);

    Button arrangeLeft("Arrange down the left", kArrangeLeft, 10, 344, 180, 28, page);
    Button arrangeTop("Arrange along the top", kArrangeTop, 200, 344, 180, 28, page);
    chosen.Create("", kChosen, 10, 384, 580, 20, page);
    // The list takes whatever room the page gets; the buttons and the line
    // below it stay at the bottom.
    icons.SetAnchor(Anchor::All);
    arrangeLeft.SetAnchor(Anchor::Left | Anchor::Bottom);
    arrangeTop.SetAnchor(Anchor::Left | Anchor::Bottom);
    chosen.SetAnchor(Anchor::Left | Anchor::Right | Anchor::Bottom);
    ShowChosen();
}
