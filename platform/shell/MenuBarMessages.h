// The toolbar and menu bar messages a menu bar answers (TB_*, SHCMBM_*).
#pragma once

#include "shell/MenuBar.h"

namespace ce::shell {

// True when the message is one of them, with its result.
bool handleMenuBarMessage(MenuBar& bar, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

}  // namespace ce::shell
