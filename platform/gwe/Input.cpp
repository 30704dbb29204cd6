// Input: the stylus goes to the window under it (or holding the capture) in client
// coordinates, tapping an inactive top-level window activates it first (unless the window
// tapped refuses activation); keys go to the focus
// window (the active one when nothing has the focus); F1 asks the active window for help.
#include "gwe/Input.h"

#include <utility>

#include "gwe/Activation.h"
#include "gwe/MessageQueue.h"
#include "gwe/WindowGeometry.h"
#include "gwe/WindowVisibility.h"
#include "winbase.h"

namespace ce::gwe {

namespace {

// Keys as the input brought them in (asynchronous) and as the messages taken from the queue
// so far say (synchronous, what GetKeyState and TranslateMessage see).
struct InputState {
    bool stylusDown = false;
    bool swallowStylus = false;
    POINT stylus{};
    bool keys[256] = {};
    bool handledKeys[256] = {};
};

InputState& state() {
    static InputState input;
    return input;
}

WindowTree& tree() {
    return WindowTree::instance();
}

bool accepts(const Window* window, POINT screen) {
    if (!window || !window->isVisible() || !window->isEnabled()) return false;
    RECT rect = windowScreenRect(*window);
    return screen.x >= rect.left && screen.x < rect.right && screen.y >= rect.top && screen.y < rect.bottom;
}

HWND deepestChildAt(HWND hwnd, POINT screen) {
    Window* window = tree().find(hwnd);
    for (HWND child : window->m_children)
        if (accepts(tree().find(child), screen)) return deepestChildAt(child, screen);
    return hwnd;
}

// A tap on a window made with WS_EX_NOACTIVATE, or inside one, activates nothing.
bool refusesActivation(const Window* window) {
    for (; window; window = window->isChild() ? tree().find(window->m_parent) : nullptr)
        if (window->m_exStyle & WS_EX_NOACTIVATE) return true;
    return false;
}

void postStylus(UINT message, POINT screen) {
    HWND target = tree().capture();
    if (!target) target = WindowFromPoint(screen);
    MessageQueue::instance().setCursorPos(screen);
    if (!target) return;
    if (message == WM_LBUTTONDOWN && !refusesActivation(tree().find(target))) {
        Window* top = topLevelOf(tree().find(target));
        if (top && !top->m_system && top->m_handle != tree().active()) activate(top->m_handle, WA_CLICKACTIVE);
    }
    POINT client = screen;
    ScreenToClient(target, &client);
    WPARAM keys = (state().stylusDown ? MK_LBUTTON : 0) | (state().keys[VK_CONTROL] ? MK_CONTROL : 0);
    PostMessageW(target, message, keys, MAKELPARAM(client.x, client.y));
}

HWND keyTarget() {
    HWND focus = tree().focus();
    return focus ? focus : tree().active();
}

}  // namespace

namespace input {

void stylusDown(POINT screen) {
    state().stylusDown = true;
    state().swallowStylus = false;
    state().stylus = screen;
    postStylus(WM_LBUTTONDOWN, screen);
}

void stylusMove(POINT screen) {
    state().stylus = screen;
    if (!state().swallowStylus) postStylus(WM_MOUSEMOVE, screen);
}

void stylusUp(POINT screen) {
    state().stylusDown = false;
    state().stylus = screen;
    if (!std::exchange(state().swallowStylus, false)) postStylus(WM_LBUTTONUP, screen);
}

void keyDown(UINT virtualKey) {
    bool repeat = state().keys[virtualKey & 0xFF];
    state().keys[virtualKey & 0xFF] = true;
    if (virtualKey == VK_F1) {
        if (HWND active = tree().active()) PostMessageW(active, WM_HELP, 0, 0);
        return;
    }
    if (HWND target = keyTarget()) PostMessageW(target, WM_KEYDOWN, virtualKey, repeat ? 0x40000001 : 1);
}

void keyUp(UINT virtualKey) {
    state().keys[virtualKey & 0xFF] = false;
    if (virtualKey == VK_F1) return;
    if (HWND target = keyTarget()) PostMessageW(target, WM_KEYUP, virtualKey, static_cast<LPARAM>(0xC0000001));
}

void keyPress(UINT virtualKey, bool control) {
    if (control) keyDown(VK_CONTROL);
    keyDown(virtualKey);
    keyUp(virtualKey);
    if (control) keyUp(VK_CONTROL);
}

bool stylusIsDown() {
    return state().stylusDown;
}

void swallowStylusUntilUp() {
    state().swallowStylus = state().stylusDown;
}

}  // namespace input

bool keyIsDown(UINT virtualKey) {
    return state().handledKeys[virtualKey & 0xFF];
}

void noteRetrieved(const MSG& msg) {
    if (msg.message == WM_KEYDOWN || msg.message == WM_KEYUP)
        state().handledKeys[msg.wParam & 0xFF] = msg.message == WM_KEYDOWN;
}

}  // namespace ce::gwe

using ce::gwe::Window;
using ce::gwe::WindowTree;

// The topmost shown, enabled window under the point, down to the deepest child.
HWND WindowFromPoint(POINT Point) {
    WindowTree& tree = WindowTree::instance();
    for (HWND hwnd : tree.topLevel())
        if (ce::gwe::accepts(tree.find(hwnd), Point)) return ce::gwe::deepestChildAt(hwnd, Point);
    return nullptr;
}

// The child under a point of the parent's client area, the parent itself, or null outside it.
HWND ChildWindowFromPoint(HWND hWndParent, POINT Point) {
    WindowTree& tree = WindowTree::instance();
    Window* parent = tree.findOrFail(hWndParent);
    if (!parent) return nullptr;
    RECT client = ce::gwe::clientRect(*parent);
    if (Point.x < 0 || Point.y < 0 || Point.x >= client.right || Point.y >= client.bottom) return nullptr;
    POINT screen = Point;
    ClientToScreen(hWndParent, &screen);
    for (HWND child : parent->m_children) {
        Window* window = tree.find(child);
        RECT rect = ce::gwe::windowScreenRect(*window);
        if (screen.x >= rect.left && screen.x < rect.right && screen.y >= rect.top && screen.y < rect.bottom)
            return child;
    }
    return hWndParent;
}

HWND SetCapture(HWND hWnd) {
    WindowTree& tree = WindowTree::instance();
    if (!tree.findOrFail(hWnd)) return nullptr;
    HWND previous = tree.capture();
    tree.setCapture(hWnd);
    if (previous && previous != hWnd) SendMessageW(previous, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(hWnd));
    return previous;
}

BOOL ReleaseCapture() {
    WindowTree& tree = WindowTree::instance();
    HWND previous = tree.capture();
    tree.setCapture(nullptr);
    if (previous) SendMessageW(previous, WM_CAPTURECHANGED, 0, 0);
    return TRUE;
}

HWND GetCapture() {
    return WindowTree::instance().capture();
}

// The high bit says the key is down, as of the last key message taken from the queue.
SHORT GetKeyState(int nVirtKey) {
    return ce::gwe::keyIsDown(static_cast<UINT>(nVirtKey)) ? static_cast<SHORT>(0x8000) : 0;
}

SHORT GetAsyncKeyState(int vKey) {
    return ce::gwe::state().keys[vKey & 0xFF] ? static_cast<SHORT>(0x8000) : 0;
}

BOOL GetCursorPos(LPPOINT lpPoint) {
    if (!lpPoint) return FALSE;
    *lpPoint = ce::gwe::state().stylus;
    return TRUE;
}
