/// \file
/// Task dialogs: the system's message dialog with a main instruction,
/// content, command links, radio buttons, a verification check box, a
/// progress bar and a footer (TaskDialogIndirect), and a message box where
/// the system has none.
#ifndef WICKER_CONTROLS_TASK_DIALOG_H
#define WICKER_CONTROLS_TASK_DIALOG_H

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <vector>

#include "../foundation/control.h"
#include "../foundation/string.h"

/// The system's header declares a function TaskDialog, the simple form of
/// TaskDialogIndirect, and a function hides a class of the same name. The
/// toolkit's class takes the name in programs (before or after
/// <commctrl.h>) through this macro; the system's function stays reachable
/// as TaskDialogIndirect, which does all it does.
#define TaskDialog WickerTaskDialog

/// A button or radio button of a task dialog: the identifier the dialog
/// answers with, and its text. A command link's text may hold a second line
/// after "\n", shown smaller below the first.
struct TaskDialogButton {
    /// What the dialog answers when this button or radio button is chosen.
    int id;
    /// Its text.
    String text;
};

/// The pictures a task dialog shows beside its main instruction and footer.
enum class TaskDialogIcon { None, Information, Warning, Error, Shield };

/// What the user chose: the button that closed the dialog (IDOK, IDCANCEL,
/// ... or a custom button's identifier), the radio button chosen (0 for
/// none) and whether the verification check box was ticked.
struct TaskDialogResult {
    /// The button that closed the dialog.
    int button = 0;
    /// The radio button chosen.
    int radio = 0;
    /// The verification check box was ticked.
    bool verified = false;
};

struct TaskDialog;

/// Hears every event of a shown task dialog: the dialog, its window, the
/// notification (TDN_CREATED, TDN_BUTTON_CLICKED, TDN_RADIO_BUTTON_CLICKED,
/// TDN_VERIFICATION_CLICKED, TDN_HYPERLINK_CLICKED, TDN_TIMER,
/// TDN_DESTROYED, ...) and its parameters. For TDN_BUTTON_CLICKED, true keeps
/// the dialog open; the answer is not used for other events.
using TaskDialogCallback =
    std::function<bool(TaskDialog& dialog, HWND window, UINT notification, WPARAM wParam,
                       LPARAM lParam)>;

/// A task dialog described by its fields and shown by Show:
///
///     TaskDialog ask;
///     ask.caption = "Notes";
///     ask.mainInstruction = "Save the changes to notes.txt?";
///     ask.content = "Your changes are lost if you do not save them.";
///     ask.mainIcon = TaskDialogIcon::Warning;
///     ask.buttons = {{101, "&Save"}, {102, "Do&n't save"}};
///     ask.commonButtons = TDCBF_CANCEL_BUTTON;
///     if (ask.Show(mainForm).button == 101) Save();
///
/// Texts are Strings of the program's code page; none may be empty but the
/// main instruction or the content. Where the system has no task dialogs
/// (comctl32 before version 6), Show shows a message box instead: the main
/// instruction, the content and the footer as its text, the common buttons
/// (OK, OK and Cancel, Yes and No, Yes, No and Cancel, Retry and Cancel; a
/// single custom button as OK, several as OK and Cancel answering the
/// first's identifier for OK) and the main icon; the callback is not called
/// and the radio and verification answers are their defaults.
struct TaskDialog {
    /// The window's caption; the program's name when empty.
    String caption;
    ///@{
    /// The large first line, and the text below it.
    String mainInstruction;
    String content;
    ///@}
    /// Text at the bottom, beside the footer icon.
    String footer;
    /// Text shown when the user expands the dialog ("See details").
    String expandedInformation;
    /// The verification check box's text; no check box when empty.
    String verificationText;
    ///@{
    /// The pictures beside the main instruction and the footer.
    TaskDialogIcon mainIcon = TaskDialogIcon::None;
    TaskDialogIcon footerIcon = TaskDialogIcon::None;
    ///@}
    /// The system's buttons: TDCBF_OK_BUTTON, TDCBF_YES_BUTTON,
    /// TDCBF_NO_BUTTON, TDCBF_CANCEL_BUTTON, TDCBF_RETRY_BUTTON,
    /// TDCBF_CLOSE_BUTTON, OR-ed; with no button at all the dialog has OK.
    DWORD commonButtons = 0;
    /// The program's own buttons, before the common ones.
    std::vector<TaskDialogButton> buttons;
    /// The own buttons are command links: large, one below the other.
    bool commandLinks = false;
    /// Radio buttons below the content; the first is chosen unless
    /// defaultRadio names another.
    std::vector<TaskDialogButton> radioButtons;
    ///@{
    /// The button with the focus at first (0: the first), and the radio
    /// button chosen at first (0: the first).
    int defaultButton = 0;
    int defaultRadio = 0;
    ///@}
    /// The verification check box is ticked at first.
    bool verificationChecked = false;
    /// A progress bar below the content (SetProgress moves it).
    bool progressBar = false;
    /// Links written <a href="...">so</a> in the content, the expanded text
    /// and the footer are live; a click reaches the callback as
    /// TDN_HYPERLINK_CLICKED with the address (a wide string) in lParam.
    bool hyperlinks = false;
    /// The callback also hears TDN_TIMER about every 200 milliseconds.
    bool timer = false;
    /// Esc and the close box close the dialog as Cancel would, without a
    /// Cancel button.
    bool cancellable = true;
    /// Hears the dialog's events; may be empty.
    TaskDialogCallback callback;
    /// The dialog's window while it is shown; null otherwise.
    HWND window = NULL;

    /// Shows the dialog modally over `owner` (or over nothing) and returns
    /// what the user chose; a result with button 0 when the dialog could
    /// not be shown.
    TaskDialogResult Show(const Control& owner = Control());

    ///@{
    /// While the dialog is shown (from the callback, or another thread):
    /// the progress bar's position (0 to 100), a click on a button, radio
    /// button or the verification check box as the user would make it, and
    /// new texts. False when the dialog is not shown.
    bool SetProgress(int percent);
    bool ClickButton(int id);
    bool ClickRadio(int id);
    bool ClickVerification(bool checked);
    bool SetMainInstruction(const String& text);
    bool SetContent(const String& text);
    ///@}
};

/// True when the system has task dialogs (TaskDialogIndirect in the
/// program's comctl32); TaskDialog::Show falls back to a message box when
/// it has not.
bool HasTaskDialogs();

#endif
