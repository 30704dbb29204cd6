// SHRecognizeGesture: tap-and-hold. Called on stylus down, it watches the stylus until it has
// been held still for the hold time (the red dots filling in meanwhile), moved away or
// lifted. A moved or lifted stylus leaves its messages queued, so the tap goes on as a click;
// a recognised hold swallows the rest of that touch.
#include <algorithm>

#include "aygshell.h"
#include "gwe/Input.h"
#include "gwe/Screen.h"
#include "shell/GestureDots.h"
#include "winbase.h"

namespace {

constexpr DWORD c_holdMs = 400;
constexpr DWORD c_longHoldMs = 800;  // SHRG_LONGDELAY, the handheld's "mixed ink" delay
constexpr UINT c_stepMs = c_holdMs / ce::shell::GestureDots::c_count;
const HWND c_threadMessagesOnly = reinterpret_cast<HWND>(static_cast<LONG_PTR>(-1));

enum class Outcome { held, released, quit };

// How far the stylus may wander and still be held still.
bool isStill(POINT down, POINT now) {
    int slack = 5 * ce::gwe::Screen::instance().dpi() / 96;
    return std::abs(now.x - down.x) <= slack && std::abs(now.y - down.y) <= slack;
}

// Looks at the stylus messages waiting, without taking the one that ends the hold: a move
// within the slack is dropped, anything else (a lift, a move away, a new touch, WM_QUIT) ends
// it. True while the hold goes on.
bool stylusStillHeld(POINT down) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, WM_MOUSEFIRST, WM_MOUSELAST, PM_NOREMOVE)) {
        if (msg.message != WM_MOUSEMOVE || !isStill(down, msg.pt)) return false;
        PeekMessageW(&msg, msg.hwnd, WM_MOUSEMOVE, WM_MOUSEMOVE, PM_REMOVE);
    }
    return ce::gwe::input::stylusIsDown();
}

// The tracking loop. It waits on a thread timer and takes nothing but that timer's ticks, so
// the window's messages stay queued in their order for whoever comes next.
Outcome track(POINT down, DWORD holdMs, bool animate) {
    ce::shell::GestureDots dots(down);
    DWORD start = GetTickCount();
    UINT_PTR timer = SetTimer(nullptr, 0, c_stepMs, nullptr);
    Outcome outcome = Outcome::released;
    for (;;) {
        if (!stylusStillHeld(down)) break;
        DWORD elapsed = GetTickCount() - start;
        if (animate) dots.show(static_cast<int>(elapsed * ce::shell::GestureDots::c_count / holdMs));
        if (elapsed >= holdMs) {
            outcome = Outcome::held;
            break;
        }
        MSG msg;
        if (!GetMessageW(&msg, c_threadMessagesOnly, WM_TIMER, WM_TIMER)) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            outcome = Outcome::quit;
            break;
        }
        if (msg.wParam != timer) DispatchMessageW(&msg);
    }
    KillTimer(nullptr, timer);
    return outcome;
}

// The touch is used up: its lift (queued or still to come) reaches no window.
void swallowTouch() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, WM_MOUSEMOVE, WM_MOUSEMOVE, PM_REMOVE)) {
    }
    if (PeekMessageW(&msg, nullptr, WM_LBUTTONUP, WM_LBUTTONUP, PM_REMOVE)) return;
    ce::gwe::input::swallowStylusUntilUp();
}

void notify(HWND target, HWND client, POINT screen) {
    NMRGINFO info{};
    info.hdr.hwndFrom = client;
    info.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(client));
    info.hdr.code = GN_CONTEXTMENU;
    info.ptAction = screen;
    SendMessageW(target, WM_NOTIFY, info.hdr.idFrom, reinterpret_cast<LPARAM>(&info));
}

}  // namespace

// A recognised gesture answers GN_CONTEXTMENU whichever way it was reported, so that a caller
// testing the result never takes the touch for a click as well.
DWORD SHRecognizeGesture(SHRGINFO* shrg) {
    if (!shrg || shrg->cbSize != sizeof(SHRGINFO) || !IsWindow(shrg->hwndClient)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    POINT screen = shrg->ptDown;
    ClientToScreen(shrg->hwndClient, &screen);
    DWORD holdMs = shrg->dwFlags & SHRG_LONGDELAY ? c_longHoldMs : c_holdMs;
    if (track(screen, holdMs, !(shrg->dwFlags & SHRG_NOANIMATION)) != Outcome::held) return 0;
    swallowTouch();
    if (!(shrg->dwFlags & SHRG_RETURNCMD)) {
        HWND parent = GetParent(shrg->hwndClient);
        HWND target = shrg->dwFlags & SHRG_NOTIFYPARENT && parent ? parent : shrg->hwndClient;
        notify(target, shrg->hwndClient, screen);
    }
    return GN_CONTEXTMENU;
}
