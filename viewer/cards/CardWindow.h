// What the three pages share: a window of their own in the frame's card area with the list
// window over all of it, hidden while another page covers it. The list's moves off its ends
// go on to the frame, which moves the keys to the button bar.
#pragma once

#include <windows.h>

#include "Card.h"
#include "app/MainFrame.h"
#include "atl/atlwin.h"
#include "listview/ListView.h"

namespace Nevo {
class ListModel;
}

namespace Orvane {

template <class T>
class CardWindow : public CWindowImpl<T>, public Nevo::Card {
public:
    CardWindow(const CardWindow&) = delete;
    CardWindow& operator=(const CardWindow&) = delete;

    void deactivate() override {
        if (this->m_hWnd) this->ShowWindow(SW_HIDE);
    }
    ListView& getList() { return m_list; }

protected:
    static constexpr int c_listId = 1;

    explicit CardWindow(Nevo::App* app) : m_list(app) {}
    // A page destroys its window before its model: the list stops observing it first.
    ~CardWindow() override = default;

    void destroyWindow() {
        if (this->m_hWnd) this->DestroyWindow();
    }

    // Made the first time, in the card area as it is now; shown afterwards. Then the page
    // takes the frame's messages and keys.
    void showIn(MainFrame* frame, DWORD style) {
        if (!this->m_hWnd) {
            RECT area;
            frame->getCardArea(&area);
            this->Create(frame->m_hWnd, area, nullptr, style);
        } else {
            this->ShowWindow(SW_SHOW);
        }
        frame->setActiveCard(this);
        frame->setKeyFocus(true);
    }

    // WM_CREATE: the list over the whole card, showing `model`.
    void createList(Nevo::ListModel* model) {
        RECT client;
        this->GetClientRect(&client);
        m_list.setModel(model);
        m_list.Create(this->m_hWnd, client, nullptr, WS_CHILD | WS_VISIBLE, 0, c_listId);
    }

    // WM_APP+4 and WM_APP+5 from the list.
    LRESULT onLeaveList(UINT message, WPARAM wParam, LPARAM lParam, BOOL&) {
        this->GetParent().PostMessage(message, wParam, lParam);
        return 0;
    }

    ListView m_list;
};

}  // namespace Orvane
