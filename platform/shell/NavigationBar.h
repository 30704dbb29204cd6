// The navigation bar across the top of the screen: the foreground window's title at the
// left, the time at the right, and the "ok" of a dialog that asked for a Done button. It
// comes up when the first window is activated.
#pragma once

#include "windef.h"

namespace ce::shell {

// The bar's window, made on first use.
HWND navigationBar();
// Repaints the bar after something it shows changed.
void refreshNavigationBar();

}  // namespace ce::shell
