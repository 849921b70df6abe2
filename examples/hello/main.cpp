// A first Wicker program: a form with a text box and a button that greets
// whoever is named in the box with a message box. Closing the form ends it.
#include <wicker.h>

namespace {

const int kGreetButton = 1;
const int kNameBox = 2;

Form form;
TextBox name;

INT_PTR CALLBACK FormProc(HWND, UINT message, WPARAM wParam, LPARAM)
{
    if (message == WM_CLOSE) {
        PostQuitMessage(0);
        return TRUE;
    }
    if (message == WM_COMMAND && LOWORD(wParam) == kGreetButton && HIWORD(wParam) == BN_CLICKED) {
        MsgBox(form, "Hello, " + name.Text() + "!", "Hello, Wicker", MB_OK | MB_ICONINFORMATION);
        return TRUE;
    }
    return FALSE;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    form.Create("Hello, Wicker", 0, 0, 320, 85, kFormDialog, true, true, false, false, true);
    name.Create("World", kNameBox, 10, 12, 200, 24, form, true, true, false, false, WS_EX_CLIENTEDGE);
    Button greet("Greet", kGreetButton, 220, 10, 80, 28, form, true, true, false, true);
    form.DialogProcedure = FormProc;

    MSG msg;
    while (GetMessageA(&msg, NULL, 0, 0) > 0) {
        if (!IsDialogMessageA(form.hwnd, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    return 0;
}
