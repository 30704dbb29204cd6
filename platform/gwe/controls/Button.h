// The system's BUTTON class: push, default push and owner-drawn buttons.
#pragma once

#include "windows.h"

namespace ce::gwe::controls {

LRESULT buttonProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace ce::gwe::controls
