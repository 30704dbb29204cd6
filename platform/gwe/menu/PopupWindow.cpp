// The pop-up menu window: created hidden, marked as the system's own, shown without
// activation above everything, and painted from its layout.
#include "gwe/menu/PopupWindow.h"

#include "gwe/Screen.h"
#include "gwe/Window.h"
#include "gwe/menu/PopupPainter.h"

namespace ce::gwe {

namespace {

constexpr const WCHAR* c_className = u"#32768";  // the system's menu class

void registerClass(WNDPROC proc) {
    static bool registered = false;
    if (registered) return;
    WNDCLASSW wc{};
    wc.lpfnWndProc = proc;
    wc.lpszClassName = c_className;
    registered = RegisterClassW(&wc) != 0;
}

}  // namespace

std::unique_ptr<PopupWindow> PopupWindow::create(HMENU menu) {
    const Menu* data = MenuTable::instance().find(menu);
    if (!data) return nullptr;
    HFONT font = PopupLayout::createFont(Screen::instance().dpi());
    return std::unique_ptr<PopupWindow>(new PopupWindow(menu, font, *data));
}

PopupWindow::PopupWindow(HMENU menu, HFONT font, const Menu& data) :
    m_menu(menu), m_font(font), m_layout(std::make_unique<PopupLayout>(data, font, Screen::instance().dpi())) {}

PopupWindow::~PopupWindow() {
    if (m_hwnd && IsWindow(m_hwnd)) DestroyWindow(m_hwnd);
    DeleteObject(m_font);
}

bool PopupWindow::show(const RECT& rect) {
    registerClass(windowProc);
    m_rect = rect;
    m_hwnd = CreateWindowExW(WS_EX_TOPMOST, c_className, u"", WS_POPUP, rect.left, rect.top, rect.right - rect.left,
                             rect.bottom - rect.top, nullptr, nullptr, nullptr, this);
    if (!m_hwnd) return false;
    WindowTree::instance().find(m_hwnd)->m_system = true;
    ShowWindow(m_hwnd, SW_SHOWNOACTIVATE);
    UpdateWindow(m_hwnd);
    return true;
}

RECT PopupWindow::itemScreenRect(int index) const {
    RECT rect = item(index).rect;
    OffsetRect(&rect, m_rect.left, m_rect.top);
    return rect;
}

int PopupWindow::itemAt(POINT screen) const {
    return m_layout->itemAt(POINT{screen.x - m_rect.left, screen.y - m_rect.top});
}

void PopupWindow::setHighlight(int index) {
    if (index == m_highlight) return;
    for (int row : {m_highlight, index}) {
        if (row < 0 || !m_hwnd) continue;
        RECT rect = item(row).rect;
        InvalidateRect(m_hwnd, &rect, FALSE);
    }
    m_highlight = index;
    if (m_hwnd) UpdateWindow(m_hwnd);
}

void PopupWindow::paint() {
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(m_hwnd, &ps);
    HGDIOBJ old = SelectObject(hdc, m_font);
    PopupPainter(hdc, *m_layout).paint(m_highlight);
    SelectObject(hdc, old);
    EndPaint(m_hwnd, &ps);
}

LRESULT CALLBACK PopupWindow::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CREATE) {
        auto* created = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created->lpCreateParams));
    }
    auto* self = reinterpret_cast<PopupWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    switch (message) {
    case WM_PAINT:
        if (self) self->paint();
        else ValidateRect(hwnd, nullptr);
        return 0;
    case WM_ERASEBKGND: return 1;  // paint() covers every pixel
    case WM_CANCELMODE:
        if (self) self->m_cancelled = true;
        return 0;
    case WM_DESTROY:
        if (self) self->m_cancelled = true;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace ce::gwe
