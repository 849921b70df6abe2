// The control base: window state through properties, shared window
// operations, named timers, tooltips, and the stock procedures.
#include "control.h"

#include <commctrl.h>

#include "dpi_scaling.h"
#include "kept_handles.h"
#include "preferred_size.h"
#include "whole_characters.h"
#include "wide_text.h"

#include <cstddef>
#include <climits>
#include <cstring>
#include <cwchar>
#include <vector>

namespace {

// Sizes written through Width, Height and Resize never go below this.
const int MinimumSide = 10;
// The opacity of a wrapper that never had its transparency set.
const BYTE FullOpacity = 100;
// The tool structure size the toolkit registers tooltips with (TTTOOLINFOA
// without the reserved pointer of newer common controls): 44 bytes on 32-bit
// Windows, larger where pointers are 8 bytes.
const UINT ToolInfoSize = offsetof(TTTOOLINFOA, lpReserved);
const UINT ToolInfoSizeW = offsetof(TTTOOLINFOW, lpReserved);
#if defined(__i386__)
static_assert(offsetof(TTTOOLINFOA, lpReserved) == 44, "the 32-bit tool structure is 44 bytes");
#endif
// TTF_IDISHWND | TTF_SUBCLASS.
const UINT ToolFlags = TTF_IDISHWND | TTF_SUBCLASS;
// The most tooltip text kept, in bytes (so at most as many UTF-16 units),
// so that reading it back fits the read buffer whatever the common-controls
// version copies.
const std::size_t ToolTextLimit = 1023;
const std::size_t ToolTextBuffer = ToolTextLimit + 1;
// SetLayeredWindowAttributes(window, colour key, alpha, flags).
typedef BOOL(WINAPI* LayeredAttributesFunction)(HWND, COLORREF, BYTE, DWORD);
const DWORD LayeredAlpha = 2;  // LWA_ALPHA
const LONG LayeredStyle = 0x80000;  // WS_EX_LAYERED
const LONG PressedStyle = WS_EX_CLIENTEDGE;

// Whether the left button went down on a clickable control; one at a time,
// the mouse capture sees to that.
bool clickablePressed = false;
// The window property holding a clickable control's previous procedure.
const char kClickablePreviousProp[] = "Wicker.ClickablePrevious";

// Reads the tool text of a tooltip window registered by SetToolTipValue,
// through the wide message (see wide_text.h): the ANSI one cuts a text of
// the UTF-8 code page at a byte count of its characters.
String ReadToolText(HWND tooltip, HWND owner, HWND tool)
{
    std::vector<wchar_t> buffer(ToolTextBuffer + 1, L'\0');
    TTTOOLINFOW info;
    std::memset(&info, 0, sizeof info);
    info.cbSize = ToolInfoSizeW;
    info.uFlags = ToolFlags;
    info.hwnd = owner;
    info.uId = reinterpret_cast<UINT_PTR>(tool);
    info.lpszText = buffer.data();
    // Newer common controls take the buffer size in the first parameter.
    SendMessageW(tooltip, TTM_GETTEXTW, ToolTextBuffer, reinterpret_cast<LPARAM>(&info));
    buffer[ToolTextBuffer] = L'\0';
    return AnsiFromWide(buffer.data(), wcsnlen(buffer.data(), ToolTextBuffer));
}

}  // namespace

Control::Control()
    : timerCount(0),
      tooltip(NULL),
      fillChild(NULL),
      backColor(0),
      opacity(FullOpacity),
      hasBackColor(0),
      id(0),
      printLine(0),
      parent(GetDesktopWindow()),
      hwnd(NULL),
      timers(),
      trayId(0)
{
    BindProperties();
}

Control::Control(HWND window) : Control()
{
    hwnd = window;
    parent = GetParent(window);
}

Control::Control(Control&& other) noexcept : Control(static_cast<const Control&>(other))
{
    TakeUserDataFrom(other);
}

Control::~Control()
{
    LeaveUserData();
}

void Control::LeaveUserData()
{
    if (hwnd != NULL && ControlFromWindow(hwnd) == this)
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
}

void Control::TakeUserDataFrom(const Control& other)
{
    if (hwnd != NULL && ControlFromWindow(hwnd) == &other)
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

Control& Control::operator=(Control&& other) noexcept
{
    if (this == &other)
        return *this;
    *this = static_cast<const Control&>(other);
    TakeUserDataFrom(other);
    return *this;
}

Control& Control::operator=(const Control& other)
{
    if (this == &other)
        return *this;
    // Still viewing the same window, the target keeps its place in the word.
    if (other.hwnd != hwnd)
        LeaveUserData();
    timerCount = other.timerCount;
    tooltip = other.tooltip;
    fillChild = other.fillChild;
    backColor = other.backColor;
    opacity = other.opacity;
    hasBackColor = other.hasBackColor;
    id = other.id;
    printLine = other.printLine;
    parent = other.parent;
    hwnd = other.hwnd;
    timers = other.timers;
    trayId = other.trayId;
    return *this;
}

void Control::BindProperties()
{
    BackColor.Bind(this, NULL, &Control::SetBackColorValue);
    Text.Bind(this, &Control::GetTextValue, &Control::SetTextValue);
    Caption.Bind(this, &Control::GetTextValue, &Control::SetTextValue);
    ToolTip.Bind(this, &Control::GetToolTipValue, &Control::SetToolTipValue);
    Width.Bind(this, &Control::GetWidthValue, &Control::SetWidthValue);
    Height.Bind(this, &Control::GetHeightValue, &Control::SetHeightValue);
    Visible.Bind(this, &Control::GetVisibleValue, &Control::SetVisibleValue);
    Enabled.Bind(this, &Control::GetEnabledValue, &Control::SetEnabledValue);
    TextLength.Bind(this, &Control::GetTextLengthValue, NULL);
    DC.Bind(this, &Control::GetDCValue, NULL);
    Left.Bind(this, &Control::GetLeftValue, &Control::SetLeftValue);
    Top.Bind(this, &Control::GetTopValue, &Control::SetTopValue);
    ClientWidth.Bind(this, &Control::GetClientWidthValue, NULL);
    ClientHeight.Bind(this, &Control::GetClientHeightValue, NULL);
    ClipChildren.Bind(this, NULL, &Control::SetClipChildrenValue);
    Transparency.Bind(this, &Control::GetTransparencyValue, &Control::SetTransparencyValue);
    Region.Bind(this, &Control::GetRegionValue, &Control::SetRegionValue);
}

// ---- properties ----

namespace {

// The window property that holds the colour written through BackColor, with
// a bit above the colour's 24 so that black is told from no colour.
const char kBackColorProperty[] = "WickerBackColor";
const UINT_PTR kBackColorSet = 0x40000000;

}  // namespace

void Control::SetBackColorValue(COLORREF color)
{
    // Without a window there is nothing to paint; InvalidateRect of null
    // would repaint every window of the desktop.
    if (hwnd == NULL)
        return;
    backColor = color;
    hasBackColor = 1;
    HDC dc = ::GetDC(hwnd);
    if (dc != NULL) {
        SetBkColor(dc, color);
        ReleaseDC(hwnd, dc);
    }
    // The colour goes with the window, for whichever wrapper or procedure
    // paints it; the user-data word is taken only when no wrapper holds it
    // (a procedure installed through another wrapper keeps its own).
    SetPropA(hwnd, kBackColorProperty, reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(color | kBackColorSet)));
    if (ControlFromWindow(hwnd) == NULL)
        SetUserData(this);
    InvalidateWhole(hwnd);
}

bool WindowBackColor(HWND window, COLORREF* colour)
{
    const UINT_PTR kept = reinterpret_cast<UINT_PTR>(window != NULL ? GetPropA(window, kBackColorProperty) : NULL);
    if ((kept & kBackColorSet) == 0)
        return false;
    if (colour != NULL)
        *colour = static_cast<COLORREF>(kept & ~static_cast<UINT_PTR>(kBackColorSet));
    return true;
}

// The length a window reports may count characters rather than bytes (the
// rich edit control does), and a window gives nothing when its text does not
// fit: under a multi-byte code page the buffer has room for the most bytes
// the characters can take.
// The wide length counts UTF-16 units, and no unit takes more than
// MostBytesPerUnit bytes: the buffer has room for the whole ANSI text.
String Control::GetTextValue()
{
    int length = GetWindowTextLengthW(hwnd);
    if (length <= 0)
        return String();
    std::size_t room = static_cast<std::size_t>(length) * MostBytesPerUnit() + 1;
    if (room > static_cast<std::size_t>(INT_MAX))
        room = INT_MAX;
    std::vector<char> buffer(room, '\0');
    int copied = GetWindowTextA(hwnd, buffer.data(), static_cast<int>(room));
    if (copied < 0)
        copied = 0;
    return String(buffer.data(), copied);
}

void Control::SetTextValue(const String& text)
{
    SetWindowTextA(hwnd, text.CStr());
}

// The tooltip is the window's (KeepWithWindow): every wrapper of the window
// reads and replaces the same one.
String Control::GetToolTipValue()
{
    tooltip = static_cast<HWND>(KeptWithWindow(hwnd, kKeptToolTip));
    if (tooltip == NULL)
        return String();
    return ReadToolText(tooltip, parent, hwnd);
}

void Control::SetToolTipValue(const String& text)
{
    if (hwnd == NULL)
        return;
    HWND made = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, NULL, WS_POPUP, CW_USEDEFAULT,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, parent, NULL,
                                GetModuleHandleA(NULL), NULL);
    // The window destroys the tooltip it had before.
    if (made == NULL || !KeepWithWindow(hwnd, kKeptToolTip, made)) {
        tooltip = static_cast<HWND>(KeptWithWindow(hwnd, kKeptToolTip));
        return;
    }
    tooltip = made;
    String kept = WholeCharactersPrefix(text, ToolTextLimit);
    TTTOOLINFOA info;
    std::memset(&info, 0, sizeof info);
    info.cbSize = ToolInfoSize;
    info.uFlags = ToolFlags;
    info.hwnd = parent;
    info.uId = reinterpret_cast<UINT_PTR>(hwnd);
    info.lpszText = const_cast<char*>(kept.CStr());
    SendMessageA(tooltip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info));
    SendMessageA(tooltip, TTM_ACTIVATE, TRUE, 0);
}

int Control::GetWidthValue()
{
    if (hwnd == NULL)
        return -1;
    RECT box = {0, 0, 0, 0};
    GetWindowRect(hwnd, &box);
    return box.right - box.left;
}

void Control::SetWidthValue(int width)
{
    if (width < MinimumSide)
        width = MinimumSide;
    MoveWindow(hwnd, GetLeftValue(), GetTopValue(), width, GetHeightValue(), TRUE);
}

int Control::GetHeightValue()
{
    if (hwnd == NULL)
        return -1;
    RECT box = {0, 0, 0, 0};
    GetWindowRect(hwnd, &box);
    return box.bottom - box.top;
}

void Control::SetHeightValue(int height)
{
    if (height < MinimumSide)
        height = MinimumSide;
    MoveWindow(hwnd, GetLeftValue(), GetTopValue(), GetWidthValue(), height, TRUE);
}

bool Control::GetVisibleValue()
{
    return IsWindowVisible(hwnd) != FALSE;
}

void Control::SetVisibleValue(bool visible)
{
    ShowWindow(hwnd, visible ? SW_SHOW : SW_HIDE);
}

bool Control::GetEnabledValue()
{
    return IsWindowEnabled(hwnd) != FALSE;
}

void Control::SetEnabledValue(bool enabled)
{
    EnableWindow(hwnd, enabled ? TRUE : FALSE);
}

// Under a single-byte code page GetWindowTextLengthA is the byte count.
// Under UTF-8 or a double-byte code page it may be only an upper bound, or
// (a rich edit window's) the count of characters: the text is read instead.
int Control::GetTextLengthValue()
{
    if (MostBytesPerUnit() == 1)
        return GetWindowTextLengthA(hwnd);
    return static_cast<int>(GetTextValue().size());
}

// GetDC of null would be the whole screen's device context.
HDC Control::GetDCValue()
{
    if (hwnd == NULL)
        return NULL;
    return ::GetDC(hwnd);
}

namespace {
// True for a child window, placed in its parent's client coordinates; top-level
// windows and owned pop-ups (whose GetParent is their owner) are placed in
// screen coordinates.
bool IsChildWindow(HWND window)
{
    return (GetWindowLongA(window, GWL_STYLE) & WS_CHILD) != 0;
}

// The window's top-left corner in the coordinates MoveWindow takes for it.
POINT CornerInParent(HWND window)
{
    RECT box = {0, 0, 0, 0};
    GetWindowRect(window, &box);
    POINT corner = {box.left, box.top};
    if (IsChildWindow(window))
        ScreenToClient(GetParent(window), &corner);
    return corner;
}
}  // namespace

int Control::GetLeftValue()
{
    return CornerInParent(hwnd).x;
}

void Control::SetLeftValue(int left)
{
    Move(left, GetTopValue());
}

int Control::GetTopValue()
{
    return CornerInParent(hwnd).y;
}

void Control::SetTopValue(int top)
{
    Move(GetLeftValue(), top);
}

int Control::GetClientWidthValue()
{
    RECT client = {0, 0, 0, 0};
    GetClientRect(hwnd, &client);
    return client.right - client.left;
}

int Control::GetClientHeightValue()
{
    RECT client = {0, 0, 0, 0};
    GetClientRect(hwnd, &client);
    return client.bottom - client.top;
}

void Control::SetClipChildrenValue(bool clip)
{
    if (clip)
        AddStyle(WS_CLIPCHILDREN);
    else
        RemoveStyle(WS_CLIPCHILDREN);
}

BYTE Control::GetTransparencyValue()
{
    return opacity;
}

void Control::SetTransparencyValue(BYTE percent)
{
    if (hwnd == NULL)
        return;
    if (percent == 0) {
        RemoveExStyle(LayeredStyle);
        return;
    }
    AddExStyle(LayeredStyle);
    HMODULE user = GetModuleHandleA("user32.dll");
    if (user == NULL)
        return;
    LayeredAttributesFunction setAttributes = reinterpret_cast<LayeredAttributesFunction>(
        reinterpret_cast<void*>(GetProcAddress(user, "SetLayeredWindowAttributes")));
    if (setAttributes == NULL)
        return;
    BYTE alpha = static_cast<BYTE>((percent * 255) / 100);
    setAttributes(hwnd, 0, alpha, LayeredAlpha);
    opacity = percent;
}

RegionObject Control::GetRegionValue()
{
    if (hwnd == NULL)
        return RegionObject();
    HRGN copy = CreateRectRgn(0, 0, 0, 0);
    if (copy == NULL)
        return RegionObject();
    // The scratch region is the caller's only when the window has a shape.
    if (GetWindowRgn(hwnd, copy) == ERROR) {
        DeleteObject(copy);
        return RegionObject();
    }
    return RegionObject(copy, kOwnHandle);
}

void Control::SetRegionValue(const RegionObject& region)
{
    // The system owns a region once the window has it, so the window gets a
    // duplicate and the caller's object keeps (and later deletes) its own.
    if (hwnd == NULL)
        return;
    HRGN handed = RegionObject::Duplicate(region.region);
    if (SetWindowRgn(hwnd, handed, TRUE) == 0 && handed != NULL)
        DeleteObject(handed);
}

// ---- operations ----

void Control::Show()
{
    ShowWindow(hwnd, SW_SHOW);
}

void Control::Hide()
{
    ShowWindow(hwnd, SW_HIDE);
}

void Control::Enable()
{
    EnableWindow(hwnd, TRUE);
}

void Control::Disable()
{
    EnableWindow(hwnd, FALSE);
}

bool Control::Destroy()
{
    return DestroyWindow(hwnd) != FALSE;
}

bool Control::Exists() const
{
    return hwnd != NULL;
}

namespace {

// UpdateWindow of the parent, which a top-level window does not have: there
// UpdateWindow of null would paint whatever waits to be painted on the whole
// desktop.
int UpdateParent(HWND parent)
{
    return parent != NULL ? UpdateWindow(parent) : 0;
}

}  // namespace

void Control::Move(int x, int y)
{
    if (hwnd == NULL)
        return;
    if (x < 0)
        x = 0;
    if (y < 0)
        y = 0;
    MoveWindow(hwnd, x, y, GetWidthValue(), GetHeightValue(), TRUE);
    UpdateParent(parent);
}

int Control::Resize(int width, int height, bool centre)
{
    if (hwnd == NULL)
        return 0;
    if (width < MinimumSide)
        width = MinimumSide;
    if (height < MinimumSide)
        height = MinimumSide;
    MoveWindow(hwnd, GetLeftValue(), GetTopValue(), width, height, TRUE);
    int updated = UpdateParent(parent);
    if (!centre)
        return updated;
    Centre();
    return 0;
}

// A child's area is its parent's client area (the `parent` wrapper field, or
// the window's own parent when that is null); a top-level window's or an owned
// pop-up's is the desktop's work area, the screen less the task bar.
bool Control::PlacementArea(RECT& area)
{
    if (hwnd == NULL)
        return false;
    if (IsChildWindow(hwnd)) {
        HWND outer = parent != NULL ? parent : GetParent(hwnd);
        area.left = area.top = area.right = area.bottom = 0;
        return GetClientRect(outer, &area) != FALSE;
    }
    if (SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0))
        return true;
    area.left = area.top = 0;
    area.right = GetSystemMetrics(SM_CXSCREEN);
    area.bottom = GetSystemMetrics(SM_CYSCREEN);
    return true;
}

bool Control::SetAnchor(Anchor anchor)
{
    return AnchorWindow(hwnd, anchor);
}

Anchor Control::GetAnchor() const
{
    return WindowAnchor(hwnd);
}

SIZE Control::PreferredSize(int characters, int lines) const
{
    return ::PreferredSize(hwnd, characters, lines);
}

void Control::Centre()
{
    RECT area;
    if (!PlacementArea(area))
        return;
    int x = area.left + (area.right - area.left - GetWidthValue()) / 2;
    int y = area.top + (area.bottom - area.top - GetHeightValue()) / 2;
    Move(x < area.left ? area.left : x, y < area.top ? area.top : y);
}

void Control::FitWidth()
{
    RECT area;
    if (!PlacementArea(area))
        return;
    SetWidthValue(area.right - area.left);
    SetLeftValue(area.left);
}

void Control::FitHeight()
{
    RECT area;
    if (!PlacementArea(area))
        return;
    SetHeightValue(area.bottom - area.top);
    SetTopValue(area.top);
}

void Control::FillParent()
{
    RECT area;
    if (!PlacementArea(area))
        return;
    SetWidthValue(area.right - area.left);
    SetHeightValue(area.bottom - area.top);
    Move(area.left, area.top);
}

bool IsLiveWindow(HWND window)
{
    return window != NULL && IsWindow(window);
}

LRESULT SendToLive(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT otherwise)
{
    return IsLiveWindow(window) ? SendMessageA(window, message, wParam, lParam) : otherwise;
}

void InvalidateWhole(HWND window)
{
    if (window != NULL)
        InvalidateRect(window, NULL, TRUE);
}

// InvalidateRect of null would repaint every window of the desktop.
int Control::Refresh()
{
    if (hwnd == NULL)
        return 0;
    InvalidateWhole(hwnd);
    return 1;
}

// SetFocus of null would take the focus from whichever window has it.
HWND Control::Focus()
{
    if (hwnd == NULL)
        return NULL;
    return SetFocus(hwnd);
}

void Control::KillFocus()
{
    SendMessageA(hwnd, WM_KILLFOCUS, 0, 0);
}

void Control::SetDefaultFont()
{
    SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(DefaultFontFor(hwnd)), FALSE);
}

HFONT Control::GetFont()
{
    return reinterpret_cast<HFONT>(SendMessageA(hwnd, WM_GETFONT, 0, 0));
}

void Control::SetFont(HFONT font)
{
    SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

void Control::LimitText(int count)
{
    SendMessageA(hwnd, EM_LIMITTEXT, count, 0);
}

LONG Control::GetStyle()
{
    return GetWindowLongA(hwnd, GWL_STYLE);
}

LONG Control::GetExStyle()
{
    return GetWindowLongA(hwnd, GWL_EXSTYLE);
}

bool Control::HasStyle(LONG bits)
{
    return (GetStyle() & bits) != 0;
}

bool Control::HasExStyle(LONG bits)
{
    return (GetExStyle() & bits) != 0;
}

namespace {
// Writes a style word and has the frame recomputed; the old value.
LONG ReplaceStyleWord(HWND window, int which, LONG value)
{
    LONG old = SetWindowLongA(window, which, value);
    SetWindowPos(window, NULL, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE);
    return old;
}
}  // namespace

LONG Control::SetStyle(LONG style)
{
    return ReplaceStyleWord(hwnd, GWL_STYLE, style);
}

LONG Control::AddStyle(LONG bits)
{
    return ReplaceStyleWord(hwnd, GWL_STYLE, GetStyle() | bits);
}

LONG Control::RemoveStyle(LONG bits)
{
    return ReplaceStyleWord(hwnd, GWL_STYLE, GetStyle() & ~bits);
}

LONG Control::SetExStyle(LONG style)
{
    return ReplaceStyleWord(hwnd, GWL_EXSTYLE, style);
}

LONG Control::AddExStyle(LONG bits)
{
    return ReplaceStyleWord(hwnd, GWL_EXSTYLE, GetExStyle() | bits);
}

LONG Control::RemoveExStyle(LONG bits)
{
    return ReplaceStyleWord(hwnd, GWL_EXSTYLE, GetExStyle() & ~bits);
}

int Control::GetId()
{
    return GetDlgCtrlID(hwnd);
}

HWND Control::CaptureMouse()
{
    if (hwnd == NULL)
        return NULL;
    return SetCapture(hwnd);
}

// Only a wrapper with a window lets the capture go: one without would end
// some other window's capture.
bool Control::ReleaseMouse()
{
    if (hwnd == NULL)
        return false;
    return ReleaseCapture() != FALSE;
}

int Control::MsgBox(const String& text, const String& caption, UINT type)
{
    return MessageBoxA(hwnd, text.CStr(), caption.CStr(), type);
}

int Control::InfoBox(const String& text, const String& caption)
{
    return MsgBox(text, caption, MB_ICONINFORMATION);
}

int Control::WarningBox(const String& text, const String& caption)
{
    return MsgBox(text, caption, MB_ICONWARNING);
}

int Control::ErrorBox(const String& text, const String& caption)
{
    return MsgBox(text, caption, MB_ICONERROR);
}

bool Control::AskYesNo(const String& text, const String& caption)
{
    return MsgBox(text, caption, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) == IDYES;
}

bool Control::AskOkCancel(const String& text, const String& caption)
{
    return MsgBox(text, caption, MB_OKCANCEL | MB_ICONQUESTION | MB_DEFBUTTON2) == IDOK;
}

int Control::AskYesNoCancel(const String& text, const String& caption)
{
    int answer = MsgBox(text, caption, MB_YESNOCANCEL | MB_ICONQUESTION | MB_DEFBUTTON3);
    if (answer == IDYES)
        return 0;
    if (answer == IDNO)
        return 1;
    return 2;
}

// RegisterHotKey of null would make a hot key of the whole thread.
int Control::AddHotKey(int identifier, UINT virtualKey, UINT modifiers)
{
    if (hwnd == NULL)
        return -1;
    if (!RegisterHotKey(hwnd, identifier, modifiers, virtualKey))
        return -1;
    return identifier;
}

bool Control::AddTimer(const String& name, UINT intervalMs)
{
    if (TimerId(name) != -1)
        return false;
    ++timerCount;
    int identifier = timerCount;
    // Without a window SetTimer would make a thread timer under an identifier
    // of the system's choosing, which KillTimerByName could never stop.
    if (hwnd == NULL)
        return false;
    if (SetTimer(hwnd, identifier, intervalMs, NULL) == 0)
        return false;
    NamedTimer entry;
    entry.name = name;
    entry.id = identifier;
    timers.push_back(entry);
    return true;
}

int Control::TimerId(const String& name) const
{
    for (const NamedTimer& entry : timers) {
        if (entry.name == name)
            return entry.id;
    }
    return -1;
}

bool Control::KillTimerByName(const String& name)
{
    for (std::size_t index = 0; index < timers.size(); ++index) {
        if (timers[index].name == name) {
            int identifier = timers[index].id;
            timers.erase(timers.begin() + index);
            // KillTimer of null would stop a thread timer of that number.
            return hwnd != NULL && KillTimer(hwnd, identifier) != FALSE;
        }
    }
    return false;
}

void Control::SetUserData(void* pointer)
{
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(pointer));
}

DLGPROC Control::SetDialogProcedure(DLGPROC procedure)
{
    SetUserData(this);
    return reinterpret_cast<DLGPROC>(
        SetWindowLongPtrA(hwnd, DWLP_DLGPROC, reinterpret_cast<LONG_PTR>(procedure)));
}

DLGPROC Control::GetDialogProcedure()
{
    return reinterpret_cast<DLGPROC>(GetWindowLongPtrA(hwnd, DWLP_DLGPROC));
}

WNDPROC Control::SetWindowProcedure(WNDPROC procedure)
{
    SetUserData(this);
    return reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure)));
}

// ---- free functions and stock procedures ----

Control* ControlFromWindow(HWND window)
{
    return reinterpret_cast<Control*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

Control ControlView(const Control& other)
{
    Control view;
    view.hwnd = other.hwnd;
    view.parent = other.parent;
    return view;
}

INT_PTR CALLBACK QuitOnCloseProc(HWND, UINT message, WPARAM, LPARAM)
{
    if (message == WM_CLOSE)
        PostQuitMessage(0);
    return 0;
}

INT_PTR CALLBACK HideOnCloseProc(HWND window, UINT message, WPARAM, LPARAM)
{
    if (message == WM_CLOSE) {
        // Without a wrapper (the program let it go) the window hides all the
        // same: a close box that does nothing would leave the user stuck.
        Control* wrapper = ControlFromWindow(window);
        if (wrapper != NULL && wrapper->hwnd == window)
            wrapper->Hide();
        else
            ShowWindow(window, SW_HIDE);
    }
    return 0;
}

INT_PTR CALLBACK QuitOnCloseFillProc(HWND window, UINT message, WPARAM, LPARAM)
{
    if (message == WM_CLOSE) {
        PostQuitMessage(0);
    } else if (message == WM_SIZE) {
        Control* wrapper = ControlFromWindow(window);
        if (wrapper != NULL && wrapper->fillChild != NULL) {
            Control client(wrapper->fillChild);
            client.FillParent();
        }
    }
    return 0;
}

INT_PTR CALLBACK ForwardCommandProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND)
        SendMessageA(GetParent(window), WM_COMMAND, wParam, lParam);
    return 0;
}

LRESULT CALLBACK ClickableProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    Control* wrapper = ControlFromWindow(window);
    switch (message) {
    case WM_SETCURSOR:
        SetCursor(LoadCursorA(NULL, IDC_HAND));
        return TRUE;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        Control pressed(window);
        pressed.AddExStyle(PressedStyle);
        clickablePressed = true;
        SetCapture(window);
        return 0;
    }
    case WM_LBUTTONUP: {
        if (!clickablePressed)
            return 0;
        Control released(window);
        released.RemoveExStyle(PressedStyle);
        clickablePressed = false;
        ReleaseCapture();
        // The release point in client coordinates, unsigned: a release to the
        // left of or above the control comes out large and so outside.
        unsigned x = LOWORD(lParam);
        unsigned y = HIWORD(lParam);
        // The wrapper's identifier while it lives; once it is gone (wrappers
        // never own their windows) the window's own, given at creation.
        int identifier = wrapper != NULL && wrapper->hwnd == window ? wrapper->id
                                                                    : GetDlgCtrlID(window);
        if (x < static_cast<unsigned>(released.ClientWidth) &&
            y < static_cast<unsigned>(released.ClientHeight)) {
            SendMessageA(GetParent(window), WM_COMMAND, LOWORD(identifier), lParam);
        }
        return 0;
    }
    default:
        break;
    }
    WNDPROC previous = ClickablePreviousProc(window);
    if (message == WM_NCDESTROY)
        RemovePropA(window, kClickablePreviousProp);
    if (previous == NULL)
        return DefWindowProcA(window, message, wParam, lParam);
    return CallWindowProcA(previous, window, message, wParam, lParam);
}

WNDPROC ClickablePreviousProc(HWND window)
{
    return reinterpret_cast<WNDPROC>(GetPropA(window, kClickablePreviousProp));
}

void MakeClickable(Control& control)
{
    WNDPROC previous = control.SetWindowProcedure(ClickableProc);
    if (previous != NULL && previous != ClickableProc)
        SetPropA(control.hwnd, kClickablePreviousProp, reinterpret_cast<HANDLE>(previous));
}
