// The volume file: one SQLite database holding the object store's databases and records.
// Opening checks a file before anything writes to it; every change runs in a transaction
// that the caller commits.
#pragma once

#include <sqlite3.h>

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <unordered_map>
#include <vector>

#include "CommitWatch.h"
#include "Record.h"
#include "Statement.h"

namespace ce::objstore {

// Sets the last error and the one-line reason lastVolumeError() reports.
void setVolumeError(DWORD code, const std::string& message);
// The last-error code and the one-line reason for an SQLite result: a volume that another
// process holds locked, that cannot be written or that has no room left says so rather than
// looking damaged.
DWORD errorFromSqlite(sqlite3* db, int rc);
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

// One committed record change as the change log holds it.
struct LoggedChange {
    std::int64_t seq = 0;
    CEOID database = 0;
    CEOID record = 0;
    UINT kind = 0;                  // DB_CEOID_CREATED, DB_CEOID_CHANGED or DB_CEOID_RECORD_DELETED
    std::uint64_t changeCount = 0;  // the database's change count after the change
};

// The log's entries after a point, as far as they were read.
struct LoggedChanges {
    std::vector<LoggedChange> entries;  // the well-formed ones; a damaged row is left out
    std::int64_t lastSeq = 0;           // the last seq read, well-formed or not
    bool complete = true;               // false when more rows followed than were read
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
    // With `only`, the record holds just those of its properties.
    std::optional<Record> record(CEOID oid, CEOID* database, std::span<const CEPROPID> only = {});
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
    // Adds to a database's record count and size, stamps its modification time, counts the
    // change (`changeCount` gets the count after it) and logs it for other processes.
    bool touchDatabase(CEOID oid, CEOID record, UINT kind, std::int64_t records, std::int64_t bytes,
                       std::uint64_t& changeCount);

    // Whether the file has the change log: a read-only volume of the first format has not.
    bool hasChangeLog() const { return m_hasChangeLog; }
    // Sort order indexes kept in the file (SavedIndex.h), which only a current-format volume
    // has. A saved index is a hint: whoever reads one checks it against the database.
    // Calls `use` with a reader of the keys saved for a sort order at `changeCount`, and
    // their size; false when there are none, or `use` says they could not be used.
    using SavedReader = std::function<bool(std::uint64_t offset, void* into, size_t bytes)>;
    bool readSavedIndex(CEOID database, const SORTORDERSPEC& order, std::uint64_t changeCount,
                        const std::function<bool(const SavedReader&, std::uint64_t size)>& use);
    // Saves them in a change of its own, when that can be done at once: not inside another
    // change, nor while another process writes, nor on a volume that cannot be written.
    // Neither the last error nor the volume error changes.
    bool saveIndex(CEOID database, const SORTORDERSPEC& order, std::uint64_t changeCount, std::span<const BYTE> keys);
    // The newest entry's seq (0 when the log is empty); nothing when it cannot be read.
    std::optional<std::int64_t> lastLoggedSeq();
    // At most `limit` entries after `seq`, in commit order; nothing when they cannot be read.
    std::optional<LoggedChanges> changesAfter(std::int64_t seq, size_t limit);
    // Holds one snapshot of the file across several queries, unless a change is under way
    // (which holds the file already).
    bool beginSnapshot();
    void endSnapshot();
    // Ends the read transaction a snapshot left open for the next, if any; the second only
    // when this thread left it (idle hooks run on any thread that waits).
    void releaseHeld();
    void releaseHeldBeforeWaiting();

    // The log keeps about this many of the newest entries; writers prune it once every
    // c_logPruneEvery entries, so no reader can hold them up.
    static constexpr std::int64_t c_logKept = 65536;
    static constexpr std::int64_t c_logPruneEvery = 256;

private:
    Volume(std::string path, sqlite3* db);
    StatementUse statement(const char* sql);
    // Runs a cached statement that returns no rows: SQLITE_OK or the error.
    int run(const char* sql);
    // Prepares the cached statements that will end a transaction: SQLITE_OK or the error.
    int prepareEnds(std::initializer_list<const char*> sqls);
    CEOID allocateOid();
    bool fail(int rc, const char* what);
    void releaseTransaction();
    // A record's stored bytes read through the handle kept on the records' column, inside a
    // read snapshot; false (nothing reported) when that way fails and the query must answer.
    bool recordBytesByBlob(CEOID oid);
    void closeRecordBlob();
    bool damaged(const std::string& what);
    // database: the row's database id, checked; nothing when the read did not fetch it.
    std::optional<Record> decodedRecord(std::int64_t oid, std::optional<std::int64_t> database,
                                        std::span<const BYTE> bytes, std::span<const CEPROPID> only = {});

    std::string m_path;
    bool m_batch = false;
    bool m_hasChangeLog = false;
    bool m_hasSavedIndexes = false;
    bool m_inSnapshot = false;
    bool m_held = false;  // a finished snapshot's transaction, kept for the next
    std::thread::id m_heldBy;
    sqlite3* m_db;
    std::unordered_map<const char*, std::unique_ptr<Statement>> m_statements;
    // Moved from record to record while a snapshot lasts; closed before it ends, so that the
    // snapshot really ends.
    sqlite3_blob* m_recordBlob = nullptr;
    std::vector<BYTE> m_recordBytes;
    std::int64_t m_dataVersion = -1;
    CommitWatch m_commits;
    bool m_queryFailed = false;
};

// The volume file's layout and the checks that refuse a foreign or damaged file.
namespace volumefile {
constexpr std::int32_t c_applicationId = 0x4F52564E;  // "ORVN"
constexpr std::int32_t c_schemaVersion = 3;
// Older formats are opened, and migrated when the file can be written: the first had no
// change log, the second kept no sort order indexes.
constexpr std::int32_t c_firstSchemaVersion = 1;
constexpr std::int32_t c_changeLogVersion = 2;
// How long a connection waits for another process's lock before giving up.
constexpr int c_lockWaitMilliseconds = 5000;
// Creates a volume at `path` (mode 0600), empty or filled by `fill` under the private name it
// is built under, before it is linked into place; false with the volume error set. A volume
// another process made meanwhile is kept, and counts as made unless `existing` refuses it.
enum class Existing { Kept, Refused };
bool create(const std::string& path, const std::function<bool(const std::string& building)>& fill = nullptr,
            Existing existing = Existing::Kept);
// Checks an existing file without writing to it and tells its format; false with the volume
// error set.
bool check(const std::string& path, std::int32_t& version);
// Brings a volume of an older format to the current one, in one transaction; an SQLite
// result code.
int migrate(sqlite3* db);
// The format a connection's file says it has (user_version); an SQLite error code when it
// cannot be read.
int formatOf(sqlite3* db, std::int32_t& version);
// A connection that waits for locks. A volume in a folder this process cannot write, with no
// writer's log beside it, is opened as immutable: SQLite could not make its lock files there.
// Null, or a connection to close, with `rc` set on failure.
sqlite3* connect(const std::string& path, bool readOnly, int& rc);
}  // namespace volumefile

}  // namespace ce::objstore
