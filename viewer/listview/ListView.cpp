#include "listview/ListView.h"

#include "ImageHolder.h"
#include "ImageStore.h"
#include "app/App.h"
#include "app/Theme.h"
#include "records/ListItem.h"
#include "records/ListModel.h"

namespace Orvane {

namespace {

constexpr int c_arrowDown = 2;
constexpr int c_arrowUp = 3;

}  // namespace

void ListView::setModel(Nevo::ListModel* model) {
    if (m_model && m_hWnd) m_model->removeObserver(m_hWnd);
    m_model = model;
    if (m_model && m_hWnd) m_model->addObserver(m_hWnd);
}

void ListView::OnFinalMessage(HWND window) {
    if (m_model) m_model->removeObserver(window);
    m_model = nullptr;
}

LONG ListView::size() const {
    return m_model ? static_cast<LONG>(m_model->size()) : 0;
}

LRESULT ListView::onCreate(UINT, WPARAM, LPARAM, BOOL& handled) {
    if (m_model) m_model->addObserver(m_hWnd);
    handled = FALSE;
    return 0;
}

void ListView::measure(HDC dc) {
    UINT width = 0, height = 0;
    // Rows are drawn in the theme's item font, larger than the device context's own: measured
    // in the smaller one, their last line would be cut off.
    Nevo::Theme* theme = m_app ? m_app->getTheme() : nullptr;
    HFONT itemFont = theme ? theme->getFont(Nevo::FontItem) : nullptr;
    HGDIOBJ previous = itemFont ? SelectObject(dc, itemFont) : nullptr;
    m_model->measureItem(dc, &width, &height);
    if (previous) SelectObject(dc, previous);
    // A row is at least a pixel high: the row arithmetic divides by it.
    m_rowHeight = height > 0 ? static_cast<int>(height) : 1;
    RECT client;
    GetClientRect(&client);
    m_visible = (client.bottom - client.top) / m_rowHeight;
}

LRESULT ListView::onPaint(UINT, WPARAM, LPARAM, BOOL& handled) {
    // The default processing runs afterwards and validates what is left, painted or not.
    handled = FALSE;
    if (!m_model || m_top >= m_model->size() || !m_model->at(m_top)) return 0;
    if (!GetUpdateRect(m_hWnd, nullptr, FALSE)) return 0;
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(m_hWnd, &paint);
    if (m_rowHeight < 0) measure(dc);
    RECT client;
    GetClientRect(&client);
    paintRows(dc, client);
    paintScrollMarks(dc, client);
    EndPaint(m_hWnd, &paint);
    return 0;
}

void ListView::paintRows(HDC dc, const RECT& client) {
    DRAWITEMSTRUCT record{};
    record.CtlType = c_drawType;
    record.itemAction = ODA_DRAWENTIRE;
    record.hwndItem = m_hWnd;
    record.hDC = dc;
    record.itemData = reinterpret_cast<ULONG_PTR>(m_app);
    RECT row{0, 0, client.right, m_rowHeight};
    m_model->cacheItems(m_top, m_top + static_cast<UINT>(m_visible));
    for (UINT index = m_top; index < m_model->size() && row.top < client.bottom; ++index) {
        Nevo::ListItem* item = m_model->at(index);
        if (!item) break;
        // Only the rows the update region reaches.
        if (RectVisible(dc, &row)) {
            record.itemID = index;
            record.itemState = index == m_selected ? ODS_SELECTED : 0;
            record.rcItem = row;
            item->draw(&record);
        }
        OffsetRect(&row, 0, m_rowHeight);
        if (row.bottom > client.bottom) row.bottom = client.bottom;
    }
}

void ListView::paintScrollMarks(HDC dc, const RECT& client) {
    int markSize = m_rowHeight * 4 / 5;
    Nevo::ImageHolder* down = Nevo::ImageStore::g_imageStore.getImage(c_arrowDown, markSize);
    Nevo::ImageHolder* up = Nevo::ImageStore::g_imageStore.getImage(c_arrowUp, markSize);
    if (!down || !up) return;
    int x = client.right * 95 / 100 - m_rowHeight;
    auto showIfReached = [dc, x](Nevo::ImageHolder* image, int y) {
        RECT square{x, y, x + image->getWidth(), y + image->getWidth()};
        if (RectVisible(dc, &square)) image->show(dc, POINT{x, y});
    };
    if (m_top > 0) showIfReached(up, m_rowHeight / 9);
    if (static_cast<LONG>(m_top) + m_visible < size()) showIfReached(down, client.bottom - m_rowHeight * 9 / 10);
}

LRESULT ListView::onSize(UINT, WPARAM, LPARAM sizes, BOOL&) {
    if (m_rowHeight > 0) m_visible = HIWORD(sizes) / m_rowHeight;
    return 0;
}

LRESULT ListView::onModelChange(UINT message, WPARAM index, LPARAM, BOOL&) {
    // The list changed as a whole. Its first parameter is the model, or a number when the
    // model was emptied: it is never taken for a model of its own.
    if (message == Nevo::EventSource::NotifyListChanged)
        Invalidate(TRUE);
    else if (message == Nevo::EventSource::NotifyItemChanged)
        repaintRow(static_cast<UINT>(index));
    else
        repaintFrom(static_cast<UINT>(index));
    return 0;
}

// An item inserted or removed moves every row after it, and may add or take away the mark
// that rows lie below.
void ListView::repaintFrom(UINT index) {
    if (index < m_top || m_rowHeight <= 0) {
        Invalidate(TRUE);
        return;
    }
    RECT client;
    GetClientRect(&client);
    LONG rows = static_cast<LONG>(index - m_top);
    LONG top = rows < m_visible ? rows * m_rowHeight : client.bottom - m_rowHeight;
    RECT below{client.left, top < 0 ? 0 : top, client.right, client.bottom};
    InvalidateRect(&below, TRUE);
}

void ListView::repaintRow(UINT index) {
    if (index < m_top || static_cast<LONG>(index) > static_cast<LONG>(m_top) + m_visible - 1 || m_rowHeight <= 0) return;
    RECT client;
    GetClientRect(&client);
    LONG top = static_cast<LONG>(index - m_top) * m_rowHeight;
    RECT row{client.left, top, client.right, top + m_rowHeight};
    InvalidateRect(&row, TRUE);
}

void ListView::select(UINT index, bool stepMode, bool reportAtEnd) {
    // Past the end first: Right with the selection already past the end still reports.
    if (static_cast<LONG>(index) < 0 || static_cast<LONG>(index) >= size()) {
        if (reportAtEnd) ::PostMessageW(GetParent(), c_leaveList, reinterpret_cast<WPARAM>(m_hWnd), 0);
        return;
    }
    if (index == m_selected) return;
    while (index > 0 && !m_model->at(index)) --index;
    repaintRow(m_selected);
    repaintRow(index);
    m_selected = index;
    keepVisible(stepMode);
}

void ListView::keepVisible(bool stepMode) {
    LONG selected = static_cast<LONG>(m_selected), top = static_cast<LONG>(m_top);
    LONG lastVisible = top + m_visible - 1;
    if (stepMode) {
        // One row of context at the edges.
        if (selected > top || top == 0) {
            if (selected < lastVisible || lastVisible >= size() - 1) return;
            setTop(top + 1);
        } else {
            setTop(top - 1);
        }
        return;
    }
    if (selected >= top && selected <= lastVisible) return;
    if (selected > lastVisible) {
        LONG newTop = selected - m_visible + 1;
        setTop(newTop < size() - 1 ? newTop : size() - 1);
    } else {
        setTop(selected);
    }
}

void ListView::setTop(LONG index) {
    if (index >= size()) index = size() - 1;
    if (index < 0) index = 0;
    if (static_cast<UINT>(index) == m_top) return;
    m_top = static_cast<UINT>(index);
    Invalidate(TRUE);
}

LRESULT ListView::onKeyDown(UINT, WPARAM key, LPARAM, BOOL& handled) {
    switch (key) {
    case VK_RETURN: activate(); break;
    case VK_UP: select(m_selected - 1, true, true); break;
    case VK_DOWN: select(m_selected + 1, true, true); break;
    case VK_LEFT: select(static_cast<UINT>(-1), false, true); break;
    case VK_RIGHT: select(static_cast<UINT>(size()), false, true); break;
    default: handled = FALSE; break;
    }
    return 0;
}

LRESULT ListView::onTap(UINT, WPARAM, LPARAM position, BOOL&) {
    if (m_rowHeight <= 0) return 0;
    int y = static_cast<short>(HIWORD(position));
    LONG index = static_cast<LONG>(m_top) + y / m_rowHeight;
    if (index < 0 || index >= size()) return 0;
    if (static_cast<UINT>(index) != m_selected) {
        select(static_cast<UINT>(index), false, false);
        edgeScroll(y);
    } else {
        edgeScroll(y);
        activate();
    }
    return 0;
}

void ListView::edgeScroll(int y) {
    RECT client;
    GetClientRect(&client);
    LONG top = static_cast<LONG>(m_top);
    if (y <= m_rowHeight)
        setTop(top - 1);
    else if (y >= (m_visible - 1) * m_rowHeight && y < client.bottom - m_rowHeight)
        setTop(top + 1);
}

void ListView::activate() {
    ::PostMessageW(GetParent(), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(m_hWnd), LBN_DBLCLK),
                   reinterpret_cast<LPARAM>(m_hWnd));
}

LRESULT ListView::onScroll(UINT, WPARAM code, LPARAM, BOOL& handled) {
    LONG top = static_cast<LONG>(m_top);
    LONG newTop;
    switch (LOWORD(code)) {
    case SB_PAGEUP: newTop = top - m_visible + 1; break;
    case SB_PAGEDOWN:
        newTop = top + m_visible - 1;
        if (newTop >= size() - m_visible) newTop = size() - m_visible;
        break;
    case SB_TOP: newTop = 0; break;
    case SB_BOTTOM: newTop = size() - m_visible; break;
    default: handled = FALSE; return 0;
    }
    setTop(newTop);
    select(m_top, false, false);
    return 0;
}

}  // namespace Orvane
