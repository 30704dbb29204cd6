// CMessageLoop: GetMessage and dispatch, with the filters before and the idle work between.
#include "atl/CMessageLoop.h"

#include <algorithm>

namespace {

template <class T>
BOOL addOnce(std::vector<T*>& list, T* item) {
    if (!item || std::find(list.begin(), list.end(), item) != list.end()) return FALSE;
    list.push_back(item);
    return TRUE;
}

template <class T>
BOOL removeFrom(std::vector<T*>& list, T* item) {
    auto found = std::find(list.begin(), list.end(), item);
    if (found == list.end()) return FALSE;
    list.erase(found);
    return TRUE;
}

const UINT c_caretBlinkTimer = 0x0118;

}  // namespace

BOOL CMessageLoop::AddMessageFilter(CMessageFilter* pMessageFilter) { return addOnce(m_filters, pMessageFilter); }
BOOL CMessageLoop::RemoveMessageFilter(CMessageFilter* pMessageFilter) { return removeFrom(m_filters, pMessageFilter); }
BOOL CMessageLoop::AddIdleHandler(CIdleHandler* pIdleHandler) { return addOnce(m_idleHandlers, pIdleHandler); }
BOOL CMessageLoop::RemoveIdleHandler(CIdleHandler* pIdleHandler) { return removeFrom(m_idleHandlers, pIdleHandler); }

BOOL CMessageLoop::IsIdleMessage(const MSG* pMsg) {
    return pMsg->message != WM_MOUSEMOVE && pMsg->message != WM_PAINT && pMsg->message != c_caretBlinkTimer;
}

int CMessageLoop::Run() {
    bool doIdle = true;
    int idleCount = 0;
    for (;;) {
        while (doIdle && !::PeekMessageW(&m_msg, nullptr, 0, 0, PM_NOREMOVE))
            if (!OnIdle(idleCount++)) doIdle = false;
        BOOL got = ::GetMessageW(&m_msg, nullptr, 0, 0);
        if (got == -1) continue;
        if (!got) break;
        if (!PreTranslateMessage(&m_msg)) {
            ::TranslateMessage(&m_msg);
            ::DispatchMessageW(&m_msg);
        }
        if (IsIdleMessage(&m_msg)) {
            doIdle = true;
            idleCount = 0;
        }
    }
    return static_cast<int>(m_msg.wParam);
}

// A copy, since a filter may remove itself or add another while it looks.
BOOL CMessageLoop::PreTranslateMessage(MSG* pMsg) {
    std::vector<CMessageFilter*> filters = m_filters;
    for (auto filter = filters.rbegin(); filter != filters.rend(); ++filter)
        if ((*filter)->PreTranslateMessage(pMsg)) return TRUE;
    return FALSE;
}

BOOL CMessageLoop::OnIdle(int) {
    std::vector<CIdleHandler*> handlers = m_idleHandlers;
    for (CIdleHandler* handler : handlers) handler->OnIdle();
    return FALSE;
}
