// SetTimer and KillTimer, and the WM_TIMER source.
#include "gwe/Timers.h"

#include <algorithm>
#include <vector>

#include "gwe/Window.h"
#include "winbase.h"

namespace ce::gwe {

namespace {

struct Timer {
    HWND hwnd;
    UINT_PTR id;
    UINT elapse;
    TIMERPROC proc;
    DWORD due;
};

std::vector<Timer>& timers() {
    static std::vector<Timer> list;
    return list;
}

// Tick counts wrap: compare by difference.
long remaining(const Timer& timer, DWORD now) {
    return static_cast<long>(static_cast<LONG>(timer.due - now));
}

constexpr UINT c_minimumElapse = 10;

}  // namespace

bool takeTimerMessage(const MessageFilter& filter, bool remove, MSG& msg) {
    if (!filter.matchesMessage(WM_TIMER)) return false;
    DWORD now = GetTickCount();
    for (Timer& timer : timers()) {
        if (remaining(timer, now) > 0 || !filter.matchesWindow(timer.hwnd)) continue;
        msg = MSG{timer.hwnd, WM_TIMER, timer.id, reinterpret_cast<LPARAM>(timer.proc), now, {}};
        if (remove) timer.due = now + timer.elapse;
        return true;
    }
    return false;
}

int msUntilNextTimer() {
    DWORD now = GetTickCount();
    long soonest = -1;
    for (const Timer& timer : timers()) {
        long left = std::max(0L, remaining(timer, now));
        if (soonest < 0 || left < soonest) soonest = left;
    }
    return static_cast<int>(soonest);
}

void killTimersOf(HWND hwnd) {
    std::erase_if(timers(), [hwnd](const Timer& timer) { return timer.hwnd == hwnd; });
}

}  // namespace ce::gwe

// A window's timer is known by its id; setting it again restarts it. Timers without a
// window get a new id of their own.
UINT_PTR SetTimer(HWND hWnd, UINT_PTR nIDEvent, UINT uElapse, TIMERPROC lpTimerFunc) {
    using ce::gwe::Timer;
    if (hWnd && !ce::gwe::WindowTree::instance().findOrFail(hWnd)) return 0;
    auto& list = ce::gwe::timers();
    if (!hWnd) {
        static UINT_PTR nextId = 0x7FFF;
        nIDEvent = ++nextId;
    }
    UINT elapse = std::max(uElapse, ce::gwe::c_minimumElapse);
    DWORD due = GetTickCount() + elapse;
    for (Timer& timer : list)
        if (timer.hwnd == hWnd && timer.id == nIDEvent) {
            timer = Timer{hWnd, nIDEvent, elapse, lpTimerFunc, due};
            return nIDEvent ? nIDEvent : 1;
        }
    list.push_back(Timer{hWnd, nIDEvent, elapse, lpTimerFunc, due});
    return nIDEvent ? nIDEvent : 1;
}

BOOL KillTimer(HWND hWnd, UINT_PTR uIDEvent) {
    auto& list = ce::gwe::timers();
    auto found = std::find_if(list.begin(), list.end(), [&](const ce::gwe::Timer& timer) {
        return timer.hwnd == hWnd && timer.id == uIDEvent;
    });
    if (found == list.end()) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    list.erase(found);
    return TRUE;
}
