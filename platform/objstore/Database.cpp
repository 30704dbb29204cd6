// In-memory state of an open database, kept in step with the volume.
#include "Database.h"

#include "DbHandle.h"
#include "Notifications.h"

namespace ce::objstore {

Database::Database(Volume& volume, const DatabaseRow& row)
    : m_volume(volume), m_oid(row.oid), m_sortOrders(row.sortOrders), m_changeCount(row.changeCount) {}

std::optional<KeyOrder> Database::orderFor(CEPROPID propid) const {
    if (propid == 0) return KeyOrder();
    for (const SORTORDERSPEC& order : m_sortOrders)
        if (order.propid == propid) return KeyOrder(order);
    return std::nullopt;
}

OrderIndex* Database::index(const KeyOrder& order) {
    for (auto& index : m_indexes)
        if (index->order().propid() == order.propid()) return index.get();
    auto index = std::make_unique<OrderIndex>(order);
    std::vector<SortKey> keys;
    bool ok = m_volume.forEachRecord(
        m_oid, [&](CEOID oid, const Record& record) { keys.push_back(order.keyOf(oid, record)); });
    if (!ok) return nullptr;
    index->build(std::move(keys));
    m_indexes.push_back(std::move(index));
    return m_indexes.back().get();
}

void Database::resync(const DatabaseRow& row) {
    if (row.changeCount == m_changeCount) return;
    m_changeCount = row.changeCount;
    m_indexes.clear();
}

void Database::recordWritten(CEOID oid, const Record& record, bool created, const DbHandle* writer) {
    ++m_changeCount;
    for (auto& index : m_indexes) index->insert(index->order().keyOf(oid, record));
    notify(created ? DB_CEOID_CREATED : DB_CEOID_CHANGED, oid, writer);
}

void Database::recordDeleted(CEOID oid, const DbHandle* writer) {
    ++m_changeCount;
    for (auto& index : m_indexes) index->erase(oid);
    notify(DB_CEOID_RECORD_DELETED, oid, writer);
}

void Database::detach(DbHandle* handle) {
    std::erase(m_handles, handle);
}

void Database::notify(UINT type, CEOID record, const DbHandle* writer) const {
    for (const DbHandle* handle : m_handles)
        if (handle != writer && handle->request()) postNotification(*handle->request(), type, record, m_oid);
}

}  // namespace ce::objstore
