// Tracking a pop-up menu. The stylus chooses what it is lifted on after pressing or dragging
// onto it, so the lift of the tap that opened the menu chooses nothing; a tap outside every
// open menu closes them all and is eaten, lift included.
#include "gwe/menu/MenuTracker.h"

#include "gwe/Input.h"
#include "gwe/Screen.h"
#include "gwe/menu/PopupPlacement.h"

namespace ce::gwe {

namespace {

bool c_tracking = false;

}  // namespace

MenuTracker::~MenuTracker() {
    closeAll();
}

bool MenuTracker::active() {
    return c_tracking;
}

UINT MenuTracker::run(HMENU menu, POINT at, const RECT* exclude) {
    std::unique_ptr<PopupWindow> root = PopupWindow::create(menu);
    if (!root) return 0;
    RECT screen = Screen::instance().bounds();
    if (!root->show(popup::place(root->layout().size(), at, m_flags, exclude, screen))) return 0;
    m_captor = root->hwnd();
    m_open.push_back(std::move(root));
    c_tracking = true;
    SetCapture(m_captor);
    loop();
    closeAll();
    c_tracking = false;
    return m_chosen;
}

void MenuTracker::loop() {
    while (!ended() || m_swallowUp) {
        MSG msg;
        if (GetMessageW(&msg, nullptr, 0, 0) <= 0) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            m_done = true;
            m_chosen = 0;
            return;
        }
        if (m_swallowUp) {
            if (msg.message == WM_LBUTTONUP) m_swallowUp = false;
            if (msg.message == WM_LBUTTONDOWN || msg.message == WM_LBUTTONUP || msg.message == WM_MOUSEMOVE) continue;
        } else if (intercept(msg)) {
            continue;
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

bool MenuTracker::ended() const {
    if (m_done) return true;
    if (!IsWindow(m_owner)) return true;
    for (const auto& open : m_open)
        if (open->cancelled()) return true;
    return false;
}

bool MenuTracker::intercept(const MSG& msg) {
    switch (msg.message) {
    case WM_LBUTTONDOWN: onStylusDown(msg.pt); return true;
    case WM_MOUSEMOVE: onStylusMove(msg.pt, msg.wParam & MK_LBUTTON); return true;
    case WM_LBUTTONUP: onStylusUp(msg.pt); return true;
    case WM_KEYDOWN: onKey(static_cast<UINT>(msg.wParam)); return true;
    case WM_KEYUP:
    case WM_CHAR: return true;
    case WM_CANCELMODE: m_done = true; return true;
    }
    return false;
}

void MenuTracker::onStylusDown(POINT screen) {
    int level = levelAt(screen);
    if (level < 0) {
        dismissByTap();
        return;
    }
    m_stylusInMenu = true;
    track(level, screen);
}

void MenuTracker::onStylusMove(POINT screen, bool pressed) {
    if (!pressed) return;
    int level = levelAt(screen);
    if (level < 0) {
        m_open.back()->setHighlight(-1);
        return;
    }
    m_stylusInMenu = true;
    track(level, screen);
}

void MenuTracker::onStylusUp(POINT screen) {
    bool armed = m_stylusInMenu;
    m_stylusInMenu = false;
    int level = levelAt(screen);
    if (!armed || level < 0) return;
    int row = m_open[static_cast<size_t>(level)]->itemAt(screen);
    if (row >= 0 && row == m_open[static_cast<size_t>(level)]->highlight()) choose(level);
}

void MenuTracker::onKey(UINT virtualKey) {
    PopupWindow& menu = *m_open.back();
    int level = static_cast<int>(m_open.size()) - 1;
    switch (virtualKey) {
    case VK_UP: menu.setHighlight(menu.layout().step(menu.highlight(), -1)); break;
    case VK_DOWN: menu.setHighlight(menu.layout().step(menu.highlight(), +1)); break;
    case VK_RIGHT: enter(level, true); break;
    case VK_RETURN:
        if (menu.highlight() >= 0 && !menu.item(menu.highlight()).popup) choose(level);
        else enter(level, true);
        break;
    case VK_LEFT:
        if (m_open.size() > 1) closeFrom(m_open.size() - 1);
        break;
    case VK_ESCAPE:
        if (m_open.size() > 1) closeFrom(m_open.size() - 1);
        else m_done = true;
        break;
    default: onMnemonic(level, virtualKey);
    }
}

// A row's underlined letter chooses it, or opens it when it is a pop-up.
void MenuTracker::onMnemonic(int level, UINT virtualKey) {
    PopupWindow& menu = *m_open[static_cast<size_t>(level)];
    int row = menu.layout().mnemonic(virtualKey);
    if (row < 0) return;
    menu.setHighlight(row);
    if (menu.item(row).popup) enter(level, true);
    else choose(level);
}

// Opens the highlighted row's sub-menu, highlighting its first row for the keys.
void MenuTracker::enter(int level, bool highlightFirst) {
    PopupWindow& menu = *m_open[static_cast<size_t>(level)];
    int row = menu.highlight();
    if (row < 0 || !menu.item(row).popup) return;
    openSubmenu(level, row);
    if (highlightFirst && static_cast<int>(m_open.size()) > level + 1) {
        PopupWindow& sub = *m_open.back();
        sub.setHighlight(sub.layout().step(-1, +1));
    }
}

void MenuTracker::choose(int level) {
    const PopupWindow& menu = *m_open[static_cast<size_t>(level)];
    const PopupItem& item = menu.item(menu.highlight());
    if (!item.isSelectable() || item.popup) return;
    m_chosen = item.id;
    m_done = true;
}

void MenuTracker::track(int level, POINT screen) {
    PopupWindow& menu = *m_open[static_cast<size_t>(level)];
    int row = menu.itemAt(screen);
    bool usable = row >= 0 && menu.item(row).isSelectable();
    menu.setHighlight(usable ? row : -1);
    size_t deeper = static_cast<size_t>(level) + 1;
    if (usable && menu.item(row).popup) {
        if (deeper < m_open.size() && m_open[deeper]->menu() == menu.item(row).popup) return;
        closeFrom(deeper);
        openSubmenu(level, row);
    } else {
        closeFrom(deeper);
    }
}

void MenuTracker::openSubmenu(int level, int row) {
    size_t deeper = static_cast<size_t>(level) + 1;
    PopupWindow& parent = *m_open[static_cast<size_t>(level)];
    HMENU handle = parent.item(row).popup;
    if (deeper < m_open.size() && m_open[deeper]->menu() == handle) return;
    closeFrom(deeper);
    notifyInit(handle, row);
    if (ended()) return;
    std::unique_ptr<PopupWindow> sub = PopupWindow::create(handle);
    if (!sub) return;
    RECT rect = popup::cascade(sub->layout().size(), parent.itemScreenRect(row), parent.screenRect(),
                               parent.layout().frame(), Screen::instance().bounds());
    if (sub->show(rect)) m_open.push_back(std::move(sub));
}

void MenuTracker::closeAll() {
    if (m_captor && GetCapture() == m_captor) ReleaseCapture();
    m_captor = nullptr;
    closeFrom(0);
}

void MenuTracker::closeFrom(size_t level) {
    while (m_open.size() > level) m_open.pop_back();
}

// The tap is eaten: its lift too, whether it is queued already or the stylus is still down.
void MenuTracker::dismissByTap() {
    m_done = true;
    closeAll();
    MSG lift;
    if (PeekMessageW(&lift, nullptr, WM_LBUTTONUP, WM_LBUTTONUP, PM_REMOVE)) return;
    m_swallowUp = input::stylusIsDown();
}

void MenuTracker::notifyInit(HMENU menu, int position) {
    if (m_flags & TPM_NONOTIFY) return;
    SendMessageW(m_owner, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu), MAKELPARAM(position, FALSE));
}

int MenuTracker::levelAt(POINT screen) const {
    for (size_t i = m_open.size(); i-- > 0;)
        if (m_open[i]->contains(screen)) return static_cast<int>(i);
    return -1;
}

}  // namespace ce::gwe
