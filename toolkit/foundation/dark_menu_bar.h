// A form's menu bar in dark mode: its items become owner-drawn and are drawn
// in the dark colours on a dark bar; switching back gives them their types,
// data and the bar's background back.
#ifndef WICKER_FOUNDATION_DARK_MENU_BAR_H
#define WICKER_FOUNDATION_DARK_MENU_BAR_H

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "dark_mode.h"

// What one item of the bar had before it was drawn dark.
struct DarkMenuItem {
    UINT type;
    ULONG_PTR data;
    std::wstring text;
};

// The bar of one form as dark mode keeps it.
struct DarkMenuBar {
    HMENU menu = NULL;
    int count = 0;
    HBRUSH background = NULL;
    std::vector<std::unique_ptr<DarkMenuItem>> items;
};

// Draws the form's menu bar dark (again, when the form's menu or its items
// changed since); false when the form has no menu.
bool DarkenMenuBar(HWND form, DarkMenuBar& bar, const SchemeColours& colours);
// Gives the bar back what it had.
void LightenMenuBar(HWND form, DarkMenuBar& bar);
// True when the bar no longer is the one darkened (another menu, more or
// fewer items).
bool MenuBarChanged(HWND form, const DarkMenuBar& bar);
// Answers WM_MEASUREITEM and WM_DRAWITEM for the bar's items; false for any
// other item.
bool MeasureMenuBarItem(HWND form, const DarkMenuBar& bar, MEASUREITEMSTRUCT& item);
bool DrawMenuBarItem(const DarkMenuBar& bar, const DRAWITEMSTRUCT& item, const SchemeColours& colours);

// Fills the bar after its last item, which the system paints in the menu
// colour whatever the bar's background.
void PaintMenuBarRest(HWND form, const DarkMenuBar& bar, const SchemeColours& colours);

#endif
