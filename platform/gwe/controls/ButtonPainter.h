// How a push button looks: the handheld's flat frame, or the parent's WM_DRAWITEM drawing
// for BS_OWNERDRAW.
#pragma once

#include "windows.h"

namespace ce::gwe::controls {

// Draws the whole button into hdc (a paint DC or the window's DC); action is the ODA_* an
// owner-drawn button's parent is told about.
void drawButton(HWND hwnd, HDC hdc, UINT action);

}  // namespace ce::gwe::controls
