#include "status_bar.h"

#include <commctrl.h>

#include <cwchar>
#include <string>

#include "../foundation/whole_characters.h"
#include "../foundation/wide_text.h"
#include "basic_control.h"

static_assert(kStatusBarStyle == (WS_CHILD | SBARS_SIZEGRIP), "status bar style");

namespace {

// The bar places and sizes itself, so it is made at 0, 0 with no size.
const ControlKind kStatusBarKind = {STATUSCLASSNAMEA, "", {kStepFont, kStepEnd}};

// SB_GETPARTS answers at most this many edges, and with no array the count.
const WPARAM kAllParts = 255;

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
// through when a program sent it to the window itself. The text is read
// through the wide messages (see wide_text.h): SB_GETTEXTLENGTHA counts
// characters, fewer than the bytes SB_GETTEXTA writes under UTF-8.
String StatusBar::Text(int part)
{
    if (hwnd == NULL || part < 0 || part >= GetParts())
        return String();
    int length = LOWORD(SendMessageW(hwnd, SB_GETTEXTLENGTHW, part, 0));
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
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
