// Properties: a property grid beside a rich text box; every row of the grid
// is a setting of the box (its text, colours, size, alignment and a file to
// show), applied as soon as the grid reports a change.
#include "pages.h"

namespace {

enum {
    kGrid = 1,
    kSample,
};

PropertyGrid grid;
RichTextBox sample;
// The file last shown, so that it is read once when chosen.
String shownFile = "(none)";

// Shows the box as the grid's rows describe it.
void ApplyProperties()
{
    String align = grid.GetValue("Alignment");
    String markup = grid.GetValue("Text");
    if (align == "centre")
        markup = "<CENTER>" + markup;
    else if (align == "right")
        markup = "<RIGHT>" + markup;
    // A paragraph takes its alignment when it ends: the text ends with a line break.
    sample.RichText = RtfHeader() + RtfFromMarkup(markup + "\r\n") + RtfEnd();
    sample.SetBackColor(grid.GetValue("Background").ToInt());
    sample.SetAllTextColor(grid.GetValue("Text colour").ToInt());
    sample.Resize(grid.GetValue("Width").ToInt(), grid.GetValue("Height").ToInt(), false);
}

INT_PTR CALLBACK PropertiesProc(HWND, UINT message, WPARAM wParam, LPARAM)
{
    if (message == kPropertyChangedMessage && wParam == kGrid) {
        String file = grid.GetValue("Load file");
        if (file != shownFile) {
            shownFile = file;
            if (sample.LoadFile(file))
                grid.SetValue("Text", sample.Text(), false);
        }
        ApplyProperties();
        return TRUE;
    }
    return FALSE;
}

}  // namespace

void properties_page(Form& page)
{
    page.DialogProcedure = PropertiesProc;
    Label("Settings of the box on the right", 0, 10, 10, 270, 20, page);
    grid.Create(kGrid, 10, 32, 270, 340, page, WS_EX_CLIENTEDGE);
    grid.SetRow("Text", "Edit me in the grid", "text",
                "The box's text in markup: <b>bold</b>, <i>italic</i>, <u>underlined</u>.", "");
    grid.SetRow("Alignment", "centre", "dropdown", "Where the lines sit.", "left,centre,right");
    grid.SetRow("Background", "16777184", "color", "The box's <b>background</b> colour.", "");
    grid.SetRow("Text colour", "8388608", "color", "The colour of <b>all</b> the text.", "");
    grid.SetRow("Width", "280", "number", "Width in pixels.", "");
    grid.SetRow("Height", "150", "number", "Height in pixels.", "");
    grid.SetRow("Load file", "(none)", "file", "A text file whose lines become the text.", "");

    Label("The box itself", 0, 300, 10, 280, 20, page);
    sample.Create("", kSample, 300, 32, 280, 150, page, true, true, false,
                  ES_MULTILINE | WS_VSCROLL, WS_EX_CLIENTEDGE);
    ApplyProperties();
    grid.Select("Alignment");
}
