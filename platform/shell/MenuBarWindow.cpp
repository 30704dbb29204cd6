// The menu bar's window procedure. A button is pressed while the stylus holds it and acts when
// the stylus lifts over it: a command goes to the owner as WM_COMMAND, a drop-down opens its
// menu above the bar. The owner may destroy the bar while it hears of either, so the state is
// looked up again after every call out.
#include "shell/MenuBarWindow.h"

#include "aygshell.h"
#include "gwe/Screen.h"
#include "gwe/Window.h"
#include "shell/MenuBarMessages.h"
#include "shell/MenuBarPainter.h"

namespace ce::shell {

namespace {

constexpr const WCHAR* c_className = u"menu_worker";
constexpr int c_barHeight = 26;  // at 96 dpi

LRESULT CALLBACK menuBarProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

bool registerClass() {
    static bool registered = false;
    if (!registered) {
        WNDCLASSW wc{};
        wc.lpfnWndProc = menuBarProc;
        wc.cbWndExtra = sizeof(MenuBar*);
        wc.lpszClassName = c_className;
        registered = RegisterClassW(&wc) != 0;
    }
    return registered;
}

void redrawNow(HWND hwnd) {
    InvalidateRect(hwnd, nullptr, FALSE);
    UpdateWindow(hwnd);
}

void setHighlighted(HWND hwnd, MenuBar& bar, int index) {
    if (bar.highlighted() == index) return;
    bar.setHighlighted(index);
    redrawNow(hwnd);
}

POINT pointOf(LPARAM lParam) {
    return POINT{static_cast<SHORT>(LOWORD(lParam)), static_cast<SHORT>(HIWORD(lParam))};
}

// The button under a client point, or -1.
int buttonAt(HWND hwnd, const MenuBar& bar, LPARAM lParam) {
    HDC hdc = GetDC(hwnd);
    RECT client;
    GetClientRect(hwnd, &client);
    int index = MenuBarLayout(hdc, bar, client).buttonAt(pointOf(lParam));
    ReleaseDC(hwnd, hdc);
    return index;
}

// Where a drop-down menu opens: its bottom left corner, on the screen.
POINT menuCorner(HWND hwnd, const MenuBar& bar, int index) {
    HDC hdc = GetDC(hwnd);
    RECT client;
    GetClientRect(hwnd, &client);
    RECT button = MenuBarLayout(hdc, bar, client).buttonRect(static_cast<size_t>(index));
    ReleaseDC(hwnd, hdc);
    POINT corner{button.left, 0};
    ClientToScreen(hwnd, &corner);
    return corner;
}

// TrackPopupMenuEx lets the owner prepare the menu (WM_INITMENUPOPUP) before it opens.
void openMenu(HWND hwnd, MenuBar& bar, int index, HMENU menu) {
    POINT corner = menuCorner(hwnd, bar, index);
    setHighlighted(hwnd, bar, index);
    TrackPopupMenuEx(menu, TPM_LEFTALIGN | TPM_BOTTOMALIGN, corner.x, corner.y, bar.owner(), nullptr);
    if (MenuBar* still = menuBarOf(hwnd)) setHighlighted(hwnd, *still, -1);
}

// A button the stylus let go of: the bar is drawn at rest before the owner hears of it.
void act(HWND hwnd, MenuBar& bar, int index) {
    const MenuBarButton& button = bar.button(static_cast<size_t>(index));
    if (HMENU menu = button.dropDownMenu(); menu && GetMenuItemCount(menu) >= 0) {
        openMenu(hwnd, bar, index, menu);
        return;
    }
    int command = button.info.idCommand;
    HWND owner = bar.owner();
    setHighlighted(hwnd, bar, -1);
    SendMessageW(owner, WM_COMMAND, MAKEWPARAM(command, 0), reinterpret_cast<LPARAM>(hwnd));
}

void stylusDown(HWND hwnd, MenuBar& bar, LPARAM lParam) {
    int index = buttonAt(hwnd, bar, lParam);
    if (index < 0 || !bar.button(static_cast<size_t>(index)).isEnabled()) return;
    bar.setPressed(index);
    SetCapture(hwnd);
    setHighlighted(hwnd, bar, index);
}

void stylusMove(HWND hwnd, MenuBar& bar, LPARAM lParam) {
    if (bar.pressed() < 0) return;
    setHighlighted(hwnd, bar, buttonAt(hwnd, bar, lParam) == bar.pressed() ? bar.pressed() : -1);
}

void stylusUp(HWND hwnd, MenuBar& bar, LPARAM lParam) {
    int index = bar.pressed();
    if (index < 0) return;
    bar.setPressed(-1);  // before the capture goes, so that is not taken for a cancel
    ReleaseCapture();
    if (buttonAt(hwnd, bar, lParam) == index)
        act(hwnd, bar, index);
    else
        setHighlighted(hwnd, bar, -1);
}

// The capture taken away while the stylus held a button: no click.
void cancelPress(HWND hwnd, MenuBar& bar) {
    if (bar.pressed() < 0) return;
    bar.setPressed(-1);
    setHighlighted(hwnd, bar, -1);
}

void paint(HWND hwnd, const MenuBar& bar) {
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hwnd, &ps);
    RECT client;
    GetClientRect(hwnd, &client);
    paintMenuBar(hdc, bar, MenuBarLayout(hdc, bar, client), client);
    EndPaint(hwnd, &ps);
}

bool handleWindowMessage(HWND hwnd, MenuBar& bar, UINT message, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: paint(hwnd, bar); return true;
    case WM_LBUTTONDOWN: stylusDown(hwnd, bar, lParam); return true;
    case WM_MOUSEMOVE: stylusMove(hwnd, bar, lParam); return true;
    case WM_LBUTTONUP: stylusUp(hwnd, bar, lParam); return true;
    case WM_CAPTURECHANGED: cancelPress(hwnd, bar); return true;
    }
    return false;
}

bool changesButtons(UINT message) {
    return message == TB_INSERTBUTTONW || message == TB_ADDBUTTONSW || message == TB_DELETEBUTTON ||
           message == SHCMBM_SETSUBMENU;
}

LRESULT CALLBACK menuBarProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CREATE) {
        auto* owned = static_cast<std::unique_ptr<MenuBar>*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        SetWindowLongPtrW(hwnd, 0, reinterpret_cast<LONG_PTR>(owned->release()));
        return 0;
    }
    if (message == WM_NCDESTROY) {
        delete menuBarOf(hwnd);
        SetWindowLongPtrW(hwnd, 0, 0);
    }
    if (message == WM_ERASEBKGND) return 1;  // the paint covers every pixel
    MenuBar* bar = menuBarOf(hwnd);
    if (!bar) return DefWindowProcW(hwnd, message, wParam, lParam);
    LRESULT result = 0;
    if (handleMenuBarMessage(*bar, message, wParam, lParam, result)) {
        if (changesButtons(message)) InvalidateRect(hwnd, nullptr, FALSE);
        return result;
    }
    if (handleWindowMessage(hwnd, *bar, message, lParam)) return 0;
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace

HWND createMenuBarWindow(std::unique_ptr<MenuBar> bar, HWND topLevelOwner) {
    if (!registerClass()) return nullptr;
    const gwe::Screen& screen = gwe::Screen::instance();
    int height = screen.scale(c_barHeight);
    bool hidden = bar->flags() & SHCMBF_HIDDEN;
    // Made hidden, so that showing it cannot activate it before it is marked the system's.
    HWND hwnd = CreateWindowExW(0, c_className, u"", WS_POPUP, 0, screen.height() - height, screen.width(), height,
                                topLevelOwner, nullptr, nullptr, &bar);
    if (!hwnd) return nullptr;
    gwe::WindowTree::instance().find(hwnd)->m_system = true;
    if (!hidden) ShowWindow(hwnd, SW_SHOWNOACTIVATE);
    return hwnd;
}

MenuBar* menuBarOf(HWND hwnd) {
    const gwe::Window* window = gwe::WindowTree::instance().find(hwnd);
    if (!window || window->m_wndProc != menuBarProc) return nullptr;
    return reinterpret_cast<MenuBar*>(GetWindowLongPtrW(hwnd, 0));
}

}  // namespace ce::shell
