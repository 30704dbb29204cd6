// The first card: the catalogue of databases, sorted, refreshed and deleted from its menu bar
// and button, and opened in the record browser when a row is activated.
#pragma once

#include <windows.h>

#include "cards/CardWindow.h"
#include "resources/ResourceIds.h"

namespace Orvane {

class ViewerApp;

class DbListCard : public CardWindow<DbListCard> {
public:
    static constexpr int c_id = 3001;

    explicit DbListCard(ViewerApp* app);
    ~DbListCard() override;
    DbListCard(const DbListCard&) = delete;
    DbListCard& operator=(const DbListCard&) = delete;

    DECLARE_WND_CLASS_EX(u"OrvaneDbListCard", CS_HREDRAW | CS_VREDRAW, COLOR_WINDOW)

    BEGIN_MSG_MAP(DbListCard)
        COMMAND_ID_HANDLER(c_listId, onOpen)
        MESSAGE_RANGE_HANDLER(WM_APP + 4, WM_APP + 5, onLeaveList)
        MESSAGE_HANDLER(WM_CREATE, onCreate)
    ALT_MSG_MAP(1)
        // From the frame: the menu bar's and the button bar's commands, keys and paging.
        COMMAND_RANGE_HANDLER(IDM_SORT_BY_NAME, IDM_SORT_BY_RECORDS, onSort)
        COMMAND_ID_HANDLER(IDM_REFRESH, onRefresh)
        COMMAND_ID_HANDLER(IDS_DELETE_DB, onDelete)
        CHAIN_MSG_MAP_ALT_MEMBER(m_list, 1)
    END_MSG_MAP()

    void activate(CWindow* mainFrame) override;
    int getId() override { return c_id; }
    LPCWSTR getHelpTopic() override { return u"database_list"; }

private:
    LRESULT onOpen(WORD, WORD, HWND, BOOL&);
    LRESULT onCreate(UINT, WPARAM, LPARAM, BOOL& handled);
    LRESULT onSort(WORD, WORD command, HWND, BOOL&);
    LRESULT onRefresh(WORD, WORD, HWND, BOOL&);
    LRESULT onDelete(WORD, WORD, HWND, BOOL&);

    ViewerApp* m_app;
};

}  // namespace Orvane
