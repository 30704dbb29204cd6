// The main frame: set-up of its controls, the key focus between card and bar, the title line,
// and the system's messages (activation, hibernation, help, database notifications).
#include "app/MainFrame.h"

#include <aygshell.h>

#include "CardStack.h"
#include "app/ProgramTitle.h"
#include "app/ViewerApp.h"
#include "db/CeDatabase.h"
#include "app/Globals.h"
#include "frame/ScreenScale.h"

namespace Orvane {

namespace {

constexpr int c_barHeight = 33;

int heightOf(HWND window) {
    RECT rect;
    if (!window || !::GetWindowRect(window, &rect)) return 0;
    return rect.bottom - rect.top;
}

}  // namespace

MainFrame::MainFrame(ViewerApp* app, UINT resourceId) : m_app(app), m_resourceId(resourceId) {
    m_app->setMainFrame(this);
    m_buttonBar.setApp(app);
}

CWndClassInfo& MainFrame::GetWndClassInfo() {
    static CWndClassInfo info{programTitle(), CS_HREDRAW | CS_VREDRAW, COLOR_WINDOW};
    return info;
}

HWND MainFrame::create() {
    if (!Create(nullptr, rcDefault, programTitle())) return nullptr;
    HINSTANCE module = GetModuleHandleW(nullptr);
    HICON icon = LoadIconW(module, MAKEINTRESOURCEW(m_resourceId));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    return m_hWnd;
}

BOOL MainFrame::PreTranslateMessage(MSG* msg) {
    return m_accelerators && m_hWnd && TranslateAcceleratorW(m_hWnd, m_accelerators, msg);
}

LRESULT MainFrame::onCreate(UINT, WPARAM, LPARAM, BOOL&) {
    setMenuBar(m_resourceId);
    createControls();
    m_accelerators = LoadAcceleratorsW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(m_resourceId));
    m_app->createCards(m_hWnd);
    return 0;
}

// The bar and the page buttons share the bottom row of the card area; they stay where they
// are put, whatever happens to the frame's size later.
void MainFrame::createControls() {
    RECT area;
    getCardArea(&area);
    int page = scaleToScreen(m_hWnd, PageButton::c_size);
    RECT strip{area.left + page, area.bottom - scaleToScreen(m_hWnd, c_barHeight), area.right - page, area.bottom - 1};
    m_buttonBar.Create(m_hWnd, strip, nullptr, WS_CHILD | WS_VISIBLE);
    m_pageDown.create(m_hWnd, area.right - page, strip.top, page);
    m_pageUp.create(m_hWnd, 0, strip.top, page);
}

void MainFrame::setMenuBar(UINT id) {
    if (m_menuBar) ::DestroyWindow(m_menuBar);
    m_menuBar = nullptr;
    SHMENUBARINFO info{};
    info.cbSize = sizeof info;
    info.hwndParent = m_hWnd;
    info.dwFlags = SHCMBF_HMENU;
    info.nToolBarId = id;
    info.hInstRes = GetModuleHandleW(nullptr);
    if (SHCreateMenuBar(&info)) m_menuBar = info.hwndMB;
}

void MainFrame::getCardArea(RECT* area) {
    GetClientRect(area);
    area->bottom -= heightOf(m_menuBar);
    if (m_buttonBar.m_hWnd && m_buttonBar.getButtonCount() > 0) area->bottom -= heightOf(m_buttonBar.m_hWnd);
    if (m_title.m_hWnd) {
        RECT label;
        m_title.GetWindowRect(&label);
        POINT bottom{label.left, label.bottom};
        ScreenToClient(&bottom);
        area->top = bottom.y;
    }
}

void MainFrame::setTitle(const WCHAR* text) {
    if (!text || !*text) {
        if (m_title.m_hWnd) m_title.DestroyWindow();
        return;
    }
    if (m_title.m_hWnd)
        m_title.setText(text);
    else
        m_title.create(m_hWnd, text);
}

void MainFrame::setActiveCard(CMessageMap* card) {
    SetChainEntry(c_cardChain, card, 1);
}

void MainFrame::setKeyFocus(bool toCard) {
    if (toCard) {
        m_keyFocusOnCard = true;
        m_buttonBar.unhighlight();
    } else if (m_buttonBar.getButtonCount() > 0) {
        m_keyFocusOnCard = false;
        m_buttonBar.highlight();
    }
}

void MainFrame::popCardLater() {
    RemoveChainEntry(c_cardChain);
    PostMessage(c_popCard);
}

LRESULT MainFrame::onPopCard(UINT, WPARAM, LPARAM, BOOL&) {
    if (Nevo::CardStack* cards = m_app->getCardStack()) cards->pop();
    return 0;
}

LRESULT MainFrame::onQuit(WORD, WORD, HWND, BOOL&) {
    PostQuitMessage(0);
    return 0;
}

LRESULT MainFrame::onAbout(WORD, WORD, HWND, BOOL&) {
    m_app->showAbout(m_hWnd);
    return 0;
}

LRESULT MainFrame::onDestroy(UINT, WPARAM, LPARAM, BOOL& handled) {
    if (!(GetStyle() & (WS_CHILD | WS_POPUP))) PostQuitMessage(1);
    handled = FALSE;
    return 0;
}

LRESULT MainFrame::onFocusSwitch(UINT, WPARAM, LPARAM, BOOL&) {
    setKeyFocus(!m_keyFocusOnCard);
    SetFocus();
    return 0;
}

LRESULT MainFrame::onHelp(UINT, WPARAM, LPARAM, BOOL&) {
    return m_app->showTopicHelp();
}

LRESULT MainFrame::onSetTitle(UINT, WPARAM text, LPARAM, BOOL&) {
    setTitle(reinterpret_cast<const WCHAR*>(text));
    return 0;
}

LRESULT MainFrame::onHibernate(UINT, WPARAM, LPARAM, BOOL& handled) {
    m_app->hibernate();
    handled = FALSE;
    return 0;
}

LRESULT MainFrame::onDbNotification(UINT, WPARAM, LPARAM lParam, BOOL& handled) {
    // The open that asked may be gone by now (closed, reopened, destroyed): the lookup knows.
    Nevo::CeDatabase::dispatchNotification(m_hWnd, reinterpret_cast<CENOTIFICATION*>(lParam));
    handled = FALSE;
    return 0;
}

LRESULT MainFrame::onKeyDown(UINT message, WPARAM key, LPARAM lParam, BOOL&) {
    if (m_keyFocusOnCard) {
        LRESULT ignored = 0;
        CallChain(c_cardChain, m_hWnd, message, key, lParam, ignored);
    } else if (m_buttonBar.m_hWnd) {
        m_buttonBar.handleKey(static_cast<UINT>(key));
    }
    SetFocus();
    return 0;
}

LRESULT MainFrame::onActivate(UINT, WPARAM state, LPARAM, BOOL& handled) {
    if (LOWORD(state)) {
        Nevo::Globals::setActiveApp(m_app);
        m_app->activate(LOWORD(state));
    }
    handled = FALSE;
    return 0;
}

LRESULT MainFrame::onPageMessage(UINT message, WPARAM wParam, LPARAM lParam, BOOL& handled) {
    LRESULT result = 0;
    handled = handlePageMessage(m_hWnd, message, wParam, lParam, result) ? TRUE : FALSE;
    return result;
}

}  // namespace Orvane
