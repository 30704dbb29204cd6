// One slot of a list cache: an owned item under its list index, which is also its hash code,
// and the flag the replacement sweep reads.
#pragma once

#include <windows.h>

#include "core/Hash.h"

namespace Nevo {

class ListItem;

class CacheItem : public Hashable {
public:
    CacheItem() : m_item(nullptr) {}
    // Copies share the item: only one of the two may delete it.
    CacheItem(const CacheItem&) = default;
    CacheItem& operator=(const CacheItem&) = default;

    int32_t getHashCode() const override { return static_cast<int32_t>(m_index); }

    // Set on retrieval, cleared when filled and by the sweep.
    DWORD m_referenced = 0;
    // Null in a free slot.
    ListItem* m_item;
    UINT m_index = 0;
};

}  // namespace Nevo
