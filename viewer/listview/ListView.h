// The owner-drawn list every card shows: one selected row, scrolling by rows and pages,
// rows painted by their items, scroll marks when rows lie above or below. It observes its
// model and tells its parent when a row is activated or the selection tries to leave.
#pragma once

#include <windows.h>

#include "atl/atlwin.h"

namespace Nevo {
class App;
class ListModel;
}  // namespace Nevo

namespace Orvane {

class ListView : public CWindowImpl<ListView> {
public:
    // Posted to the parent when a key moves the selection off either end, or Left or Right
    // is pressed: wParam the control's window, lParam 0.
    static constexpr UINT c_leaveList = WM_APP + 4;
    // The owner-draw record's control type for this list.
    static constexpr UINT c_drawType = 102;

    explicit ListView(Nevo::App* app = nullptr) : m_app(app) {}
    ListView(const ListView&) = delete;
    ListView& operator=(const ListView&) = delete;

    DECLARE_WND_CLASS_EX(u"OrvaneListView", CS_HREDRAW | CS_VREDRAW, COLOR_WINDOW)

    // Keys and page scrolling also come through the card's own map, from the main frame.
    BEGIN_MSG_MAP(ListView)
        MESSAGE_HANDLER(WM_PAINT, onPaint)
        MESSAGE_HANDLER(WM_CREATE, onCreate)
        MESSAGE_HANDLER(WM_KEYDOWN, onKeyDown)
        MESSAGE_HANDLER(WM_LBUTTONDOWN, onTap)
        MESSAGE_HANDLER(WM_SIZE, onSize)
        MESSAGE_HANDLER(WM_VSCROLL, onScroll)
        MESSAGE_RANGE_HANDLER(WM_APP, WM_APP + 3, onModelChange)
    ALT_MSG_MAP(1)
        // What a card passes on from the main frame.
        MESSAGE_HANDLER(WM_KEYDOWN, onKeyDown)
        MESSAGE_HANDLER(WM_VSCROLL, onScroll)
    END_MSG_MAP()

    // Given before the first paint: its theme colours the rows.
    void setApp(Nevo::App* app) { m_app = app; }
    // Not owned. The window observes it from its creation until it is finally destroyed.
    void setModel(Nevo::ListModel* model);
    Nevo::ListModel* getModel() const { return m_model; }
    UINT getSelection() const { return m_selected; }
    UINT getTopIndex() const { return m_top; }
    int getVisibleRows() const { return m_visible; }
    // -1 until the first paint measures it.
    int getRowHeight() const { return m_rowHeight; }

    // A selection at or past the end selects nothing; `stepMode` keeps a row of context when
    // the selection nears an edge, `reportAtEnd` tells the parent of a move off the list.
    void select(UINT index, bool stepMode, bool reportAtEnd);
    void setTop(LONG index);

    void OnFinalMessage(HWND) override;

private:
    LRESULT onPaint(UINT, WPARAM, LPARAM, BOOL& handled);
    LRESULT onCreate(UINT, WPARAM, LPARAM, BOOL& handled);
    LRESULT onKeyDown(UINT, WPARAM key, LPARAM, BOOL& handled);
    LRESULT onTap(UINT, WPARAM, LPARAM position, BOOL& handled);
    LRESULT onSize(UINT, WPARAM, LPARAM size, BOOL& handled);
    LRESULT onScroll(UINT, WPARAM code, LPARAM, BOOL& handled);
    LRESULT onModelChange(UINT message, WPARAM index, LPARAM, BOOL& handled);

    void measure(HDC dc);
    void paintRows(HDC dc, const RECT& client);
    void paintScrollMarks(HDC dc, const RECT& client);
    void keepVisible(bool stepMode);
    void edgeScroll(int y);
    void activate();
    void repaintRow(UINT index);
    void repaintFrom(UINT index);
    LONG size() const;

    Nevo::App* m_app;
    Nevo::ListModel* m_model = nullptr;
    UINT m_selected = 0;
    UINT m_top = 0;
    int m_visible = 0;
    int m_rowHeight = -1;
};

}  // namespace Orvane
