// The items a list model has built, by list index: indices 0-31 in a fixed array that
// replacement never touches, the others in a fixed number of slots found through a hash
// table and replaced at random with a second chance. The cache owns its items.
#pragma once

#include <windows.h>

#include <cstdint>

#include "records/CacheItem.h"

namespace Nevo {

class Hash;
class ListItem;

class ListCacheManager {
public:
    static constexpr UINT c_bottomSize = 32;
    using ItemMatcher = bool (*)(const ListItem* item, const void* context);
    // The index an item now belongs at; ListModel::c_noIndex when it is to go.
    using ItemPlacer = UINT (*)(const ListItem* item, void* context);

    // At least two slots, so that a victim other than the last one always exists.
    explicit ListCacheManager(UINT capacity);
    ~ListCacheManager();
    ListCacheManager(const ListCacheManager&) = delete;
    ListCacheManager& operator=(const ListCacheManager&) = delete;

    // Takes the item; an item already cached at the index is deleted (so is it for a null item).
    void cacheItem(UINT index, ListItem* item);
    // Null when nothing is cached there; a slot hit earns the item a second chance.
    ListItem* retrieveItem(UINT index);
    // Deletes the item at the index, then moves every item above it down by one.
    void removeItem(UINT index);
    // Moves every item at or above the index up by one, then caches the item there.
    void insertItem(UINT index, ListItem* item);
    // Deletes the item at the index; no other item moves.
    void decache(UINT index);
    // The index of the first cached item the matcher accepts; ListModel::c_noIndex if none.
    UINT findIndex(ItemMatcher matcher, const void* context) const;
    // Moves every item to the index the placer gives it, deleting those it rejects.
    void replaceAll(ItemPlacer placer, void* context);

    UINT getCapacity() const { return m_capacity; }

private:
    CacheItem* at(UINT index) const;
    int findFree() const;
    int bump();
    void fillSlot(int slot, UINT index, ListItem* item);
    void freeSlot(CacheItem* entry);
    void adjustIndices(int64_t after, int delta);
    void adjustBottomIndices(int64_t after, int delta);

    int m_lastVictim = -1;
    Hash* m_table = nullptr;
    CacheItem* m_slots = nullptr;
    UINT m_capacity;
    ListItem* m_bottom[c_bottomSize] = {};
};

}  // namespace Nevo
