// The viewer's application object.
#include "app/ViewerApp.h"

#include "Card.h"
#include "CardStack.h"
#include "UiModule.h"
#include "about/AboutBox.h"
#include "app/MainFrame.h"
#include "app/ResourceLoader.h"
#include "cards/DbListCard.h"
#include "catalogue/DbList.h"
#include "resources/ResourceIds.h"

namespace Orvane {

ViewerApp::~ViewerApp() {
    delete m_cards;
    delete m_dbList;
    delete m_loader;
}

void ViewerApp::hibernate() {
    PostQuitMessage(2);
}

void ViewerApp::activate(WORD) {}

void ViewerApp::createCards(HWND) {
    m_cards = new Nevo::CardStack(m_frame);
    m_cards->addCard(new DbListCard(this));
}

Nevo::ResourceLoader* ViewerApp::getResourceLoader() {
    if (!m_loader) {
        m_loader = new Nevo::ResourceLoader(GetModuleHandleW(nullptr));
        m_loader->setFallback(nevo_ui_getLocalModule().GetModuleInstance());
    }
    return m_loader;
}

void ViewerApp::showAbout(HWND parent) {
    AboutBox::show(parent);
}

HWND ViewerApp::getMainWindow() {
    return m_frame ? m_frame->m_hWnd : nullptr;
}

int ViewerApp::showTopicHelp() {
    Nevo::Card* top = m_cards ? m_cards->getTop() : nullptr;
    LPCWSTR topic = top ? top->getHelpTopic() : nullptr;
    if (!topic) return 0;
    LPCWSTR file = getResourceLoader()->loadString(IDS_HELP_FILE);
    showHelp(file ? file : u"Orvane.htm", topic);
    return 1;
}

DbList* ViewerApp::getDbList() {
    if (!m_dbList) m_dbList = new DbList();
    return m_dbList;
}

}  // namespace Orvane
