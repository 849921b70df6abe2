// The gallery's page table: one entry per page, each built by a function of
// its own file, <name>_page.cpp.
#ifndef GALLERY_PAGES_H
#define GALLERY_PAGES_H

#include "wicker.h"

// One page: its name on the command line (--page <name>), the text of its
// button, and the function that places its controls on the page form.
struct GalleryPage {
    const char* name;
    const char* title;
    void (*build)(Form& page);
};

// Size of the page area, which every page form fills.
const int kPageWidth = 600;
const int kPageHeight = 440;

// A push button on the form that sends WM_COMMAND with `id` to the form's
// procedure. (Until the toolkit has a button class of its own.)
Control AddPushButton(Form& form, const char* text, int id, int x, int y, int width = 120,
                      int height = 28);

// The pages in the order of their buttons.
extern const GalleryPage galleryPages[];
extern const int galleryPageCount;

#endif
