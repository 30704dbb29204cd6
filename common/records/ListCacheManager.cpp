// The list cache: bottom array, hashed slots, randomised second-chance replacement, and the
// re-keying that keeps cached indices in step with insertions and removals.
#include "records/ListCacheManager.h"

#include <vector>

#include "core/Hash.h"
#include "records/ListItem.h"
#include "records/ListModel.h"

namespace Nevo {

namespace {

constexpr UINT c_minimumCapacity = 2;

}  // namespace

ListCacheManager::ListCacheManager(UINT capacity)
    : m_capacity(capacity < c_minimumCapacity ? c_minimumCapacity : capacity) {}

ListCacheManager::~ListCacheManager() {
    for (ListItem* item : m_bottom) delete item;
    if (m_slots) {
        for (UINT i = 0; i < m_capacity; ++i) delete m_slots[i].m_item;
    }
    delete[] m_slots;
    delete m_table;
}

CacheItem* ListCacheManager::at(UINT index) const {
    return m_table ? static_cast<CacheItem*>(m_table->get(static_cast<int32_t>(index))) : nullptr;
}

void ListCacheManager::cacheItem(UINT index, ListItem* item) {
    if (!item) return decache(index);
    if (index < c_bottomSize) {
        if (m_bottom[index] != item) delete m_bottom[index];
        m_bottom[index] = item;
        return;
    }
    if (!m_slots) {
        m_slots = new CacheItem[m_capacity];
        m_table = new Hash(m_capacity * 10 / 8, 0);
    }
    if (CacheItem* entry = at(index)) {
        // One entry per index: a second one would hide the first from every lookup.
        if (entry->m_item != item) delete entry->m_item;
        entry->m_item = item;
        entry->m_referenced = 0;
        return;
    }
    int slot = findFree();
    if (slot < 0) slot = bump();
    fillSlot(slot, index, item);
}

void ListCacheManager::fillSlot(int slot, UINT index, ListItem* item) {
    CacheItem& entry = m_slots[slot];
    entry.m_referenced = 0;
    entry.m_item = item;
    entry.m_index = index;
    m_table->add(&entry);
}

void ListCacheManager::freeSlot(CacheItem* entry) {
    m_table->remove(entry);
    entry->m_item = nullptr;
}

int ListCacheManager::findFree() const {
    UINT start = Random() % m_capacity;
    UINT i = start;
    do {
        if (!m_slots[i].m_item) return static_cast<int>(i);
        i = (i + 1) % m_capacity;
    } while (i != start);
    return -1;
}

// Every slot is full: skip the last victim and every slot retrieved since the last sweep;
// a full circle clears the flags once, after which some slot other than the last victim
// is free to go (there are at least two).
int ListCacheManager::bump() {
    UINT start = Random() % m_capacity;
    UINT i = start;
    bool swept = false;
    while (static_cast<int>(i) == m_lastVictim || m_slots[i].m_referenced) {
        i = (i + 1) % m_capacity;
        if (i == start && !swept) {
            for (UINT k = 0; k < m_capacity; ++k) m_slots[k].m_referenced = 0;
            swept = true;
        }
    }
    m_lastVictim = static_cast<int>(i);
    delete m_slots[i].m_item;
    freeSlot(&m_slots[i]);
    return static_cast<int>(i);
}

ListItem* ListCacheManager::retrieveItem(UINT index) {
    if (index < c_bottomSize) return m_bottom[index];
    CacheItem* entry = at(index);
    if (!entry) return nullptr;
    entry->m_referenced = 1;
    return entry->m_item;
}

void ListCacheManager::decache(UINT index) {
    if (index < c_bottomSize) {
        delete m_bottom[index];
        m_bottom[index] = nullptr;
    } else if (CacheItem* entry = at(index)) {
        delete entry->m_item;
        freeSlot(entry);
    }
}

void ListCacheManager::removeItem(UINT index) {
    decache(index);
    adjustBottomIndices(index, -1);
    adjustIndices(index, -1);
}

void ListCacheManager::insertItem(UINT index, ListItem* item) {
    int64_t after = static_cast<int64_t>(index) - 1;
    adjustIndices(after, +1);
    adjustBottomIndices(after, +1);
    cacheItem(index, item);
}

UINT ListCacheManager::findIndex(ItemMatcher matcher, const void* context) const {
    for (UINT i = 0; i < c_bottomSize; ++i) {
        if (m_bottom[i] && matcher(m_bottom[i], context)) return i;
    }
    if (!m_slots) return ListModel::c_noIndex;
    UINT best = ListModel::c_noIndex;
    for (UINT i = 0; i < m_capacity; ++i) {
        const CacheItem& entry = m_slots[i];
        if (entry.m_item && entry.m_index < best && matcher(entry.m_item, context)) best = entry.m_index;
    }
    return best;
}

void ListCacheManager::replaceAll(ItemPlacer placer, void* context) {
    std::vector<ListItem*> items;
    for (ListItem*& item : m_bottom) {
        if (item) items.push_back(item);
        item = nullptr;
    }
    if (m_slots) {
        for (UINT i = 0; i < m_capacity; ++i) {
            if (!m_slots[i].m_item) continue;
            items.push_back(m_slots[i].m_item);
            freeSlot(&m_slots[i]);
        }
    }
    // No more items than slots and bottom places: nothing is replaced on the way back in.
    for (ListItem* item : items) {
        UINT index = placer(item, context);
        if (index == ListModel::c_noIndex) delete item;
        else cacheItem(index, item);
    }
}

// The slots above `after` move by delta; for -1 the entry at 32 drops into the bottom array,
// whose top place adjustBottomIndices has emptied first. An index at the very top of the
// 32-bit range has nowhere to go up to and is dropped.
void ListCacheManager::adjustIndices(int64_t after, int delta) {
    if (!m_slots) return;
    for (UINT i = 0; i < m_capacity; ++i) {
        CacheItem& entry = m_slots[i];
        if (!entry.m_item || static_cast<int64_t>(entry.m_index) <= after) continue;
        m_table->remove(&entry);
        if (delta < 0 && entry.m_index == c_bottomSize) {
            m_bottom[c_bottomSize - 1] = entry.m_item;
            entry.m_item = nullptr;
        } else if (delta > 0 && entry.m_index == ListModel::c_noIndex - 1) {
            delete entry.m_item;
            entry.m_item = nullptr;
        } else {
            entry.m_index += delta;
            m_table->add(&entry);
        }
    }
}

void ListCacheManager::adjustBottomIndices(int64_t after, int delta) {
    constexpr int64_t top = c_bottomSize - 1;
    if (after >= top) return;
    UINT first = static_cast<UINT>(after + 1);
    if (delta < 0) {
        for (UINT i = first; i <= top; ++i) m_bottom[i - 1] = m_bottom[i];
        m_bottom[top] = nullptr;
        return;
    }
    ListItem* leaving = m_bottom[top];
    for (UINT i = top; i > first; --i) m_bottom[i] = m_bottom[i - 1];
    m_bottom[first] = nullptr;
    if (leaving) cacheItem(c_bottomSize, leaving);
}

}  // namespace Nevo
