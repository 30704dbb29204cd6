// The volume's queries and changes over its SQLite connection. Statements are prepared once
// per connection; changes run in IMMEDIATE transactions with full synchronisation, so a
// committed change survives a crash.
#include "Volume.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <thread>
#include <utility>

#include "ceobjstore.h"
#include "cewchar.h"
#include "winbase.h"
#include "winerror.h"

namespace ce::objstore {

namespace {

std::string& volumeErrorText() {
    static std::string text;
    return text;
}

std::u16string folded(std::u16string_view name) {
    std::u16string result(name);
    for (WCHAR& c : result) c = towlower(c);
    return result;
}

std::uint64_t nowAsFileTime() {
    // FILETIME counts 100 ns from 1601; the Unix epoch is 11644473600 s later.
    auto since1970 = std::chrono::system_clock::now().time_since_epoch();
    auto ticks = std::chrono::duration_cast<std::chrono::nanoseconds>(since1970).count() / 100;
    return static_cast<std::uint64_t>(ticks) + 116444736000000000ull;
}

// The blob handle reads rows up to this size; a larger one, which no write makes, is left to
// the query, which reports it.
constexpr int c_largestBlobRead = 2 * CEDB_MAXRECORDSIZE;

bool isOid(std::int64_t value) {
    return value > 0 && value <= 0xFFFFFFFFll;
}

// The statements that start and end transactions: cached by address, so one constant each.
constexpr char c_beginWrite[] = "BEGIN IMMEDIATE";
constexpr char c_beginRead[] = "BEGIN";
constexpr char c_commit[] = "COMMIT";
constexpr char c_rollback[] = "ROLLBACK";
constexpr char c_savepoint[] = "SAVEPOINT change";
constexpr char c_releaseChange[] = "RELEASE change";
constexpr char c_rollbackChange[] = "ROLLBACK TO change";

}  // namespace

namespace {

// A write that found no room for the log or the shared-memory index beside the volume (as
// opening does on a full disk) fails as an I/O error; the error number tells that it was room.
bool outOfRoom(sqlite3* db, int rc) {
    return (rc & 0xFF) == SQLITE_IOERR && db && sqlite3_system_errno(db) == ENOSPC;
}

}  // namespace

DWORD errorFromSqlite(sqlite3* db, int rc) {
    if (outOfRoom(db, rc)) return ERROR_DISK_FULL;
    switch (rc & 0xFF) {
    case SQLITE_FULL: return ERROR_DISK_FULL;
    case SQLITE_CONSTRAINT: return ERROR_DUP_NAME;
    case SQLITE_BUSY:
    case SQLITE_LOCKED: return ERROR_SHARING_VIOLATION;
    case SQLITE_NOMEM: return ERROR_NOT_ENOUGH_MEMORY;
    case SQLITE_READONLY:
    case SQLITE_PERM:
    case SQLITE_CANTOPEN: return ERROR_ACCESS_DENIED;
    default: return ERROR_INVALID_DATA;
    }
}

std::string reasonFromSqlite(sqlite3* db, int rc) {
    if (outOfRoom(db, rc)) return "the disk is full";
    switch (rc & 0xFF) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED: return "the volume is locked by another process";
    case SQLITE_READONLY: return "the volume is read-only";
    case SQLITE_NOMEM: return "out of memory";
    // The connection's message belongs to its last call, which may not be the one that failed.
    default: return db && sqlite3_errcode(db) == rc ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
    }
}

void setVolumeError(DWORD code, const std::string& message) {
    volumeErrorText() = message;
    SetLastError(code);
}

void clearVolumeError() {
    volumeErrorText().clear();
}

std::string lastVolumeError() {
    return volumeErrorText();
}

std::unique_ptr<Volume> Volume::open(const std::string& path, bool& created) {
    created = false;
    struct stat info;
    if (::stat(path.c_str(), &info) != 0) {
        if (errno != ENOENT) {
            setVolumeError(ERROR_ACCESS_DENIED, path + ": cannot reach the volume");
            return nullptr;
        }
        if (!volumefile::create(path)) return nullptr;
        created = true;
    } else if (info.st_uid != ::geteuid()) {
        // Whoever owns a volume in a shared folder can change it under this process at will.
        setVolumeError(ERROR_ACCESS_DENIED, path + ": the volume belongs to another user");
        return nullptr;
    }
    std::int32_t format = 0;
    if (!volumefile::check(path, format)) return nullptr;
    int rc = SQLITE_OK;
    sqlite3* db = volumefile::connect(path, false, rc);
    // The busy wait is set first so that the switch to WAL waits for other writers too; a
    // file this process cannot write is opened read-only, and its writes then fail as such.
    bool readOnly = rc == SQLITE_OK && sqlite3_db_readonly(db, "main") == 1;
    const char* setup =
        readOnly ? "PRAGMA synchronous = FULL;" : "PRAGMA journal_mode = WAL; PRAGMA synchronous = FULL;";
    if (rc == SQLITE_OK) rc = sqlite3_exec(db, setup, nullptr, nullptr, nullptr);
    // A file of an older format gets what it lacks; one that cannot be written is used
    // without it: other processes' changes are then found by rereading, and indexes built.
    if (rc == SQLITE_OK && !readOnly && format < volumefile::c_schemaVersion) rc = volumefile::migrate(db);
    // Read again: a migration, here or by another process, changes it.
    if (rc == SQLITE_OK) rc = volumefile::formatOf(db, format);
    if (rc != SQLITE_OK) {
        setVolumeError(errorFromSqlite(db, rc), path + ": cannot open the volume: " + reasonFromSqlite(db, rc));
        sqlite3_close(db);
        return nullptr;
    }
    std::unique_ptr<Volume> volume(new Volume(path, db));
    volume->m_hasChangeLog = format >= volumefile::c_changeLogVersion;
    volume->m_hasSavedIndexes = format >= volumefile::c_schemaVersion && sqlite3_db_readonly(db, "main") == 0;
    bool changed;
    if (!volume->changedElsewhere(changed)) return nullptr;
    return volume;
}

Volume::Volume(std::string path, sqlite3* db) : m_path(std::move(path)), m_db(db) {}

Volume::~Volume() {
    releaseHeld();
    closeRecordBlob();
    m_statements.clear();
    sqlite3_close(m_db);
}

StatementUse Volume::statement(const char* sql) {
    auto& slot = m_statements[sql];
    if (!slot) slot = std::make_unique<Statement>(m_db, sql);
    return StatementUse(*slot);
}

bool Volume::fail(int rc, const char* what) {
    setVolumeError(errorFromSqlite(m_db, rc), m_path + ": cannot " + what + ": " + reasonFromSqlite(m_db, rc));
    return false;
}

bool Volume::changedElsewhere(bool& changed) {
    // Nothing committed since the last look: no need to ask, and lock, the file.
    if (m_commits.unchanged()) {
        changed = false;
        return true;
    }
    // A snapshot held from before would answer for itself.
    releaseHeld();
    // Taken before asking: a commit in between is then seen at the next call.
    m_commits.remember();
    auto query = statement("PRAGMA data_version");
    int rc = query->step();
    if (rc != SQLITE_ROW) return m_commits.forget(), fail(rc, "read the volume");
    std::int64_t version = query->integer(0);
    changed = m_dataVersion != -1 && version != m_dataVersion;
    m_dataVersion = version;
    if (!m_commits.attach(m_path)) m_commits.forget();
    return true;
}

bool Volume::damaged(const std::string& what) {
    // The file was written by someone else, or damaged: what it says is not used.
    setVolumeError(ERROR_INVALID_DATA, m_path + ": " + what);
    m_queryFailed = true;
    return false;
}

std::optional<DatabaseRow> Volume::database(CEOID oid) {
    auto query = statement(
        "SELECT name, type, record_count, size, modified, change_count FROM databases WHERE oid = ?");
    int rc = query->bind(1, oid).step();
    m_queryFailed = rc != SQLITE_ROW && rc != SQLITE_DONE;
    if (m_queryFailed) fail(rc, "read the database");
    if (rc != SQLITE_ROW) return std::nullopt;
    std::string damage = "damaged database " + hexText(oid) + ": ";
    DatabaseRow row;
    row.oid = oid;
    row.name = query->text(0);
    if (int failed = query->failure()) return m_queryFailed = true, fail(failed, "read the database"), std::nullopt;
    if (row.name.empty() || row.name.size() >= CEDB_MAXDBASENAMELEN || row.name.find(u'\0') != std::u16string::npos)
        return damaged(damage + "a name of " + std::to_string(row.name.size()) + " characters"), std::nullopt;
    std::int64_t numbers[5];
    for (int i = 0; i < 5; ++i) numbers[i] = query->integer(i + 1);
    if (numbers[0] < 0 || numbers[0] > 0xFFFFFFFFll) return damaged(damage + "type out of range"), std::nullopt;
    for (int i = 1; i < 5; ++i)
        if (numbers[i] < 0) return damaged(damage + "a negative count or time"), std::nullopt;
    row.type = static_cast<DWORD>(numbers[0]);
    row.recordCount = static_cast<std::uint64_t>(numbers[1]);
    row.size = static_cast<std::uint64_t>(numbers[2]);
    row.modified = static_cast<std::uint64_t>(numbers[3]);
    row.changeCount = static_cast<std::uint64_t>(numbers[4]);
    auto sorts = statement("SELECT propid, flags FROM sort_orders WHERE database_oid = ? ORDER BY position");
    sorts->bind(1, oid);
    while ((rc = sorts->step()) == SQLITE_ROW) {
        if (row.sortOrders.size() == CEDB_MAXSORTORDER)
            return damaged(damage + "more than " + std::to_string(CEDB_MAXSORTORDER) + " sort orders"), std::nullopt;
        std::int64_t propid = sorts->integer(0), flags = sorts->integer(1);
        SORTORDERSPEC order{static_cast<CEPROPID>(propid), static_cast<DWORD>(flags)};
        if (propid < 0 || propid > 0xFFFFFFFFll || flags < 0 || flags > 0xFFFFFFFFll || !isValidSortOrder(order))
            return damaged(damage + "sort order " + std::to_string(row.sortOrders.size() + 1) +
                           " is not one a database can have"), std::nullopt;
        row.sortOrders.push_back(order);
    }
    if (rc != SQLITE_DONE) return m_queryFailed = true, fail(rc, "read the database"), std::nullopt;
    return row;
}

CEOID Volume::databaseNamed(std::u16string_view name) {
    auto query = statement("SELECT oid FROM databases WHERE folded_name = ?");
    int rc = query->bindText(1, folded(name)).step();
    m_queryFailed = rc != SQLITE_ROW && rc != SQLITE_DONE;
    if (m_queryFailed) return fail(rc, "read the databases"), 0;
    if (rc != SQLITE_ROW) return 0;
    std::int64_t oid = query->integer(0);
    return isOid(oid) ? static_cast<CEOID>(oid) : 0;
}

CEOID Volume::nextDatabase(CEOID after, DWORD type) {
    auto query =
        statement("SELECT oid FROM databases WHERE oid > ?1 AND (?2 = 0 OR type = ?2) ORDER BY oid LIMIT 1");
    int rc = query->bind(1, after).bind(2, type).step();
    m_queryFailed = rc != SQLITE_ROW && rc != SQLITE_DONE;
    if (m_queryFailed) return fail(rc, "read the databases"), 0;
    if (rc != SQLITE_ROW) return 0;
    // An id past 32 bits would wrap, and the walk would never end.
    std::int64_t oid = query->integer(0);
    return isOid(oid) ? static_cast<CEOID>(oid) : (damaged("a database id out of range"), 0);
}

// A step through an order reads one record after another by OID: inside a snapshot the
// blob handle is moved to each, which costs a search, where the query costs a search and a
// statement's run, copy and reset. The query still answers whatever the handle cannot: a
// missing record, a damaged row, a failure, and a read that must name the database.
std::optional<Record> Volume::record(CEOID oid, CEOID* database, std::span<const CEPROPID> only) {
    if (!database && m_inSnapshot && recordBytesByBlob(oid))
        return decodedRecord(oid, std::nullopt, m_recordBytes, only);
    auto query = statement("SELECT database_oid, properties FROM records WHERE oid = ?");
    int rc = query->bind(1, oid).step();
    m_queryFailed = rc != SQLITE_ROW && rc != SQLITE_DONE;
    if (m_queryFailed) fail(rc, "read the record");
    if (rc != SQLITE_ROW) return std::nullopt;
    std::span<const BYTE> bytes = query->blob(1);
    if (int failed = query->failure()) return m_queryFailed = true, fail(failed, "read the record"), std::nullopt;
    auto record = decodedRecord(oid, query->integer(0), bytes, only);
    if (record && database) *database = static_cast<CEOID>(query->integer(0));
    return record;
}

std::optional<Record> Volume::decodedRecord(std::int64_t oid, std::optional<std::int64_t> database,
                                            std::span<const BYTE> bytes, std::span<const CEPROPID> only) {
    std::string problem = "an id out of range";
    std::optional<Record> record;
    if (isOid(oid) && (!database || isOid(*database))) record = decodeRecord(bytes, &problem, only);
    if (!record) {
        std::string name = isOid(oid) ? hexText(static_cast<CEOID>(oid)) : std::to_string(oid);
        damaged("damaged record " + name + " (" + problem + ")");
    }
    return record;
}

bool Volume::forEachRecord(CEOID database, const std::function<void(CEOID, const Record&)>& visit) {
    // A statement of its own: the visitor may run other queries.
    Statement query(m_db, "SELECT oid, properties FROM records WHERE database_oid = ? ORDER BY oid");
    query.bind(1, database);
    int rc;
    std::optional<std::int64_t> previous;
    while ((rc = query.step()) == SQLITE_ROW) {
        // Rows come in rising OID order. A damaged index can list a record again, and an order
        // holding one record twice sends a cursor stepping on from the second copy back to
        // the first, for ever.
        std::int64_t oid = query.integer(0);
        if (previous && oid <= *previous)
            return damaged("the records' index is damaged at record " + hexText(static_cast<CEOID>(oid)));
        previous = oid;
        std::span<const BYTE> bytes = query.blob(1);
        if (int failed = query.failure()) return fail(failed, "read the records");
        auto record = decodedRecord(oid, database, bytes);
        if (!record) return false;
        visit(static_cast<CEOID>(oid), *record);
    }
    return rc == SQLITE_DONE || fail(rc, "read the records");
}

int Volume::run(const char* sql) {
    int rc = statement(sql)->step();
    return rc == SQLITE_DONE || rc == SQLITE_ROW ? SQLITE_OK : rc;
}

int Volume::prepareEnds(std::initializer_list<const char*> sqls) {
    for (const char* sql : sqls)
        if (int rc = statement(sql)->prepare()) return rc;
    return SQLITE_OK;
}

// The statements that end a transaction are prepared before it starts and kept: one that
// could not be prepared for want of memory would leave the transaction open, and this
// connection would go on reading changes that were never committed.
bool Volume::begin() {
    releaseHeld();
    int rc = m_batch ? prepareEnds({c_rollbackChange, c_releaseChange}) : prepareEnds({c_rollback});
    if (rc == SQLITE_OK) rc = run(m_batch ? c_savepoint : c_beginWrite);
    return rc == SQLITE_OK || fail(rc, "start a change");
}

bool Volume::commit() {
    int rc = run(m_batch ? c_releaseChange : c_commit);
    if (rc == SQLITE_OK) return true;
    fail(rc, "commit a change");
    rollback();
    return false;
}

void Volume::rollback() {
    if (sqlite3_get_autocommit(m_db)) return;
    if (m_batch) {
        run(c_rollbackChange);
        run(c_releaseChange);
    } else {
        run(c_rollback);
    }
}

bool Volume::beginBatch() {
    if (m_batch) return true;
    releaseHeld();
    int rc = prepareEnds({c_rollback});
    if (rc == SQLITE_OK) rc = run(c_beginWrite);
    if (rc != SQLITE_OK) return fail(rc, "start a batch of changes");
    m_batch = true;
    return true;
}

bool Volume::endBatch() {
    if (!m_batch) return true;
    m_batch = false;
    int rc = run(c_commit);
    if (rc == SQLITE_OK) return true;
    fail(rc, "commit a batch of changes");
    run(c_rollback);
    return false;
}

CEOID Volume::allocateOid() {
    auto query = statement("SELECT next_oid FROM volume");
    int rc = query->step();
    if (rc != SQLITE_ROW) return fail(rc, "allocate an object id"), 0;
    std::int64_t oid = query->integer(0);
    if (oid <= 0 || oid > 0xFFFFFFFFll) {
        setVolumeError(ERROR_DISK_FULL, m_path + ": no object ids left");
        return 0;
    }
    rc = statement("UPDATE volume SET next_oid = next_oid + 1")->step();
    return rc == SQLITE_DONE ? static_cast<CEOID>(oid) : (fail(rc, "allocate an object id"), 0);
}

CEOID Volume::insertDatabase(const DatabaseRow& row) {
    CEOID oid = allocateOid();
    if (!oid) return 0;
    auto insert = statement(
        "INSERT INTO databases (oid, name, folded_name, type, record_count, size, modified, change_count) "
        "VALUES (?, ?, ?, ?, 0, 0, ?, 0)");
    insert->bind(1, oid).bindText(2, row.name).bindText(3, folded(row.name)).bind(4, row.type);
    int rc = insert->bind(5, static_cast<std::int64_t>(nowAsFileTime())).step();
    if (rc != SQLITE_DONE) return fail(rc, "create the database"), 0;
    for (size_t i = 0; i < row.sortOrders.size(); ++i) {
        auto sort = statement("INSERT INTO sort_orders VALUES (?, ?, ?, ?)");
        sort->bind(1, oid).bind(2, static_cast<std::int64_t>(i));
        rc = sort->bind(3, row.sortOrders[i].propid).bind(4, row.sortOrders[i].dwFlags).step();
        if (rc != SQLITE_DONE) return fail(rc, "create the database"), 0;
    }
    return oid;
}

bool Volume::removeDatabase(CEOID oid) {
    std::vector<const char*> deletes = {"DELETE FROM records WHERE database_oid = ?",
                                        "DELETE FROM sort_orders WHERE database_oid = ?",
                                        "DELETE FROM databases WHERE oid = ?"};
    if (m_hasSavedIndexes) deletes.push_back("DELETE FROM sort_indexes WHERE database_oid = ?");
    for (const char* sql : deletes) {
        int rc = statement(sql)->bind(1, oid).step();
        if (rc != SQLITE_DONE) return fail(rc, "delete the database");
    }
    return true;
}

CEOID Volume::insertRecord(CEOID database, const Record& record) {
    CEOID oid = allocateOid();
    if (!oid) return 0;
    std::vector<BYTE> bytes = encodeRecord(record);
    int rc = statement("INSERT INTO records VALUES (?, ?, ?)")->bind(1, oid).bind(2, database).bindBlob(3, bytes).step();
    return rc == SQLITE_DONE ? oid : (fail(rc, "write the record"), 0);
}

bool Volume::updateRecord(CEOID oid, const Record& record) {
    std::vector<BYTE> bytes = encodeRecord(record);
    int rc = statement("UPDATE records SET properties = ? WHERE oid = ?")->bindBlob(1, bytes).bind(2, oid).step();
    return rc == SQLITE_DONE || fail(rc, "write the record");
}

bool Volume::removeRecord(CEOID oid) {
    int rc = statement("DELETE FROM records WHERE oid = ?")->bind(1, oid).step();
    return rc == SQLITE_DONE || fail(rc, "delete the record");
}

bool Volume::touchDatabase(CEOID oid, CEOID record, UINT kind, std::int64_t records, std::int64_t bytes,
                           std::uint64_t& changeCount) {
    {
        auto update = statement(
            "UPDATE databases SET record_count = record_count + ?, size = size + ?, modified = ?, "
            "change_count = change_count + 1 WHERE oid = ? RETURNING change_count");
        update->bind(1, records).bind(2, bytes).bind(3, static_cast<std::int64_t>(nowAsFileTime())).bind(4, oid);
        int rc = update->step();
        if (rc == SQLITE_DONE) {
            // Another process deleted the database under this one's handles.
            setVolumeError(ERROR_INVALID_HANDLE, m_path + ": the database no longer exists");
            return false;
        }
        if (rc != SQLITE_ROW) return fail(rc, "update the database");
        std::int64_t count = update->integer(0);
        if (count <= 0) return damaged("damaged database " + hexText(oid) + ": a negative count");
        changeCount = static_cast<std::uint64_t>(count);
    }
    if (!m_hasChangeLog) return true;
    auto insert = statement("INSERT INTO change_log (database_oid, record_oid, kind, change_count) VALUES (?, ?, ?, ?)");
    insert->bind(1, oid).bind(2, record).bind(3, kind).bind(4, static_cast<std::int64_t>(changeCount));
    int rc = insert->step();
    if (rc != SQLITE_DONE) return fail(rc, "log the change");
    std::int64_t seq = sqlite3_last_insert_rowid(m_db);
    if (seq % c_logPruneEvery) return true;
    rc = statement("DELETE FROM change_log WHERE seq <= ?")->bind(1, seq - c_logKept).step();
    return rc == SQLITE_DONE || fail(rc, "prune the change log");
}

std::optional<std::int64_t> Volume::lastLoggedSeq() {
    auto query = statement("SELECT coalesce(max(seq), 0) FROM change_log");
    int rc = query->step();
    if (rc != SQLITE_ROW) return fail(rc, "read the change log"), std::nullopt;
    return query->integer(0);
}

std::optional<LoggedChanges> Volume::changesAfter(std::int64_t seq, size_t limit) {
    auto query = statement(
        "SELECT seq, database_oid, record_oid, kind, change_count FROM change_log WHERE seq > ? ORDER BY seq LIMIT ?");
    query->bind(1, seq).bind(2, static_cast<std::int64_t>(limit) + 1);
    LoggedChanges read;
    read.lastSeq = seq;
    int rc;
    for (size_t rows = 0; (rc = query->step()) == SQLITE_ROW; ++rows) {
        if (rows == limit) {
            read.complete = false;
            break;
        }
        read.lastSeq = query->integer(0);
        std::int64_t database = query->integer(1), record = query->integer(2), kind = query->integer(3),
                     count = query->integer(4);
        // The rows are another process's word: only what a writer could have logged is used.
        bool known = kind == DB_CEOID_CREATED || kind == DB_CEOID_CHANGED || kind == DB_CEOID_RECORD_DELETED;
        if (!known || !isOid(database) || !isOid(record) || count <= 0) continue;
        read.entries.push_back({read.lastSeq, static_cast<CEOID>(database), static_cast<CEOID>(record),
                                static_cast<UINT>(kind), static_cast<std::uint64_t>(count)});
    }
    if (rc != SQLITE_ROW && rc != SQLITE_DONE) return fail(rc, "read the change log"), std::nullopt;
    return read;
}

bool Volume::readSavedIndex(CEOID database, const SORTORDERSPEC& order, std::uint64_t changeCount,
                            const std::function<bool(const SavedReader&, std::uint64_t)>& use) {
    if (!m_hasSavedIndexes) return false;
    // One snapshot: the row found is the row read, whatever another process saves meanwhile.
    bool ownSnapshot = !m_inSnapshot;
    if (ownSnapshot && !beginSnapshot()) return false;
    std::int64_t row = 0;
    {
        auto query = statement(
            "SELECT rowid FROM sort_indexes WHERE database_oid = ? AND propid = ? AND flags = ? AND change_count = ?");
        query->bind(1, database).bind(2, order.propid).bind(3, order.dwFlags);
        if (query->bind(4, static_cast<std::int64_t>(changeCount)).step() == SQLITE_ROW) row = query->integer(0);
    }
    // Read in pieces straight into place: a million keys' strings are tens of megabytes.
    sqlite3_blob* keys = nullptr;
    bool used = false;
    if (row && sqlite3_blob_open(m_db, "main", "sort_indexes", "keys", row, 0, &keys) == SQLITE_OK) {
        auto size = static_cast<std::uint64_t>(sqlite3_blob_bytes(keys));
        SavedReader read = [&](std::uint64_t offset, void* into, size_t bytes) {
            return offset + bytes <= size &&
                   sqlite3_blob_read(keys, into, static_cast<int>(bytes), static_cast<int>(offset)) == SQLITE_OK;
        };
        used = use(read, size);
    }
    sqlite3_blob_close(keys);
    if (ownSnapshot) endSnapshot();
    return used;
}

bool Volume::saveIndex(CEOID database, const SORTORDERSPEC& order, std::uint64_t changeCount,
                       std::span<const BYTE> keys) {
    releaseHeld();
    if (!m_hasSavedIndexes || m_batch || !sqlite3_get_autocommit(m_db)) return false;
    DWORD lastError = GetLastError();
    // A save is never worth a wait: another process writing now skips it. Nor is its failure
    // anyone's error, so it runs its own statements, not begin() and commit(), which report.
    sqlite3_busy_timeout(m_db, 0);
    int rc = prepareEnds({c_rollback, c_commit});
    if (rc == SQLITE_OK) rc = run(c_beginWrite);
    if (rc == SQLITE_OK) {
        auto save = statement("INSERT OR REPLACE INTO sort_indexes VALUES (?, ?, ?, ?, ?)");
        save->bind(1, database).bind(2, order.propid).bind(3, order.dwFlags);
        rc = save->bind(4, static_cast<std::int64_t>(changeCount)).bindBlob(5, keys).step();
        if (rc == SQLITE_DONE) rc = run(c_commit);
        if (rc != SQLITE_OK && rc != SQLITE_DONE) run(c_rollback);
    }
    sqlite3_busy_timeout(m_db, volumefile::c_lockWaitMilliseconds);
    SetLastError(lastError);
    return rc == SQLITE_OK || rc == SQLITE_DONE;
}

// A read leaves its transaction open for the next to reuse while nothing is committed
// elsewhere: beginning and ending one takes the file's locks, several times a read's own
// work. It is let go before this process writes, as soon as another commit is seen, and
// before the thread waits (VolumeControl.cpp), so that it never holds up another process's
// checkpoint for long.
bool Volume::beginSnapshot() {
    if (m_held) {
        if (m_commits.unchanged()) {
            m_held = false;
            m_inSnapshot = true;
            return true;
        }
        releaseHeld();
    }
    if (!sqlite3_get_autocommit(m_db)) return true;
    int rc = prepareEnds({c_commit, c_rollback});
    if (rc == SQLITE_OK) rc = run(c_beginRead);
    m_inSnapshot = rc == SQLITE_OK;
    return m_inSnapshot || fail(rc, "read the volume");
}

void Volume::endSnapshot() {
    if (!std::exchange(m_inSnapshot, false)) return;
    if (m_commits.watching()) {
        m_held = true;
        m_heldBy = std::this_thread::get_id();
    } else
        releaseTransaction();
}

void Volume::releaseHeld() {
    if (std::exchange(m_held, false)) releaseTransaction();
}

void Volume::releaseHeldBeforeWaiting() {
    if (m_held && m_heldBy == std::this_thread::get_id()) releaseHeld();
}

bool Volume::recordBytesByBlob(CEOID oid) {
    int rc = m_recordBlob ? sqlite3_blob_reopen(m_recordBlob, oid)
                          : sqlite3_blob_open(m_db, "main", "records", "properties", oid, 0, &m_recordBlob);
    int size = rc == SQLITE_OK ? sqlite3_blob_bytes(m_recordBlob) : -1;
    if (size >= 0 && size <= c_largestBlobRead) {
        m_recordBytes.resize(static_cast<size_t>(size));
        if (sqlite3_blob_read(m_recordBlob, m_recordBytes.data(), size, 0) == SQLITE_OK) return true;
    }
    // A handle that failed once is of no more use.
    closeRecordBlob();
    return false;
}

void Volume::closeRecordBlob() {
    sqlite3_blob_close(m_recordBlob);
    m_recordBlob = nullptr;
}

void Volume::releaseTransaction() {
    closeRecordBlob();
    // Ending a read cannot fail but for want of memory; it must still end.
    if (run(c_commit) != SQLITE_OK) run(c_rollback);
}

}  // namespace ce::objstore
