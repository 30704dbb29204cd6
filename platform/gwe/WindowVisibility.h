// Where a window shows on the screen: its rectangle less what windows above it, and its
// children, cover; empty while it or an ancestor is hidden.
#pragma once

#include "gwe/Window.h"
#include "gwe/gdi/Region.h"

namespace ce::gwe {

// Sight: what a person sees of the window (every window above and every child covers it).
// Drawing: where the window's DCs may draw: top-level windows above always clip it;
// siblings above only with WS_CLIPSIBLINGS, its children only with WS_CLIPCHILDREN.
// Footprint: what the window and its children together show (every window above covers
// it): what the windows below get back when it hides or moves.
enum class Clipping { Sight, Drawing, Footprint };

// Screen coordinates; the client area only, or the whole window with its frame.
gdi::Region visibleRegion(HWND hwnd, bool clientOnly = false, Clipping clipping = Clipping::Sight);
// The window and every ancestor have WS_VISIBLE.
bool isShown(const Window& window);

}  // namespace ce::gwe
