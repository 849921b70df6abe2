// The items keep their commands, pop-ups and states; only their type gains
// MFT_OWNERDRAW and their item data points at what the bar kept of them, so
// WM_MEASUREITEM and WM_DRAWITEM can tell the bar's items from a program's.
#include "dark_menu_bar.h"

#include <algorithm>

#include "dark_painting.h"

namespace {

// The font the system draws menus in.
HFONT MenuFont()
{
    static HFONT font = []() {
        NONCLIENTMETRICSW metrics = {};
        metrics.cbSize = sizeof metrics;
        if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
            return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
        return CreateFontIndirectW(&metrics.lfMenuFont);
    }();
    return font;
}

const DarkMenuItem* KeptItem(const DarkMenuBar& bar, ULONG_PTR data)
{
    for (const auto& item : bar.items)
        if (reinterpret_cast<ULONG_PTR>(item.get()) == data)
            return item.get();
    return nullptr;
}

}  // namespace

bool MenuBarChanged(HWND form, const DarkMenuBar& bar)
{
    HMENU menu = GetMenu(form);
    return menu != bar.menu || (menu != NULL && GetMenuItemCount(menu) != bar.count);
}

bool DarkenMenuBar(HWND form, DarkMenuBar& bar, const SchemeColours& colours)
{
    if (bar.menu != NULL)
        LightenMenuBar(form, bar);
    HMENU menu = GetMenu(form);
    if (menu == NULL || !IsMenu(menu))
        return false;
    bar.menu = menu;
    bar.count = GetMenuItemCount(menu);
    MENUINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = MIM_BACKGROUND;
    GetMenuInfo(menu, &info);
    bar.background = info.hbrBack;
    info.hbrBack = SolidBrushOf(colours.window);
    SetMenuInfo(menu, &info);
    for (int index = 0; index < bar.count; ++index) {
        MENUITEMINFOW item = {};
        item.cbSize = sizeof item;
        item.fMask = MIIM_FTYPE | MIIM_DATA | MIIM_STRING;
        if (!GetMenuItemInfoW(menu, index, TRUE, &item))
            continue;
        // Items the program draws, pictures and separators stay its own.
        if ((item.fType & (MFT_OWNERDRAW | MFT_BITMAP | MFT_SEPARATOR)) != 0)
            continue;
        std::wstring text(item.cch + 1, L'\0');
        item.dwTypeData = &text[0];
        item.cch += 1;
        GetMenuItemInfoW(menu, index, TRUE, &item);
        text.resize(std::wcslen(text.c_str()));
        auto kept = std::make_unique<DarkMenuItem>(DarkMenuItem{item.fType, item.dwItemData, text});
        MENUITEMINFOW drawn = {};
        drawn.cbSize = sizeof drawn;
        drawn.fMask = MIIM_FTYPE | MIIM_DATA;
        drawn.fType = item.fType | MFT_OWNERDRAW;
        drawn.dwItemData = reinterpret_cast<ULONG_PTR>(kept.get());
        if (SetMenuItemInfoW(menu, index, TRUE, &drawn))
            bar.items.push_back(std::move(kept));
    }
    DrawMenuBar(form);
    return true;
}

void LightenMenuBar(HWND form, DarkMenuBar& bar)
{
    if (bar.menu != NULL && IsMenu(bar.menu)) {
        const int count = GetMenuItemCount(bar.menu);
        for (int index = 0; index < count; ++index) {
            MENUITEMINFOW item = {};
            item.cbSize = sizeof item;
            item.fMask = MIIM_FTYPE | MIIM_DATA;
            if (!GetMenuItemInfoW(bar.menu, index, TRUE, &item))
                continue;
            const DarkMenuItem* kept = KeptItem(bar, item.dwItemData);
            if (kept == nullptr)
                continue;
            item.fType = kept->type;
            item.dwItemData = kept->data;
            SetMenuItemInfoW(bar.menu, index, TRUE, &item);
        }
        MENUINFO info = {};
        info.cbSize = sizeof info;
        info.fMask = MIM_BACKGROUND;
        info.hbrBack = bar.background;
        SetMenuInfo(bar.menu, &info);
        if (GetMenu(form) == bar.menu)
            DrawMenuBar(form);
    }
    bar.items.clear();
    bar.menu = NULL;
    bar.count = 0;
    bar.background = NULL;
}

bool MeasureMenuBarItem(HWND form, const DarkMenuBar& bar, MEASUREITEMSTRUCT& item)
{
    if (item.CtlType != ODT_MENU)
        return false;
    const DarkMenuItem* kept = KeptItem(bar, item.itemData);
    if (kept == nullptr)
        return false;
    HDC dc = GetDC(form);
    HGDIOBJ before = SelectObject(dc, MenuFont());
    RECT measured = {0, 0, 0, 0};
    DrawTextW(dc, kept->text.c_str(), static_cast<int>(kept->text.size()), &measured,
              DT_SINGLELINE | DT_CALCRECT);
    SelectObject(dc, before);
    ReleaseDC(form, dc);
    // The system adds the width of a check mark to an owner-drawn item of
    // the bar; the text takes half a character's room either side.
    item.itemWidth = std::max<UINT>(0, static_cast<UINT>(measured.right - measured.left) +
                                           static_cast<UINT>(GetSystemMetrics(SM_CXMENUCHECK)) / 2);
    item.itemHeight = static_cast<UINT>(GetSystemMetrics(SM_CYMENU));
    return true;
}

bool DrawMenuBarItem(const DarkMenuBar& bar, const DRAWITEMSTRUCT& item, const SchemeColours& colours)
{
    if (item.CtlType != ODT_MENU)
        return false;
    const DarkMenuItem* kept = KeptItem(bar, item.itemData);
    if (kept == nullptr)
        return false;
    const bool chosen = (item.itemState & (ODS_SELECTED | ODS_HOTLIGHT)) != 0;
    HBRUSH back = CreateSolidBrush(chosen ? colours.hotFace : colours.window);
    FillRect(item.hDC, &item.rcItem, back);
    DeleteObject(back);
    HGDIOBJ before = SelectObject(item.hDC, MenuFont());
    SetBkMode(item.hDC, TRANSPARENT);
    const bool grey = (item.itemState & (ODS_GRAYED | ODS_DISABLED | ODS_INACTIVE)) != 0;
    SetTextColor(item.hDC, grey ? colours.greyText : colours.text);
    RECT place = item.rcItem;
    DrawTextW(item.hDC, kept->text.c_str(), static_cast<int>(kept->text.size()), &place,
              DT_SINGLELINE | DT_CENTER | DT_VCENTER |
                  ((item.itemState & ODS_NOACCEL) != 0 ? DT_HIDEPREFIX : 0));
    SelectObject(item.hDC, before);
    return true;
}

void PaintMenuBarRest(HWND form, const DarkMenuBar& bar, const SchemeColours& colours)
{
    if (bar.menu == NULL || GetMenu(form) != bar.menu)
        return;
    MENUBARINFO info = {};
    info.cbSize = sizeof info;
    if (!GetMenuBarInfo(form, OBJID_MENU, 0, &info))
        return;
    RECT frame;
    GetWindowRect(form, &frame);
    RECT rest = info.rcBar;
    const int count = GetMenuItemCount(bar.menu);
    RECT last;
    if (count > 0 && GetMenuItemRect(form, bar.menu, count - 1, &last) && last.right > rest.left &&
        last.bottom >= rest.bottom - 1)
        rest.left = last.right;
    // The system draws a line under the bar, in the bar's own rectangle or
    // just below it.
    rest.bottom += 1;
    OffsetRect(&rest, -frame.left, -frame.top);
    HDC dc = GetWindowDC(form);
    FillRect(dc, &rest, SolidBrushOf(colours.window));
    ReleaseDC(form, dc);
}
