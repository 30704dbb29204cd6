// Timers: WM_TIMER is a state, like WM_PAINT, made when a timer is due and the queue holds
// nothing else, and at most once per period however long the program was busy.
#pragma once

#include "gwe/MessageQueue.h"

namespace ce::gwe {

bool takeTimerMessage(const MessageFilter& filter, bool remove, MSG& msg);
// Milliseconds until the next timer is due, or -1 with none.
int msUntilNextTimer();
void killTimersOf(HWND hwnd);

}  // namespace ce::gwe
