// The DPI functions of user32 and kernel32 came with later systems than the
// toolkit runs on, so they are looked up at run time; without them every
// window is at the system's DPI and nothing ever changes it.
#include "dpi_scaling.h"

#include <commctrl.h>

#include <cstring>
#include <vector>

#include "anchor_layout.h"
#include "kept_handles.h"
#include "window_class.h"

namespace {

// DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2, and the unaware context.
const HANDLE kPerMonitorAwareV2 = reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-4));
const HANDLE kUnawareContext = reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-1));
const UINT_PTR kDpiSubclassId = 0x57494450;  // "WIDP"
// The DPI a form that follows DPI changes was last scaled to, kept with it.
const char kFormDpiProp[] = "Wicker.Dpi";

UINT FormDpi(HWND form)
{
    return static_cast<UINT>(reinterpret_cast<UINT_PTR>(GetPropA(form, kFormDpiProp)));
}

void SetFormDpi(HWND form, UINT dpi)
{
    SetPropA(form, kFormDpiProp, reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(dpi)));
}

typedef UINT(WINAPI* DpiForWindowFunction)(HWND);
typedef UINT(WINAPI* DpiForSystemFunction)();
typedef BOOL(WINAPI* SetAwarenessFunction)(HANDLE);
typedef HANDLE(WINAPI* SetThreadAwarenessFunction)(HANDLE);
typedef HANDLE(WINAPI* AwarenessOfWindowFunction)(HWND);
typedef int(WINAPI* AwarenessFromContextFunction)(HANDLE);
typedef BOOL(WINAPI* AdjustForDpiFunction)(RECT*, DWORD, BOOL, DWORD, UINT);
typedef BOOL(WINAPI* QuerySettingsFunction)(DWORD, HANDLE, const wchar_t*, const wchar_t*,
                                            wchar_t*, SIZE_T, SIZE_T*);

FARPROC Lookup(const char* module, const char* name)
{
    HMODULE handle = GetModuleHandleA(module);
    return handle != NULL ? GetProcAddress(handle, name) : NULL;
}

template <typename Function>
Function UserFunction(const char* name)
{
    return reinterpret_cast<Function>(reinterpret_cast<void*>(Lookup("user32.dll", name)));
}

// What the program chose: nothing yet (the manifest decides), on or off.
enum Choice { kUnchosen, kChosenOn, kChosenOff };
Choice choice = kUnchosen;

// True when a setting of the program's manifest makes it DPI aware.
bool ManifestDeclaresAwareness()
{
    QuerySettingsFunction query = reinterpret_cast<QuerySettingsFunction>(
        reinterpret_cast<void*>(Lookup("kernel32.dll", "QueryActCtxSettingsW")));
    if (query == NULL)
        return false;
    struct Setting {
        const wchar_t* space;
        const wchar_t* name;
    };
    const Setting settings[] = {
        {L"http://schemas.microsoft.com/SMI/2016/WindowsSettings", L"dpiAwareness"},
        {L"http://schemas.microsoft.com/SMI/2005/WindowsSettings", L"dpiAware"},
    };
    for (const Setting& setting : settings) {
        wchar_t value[64] = {0};
        SIZE_T written = 0;
        if (!query(0, NULL, setting.space, setting.name, value, 63, &written) || value[0] == 0)
            continue;
        // "unaware" and "false" are the two ways of saying no.
        return _wcsicmp(value, L"unaware") != 0 && _wcsicmp(value, L"false") != 0;
    }
    return false;
}

// The GUI fonts made for DPIs other than the system's, one per DPI.
struct DpiFont {
    UINT dpi;
    HFONT font;
};
std::vector<DpiFont> guiFonts;

HFONT StockGuiFont()
{
    return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

// The windows whose contents are rescaled with them: forms (the dialog
// class), tab controls with their pages, and frames. Other controls keep their
// own parts in place themselves.
bool HoldsControls(HWND window)
{
    char name[32] = {0};
    GetClassNameA(window, name, sizeof name);
    return lstrcmpiA(name, "#32770") == 0 || lstrcmpiA(name, WC_TABCONTROLA) == 0 ||
           lstrcmpiA(name, "Static") == 0 || lstrcmpiA(name, "MDIClient") == 0;
}

// The window's rectangle in its parent's client coordinates. A combo box
// measures with its drop-down list, as it was created.
RECT PlaceInParent(HWND window, HWND parent)
{
    RECT place;
    GetWindowRect(window, &place);
    if (IsWindowOfClass(window, WC_COMBOBOXA)) {
        RECT dropped;
        if (SendMessageA(window, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped)) &&
            dropped.bottom > place.bottom)
            place.bottom = dropped.bottom;
    }
    MapWindowPoints(NULL, parent, reinterpret_cast<POINT*>(&place), 2);
    return place;
}

void RescaleFont(HWND window, UINT fromDpi, UINT toDpi)
{
    HFONT font = reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0));
    if (font == NULL)
        return;
    if (IsGuiFont(font)) {
        SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(GuiFontForDpi(toDpi)), TRUE);
        // A copy the window kept before is no longer shown.
        KeepWithWindow(window, kKeptFont, NULL);
        return;
    }
    // The program's own font: the window gets its own copy at the new size;
    // the copy it had before goes once the new one is shown.
    LOGFONTA face;
    if (GetObjectA(font, sizeof face, &face) != sizeof face)
        return;
    face.lfHeight = ScaleBetweenDpi(face.lfHeight, fromDpi, toDpi);
    face.lfWidth = ScaleBetweenDpi(face.lfWidth, fromDpi, toDpi);
    HFONT scaled = CreateFontIndirectA(&face);
    if (scaled == NULL)
        return;
    SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(scaled), TRUE);
    KeepWithWindow(window, kKeptFont, scaled);
}

void RescaleColumns(HWND listView, UINT fromDpi, UINT toDpi)
{
    if ((GetWindowLongA(listView, GWL_STYLE) & LVS_TYPEMASK) != LVS_REPORT)
        return;
    HWND header = reinterpret_cast<HWND>(SendMessageA(listView, LVM_GETHEADER, 0, 0));
    int columns = header != NULL ? static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
    for (int column = 0; column < columns; ++column) {
        int width = static_cast<int>(SendMessageA(listView, LVM_GETCOLUMNWIDTH, column, 0));
        SendMessageA(listView, LVM_SETCOLUMNWIDTH, column,
                     MAKELPARAM(ScaleBetweenDpi(width, fromDpi, toDpi), 0));
    }
}

// A tool bar measures its buttons from its pictures and from the font of its
// labels. With the font for the new DPI given, it measures them again and
// takes the height they need, as a bar made at that DPI does; the pictures
// keep their pixels.
void RefitToolBar(HWND toolBar)
{
    SendMessageA(toolBar, TB_AUTOSIZE, 0, 0);
}

// A picture control that takes the size of its bitmap (SS_BITMAP without
// SS_CENTERIMAGE): the picture keeps its pixels, so the window keeps its size.
bool SizedByItsPicture(HWND window)
{
    LONG style = GetWindowLongA(window, GWL_STYLE);
    return IsWindowOfClass(window, "Static") && (style & SS_TYPEMASK) == SS_BITMAP &&
           (style & SS_CENTERIMAGE) == 0;
}

// One window inside a form, where it was before a change of DPI.
struct PlacedWindow {
    HWND window;
    HWND parent;
    RECT place;
};

// Every window inside `parent` that is rescaled with it, parents before
// their children, with the places they have now.
void RecordPlaces(HWND parent, std::vector<PlacedWindow>& placed)
{
    for (HWND child = GetWindow(parent, GW_CHILD); child != NULL;
         child = GetWindow(child, GW_HWNDNEXT)) {
        placed.push_back(PlacedWindow{child, parent, PlaceInParent(child, parent)});
        if (HoldsControls(child))
            RecordPlaces(child, placed);
    }
}

// Gives every recorded window its place at the new DPI. The places were all
// taken first: a window that lays its children out when it is resized must
// not decide where they end up.
void ApplyPlaces(const std::vector<PlacedWindow>& placed, UINT fromDpi, UINT toDpi)
{
    for (const PlacedWindow& one : placed) {
        int left = ScaleBetweenDpi(one.place.left, fromDpi, toDpi);
        int top = ScaleBetweenDpi(one.place.top, fromDpi, toDpi);
        int width = ScaleBetweenDpi(one.place.right - one.place.left, fromDpi, toDpi);
        int height = ScaleBetweenDpi(one.place.bottom - one.place.top, fromDpi, toDpi);
        UINT keepSize = SizedByItsPicture(one.window) ? SWP_NOSIZE : 0;
        SetWindowPos(one.window, NULL, left, top, width, height,
                     SWP_NOZORDER | SWP_NOACTIVATE | keepSize);
        RescaleFont(one.window, fromDpi, toDpi);
        if (IsWindowOfClass(one.window, WC_LISTVIEWA))
            RescaleColumns(one.window, fromDpi, toDpi);
        else if (IsWindowOfClass(one.window, TOOLBARCLASSNAMEA))
            RefitToolBar(one.window);
    }
    // Anchored controls keep their scaled distances to their parents' edges
    // from now on, not the ones they had at the old DPI.
    HWND lastParent = NULL;
    for (const PlacedWindow& one : placed)
        if (one.parent != lastParent) {
            RememberAnchorDistances(one.parent);
            lastParent = one.parent;
        }
    for (const PlacedWindow& one : placed)
        SendMessageA(one.window, DpiRescaledMessage(), fromDpi, toDpi);
}

LRESULT CALLBACK DpiChangeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                               UINT_PTR, DWORD_PTR)
{
    if (message == WM_DPICHANGED) {
        UINT fromDpi = FormDpi(window);
        UINT toDpi = LOWORD(wParam);
        bool changed = toDpi != 0 && toDpi != fromDpi;
        std::vector<PlacedWindow> placed;
        if (changed) {
            RecordPlaces(window, placed);
            // Recorded first, so that what the program's procedure creates
            // while the form changes is made for the new DPI.
            SetFormDpi(window, toDpi);
        }
        const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
        if (suggested != NULL)
            SetWindowPos(window, NULL, suggested->left, suggested->top,
                         suggested->right - suggested->left, suggested->bottom - suggested->top,
                         SWP_NOZORDER | SWP_NOACTIVATE);
        if (changed) {
            ApplyPlaces(placed, fromDpi, toDpi);
            RescaleFont(window, fromDpi, toDpi);
        }
    } else if (message == WM_NCDESTROY) {
        RemovePropA(window, kFormDpiProp);
        RemoveWindowSubclass(window, DpiChangeProc, kDpiSubclassId);
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace

void ScaleNewWindowBounds(HWND parent, int& x, int& y, int& width, int& height)
{
    UINT dpi = ScalingDpi(parent);
    x = ScaleBetweenDpi(x, kLogicalDpi, dpi);
    y = ScaleBetweenDpi(y, kLogicalDpi, dpi);
    width = ScaleBetweenDpi(width, kLogicalDpi, dpi);
    height = ScaleBetweenDpi(height, kLogicalDpi, dpi);
}

UINT DpiRescaledMessage()
{
    static const UINT message = RegisterWindowMessageA("Wicker.DpiRescaled");
    return message;
}

bool UseDpiScaling(bool on)
{
    choice = on ? kChosenOn : kChosenOff;
    if (!on)
        return false;
    AwarenessFromContextFunction awarenessOf =
        UserFunction<AwarenessFromContextFunction>("GetAwarenessFromDpiAwarenessContext");
    SetThreadAwarenessFunction setThread =
        UserFunction<SetThreadAwarenessFunction>("SetThreadDpiAwarenessContext");
    SetAwarenessFunction setProcess =
        UserFunction<SetAwarenessFunction>("SetProcessDpiAwarenessContext");
    if (setProcess != NULL && setProcess(kPerMonitorAwareV2))
        return true;
    if (awarenessOf != NULL && setThread != NULL) {
        // The process's awareness is settled (by a manifest, or by a window
        // made already): when it is unaware, this thread's new windows are
        // made aware instead.
        HANDLE current = setThread(kPerMonitorAwareV2);
        if (current != NULL && awarenessOf(current) != awarenessOf(kUnawareContext))
            setThread(current);
        return true;
    }
    typedef BOOL(WINAPI * SetAwareFunction)();
    SetAwareFunction setAware = UserFunction<SetAwareFunction>("SetProcessDPIAware");
    return setAware != NULL && setAware();
}

bool DpiScalingOn()
{
    static const bool manifestAware = ManifestDeclaresAwareness();
    return choice == kChosenOn || (choice == kUnchosen && manifestAware);
}

UINT WindowDpi(HWND window)
{
    if (window != NULL) {
        static const DpiForWindowFunction forWindow =
            UserFunction<DpiForWindowFunction>("GetDpiForWindow");
        UINT dpi = forWindow != NULL ? forWindow(window) : 0;
        if (dpi != 0)
            return dpi;
    }
    static const DpiForSystemFunction forSystem =
        UserFunction<DpiForSystemFunction>("GetDpiForSystem");
    if (forSystem != NULL)
        return forSystem();
    HDC screen = GetDC(NULL);
    int dpi = screen != NULL ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
    ReleaseDC(NULL, screen);
    return dpi > 0 ? static_cast<UINT>(dpi) : kLogicalDpi;
}

UINT ScalingDpi(HWND window)
{
    if (!DpiScalingOn())
        return kLogicalDpi;
    HWND form = window != NULL ? GetAncestor(window, GA_ROOT) : NULL;
    UINT formDpi = form != NULL ? FormDpi(form) : 0;
    if (formDpi != 0)
        return formDpi;
    return WindowDpi(window);
}

int ScaleBetweenDpi(int value, UINT fromDpi, UINT toDpi)
{
    if (fromDpi == toDpi || fromDpi == 0)
        return value;
    return MulDiv(value, static_cast<int>(toDpi), static_cast<int>(fromDpi));
}

int LogicalToPixels(const Control& window, int logical)
{
    return ScaleBetweenDpi(logical, kLogicalDpi, ScalingDpi(window.hwnd));
}

int PixelsToLogical(const Control& window, int pixels)
{
    return ScaleBetweenDpi(pixels, ScalingDpi(window.hwnd), kLogicalDpi);
}

HFONT GuiFontForDpi(UINT dpi)
{
    UINT systemDpi = WindowDpi(NULL);
    if (dpi == 0 || dpi == systemDpi)
        return StockGuiFont();
    for (const DpiFont& made : guiFonts)
        if (made.dpi == dpi)
            return made.font;
    LOGFONTA face;
    if (GetObjectA(StockGuiFont(), sizeof face, &face) != sizeof face)
        return StockGuiFont();
    face.lfHeight = ScaleBetweenDpi(face.lfHeight, systemDpi, dpi);
    face.lfWidth = ScaleBetweenDpi(face.lfWidth, systemDpi, dpi);
    HFONT font = CreateFontIndirectA(&face);
    if (font == NULL)
        return StockGuiFont();
    guiFonts.push_back(DpiFont{dpi, font});
    return font;
}

bool IsGuiFont(HFONT font)
{
    if (font == NULL)
        return false;
    if (font == StockGuiFont())
        return true;
    for (const DpiFont& made : guiFonts)
        if (made.font == font)
            return true;
    return false;
}

HFONT DefaultFontFor(HWND window)
{
    return DpiScalingOn() ? GuiFontForDpi(ScalingDpi(window)) : StockGuiFont();
}

namespace {

// The frame (caption, borders) of a window of this style at a DPI; false
// where the system cannot say (no AdjustWindowRectExForDpi).
bool FrameAt(DWORD style, DWORD exStyle, UINT dpi, SIZE& frame)
{
    static const AdjustForDpiFunction adjust =
        UserFunction<AdjustForDpiFunction>("AdjustWindowRectExForDpi");
    RECT rect = {0, 0, 0, 0};
    if (adjust == NULL || !adjust(&rect, style, FALSE, exStyle, dpi))
        return false;
    frame.cx = rect.right - rect.left;
    frame.cy = rect.bottom - rect.top;
    return true;
}

// A length made of a scaled part and a frame drawn at each DPI as it is.
SIZE RescaledInsideFrame(int width, int height, DWORD style, DWORD exStyle, UINT fromDpi,
                         UINT toDpi)
{
    SIZE size = {ScaleBetweenDpi(width, fromDpi, toDpi), ScaleBetweenDpi(height, fromDpi, toDpi)};
    SIZE fromFrame;
    SIZE toFrame;
    if (fromDpi == toDpi || !FrameAt(style, exStyle, fromDpi, fromFrame) ||
        !FrameAt(style, exStyle, toDpi, toFrame))
        return size;
    size.cx = ScaleBetweenDpi(width - fromFrame.cx, fromDpi, toDpi) + toFrame.cx;
    size.cy = ScaleBetweenDpi(height - fromFrame.cy, fromDpi, toDpi) + toFrame.cy;
    return size;
}

}  // namespace

SIZE ScaledFrameSize(int width, int height, DWORD style, DWORD exStyle, UINT dpi)
{
    return RescaledInsideFrame(width, height, style, exStyle, kLogicalDpi, dpi);
}

SIZE LogicalFrameSize(int width, int height, DWORD style, DWORD exStyle, UINT dpi)
{
    return RescaledInsideFrame(width, height, style, exStyle, dpi, kLogicalDpi);
}

bool FollowDpiChanges(HWND form, UINT dpi)
{
    if (form == NULL || !SetWindowSubclass(form, DpiChangeProc, kDpiSubclassId, 0))
        return false;
    SetFormDpi(form, dpi);
    return true;
}

void RescaleChildren(HWND parent, UINT fromDpi, UINT toDpi)
{
    if (fromDpi == toDpi || fromDpi == 0 || toDpi == 0)
        return;
    std::vector<PlacedWindow> placed;
    RecordPlaces(parent, placed);
    ApplyPlaces(placed, fromDpi, toDpi);
}
