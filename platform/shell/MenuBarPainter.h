// Draws a menu bar as the handheld shows it: a light band under a dark line, bold labels,
// the pressed or open button in the highlight colours, and the input panel's keyboard box.
#pragma once

#include "shell/MenuBarLayout.h"

namespace ce::shell {

void paintMenuBar(HDC hdc, const MenuBar& bar, const MenuBarLayout& layout, const RECT& client);

}  // namespace ce::shell
