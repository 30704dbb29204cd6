#include "cards/DbListCard.h"

#include "CardStack.h"
#include "app/MainFrame.h"
#include "app/ViewerApp.h"
#include "cards/PropListCard.h"
#include "catalogue/DbList.h"

namespace Orvane {

DbListCard::DbListCard(ViewerApp* app) : CardWindow(app), m_app(app) {}

DbListCard::~DbListCard() {
    destroyWindow();
}

void DbListCard::activate(CWindow* mainFrame) {
    auto* frame = static_cast<MainFrame*>(mainFrame);
    frame->setMenuBar(IDR_CATALOGUE_MENUBAR);
    frame->setTitle(nullptr);
    frame->getButtonBar().setButtonCount(1);
    frame->getButtonBar().setButton(0, IDS_DELETE_DB);
    showIn(frame, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN);
}

LRESULT DbListCard::onCreate(UINT, WPARAM, LPARAM, BOOL& handled) {
    createList(m_app->getDbList());
    handled = FALSE;
    return 0;
}

// Only the control's id is looked at: the row was activated.
LRESULT DbListCard::onOpen(WORD, WORD, HWND, BOOL&) {
    Nevo::CeDatabase* database = m_app->getDbList()->openDatabase(m_list.getSelection(), m_hWnd);
    if (database) m_app->getCardStack()->addCard(new PropListCard(m_app, database));
    return 0;
}

LRESULT DbListCard::onSort(WORD, WORD command, HWND, BOOL&) {
    DWORD tag = command == IDM_SORT_BY_SIZE      ? DbList::c_bySize
                : command == IDM_SORT_BY_RECORDS ? DbList::c_byRecords
                                                 : DbList::c_byName;
    m_app->getDbList()->sort(tag, 0);
    if (m_list.m_hWnd) m_list.Invalidate(TRUE);
    return 0;
}

LRESULT DbListCard::onRefresh(WORD, WORD, HWND, BOOL&) {
    m_app->getDbList()->refresh();
    return 0;
}

LRESULT DbListCard::onDelete(WORD, WORD, HWND, BOOL&) {
    m_app->getDbList()->deleteDatabase(m_list.getSelection(), m_hWnd);
    return 0;
}

}  // namespace Orvane
