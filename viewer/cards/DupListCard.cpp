#include "cards/DupListCard.h"

#include "CardStack.h"
#include "app/MainFrame.h"
#include "app/ResourceLoader.h"
#include "app/ViewerApp.h"
#include "cards/PropListCard.h"
#include "catalogue/DbList.h"
#include "core/FixedFormat.h"
#include "duplicates/DupItem.h"
#include "duplicates/DupList.h"
#include "reader/PropList.h"
#include "resources/ActiveApp.h"

namespace Orvane {

// The application comes with the first activation.
DupListCard::DupListCard(DupList* model) : CardWindow(nullptr), m_model(model) {}

DupListCard::~DupListCard() {
    destroyWindow();
    delete m_model;
}


void DupListCard::activate(CWindow* mainFrame) {
    auto* frame = static_cast<MainFrame*>(mainFrame);
    m_app = frame->getApp();
    m_list.setApp(m_app);
    WCHAR title[c_textLength];
    Nevo::printFixed(title, c_textLength, stringOf(m_app, IDS_DUPLICATES_FOUND), m_model->size());
    frame->setMenuBar(IDR_DUPLICATE_MENUBAR);
    frame->setTitle(title);
    ButtonBar& bar = frame->getButtonBar();
    bar.setButtonCount(3);
    bar.setButton(0, IDS_VIEW);
    bar.setButton(1, IDS_DUP_BACK);
    bar.setButton(2, IDS_DELETE);
    showIn(frame, WS_CHILD | WS_VISIBLE);
}

LRESULT DupListCard::onCreate(UINT, WPARAM, LPARAM, BOOL& handled) {
    createList(m_model);
    handled = FALSE;
    return 0;
}

// The list checks nothing: a selection left past the end tags nothing.
LRESULT DupListCard::onTag(WORD, WORD, HWND, BOOL&) {
    UINT selected = m_list.getSelection();
    if (static_cast<int>(selected) >= 0 && selected < m_model->size()) m_model->toggleTag(selected);
    return 0;
}

void DupListCard::tagEvery(int tagged) {
    for (UINT i = 0; i < m_model->size(); ++i) static_cast<DupItem*>(m_model->at(i))->setTagged(tagged);
    if (m_list.m_hWnd) m_list.SendMessage(WM_APP + 2, reinterpret_cast<WPARAM>(m_model), 0);
}

LRESULT DupListCard::onView(WORD, WORD, HWND, BOOL&) {
    UINT selected = m_list.getSelection();
    if (static_cast<int>(selected) < 0 || selected >= m_model->size()) return 0;
    if (PropList* record = m_model->openRecord(selected))
        m_app->getCardStack()->addCard(new PropListCard(m_app, record));
    return 0;
}

LRESULT DupListCard::onDelete(WORD, WORD, HWND, BOOL&) {
    UINT tagged = m_model->countTagged();
    if (!tagged) {
        MessageBoxW(m_hWnd, stringOf(m_app, IDS_NOTHING_TAGGED), u"", MB_OK);
        return 0;
    }
    WCHAR message[c_textLength];
    Nevo::printFixed(message, c_textLength, stringOf(m_app, IDS_DELETE_QUESTION), tagged);
    if (MessageBoxW(m_hWnd, message, u"", MB_OKCANCEL) != IDOK) return 0;
    int deleted = m_model->deleteTagged();
    Nevo::printFixed(message, c_textLength, stringOf(m_app, IDS_DELETED), deleted);
    MessageBoxW(m_hWnd, message, u"", MB_OK);
    m_app->getDbList()->refresh();
    m_app->getMainFrame()->popCardLater();
    return 0;
}

LRESULT DupListCard::onBack(WORD, WORD, HWND, BOOL&) {
    m_app->getMainFrame()->popCardLater();
    return 0;
}

}  // namespace Orvane
