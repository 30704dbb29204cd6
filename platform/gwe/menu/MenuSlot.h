// Finding a menu item's place by position (MF_BYPOSITION) or by command id, which is also
// looked for inside the pop-ups, for the calls that edit or describe items.
#pragma once

#include "gwe/menu/Menu.h"

namespace ce::gwe {

struct MenuSlot {
    Menu* menu = nullptr;  // the menu holding the item; null when there is none
    size_t index = 0;

    MenuEntry* entry() const { return menu ? &menu->entries[index] : nullptr; }
};

// Sets ERROR_INVALID_MENU_HANDLE for a stale menu, ERROR_INVALID_PARAMETER for no such item.
MenuSlot findMenuSlot(HMENU hmenu, UINT item, UINT flags);
// The item with this command id in menu or its pop-ups.
MenuSlot findMenuCommand(Menu& menu, UINT id);

}  // namespace ce::gwe
