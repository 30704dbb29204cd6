// GetMenuItemInfoW and SetMenuItemInfoW: an item's type and text, state, id, pop-up and the
// application's data, each only when fMask asks for it. Check-mark bitmaps are not kept.
#include <algorithm>

#include "gwe/menu/MenuSlot.h"
#include "winbase.h"

using ce::gwe::MenuEntry;
using ce::gwe::MenuTable;

namespace {

constexpr UINT c_stateFlags = MF_GRAYED | MF_DISABLED | MF_CHECKED;

MenuEntry* itemFor(HMENU menu, UINT item, BOOL byPosition, const MENUITEMINFOW* info) {
    if (!info || info->cbSize < sizeof(MENUITEMINFOW)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    return ce::gwe::findMenuSlot(menu, item, byPosition ? MF_BYPOSITION : MF_BYCOMMAND).entry();
}

// The text into the caller's buffer, cut to fit; cch says the whole text's length.
void copyText(const MenuEntry& entry, MENUITEMINFOW& info) {
    if (info.dwTypeData && info.cch > 0) {
        size_t count = std::min<size_t>(entry.text.size(), info.cch - 1);
        entry.text.copy(info.dwTypeData, count);
        info.dwTypeData[count] = 0;
    }
    info.cch = static_cast<UINT>(entry.text.size());
}

bool setPopup(MenuEntry& entry, HMENU popup) {
    if (popup && !MenuTable::instance().find(popup)) return false;
    entry.popup = popup;
    entry.flags = popup ? entry.flags | MF_POPUP : entry.flags & ~MF_POPUP;
    return true;
}

}  // namespace

BOOL GetMenuItemInfoW(HMENU hMenu, UINT uItem, BOOL fByPosition, LPMENUITEMINFOW lpmii) {
    MenuEntry* entry = itemFor(hMenu, uItem, fByPosition, lpmii);
    if (!entry) return FALSE;
    if (lpmii->fMask & MIIM_TYPE) {
        lpmii->fType = entry->flags & MF_SEPARATOR ? MFT_SEPARATOR : MFT_STRING;
        copyText(*entry, *lpmii);
    }
    if (lpmii->fMask & MIIM_STATE) lpmii->fState = entry->flags & c_stateFlags;
    if (lpmii->fMask & MIIM_ID) lpmii->wID = entry->id;
    if (lpmii->fMask & MIIM_SUBMENU) lpmii->hSubMenu = entry->popup;
    if (lpmii->fMask & MIIM_DATA) lpmii->dwItemData = entry->data;
    if (lpmii->fMask & MIIM_CHECKMARKS) lpmii->hbmpChecked = lpmii->hbmpUnchecked = nullptr;
    return TRUE;
}

BOOL SetMenuItemInfoW(HMENU hMenu, UINT uItem, BOOL fByPosition, LPCMENUITEMINFOW lpmii) {
    MenuEntry* entry = itemFor(hMenu, uItem, fByPosition, lpmii);
    if (!entry) return FALSE;
    bool ownPopup = lpmii->hSubMenu == hMenu;  // a menu inside itself would never end
    if ((lpmii->fMask & MIIM_SUBMENU) && (ownPopup || !setPopup(*entry, lpmii->hSubMenu))) return FALSE;
    if (lpmii->fMask & MIIM_TYPE) {
        bool separator = lpmii->fType & MFT_SEPARATOR;
        entry->flags = separator ? entry->flags | MF_SEPARATOR : entry->flags & ~MF_SEPARATOR;
        entry->text = !separator && lpmii->dwTypeData ? lpmii->dwTypeData : u"";
    }
    if (lpmii->fMask & MIIM_STATE) entry->flags = (entry->flags & ~c_stateFlags) | (lpmii->fState & c_stateFlags);
    if (lpmii->fMask & MIIM_ID) entry->id = lpmii->wID;
    if (lpmii->fMask & MIIM_DATA) entry->data = lpmii->dwItemData;
    return TRUE;
}
