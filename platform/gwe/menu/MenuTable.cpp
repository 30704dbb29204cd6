// The menu handle table.
#include "gwe/menu/Menu.h"

#include "kernel/HandleTable.h"
#include "winbase.h"

namespace ce::gwe {

namespace {

HandleTable<Menu>& table() {
    static HandleTable<Menu> menus;
    return menus;
}

std::uintptr_t key(HMENU menu) {
    return reinterpret_cast<std::uintptr_t>(menu);
}

}  // namespace

MenuTable& MenuTable::instance() {
    static MenuTable menus;
    return menus;
}

HMENU MenuTable::add(std::unique_ptr<Menu> menu) {
    return reinterpret_cast<HMENU>(table().add(std::move(menu)));
}

Menu* MenuTable::find(HMENU menu) const {
    Menu* found = table().find(key(menu));
    if (!found) SetLastError(ERROR_INVALID_MENU_HANDLE);
    return found;
}

bool MenuTable::destroy(HMENU menu) {
    std::unique_ptr<Menu> removed = table().remove(key(menu));
    if (!removed) {
        SetLastError(ERROR_INVALID_MENU_HANDLE);
        return false;
    }
    for (const MenuEntry& entry : removed->entries)
        if (entry.popup) destroy(entry.popup);
    return true;
}

}  // namespace ce::gwe
