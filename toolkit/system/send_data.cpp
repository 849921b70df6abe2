// Sending bytes to another program's form (WM_COPYDATA).
#include "system.h"

#include <vector>

namespace {

// The dialog window class, the class of the toolkit's forms ("#32770").
const ATOM kDialogClassAtom = 0x8002;

// The window's title (GetWindowTextA); for another program's window the
// system answers from the title it keeps, without asking that program.
String TitleOf(HWND window)
{
    int length = GetWindowTextLengthA(window);
    if (length <= 0)
        return String();
    std::vector<char> title(static_cast<std::size_t>(length) + 1, '\0');
    GetWindowTextA(window, title.data(), length + 1);
    return String(title.data());
}

// The first top-level dialog-class window whose title is exactly `title`.
// FindWindowExA matches titles without regard to case, so each match is
// compared again byte for byte.
HWND FindReceiver(const String& title)
{
    HWND candidate = NULL;
    while ((candidate = FindWindowExA(NULL, candidate, MAKEINTATOM(kDialogClassAtom),
                                      title.CStr())) != NULL) {
        if (TitleOf(candidate) == title)
            return candidate;
    }
    return NULL;
}

}  // namespace

// The system copies the bytes into the receiving process for the time of the
// call; SendMessageA returns once the receiver has handled them.
LRESULT SystemObject::SendData(const String& title, const ByteBuffer& data, const Control& sender)
{
    HWND receiver = FindReceiver(title);
    if (receiver == NULL)
        return -1;
    COPYDATASTRUCT message;
    message.dwData = 0;
    message.cbData = static_cast<DWORD>(data.Length);
    message.lpData = data.Buffer;
    return SendMessageA(receiver, WM_COPYDATA, reinterpret_cast<WPARAM>(sender.hwnd),
                        reinterpret_cast<LPARAM>(&message));
}
