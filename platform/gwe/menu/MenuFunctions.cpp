// Building and changing menus: CreateMenu, CreatePopupMenu, AppendMenuW, LoadMenuW from a
// module's template, DestroyMenu, and the item queries and states.
#include "gwe/menu/Menu.h"
#include "gwe/resource/ResourceRegistry.h"
#include "winbase.h"

using ce::gwe::Menu;
using ce::gwe::MenuEntry;
using ce::gwe::MenuTable;

namespace {

HMENU makeMenu(bool popup) {
    auto menu = std::make_unique<Menu>();
    menu->isPopup = popup;
    return MenuTable::instance().add(std::move(menu));
}

// The item a position (MF_BYPOSITION) or command id names; pop-ups are searched for ids.
MenuEntry* findEntry(HMENU hmenu, UINT item, UINT flags) {
    Menu* menu = MenuTable::instance().find(hmenu);
    if (!menu) return nullptr;
    if (flags & MF_BYPOSITION) return item < menu->entries.size() ? &menu->entries[item] : nullptr;
    for (MenuEntry& entry : menu->entries) {
        if (entry.popup) {
            if (MenuEntry* inner = findEntry(entry.popup, item, flags)) return inner;
        } else if (entry.id == item && !(entry.flags & MF_SEPARATOR)) {
            return &entry;
        }
    }
    return nullptr;
}

HMENU buildFrom(ce::res::List<ce::res::MenuItem> items, bool popup) {
    HMENU menu = makeMenu(popup);
    for (const ce::res::MenuItem& item : items) {
        HMENU inner = (item.flags & MF_POPUP) ? buildFrom(item.popup, true) : nullptr;
        MenuTable::instance().find(menu)->entries.push_back(
            MenuEntry{item.text ? item.text : u"", item.id, item.flags, inner});
    }
    return menu;
}

// Sets the flag bits in mask to value and returns what they were, or -1 without the item.
DWORD changeState(HMENU hmenu, UINT item, UINT flags, UINT mask, UINT value) {
    MenuEntry* entry = findEntry(hmenu, item, flags);
    if (!entry) return static_cast<DWORD>(-1);
    DWORD previous = entry->flags & mask;
    entry->flags = (entry->flags & ~mask) | (value & mask);
    return previous;
}

}  // namespace

HMENU CreateMenu() {
    return makeMenu(false);
}

HMENU CreatePopupMenu() {
    return makeMenu(true);
}

// With MF_POPUP, uIDNewItem is the pop-up's handle, which the menu then owns.
BOOL AppendMenuW(HMENU hMenu, UINT uFlags, UINT_PTR uIDNewItem, LPCWSTR lpNewItem) {
    Menu* menu = MenuTable::instance().find(hMenu);
    if (!menu) return FALSE;
    HMENU popup = (uFlags & MF_POPUP) ? reinterpret_cast<HMENU>(uIDNewItem) : nullptr;
    if (popup && !MenuTable::instance().find(popup)) return FALSE;
    UINT id = popup ? 0 : static_cast<UINT>(uIDNewItem);
    menu->entries.push_back(MenuEntry{lpNewItem && !(uFlags & MF_SEPARATOR) ? lpNewItem : u"", id, uFlags, popup});
    return TRUE;
}

BOOL DestroyMenu(HMENU hMenu) {
    return MenuTable::instance().destroy(hMenu);
}

HMENU LoadMenuW(HINSTANCE hInstance, LPCWSTR lpMenuName) {
    const ce::res::MenuResource* resource = ce::res::findMenu(hInstance, lpMenuName);
    return resource ? buildFrom(resource->items, false) : nullptr;
}

HMENU GetSubMenu(HMENU hMenu, int nPos) {
    MenuEntry* entry = nPos < 0 ? nullptr : findEntry(hMenu, static_cast<UINT>(nPos), MF_BYPOSITION);
    return entry ? entry->popup : nullptr;
}

int GetMenuItemCount(HMENU hMenu) {
    Menu* menu = MenuTable::instance().find(hMenu);
    return menu ? static_cast<int>(menu->entries.size()) : -1;
}

// A pop-up has no id of its own: -1, as on Win32.
UINT GetMenuItemID(HMENU hMenu, int nPos) {
    MenuEntry* entry = nPos < 0 ? nullptr : findEntry(hMenu, static_cast<UINT>(nPos), MF_BYPOSITION);
    return entry && !entry->popup ? entry->id : static_cast<UINT>(-1);
}

DWORD CheckMenuItem(HMENU hmenu, UINT uIDCheckItem, UINT uCheck) {
    return changeState(hmenu, uIDCheckItem, uCheck, MF_CHECKED, uCheck);
}

BOOL EnableMenuItem(HMENU hMenu, UINT uIDEnableItem, UINT uEnable) {
    return static_cast<BOOL>(changeState(hMenu, uIDEnableItem, uEnable, MF_GRAYED | MF_DISABLED, uEnable));
}
