// Every size is measured in the window's own font, selected into the
// window's device context, and every length around the text (padding, the check box,
// scroll bars) is a logical length scaled to the DPI the toolkit scales the
// window to (ScalingDpi), so the same
// control wants half as much again at 144 DPI as at 96. Texts are read and
// measured as UTF-16, whatever the program's code page.
#include "preferred_size.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

#include "dpi_scaling.h"
#include "window_class.h"
#include "window_layout.h"

namespace {

// Logical lengths around texts.
const int kButtonWidth = 75;       // the usual smallest push button
const int kButtonHeight = 23;
const int kButtonPadding = 10;     // on each side of a button's caption
const int kTextBoxPadding = 10;    // above and below a box's line, together
const int kCheckBoxSide = 13;
const int kCheckBoxGap = 6;        // between the box and its caption
const int kFocusRoom = 4;          // the focus frame around a caption
const int kBarLength = 100;        // progress, track and scroll bars
const int kProgressThickness = 18;
const int kTrackThickness = 30;

int Scaled(HWND window, int logical)
{
    return ScaleBetweenDpi(logical, kLogicalDpi, ScalingDpi(window));
}

// A system metric (in the system's DPI) at the DPI the toolkit scales the
// window to.
int Metric(HWND window, int index)
{
    return ScaleBetweenDpi(GetSystemMetrics(index), WindowDpi(NULL), ScalingDpi(window));
}

std::wstring WindowText(HWND window)
{
    int length = GetWindowTextLengthW(window);
    if (length <= 0)
        return std::wstring();
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    int copied = GetWindowTextW(window, &text[0], length + 1);
    text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
    return text;
}

// A screen device context with the window's font selected, given back when
// it goes.
class FontContext {
public:
    explicit FontContext(HWND window) : owner(window), dc(GetDC(window))
    {
        HFONT font = reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0));
        if (font == NULL)
            font = static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
        old = SelectObject(dc, font);
    }
    ~FontContext()
    {
        SelectObject(dc, old);
        ReleaseDC(owner, dc);
    }
    FontContext(const FontContext&) = delete;
    FontContext& operator=(const FontContext&) = delete;

    // Every line of the text; access-key ampersands count as the system
    // draws them unless `prefix` is false. An empty text is one line high.
    SIZE Text(const std::wstring& text, bool prefix = true) const
    {
        RECT rect = {0, 0, 0, 0};
        UINT format = DT_CALCRECT | DT_EXPANDTABS | (prefix ? 0 : DT_NOPREFIX);
        const std::wstring shown = text.empty() ? std::wstring(L" ") : text;
        DrawTextW(dc, shown.c_str(), static_cast<int>(shown.size()), &rect, format);
        SIZE size = {text.empty() ? 0 : rect.right - rect.left, rect.bottom - rect.top};
        return size;
    }
    // The narrowest width at least `width` at which the text, broken into
    // lines at word ends as a label breaks it, takes no more lines than it
    // has: measured whole, a text whose letters come from a fallback font
    // can be a few pixels narrower than the breaking finds it.
    LONG UnbrokenWidth(const std::wstring& text, LONG width, LONG height, bool prefix) const
    {
        UINT format = DT_CALCRECT | DT_EXPANDTABS | DT_WORDBREAK | (prefix ? 0 : DT_NOPREFIX);
        LONG most = width + Average().cx * 2;
        for (; width < most; ++width) {
            RECT rect = {0, 0, width, 0};
            DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, format);
            if (rect.bottom - rect.top <= height)
                break;
        }
        return width;
    }
    SIZE Average() const
    {
        static const wchar_t kLetters[] = L"abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
        SIZE letters = {0, 0};
        GetTextExtentPoint32W(dc, kLetters, 52, &letters);
        TEXTMETRICW metrics = {};
        GetTextMetricsW(dc, &metrics);
        SIZE size = {(letters.cx + 51) / 52, metrics.tmHeight};
        return size;
    }

private:
    HWND owner;
    HDC dc;
    HGDIOBJ old;
};

// What the window's borders add to its client area, from its styles: a
// measured frame would count what a control adds of its own (the bands of a
// centred one-line box, a combo box's list) and change with the window's size.
SIZE Borders(HWND window)
{
    LONG style = GetWindowLongA(window, GWL_STYLE);
    LONG exStyle = GetWindowLongA(window, GWL_EXSTYLE);
    int side = 0;
    if (exStyle & WS_EX_CLIENTEDGE)
        side += Metric(window, SM_CXEDGE);
    if (exStyle & WS_EX_STATICEDGE)
        side += Metric(window, SM_CXBORDER);
    if (exStyle & WS_EX_DLGMODALFRAME)
        side += Metric(window, SM_CXDLGFRAME);
    if (style & WS_BORDER)
        side += Metric(window, SM_CXBORDER);
    SIZE size = {2 * side, 2 * side};
    return size;
}

SIZE Plus(SIZE size, SIZE more)
{
    SIZE sum = {size.cx + more.cx, size.cy + more.cy};
    return sum;
}

SIZE WindowSize(HWND window)
{
    RECT rect = {0, 0, 0, 0};
    GetWindowRect(window, &rect);
    SIZE size = {rect.right - rect.left, rect.bottom - rect.top};
    return size;
}

SIZE ButtonSize(HWND window, LONG style)
{
    FontContext fonts(window);
    LONG kind = style & BS_TYPEMASK;
    if (kind == BS_GROUPBOX) {
        // Without contents: the caption within its frame.
        RECT insets = GroupBoxInsets(window);
        SIZE text = fonts.Text(WindowText(window));
        SIZE size = {text.cx + Scaled(window, 2 * kButtonPadding), insets.top + insets.bottom};
        return size;
    }
    if (style & (BS_ICON | BS_BITMAP)) {
        SIZE size = WindowSize(window);
        return size;
    }
    SIZE text = fonts.Text(WindowText(window));
    bool check = kind == BS_CHECKBOX || kind == BS_AUTOCHECKBOX || kind == BS_3STATE ||
                 kind == BS_AUTO3STATE || kind == BS_RADIOBUTTON || kind == BS_AUTORADIOBUTTON;
    if (check && !(style & BS_PUSHLIKE)) {
        int box = Scaled(window, kCheckBoxSide);
        SIZE size = {box + Scaled(window, kCheckBoxGap) + text.cx + Scaled(window, kFocusRoom),
                     std::max<LONG>(box, text.cy) + Scaled(window, kFocusRoom)};
        return size;
    }
    SIZE size = {std::max<LONG>(Scaled(window, kButtonWidth),
                                text.cx + Scaled(window, 2 * kButtonPadding)),
                 std::max<LONG>(Scaled(window, kButtonHeight),
                                text.cy + Scaled(window, kTextBoxPadding))};
    return size;
}

SIZE StaticSize(HWND window, LONG style, int characters)
{
    LONG kind = style & SS_TYPEMASK;
    bool text = kind == SS_LEFT || kind == SS_CENTER || kind == SS_RIGHT || kind == SS_SIMPLE ||
                kind == SS_LEFTNOWORDWRAP;
    if (!text)
        return WindowSize(window);
    FontContext fonts(window);
    std::wstring caption = WindowText(window);
    bool prefix = !(style & SS_NOPREFIX);
    SIZE size = fonts.Text(caption, prefix);
    if (kind != SS_SIMPLE && kind != SS_LEFTNOWORDWRAP && !caption.empty())
        size.cx = fonts.UnbrokenWidth(caption, size.cx, size.cy, prefix);
    // Letters the font lacks are drawn from a fallback font, a little wider
    // than they measure (a line of 24 Cyrillic letters 2 pixels under Wine):
    // room for that keeps the last letter from being cut.
    if (!caption.empty())
        size.cx += Scaled(window, 2) + static_cast<LONG>(caption.size()) / 12;
    if (characters > 0)
        size.cx = characters * fonts.Average().cx;
    return Plus(size, Borders(window));
}

SIZE EditSize(HWND window, LONG style, int characters, int lines)
{
    FontContext fonts(window);
    SIZE average = fonts.Average();
    bool multiLine = (style & ES_MULTILINE) != 0;
    if (characters <= 0)
        characters = multiLine ? 30 : 20;
    if (lines <= 0)
        lines = multiLine ? 4 : 1;
    DWORD margins = static_cast<DWORD>(SendMessageA(window, EM_GETMARGINS, 0, 0));
    SIZE size = {characters * average.cx + LOWORD(margins) + HIWORD(margins),
                 lines * average.cy + Scaled(window, kTextBoxPadding) - 2 * Metric(window, SM_CYEDGE)};
    if (style & WS_VSCROLL)
        size.cx += Metric(window, SM_CXVSCROLL);
    if (style & WS_HSCROLL)
        size.cy += Metric(window, SM_CYHSCROLL);
    return Plus(size, Borders(window));
}

// An extended combo box's item: its text and whether it shows a picture.
std::wstring ExtendedItemText(HWND window, int index)
{
    std::wstring text(1024, L'\0');
    COMBOBOXEXITEMW item = {};
    item.mask = CBEIF_TEXT;
    item.iItem = index;
    item.pszText = &text[0];
    item.cchTextMax = static_cast<int>(text.size());
    if (!SendMessageW(window, CBEM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item)))
        return std::wstring();
    text.resize(wcsnlen(text.c_str(), text.size()));
    return text;
}

// The widest item of a list or combo box, with room for the scroll bar or
// the arrow; at least `characters` average characters. An extended combo
// box holds its texts itself, and its pictures stand before them.
SIZE ListSize(HWND window, bool combo, int characters, int lines)
{
    bool extended = IsWindowOfClass(window, WC_COMBOBOXEXA);
    FontContext fonts(window);
    const UINT countMessage = combo ? CB_GETCOUNT : LB_GETCOUNT;
    const UINT lengthMessage = combo ? CB_GETLBTEXTLEN : LB_GETTEXTLEN;
    const UINT textMessage = combo ? CB_GETLBTEXT : LB_GETTEXT;
    int count = static_cast<int>(SendMessageW(window, countMessage, 0, 0));
    LONG widest = 0;
    for (int i = 0; extended && i < count && i < 1000; ++i)
        widest = std::max(widest, fonts.Text(ExtendedItemText(window, i), false).cx);
    for (int i = 0; !extended && i < count && i < 1000; ++i) {
        LRESULT length = SendMessageW(window, lengthMessage, i, 0);
        if (length <= 0)
            continue;
        std::wstring item(static_cast<size_t>(length) + 1, L'\0');
        LRESULT copied =
            SendMessageW(window, textMessage, i, reinterpret_cast<LPARAM>(&item[0]));
        item.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
        widest = std::max(widest, fonts.Text(item, false).cx);
    }
    SIZE average = fonts.Average();
    widest = std::max<LONG>(widest, (characters > 0 ? characters : 12) * average.cx);
    int room = Metric(window, SM_CXVSCROLL) + Scaled(window, 8);
    HIMAGELIST pictures =
        extended ? reinterpret_cast<HIMAGELIST>(SendMessageA(window, CBEM_GETIMAGELIST, 0, 0)) : NULL;
    int pictureWidth = 0, pictureHeight = 0;
    if (pictures != NULL && ImageList_GetIconSize(pictures, &pictureWidth, &pictureHeight))
        room += pictureWidth + Scaled(window, 4);
    if (combo) {
        LONG style = GetWindowLongA(window, GWL_STYLE);
        SIZE size = {widest + room, WindowSize(window).cy};
        if ((style & 3) == CBS_SIMPLE) {
            int item = static_cast<int>(SendMessageA(window, CB_GETITEMHEIGHT, 0, 0));
            int field = static_cast<int>(SendMessageA(window, CB_GETITEMHEIGHT, (WPARAM)-1, 0));
            size.cy = field + Scaled(window, 8) + (lines > 0 ? lines : 5) * item;
        }
        return size;
    }
    int item = static_cast<int>(SendMessageA(window, LB_GETITEMHEIGHT, 0, 0));
    if (item <= 0)
        item = average.cy;
    SIZE size = {widest + room, (lines > 0 ? lines : 5) * item};
    return Plus(size, Borders(window));
}

SIZE ListViewSize(HWND window, bool tree, int characters, int lines)
{
    FontContext fonts(window);
    SIZE average = fonts.Average();
    int rowHeight = tree ? static_cast<int>(SendMessageA(window, TVM_GETITEMHEIGHT, 0, 0)) : 0;
    if (rowHeight <= 0)
        rowHeight = average.cy + Scaled(window, 4);
    SIZE size = {(characters > 0 ? characters : 24) * average.cx,
                 (lines > 0 ? lines : 8) * rowHeight};
    LONG style = GetWindowLongA(window, GWL_STYLE);
    if (!tree && (style & LVS_TYPEMASK) == LVS_REPORT) {
        HWND header = reinterpret_cast<HWND>(SendMessageA(window, LVM_GETHEADER, 0, 0));
        int columns = header != NULL ? static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
        if (columns > 0 && characters <= 0) {
            LONG sum = 0;
            for (int i = 0; i < columns; ++i)
                sum += static_cast<LONG>(SendMessageA(window, LVM_GETCOLUMNWIDTH, i, 0));
            size.cx = sum;
        }
        size.cy += average.cy + Scaled(window, 8);   // the header
    }
    size.cx += Metric(window, SM_CXVSCROLL);
    return Plus(size, Borders(window));
}

// The largest page of a tab control (its children) inside its frame, at
// least as wide as its tabs.
SIZE TabSize(HWND window)
{
    SIZE page = {0, 0};
    for (HWND child = GetWindow(window, GW_CHILD); child != NULL;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if (IsWindowOfClass(child, UPDOWN_CLASSA))
            continue;
        SIZE one = PreferredSize(child);
        page.cx = std::max(page.cx, one.cx);
        page.cy = std::max(page.cy, one.cy);
    }
    // As a tab page places its control: a margin of 5 pixels around it, below
    // the lowest row of tabs.
    const int margin = 5;
    int tabs = static_cast<int>(SendMessageA(window, TCM_GETITEMCOUNT, 0, 0));
    LONG widest = 0;
    LONG lowest = 0;
    for (int i = 0; i < tabs; ++i) {
        RECT item = {0, 0, 0, 0};
        if (SendMessageA(window, TCM_GETITEMRECT, i, reinterpret_cast<LPARAM>(&item))) {
            widest = std::max(widest, item.right + Scaled(window, 4));
            lowest = std::max(lowest, item.bottom);
        }
    }
    SIZE size = {std::max<LONG>(widest, page.cx + 2 * margin), lowest + page.cy + 2 + 2 * margin};
    size = Plus(size, Borders(window));
    return size;
}

SIZE ToolBarSize(HWND window)
{
    SIZE size = {0, 0};
    SendMessageA(window, TB_GETMAXSIZE, 0, reinterpret_cast<LPARAM>(&size));
    size.cy = std::max(size.cy, WindowSize(window).cy);
    return size;
}

}  // namespace

SIZE AverageCharacterSize(HWND window)
{
    if (!IsWindow(window)) {
        SIZE none = {0, 0};
        return none;
    }
    FontContext fonts(window);
    return fonts.Average();
}

RECT GroupBoxInsets(HWND groupBox)
{
    RECT insets = {0, 0, 0, 0};
    if (!IsWindow(groupBox))
        return insets;
    FontContext fonts(groupBox);
    int side = Scaled(groupBox, 9);
    insets.left = side;
    insets.right = side;
    insets.top = fonts.Average().cy + Scaled(groupBox, 6);
    insets.bottom = side;
    return insets;
}

bool MeasuresContents(HWND window)
{
    static const char* const kMeasured[] = {
        "Button", "Static", "Edit", "RichEdit", "RICHEDIT20A", "RICHEDIT20W", "ComboBox",
        "ListBox", WC_LISTVIEWA, WC_TREEVIEWA, WC_TABCONTROLA, TOOLBARCLASSNAMEA,
        REBARCLASSNAMEA, STATUSCLASSNAMEA, PROGRESS_CLASSA, TRACKBAR_CLASSA, "ScrollBar",
        MONTHCAL_CLASSA, WC_COMBOBOXEXA};
    if (HasWindowLayout(window))
        return true;
    for (const char* name : kMeasured)
        if (IsWindowOfClass(window, name))
            return true;
    return false;
}

SIZE PreferredSize(HWND window, int characters, int lines)
{
    SIZE none = {0, 0};
    if (!IsWindow(window))
        return none;
    LONG style = GetWindowLongA(window, GWL_STYLE);
    SIZE laidOut = {0, 0};
    if (WindowLayoutSize(window, &laidOut))
        return laidOut;
    if (IsWindowOfClass(window, "Button"))
        return ButtonSize(window, style);
    if (IsWindowOfClass(window, "Static"))
        return StaticSize(window, style, characters);
    if (IsWindowOfClass(window, "Edit") || IsWindowOfClass(window, "RichEdit") ||
        IsWindowOfClass(window, "RICHEDIT20A") || IsWindowOfClass(window, "RICHEDIT20W"))
        return EditSize(window, style, characters, lines);
    if (IsWindowOfClass(window, "ComboBox") || IsWindowOfClass(window, WC_COMBOBOXEXA))
        return ListSize(window, true, characters, lines);
    if (IsWindowOfClass(window, "ListBox"))
        return ListSize(window, false, characters, lines);
    if (IsWindowOfClass(window, WC_LISTVIEWA) || IsWindowOfClass(window, WC_TREEVIEWA))
        return ListViewSize(window, IsWindowOfClass(window, WC_TREEVIEWA), characters, lines);
    if (IsWindowOfClass(window, WC_TABCONTROLA))
        return TabSize(window);
    if (IsWindowOfClass(window, TOOLBARCLASSNAMEA))
        return ToolBarSize(window);
    if (IsWindowOfClass(window, REBARCLASSNAMEA)) {
        SIZE size = {0, static_cast<LONG>(SendMessageA(window, RB_GETBARHEIGHT, 0, 0))};
        return size;
    }
    if (IsWindowOfClass(window, STATUSCLASSNAMEA)) {
        SIZE size = {0, WindowSize(window).cy};
        return size;
    }
    bool vertical = false;
    int thickness = 0;
    if (IsWindowOfClass(window, PROGRESS_CLASSA)) {
        vertical = (style & PBS_VERTICAL) != 0;
        thickness = Scaled(window, kProgressThickness);
    } else if (IsWindowOfClass(window, TRACKBAR_CLASSA)) {
        vertical = (style & TBS_VERT) != 0;
        thickness = Scaled(window, kTrackThickness);
    } else if (IsWindowOfClass(window, "ScrollBar")) {
        vertical = (style & SBS_VERT) != 0;
        thickness = Metric(window, vertical ? SM_CXVSCROLL : SM_CYHSCROLL);
    }
    if (thickness > 0) {
        int length = Scaled(window, kBarLength);
        SIZE size = {vertical ? thickness : length, vertical ? length : thickness};
        return size;
    }
    if (IsWindowOfClass(window, MONTHCAL_CLASSA)) {
        RECT rect = {0, 0, 0, 0};
        SendMessageA(window, MCM_GETMINREQRECT, 0, reinterpret_cast<LPARAM>(&rect));
        return Plus(SIZE{rect.right - rect.left, rect.bottom - rect.top}, Borders(window));
    }
    return WindowSize(window);
}
