// Tabs: a tab control with a picture on each tab and a control on each page:
// a text box, a small form with buttons, a read-only box.
// The "Buttons" page holds a small form of its own whose commands go on to
// the tab control (ForwardCommandProc) and from there to this page's
// procedure, which shows the last click.
#include "pages.h"

namespace {

enum { kTabId = 1, kFirstButtonId = 10 };

Tab tabs;
TextBox notes;
Form buttonsPanel;
Button buttons[3];
Label clicked;
ReadOnlyBox about;
TabPage notesPage, buttonsPage, aboutPage;

INT_PTR CALLBACK TabsProc(HWND, UINT message, WPARAM wParam, LPARAM)
{
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
        int index = LOWORD(wParam) - kFirstButtonId;
        if (index >= 0 && index < 3) {
            clicked.Text = "You clicked " + buttons[index].Text();
            return TRUE;
        }
    }
    return FALSE;
}

}  // namespace

void tabs_page(Form& page)
{
    tabs.Create("", kTabId, 10, 10, 580, 420, page);
    ImageList pictures;
    pictures.AddIconHandle(LoadIconA(NULL, IDI_INFORMATION));
    pictures.AddIconHandle(LoadIconA(NULL, IDI_QUESTION));
    pictures.AddIconHandle(LoadIconA(NULL, IDI_WARNING));
    tabs.SetImageList(pictures);

    notesPage = tabs.AddPage("Notes", 0);
    buttonsPage = tabs.AddPage("Buttons", 1);
    aboutPage = tabs.AddPage("About", 2);

    notes.Create("Each tab shows its own page.\r\nClick the tabs above to switch pages.", 0, 0,
                 0, 100, 100, page, true, true, false, true, WS_EX_CLIENTEDGE);
    notesPage.AttachControl(notes);

    // A page with several controls: a small form holds them.
    buttonsPanel.Create("", 0, 0, 100, 100, kFormPopup, true, true, false, false, false, page,
                        true);
    buttonsPanel.DialogProcedure = ForwardCommandProc;
    const char* const names[] = {"Red", "Green", "Blue"};
    for (int i = 0; i < 3; ++i)
        buttons[i].Create(names[i], kFirstButtonId + i, 20, 20 + i * 40, 120, 30, buttonsPanel);
    clicked.Create("Click a button.", 0, 160, 26, 300, 20, buttonsPanel);
    buttonsPage.AttachControl(buttonsPanel);

    about.Create("Tab pages show any control: here a read-only box.\r\n\r\n"
                 "A page with several controls holds a small form of its own.",
                 0, 0, 0, 100, 100, page, true, true, false, true);
    aboutPage.AttachControl(about);

    tabs.SelectPage(buttonsPage);
    page.DialogProcedure = TabsProc;
    // The tab control grows with the page, and each tab's control with it.
    tabs.SetAnchor(Anchor::All);
    notes.SetAnchor(Anchor::All);
    buttonsPanel.SetAnchor(Anchor::All);
    about.SetAnchor(Anchor::All);
}
