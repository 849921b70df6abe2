#include "pages.h"

// One line per page: PAGE(name, "Button text") lists <name>_page from
// <name>_page.cpp. Every line ends in a backslash; the empty line below ends
// the list.
#define GALLERY_PAGES(PAGE)      \
    PAGE(forms, "Forms")         \
    PAGE(dialogs, "Dialogs")     \
    PAGE(system, "System")       \
    PAGE(images, "Images")       \
    PAGE(controls, "Controls")   \
    PAGE(tabs, "Tabs")           \
    PAGE(richtext, "Rich text")  \
    PAGE(lists, "Lists")         \
    PAGE(listview, "List view")  \
    PAGE(table, "Table")         \
    PAGE(tree, "Tree")           \
    PAGE(drives, "Drives")       \
    PAGE(mdi, "MDI")             \
    PAGE(splitter, "Splitter")   \
    PAGE(calendar, "Calendar")   \
    PAGE(bars, "Bars")           \
    PAGE(properties, "Properties") \
    PAGE(layouts, "Layouts")     \
    PAGE(taskdialog, "Task dialog") \
    PAGE(darkmode, "Dark mode")  \

#define DECLARE_PAGE(name, title) void name##_page(Form& page);
GALLERY_PAGES(DECLARE_PAGE)

#define LIST_PAGE(name, title) {#name, title, name##_page},
const GalleryPage galleryPages[] = {GALLERY_PAGES(LIST_PAGE)};
const int galleryPageCount = sizeof galleryPages / sizeof galleryPages[0];
