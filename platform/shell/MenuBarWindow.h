// The menu bar's window: a system window across the bottom of the screen, owned by the
// application's top-level window, that turns taps on its buttons into commands and menus.
#pragma once

#include <memory>

#include "shell/MenuBar.h"

namespace ce::shell {

// The bar's window for that state, shown unless the state's flags hide it; null on failure.
HWND createMenuBarWindow(std::unique_ptr<MenuBar> bar, HWND topLevelOwner);
// A menu bar window's state; null for any other window.
MenuBar* menuBarOf(HWND hwnd);

}  // namespace ce::shell
