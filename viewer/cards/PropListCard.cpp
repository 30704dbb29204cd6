#include "cards/PropListCard.h"

#include "CardStack.h"
#include "app/MainFrame.h"
#include "app/ResourceLoader.h"
#include "app/ViewerApp.h"
#include "cards/DupListCard.h"
#include "core/Debug.h"
#include "core/FixedFormat.h"
#include "db/CeDatabase.h"
#include "duplicates/DupList.h"
#include "frame/PageCommands.h"
#include "reader/PropItem.h"
#include "reader/PropList.h"
#include "resources/ActiveApp.h"

namespace Orvane {

namespace {

PropList* modelOn(Nevo::CeDatabase* database) {
    database->seekToIndex(0);
    return new PropList(database);
}

}  // namespace

PropListCard::PropListCard(ViewerApp* app, Nevo::CeDatabase* database) :
    PropListCard(app, modelOn(database)) {}

PropListCard::PropListCard(ViewerApp* app, PropList* model) : CardWindow(app), m_app(app), m_model(model) {}

PropListCard::~PropListCard() {
    destroyWindow();
    delete m_model;
    if (m_resortMenu) DestroyMenu(m_resortMenu);
}


void PropListCard::activate(CWindow* mainFrame) {
    auto* frame = static_cast<MainFrame*>(mainFrame);
    ButtonBar& bar = frame->getButtonBar();
    bar.setButtonCount(3);
    bar.setButton(0, IDS_PREV);
    bar.setButton(1, IDS_BACK);
    bar.setButton(2, IDS_NEXT);
    frame->setMenuBar(IDR_RECORD_MENUBAR);
    sendHeader(frame->m_hWnd);
    if (m_model->getSortKeyCount() > 0) addResortButton(frame);
    showIn(frame, WS_CHILD | WS_VISIBLE);
}

// A drop-down button after the first of the menu bar, one entry per sort order.
void PropListCard::addResortButton(MainFrame* frame) {
    if (m_resortMenu) DestroyMenu(m_resortMenu);
    m_resortMenu = CreatePopupMenu();
    for (UINT i = 0; i < m_model->getSortKeyCount(); ++i) {
        WCHAR entry[128];
        Nevo::printFixed(entry, 128, stringOf(m_app, IDS_PROPID), m_model->getSortKey(i) >> 16);
        AppendMenuW(m_resortMenu, MF_STRING, IDM_RESORT_FIRST + i, entry);
    }
    HWND bar = frame->getMenuBar();
    if (!bar) return;
    HINSTANCE module = m_app->getResourceLoader()->getPrimaryResModule();
    LRESULT label = ::SendMessageW(bar, TB_ADDSTRING, reinterpret_cast<WPARAM>(module), IDS_RESORT);
    if (label == -1) {
        Nevo::Debug::abort(u"TB_ADDSTRING failed");
        return;
    }
    TBBUTTON button{};
    button.iBitmap = I_IMAGENONE;
    button.idCommand = IDS_RESORT;
    button.fsState = TBSTATE_ENABLED;
    button.fsStyle = TBSTYLE_DROPDOWN | TBSTYLE_AUTOSIZE | TBSTYLE_NO_DROPDOWN_ARROW;
    button.dwData = reinterpret_cast<DWORD_PTR>(m_resortMenu);
    button.iString = label;
    ::SendMessageW(bar, TB_INSERTBUTTON, 1, reinterpret_cast<LPARAM>(&button));
}

void PropListCard::sendHeader(HWND frame) {
    if (!frame) frame = GetParent();
    WCHAR header[c_headerLength];
    const WCHAR* title = nullptr;
    if (CEOID record = m_model->getCurrentOid()) {
        Nevo::printFixed(header, c_headerLength, stringOf(m_app, IDS_RECORD_HEADER), record, m_model->size());
        title = header;
    }
    ::SendMessageW(frame, MainFrame::c_setTitle, reinterpret_cast<WPARAM>(title), 0);
}

LRESULT PropListCard::onCreate(UINT, WPARAM, LPARAM, BOOL& handled) {
    createList(m_model);
    handled = FALSE;
    return 0;
}

LRESULT PropListCard::onKeyDown(UINT message, WPARAM wParam, LPARAM lParam, BOOL&) {
    m_list.PostMessage(message, wParam, lParam);
    return 0;
}

LRESULT PropListCard::onHome(WORD, WORD, HWND, BOOL&) {
    if (m_model->moveFirst()) sendHeader();
    return 0;
}

LRESULT PropListCard::onEnd(WORD, WORD, HWND, BOOL&) {
    if (m_model->moveLast()) sendHeader();
    return 0;
}

// The entry comes back to this card's window.
LRESULT PropListCard::offerJump(UINT command, const NMHDR* hold) {
    auto* gesture = reinterpret_cast<const NMRGINFO*>(hold);
    return offerCommand(m_hWnd, command, stringOf(m_app, command), gesture->ptAction);
}

LRESULT PropListCard::onHoldNext(int, LPNMHDR hold, BOOL&) {
    return offerJump(IDS_RECORD_END, hold);
}

LRESULT PropListCard::onHoldPrev(int, LPNMHDR hold, BOOL&) {
    return offerJump(IDS_RECORD_HOME, hold);
}

LRESULT PropListCard::onBack(WORD, WORD, HWND, BOOL&) {
    m_app->getMainFrame()->popCardLater();
    return 0;
}

LRESULT PropListCard::onPrev(WORD, WORD, HWND, BOOL&) {
    step(false);
    return 0;
}

LRESULT PropListCard::onNext(WORD, WORD, HWND, BOOL&) {
    step(true);
    return 0;
}

void PropListCard::step(bool forward) {
    UINT selected = m_list.getSelection();
    LONG distance = static_cast<LONG>(selected) - static_cast<LONG>(m_list.getTopIndex());
    void* propid = nullptr;
    if (selected < m_model->size())
        if (Nevo::ListItem* item = m_model->at(selected)) propid = item->getItemData(PropItem::TagPropid);
    int moved = forward ? m_model->moveNext() : m_model->movePrevious();
    if (!moved) {
        MessageBoxW(m_hWnd, stringOf(m_app, IDS_NO_MORE_RECORDS), u"", MB_OK);
        return;
    }
    sendHeader();
    // A property the new record lacks leaves the selection where it was.
    m_list.select(m_model->findItem(PropItem::TagPropid, propid, 0), true, false);
    m_list.setTop(static_cast<LONG>(m_list.getSelection()) - distance);
}

LRESULT PropListCard::onResort(WORD, WORD command, HWND, BOOL&) {
    UINT index = command - IDM_RESORT_FIRST;
    if (index < m_model->getSortKeyCount()) {
        m_model->reopen(index);
        sendHeader();
    }
    return 0;
}

LRESULT PropListCard::onCheckDuplicates(WORD, WORD, HWND, BOOL&) {
    if (static_cast<int>(m_list.getSelection()) < 0 || m_model->isNoRecord()) return 0;
    DupList* found = m_model->checkDuplicates(m_list.getSelection());
    // The search reopened the database at its first record.
    sendHeader();
    if (!found) {
        MessageBoxW(m_hWnd, stringOf(m_app, IDS_NO_DUPLICATE), u"", MB_OK);
        return 0;
    }
    m_app->getCardStack()->addCard(new DupListCard(found));
    return 0;
}

}  // namespace Orvane
