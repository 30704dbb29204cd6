// An opened volume and the databases this process holds open on it. Every call starts by
// refreshing the store, which is where another process's changes are noticed.
#pragma once

#include <memory>
#include <unordered_map>
#include <unordered_set>

#include "Database.h"
#include "OpenMarks.h"
#include "Volume.h"

namespace ce::objstore {

class Store {
public:
    Store(std::unique_ptr<Volume> volume, std::shared_ptr<OpenMarks> openMarks)
        : m_volume(std::move(volume)), m_openMarks(std::move(openMarks)) {}

    Volume& volume() { return *m_volume; }
    OpenMarks& openMarks() { return *m_openMarks; }
    // Resyncs the open databases when another process changed the file. False when the
    // volume could not be read (last error set).
    bool refresh();
    // The shared in-memory state of a database, loaded on first use and kept (with its
    // indexes) for later opens; null when there is no such database.
    std::shared_ptr<Database> openDatabase(CEOID oid);
    bool isOpen(CEOID oid) const;
    // Drops the state of a database this process deleted.
    void forget(CEOID oid) { m_databases.erase(oid); }
    // False once another process deleted the database.
    bool isLive(const Database& database) const { return !m_gone.count(database.oid()); }

private:
    std::unique_ptr<Volume> m_volume;
    std::shared_ptr<OpenMarks> m_openMarks;
    std::unordered_map<CEOID, std::shared_ptr<Database>> m_databases;
    std::unordered_set<CEOID> m_gone;
};

// The store of the current volume, opened (and created) on first use; null with the last
// error and the volume error set when the volume is refused.
std::shared_ptr<Store> currentStore();

}  // namespace ce::objstore
