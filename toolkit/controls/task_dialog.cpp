// TaskDialogIndirect is looked up at run time: comctl32 before version 6
// (a program without the manifest kit's visual styles, on Windows) has no
// such export, and the program must still start and show its question. The
// texts are turned into UTF-16 once for the whole showing and live in one
// record until TaskDialogIndirect returns.
#include "../foundation/dark_mode.h"
#include "task_dialog.h"

#include <string>

#include "../foundation/wide_text.h"

namespace {

using TaskDialogIndirectFunction = HRESULT(WINAPI*)(const TASKDIALOGCONFIG*, int*, int*, BOOL*);

TaskDialogIndirectFunction TaskDialogFunction()
{
    HMODULE controls = GetModuleHandleA("comctl32.dll");
    if (controls == NULL)
        controls = LoadLibraryA("comctl32.dll");
    if (controls == NULL)
        return NULL;
    return reinterpret_cast<TaskDialogIndirectFunction>(
        reinterpret_cast<void*>(GetProcAddress(controls, "TaskDialogIndirect")));
}

PCWSTR IconResource(TaskDialogIcon icon)
{
    switch (icon) {
    case TaskDialogIcon::Information:
        return TD_INFORMATION_ICON;
    case TaskDialogIcon::Warning:
        return TD_WARNING_ICON;
    case TaskDialogIcon::Error:
        return TD_ERROR_ICON;
    case TaskDialogIcon::Shield:
        return TD_SHIELD_ICON;
    default:
        return NULL;
    }
}

// The wide texts of one showing: every pointer in the configuration points
// into this record.
struct WideTexts {
    std::wstring caption, mainInstruction, content, footer, expanded, verification;
    std::vector<std::wstring> buttonTexts, radioTexts;
    std::vector<TASKDIALOG_BUTTON> buttons, radios;
};

PCWSTR OrNull(const std::wstring& text)
{
    return text.empty() ? NULL : text.c_str();
}

void WidenButtons(const std::vector<TaskDialogButton>& from, std::vector<std::wstring>& texts,
                  std::vector<TASKDIALOG_BUTTON>& to)
{
    texts.clear();
    for (const TaskDialogButton& one : from)
        texts.push_back(WideFromAnsi(one.text));
    to.clear();
    for (size_t i = 0; i < from.size(); ++i)
        to.push_back(TASKDIALOG_BUTTON{from[i].id, texts[i].c_str()});
}

HRESULT CALLBACK Notified(HWND window, UINT notification, WPARAM wParam, LPARAM lParam,
                          LONG_PTR data)
{
    TaskDialog& dialog = *reinterpret_cast<TaskDialog*>(data);
    if (notification == TDN_DIALOG_CONSTRUCTED || notification == TDN_CREATED)
        dialog.window = window;
    // Where the system builds its task dialog of windows (Wine does), they
    // turn dark with the program's forms.
    if (notification == TDN_CREATED && DarkModeOn())
        FollowDarkMode(window);
    bool keepOpen = false;
    if (dialog.callback)
        keepOpen = dialog.callback(dialog, window, notification, wParam, lParam);
    if (notification == TDN_DESTROYED)
        dialog.window = NULL;
    return notification == TDN_BUTTON_CLICKED && keepOpen ? S_FALSE : S_OK;
}

// The message box a dialog falls back to.
TaskDialogResult ShowAsMessageBox(const TaskDialog& dialog, HWND owner)
{
    std::wstring text = WideFromAnsi(dialog.mainInstruction);
    for (const String* more : {&dialog.content, &dialog.footer})
        if (!more->empty())
            text += (text.empty() ? L"" : L"\n\n") + WideFromAnsi(*more);
    DWORD common = dialog.commonButtons;
    UINT type = MB_OK;
    if ((common & (TDCBF_YES_BUTTON | TDCBF_NO_BUTTON)) && (common & TDCBF_CANCEL_BUTTON))
        type = MB_YESNOCANCEL;
    else if (common & (TDCBF_YES_BUTTON | TDCBF_NO_BUTTON))
        type = MB_YESNO;
    else if (common & TDCBF_RETRY_BUTTON)
        type = MB_RETRYCANCEL;
    else if ((common & TDCBF_CANCEL_BUTTON) || dialog.buttons.size() > 1)
        type = MB_OKCANCEL;
    switch (dialog.mainIcon) {
    case TaskDialogIcon::Information:
        type |= MB_ICONINFORMATION;
        break;
    case TaskDialogIcon::Warning:
    case TaskDialogIcon::Shield:
        type |= MB_ICONWARNING;
        break;
    case TaskDialogIcon::Error:
        type |= MB_ICONERROR;
        break;
    default:
        break;
    }
    std::wstring caption = WideFromAnsi(dialog.caption);
    TaskDialogResult result;
    result.button = MessageBoxW(owner, text.c_str(), OrNull(caption), type);
    if (result.button == IDOK && !dialog.buttons.empty())
        result.button = dialog.buttons.front().id;
    result.radio = dialog.defaultRadio != 0 || dialog.radioButtons.empty()
                       ? dialog.defaultRadio
                       : dialog.radioButtons.front().id;
    result.verified = dialog.verificationChecked;
    return result;
}

// Sends the message to the dialog's window; false when it is not shown.
bool SendWhileShown(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (window == NULL || !IsWindow(window))
        return false;
    SendMessageW(window, message, wParam, lParam);
    return true;
}

}  // namespace

bool HasTaskDialogs()
{
    return TaskDialogFunction() != NULL;
}

TaskDialogResult TaskDialog::Show(const Control& owner)
{
    TaskDialogIndirectFunction show = TaskDialogFunction();
    if (show == NULL)
        return ShowAsMessageBox(*this, owner.hwnd);
    WideTexts texts;
    texts.caption = WideFromAnsi(caption);
    texts.mainInstruction = WideFromAnsi(mainInstruction);
    texts.content = WideFromAnsi(content);
    texts.footer = WideFromAnsi(footer);
    texts.expanded = WideFromAnsi(expandedInformation);
    texts.verification = WideFromAnsi(verificationText);
    WidenButtons(buttons, texts.buttonTexts, texts.buttons);
    WidenButtons(radioButtons, texts.radioTexts, texts.radios);

    TASKDIALOGCONFIG config = {};
    config.cbSize = sizeof config;
    config.hwndParent = owner.hwnd;
    config.dwFlags = TDF_POSITION_RELATIVE_TO_WINDOW | (commandLinks ? TDF_USE_COMMAND_LINKS : 0) |
                     (progressBar ? TDF_SHOW_PROGRESS_BAR : 0) |
                     (hyperlinks ? TDF_ENABLE_HYPERLINKS : 0) |
                     (timer ? TDF_CALLBACK_TIMER : 0) |
                     (cancellable ? TDF_ALLOW_DIALOG_CANCELLATION : 0) |
                     (verificationChecked ? TDF_VERIFICATION_FLAG_CHECKED : 0);
    config.dwCommonButtons = commonButtons;
    config.pszWindowTitle = OrNull(texts.caption);
    config.pszMainIcon = IconResource(mainIcon);
    config.pszMainInstruction = OrNull(texts.mainInstruction);
    config.pszContent = OrNull(texts.content);
    config.cButtons = static_cast<UINT>(texts.buttons.size());
    config.pButtons = texts.buttons.empty() ? NULL : texts.buttons.data();
    config.nDefaultButton = defaultButton;
    config.cRadioButtons = static_cast<UINT>(texts.radios.size());
    config.pRadioButtons = texts.radios.empty() ? NULL : texts.radios.data();
    config.nDefaultRadioButton = defaultRadio;
    config.pszVerificationText = OrNull(texts.verification);
    config.pszExpandedInformation = OrNull(texts.expanded);
    config.pszFooterIcon = IconResource(footerIcon);
    config.pszFooter = OrNull(texts.footer);
    config.pfCallback = Notified;
    config.lpCallbackData = reinterpret_cast<LONG_PTR>(this);

    TaskDialogResult result;
    int button = 0;
    int radio = 0;
    BOOL verified = FALSE;
    if (FAILED(show(&config, &button, &radio, &verified)))
        return result;
    window = NULL;
    result.button = button;
    result.radio = radio;
    result.verified = verified != FALSE;
    return result;
}

bool TaskDialog::SetProgress(int percent)
{
    int position = percent < 0 ? 0 : percent > 100 ? 100 : percent;
    return SendWhileShown(window, TDM_SET_PROGRESS_BAR_POS, position, 0);
}

bool TaskDialog::ClickButton(int id)
{
    return SendWhileShown(window, TDM_CLICK_BUTTON, id, 0);
}

// Where the dialog's radio buttons are windows of their own (Wine's task
// dialog), TDM_CLICK_RADIO_BUTTON changes nothing there: the button is
// clicked as the user's click does it, checked and then announced to the
// dialog. The system's own task dialog draws its radio buttons itself and
// takes the message.
bool TaskDialog::ClickRadio(int id)
{
    HWND radio = window != NULL ? GetDlgItem(window, id) : NULL;
    LONG kind = radio != NULL ? GetWindowLongW(radio, GWL_STYLE) & BS_TYPEMASK : 0;
    if (kind == BS_AUTORADIOBUTTON || kind == BS_RADIOBUTTON) {
        SendMessageW(radio, BM_SETCHECK, BST_CHECKED, 0);
        return SendWhileShown(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                              reinterpret_cast<LPARAM>(radio));
    }
    return SendWhileShown(window, TDM_CLICK_RADIO_BUTTON, id, 0);
}

bool TaskDialog::ClickVerification(bool checked)
{
    return SendWhileShown(window, TDM_CLICK_VERIFICATION, checked ? TRUE : FALSE, FALSE);
}

bool TaskDialog::SetMainInstruction(const String& text)
{
    std::wstring wide = WideFromAnsi(text);
    return SendWhileShown(window, TDM_SET_ELEMENT_TEXT, TDE_MAIN_INSTRUCTION,
                          reinterpret_cast<LPARAM>(wide.c_str()));
}

bool TaskDialog::SetContent(const String& text)
{
    std::wstring wide = WideFromAnsi(text);
    return SendWhileShown(window, TDM_SET_ELEMENT_TEXT, TDE_CONTENT,
                          reinterpret_cast<LPARAM>(wide.c_str()));
}
