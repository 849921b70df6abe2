// Receiver of WM_COPYDATA for the tests of sending data between programs.
//
//     copy_data_receiver.exe <title> <record base> <count>
//
// Opens a dialog-class window (an in-memory dialog template, so the class is
// "#32770") with the title and records each WM_COPYDATA it receives in the
// file "<record base>.<n>" (n from 1): a line "sender <wParam> data
// <dwData> length <cbData>" and then the bytes exactly as they arrived. It
// answers each message with cbData + 1 and ends after <count> messages, or
// after 30 s in any case.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

const UINT_PTR kGiveUpTimer = 1;
const UINT kGiveUpMs = 30000;

std::string recordBase;
int expected = 1;
int received = 0;

// Writes the record of one message before the sender's call returns.
void Record(WPARAM sender, const COPYDATASTRUCT& data)
{
    std::string path = recordBase + "." + std::to_string(++received);
    FILE* file = std::fopen(path.c_str(), "wb");
    if (file == NULL)
        return;
    std::fprintf(file, "sender %llu data %llu length %lu\n", static_cast<unsigned long long>(sender),
                 static_cast<unsigned long long>(data.dwData), static_cast<unsigned long>(data.cbData));
    if (data.cbData > 0)
        std::fwrite(data.lpData, 1, data.cbData, file);
    std::fclose(file);
}

INT_PTR CALLBACK ReceiverProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        SetTimer(dialog, kGiveUpTimer, kGiveUpMs, NULL);
        return TRUE;
    case WM_COPYDATA: {
        const COPYDATASTRUCT* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
        Record(wParam, *data);
        SetWindowLongPtrA(dialog, DWLP_MSGRESULT, static_cast<LONG_PTR>(data->cbData) + 1);
        if (received >= expected)
            PostMessageA(dialog, WM_CLOSE, 0, 0);
        return TRUE;
    }
    case WM_TIMER:
    case WM_CLOSE:
        DestroyWindow(dialog);
        return TRUE;
    case WM_DESTROY:
        PostQuitMessage(0);
        return TRUE;
    }
    return FALSE;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    if (__argc < 4)
        return 2;
    recordBase = __argv[2];
    expected = std::atoi(__argv[3]);

    // A template with no controls: the header, then empty menu, class and
    // title arrays (DWORD-aligned, as templates must be); the title is set
    // after creation.
    struct alignas(4) {
        DLGTEMPLATE header;
        WORD menu, windowClass, title;
    } dialogTemplate = {};
    dialogTemplate.header.style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    dialogTemplate.header.cx = 120;
    dialogTemplate.header.cy = 40;
    HWND dialog = CreateDialogIndirectParamA(instance, &dialogTemplate.header, NULL, ReceiverProc, 0);
    if (dialog == NULL)
        return 3;
    SetWindowTextA(dialog, __argv[1]);

    MSG message;
    while (GetMessageA(&message, NULL, 0, 0) > 0) {
        if (!IsDialogMessageA(dialog, &message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
    return received >= expected ? 0 : 1;
}
