// The records found to repeat a value: tag them (tap the selected line again, or Tag All and
// Tag None), view one in the record browser, delete the tagged ones, or go back.
#pragma once

#include <windows.h>

#include "cards/CardWindow.h"
#include "resources/ResourceIds.h"

namespace Orvane {

class DupList;
class ViewerApp;

class DupListCard : public CardWindow<DupListCard> {
public:
    static constexpr int c_id = 5001;

    // Takes ownership of the list.
    explicit DupListCard(DupList* model);
    ~DupListCard() override;
    DupListCard(const DupListCard&) = delete;
    DupListCard& operator=(const DupListCard&) = delete;

    DECLARE_WND_CLASS_EX(u"OrvaneDupListCard", CS_HREDRAW | CS_VREDRAW, COLOR_WINDOW)

    BEGIN_MSG_MAP(DupListCard)
        COMMAND_ID_HANDLER(c_listId, onTag)
        MESSAGE_RANGE_HANDLER(WM_APP + 4, WM_APP + 5, onLeaveList)
        MESSAGE_HANDLER(WM_CREATE, onCreate)
    ALT_MSG_MAP(1)
        COMMAND_ID_HANDLER(IDS_TAG_ALL, onTagAll)
        COMMAND_ID_HANDLER(IDS_TAG_NONE, onTagNone)
        COMMAND_ID_HANDLER(IDS_VIEW, onView)
        COMMAND_ID_HANDLER(IDS_TAG, onTag)
        COMMAND_ID_HANDLER(IDS_DELETE, onDelete)
        COMMAND_ID_HANDLER(IDS_DUP_BACK, onBack)
        CHAIN_MSG_MAP_ALT_MEMBER(m_list, 1)
    END_MSG_MAP()

    void activate(CWindow* mainFrame) override;
    int getId() override { return c_id; }
    LPCWSTR getHelpTopic() override { return u"dup_list"; }

private:
    static constexpr int c_textLength = 128;

    LRESULT onCreate(UINT, WPARAM, LPARAM, BOOL& handled);
    LRESULT onTag(WORD, WORD, HWND, BOOL&);
    LRESULT onTagAll(WORD, WORD, HWND, BOOL&) { tagEvery(1); return 0; }
    LRESULT onTagNone(WORD, WORD, HWND, BOOL&) { tagEvery(0); return 0; }
    LRESULT onView(WORD, WORD, HWND, BOOL&);
    LRESULT onDelete(WORD, WORD, HWND, BOOL&);
    LRESULT onBack(WORD, WORD, HWND, BOOL&);

    void tagEvery(int tagged);

    ViewerApp* m_app = nullptr;
    DupList* m_model;
};

}  // namespace Orvane
