#include "menus.h"

namespace {

// Where an insertion goes when no item has the identifier it names.
const UINT kAtTheEnd = static_cast<UINT>(-1);

// Inserts one item into `menu` before the item `before` (a position when
// byPosition, else an identifier, searched in the sub-menus too; an
// identifier no item has appends). With a sub-menu the item opens it. The
// item's own identifier is `identifier` in either case, which InsertMenuA
// cannot give an item that opens a sub-menu, hence InsertMenuItemA.
bool InsertItem(HMENU menu, UINT before, bool byPosition, const String& text, UINT identifier,
                HMENU subMenu, bool enabled, int check)
{
    if (menu == NULL)
        return false;
    MENUITEMINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_STRING | MIIM_ID | MIIM_STATE;
    info.fType = MFT_STRING;
    info.fState = (check != kMenuUnchecked ? MF_CHECKED : 0) | (enabled ? 0 : MF_GRAYED);
    info.wID = identifier;
    info.dwTypeData = const_cast<char*>(text.CStr());
    if (subMenu != NULL) {
        info.fMask |= MIIM_SUBMENU;
        info.hSubMenu = subMenu;
    }
    if (InsertMenuItemA(menu, before, byPosition, &info))
        return true;
    return !byPosition && InsertMenuItemA(menu, kAtTheEnd, TRUE, &info);
}

// The record of an item just added.
MenuItem Record(HMENU menu, HMENU subMenu, HWND owner, UINT identifier)
{
    MenuItem item;
    item.menu = menu;
    item.subMenu = subMenu;
    item.owner = owner;
    item.id = identifier;
    item.commandId = identifier;
    return item;
}

// A new sub-menu inserted as an item; an empty record when that failed.
MenuItem InsertSubmenuItem(HMENU into, HMENU top, HWND owner, UINT before, bool byPosition,
                           const String& text, UINT identifier, bool enabled, int check)
{
    if (into == NULL)
        return MenuItem();
    HMENU subMenu = CreatePopupMenu();
    if (!InsertItem(into, before, byPosition, text, identifier, subMenu, enabled, check)) {
        DestroyMenu(subMenu);
        return MenuItem();
    }
    return Record(top, subMenu, owner, identifier);
}

}  // namespace

MenuItem::MenuItem() : menu(NULL), subMenu(NULL), owner(NULL), id(0), commandId(0) {}

void MenuItem::Redraw()
{
    if (owner != NULL && GetMenu(owner) == menu)
        DrawMenuBar(owner);
}

MenuItem MenuItem::AddItem(const String& text, UINT identifier, bool enabled, int check)
{
    if (subMenu == NULL ||
        !InsertItem(subMenu, kAtTheEnd, true, text, identifier, NULL, enabled, check))
        return MenuItem();
    Redraw();
    return Record(menu, NULL, owner, identifier);
}

MenuItem MenuItem::InsertSubmenu(const String& text, UINT before, bool enabled, int check)
{
    MenuItem added =
        InsertSubmenuItem(subMenu, menu, owner, before, false, text, before, enabled, check);
    Redraw();
    return added;
}

bool MenuItem::AddSeparator()
{
    return subMenu != NULL && AppendMenuA(subMenu, MF_SEPARATOR, 0, "");
}

bool MenuItem::Check()
{
    return CheckMenuItem(menu, id, MF_BYCOMMAND | MF_CHECKED) != static_cast<DWORD>(-1);
}

bool MenuItem::Uncheck()
{
    return CheckMenuItem(menu, id, MF_BYCOMMAND | MF_UNCHECKED) != static_cast<DWORD>(-1);
}

// EnableMenuItem answers the state before, 0 for an enabled item, and -1
// when there is no such item.
bool MenuItem::Enable()
{
    bool found = EnableMenuItem(menu, id, MF_BYCOMMAND | MF_ENABLED) != -1;
    Redraw();
    return found;
}

bool MenuItem::Disable()
{
    bool found = EnableMenuItem(menu, id, MF_BYCOMMAND | MF_GRAYED) != -1;
    Redraw();
    return found;
}

// An item opening a sub-menu takes the sub-menu with it (DeleteMenu):
// RemoveMenu would leave it alive with nothing to destroy it.
bool MenuItem::Remove()
{
    bool removed = subMenu != NULL ? DeleteMenu(menu, id, MF_BYCOMMAND) != FALSE
                                   : RemoveMenu(menu, id, MF_BYCOMMAND) != FALSE;
    Redraw();
    return removed;
}

bool MenuItem::SetText(const String& text)
{
    MENUITEMINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STRING;
    info.dwTypeData = const_cast<char*>(text.CStr());
    bool changed = menu != NULL && SetMenuItemInfoA(menu, id, FALSE, &info);
    Redraw();
    return changed;
}

bool MenuItem::Highlight()
{
    return HiliteMenuItem(owner, menu, id, MF_BYCOMMAND | MF_HILITE) != FALSE;
}

bool MenuItem::Unhighlight()
{
    return HiliteMenuItem(owner, menu, id, MF_BYCOMMAND | MF_UNHILITE) != FALSE;
}

// The wrappers own the bar until a window takes it: a window destroys the
// menu it shows when it is destroyed itself.
MenuBar::MenuBar() : menu(NULL), owner(NULL), share(CreateMenu(), kOwnHandle)
{
    menu = share.Get();
}

MenuBar::MenuBar(const Control& window)
    : menu(NULL), owner(window.hwnd), share(CreateMenu(), kOwnHandle)
{
    menu = share.Get();
}

bool MenuBar::AttachTo(const Control& window)
{
    owner = window.hwnd;
    if (!SetMenu(owner, menu))
        return false;
    share.HandOver();
    return true;
}

// SetMenu puts the bar on the window the first time and redraws it after.
MenuItem MenuBar::AddMenu(const String& title, UINT identifier, bool enabled, int check)
{
    MenuItem added = InsertSubmenuItem(menu, menu, owner, kAtTheEnd, true, title, identifier,
                                       enabled, check);
    if (owner != NULL && SetMenu(owner, menu))
        share.HandOver();
    return added;
}

PopupMenu::PopupMenu() : menu(CreatePopupMenu()) {}

MenuItem PopupMenu::AddItem(const String& text, UINT identifier, bool enabled, int check)
{
    if (!InsertItem(menu, kAtTheEnd, true, text, identifier, NULL, enabled, check))
        return MenuItem();
    return Record(menu, NULL, NULL, identifier);
}

MenuItem PopupMenu::AddSubmenu(const String& text, UINT before, bool enabled, int check)
{
    return InsertSubmenuItem(menu, menu, NULL, before, false, text, before, enabled, check);
}

MenuItem PopupMenu::AddSeparator()
{
    if (menu == NULL || !AppendMenuA(menu, MF_SEPARATOR, 0, ""))
        return MenuItem();
    return Record(menu, NULL, NULL, 0);
}

// The window must be in the foreground for the menu to close when the user
// clicks elsewhere; and again afterwards, as the menu took the activation.
bool PopupMenu::Show(const Control& window)
{
    SetForegroundWindow(window.hwnd);
    POINT at = {0, 0};
    GetCursorPos(&at);
    BOOL shown = TrackPopupMenu(menu, TPM_LEFTBUTTON, at.x, at.y, 0, window.hwnd, NULL);
    SetForegroundWindow(window.hwnd);
    return shown != FALSE;
}

bool PopupMenu::Destroy()
{
    bool destroyed = menu != NULL && DestroyMenu(menu);
    menu = NULL;
    return destroyed;
}
