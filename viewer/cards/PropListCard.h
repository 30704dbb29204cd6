// The record browser: one record of a database, a line per property, stepped through with
// Prev and Next (Home and End on tap-and-hold), re-read in another sort order from the
// "Resort" menu, and searched for records repeating the selected property's value.
#pragma once

#include <windows.h>

#include <aygshell.h>
#include <commctrl.h>

#include "cards/CardWindow.h"
#include "resources/ResourceIds.h"

namespace Nevo {
class CeDatabase;
}

namespace Orvane {

class PropList;
class ViewerApp;

class PropListCard : public CardWindow<PropListCard> {
public:
    static constexpr int c_id = 4001;

    // The database opened by the catalogue, shown from its first record; owned from now on.
    PropListCard(ViewerApp* app, Nevo::CeDatabase* database);
    // A model already on its record; owned from now on.
    PropListCard(ViewerApp* app, PropList* model);
    ~PropListCard() override;
    PropListCard(const PropListCard&) = delete;
    PropListCard& operator=(const PropListCard&) = delete;

    DECLARE_WND_CLASS_EX(u"OrvanePropListCard", CS_HREDRAW | CS_VREDRAW, COLOR_WINDOW)

    BEGIN_MSG_MAP(PropListCard)
        MESSAGE_HANDLER(WM_CREATE, onCreate)
        MESSAGE_RANGE_HANDLER(WM_APP + 4, WM_APP + 5, onLeaveList)
        MESSAGE_HANDLER(WM_KEYDOWN, onKeyDown)
        COMMAND_ID_HANDLER(IDS_RECORD_HOME, onHome)
        COMMAND_ID_HANDLER(IDS_RECORD_END, onEnd)
    ALT_MSG_MAP(1)
        MESSAGE_HANDLER(WM_KEYDOWN, onKeyDown)
        NOTIFY_HANDLER(IDS_NEXT, GN_CONTEXTMENU, onHoldNext)
        NOTIFY_HANDLER(IDS_PREV, GN_CONTEXTMENU, onHoldPrev)
        COMMAND_ID_HANDLER(IDS_BACK, onBack)
        COMMAND_ID_HANDLER(IDS_PREV, onPrev)
        COMMAND_ID_HANDLER(IDS_NEXT, onNext)
        COMMAND_ID_HANDLER(IDS_CHECK_DUPLICATES, onCheckDuplicates)
        COMMAND_RANGE_HANDLER(IDM_RESORT_FIRST, IDM_RESORT_LAST, onResort)
        CHAIN_MSG_MAP_ALT_MEMBER(m_list, 1)
    END_MSG_MAP()

    void activate(CWindow* mainFrame) override;
    int getId() override { return c_id; }
    LPCWSTR getHelpTopic() override { return u"prop_list"; }

    PropList* getModel() const { return m_model; }

private:
    static constexpr int c_headerLength = 64;

    LRESULT onCreate(UINT, WPARAM, LPARAM, BOOL& handled);
    LRESULT onKeyDown(UINT message, WPARAM wParam, LPARAM lParam, BOOL&);
    LRESULT onHome(WORD, WORD, HWND, BOOL&);
    LRESULT onEnd(WORD, WORD, HWND, BOOL&);
    LRESULT onHoldNext(int, LPNMHDR hold, BOOL&);
    LRESULT onHoldPrev(int, LPNMHDR hold, BOOL&);
    LRESULT onBack(WORD, WORD, HWND, BOOL&);
    LRESULT onPrev(WORD, WORD, HWND, BOOL&);
    LRESULT onNext(WORD, WORD, HWND, BOOL&);
    LRESULT onCheckDuplicates(WORD, WORD, HWND, BOOL&);
    LRESULT onResort(WORD, WORD command, HWND, BOOL&);

    // The title line: the record's OID and its number of properties, or none without a record.
    void sendHeader(HWND frame = nullptr);
    // Prev and Next keep the selected property on its screen line when the new record has it.
    void step(bool forward);
    void addResortButton(MainFrame* frame);
    LRESULT offerJump(UINT command, const NMHDR* hold);

    ViewerApp* m_app;
    PropList* m_model;
    HMENU m_resortMenu = nullptr;
};

}  // namespace Orvane
