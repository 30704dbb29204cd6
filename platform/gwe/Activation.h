// Activation and focus in Win32 order: WM_ACTIVATE (WA_INACTIVE) to the window losing
// activation, then to the window gaining it, whose default handling takes the focus
// (WM_KILLFOCUS to the old focus, then WM_SETFOCUS).
#pragma once

#include "gwe/Window.h"

namespace ce::gwe {

// Makes a top-level window the active one and raises it; how is WA_ACTIVE or WA_CLICKACTIVE.
void activate(HWND hwnd, WORD how = WA_ACTIVE);
// The active window is going (hidden or destroyed): its owner, or else the topmost other
// shown window, becomes active; with none, nothing is.
void activateNext(HWND leaving);
// Gives the focus to hwnd (null: to nobody) with WM_KILLFOCUS and WM_SETFOCUS.
HWND moveFocus(HWND hwnd);
// Told whenever the active window or its title changes (the navigation bar shows it).
void setActivationListener(void (*listener)());
void notifyActivationListener();

}  // namespace ce::gwe
