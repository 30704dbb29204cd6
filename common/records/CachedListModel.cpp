// CachedListModel: the cache's lifetime and its share of insertions and removals.
#include "records/CachedListModel.h"

#include "records/ListCacheManager.h"
#include "records/ListItem.h"

namespace Nevo {

CachedListModel::~CachedListModel() {
    CachedListModel::killCache();
}

CachedListModel::CachedListModel(const CachedListModel& other) : ListModel(other) {}

CachedListModel& CachedListModel::operator=(const CachedListModel& other) {
    if (this != &other) {
        ListModel::operator=(other);
        CachedListModel::killCache();
    }
    return *this;
}

void CachedListModel::cacheItems(UINT first, UINT end) {
    for (UINT i = first; i < end; ++i) at(i);
}

void CachedListModel::removeItem(UINT index) {
    if (m_cache) m_cache->removeItem(index);
    ListModel::removeItem(index);
}

void CachedListModel::insertItem(UINT index, ListItem* item) {
    if (m_cache) m_cache->insertItem(index, item);
    else delete item;
    ListModel::insertItem(index, item);
}

void CachedListModel::killCache() {
    delete m_cache;
    m_cache = nullptr;
}

void CachedListModel::makeCache() {
    if (!m_cache) m_cache = new ListCacheManager(c_cacheCapacity);
}

void CachedListModel::decache(UINT index) {
    if (m_cache) m_cache->decache(index);
}

}  // namespace Nevo
