// Every window that follows the mode carries a comctl32 subclass whose
// reference data is its record: what kind of window it is, whether it is
// dark now, and the colours it had before it went dark. The subclass answers
// the colour questions of a window's children, paints the classes the
// platform would paint light (dark_painting.cpp) and, through WM_PARENTNOTIFY,
// takes in every window made inside a dark one.
//
// Forms carry a window property that marks them as followers: switching
// walks the thread's top-level windows that have it, and everything in them.
#include "dark_mode.h"

#include <commctrl.h>
#include <richedit.h>

#include <cstring>
#include <cwchar>
#include <map>
#include <vector>

#include "dark_menu_bar.h"
#include "dark_painting.h"
#include "subclass_data.h"
#include "window_class.h"

namespace {

const UINT_PTR kDarkSubclassId = 0x5744524B;  // "WDRK"
const char kFollowerProperty[] = "Wicker.FollowsDarkMode";

// While the mode is Off and windows are light, new windows carry no subclass:
// a program that never asks for dark mode runs as it always did.
DarkMode setting = DarkMode::Off;
bool darkNow = false;

// The toolkit's dark colours: a near-black form, slightly lighter boxes and
// buttons, and text whose contrast with each stays above 7 : 1.
const SchemeColours kDark = {
    RGB(32, 32, 32),     // window
    RGB(43, 43, 43),     // field
    RGB(55, 55, 55),     // face
    RGB(69, 69, 69),     // hotFace
    RGB(84, 84, 84),     // pressedFace
    RGB(235, 235, 235),  // text
    RGB(150, 150, 150),  // greyText
    RGB(105, 105, 105),  // border
    RGB(0, 84, 166),     // selection
    RGB(255, 255, 255),  // selectionText
    RGB(60, 120, 200),   // accent: white on it and it on the field both read
};

// One kept colour: what the window had, and what dark mode gave it (given
// back on the way to light only while the window still has it).
struct KeptColour {
    COLORREF before;
    COLORREF given;
};

struct WindowRecord {
    WindowKind kind;
    bool dark = false;
    std::map<int, KeptColour> colours;  // by the colour's own slot number
    ScrollBarsDrawn scrollBars;
    DarkMenuBar menuBar;
    // A list view's check boxes: its own state pictures and the dark ones
    // shown instead.
    HIMAGELIST ownStates = NULL;
    HIMAGELIST darkStates = NULL;
};

LRESULT CALLBACK DarkProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                          DWORD_PTR data);

WindowRecord* RecordOf(HWND window)
{
    return reinterpret_cast<WindowRecord*>(SubclassData(window, DarkProc, kDarkSubclassId));
}

// ---- colours given by message ----

// Slots of the kept colours, one number per colour a class holds.
enum Slot {
    kListBack,
    kListText,
    kListTextBack,
    kTreeBack,
    kTreeText,
    kTreeLine,
    kRichBack,
    kProgressBack,
    kCalendarBack,
    kCalendarMonthBack,
    kCalendarText,
    kCalendarTrailing,
    kCalendarTitleBack,
    kCalendarTitleText,
    kRebarBack,
    kRebarText,
};

// True when a colour a class reports is its default: the system colour it
// follows, or the markers that stand for it.
bool IsDefaultColour(COLORREF colour, int systemColour)
{
    return colour == CLR_DEFAULT || colour == static_cast<COLORREF>(-1) ||
           colour == GetSysColor(systemColour);
}

// A colour a class holds and answers through a pair of messages: which
// kind of window, the slot it is kept under, its get and set messages and
// the index they take, the system colour it follows by default, and the
// dark colour it takes.
struct MessageColour {
    WindowKind kind;
    int slot;
    UINT get;
    UINT set;
    WPARAM which;
    int systemColour;
    COLORREF SchemeColours::*dark;
};

// A class's colours go together, its background first: a text colour is
// given only with the background, so text stays readable on a background
// the program chose. The month's background leads a calendar's colours,
// as a month calendar holds them and as a date picker holds those of its
// drop-down calendar; a calendar's title background is also the colour of
// the days' names.
const MessageColour kMessageColours[] = {
    {WindowKind::ListView, kListBack, LVM_GETBKCOLOR, LVM_SETBKCOLOR, 0,
     COLOR_WINDOW, &SchemeColours::field},
    {WindowKind::ListView, kListText, LVM_GETTEXTCOLOR, LVM_SETTEXTCOLOR, 0,
     COLOR_WINDOWTEXT, &SchemeColours::text},
    {WindowKind::ListView, kListTextBack, LVM_GETTEXTBKCOLOR, LVM_SETTEXTBKCOLOR, 0,
     COLOR_WINDOW, &SchemeColours::field},
    {WindowKind::TreeView, kTreeBack, TVM_GETBKCOLOR, TVM_SETBKCOLOR, 0,
     COLOR_WINDOW, &SchemeColours::field},
    {WindowKind::TreeView, kTreeText, TVM_GETTEXTCOLOR, TVM_SETTEXTCOLOR, 0,
     COLOR_WINDOWTEXT, &SchemeColours::text},
    {WindowKind::TreeView, kTreeLine, TVM_GETLINECOLOR, TVM_SETLINECOLOR, 0,
     COLOR_GRAYTEXT, &SchemeColours::border},
    {WindowKind::ReBar, kRebarBack, RB_GETBKCOLOR, RB_SETBKCOLOR, 0,
     COLOR_BTNFACE, &SchemeColours::window},
    {WindowKind::ReBar, kRebarText, RB_GETTEXTCOLOR, RB_SETTEXTCOLOR, 0,
     COLOR_BTNTEXT, &SchemeColours::text},
    {WindowKind::MonthCalendar, kCalendarMonthBack, MCM_GETCOLOR, MCM_SETCOLOR, MCSC_MONTHBK,
     COLOR_WINDOW, &SchemeColours::field},
    {WindowKind::MonthCalendar, kCalendarBack, MCM_GETCOLOR, MCM_SETCOLOR, MCSC_BACKGROUND,
     COLOR_WINDOW, &SchemeColours::window},
    {WindowKind::MonthCalendar, kCalendarText, MCM_GETCOLOR, MCM_SETCOLOR, MCSC_TEXT,
     COLOR_WINDOWTEXT, &SchemeColours::text},
    {WindowKind::MonthCalendar, kCalendarTrailing, MCM_GETCOLOR, MCM_SETCOLOR, MCSC_TRAILINGTEXT,
     COLOR_GRAYTEXT, &SchemeColours::greyText},
    {WindowKind::MonthCalendar, kCalendarTitleBack, MCM_GETCOLOR, MCM_SETCOLOR, MCSC_TITLEBK,
     COLOR_ACTIVECAPTION, &SchemeColours::accent},
    {WindowKind::MonthCalendar, kCalendarTitleText, MCM_GETCOLOR, MCM_SETCOLOR, MCSC_TITLETEXT,
     COLOR_WINDOW, &SchemeColours::text},
    {WindowKind::DatePicker, kCalendarMonthBack, DTM_GETMCCOLOR, DTM_SETMCCOLOR, MCSC_MONTHBK,
     COLOR_WINDOW, &SchemeColours::field},
    {WindowKind::DatePicker, kCalendarBack, DTM_GETMCCOLOR, DTM_SETMCCOLOR, MCSC_BACKGROUND,
     COLOR_WINDOW, &SchemeColours::window},
    {WindowKind::DatePicker, kCalendarText, DTM_GETMCCOLOR, DTM_SETMCCOLOR, MCSC_TEXT,
     COLOR_WINDOWTEXT, &SchemeColours::text},
    {WindowKind::DatePicker, kCalendarTrailing, DTM_GETMCCOLOR, DTM_SETMCCOLOR, MCSC_TRAILINGTEXT,
     COLOR_GRAYTEXT, &SchemeColours::greyText},
    {WindowKind::DatePicker, kCalendarTitleBack, DTM_GETMCCOLOR, DTM_SETMCCOLOR, MCSC_TITLEBK,
     COLOR_ACTIVECAPTION, &SchemeColours::accent},
    {WindowKind::DatePicker, kCalendarTitleText, DTM_GETMCCOLOR, DTM_SETMCCOLOR, MCSC_TITLETEXT,
     COLOR_WINDOW, &SchemeColours::text},
};

// Gives the window its class's dark colours through their set messages
// when its background is the default, and keeps what it had.
void GiveColours(HWND window, WindowRecord& record)
{
    bool background = true;
    for (const MessageColour& colour : kMessageColours) {
        if (colour.kind != record.kind)
            continue;
        const COLORREF before =
            static_cast<COLORREF>(SendMessageW(window, colour.get, colour.which, 0));
        const bool first = background;
        background = false;
        if (first ? !IsDefaultColour(before, colour.systemColour) : record.colours.empty())
            return;
        const COLORREF dark = kDark.*colour.dark;
        SendMessageW(window, colour.set, colour.which, static_cast<LPARAM>(dark));
        record.colours[colour.slot] = {before, dark};
    }
}

// Gives back each kept colour the window still has the dark one of.
void GiveColoursBack(HWND window, WindowRecord& record)
{
    for (const MessageColour& colour : kMessageColours) {
        if (colour.kind != record.kind)
            continue;
        auto kept = record.colours.find(colour.slot);
        if (kept == record.colours.end())
            continue;
        const COLORREF now =
            static_cast<COLORREF>(SendMessageW(window, colour.get, colour.which, 0));
        if (now == kept->second.given)
            SendMessageW(window, colour.set, colour.which, static_cast<LPARAM>(kept->second.before));
        record.colours.erase(kept);
    }
}

// A rich text box has no message that reads its background: setting one
// answers the colour before, which is put back when it was the program's.
void DarkenRichText(HWND box, WindowRecord& record)
{
    // A background of a system colour (the window's, or the face of a
    // read-only pane) is not the program's own choice.
    const COLORREF before =
        static_cast<COLORREF>(SendMessageW(box, EM_SETBKGNDCOLOR, 0, kDark.field));
    if (before == GetSysColor(COLOR_WINDOW) || before == GetSysColor(COLOR_BTNFACE)) {
        const COLORREF dark = before == GetSysColor(COLOR_WINDOW) ? kDark.field : kDark.window;
        SendMessageW(box, EM_SETBKGNDCOLOR, 0, dark);
        record.colours[kRichBack] = {before, dark};
    } else {
        SendMessageW(box, EM_SETBKGNDCOLOR, 0, before);
    }
    RecolourRichText(box, true, kDark.text);
}

void LightenRichText(HWND box, WindowRecord& record)
{
    auto kept = record.colours.find(kRichBack);
    if (kept != record.colours.end()) {
        if (kept->second.before == GetSysColor(COLOR_WINDOW))
            SendMessageW(box, EM_SETBKGNDCOLOR, 1, 0);
        else
            SendMessageW(box, EM_SETBKGNDCOLOR, 0, kept->second.before);
        record.colours.erase(kept);
    }
    RecolourRichText(box, false, kDark.text);
}

// ---- visual styles ----

// A function of a system library, looked up at run time: null where the
// system has no such library or function.
template <typename Function>
Function SystemFunction(const char* library, const char* name)
{
    HMODULE module = LoadLibraryA(library);
    return module != NULL
               ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)))
               : nullptr;
}

typedef HRESULT(WINAPI* SetWindowThemeFunction)(HWND, LPCWSTR, LPCWSTR);

// A control drawn by the visual style takes its colours from the style and
// not from the messages above: in dark mode the controls are drawn without
// it (a theme name of one space, which names no theme; Wine keeps the
// style for an empty name), and take the style back in light mode.
void UseVisualStyle(HWND window, bool use)
{
    static const SetWindowThemeFunction setTheme =
        SystemFunction<SetWindowThemeFunction>("uxtheme.dll", "SetWindowTheme");
    if (setTheme == nullptr)
        return;
    if (use)
        setTheme(window, nullptr, nullptr);
    else
        setTheme(window, L" ", L" ");
}

bool IsControl(HWND window, const WindowRecord& record)
{
    return record.kind != WindowKind::Dialog && record.kind != WindowKind::Other &&
           ((GetWindowLongW(window, GWL_STYLE) & WS_CHILD) != 0 ||
            record.kind == WindowKind::ListBox);
}

// A re-bar's bands each have colours of their own (the band's text and
// background): kept under slots of their own from kBandSlots on.
const int kBandSlots = 1000;

void ColourBands(HWND bar, WindowRecord& record, bool dark)
{
    const int count = static_cast<int>(SendMessageW(bar, RB_GETBANDCOUNT, 0, 0));
    for (int band = 0; band < count; ++band) {
        REBARBANDINFOW info = {};
        info.cbSize = sizeof info;
        info.fMask = RBBIM_COLORS;
        if (!SendMessageW(bar, RB_GETBANDINFOW, band, reinterpret_cast<LPARAM>(&info)))
            continue;
        const int slot = kBandSlots + 2 * band;
        if (dark) {
            if (!IsDefaultColour(info.clrBack, COLOR_BTNFACE))
                continue;
            record.colours[slot] = {info.clrBack, kDark.window};
            record.colours[slot + 1] = {info.clrFore, kDark.text};
            info.clrBack = kDark.window;
            info.clrFore = kDark.text;
        } else {
            auto back = record.colours.find(slot), fore = record.colours.find(slot + 1);
            if (back == record.colours.end() || fore == record.colours.end())
                continue;
            if (info.clrBack == back->second.given) {
                info.clrBack = back->second.before;
                info.clrFore = fore->second.before;
            }
            record.colours.erase(back);
            record.colours.erase(fore);
        }
        SendMessageW(bar, RB_SETBANDINFOW, band, reinterpret_cast<LPARAM>(&info));
    }
}

// The check boxes of a list view's rows are pictures the class draws light.
void DarkenCheckBoxes(HWND list, WindowRecord& record)
{
    if ((SendMessageW(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) & LVS_EX_CHECKBOXES) == 0)
        return;
    HIMAGELIST own = reinterpret_cast<HIMAGELIST>(SendMessageW(list, LVM_GETIMAGELIST, LVSIL_STATE, 0));
    int width = 0, height = 0;
    if (own == NULL || !ImageList_GetIconSize(own, &width, &height))
        return;
    HIMAGELIST dark = MakeDarkCheckBoxes(width, height, kDark);
    if (dark == NULL)
        return;
    record.ownStates = own;
    record.darkStates = dark;
    SendMessageW(list, LVM_SETIMAGELIST, LVSIL_STATE, reinterpret_cast<LPARAM>(dark));
}

// Gives the list its own check boxes back; the list destroys those with itself.
void LightenCheckBoxes(HWND list, WindowRecord& record)
{
    if (record.darkStates == NULL)
        return;
    if (reinterpret_cast<HIMAGELIST>(SendMessageW(list, LVM_GETIMAGELIST, LVSIL_STATE, 0)) ==
        record.darkStates)
        SendMessageW(list, LVM_SETIMAGELIST, LVSIL_STATE, reinterpret_cast<LPARAM>(record.ownStates));
    ImageList_Destroy(record.darkStates);
    record.darkStates = NULL;
    record.ownStates = NULL;
}

void Darken(HWND window, WindowRecord& record)
{
    if (IsControl(window, record))
        UseVisualStyle(window, false);
    GiveColours(window, record);
    switch (record.kind) {
    case WindowKind::ListView:
        DarkenCheckBoxes(window, record);
        break;
    case WindowKind::RichText:
        DarkenRichText(window, record);
        break;
    case WindowKind::Progress: {
        // The bar answers the colour it had when given a new one.
        const COLORREF before =
            static_cast<COLORREF>(SendMessageW(window, PBM_SETBKCOLOR, 0, kDark.field));
        if (IsDefaultColour(before, COLOR_BTNFACE))
            record.colours[kProgressBack] = {before, kDark.field};
        else
            SendMessageW(window, PBM_SETBKCOLOR, 0, before);
        break;
    }
    case WindowKind::ReBar:
        ColourBands(window, record, true);
        break;
    default:
        break;
    }
}

void Lighten(HWND window, WindowRecord& record)
{
    if (IsControl(window, record))
        UseVisualStyle(window, true);
    GiveColoursBack(window, record);
    switch (record.kind) {
    case WindowKind::ListView:
        LightenCheckBoxes(window, record);
        break;
    case WindowKind::RichText:
        LightenRichText(window, record);
        break;
    case WindowKind::Progress: {
        auto kept = record.colours.find(kProgressBack);
        if (kept != record.colours.end()) {
            const COLORREF now = static_cast<COLORREF>(
                SendMessageW(window, PBM_SETBKCOLOR, 0, kept->second.before));
            if (now != kept->second.given)
                SendMessageW(window, PBM_SETBKCOLOR, 0, now);
            record.colours.erase(kept);
        }
        break;
    }
    case WindowKind::ReBar:
        ColourBands(window, record, false);
        break;
    default:
        break;
    }
}

// ---- the caption bar ----

typedef HRESULT(WINAPI* SetWindowAttributeFunction)(HWND, DWORD, LPCVOID, DWORD);

// Asks the system to draw a top-level window's caption dark or light: the
// attribute is 20 from Windows 10 20H1 on and was 19 before it. Systems
// without it (and Wine) draw their own caption.
void AskCaptionToFollow(HWND window, bool dark)
{
    if ((GetWindowLongW(window, GWL_STYLE) & WS_CHILD) != 0)
        return;
    static const SetWindowAttributeFunction setAttribute =
        SystemFunction<SetWindowAttributeFunction>("dwmapi.dll", "DwmSetWindowAttribute");
    if (setAttribute == nullptr)
        return;
    const BOOL value = dark ? TRUE : FALSE;
    if (FAILED(setAttribute(window, 20, &value, sizeof value)))
        setAttribute(window, 19, &value, sizeof value);
}

// ---- following ----

// Brings one window to the mode in effect: its subclass first, then its
// colours, once for each change of mode.
void Follow(HWND window)
{
    WindowRecord* record = RecordOf(window);
    if (record == nullptr) {
        record = new WindowRecord;
        record->kind = KindOf(window);
        if (!SetWindowSubclass(window, DarkProc, kDarkSubclassId,
                               reinterpret_cast<DWORD_PTR>(record))) {
            delete record;
            return;
        }
    }
    if (record->dark == darkNow)
        return;
    record->dark = darkNow;
    if (darkNow)
        Darken(window, *record);
    else
        Lighten(window, *record);
    if (GetPropA(window, kFollowerProperty) != NULL) {
        AskCaptionToFollow(window, darkNow);
        if ((GetWindowLongW(window, GWL_STYLE) & WS_CHILD) == 0) {
            if (darkNow)
                DarkenMenuBar(window, record->menuBar, kDark);
            else
                LightenMenuBar(window, record->menuBar);
        }
    }
    // A combo box's list is a pop-up of the desktop, outside the walk of its
    // parent's children.
    if (record->kind == WindowKind::ComboBox) {
        COMBOBOXINFO info = {};
        info.cbSize = sizeof info;
        if (GetComboBoxInfo(window, &info) && info.hwndList != NULL && info.hwndList != window)
            Follow(info.hwndList);
    }
}

BOOL CALLBACK FollowChild(HWND child, LPARAM)
{
    Follow(child);
    return TRUE;
}

// The window and everything in it, repainted whole when anything changed.
void FollowTree(HWND root)
{
    Follow(root);
    EnumChildWindows(root, FollowChild, 0);
}

UINT FollowLaterMessage()
{
    static const UINT message = RegisterWindowMessageA("Wicker.FollowDarkMode");
    return message;
}

void Repaint(HWND root)
{
    RedrawWindow(root, NULL, NULL,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

BOOL CALLBACK FollowForm(HWND window, LPARAM)
{
    if (GetPropA(window, kFollowerProperty) != NULL) {
        FollowTree(window);
        Repaint(window);
    }
    return TRUE;
}

void SwitchTo(bool dark)
{
    darkNow = dark;
    EnumThreadWindows(GetCurrentThreadId(), FollowForm, 0);
}

// The change notice of the user's light or dark setting.
bool IsColourSetChange(HWND window, LPARAM lParam)
{
    if (lParam == 0)
        return false;
    if (IsWindowUnicode(window))
        return std::wcscmp(reinterpret_cast<const wchar_t*>(lParam), L"ImmersiveColorSet") == 0;
    return std::strcmp(reinterpret_cast<const char*>(lParam), "ImmersiveColorSet") == 0;
}

// ---- the subclass ----

// The colour answer for a child: the program's own brush stands; the
// system's default becomes the dark one.
LRESULT AnswerColour(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const LRESULT answer = DefSubclassProc(window, message, wParam, lParam);
    if (message != WM_CTLCOLORSCROLLBAR && answer != 0 &&
        !IsSystemBrush(reinterpret_cast<HBRUSH>(answer)))
        return answer;
    HDC dc = reinterpret_cast<HDC>(wParam);
    HWND control = reinterpret_cast<HWND>(lParam);
    const bool field = message == WM_CTLCOLOREDIT || message == WM_CTLCOLORLISTBOX ||
                       message == WM_CTLCOLORSCROLLBAR;
    const COLORREF back = field ? kDark.field : kDark.window;
    SetTextColor(dc, control == NULL || IsWindowEnabled(control) ? kDark.text : kDark.greyText);
    SetBkColor(dc, back);
    return reinterpret_cast<LRESULT>(SolidBrushOf(back));
}

// A form paints (and erases) under its transparent children, group boxes,
// which the form's clipping leaves in; when the form painted after them (a
// part of it uncovered by a layout that moved them), they are drawn again
// over what it painted.
LRESULT PaintWithTransparentChildren(HWND form, WPARAM wParam, LPARAM lParam)
{
    RECT update;
    const bool any = GetUpdateRect(form, &update, FALSE) != FALSE;
    const LRESULT result = DefSubclassProc(form, WM_PAINT, wParam, lParam);
    if (!any || !IsWindow(form))
        return result;
    for (HWND child = GetWindow(form, GW_CHILD); child != NULL;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if ((GetWindowLongW(child, GWL_EXSTYLE) & WS_EX_TRANSPARENT) == 0 ||
            !IsWindowVisible(child))
            continue;
        RECT place, overlap;
        GetWindowRect(child, &place);
        MapWindowPoints(NULL, form, reinterpret_cast<POINT*>(&place), 2);
        if (!IntersectRect(&overlap, &place, &update))
            continue;
        HDC dc = GetDC(child);
        SendMessageW(child, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
        ReleaseDC(child, dc);
    }
    return result;
}

LRESULT CALLBACK DarkProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                          DWORD_PTR data)
{
    WindowRecord* record = reinterpret_cast<WindowRecord*>(data);
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(window, DarkProc, kDarkSubclassId);
        RemovePropA(window, kFollowerProperty);
        // The menu may outlive the form (a program may keep it): its items
        // must not point at what the record kept.
        LightenMenuBar(window, record->menuBar);
        LightenCheckBoxes(window, *record);
        delete record;
        return DefSubclassProc(window, message, wParam, lParam);
    }
    if (message == WM_SETTINGCHANGE && setting == DarkMode::FollowSystem &&
        GetPropA(window, kFollowerProperty) != NULL && IsColourSetChange(window, lParam)) {
        const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
        if (SystemUsesDarkMode() != darkNow)
            SwitchTo(!darkNow);
        return result;
    }
    if (message == FollowLaterMessage()) {
        HWND child = reinterpret_cast<HWND>(lParam);
        if (darkNow && IsWindow(child) && GetParent(child) == window) {
            FollowTree(child);
            Repaint(child);
        }
        return 0;
    }
    if (message == WM_PAINT && record->kind == WindowKind::Dialog)
        return PaintWithTransparentChildren(window, wParam, lParam);
    if (!record->dark)
        return DefSubclassProc(window, message, wParam, lParam);

    switch (message) {
    case WM_PARENTNOTIFY:
        // A new child follows once the code that made it has given it its
        // items and colours (a colour the program gives stays), before it
        // first paints: posted messages come before WM_PAINT.
        if (LOWORD(wParam) == WM_CREATE)
            PostMessageW(window, FollowLaterMessage(), 0, lParam);
        break;
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        return AnswerColour(window, message, wParam, lParam);
    case WM_ERASEBKGND:
        if (ErasesItself(record->kind, window))
            break;
        FillClient(window, reinterpret_cast<HDC>(wParam), kDark.window);
        return 1;
    case WM_NOTIFY: {
        const NMHDR* note = reinterpret_cast<const NMHDR*>(lParam);
        if (note->code != static_cast<UINT>(NM_CUSTOMDRAW))
            break;
        const LRESULT answer = DefSubclassProc(window, message, wParam, lParam);
        if (KindOf(note->hwndFrom) == WindowKind::ListView)
            return answer | ColourListItem(*reinterpret_cast<NMLVCUSTOMDRAW*>(lParam), kDark);
        if (answer != CDRF_DODEFAULT)
            return answer;
        return PaintCustomDraw(*reinterpret_cast<NMCUSTOMDRAW*>(lParam), kDark);
    }
    case WM_DRAWITEM:
        if (DrawMenuBarItem(record->menuBar, *reinterpret_cast<DRAWITEMSTRUCT*>(lParam), kDark))
            return TRUE;
        if (record->kind == WindowKind::ExtendedComboBox &&
            PaintExtendedComboItem(window, *reinterpret_cast<DRAWITEMSTRUCT*>(lParam), kDark))
            return TRUE;
        break;
    case WM_PAINT:
    case WM_PRINTCLIENT:
        if (PaintsItself(record->kind, window)) {
            if (message == WM_PRINTCLIENT) {
                PaintWindow(window, reinterpret_cast<HDC>(wParam), kDark);
                return 0;
            }
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(window, &paint);
            PaintWindow(window, dc, kDark);
            EndPaint(window, &paint);
            return 0;
        }
        if (message == WM_PAINT && PaintsOver(record->kind)) {
            const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
            PaintOver(window, kDark, record->scrollBars);
            return result;
        }
        break;
    case WM_SETTEXT:
    case WM_PASTE:
    case EM_STREAMIN:
    case EM_SETTEXTEX:
    case EM_REPLACESEL:
        // Text that comes in takes the automatic colour, black.
        if (record->kind == WindowKind::RichText) {
            const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
            RecolourRichText(window, true, kDark.text);
            return result;
        }
        break;
    case WM_MEASUREITEM:
        if (MeasureMenuBarItem(window, record->menuBar,
                               *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)))
            return TRUE;
        break;
    case WM_NCPAINT: {
        // A menu given to the form (or items added to it) since it went dark
        // is made dark before the bar is drawn.
        if (GetPropA(window, kFollowerProperty) != NULL &&
            (GetWindowLongW(window, GWL_STYLE) & WS_CHILD) == 0 &&
            MenuBarChanged(window, record->menuBar))
            DarkenMenuBar(window, record->menuBar, kDark);
        const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
        PaintFrame(window, kDark, record->scrollBars, true);
        PaintMenuBarRest(window, record->menuBar, kDark);
        return result;
    }
    case WM_NCACTIVATE: {
        // The system draws the caption and the menu bar again straight away.
        const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
        PaintMenuBarRest(window, record->menuBar, kDark);
        return result;
    }
    default:
        break;
    }
    const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
    // A window destroyed meanwhile has freed its record; one the message
    // turned light (a click that chose light) is left to the class.
    if (!IsWindow(window) || !record->dark)
        return result;
    // A button draws a change of its state (checked, pushed, focused, hot)
    // there and then, not through WM_PAINT: it is drawn dark again at once.
    if (record->kind == WindowKind::Button && ChangesButtonLook(message) &&
        PaintsItself(record->kind, window)) {
        HDC dc = GetDC(window);
        PaintWindow(window, dc, kDark);
        ReleaseDC(window, dc);
    }
    // The system draws a scroll bar straight away when its position
    // changes; it is drawn over again as soon as it differs from the one
    // drawn dark last.
    if (message != WM_NCHITTEST && message != WM_SETCURSOR && HasScrollBars(window, record->kind))
        PaintFrame(window, kDark, record->scrollBars, false);
    return result;
}

}  // namespace

void SetDarkMode(DarkMode mode)
{
    setting = mode;
    SwitchTo(mode == DarkMode::On || (mode == DarkMode::FollowSystem && SystemUsesDarkMode()));
}

DarkMode DarkModeSetting()
{
    return setting;
}

bool DarkModeOn()
{
    return darkNow;
}

bool SystemUsesDarkMode()
{
    DWORD light = 1;
    DWORD size = sizeof light;
    const LSTATUS status = RegGetValueA(
        HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize",
        "AppsUseLightTheme", RRF_RT_REG_DWORD, NULL, &light, &size);
    return status == ERROR_SUCCESS && light == 0;
}

SchemeColours CurrentSchemeColours()
{
    if (darkNow)
        return kDark;
    return {GetSysColor(COLOR_BTNFACE),   GetSysColor(COLOR_WINDOW),   GetSysColor(COLOR_BTNFACE),
            GetSysColor(COLOR_BTNFACE),   GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_WINDOWTEXT),
            GetSysColor(COLOR_GRAYTEXT),  GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_HIGHLIGHT),
            GetSysColor(COLOR_HIGHLIGHTTEXT), GetSysColor(COLOR_ACTIVECAPTION)};
}

bool FollowDarkMode(HWND window)
{
    if (window == NULL || !IsWindow(window))
        return false;
    SetPropA(window, kFollowerProperty, reinterpret_cast<HANDLE>(1));
    if (setting != DarkMode::Off || darkNow)
        FollowTree(window);
    return true;
}
