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

// The pages in the order of their buttons.
extern const GalleryPage galleryPages[];
extern const int galleryPageCount;

#endif
