// In-memory state of an open database, kept in step with the volume.
#include "Database.h"

#include <algorithm>

#include "ceobjstore.h"
#include "DbHandle.h"
#include "Notifications.h"
#include "SavedIndex.h"

namespace ce::objstore {

namespace {

constexpr std::uint64_t c_mostReserved = 1u << 20;

bool& savedIndexesUsed() {
    static bool used = true;
    return used;
}

}  // namespace

void setSavedIndexesUsed(bool used) {
    savedIndexesUsed() = used;
}

Database::Database(Volume& volume, const DatabaseRow& row)
    : m_volume(volume), m_oid(row.oid), m_sortOrders(row.sortOrders), m_changeCount(row.changeCount),
      m_recordCount(row.recordCount) {}

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
    SORTORDERSPEC sortOrder{order.propid(), order.flags()};
    // A saved index is for the records as they were at its change count; one whose own
    // changes this process holds ahead of another's is not known to match any count.
    bool saving = savedIndexesUsed() && m_heldAhead.empty();
    bool loaded = saving && m_recordCount >= savedindex::c_savedFrom &&
                  m_volume.readSavedIndex(m_oid, sortOrder, m_changeCount,
                                          [&](const Volume::SavedReader& read, std::uint64_t size) {
                                              return savedindex::decode(read, size, m_recordCount, *index);
                                          }) &&
                  index->size() == m_recordCount;
    if (!loaded) {
        // Room for the records the row counts, within reason: the row may be out of date, or lie.
        index->startBuild(static_cast<size_t>(std::min<std::uint64_t>(m_recordCount, c_mostReserved)));
        bool ok = m_volume.forEachRecord(
            m_oid, [&](CEOID oid, const Record& record) { index->add(viewOf(order.keyOf(oid, record))); });
        if (!ok) return nullptr;
        // The records come in rising OID order, so no OID can come twice.
        index->finishBuild();
        if (saving && index->size() >= savedindex::c_savedFrom)
            m_volume.saveIndex(m_oid, sortOrder, m_changeCount, savedindex::encode(*index));
    }
    m_indexes.push_back(std::move(index));
    return m_indexes.back().get();
}

bool Database::applyLogged(const LoggedChange& change) {
    if (change.changeCount <= m_changeCount || m_heldAhead.count(change.changeCount)) return true;
    if (change.changeCount != m_changeCount + 1) return true;
    if (!m_indexes.empty()) {
        // The record as it is now, whatever the entry says: a record changed again or deleted
        // since is placed by its latest state, and a damaged log cannot bend the indexes.
        CEOID parent = 0;
        auto record = m_volume.record(change.record, &parent);
        if (!record && m_volume.lastQueryFailed()) return false;
        for (auto& index : m_indexes) {
            if (record && parent == m_oid)
                index->insert(index->order().keyOf(change.record, *record));
            else
                index->erase(change.record);
        }
    }
    counted(change.changeCount);
    notify(change.kind, change.record, nullptr);
    return true;
}

void Database::resync(const DatabaseRow& row) {
    m_recordCount = row.recordCount;
    if (row.changeCount == m_changeCount) return;
    m_changeCount = row.changeCount;
    m_heldAhead.clear();
    m_indexes.clear();
}

void Database::recordWritten(CEOID oid, const Record& record, bool created, const DbHandle* writer,
                             std::uint64_t changeCount) {
    counted(changeCount);
    for (auto& index : m_indexes) index->insert(index->order().keyOf(oid, record));
    notify(created ? DB_CEOID_CREATED : DB_CEOID_CHANGED, oid, writer);
}

void Database::recordDeleted(CEOID oid, const DbHandle* writer, std::uint64_t changeCount) {
    counted(changeCount);
    for (auto& index : m_indexes) index->erase(oid);
    notify(DB_CEOID_RECORD_DELETED, oid, writer);
}

// Another process may commit between this process's last look and its own write: the own
// change is then held ahead until the log has brought the other one.
void Database::counted(std::uint64_t changeCount) {
    if (changeCount != m_changeCount + 1) {
        if (changeCount > m_changeCount) m_heldAhead.insert(changeCount);
        return;
    }
    m_changeCount = changeCount;
    while (m_heldAhead.erase(m_changeCount + 1)) ++m_changeCount;
}

void Database::detach(DbHandle* handle) {
    std::erase(m_handles, handle);
}

void Database::notify(UINT type, CEOID record, const DbHandle* writer) const {
    for (const DbHandle* handle : m_handles)
        if (handle != writer && handle->request()) postNotification(*handle->request(), type, record, m_oid);
}

}  // namespace ce::objstore
