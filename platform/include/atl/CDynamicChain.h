// CDynamicChain: a table, filled at run time, of objects whose maps may take a message;
// CHAIN_MSG_MAP_DYNAMIC(id) in a map calls entry id.
#pragma once

#include <vector>

#include "atl/MessageMap.h"

class CDynamicChain {
public:
    // Replaces an entry already under the id.
    BOOL SetChainEntry(DWORD dwChainID, CMessageMap* pObject, DWORD dwMsgMapID = 0);
    BOOL RemoveChainEntry(DWORD dwChainID);
    // FALSE when there is no such entry or its map does not take the message.
    BOOL CallChain(DWORD dwChainID, HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lResult);

private:
    struct Entry {
        DWORD chainId;
        CMessageMap* object;
        DWORD msgMapId;
    };
    Entry* find(DWORD chainId);

    std::vector<Entry> m_entries;
};
