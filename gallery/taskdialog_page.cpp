// Task dialog: two task dialogs behind buttons, laid out by a layout. "Ask"
// shows command links, radio buttons, a verification check box and a
// footer, and the answer shows below; "Copy" shows a progress bar that the
// dialog's timer moves on, with a button the callback keeps the dialog open
// for.
#include "pages.h"

namespace {

enum { kAsk = 1, kCopy, kAnswer };

Label answer;

void Ask(Form& page)
{
    TaskDialog ask;
    ask.caption = "Task dialog";
    ask.mainInstruction = "How shall we send your order?";
    ask.content = "The courier brings it tomorrow; the post takes three to five days.";
    ask.mainIcon = TaskDialogIcon::Information;
    ask.commandLinks = true;
    ask.buttons = {{101, "By post\nFree of charge"}, {102, "By courier\n4.90 extra"}};
    ask.commonButtons = TDCBF_CANCEL_BUTTON;
    ask.radioButtons = {{201, "Wrap it as a gift"}, {202, "No wrapping"}};
    ask.verificationText = "Always send my orders this way";
    ask.footerIcon = TaskDialogIcon::Information;
    ask.footer = "Prices include tax.";
    TaskDialogResult result = ask.Show(page);
    String way = result.button == 101 ? "post" : result.button == 102 ? "courier" : "cancelled";
    answer.Text = "Answer: " + way + (result.radio == 201 ? ", wrapped" : ", not wrapped") +
                  (result.verified ? ", always" : "");
}

void Copy(Form& page)
{
    TaskDialog copy;
    copy.caption = "Task dialog";
    copy.mainInstruction = "Copying the pictures";
    copy.content = "\"Slower\" keeps the dialog open and halves the speed.";
    copy.progressBar = true;
    copy.timer = true;
    copy.buttons = {{301, "Slower"}};
    copy.commonButtons = TDCBF_CLOSE_BUTTON;
    int percent = 0;
    int step = 4;
    copy.callback = [&](TaskDialog& shown, HWND, UINT notification, WPARAM wParam, LPARAM) {
        if (notification == TDN_TIMER && percent < 100) {
            percent = percent + step > 100 ? 100 : percent + step;
            shown.SetProgress(percent);
            if (percent == 100)
                shown.SetContent("Every picture is copied.");
        }
        if (notification == TDN_BUTTON_CLICKED && wParam == 301) {
            step = step > 1 ? step / 2 : 1;
            return true;
        }
        return false;
    };
    copy.Show(page);
    answer.Text = "Copied " + NumberString(percent, 0) + " per cent";
}

INT_PTR CALLBACK TaskDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM)
{
    if (message != WM_COMMAND || HIWORD(wParam) != BN_CLICKED)
        return FALSE;
    Form page = AsForm(Control(window));
    if (LOWORD(wParam) == kAsk)
        Ask(page);
    else if (LOWORD(wParam) == kCopy)
        Copy(page);
    else
        return FALSE;
    return TRUE;
}

}  // namespace

void taskdialog_page(Form& page)
{
    Button ask("Ask with a task dialog", kAsk, page);
    Button copy("Copy with a progress bar", kCopy, page);
    answer = Label(HasTaskDialogs() ? "Click a button." : "This system has no task dialogs: "
                                                           "they show as message boxes.",
                   kAnswer, page);
    BoxLayout column(LayoutDirection::Column);
    column.SetMargins(10).SetSpacing(8);
    column.Add(ask).Add(copy).Add(answer);
    page.SetLayout(column, LayoutFit::KeepSize);
    page.DialogProcedure = TaskDialogProc;
}
