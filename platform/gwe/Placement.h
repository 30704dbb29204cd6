// Showing, hiding, moving and sizing windows, with what each means for the screen.
#pragma once

#include "gwe/Window.h"

namespace ce::gwe {

// Where CreateWindowExW puts a window: CW_USEDEFAULT places a top-level window in the work
// area below the navigation bar (and sizes it to fill it); a child at 0,0.
RECT initialRect(const CREATESTRUCTW& cs);
// Takes the window off the screen without WM_SHOWWINDOW (as DestroyWindow does), handing
// activation, focus and capture on.
void hideWindow(Window& window);
// Sends WM_SIZE and WM_MOVE for the window's current place, as after creation.
void sendSizeAndMove(HWND hwnd);

}  // namespace ce::gwe
