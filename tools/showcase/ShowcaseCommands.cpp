// The showcase's commands: the shell's menu bar, the menu a held row opens, the question
// before a row goes, and the full-screen About box.
#include "AboutDialog.h"
#include "ShowcaseWindow.h"
#include "aygshell.h"
#include "resource.h"

namespace showcase {

void ShowcaseWindow::createMenuBar() {
    SHMENUBARINFO info{};
    info.cbSize = sizeof info;
    info.hwndParent = m_hwnd;
    info.dwFlags = SHCMBF_HMENU;
    info.nToolBarId = IDR_MENUBAR;
    info.hInstRes = GetModuleHandleW(nullptr);
    if (SHCreateMenuBar(&info)) m_menuBar = info.hwndMB;
}

// The bar lies over the bottom of the window, which keeps its size: what it covers is lost.
int ShowcaseWindow::menuBarHeight() const {
    RECT bar;
    if (!m_menuBar || !GetWindowRect(m_menuBar, &bar)) return 0;
    return bar.bottom - bar.top;
}

void ShowcaseWindow::showRowMenu(POINT screen) {
    HMENU menu = CreatePopupMenu();
    AppendMenuW(menu, MF_STRING, IDM_TAG, u"Tag");
    AppendMenuW(menu, MF_STRING, IDM_DELETE, u"Delete...");
    TrackPopupMenuEx(menu, TPM_LEFTALIGN | TPM_TOPALIGN, screen.x, screen.y, m_hwnd, nullptr);
    DestroyMenu(menu);
}

void ShowcaseWindow::command(UINT id) {
    switch (id) {
    case IDM_TAG: key(VK_RETURN); break;
    case IDM_DELETE: deleteSelected(); break;
    case IDM_ABOUT: AboutDialog::show(m_hwnd); break;
    case IDM_QUIT: DestroyWindow(m_hwnd); break;
    }
}

void ShowcaseWindow::deleteSelected() {
    if (m_rows.rows().empty()) return;
    std::u16string question = formatted(IDS_DELETE_QUESTION);
    switch (MessageBoxW(m_hwnd, question.c_str(), u"Showcase", MB_YESNOCANCEL | MB_ICONQUESTION | MB_DEFBUTTON2)) {
    case IDYES: {
        std::u16string status = formatted(IDS_DELETED);
        m_rows.removeSelected();
        InvalidateRect(m_hwnd, nullptr, TRUE);
        setStatus(std::move(status));
        break;
    }
    case IDNO: setStatus(formatted(IDS_KEPT)); break;
    }
}

}  // namespace showcase
