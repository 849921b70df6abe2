// Dialogs: the common dialogs, message boxes, the notification-area icon and
// Print, each behind a button; what they return is printed below the buttons.
#include <vector>

#include "pages.h"

namespace {

enum {
    kOpen = 1,
    kSave,
    kFolder,
    kColour,
    kMessage,
    kQuestion,
    kTray,
    kPrint,
};

Form* dialogsPage = NULL;
std::vector<String> lines;
bool trayShown = false;
// The first printed line sits below the buttons.
const int kFirstLine = 120;

// Prints every line again (after the page was covered and repainted).
void PrintLines()
{
    dialogsPage->ResetPrint();
    dialogsPage->printLine = kFirstLine;
    for (const String& line : lines)
        dialogsPage->Print(line);
}

void AddLine(const String& line)
{
    if (lines.size() >= 14)
        lines.erase(lines.begin());
    lines.push_back(line);
    dialogsPage->Refresh();
}

void Command(int id)
{
    Form& page = *dialogsPage;
    switch (id) {
    case kOpen:
        if (page.OpenFileDialog(""))
            AddLine("Open: " + page.FileName);
        else
            AddLine("Open: cancelled");
        break;
    case kSave:
        if (page.SaveFileDialog("notes.txt"))
            AddLine("Save: " + page.FileName);
        else
            AddLine("Save: cancelled");
        break;
    case kFolder: {
        String folder;
        AddLine(page.BrowseFolder(folder) ? "Folder: " + folder : String("Folder: cancelled"));
        break;
    }
    case kColour: {
        COLORREF colour = page.SelectedColor;
        if (page.ChooseColor(colour))
            AddLine("Colour: red " + NumberString(GetRValue(colour), 0) + ", green " +
                    NumberString(GetGValue(colour), 0) + ", blue " + NumberString(GetBValue(colour), 0));
        else
            AddLine("Colour: cancelled");
        break;
    }
    case kMessage:
        InfoBox(page, "Forms, dialogs and message boxes come with the toolkit.", "Wicker gallery");
        AddLine("Message box closed");
        break;
    case kQuestion: {
        const char* answers[] = {"Yes", "No", "Cancel"};
        AddLine(String("Answer: ") + answers[AskYesNoCancel(page, "Save the changes?", "Wicker gallery")]);
        break;
    }
    case kTray:
        if (!trayShown) {
            trayShown = page.AddTrayIcon(page.Icon, "Wicker gallery");
            AddLine(trayShown ? "Tray icon added" : "Tray icon: the shell refused it");
        } else {
            page.RemoveTrayIcon();
            trayShown = false;
            AddLine("Tray icon removed");
        }
        break;
    case kPrint:
        AddLine("Printed line " + NumberString(lines.size() + 1, 0));
        break;
    }
}

INT_PTR CALLBACK DialogsProc(HWND, UINT message, WPARAM wParam, LPARAM)
{
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
        Command(LOWORD(wParam));
        return TRUE;
    }
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        BeginPaint(dialogsPage->hwnd, &paint);
        EndPaint(dialogsPage->hwnd, &paint);
        PrintLines();
        return TRUE;
    }
    return FALSE;
}

}  // namespace

void dialogs_page(Form& page)
{
    dialogsPage = &page;
    page.DialogProcedure = DialogsProc;
    page.fileDialog.AddFilter("Text files", "*.txt,*.log");
    const char* texts[] = {"Open file...", "Save file...", "Folder...",    "Colour...",
                           "Message box", "Yes/No/Cancel", "Tray icon", "Print a line"};
    for (int i = 0; i < 8; ++i)
        Button button(texts[i], kOpen + i, 10 + (i % 4) * 140, 10 + (i / 4) * 40, 120, 28, page);
    AddLine("Each button's result is printed here.");
}
