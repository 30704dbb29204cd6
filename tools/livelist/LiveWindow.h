// livelist's one window: a line saying what is shown, the records in the viewer's list
// window, and, when a filter was given, the Filter and All buttons. It receives the store's
// change notifications for the model and hands them on; the model tells the list and this
// window what changed.
#pragma once

#include <string>

#include <windows.h>

#include "RecordList.h"
#include "atl/atlwin.h"
#include "listview/ListView.h"

namespace livelist {

class LiveWindow : public CWindowImpl<LiveWindow> {
public:
    static constexpr int c_listId = 1;
    static constexpr int c_headerId = 2;
    static constexpr int c_filterId = 3;
    static constexpr int c_allId = 4;

    // Not owned; outlives the window.
    explicit LiveWindow(Nevo::App* app) : m_list(app) {}

    // The model opens its database once the window exists (its notifications come here):
    // then the window is filled with it and shown. The model outlives the window.
    void present(RecordList* model);

    DECLARE_WND_CLASS_EX(u"LiveList", CS_HREDRAW | CS_VREDRAW, COLOR_WINDOW)

    BEGIN_MSG_MAP(LiveWindow)
        MESSAGE_HANDLER(WM_DBNOTIFICATION, onDbNotification)
        MESSAGE_RANGE_HANDLER(WM_APP, WM_APP + 3, onModelChange)
        COMMAND_ID_HANDLER(c_filterId, onFilter)
        COMMAND_ID_HANDLER(c_allId, onAll)
        MESSAGE_HANDLER(WM_DESTROY, onDestroy)
    END_MSG_MAP()

    void OnFinalMessage(HWND) override {}

private:
    LRESULT onDbNotification(UINT, WPARAM, LPARAM notification, BOOL&);
    LRESULT onModelChange(UINT, WPARAM, LPARAM, BOOL& handled);
    LRESULT onFilter(WORD, WORD, HWND, BOOL&);
    LRESULT onAll(WORD, WORD, HWND, BOOL&);
    LRESULT onDestroy(UINT, WPARAM, LPARAM, BOOL&);

    // The header line: the database, how many records it holds and how many are shown.
    void showCounts();

    Orvane::ListView m_list;
    RecordList* m_model = nullptr;
    HWND m_header = nullptr;
};

}  // namespace livelist
