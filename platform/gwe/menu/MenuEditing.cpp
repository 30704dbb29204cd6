// Editing menus in place: InsertMenuW before an item named by position or command, RemoveMenu
// and DeleteMenu (which also destroys the item's pop-up).
#include "gwe/menu/MenuSlot.h"
#include "winbase.h"

using ce::gwe::Menu;
using ce::gwe::MenuEntry;
using ce::gwe::MenuSlot;
using ce::gwe::MenuTable;
using ce::gwe::findMenuCommand;
using ce::gwe::findMenuSlot;

namespace {

// Takes the item out of its menu, handing back its pop-up (null for a command).
bool takeItem(HMENU hmenu, UINT item, UINT flags, HMENU& popup) {
    MenuSlot slot = findMenuSlot(hmenu, item, flags);
    if (!slot.menu) return false;
    popup = slot.menu->entries[slot.index].popup;
    slot.menu->entries.erase(slot.menu->entries.begin() + static_cast<std::ptrdiff_t>(slot.index));
    return true;
}

}  // namespace

BOOL InsertMenuW(HMENU hMenu, UINT uPosition, UINT uFlags, UINT_PTR uIDNewItem, LPCWSTR lpNewItem) {
    Menu* menu = MenuTable::instance().find(hMenu);
    if (!menu) return FALSE;
    HMENU popup = (uFlags & MF_POPUP) ? reinterpret_cast<HMENU>(uIDNewItem) : nullptr;
    if ((uFlags & MF_POPUP) && (!MenuTable::instance().find(popup) || popup == hMenu)) return FALSE;
    MenuSlot slot{menu, menu->entries.size()};
    if (!(uFlags & MF_BYPOSITION)) {
        slot = findMenuCommand(*menu, uPosition);
        if (!slot.menu) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return FALSE;
        }
    } else if (uPosition < menu->entries.size()) {
        slot.index = uPosition;  // -1 and anything past the end append
    }
    UINT flags = uFlags & ~MF_BYPOSITION;
    UINT id = popup ? 0 : static_cast<UINT>(uIDNewItem);
    std::u16string text = lpNewItem && !(uFlags & MF_SEPARATOR) ? lpNewItem : u"";
    slot.menu->entries.insert(slot.menu->entries.begin() + static_cast<std::ptrdiff_t>(slot.index),
                              MenuEntry{std::move(text), id, flags, popup});
    return TRUE;
}

// The item's pop-up, if any, lives on: the caller still has its handle.
BOOL RemoveMenu(HMENU hMenu, UINT uPosition, UINT uFlags) {
    HMENU popup = nullptr;
    return takeItem(hMenu, uPosition, uFlags, popup);
}

BOOL DeleteMenu(HMENU hMenu, UINT uPosition, UINT uFlags) {
    HMENU popup = nullptr;
    if (!takeItem(hMenu, uPosition, uFlags, popup)) return FALSE;
    if (popup) MenuTable::instance().destroy(popup);
    return TRUE;
}
