// Input from the presenters and scripts: the stylus in screen coordinates and keys as the
// handheld's virtual-key codes. Each call posts what the window system makes of it (to the
// window under the stylus or with the capture, to the focus window), as the device's input
// thread would.
#pragma once

#include "winuser.h"

namespace ce::gwe::input {

void stylusDown(POINT screen);
void stylusMove(POINT screen);
void stylusUp(POINT screen);
void keyDown(UINT virtualKey);
void keyUp(UINT virtualKey);
// Down then up, with Ctrl held around it when control is set.
void keyPress(UINT virtualKey, bool control = false);
bool stylusIsDown();
// Until the stylus next lifts, its moves and the lift itself go nowhere: a recognised
// tap-and-hold has used this touch up.
void swallowStylusUntilUp();

}  // namespace ce::gwe::input

namespace ce::gwe {
// Whether a key is held as of the key messages taken from the queue so far, for GetKeyState
// and for the characters keys make; noteRetrieved keeps that state.
bool keyIsDown(UINT virtualKey);
void noteRetrieved(const MSG& msg);
}  // namespace ce::gwe
