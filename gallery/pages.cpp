#include "pages.h"

// One line per page: PAGE(name, "Button text") lists <name>_page from
// <name>_page.cpp.
#define GALLERY_PAGES(PAGE)      \
    PAGE(forms, "Forms")         \
    PAGE(dialogs, "Dialogs")

#define DECLARE_PAGE(name, title) void name##_page(Form& page);
GALLERY_PAGES(DECLARE_PAGE)

#define LIST_PAGE(name, title) {#name, title, name##_page},
const GalleryPage galleryPages[] = {GALLERY_PAGES(LIST_PAGE)};
const int galleryPageCount = sizeof galleryPages / sizeof galleryPages[0];

Control AddPushButton(Form& form, const char* text, int id, int x, int y, int width, int height)
{
    Control button;
    button.parent = form.hwnd;
    button.id = id;
    button.hwnd = CreateWindowExA(0, "BUTTON", text, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON,
                                  x, y, width, height, form.hwnd,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                  GetModuleHandleA(NULL), NULL);
    button.SetDefaultFont();
    return button;
}
