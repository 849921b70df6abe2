// The message loop of a program's main form (Form::Run): a modeless form's
// counterpart of the loop ShowModal runs for a modal one.
#include "form.h"

BOOL Form::HandleNextMessage(HWND form, MSG& msg)
{
    BOOL got = GetMessageA(&msg, NULL, 0, 0);
    if (got > 0 && (form == NULL || !IsWindow(form) || !IsDialogMessageA(form, &msg))) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return got;
}

int Form::Run()
{
    MSG msg;
    BOOL got;
    while ((got = HandleNextMessage(hwnd, msg)) > 0) {
    }
    return got < 0 ? -1 : static_cast<int>(msg.wParam);
}
