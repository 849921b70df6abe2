// The Wicker gallery: a form with a menu bar, a tool bar, a column of page
// buttons on the left, the chosen page on the right, and a status bar telling
// what the pointer is over. The form can be resized: the page grows with it,
// the column of page buttons stays on the left.
//
//     gallery.exe                 opens on the first page
//     gallery.exe --page <name>   opens on that page
//     gallery.exe --list-pages    prints the page names, one a line
//     gallery.exe --dark          dark whatever the system's setting
//     gallery.exe --light         light whatever the system's setting
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "pages.h"
#include "wicker.h"

namespace {

const int kButtonWidth = 130;
const int kButtonHeight = 28;
const int kMargin = 10;
// Page buttons have the identifiers kFirstPageButton, kFirstPageButton + 1, ...
const int kFirstPageButton = 100;
// ... and the page items of the Pages menu kFirstPageItem, kFirstPageItem + 1, ...
const int kFirstPageItem = 200;
// The other menu items, tool-bar buttons and bars.
enum {
    kFileMenu = 1,
    kPagesMenu,
    kHelpMenu,
    kExit,
    kPreviousPage,
    kNextPage,
    kAbout,
    kToolBar,
    kStatusBar,
};

Form mainForm;
MenuBar menuBar;
std::vector<MenuItem> pageItems;
ToolBar toolBar;
StatusBar statusBar;
std::vector<Form> pageForms;
int shownPage = -1;
// Where the page buttons and pages start, below the tool bar.
int pageTop = kMargin;

// The page button of a page, adopted from the main form.
Control PageButton(int index)
{
    return Control(GetDlgItem(mainForm.hwnd, kFirstPageButton + index));
}

// The page area right of the buttons, between the tool bar and the status
// bar, in the window's pixels (the margins and the column are logical sizes).
RECT PageArea()
{
    int margin = LogicalToPixels(mainForm, kMargin);
    RECT area = {LogicalToPixels(mainForm, 2 * kMargin + kButtonWidth),
                 LogicalToPixels(mainForm, pageTop), mainForm.ClientWidth - margin,
                 mainForm.ClientHeight - margin - statusBar.Height};
    return area;
}

// Builds the page the first time it is shown, then shows it alone; the button
// of the page on show is greyed, so the column tells where the user is.
void ShowPage(int index)
{
    if (index == shownPage)
        return;
    Form& page = pageForms[index];
    if (!page.Exists()) {
        page.Create(galleryPages[index].title, 2 * kMargin + kButtonWidth, pageTop, kPageWidth,
                    kPageHeight, kFormPopup, true, false, false, false, false, mainForm, true);
        galleryPages[index].build(page);
        // Built at the size the pages are drawn for, then fitted to the page
        // area of the form as it is now; from then on it grows and shrinks
        // with the form.
        RECT area = PageArea();
        page.Move(area.left, area.top);
        page.Resize(area.right - area.left, area.bottom - area.top, false);
        page.SetAnchor(Anchor::All);
    }
    if (shownPage >= 0) {
        pageForms[shownPage].Hide();
        PageButton(shownPage).Enable();
        pageItems[shownPage].Uncheck();
    }
    PageButton(index).Disable();
    pageItems[index].Check();
    page.Show();
    shownPage = index;
    mainForm.Text = String("Wicker gallery - ") + galleryPages[index].title;
    statusBar.SetText(1, String("Page ") + NumberString(index + 1, 0) + " of " +
                             NumberString(galleryPageCount, 0));
}

// A control's text as one short line for the status bar: its first line,
// tabs (which a status bar takes as alignment marks) as spaces, and at most
// kShortLine characters, with "..." where it was cut.
String ShortLine(const String& text)
{
    const int kShortLine = 36;
    std::string line;
    for (const char* c = text.CStr(); *c != '\0' && *c != '\r' && *c != '\n'; ++c)
        line.push_back(*c == '\t' ? ' ' : *c);
    String shown(line.c_str());
    if (shown.Length > kShortLine || line.size() < std::strlen(text.CStr()))
        shown = WholeCharactersPrefix(shown, kShortLine) + "...";
    return shown;
}

// What the status bar says about the window under the pointer.
String Describe(HWND window)
{
    Control control(window);
    for (int i = 0; i < galleryPageCount; ++i) {
        if (window == PageButton(i).hwnd)
            return String("Shows the ") + galleryPages[i].title + " page";
        if (window == pageForms[i].hwnd)
            return String("The ") + galleryPages[i].title + " page";
    }
    if (window == toolBar.hwnd)
        return "The tool bar: the previous page, the next page, about the gallery";
    if (window == statusBar.hwnd)
        return "The status bar";
    if (window == mainForm.hwnd)
        return "";
    char kind[64] = "";
    // The list part of an extended combo box draws its items itself and keeps
    // no texts (its window text is the chosen item's data): the box it
    // belongs to tells the item shown.
    HWND parent = GetParent(window);
    if (parent != NULL && GetClassNameA(parent, kind, sizeof kind) &&
        lstrcmpiA(kind, WC_COMBOBOXEXA) == 0) {
        ComboBox box;
        box.hwnd = parent;
        int chosen = box.SelectedIndex;
        String shown = box.ItemText(chosen);
        if (shown.empty())
            return String("A control of class ") + kind;
        return String(kind) + " \"" + ShortLine(shown) + "\"";
    }
    GetClassNameA(window, kind, sizeof kind);
    // Forms are windows of the dialog class.
    if (String(kind) == "#32770")
        lstrcpyA(kind, "Form");
    String text = control.Text;
    if (text.empty())
        return String("A control of class ") + kind;
    return String(kind) + " \"" + ShortLine(text) + "\"";
}

INT_PTR CALLBACK MainProc(HWND, UINT message, WPARAM wParam, LPARAM)
{
    // The bars fit themselves to the form's new width; the pages are
    // anchored and follow by themselves.
    if (message == WM_SIZE) {
        toolBar.UpdateLayout();
        statusBar.UpdateLayout();
        statusBar.Parts = 2;
        return FALSE;
    }
    if (message == WM_CLOSE) {
        PostQuitMessage(0);
        return TRUE;
    }
    // Every window passes WM_SETCURSOR on to its parent first, so the form
    // hears of the pointer moving over any of its windows, its pages'
    // controls included; the cursor is then set as usual.
    if (message == WM_SETCURSOR) {
        String about = Describe(reinterpret_cast<HWND>(wParam));
        if (statusBar.Text(0) != about)
            statusBar.SetText(0, about);
        return FALSE;
    }
    if (message != WM_COMMAND)
        return FALSE;
    int command = LOWORD(wParam);
    if (command >= kFirstPageButton && command < kFirstPageButton + galleryPageCount)
        ShowPage(command - kFirstPageButton);
    else if (command >= kFirstPageItem && command < kFirstPageItem + galleryPageCount)
        ShowPage(command - kFirstPageItem);
    else if (command == kPreviousPage)
        ShowPage((shownPage + galleryPageCount - 1) % galleryPageCount);
    else if (command == kNextPage)
        ShowPage((shownPage + 1) % galleryPageCount);
    else if (command == kAbout)
        InfoBox(mainForm, "The Wicker gallery shows the toolkit's controls, one page each.",
                "About the Wicker gallery");
    else if (command == kExit)
        PostQuitMessage(0);
    else
        return FALSE;
    return TRUE;
}

// File > Exit, Pages > one item per page, Help > About.
void BuildMenus()
{
    menuBar.AttachTo(mainForm);
    MenuItem file = menuBar.AddMenu("&File", kFileMenu);
    file.AddItem("E&xit", kExit);
    MenuItem pages = menuBar.AddMenu("&Pages", kPagesMenu);
    for (int i = 0; i < galleryPageCount; ++i)
        pageItems.push_back(pages.AddItem(galleryPages[i].title, kFirstPageItem + i));
    pages.AddSeparator();
    pages.AddItem("&Previous page", kPreviousPage);
    pages.AddItem("&Next page", kNextPage);
    MenuItem help = menuBar.AddMenu("&Help", kHelpMenu);
    help.AddItem("&About the gallery", kAbout);
}

void BuildToolBar()
{
    toolBar.Create(kToolBar, mainForm);
    ImageList pictures;
    pictures.AddIconHandle(LoadIconA(NULL, IDI_QUESTION));
    pictures.AddIconHandle(LoadIconA(NULL, IDI_INFORMATION));
    toolBar.SetImageList(pictures);
    toolBar.ShowText(true);
    toolBar.AddButton("Previous", I_IMAGENONE, kPreviousPage);
    toolBar.AddButton("Next", I_IMAGENONE, kNextPage);
    toolBar.AddSeparator();
    toolBar.AddButton("About", 1, kAbout);
}

int PageIndex(const char* name)
{
    for (int i = 0; i < galleryPageCount; ++i)
        if (std::strcmp(galleryPages[i].name, name) == 0)
            return i;
    return -1;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    // Sharp on high-DPI screens: sizes below are logical, the toolkit scales them.
    UseDpiScaling();
    // Light or dark as the user chose for apps, unless told otherwise.
    DarkMode mode = DarkMode::FollowSystem;
    int first = 0;
    for (int i = 1; i < __argc; ++i) {
        if (std::strcmp(__argv[i], "--dark") == 0)
            mode = DarkMode::On;
        if (std::strcmp(__argv[i], "--light") == 0)
            mode = DarkMode::Off;
        if (std::strcmp(__argv[i], "--list-pages") == 0) {
            for (int p = 0; p < galleryPageCount; ++p)
                std::printf("%s\n", galleryPages[p].name);
            std::fflush(stdout);
            return 0;
        }
        if (std::strcmp(__argv[i], "--page") == 0 && i + 1 < __argc) {
            first = PageIndex(__argv[++i]);
            if (first < 0) {
                std::fprintf(stderr, "gallery: no page named \"%s\"; --list-pages lists them\n",
                             __argv[i]);
                return 2;
            }
        }
    }

    SetDarkMode(mode);

    int width = kPageWidth + kButtonWidth + 3 * kMargin;
    mainForm.Create("Wicker gallery", 0, 0, width, kPageHeight, kFormStandard, true, false,
                    false, false, true);
    mainForm.DialogProcedure = MainProc;
    BuildMenus();
    BuildToolBar();
    statusBar.Create("", kStatusBar, mainForm, 2);
    // The layout is logical, and so are the bars' sizes read back.
    pageTop = toolBar.LogicalSize().cy + kMargin;
    int height = pageTop + kPageHeight + kMargin + statusBar.LogicalSize().cy;
    mainForm.SetClientSize(width, height, true);
    // Smaller, the pages would be cut off.
    mainForm.SetMinimumClientSize(width, height);
    // The status bar shares the new width between its parts.
    statusBar.UpdateLayout();
    statusBar.Parts = 2;
    statusBar.SetText(0, "Move the pointer over a control to hear about it here");

    // The column of page buttons is as tall as the page: with many pages the
    // buttons come closer together and grow flatter.
    int step = kButtonHeight + 6;
    if (step * galleryPageCount > kPageHeight + 6)
        step = (kPageHeight + 6) / galleryPageCount;
    int buttonHeight = step < kButtonHeight + 6 ? step - 4 : kButtonHeight;
    pageForms.resize(galleryPageCount);
    for (int i = 0; i < galleryPageCount; ++i) {
        Button pageButton(galleryPages[i].title, kFirstPageButton + i, kMargin, pageTop + i * step,
                          kButtonWidth, buttonHeight, mainForm);
    }
    ShowPage(first);
    mainForm.Show();

    MSG message;
    while (GetMessageA(&message, NULL, 0, 0) > 0) {
        if (IsDialogMessageA(mainForm.hwnd, &message))
            continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
