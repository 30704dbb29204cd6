// The window manager's side of painting: update regions, what uncovering part of the screen
// means for the windows there, and where WM_PAINT comes from.
#pragma once

#include "gwe/MessageQueue.h"
#include "gwe/Window.h"
#include "gwe/gdi/Region.h"

namespace ce::gwe {

// Adds area (client coordinates) to the window's update region. Children under it follow
// when the window lacks WS_CLIPCHILDREN, or always with allChildren.
void invalidate(Window& window, gdi::Region area, bool erase, bool allChildren = false);
void invalidateAll(Window& window, bool erase);
// Part of the screen was uncovered (a window hid, moved or went): every window showing
// there repaints it, and the desktop behind them is drawn again at once.
void exposeScreen(const gdi::Region& area);
// The window and its descendants moved or hid: their text runs are no longer on the screen.
void forgetText(const Window& window);
// The message source behind WM_PAINT: the first shown window, in z-order with parents
// before children, whose update region is not empty.
bool takePaintMessage(const MessageFilter& filter, bool remove, MSG& msg);

}  // namespace ce::gwe
