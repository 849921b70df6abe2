// The message loop of a program's main form (Form::Run): a modeless form's
// counterpart of the loop ShowModal runs for a modal one.
#include "form.h"

int Form::Run()
{
    MSG msg;
    BOOL got;
    while ((got = GetMessageA(&msg, NULL, 0, 0)) > 0)
        if (hwnd == NULL || !IsWindow(hwnd) || !IsDialogMessageA(hwnd, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    return got < 0 ? -1 : static_cast<int>(msg.wParam);
}
