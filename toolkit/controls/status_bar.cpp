#include "status_bar.h"

#include <commctrl.h>

#include <algorithm>
#include <cwchar>
#include <string>

#include "../foundation/dark_mode.h"
#include "../foundation/subclass_data.h"
#include "../foundation/whole_characters.h"
#include "../foundation/wide_text.h"
#include "basic_control.h"

static_assert(kStatusBarStyle == (WS_CHILD | SBARS_SIZEGRIP), "status bar style");

namespace {

// The bar places and sizes itself, so it is made at 0, 0 with no size.
const ControlKind kStatusBarKind = {STATUSCLASSNAMEA, "", {kStepFont, kStepEnd}};

// SB_GETPARTS answers at most this many edges, and with no array the count.
const WPARAM kAllParts = 255;

const UINT_PTR kStatusBarSubclassId = 0x57535442;  // "WSTB"

// SB_GETTEXTLENGTH answers the length in its low word only (the high word is
// the drawing style), and SB_GETTEXT copies the whole text with no size
// given: a text of 65,536 characters or more would overrun any buffer sized
// from the answer. The bar's subclass therefore notes the length, in
// characters, of every text it is given (part in the low byte of wParam;
// 255 is the simple mode's part).
struct PartLengths {
    std::size_t characters[256] = {};
};

// A themed bar draws every part flat, whatever SBT_POPOUT asks; the parts
// given it are drawn raised here, over what the bar painted.
void DrawRaisedParts(HWND bar)
{
    int parts = static_cast<int>(SendMessageA(bar, SB_GETPARTS, 0, 0));
    HDC dc = NULL;
    for (int part = 0; part < parts; ++part) {
        if ((HIWORD(SendMessageW(bar, SB_GETTEXTLENGTHW, part, 0)) & SBT_POPOUT) == 0)
            continue;
        RECT place;
        if (!SendMessageA(bar, SB_GETRECT, part, reinterpret_cast<LPARAM>(&place)))
            continue;
        if (dc == NULL)
            dc = GetDC(bar);
        DrawEdge(dc, &place, BDR_RAISEDINNER, BF_RECT);
    }
    if (dc != NULL)
        ReleaseDC(bar, dc);
}

LRESULT CALLBACK StatusBarProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                               UINT_PTR subclassId, DWORD_PTR data)
{
    if (message == WM_PAINT) {
        LRESULT result = DefSubclassProc(window, message, wParam, lParam);
        // In dark mode the bar's painter frames raised parts itself.
        if (!DarkModeOn())
            DrawRaisedParts(window);
        return result;
    }
    PartLengths* lengths = reinterpret_cast<PartLengths*>(data);
    const bool drawnByOwner = (wParam & SBT_OWNERDRAW) != 0;
    if (message == SB_SETTEXTW && !drawnByOwner) {
        const wchar_t* text = reinterpret_cast<const wchar_t*>(lParam);
        lengths->characters[wParam & 0xFF] = text != NULL ? std::wcslen(text) : 0;
    } else if (message == SB_SETTEXTA && !drawnByOwner) {
        const char* text = reinterpret_cast<const char*>(lParam);
        const int wide = text != NULL ? MultiByteToWideChar(CP_ACP, 0, text, -1, NULL, 0) : 0;
        lengths->characters[wParam & 0xFF] = wide > 0 ? static_cast<std::size_t>(wide - 1) : 0;
    } else if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(window, StatusBarProc, subclassId);
        delete lengths;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

// Room for the part's text in characters: the length the subclass noted
// (the bar's own answer is that length's low 16 bits), or the bar's answer
// where no subclass is there to note it.
std::size_t PartTextRoom(HWND bar, int part)
{
    const std::size_t answered = LOWORD(SendMessageW(bar, SB_GETTEXTLENGTHW, part, 0));
    const PartLengths* lengths =
        reinterpret_cast<const PartLengths*>(SubclassData(bar, StatusBarProc, kStatusBarSubclassId));
    if (lengths == NULL)
        return answered;
    return std::max(lengths->characters[part & 0xFF], answered);
}

}  // namespace

StatusBar::StatusBar()
{
    ClearBasicControl(*this);
    BindProperties();
}

StatusBar::StatusBar(const String& partTexts, int identifier, Control parentControl, int parts,
                     bool enabled, bool visible, DWORD exStyle)
{
    ClearBasicControl(*this);
    BindProperties();
    Create(partTexts, identifier, parentControl, parts, enabled, visible, exStyle);
}

void StatusBar::BindProperties()
{
    Parts.Bind(this, &StatusBar::GetParts, &StatusBar::SetParts);
}

bool StatusBar::Create(const String& partTexts, int identifier, Control parentControl, int parts,
                       bool enabled, bool visible, DWORD exStyle)
{
    texts = partTexts.Split(";");
    DWORD style = kStatusBarStyle | (visible ? WS_VISIBLE : 0);
    ControlPlacement place = {"", identifier, 0, 0, 0, 0, enabled, visible, false, exStyle};
    if (!CreateBasicControl(*this, kStatusBarKind, style, place, parentControl))
        return false;
    PartLengths* lengths = new PartLengths;
    if (!SetWindowSubclass(hwnd, StatusBarProc, kStatusBarSubclassId,
                           reinterpret_cast<DWORD_PTR>(lengths)))
        delete lengths;
    SetParts(parts);
    SetTextsFrom(partTexts);
    if (!enabled)
        Disable();
    return true;
}

int StatusBar::GetParts()
{
    return static_cast<int>(SendMessageA(hwnd, SB_GETPARTS, kAllParts, 0));
}

// The parts share the parent's client width; the last edge, -1, reaches the
// bar's right end whatever the integer division left over.
void StatusBar::SetParts(int count)
{
    if (count < 1)
        count = 1;
    if (count > kStatusBarMaxParts)
        count = kStatusBarMaxParts;
    RECT area = {0, 0, 0, 0};
    GetClientRect(parent, &area);
    int width = (area.right - area.left) / count;
    int edges[kStatusBarMaxParts];
    for (int k = 0; k < count - 1; ++k)
        edges[k] = width * (k + 1);
    edges[count - 1] = -1;
    if (static_cast<int>(raised.size()) < count)
        raised.resize(count, false);
    SendMessageA(hwnd, SB_SETPARTS, count, reinterpret_cast<LPARAM>(edges));
    SendMessageA(hwnd, WM_SIZE, 0, 0);
}

bool StatusBar::SetText(int part, const String& text)
{
    if (hwnd == NULL || part < 0 || part >= GetParts())
        return false;
    String shown = WholeCharactersPrefix(text, kStatusPartTextLimit);
    WPARAM how = part;
    if (part < static_cast<int>(raised.size()) && raised[part])
        how |= SBT_POPOUT;
    if (!SendMessageA(hwnd, SB_SETTEXTA, how, reinterpret_cast<LPARAM>(shown.CStr())))
        return false;
    while (texts.Count() <= part)
        texts.Add("");
    texts.Item(part) = shown;
    return true;
}

void StatusBar::SetTexts(const StringList& list)
{
    StringList copy(list);
    int parts = GetParts();
    if (parts == 0 || copy.Count() == 0)
        return;
    for (int i = 0; i < copy.Count() && i < parts; ++i)
        if (!copy.Item(i).empty())
            SetText(i, copy.Item(i));
    texts = copy;
}

void StatusBar::SetTextsFrom(const String& text)
{
    SetTexts(text.Split(";"));
}

// The length comes first: a part may hold a longer text than SetText lets
// through when a program sent it to the window itself, of any length (see
// PartTextRoom). The text is read
// through the wide messages (see wide_text.h): SB_GETTEXTLENGTHA counts
// characters, fewer than the bytes SB_GETTEXTA writes under UTF-8.
String StatusBar::Text(int part)
{
    if (hwnd == NULL || part < 0 || part >= GetParts())
        return String();
    std::wstring text(PartTextRoom(hwnd, part) + 1, L'\0');
    SendMessageW(hwnd, SB_GETTEXTW, part, reinterpret_cast<LPARAM>(&text[0]));
    return AnsiFromWide(text.c_str(), wcsnlen(text.c_str(), text.size()));
}

// Each part is given its own text again, with the style it has now.
void StatusBar::SetRaised(int part, bool isRaised)
{
    int parts = GetParts();
    if (part < 0 || part >= parts)
        return;
    if (static_cast<int>(raised.size()) <= part)
        raised.resize(part + 1, false);
    raised[part] = isRaised;
    for (int i = 0; i < parts; ++i)
        SetText(i, Text(i));
}

void StatusBar::UpdateLayout()
{
    SendMessageA(hwnd, WM_SIZE, 0, 0);
    InvalidateWhole(hwnd);
}
