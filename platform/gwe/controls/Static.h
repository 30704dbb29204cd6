// The system's STATIC class: aligned, word-wrapped text or a bitmap, tappable with SS_NOTIFY.
#pragma once

#include "windows.h"

namespace ce::gwe::controls {

LRESULT staticProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace ce::gwe::controls
