// Where a window shows on the screen: its rectangle less what windows above it, and (with
// WS_CLIPCHILDREN) its children, cover; empty while it or an ancestor is hidden.
#pragma once

#include "gwe/gdi/Region.h"
#include "windef.h"

namespace ce::gwe {

// Screen coordinates. The whole window when clientOnly is false (CE windows have no
// non-client area unless they have a border or caption).
gdi::Region visibleRegion(HWND hwnd, bool clientOnly = false);

}  // namespace ce::gwe
