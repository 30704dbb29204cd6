// CDynamicChain: the run-time table of maps a message may be chained to.
#include "atl/CDynamicChain.h"

CDynamicChain::Entry* CDynamicChain::find(DWORD chainId) {
    for (Entry& entry : m_entries)
        if (entry.chainId == chainId) return &entry;
    return nullptr;
}

BOOL CDynamicChain::SetChainEntry(DWORD dwChainID, CMessageMap* pObject, DWORD dwMsgMapID) {
    if (!pObject) return FALSE;
    if (Entry* entry = find(dwChainID))
        *entry = Entry{dwChainID, pObject, dwMsgMapID};
    else
        m_entries.push_back(Entry{dwChainID, pObject, dwMsgMapID});
    return TRUE;
}

BOOL CDynamicChain::RemoveChainEntry(DWORD dwChainID) {
    Entry* entry = find(dwChainID);
    if (!entry) return FALSE;
    m_entries.erase(m_entries.begin() + (entry - m_entries.data()));
    return TRUE;
}

BOOL CDynamicChain::CallChain(DWORD dwChainID, HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lResult) {
    Entry* entry = find(dwChainID);
    return entry && entry->object->ProcessWindowMessage(hWnd, uMsg, wParam, lParam, lResult, entry->msgMapId);
}
