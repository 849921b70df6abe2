// The Wicker gallery: a form with a column of page buttons on the left and
// the chosen page on the right.
//
//     gallery.exe                 opens on the first page
//     gallery.exe --page <name>   opens on that page
//     gallery.exe --list-pages    prints the page names, one a line
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "pages.h"
#include "wicker.h"

namespace {

const int kButtonWidth = 130;
const int kButtonHeight = 28;
const int kMargin = 10;
// Page buttons have the identifiers kFirstPageButton, kFirstPageButton + 1, ...
const int kFirstPageButton = 100;

Form mainForm;
std::vector<Form> pageForms;
int shownPage = -1;

// The page button of a page, adopted from the main form.
Control PageButton(int index)
{
    return Control(GetDlgItem(mainForm.hwnd, kFirstPageButton + index));
}

// Builds the page the first time it is shown, then shows it alone; the button
// of the page on show is greyed, so the column tells where the user is.
void ShowPage(int index)
{
    if (index == shownPage)
        return;
    Form& page = pageForms[index];
    if (!page.Exists()) {
        page.Create(galleryPages[index].title, 2 * kMargin + kButtonWidth, kMargin, kPageWidth,
                    kPageHeight, kFormPopup, true, false, false, false, false, mainForm, true);
        galleryPages[index].build(page);
    }
    if (shownPage >= 0) {
        pageForms[shownPage].Hide();
        PageButton(shownPage).Enable();
    }
    PageButton(index).Disable();
    page.Show();
    shownPage = index;
    mainForm.Text = String("Wicker gallery - ") + galleryPages[index].title;
}

INT_PTR CALLBACK MainProc(HWND, UINT message, WPARAM wParam, LPARAM)
{
    if (message == WM_CLOSE) {
        PostQuitMessage(0);
        return TRUE;
    }
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
        int index = LOWORD(wParam) - kFirstPageButton;
        if (index >= 0 && index < galleryPageCount) {
            ShowPage(index);
            return TRUE;
        }
    }
    return FALSE;
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
    int first = 0;
    for (int i = 1; i < __argc; ++i) {
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

    int height = kPageHeight + 2 * kMargin;
    mainForm.Create("Wicker gallery", 0, 0, kPageWidth + kButtonWidth + 3 * kMargin, height,
                    kFormDialogMinBox, true, false, false, false, true);
    // The size asked for is the client area's: the frame comes on top.
    RECT frame = {0, 0, kPageWidth + kButtonWidth + 3 * kMargin, height};
    AdjustWindowRectEx(&frame, mainForm.GetStyle(), FALSE, mainForm.GetExStyle());
    mainForm.Resize(frame.right - frame.left, frame.bottom - frame.top, true);
    mainForm.DialogProcedure = MainProc;

    pageForms.resize(galleryPageCount);
    for (int i = 0; i < galleryPageCount; ++i) {
        Button pageButton(galleryPages[i].title, kFirstPageButton + i, kMargin,
                          kMargin + i * (kButtonHeight + 6), kButtonWidth, kButtonHeight,
                          mainForm);
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
