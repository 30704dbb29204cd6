// An opened volume and the databases this process holds open on it. Every call starts by
// refreshing the store, which is where another process's changes are noticed.
#pragma once

#include <cstdint>
#include <memory>
#include <unordered_map>
#include <unordered_set>

#include "Database.h"
#include "OpenMarks.h"
#include "Volume.h"
#include "VolumeWatch.h"

namespace ce::objstore {

class Store {
public:
    Store(std::unique_ptr<Volume> volume, std::shared_ptr<OpenMarks> openMarks);
    ~Store();
    Store(const Store&) = delete;
    Store& operator=(const Store&) = delete;

    Volume& volume() { return *m_volume; }
    OpenMarks& openMarks() { return *m_openMarks; }
    // Brings the databases this process holds up to date when another process changed the
    // file: from the change log, telling their handles, or by rereading. False when the
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

    // A handle with a notification request opened or closed: while any is open the volume
    // is watched, so that a program waiting for messages hears of other processes' changes.
    void requestOpened();
    void requestClosed();

private:
    bool followLog();
    bool resyncDatabases();

    std::unique_ptr<Volume> m_volume;
    std::shared_ptr<OpenMarks> m_openMarks;
    std::unordered_map<CEOID, std::shared_ptr<Database>> m_databases;
    std::unordered_set<CEOID> m_gone;
    std::int64_t m_lastSeq = 0;  // the last change log entry seen
    int m_requests = 0;
    std::unique_ptr<VolumeWatch> m_watch;
};

// The store of the current volume, opened (and created) on first use; null with the last
// error and the volume error set when the volume is refused.
std::shared_ptr<Store> currentStore();

}  // namespace ce::objstore
