// The navigation bar across the top of the screen: the foreground window's title at the
// left, the time at the right. It comes up when the first window is activated.
#pragma once

#include "windef.h"

namespace ce::shell {

// The bar's window, made on first use.
HWND navigationBar();

}  // namespace ce::shell
