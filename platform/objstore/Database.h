// One database as this process holds it while handles have it open: its sort orders, an
// order index per sort order in use (shared by the handles that walk it), and the handles
// to tell of changes.
#pragma once

#include <memory>
#include <optional>
#include <set>
#include <vector>

#include "OrderIndex.h"
#include "Volume.h"

namespace ce::objstore {

class DbHandle;

class Database {
public:
    Database(Volume& volume, const DatabaseRow& row);

    CEOID oid() const { return m_oid; }
    // The key order a handle opened with this sort property walks; nothing when the
    // database has no sort order on it. Property id 0 is creation order.
    std::optional<KeyOrder> orderFor(CEPROPID propid) const;
    // The shared index of an order, built from the volume on first use (null on a read
    // failure, with the last error set).
    OrderIndex* index(const KeyOrder& order);

    // Applies another process's logged change that follows the changes held here: the
    // indexes take the record as the volume has it now, and the handles are told. A change
    // held already (this process's own) is skipped; one after a gap is left to resync.
    // False when the record could not be read (last error set).
    bool applyLogged(const LoggedChange& change);
    // Called when another process changed the volume, after the log was applied: when the
    // row's change count still differs, changes were missed, and the indexes are dropped to
    // be rebuilt on next use.
    void resync(const DatabaseRow& row);

    // Keeps the indexes in step with a change this process made (the database's change count
    // after it is `changeCount`), and tells the other handles (never the writer).
    void recordWritten(CEOID oid, const Record& record, bool created, const DbHandle* writer,
                       std::uint64_t changeCount);
    void recordDeleted(CEOID oid, const DbHandle* writer, std::uint64_t changeCount);

    void attach(DbHandle* handle) { m_handles.push_back(handle); }
    void detach(DbHandle* handle);
    bool hasHandles() const { return !m_handles.empty(); }

private:
    void notify(UINT type, CEOID record, const DbHandle* writer) const;
    void counted(std::uint64_t changeCount);

    Volume& m_volume;
    CEOID m_oid;
    std::vector<SORTORDERSPEC> m_sortOrders;
    // The changes held: every one up to m_changeCount, and this process's own that came
    // after a change of another process it has not applied yet.
    std::uint64_t m_changeCount;
    std::uint64_t m_recordCount;  // as the row said when last read
    std::set<std::uint64_t> m_heldAhead;
    std::vector<std::unique_ptr<OrderIndex>> m_indexes;
    std::vector<DbHandle*> m_handles;
};

}  // namespace ce::objstore
