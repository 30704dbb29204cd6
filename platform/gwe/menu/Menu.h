// Menus as data: items with their text, command id, MF_ flags and pop-ups, behind validated
// handles. Menu bars and pop-up menus draw and track them.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "winuser.h"

namespace ce::gwe {

struct MenuEntry {
    std::u16string text;
    UINT id = 0;
    UINT flags = MF_STRING;  // MF_POPUP, MF_SEPARATOR, MF_GRAYED, MF_CHECKED ...
    HMENU popup = nullptr;   // owned: destroyed with the menu
    ULONG_PTR data = 0;      // the application's, through MENUITEMINFOW
};

struct Menu {
    bool isPopup = false;
    std::vector<MenuEntry> entries;
};

class MenuTable {
public:
    static MenuTable& instance();

    HMENU add(std::unique_ptr<Menu> menu);
    // Null, with ERROR_INVALID_MENU_HANDLE, for a stale or unknown handle.
    Menu* find(HMENU menu) const;
    // Destroys the menu and its pop-ups.
    bool destroy(HMENU menu);
};

}  // namespace ce::gwe
