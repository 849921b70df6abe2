// Bars: a CoolBar whose bands hold a tool bar, a combo box and a text box,
// and a small window with a tool bar of its own and a status bar with raised
// parts, which tells what was clicked.
#include "pages.h"

namespace {

enum {
    kCoolBar = 1,
    kBandTools,
    kZoom,
    kSearch,
    kWindowTools,
    kWindowStatus,
    kNew = 20,
    kOpen,
    kSave,
    kCut,
    kCopy,
    kPaste,
    kHelp,
};

const char* const kCommandNames[] = {"New", "Open", "Save", "Cut", "Copy", "Paste", "Help"};

CoolBar coolBar;
ToolBar bandTools;
ComboBox zoom;
TextBox search;
Form smallWindow;
ToolBar windowTools;
StatusBar windowStatus;

INT_PTR CALLBACK BarsProc(HWND, UINT message, WPARAM wParam, LPARAM)
{
    if (message != WM_COMMAND)
        return FALSE;
    int command = LOWORD(wParam);
    if (command >= kNew && command <= kHelp) {
        windowStatus.SetText(0, String("Clicked: ") + kCommandNames[command - kNew]);
        return TRUE;
    }
    if (command == kZoom && HIWORD(wParam) == CBN_SELCHANGE) {
        windowStatus.SetText(0, "Zoom: " + zoom.ItemText(zoom.SelectedIndex));
        return TRUE;
    }
    return FALSE;
}

}  // namespace

void bars_page(Form& page)
{
    page.DialogProcedure = BarsProc;

    // The CoolBar lays itself out along the top of the page; each band holds a control.
    coolBar.Create(kCoolBar, page);
    bandTools.Create(kBandTools, coolBar);
    bandTools.ShowText(true);
    bandTools.AddButton("New", I_IMAGENONE, kNew);
    bandTools.AddButton("Open", I_IMAGENONE, kOpen);
    bandTools.AddButton("Save", I_IMAGENONE, kSave);
    coolBar.AddBand("File", bandTools);
    zoom.Create("", kZoom, 0, 0, 90, 150, coolBar, true, true, false, true);
    const char* zooms[] = {"50%", "100%", "200%"};
    for (const char* z : zooms)
        zoom.Add(z);
    zoom.SetSelectedIndex(1);
    coolBar.AddBand("Zoom", zoom);
    search.Create("Search", kSearch, 0, 0, 200, 22, coolBar, true, true, false, false,
                  WS_EX_CLIENTEDGE);
    coolBar.AddBand("Find", search, true, RGB(0, 0, 160));

    Label("Drag a band by its gripper to move it.", 0, 20, 100, 400, 20, page);

    // A small window of its own: a tool bar at its top, a status bar at its
    // bottom. Its commands go on to the page.
    smallWindow.Create("A small window", 40, 140, 520, 240, kFormDialog, true, true, false, false,
                       false, page, true);
    smallWindow.DialogProcedure = ForwardCommandProc;
    windowTools.Create(kWindowTools, smallWindow);
    ImageList pictures;
    pictures.AddIconHandle(LoadIconA(NULL, IDI_WARNING));
    pictures.AddIconHandle(LoadIconA(NULL, IDI_ERROR));
    pictures.AddIconHandle(LoadIconA(NULL, IDI_INFORMATION));
    pictures.AddIconHandle(LoadIconA(NULL, IDI_QUESTION));
    windowTools.SetImageList(pictures);
    windowTools.AddButton("Cut", 0, kCut);
    windowTools.AddButton("Copy", 1, kCopy);
    windowTools.AddButton("Paste", 2, kPaste);
    windowTools.AddSeparator();
    windowTools.AddButton("Help", 3, kHelp);
    Label("Click a button of the tool bar above: the status bar below tells which.", 0, 20, 80,
          470, 20, smallWindow);
    windowStatus.Create("Nothing clicked yet;Raised;Flat;Raised too", kWindowStatus, smallWindow,
                        4);
    windowStatus.SetRaised(1, true);
    windowStatus.SetRaised(3, true);
}
