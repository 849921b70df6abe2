#include "tab.h"

#include <utility>

#include "basic_control.h"
#include "../foundation/wide_text.h"

static_assert(kTabStyle == (WS_CHILD | WS_CLIPCHILDREN | WS_TABSTOP | TCS_MULTILINE),
              "tab control style");

namespace {

const UINT_PTR kTabSubclassId = 0x57544142;  // "WTAB"
// On a page control's window: its tab's index + 1.
const char kPageProp[] = "Wicker.TabPage";
// The kind that gets a dialog frame.
const int kFramedKind = 8;

const ControlKind kTabKind = {
    WC_TABCONTROLA,
    "Tab",
    {kStepMove, kStepSize, kStepFont, kStepCentre, kStepDisable, kStepShow, kStepEnd}};

int CurrentSelection(HWND tabWindow)
{
    return static_cast<int>(SendToLive(tabWindow, TCM_GETCURSEL, 0, 0, -1));
}

// The tab a page control belongs to, or -1 for a child no page holds.
int PageOf(HWND child)
{
    return static_cast<int>(reinterpret_cast<INT_PTR>(GetPropA(child, kPageProp))) - 1;
}

void MarkPage(HWND child, int index)
{
    if (index < 0)
        RemovePropA(child, kPageProp);
    else
        SetPropA(child, kPageProp, reinterpret_cast<HANDLE>(static_cast<INT_PTR>(index + 1)));
}

// The page control's place in the tab control's client area, below the
// tab's item with the margin around it.
void PlacePageControl(HWND tabWindow, HWND control, int index)
{
    RECT client = {0, 0, 0, 0};
    GetClientRect(tabWindow, &client);
    RECT tabItem = {0, 0, 0, 0};
    SendMessageA(tabWindow, TCM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&tabItem));
    Control shown(control);
    shown.Left = client.left + kTabPageMargin;
    shown.Top = tabItem.bottom + 1 + kTabPageMargin;
    shown.Width = client.right - client.left - 2 * kTabPageMargin;
    shown.Height = client.bottom - tabItem.bottom - 2 - 2 * kTabPageMargin;
}

// Every page control follows a change of the tab control's size, so a tab
// control sized by a layout or an anchor keeps its pages filling it.
void PlacePageControls(HWND tabWindow)
{
    for (HWND child = GetWindow(tabWindow, GW_CHILD); child != NULL;
         child = GetWindow(child, GW_HWNDNEXT)) {
        int page = PageOf(child);
        if (page >= 0)
            PlacePageControl(tabWindow, child, page);
    }
}

// Shows the page controls of the selected tab and hides the others'.
void ShowSelectedPage(HWND tabWindow)
{
    int selected = CurrentSelection(tabWindow);
    for (HWND child = GetWindow(tabWindow, GW_CHILD); child != NULL;
         child = GetWindow(child, GW_HWNDNEXT)) {
        int page = PageOf(child);
        if (page >= 0)
            ShowWindow(child, page == selected ? SW_SHOW : SW_HIDE);
    }
}

// After TCM_DELETEITEM of `index` (or every tab for -1): the controls of the
// deleted pages are hidden and belong to no page; later pages move down one.
void ForgetDeletedPages(HWND tabWindow, int index)
{
    for (HWND child = GetWindow(tabWindow, GW_CHILD); child != NULL;
         child = GetWindow(child, GW_HWNDNEXT)) {
        int page = PageOf(child);
        if (page < 0)
            continue;
        if (index < 0 || page == index) {
            ShowWindow(child, SW_HIDE);
            MarkPage(child, -1);
        } else if (page > index) {
            MarkPage(child, page - 1);
        }
    }
}

// Messages through which the tab control may change its selection.
bool MayChangeSelection(UINT message)
{
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_KEYDOWN:
    case TCM_SETCURSEL:
    case TCM_SETCURFOCUS:
    case TCM_DELETEITEM:
    case TCM_DELETEALLITEMS:
        return true;
    default:
        return false;
    }
}

}  // namespace

LRESULT CALLBACK TabForwardProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                UINT_PTR, DWORD_PTR)
{
    if (message == WM_COMMAND) {
        SendMessageA(GetParent(window), WM_COMMAND, wParam, lParam);
        return 0;
    }
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(window, TabForwardProc, kTabSubclassId);
        return DefSubclassProc(window, message, wParam, lParam);
    }
    if (message == WM_SIZE) {
        LRESULT result = DefSubclassProc(window, message, wParam, lParam);
        PlacePageControls(window);
        return result;
    }
    if (!MayChangeSelection(message))
        return DefSubclassProc(window, message, wParam, lParam);
    int before = CurrentSelection(window);
    LRESULT result = DefSubclassProc(window, message, wParam, lParam);
    if (message == TCM_DELETEITEM && result != 0)
        ForgetDeletedPages(window, static_cast<int>(wParam));
    else if (message == TCM_DELETEALLITEMS && result != 0)
        ForgetDeletedPages(window, -1);
    if (CurrentSelection(window) != before)
        ShowSelectedPage(window);
    return result;
}

DWORD TabKindStyle(int kind)
{
    switch (kind) {
    case 1:
        return TCS_VERTICAL;
    case 2:
    case 3:
        return TCS_BOTTOM;
    case 4:
        return TCS_BUTTONS;
    case 5:
        return TCS_BUTTONS | TCS_VERTICAL;
    case 6:
    case 7:
        return TCS_BUTTONS | TCS_BOTTOM;
    default:
        return 0;
    }
}

// ---- Tab ----

Tab::Tab()
{
    ClearBasicControl(*this);
    BindProperties();
}

Tab::Tab(const String& text, int identifier, int x, int y, int width, int height,
         Control parentControl, int kind, bool enabled, bool visible, bool centred, DWORD exStyle)
{
    ClearBasicControl(*this);
    BindProperties();
    Create(text, identifier, x, y, width, height, parentControl, kind, enabled, visible, centred,
           exStyle);
}

void Tab::BindProperties()
{
    Count.Bind(this, &Tab::GetCount, NULL);
}

bool Tab::Create(const String&, int identifier, int x, int y, int width, int height,
                 Control parentControl, int kind, bool enabled, bool visible, bool centred,
                 DWORD exStyle)
{
    if (kind == kFramedKind)
        exStyle |= WS_EX_DLGMODALFRAME;
    ControlPlacement place = {"", identifier, x, y, width, height, enabled, visible, centred, exStyle};
    if (!CreateBasicControl(*this, kTabKind, kTabStyle | TabKindStyle(kind), place, parentControl))
        return false;
    // A comctl32 subclass rather than a replaced window procedure: it chains
    // with the toolkit's other subclasses (the handles a window keeps) in any order.
    SetUserData(this);
    return SetWindowSubclass(hwnd, TabForwardProc, kTabSubclassId, 0) != FALSE;
}

int Tab::GetCount()
{
    return static_cast<int>(SendMessageA(hwnd, TCM_GETITEMCOUNT, 0, 0));
}

TabPage Tab::AddPage(const String& text, int image)
{
    TabPage page;
    page.text = text;
    page.item.mask = TCIF_TEXT | TCIF_IMAGE;
    page.item.pszText = const_cast<char*>(page.text.CStr());
    page.item.cchTextMax = page.text.Length;
    page.item.iImage = image;
    page.index = static_cast<int>(
        SendToLive(hwnd, TCM_INSERTITEMA, GetCount(), reinterpret_cast<LPARAM>(&page.item), -1));
    if (page.index < 0)
        return page;
    page.tabWindow = hwnd;
    return page;
}

// The window keeps a holder of its own, so the list lives while it shows.
HIMAGELIST Tab::SetImageList(const ImageList& list)
{
    return ShowKeptImageList(hwnd, TCM_SETIMAGELIST, 0, list);
}

bool Tab::DeletePage(int index)
{
    return SendMessageA(hwnd, TCM_DELETEITEM, index, 0) != 0;
}

bool Tab::DeleteAll()
{
    return SendMessageA(hwnd, TCM_DELETEALLITEMS, 0, 0) != 0;
}

TabPage Tab::Page(int index)
{
    TabPage page;
    page.index = index;
    page.tabWindow = hwnd;
    page.text = page.Text();
    page.item.mask = TCIF_TEXT | TCIF_IMAGE;
    page.item.pszText = const_cast<char*>(page.text.CStr());
    page.item.cchTextMax = page.text.Length;
    TCITEMA image = {};
    image.mask = TCIF_IMAGE;
    image.iImage = -1;
    SendMessageA(hwnd, TCM_GETITEMA, index, reinterpret_cast<LPARAM>(&image));
    page.item.iImage = image.iImage;
    return page;
}

RECT Tab::ItemRect(int index)
{
    RECT rect = {0, 0, 0, 0};
    SendMessageA(hwnd, TCM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&rect));
    return rect;
}

int Tab::Selection()
{
    return CurrentSelection(hwnd);
}

int Tab::SetSelection(int index)
{
    return static_cast<int>(SendToLive(hwnd, TCM_SETCURSEL, index, 0, -1));
}

void Tab::SelectPage(TabPage& page)
{
    SendMessageA(hwnd, TCM_SETCURSEL, page.index, 0);
    if (page.hasControl)
        ShowWindow(page.control, SW_SHOW);
}

// ---- TabPage ----

TabPage::TabPage() : hasControl(false), control(NULL), item(), index(-1), tabWindow(NULL)
{
    BindProperties();
}

TabPage::TabPage(const TabPage& other)
    : hasControl(other.hasControl),
      control(other.control),
      item(other.item),
      index(other.index),
      tabWindow(other.tabWindow),
      text(other.text)
{
    BindProperties();
    if (other.item.pszText != NULL)
        item.pszText = const_cast<char*>(text.CStr());
}

TabPage& TabPage::operator=(const TabPage& other)
{
    if (this == &other)
        return *this;
    hasControl = other.hasControl;
    control = other.control;
    item = other.item;
    index = other.index;
    tabWindow = other.tabWindow;
    text = other.text;
    if (other.item.pszText != NULL)
        item.pszText = const_cast<char*>(text.CStr());
    return *this;
}

// Moves take the text along without copying it (containers of pages move
// their elements when they grow only if moving cannot throw).
TabPage::TabPage(TabPage&& other) noexcept
    : hasControl(other.hasControl),
      control(other.control),
      item(other.item),
      index(other.index),
      tabWindow(other.tabWindow),
      text(std::move(other.text))
{
    BindProperties();
    if (other.item.pszText != NULL)
        item.pszText = const_cast<char*>(text.CStr());
}

TabPage& TabPage::operator=(TabPage&& other) noexcept
{
    if (this == &other)
        return *this;
    hasControl = other.hasControl;
    control = other.control;
    item = other.item;
    index = other.index;
    tabWindow = other.tabWindow;
    text = std::move(other.text);
    if (other.item.pszText != NULL)
        item.pszText = const_cast<char*>(text.CStr());
    return *this;
}

void TabPage::BindProperties()
{
    Width.Bind(this, &TabPage::GetWidth, NULL);
    Height.Bind(this, &TabPage::GetHeight, NULL);
}

int TabPage::GetWidth()
{
    if (index == -1)
        return 0;
    RECT rect = ItemRect();
    return rect.right - rect.left;
}

int TabPage::GetHeight()
{
    if (index == -1)
        return 0;
    RECT rect = ItemRect();
    return rect.bottom - rect.top;
}

bool TabPage::SetText(const String& newText)
{
    text = newText;
    item.pszText = const_cast<char*>(text.CStr());
    item.cchTextMax = text.Length;
    return SendMessageA(tabWindow, TCM_SETITEMA, index, reinterpret_cast<LPARAM>(&item)) != 0;
}

// TCM_GETITEMW reports no length: the text is read through the wide message
// into a buffer that grows until it fits (ReadWideText).
String TabPage::Text()
{
    if (index == -1)
        return String();
    return ReadWideText([&](wchar_t* buffer, int size, const wchar_t** answer) {
        TCITEMW read = {};
        read.mask = TCIF_TEXT;
        read.pszText = buffer;
        read.cchTextMax = size;
        if (!SendMessageW(tabWindow, TCM_GETITEMW, index, reinterpret_cast<LPARAM>(&read)))
            return false;
        *answer = read.pszText;
        return true;
    });
}

void TabPage::AttachControl(Control& attached)
{
    control = attached.hwnd;
    // SetParent with no tab control would make the control a top-level window.
    if (tabWindow != NULL)
        SetParent(attached.hwnd, tabWindow);
    hasControl = true;
    MarkPage(attached.hwnd, index);
    // Placed now whichever tab is selected, so that it shows in its place
    // when its tab is selected later.
    Layout();
    if (CurrentSelection(tabWindow) != index)
        attached.Hide();
}

// The attached control is a child of the tab control, so its place is
// measured in the tab control's client area, whatever the tab control's own
// place in its parent.
bool TabPage::Layout()
{
    if (index == -1 || !hasControl)
        return true;
    PlacePageControl(tabWindow, control, index);
    if (CurrentSelection(tabWindow) == index)
        ShowWindow(control, SW_SHOW);
    return true;
}

bool TabPage::HideControl()
{
    if (index != -1 && hasControl)
        ShowWindow(control, SW_HIDE);
    return true;
}

int TabPage::Select()
{
    int result = static_cast<int>(SendToLive(tabWindow, TCM_SETCURSEL, index, 0, -1));
    if (hasControl)
        ShowWindow(control, SW_SHOW);
    return result;
}

bool TabPage::Delete()
{
    if (index == -1)
        return true;
    if (hasControl) {
        if (IsLiveWindow(control))
            DestroyWindow(control);
        control = NULL;
        hasControl = false;
    }
    return SendMessageA(tabWindow, TCM_DELETEITEM, index, 0) != 0;
}

RECT TabPage::ItemRect()
{
    RECT rect = {0, 0, 0, 0};
    SendMessageA(tabWindow, TCM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&rect));
    return rect;
}
