// Rich text: markup typed on the left is converted as it changes and shown in
// a rich text box on the right; a button opens the tip-of-the-day dialog on
// the tips file that comes with the gallery (sample.tips, beside gallery.exe).
#include "pages.h"

namespace {

enum {
    kMarkupEditor = 1,
    kShownText,
    kTipsButton,
};

const char kFirstMarkup[] =
    "<B>Rich text</B> from markup\r\n"
    "Type <b>bold</b>, <i>italic</i> and <u>underlined</u> words.\r\n"
    "A line break starts a new line,<br>and so does the BR tag.\r\n"
    "{Braces} and C:\\back\\slashes show as typed.\r\n"
    "<CENTER>Centred from here on\r\n"
    "<RIGHT>and right-aligned from here.\r\n";

TextBox editor;
RichTextBox shown;
// One dialog for the program's life, made when first asked for: closing it
// only hides it.
TipsDialog* tips = NULL;

// The converted markup replaces what the box showed.
void ShowMarkup()
{
    shown.RichText = RtfHeader() + RtfFromMarkup(editor.Text()) + RtfEnd();
}

INT_PTR CALLBACK RichTextProc(HWND window, UINT message, WPARAM wParam, LPARAM)
{
    if (message != WM_COMMAND)
        return FALSE;
    if (LOWORD(wParam) == kMarkupEditor && HIWORD(wParam) == EN_CHANGE) {
        ShowMarkup();
        return TRUE;
    }
    if (LOWORD(wParam) == kTipsButton && HIWORD(wParam) == BN_CLICKED) {
        if (tips == NULL)
            tips = new TipsDialog(App.Path() + "\\sample.tips", "Tip of the day", Control(window), true);
        else
            tips->Show();
        return TRUE;
    }
    return FALSE;
}

}  // namespace

void richtext_page(Form& page)
{
    page.DialogProcedure = RichTextProc;
    Label markupLabel("Markup", 0, 10, 10, 280, 20, page);
    Label shownLabel("What the rich text box shows", 0, 305, 10, 285, 20, page);
    shown.Create("", kShownText, 305, 32, 285, 350, page, true, true, false, ES_MULTILINE | WS_VSCROLL,
                 WS_EX_CLIENTEDGE);
    shown.ReadOnly = true;
    editor.Create(kFirstMarkup, kMarkupEditor, 10, 32, 285, 350, page, true, true, false, true,
                  WS_EX_CLIENTEDGE);
    ShowMarkup();
    Button tipsButton("Tip of the day...", kTipsButton, 10, 396, 150, 28, page);
    // A taller page gives both panes more lines; a wider one widens the
    // rich text box.
    editor.SetAnchor(Anchor::Left | Anchor::Top | Anchor::Bottom);
    shown.SetAnchor(Anchor::All);
    tipsButton.SetAnchor(Anchor::Left | Anchor::Bottom);
}
