// Forms: the frame styles a form can have, each shown as a small form inside
// the page (a form created with the child flag lives in its parent's client area).
#include "pages.h"

void forms_page(Form& page)
{
    struct Sample {
        const char* caption;
        DWORD style;
    };
    const Sample samples[] = {
        {"kFormDialog", kFormDialog},
        {"kFormDialogMinBox", kFormDialogMinBox},
        {"kFormSizable", kFormSizable},
        {"kFormStandard", kFormStandard},
        {"kFormToolWindow", kFormToolWindow},
        {"kFormSizableMaxBox", kFormSizableMaxBox},
        {"kFormDialogMaxBox", kFormDialogMaxBox},
        {"kFormPopupBorder", kFormPopupBorder},
    };
    // The wrappers stay for the program's life: the close procedure below
    // finds its form through them.
    static Form forms[sizeof samples / sizeof samples[0]];
    const int columns = 2;
    for (int i = 0; i < (int)(sizeof samples / sizeof samples[0]); ++i) {
        int x = 10 + (i % columns) * 290;
        int y = 10 + (i / columns) * 105;
        forms[i].Create(samples[i].caption, x, y, 270, 90, samples[i].style, true, true, false,
                        false, false, page, true);
        // Closing a sample hides it instead of ending the program.
        forms[i].DialogProcedure = HideOnCloseProc;
        Label value("style value 0x" + HexString(static_cast<int>(samples[i].style)), 1, 8, 8,
                    200, 20, forms[i]);
    }
}
