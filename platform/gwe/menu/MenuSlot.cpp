// Menu item lookup by position or command.
#include "gwe/menu/MenuSlot.h"

#include "winbase.h"

namespace ce::gwe {

MenuSlot findMenuCommand(Menu& menu, UINT id) {
    for (size_t i = 0; i < menu.entries.size(); ++i) {
        MenuEntry& entry = menu.entries[i];
        if (entry.popup) {
            Menu* inner = MenuTable::instance().find(entry.popup);
            MenuSlot found = inner ? findMenuCommand(*inner, id) : MenuSlot{};
            if (found.menu) return found;
        } else if (entry.id == id && !(entry.flags & MF_SEPARATOR)) {
            return MenuSlot{&menu, i};
        }
    }
    return MenuSlot{};
}

MenuSlot findMenuSlot(HMENU hmenu, UINT item, UINT flags) {
    Menu* menu = MenuTable::instance().find(hmenu);
    if (!menu) return MenuSlot{};
    MenuSlot slot{};
    if (flags & MF_BYPOSITION) slot = item < menu->entries.size() ? MenuSlot{menu, item} : MenuSlot{};
    else slot = findMenuCommand(*menu, item);
    if (!slot.menu) SetLastError(ERROR_INVALID_PARAMETER);
    return slot;
}

}  // namespace ce::gwe
