// The program's one top-level window: the shell's menu bar, the title line, the area the
// cards show themselves in, the button bar and the page buttons. It routes keys to the card
// on top or to the bar, and passes what it does not handle to the card on top.
#pragma once

#include <windows.h>

#include "atl/atlapp.h"
#include "atl/atlwin.h"
#include "frame/ButtonBar.h"
#include "frame/PageButton.h"
#include "frame/PageCommands.h"
#include "frame/TitleLabel.h"
#include "resources/ResourceIds.h"

namespace Orvane {

class ViewerApp;

// A top-level window without caption or border: it fills the screen below the navigation bar.
using MainFrameTraits = CWinTraits<WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 0>;

class MainFrame : public CWindowImpl<MainFrame, CWindow, MainFrameTraits>, public CDynamicChain,
                  public CMessageFilter {
public:
    // Cards send their heading here: wParam the text, or null to remove the title line.
    static constexpr UINT c_setTitle = WM_APP + 7;
    // Posted to itself to take the top card off once the message that asked is done.
    static constexpr UINT c_popCard = WM_APP + 8;
    static constexpr DWORD c_cardChain = 1;

    MainFrame(ViewerApp* app, UINT resourceId);
    ~MainFrame() override = default;
    MainFrame(const MainFrame&) = delete;
    MainFrame& operator=(const MainFrame&) = delete;

    // The window class is named by the program title, so that a second instance finds it.
    static CWndClassInfo& GetWndClassInfo();

    // A top-level window titled and classed by the program title, with icon 1.
    HWND create();

    BEGIN_MSG_MAP(MainFrame)
        COMMAND_ID_HANDLER(IDM_QUIT, onQuit)
        COMMAND_ID_HANDLER(IDM_CTRL_M, onNothing)
        COMMAND_ID_HANDLER(IDM_ABOUT, onAbout)
        MESSAGE_HANDLER(WM_DESTROY, onDestroy)
        MESSAGE_RANGE_HANDLER(WM_APP + 4, WM_APP + 5, onFocusSwitch)
        MESSAGE_HANDLER(WM_HELP, onHelp)
        MESSAGE_HANDLER(c_setTitle, onSetTitle)
        MESSAGE_HANDLER(WM_HIBERNATE, onHibernate)
        MESSAGE_HANDLER(WM_DBNOTIFICATION, onDbNotification)
        MESSAGE_HANDLER(WM_CREATE, onCreate)
        MESSAGE_HANDLER(WM_KEYDOWN, onKeyDown)
        MESSAGE_HANDLER(WM_ACTIVATE, onActivate)
        MESSAGE_HANDLER(c_popCard, onPopCard)
        ATL_MSG_ENTRY(true, onPageMessage(uMsg, wParam, lParam, bHandled))
        CHAIN_MSG_MAP_DYNAMIC(c_cardChain)
        REFLECT_NOTIFICATIONS()
    END_MSG_MAP()

    // Accelerators of table 1, for the frame window.
    BOOL PreTranslateMessage(MSG* msg) override;

    // The card activation protocol.
    void setMenuBar(UINT id);
    void setTitle(const WCHAR* text);
    void getCardArea(RECT* area);
    void setActiveCard(CMessageMap* card);
    void setKeyFocus(bool toCard);
    ButtonBar& getButtonBar() { return m_buttonBar; }
    HWND getMenuBar() const { return m_menuBar; }
    ViewerApp* getApp() const { return m_app; }
    bool isKeyFocusOnCard() const { return m_keyFocusOnCard; }

    // "Back": the top card leaves the chain now and is popped when the current message is
    // done, so that no handler runs on a deleted card.
    void popCardLater();

private:
    LRESULT onQuit(WORD, WORD, HWND, BOOL&);
    LRESULT onNothing(WORD, WORD, HWND, BOOL&) { return 0; }
    LRESULT onAbout(WORD, WORD, HWND, BOOL&);
    LRESULT onDestroy(UINT, WPARAM, LPARAM, BOOL& handled);
    LRESULT onFocusSwitch(UINT, WPARAM, LPARAM, BOOL&);
    LRESULT onHelp(UINT, WPARAM, LPARAM, BOOL&);
    LRESULT onSetTitle(UINT, WPARAM text, LPARAM, BOOL&);
    LRESULT onHibernate(UINT, WPARAM, LPARAM, BOOL& handled);
    LRESULT onDbNotification(UINT, WPARAM, LPARAM notification, BOOL& handled);
    LRESULT onCreate(UINT, WPARAM, LPARAM, BOOL&);
    LRESULT onKeyDown(UINT, WPARAM key, LPARAM, BOOL&);
    LRESULT onActivate(UINT, WPARAM state, LPARAM, BOOL& handled);
    LRESULT onPopCard(UINT, WPARAM, LPARAM, BOOL&);
    LRESULT onPageMessage(UINT message, WPARAM wParam, LPARAM lParam, BOOL& handled);

    void createControls();

    ViewerApp* m_app;
    UINT m_resourceId;
    HWND m_menuBar = nullptr;
    HACCEL m_accelerators = nullptr;
    ButtonBar m_buttonBar;
    PageButton m_pageDown{PageButton::c_pageDown};
    PageButton m_pageUp{PageButton::c_pageUp};
    TitleLabel m_title;
    bool m_keyFocusOnCard = true;
};

}  // namespace Orvane
