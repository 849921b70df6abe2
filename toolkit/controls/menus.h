/// \file
/// Menus: a window's menu bar, pop-up (context) menus, and the items in them.
#ifndef WICKER_CONTROLS_MENUS_H
#define WICKER_CONTROLS_MENUS_H

#include <windows.h>

#include "../foundation/control.h"
#include "../foundation/shared_handle.h"
#include "../foundation/string.h"

/// The `check` argument that adds an item unchecked; any other value checks it.
const int kMenuUnchecked = -1;

/// One item of a menu bar or pop-up menu, returned by value when it is added.
/// It names the item by the top menu it was added under (the bar or the
/// pop-up: commands by identifier search the sub-menus too) and its
/// identifier, so copies work alike and nothing is released when one goes.
/// Choosing a command item sends WM_COMMAND with its identifier to the owner.
///
/// Items that open a sub-menu (AddMenu, AddSubmenu, InsertSubmenu) carry that
/// identifier too, so Disable greys a whole menu and SetText renames it; their
/// `subMenu` takes the items added below them. A command item has no sub-menu:
/// adding below it fails and gives an empty record (all zero).
struct MenuItem {
    /// The menu bar or pop-up menu the item was added under.
    HMENU menu;
    /// The sub-menu the item opens; null for a command item or a separator.
    HMENU subMenu;
    /// The window whose menu bar it is on; null for pop-up menu items.
    HWND owner;
    ///@{
    /// The item's identifier, and the same again.
    UINT id;
    UINT commandId;
    ///@}

    /// An empty record: no menu, no item.
    MenuItem();

    /// True when the record names an item (it was added).
    bool Exists() const { return menu != NULL; }

    /// Appends a command item to this item's sub-menu, greyed when not enabled
    /// and checked unless `check` is kMenuUnchecked; then the bar is redrawn.
    MenuItem AddItem(const String& text, UINT identifier, bool enabled = true,
                     int check = kMenuUnchecked);
    /// Inserts an item opening a new sub-menu into this item's sub-menu,
    /// before the item whose identifier is `before` (at the end when there is
    /// none); the new item takes `before` as its own identifier.
    MenuItem InsertSubmenu(const String& text, UINT before, bool enabled = true,
                           int check = kMenuUnchecked);
    /// Appends a separator line to this item's sub-menu.
    bool AddSeparator();
    ///@{
    /// Puts the check mark on the item itself, or takes it off (CheckMenuItem).
    bool Check();
    bool Uncheck();
    ///@}
    ///@{
    /// Makes the item choosable again, or greys it (EnableMenuItem); true when
    /// the item was found, whatever its state was before.
    bool Enable();
    bool Disable();
    ///@}
    /// Takes the item out of its menu; a sub-menu it opens is destroyed with it.
    bool Remove();
    /// Changes the item's text only: a menu keeps its sub-menu, an item its
    /// state (SetMenuItemInfoA with MIIM_STRING).
    bool SetText(const String& text);
    ///@{
    /// Draws the menu-bar item highlighted, or plain again (HiliteMenuItem).
    bool Highlight();
    bool Unhighlight();
    ///@}

private:
    /// Redraws the owner's menu bar after a change.
    void Redraw();
};

/// A window's menu bar. Built with a window, it goes on that window at the
/// first AddMenu; built without, at AttachTo. The window destroys its menu
/// bar when it is destroyed; a bar that never went on a window is destroyed
/// with its last wrapper (copies share the menu and stay usable).
///
///     MenuBar bar(form);
///     MenuItem file = bar.AddMenu("&File", 1);
///     file.AddItem("E&xit", IDM_EXIT);
struct MenuBar {
    /// The bar's menu (CreateMenu at construction).
    HMENU menu;
    /// The window it is on; null until attached.
    HWND owner;

    /// A bar on no window yet.
    MenuBar();
    /// A bar for the window, shown there at the first AddMenu.
    explicit MenuBar(const Control& window);

    /// Puts the bar on the window (SetMenu).
    bool AttachTo(const Control& window);
    /// Appends a menu (an item opening a new sub-menu) to the bar, greyed
    /// when not enabled, checked unless `check` is kMenuUnchecked.
    MenuItem AddMenu(const String& title, UINT identifier, bool enabled = true,
                     int check = kMenuUnchecked);

private:
    /// The menu and its wrappers; handed over to the window it goes on.
    SharedMenu share;
};

/// A context menu, shown at the pointer with Show. It is not on a window, so
/// nothing destroys it for the program: Destroy does, when it is done with.
struct PopupMenu {
    /// The menu (CreatePopupMenu at construction).
    HMENU menu;

    PopupMenu();

    /// Appends a command item.
    MenuItem AddItem(const String& text, UINT identifier, bool enabled = true,
                     int check = kMenuUnchecked);
    /// Inserts an item opening a new sub-menu before the item whose
    /// identifier is `before`, or at the end when there is none; the new item
    /// takes `before` as its own identifier.
    MenuItem AddSubmenu(const String& text, UINT before, bool enabled = true,
                        int check = kMenuUnchecked);
    /// Appends a separator line; its record has identifier 0.
    MenuItem AddSeparator();
    /// Brings the window to the foreground and shows the menu at the pointer
    /// until the user chooses or dismisses; a chosen command reaches the
    /// window as WM_COMMAND. True when the menu could be shown.
    bool Show(const Control& window);
    /// DestroyMenu, with every sub-menu in it; the handle becomes null.
    bool Destroy();
};

#endif
