// Where a window is: its rectangle and client area on the screen. A window with WS_BORDER
// (or a dialog frame) has a one-pixel frame around its client area; CE draws no caption.
#pragma once

#include "gwe/Window.h"

namespace ce::gwe {

int frameWidth(const Window& window);
// The client area at 0,0.
RECT clientRect(const Window& window);
RECT windowScreenRect(const Window& window);
RECT clientScreenRect(const Window& window);
POINT clientOrigin(const Window& window);
// The top-level window a window belongs to (itself at the top level).
Window* topLevelOf(Window* window);

}  // namespace ce::gwe
