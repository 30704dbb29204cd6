// The volume file: one SQLite database holding the object store's databases and records.
// Opening checks a file before anything writes to it; every change runs in a transaction
// that the caller commits.
#pragma once

#include <sqlite3.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "Record.h"
#include "Statement.h"

namespace ce::objstore {

// Sets the last error and the one-line reason lastVolumeError() reports.
void setVolumeError(DWORD code, const std::string& message);
void clearVolumeError();
// The last-error code and the one-line reason for an SQLite result: a volume that another
// process holds locked, or that cannot be written, says so rather than looking damaged.
DWORD errorFromSqlite(int rc);
std::string reasonFromSqlite(sqlite3* db, int rc);

struct DatabaseRow {
    CEOID oid = 0;
    std::u16string name;
    DWORD type = 0;
    std::vector<SORTORDERSPEC> sortOrders;
    std::uint64_t recordCount = 0;
    std::uint64_t size = 0;
    std::uint64_t modified = 0;     // UTC FILETIME
    std::uint64_t changeCount = 0;  // grows with every change to the database or its records
};

class Volume {
public:
    // Opens the file, creating an empty volume when it does not exist (`created` then
    // becomes true). Null, with the volume error set, when the file is refused.
    static std::unique_ptr<Volume> open(const std::string& path, bool& created);
    ~Volume();
    Volume(const Volume&) = delete;
    Volume& operator=(const Volume&) = delete;

    const std::string& path() const { return m_path; }
    // Whether another connection committed a change since the last time it was asked;
    // false when the file could not be asked (volume error set).
    bool changedElsewhere(bool& changed);
    // Whether the last query failed, as opposed to finding nothing: the file could not be
    // read, or what it holds is damaged (ERROR_INVALID_DATA, the volume error naming it).
    bool lastQueryFailed() const { return m_queryFailed; }

    // Every row read is checked against the store's limits first: a row the store could not
    // have written is damaged data, reported and never used.
    std::optional<DatabaseRow> database(CEOID oid);
    CEOID databaseNamed(std::u16string_view name);
    // The first database after `after` in creation order, of `type` unless it is 0.
    CEOID nextDatabase(CEOID after, DWORD type);
    // A record and the database it belongs to; nothing when there is no such record.
    std::optional<Record> record(CEOID oid, CEOID* database);
    bool forEachRecord(CEOID database, const std::function<void(CEOID, const Record&)>& visit);

    // Changes. Each runs inside a transaction begun with begin() and made durable by commit().
    // Failures set the last error and the volume error.
    bool begin();
    bool commit();
    void rollback();
    // A batch groups the changes made until endBatch into one transaction, so that a bulk
    // load syncs the disk once instead of once a change; each change is then a savepoint
    // that its own failure rolls back.
    bool beginBatch();
    bool endBatch();
    CEOID insertDatabase(const DatabaseRow& row);
    bool removeDatabase(CEOID oid);
    CEOID insertRecord(CEOID database, const Record& record);
    bool updateRecord(CEOID oid, const Record& record);
    bool removeRecord(CEOID oid);
    // Adds to a database's record count and size, stamps its modification time and counts
    // the change.
    bool touchDatabase(CEOID oid, std::int64_t records, std::int64_t bytes);

private:
    Volume(std::string path, sqlite3* db);
    StatementUse statement(const char* sql);
    CEOID allocateOid();
    bool fail(int rc, const char* what);
    bool damaged(const std::string& what);
    std::optional<Record> decodedRecord(std::int64_t oid, std::int64_t database, std::span<const BYTE> bytes);

    std::string m_path;
    bool m_batch = false;
    sqlite3* m_db;
    std::unordered_map<const char*, std::unique_ptr<Statement>> m_statements;
    std::int64_t m_dataVersion = -1;
    bool m_queryFailed = false;
};

// The volume file's layout and the checks that refuse a foreign or damaged file.
namespace volumefile {
constexpr std::int32_t c_applicationId = 0x4F52564E;  // "ORVN"
constexpr std::int32_t c_schemaVersion = 1;
// How long a connection waits for another process's lock before giving up.
constexpr int c_lockWaitMilliseconds = 5000;
// Creates a volume at `path` (mode 0600), empty or filled by `fill` under the private name it
// is built under, before it is linked into place; false with the volume error set. A volume
// another process made meanwhile is kept.
bool create(const std::string& path, const std::function<bool(const std::string& building)>& fill = nullptr);
// Checks an existing file without writing to it; false with the volume error set.
bool check(const std::string& path);
// A connection that waits for locks. A volume in a folder this process cannot write, with no
// writer's log beside it, is opened as immutable: SQLite could not make its lock files there.
// Null, or a connection to close, with `rc` set on failure.
sqlite3* connect(const std::string& path, bool readOnly, int& rc);
}  // namespace volumefile

}  // namespace ce::objstore
