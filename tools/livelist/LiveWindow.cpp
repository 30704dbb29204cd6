#include "LiveWindow.h"

#include "core/FixedFormat.h"
#include "db/CeDatabase.h"

namespace livelist {

namespace {

// Pixels at the screen's resolution for a length given at 96 dpi.
int scaled(HWND window, int length) {
    HDC dc = ::GetDC(window);
    int dpi = ::GetDeviceCaps(dc, LOGPIXELSY);
    ::ReleaseDC(window, dc);
    return length * (dpi > 0 ? dpi : 96) / 96;
}

}  // namespace

void LiveWindow::present(RecordList* model) {
    m_model = model;
    RECT client;
    GetClientRect(&client);
    int headerHeight = scaled(m_hWnd, 20);
    int buttonHeight = m_model->hasFilter() ? scaled(m_hWnd, 26) : 0;
    m_header = ::CreateWindowExW(0, u"STATIC", u"", WS_CHILD | WS_VISIBLE | SS_LEFT, scaled(m_hWnd, 4), 0,
                                 client.right - scaled(m_hWnd, 4), headerHeight, m_hWnd,
                                 reinterpret_cast<HMENU>(c_headerId), nullptr, nullptr);
    RECT listArea{0, headerHeight, client.right, client.bottom - buttonHeight};
    m_list.setModel(m_model);
    m_list.Create(m_hWnd, listArea, nullptr, WS_CHILD | WS_VISIBLE, 0, c_listId);
    if (m_model->hasFilter()) {
        int half = client.right / 2;
        int top = client.bottom - buttonHeight;
        ::CreateWindowExW(0, u"BUTTON", u"Filter", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 0, top, half,
                          buttonHeight, m_hWnd, reinterpret_cast<HMENU>(c_filterId), nullptr, nullptr);
        ::CreateWindowExW(0, u"BUTTON", u"All", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, half, top,
                          client.right - half, buttonHeight, m_hWnd, reinterpret_cast<HMENU>(c_allId), nullptr,
                          nullptr);
    }
    m_model->addObserver(m_hWnd);
    showCounts();
    ShowWindow(SW_SHOW);
    m_list.SetFocus();
}

LRESULT LiveWindow::onDbNotification(UINT, WPARAM, LPARAM notification, BOOL&) {
    Nevo::CeDatabase::dispatchNotification(m_hWnd, reinterpret_cast<CENOTIFICATION*>(notification));
    return 0;
}

// The list window repaints itself; the counts are this window's.
LRESULT LiveWindow::onModelChange(UINT, WPARAM, LPARAM, BOOL&) {
    if (m_model) showCounts();
    return 0;
}

LRESULT LiveWindow::onFilter(WORD, WORD, HWND, BOOL&) {
    m_model->applyFilter();
    m_list.select(0, false, false);
    m_list.SetFocus();
    return 0;
}

LRESULT LiveWindow::onAll(WORD, WORD, HWND, BOOL&) {
    m_model->showAll();
    m_list.select(0, false, false);
    m_list.SetFocus();
    return 0;
}

LRESULT LiveWindow::onDestroy(UINT, WPARAM, LPARAM, BOOL&) {
    if (m_model) m_model->removeObserver(m_hWnd);
    ::PostQuitMessage(0);
    return 0;
}

void LiveWindow::showCounts() {
    WCHAR text[160];
    UINT total = m_model->recordCount();
    if (m_model->isFiltered())
        Nevo::printFixed(text, 160, u"%s: %lu of %lu records", m_model->name().c_str(),
                         static_cast<unsigned long>(m_model->size()), static_cast<unsigned long>(total));
    else
        Nevo::printFixed(text, 160, u"%s: %lu records", m_model->name().c_str(), static_cast<unsigned long>(total));
    ::SetWindowTextW(m_header, text);
}

}  // namespace livelist
