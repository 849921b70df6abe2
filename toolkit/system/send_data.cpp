// Sending bytes to another program's form (WM_COPYDATA).
#include "system.h"

#include <vector>

#include "foundation/wide_text.h"

namespace {

// The dialog window class, the class of the toolkit's forms ("#32770").
const ATOM kDialogClassAtom = 0x8002;

// The title the system keeps for the window (InternalGetWindowText), read
// without a message to the window: GetWindowText asks a window of another
// thread of this process for it, and a hung one would never answer. Read
// with room for one character more than `expected` has bytes, so that a
// longer title never compares equal.
String TitleOf(HWND window, const String& expected)
{
    std::vector<wchar_t> title(expected.size() + 2, L'\0');
    int length = InternalGetWindowText(window, title.data(), static_cast<int>(title.size()));
    if (length <= 0)
        return String();
    return AnsiFromWide(title.data(), static_cast<std::size_t>(length));
}

// The first top-level dialog-class window whose title is exactly `title`.
// FindWindowExA matches titles without regard to case, so each match is
// compared again byte for byte.
HWND FindReceiver(const String& title)
{
    HWND candidate = NULL;
    while ((candidate = FindWindowExA(NULL, candidate, MAKEINTATOM(kDialogClassAtom),
                                      title.CStr())) != NULL) {
        if (TitleOf(candidate, title) == title)
            return candidate;
    }
    return NULL;
}

// How long a receiver may take to handle the bytes; a receiver that does
// not answer within it, or that the system takes for hung, is given up.
const UINT kReceiverTimeoutMs = 5000;

}  // namespace

// The system copies the bytes into the receiving process for the time of the
// call, which returns once the receiver has handled them: never waiting on a
// receiver that has stopped answering, which would freeze the sender.
LRESULT SystemObject::SendData(const String& title, const ByteBuffer& data, const Control& sender)
{
    HWND receiver = FindReceiver(title);
    if (receiver == NULL)
        return -1;
    COPYDATASTRUCT message;
    message.dwData = 0;
    message.cbData = static_cast<DWORD>(data.Length);
    message.lpData = data.Buffer;
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(receiver, WM_COPYDATA, reinterpret_cast<WPARAM>(sender.hwnd),
                             reinterpret_cast<LPARAM>(&message), SMTO_NORMAL | SMTO_ABORTIFHUNG,
                             kReceiverTimeoutMs, &result))
        return -1;
    return static_cast<LRESULT>(result);
}
