// What the system's controls share: their per-window slots (font, state, image), the
// colours their parent chooses through WM_CTLCOLOR*, and notifications to the parent.
#pragma once

#include "windows.h"

namespace ce::gwe::controls {

// Pointer-sized slots in every control's extra bytes.
enum class Slot { font = 0, state = 1, owned = 2 };
constexpr int c_slotCount = 3;

LONG_PTR slot(HWND hwnd, Slot which);
void setSlot(HWND hwnd, Slot which, LONG_PTR value);

// The font set by WM_SETFONT, or the system font.
HFONT controlFont(HWND hwnd);
// WM_SETFONT and WM_GETFONT for every control; true when message was one of them.
bool handleFontMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

// Asks the parent for the brush with message (WM_CTLCOLORBTN, WM_CTLCOLORSTATIC); the text
// colour and background mode it leaves on hdc are kept. A parent answering 0 gets the
// system colours face and text, with transparent text.
HBRUSH parentBrush(HWND hwnd, HDC hdc, UINT message, int faceColour, int textColour);

// WM_COMMAND(MAKEWPARAM(id, code), hwnd) to the parent.
void notifyParent(HWND hwnd, WORD code);

// The client point a stylus message carries, and whether it is inside the client area.
bool clientContains(HWND hwnd, LPARAM lParam);

}  // namespace ce::gwe::controls
