// A list model whose items live elsewhere and are kept, once built, in a ListCacheManager
// that follows insertions and removals. Subclasses build the items (at) and say where they go.
#pragma once

#include "records/ListModel.h"

namespace Nevo {

class ListCacheManager;

class CachedListModel : public ListModel {
public:
    static constexpr UINT c_cacheCapacity = 200;

    ~CachedListModel() override;

    // Loads the items first <= i < end into the cache.
    void cacheItems(UINT first, UINT end) override;
    void removeItem(UINT index) override;
    // Deletes every cached item; the next access builds a fresh cache.
    virtual void killCache();
    void decache(UINT index);

protected:
    CachedListModel() = default;
    // Copies start without a cache.
    CachedListModel(const CachedListModel& other);
    CachedListModel& operator=(const CachedListModel& other);

    // Without a cache the item is deleted at once; observers hear of it either way.
    void insertItem(UINT index, ListItem* item) override;
    void makeCache();
    ListCacheManager* getCache() const { return m_cache; }

private:
    ListCacheManager* m_cache = nullptr;
};

}  // namespace Nevo
