// BUTTON's window procedure: the stylus presses it (capture while held, BN_CLICKED when let
// go inside), Space and Enter click the focused button, and the BM_* messages.
#include "gwe/controls/Button.h"

#include "gwe/controls/ButtonPainter.h"
#include "gwe/controls/ControlWindow.h"

namespace ce::gwe::controls {

namespace {

// The state slot holds BST_PUSHED (how it is drawn) and what is holding it down.
constexpr LONG_PTR c_stylusHeld = 0x1000;
constexpr LONG_PTR c_spaceHeld = 0x2000;

LONG_PTR state(HWND hwnd) { return slot(hwnd, Slot::state); }
bool has(HWND hwnd, LONG_PTR flag) { return state(hwnd) & flag; }

void setFlag(HWND hwnd, LONG_PTR flag, bool on) {
    setSlot(hwnd, Slot::state, on ? state(hwnd) | flag : state(hwnd) & ~flag);
}

// Drawn at once, as the stylus moves, rather than at the next idle moment.
void redraw(HWND hwnd, UINT action) {
    HDC hdc = GetDC(hwnd);
    drawButton(hwnd, hdc, action);
    ReleaseDC(hwnd, hdc);
}

void setPushed(HWND hwnd, bool pushed) {
    if (has(hwnd, BST_PUSHED) == pushed) return;
    setFlag(hwnd, BST_PUSHED, pushed);
    redraw(hwnd, ODA_SELECT);
}

void paint(HWND hwnd) {
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hwnd, &ps);
    drawButton(hwnd, hdc, ODA_DRAWENTIRE);
    EndPaint(hwnd, &ps);
}

// A button made with WS_EX_NOACTIVATE leaves the focus where it is: the keys keep going to
// the window that had them.
void stylusDown(HWND hwnd) {
    if (!IsWindowEnabled(hwnd)) return;
    if (!(GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_NOACTIVATE)) SetFocus(hwnd);
    SetCapture(hwnd);
    setFlag(hwnd, c_stylusHeld, true);
    setPushed(hwnd, true);
}

void stylusMove(HWND hwnd, LPARAM lParam) {
    if (has(hwnd, c_stylusHeld)) setPushed(hwnd, clientContains(hwnd, lParam));
}

// Capture goes before the parent hears of the click, as the parent may open a window.
void stylusUp(HWND hwnd, LPARAM lParam) {
    if (!has(hwnd, c_stylusHeld)) return;
    setFlag(hwnd, c_stylusHeld, false);
    bool inside = clientContains(hwnd, lParam);
    setPushed(hwnd, false);
    ReleaseCapture();
    if (inside) notifyParent(hwnd, BN_CLICKED);
}

// Losing the capture or the focus some other way lets the button up without a click.
void cancelPress(HWND hwnd, LONG_PTR holder) {
    if (!has(hwnd, holder)) return;
    setFlag(hwnd, holder, false);
    setPushed(hwnd, false);
}

void keyDown(HWND hwnd, WPARAM key) {
    if (key == VK_RETURN) notifyParent(hwnd, BN_CLICKED);
    if (key != VK_SPACE || has(hwnd, c_stylusHeld)) return;
    setFlag(hwnd, c_spaceHeld, true);
    setPushed(hwnd, true);
}

void keyUp(HWND hwnd, WPARAM key) {
    if (key != VK_SPACE || !has(hwnd, c_spaceHeld)) return;
    cancelPress(hwnd, c_spaceHeld);
    notifyParent(hwnd, BN_CLICKED);
}

// BM_SETSTYLE changes the button's type; the other style bits stay.
void setStyle(HWND hwnd, WPARAM style, LPARAM repaint) {
    LONG old = GetWindowLongW(hwnd, GWL_STYLE);
    SetWindowLongW(hwnd, GWL_STYLE, (old & ~BS_TYPEMASK) | (static_cast<LONG>(style) & BS_TYPEMASK));
    if (repaint) InvalidateRect(hwnd, nullptr, TRUE);
}

LRESULT buttonState(HWND hwnd) { return (state(hwnd) & BST_PUSHED) | (GetFocus() == hwnd ? BST_FOCUS : 0); }

bool handleButtonMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    result = 0;
    switch (message) {
    case BM_GETSTATE: result = buttonState(hwnd); return true;
    case BM_SETSTATE: setPushed(hwnd, wParam != 0); return true;
    case BM_SETSTYLE: setStyle(hwnd, wParam, lParam); return true;
    case BM_CLICK:
        if (IsWindowEnabled(hwnd)) notifyParent(hwnd, BN_CLICKED);
        return true;
    case BM_GETCHECK:  // push buttons are never checked
    case BM_SETCHECK: return true;
    }
    return false;
}

}  // namespace

LRESULT buttonProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (handleFontMessage(hwnd, message, wParam, lParam, result)) return result;
    if (handleButtonMessage(hwnd, message, wParam, lParam, result)) return result;
    switch (message) {
    case WM_PAINT: paint(hwnd); return 0;
    case WM_ERASEBKGND: return 1;  // the paint covers every pixel
    case WM_LBUTTONDOWN: stylusDown(hwnd); return 0;
    case WM_MOUSEMOVE: stylusMove(hwnd, lParam); return 0;
    case WM_LBUTTONUP: stylusUp(hwnd, lParam); return 0;
    case WM_CAPTURECHANGED: cancelPress(hwnd, c_stylusHeld); return 0;
    case WM_KEYDOWN: keyDown(hwnd, wParam); return 0;
    case WM_KEYUP: keyUp(hwnd, wParam); return 0;
    case WM_KILLFOCUS: cancelPress(hwnd, c_spaceHeld); [[fallthrough]];
    case WM_SETFOCUS: redraw(hwnd, ODA_FOCUS); return 0;
    case WM_ENABLE: InvalidateRect(hwnd, nullptr, TRUE); return 0;
    case WM_SETTEXT:
        result = DefWindowProcW(hwnd, message, wParam, lParam);
        InvalidateRect(hwnd, nullptr, TRUE);
        return result;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace ce::gwe::controls
