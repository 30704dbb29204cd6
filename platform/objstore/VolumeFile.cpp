// Creating a volume file and checking one before use. A file is read with plain reads and a
// connection that cannot write first, so that a foreign or damaged file is refused untouched.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <map>
#include <optional>

#include "SqliteMemory.h"
#include "kernel/RuntimeDirectory.h"
#include "Volume.h"
#include "winerror.h"

namespace ce::objstore::volumefile {

namespace {

// The layout of the first format; a writable open migrates older formats to the current one.
constexpr char c_previousSchema[] = R"sql(
CREATE TABLE volume (next_oid INTEGER NOT NULL);
INSERT INTO volume VALUES (1);
CREATE TABLE databases (
  oid INTEGER PRIMARY KEY,
  name TEXT NOT NULL,
  folded_name TEXT NOT NULL UNIQUE,
  type INTEGER NOT NULL,
  record_count INTEGER NOT NULL,
  size INTEGER NOT NULL,
  modified INTEGER NOT NULL,
  change_count INTEGER NOT NULL);
CREATE TABLE sort_orders (
  database_oid INTEGER NOT NULL,
  position INTEGER NOT NULL,
  propid INTEGER NOT NULL,
  flags INTEGER NOT NULL,
  PRIMARY KEY (database_oid, position));
CREATE TABLE records (
  oid INTEGER PRIMARY KEY,
  database_oid INTEGER NOT NULL,
  properties BLOB NOT NULL);
CREATE INDEX records_by_database ON records (database_oid, oid);
)sql";

// Every committed record change, in commit order, for other processes to follow (see
// ObjectStore.cpp). seq is the rowid: pruning keeps the newest rows, so it only grows.
constexpr char c_changeLogSchema[] = R"sql(
CREATE TABLE change_log (
  seq INTEGER PRIMARY KEY,
  database_oid INTEGER NOT NULL,
  record_oid INTEGER NOT NULL,
  kind INTEGER NOT NULL,
  change_count INTEGER NOT NULL);
)sql";

// Each sort order's index as it stood at the database's change count, so that a large
// database opens without reading every record; a hint, checked before use (SavedIndex.cpp).
constexpr char c_savedIndexSchema[] = R"sql(
CREATE TABLE sort_indexes (
  database_oid INTEGER NOT NULL,
  propid INTEGER NOT NULL,
  flags INTEGER NOT NULL,
  change_count INTEGER NOT NULL,
  keys BLOB NOT NULL,
  PRIMARY KEY (database_oid, propid));
)sql";

// What each format adds to the one before it.
std::string additionsOf(std::int32_t version) {
    switch (version) {
    case c_firstSchemaVersion: return c_previousSchema;
    case c_changeLogVersion: return c_changeLogSchema;
    case c_schemaVersion: return c_savedIndexSchema;
    default: return {};
    }
}

std::string schemaOf(std::int32_t version) {
    std::string schema;
    for (std::int32_t format = c_firstSchemaVersion; format <= version; ++format) schema += additionsOf(format);
    return schema;
}

constexpr char c_sqliteMagic[] = "SQLite format 3";  // 16 bytes with its terminator
constexpr size_t c_headerSize = 100;

std::int32_t bigEndianAt(const unsigned char* bytes, size_t offset) {
    return static_cast<std::int32_t>((std::uint32_t{bytes[offset]} << 24) | (std::uint32_t{bytes[offset + 1]} << 16) |
                                     (std::uint32_t{bytes[offset + 2]} << 8) | std::uint32_t{bytes[offset + 3]});
}

bool refuse(const std::string& path, const std::string& why) {
    setVolumeError(ERROR_INVALID_DATA, path + ": " + why);
    return false;
}

bool failWithErrno(const std::string& path, const char* action) {
    int error = errno;
    DWORD code = error == EACCES || error == EPERM ? ERROR_ACCESS_DENIED
                 : error == ENOSPC                 ? ERROR_DISK_FULL
                 : error == ENOENT                 ? ERROR_PATH_NOT_FOUND
                                                   : ERROR_INVALID_DATA;
    setVolumeError(code, path + ": cannot " + action + ": " + std::strerror(error));
    return false;
}

bool knownFormat(std::int32_t version) {
    return version >= c_firstSchemaVersion && version <= c_schemaVersion;
}

std::string formatProblem(std::int32_t version) {
    return "volume format " + std::to_string(version) + " is not the supported format " + std::to_string(c_schemaVersion);
}

bool checkHeader(const std::string& path) {
    // A FIFO or device would block the read (or never end it): only a regular file is a
    // volume. Opened without blocking, and asked again once open, in case it was swapped.
    struct stat info;
    if (::stat(path.c_str(), &info) != 0) return failWithErrno(path, "read the volume");
    if (!S_ISREG(info.st_mode)) return refuse(path, "not an object store volume (not a regular file)");
    int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return failWithErrno(path, "read the volume");
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return refuse(path, "not an object store volume (not a regular file)");
    }
    unsigned char header[c_headerSize] = {};
    ssize_t got = ::read(fd, header, sizeof header);
    ::close(fd);
    if (got != static_cast<ssize_t>(sizeof header) || std::memcmp(header, c_sqliteMagic, sizeof c_sqliteMagic) != 0)
        return refuse(path, "not an object store volume (not an SQLite file)");
    if (bigEndianAt(header, 68) != c_applicationId)
        return refuse(path, "not an object store volume (an SQLite file of another application)");
    // The file's own header may lag a migration still in the write-ahead log: the format that
    // decides is the one SQLite reads (checkContent).
    std::int32_t version = bigEndianAt(header, 60);
    return knownFormat(version) || refuse(path, formatProblem(version));
}

// Every table, index, view and trigger of a file, by name: type, table and the SQL that made it.
using Schema = std::map<std::string, std::string>;

// A column that cannot be read (out of memory) fails the read: an entry read as empty would
// make a sound file look foreign.
int readSchema(sqlite3* db, Schema& schema) {
    sqlite3_stmt* statement = nullptr;
    int rc = sqlite3_prepare_v2(db, "SELECT name, type, tbl_name, sql FROM sqlite_master", -1, &statement, nullptr);
    int stepped = SQLITE_DONE;
    while (rc == SQLITE_OK && (stepped = sqlite3_step(statement)) == SQLITE_ROW) {
        std::string texts[4];
        for (int column = 0; column < 4 && rc == SQLITE_OK; ++column) {
            const unsigned char* text = sqlite3_column_text(statement, column);
            if (text) texts[column] = reinterpret_cast<const char*>(text);
            else if (sqlite3_column_type(statement, column) != SQLITE_NULL) rc = SQLITE_NOMEM;
        }
        schema[texts[0]] = texts[1] + '\n' + texts[2] + '\n' + texts[3] + '\n';
    }
    // Finalizing reports the error that ended the steps, if one did.
    int ended = sqlite3_finalize(statement);
    if (rc == SQLITE_OK && stepped != SQLITE_DONE) rc = ended != SQLITE_OK ? ended : stepped;
    return rc;
}

// The schema a volume of this format has, made in memory; nothing when it could not be made
// (out of memory), and then made again next time.
std::optional<Schema> madeInMemory(const std::string& sql) {
    Schema made;
    sqlite3* db = nullptr;
    routeSqliteAllocations();
    int rc = sqlite3_open_v2(":memory:", &db, SQLITE_OPEN_READWRITE, nullptr);
    if (rc == SQLITE_OK) rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr);
    if (rc == SQLITE_OK) rc = readSchema(db, made);
    sqlite3_close(db);
    if (rc != SQLITE_OK) return std::nullopt;
    return made;
}

const Schema* ourSchema(std::int32_t version) {
    static std::map<std::int32_t, Schema> made;
    auto known = made.find(version);
    if (known != made.end()) return &known->second;
    auto schema = madeInMemory(schemaOf(version));
    return schema ? &(made[version] = std::move(*schema)) : nullptr;
}

std::string printable(const std::string& name) {
    std::string shown = name.substr(0, 40);
    for (char& c : shown)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = '?';
    return "'" + shown + (name.size() > 40 ? "...'" : "'");
}

std::string kindOf(const std::string& entry) {
    return entry.substr(0, entry.find('\n'));
}

std::string withArticle(const std::string& kind) {
    return (kind == "index" ? "an " : "a ") + kind;
}

// What in the file differs from the schema we make, or nothing. A trigger, view or column we
// did not make could change what a write does, so such a file is not trusted.
std::string schemaDifference(const Schema& found, const Schema& ours) {
    for (const auto& [name, entry] : found) {
        auto expected = ours.find(name);
        if (expected == ours.end())
            return "not an object store volume we can trust (it has " + withArticle(kindOf(entry)) + " " +
                   printable(name) + " that we did not make)";
        if (expected->second != entry)
            return "not an object store volume we can trust (its " + kindOf(entry) + " " + printable(name) +
                   " is not the one we make)";
    }
    for (const auto& [name, entry] : ours)
        if (!found.count(name))
            return "not an object store volume (it has no " + kindOf(entry) + " " + printable(name) + ")";
    return {};
}

bool checkContent(const std::string& path, std::int32_t& version) {
    int rc = SQLITE_OK;
    // Reading a logged volume makes its log and shared-memory index beside it, which only a
    // connection that may write removes when it closes: without a log already there (which
    // could hold changes that closing would copy into a damaged file), the check connects so,
    // made unable to write, and a refused file's folder is left as it was.
    bool noLog = ::access((path + "-wal").c_str(), F_OK) != 0;
    sqlite3* db = connect(path, !noLog, rc);
    if (rc == SQLITE_OK && noLog) rc = sqlite3_exec(db, "PRAGMA query_only = 1", nullptr, nullptr, nullptr);
    Schema schema;
    if (rc == SQLITE_OK) rc = readSchema(db, schema);
    std::string why;
    if (rc == SQLITE_OK) rc = formatOf(db, version);
    const Schema* ours = nullptr;
    if (rc == SQLITE_OK && !knownFormat(version)) why = formatProblem(version);
    else if (rc == SQLITE_OK && !(ours = ourSchema(version))) rc = SQLITE_NOMEM;
    if (ours) why = schemaDifference(schema, *ours);
    std::string integrity;
    if (rc == SQLITE_OK && why.empty()) {
        sqlite3_stmt* statement = nullptr;
        rc = sqlite3_prepare_v2(db, "PRAGMA quick_check", -1, &statement, nullptr);
        if (rc == SQLITE_OK) rc = sqlite3_step(statement);
        if (rc == SQLITE_ROW) {
            const unsigned char* text = sqlite3_column_text(statement, 0);
            integrity = text ? reinterpret_cast<const char*>(text) : "";
            rc = SQLITE_OK;
        }
        sqlite3_finalize(statement);
        if (rc == SQLITE_OK && integrity != "ok") why = "the volume is damaged (" + integrity + ")";
    }
    // Only what the file says makes it foreign or damaged; a lock or a refused read is told as such.
    if (rc != SQLITE_OK && (rc & 0xFF) == SQLITE_CORRUPT)
        why = "the volume is damaged (" + reasonFromSqlite(db, rc) + ")";
    if (rc != SQLITE_OK && why.empty())
        setVolumeError(errorFromSqlite(db, rc), path + ": cannot read the volume: " + reasonFromSqlite(db, rc));
    sqlite3_close(db);
    return why.empty() ? rc == SQLITE_OK : refuse(path, why);
}

bool makeParentFolder(const std::string& path) {
    size_t slash = path.find_last_of('/');
    if (slash == std::string::npos || slash == 0) return true;
    std::string folder = path.substr(0, slash);
    for (size_t at = folder.find('/', 1); ; at = folder.find('/', at + 1)) {
        std::string part = folder.substr(0, at);
        if (::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) return failWithErrno(part, "create the folder");
        if (at == std::string::npos) return true;
    }
}

bool writeSchema(const std::string& path) {
    sqlite3* db = nullptr;
    routeSqliteAllocations();
    int rc = sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
    std::string pragmas = "PRAGMA application_id = " + std::to_string(c_applicationId) +
                          "; PRAGMA user_version = " + std::to_string(c_schemaVersion) +
                          "; PRAGMA journal_mode = WAL; BEGIN;";
    if (rc == SQLITE_OK) rc = sqlite3_exec(db, pragmas.c_str(), nullptr, nullptr, nullptr);
    if (rc == SQLITE_OK) rc = sqlite3_exec(db, schemaOf(c_schemaVersion).c_str(), nullptr, nullptr, nullptr);
    if (rc == SQLITE_OK) rc = sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    std::string message = db ? sqlite3_errmsg(db) : "out of memory";
    sqlite3_close(db);
    if (rc == SQLITE_OK) return true;
    setVolumeError(rc == SQLITE_FULL ? ERROR_DISK_FULL : ERROR_INVALID_DATA,
                   path + ": cannot create the volume: " + message);
    return false;
}

std::string folderOf(const std::string& path) {
    size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? "." : (slash == 0 ? "/" : path.substr(0, slash));
}

void syncFolder(const std::string& path) {
    int fd = ::open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// A file already checked is not read through again while its content is unchanged: a
// million-record volume takes longer to check than to use. What the check found is kept in
// the user's private runtime folder, with what identifies the content without reading it:
// the file's inode, size and change time (any write changes it, and no one can set it back),
// and the same of a write-ahead log with frames in it.
std::string contentState(const std::string& path) {
    std::string state;
    for (const std::string& file : {path, path + "-wal"}) {
        struct stat info;
        if (::stat(file.c_str(), &info) != 0 || (file != path && info.st_size == 0)) {
            if (file == path) return {};
            state += " -";
            continue;
        }
        for (long long number : {static_cast<long long>(info.st_dev), static_cast<long long>(info.st_ino),
                                 static_cast<long long>(info.st_size), static_cast<long long>(info.st_ctim.tv_sec),
                                 static_cast<long long>(info.st_ctim.tv_nsec)})
            state += " " + std::to_string(number);
    }
    return state;
}

std::string checkedStampOf(const std::string& path) {
    std::string folder = kernel::existingRuntimeDirectory();
    if (folder.empty()) return {};
    std::uint64_t hash = 14695981039346656037ull;
    for (char c : path) hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    char name[40];
    std::snprintf(name, sizeof name, "/checked-volume-%016llx", static_cast<unsigned long long>(hash));
    return folder + name;
}

// The checks made are this program's: another version of it checks again.
std::string stampText(const std::string& path, const std::string& state, std::int32_t version) {
    return path + "\n" + state + "\n" + std::to_string(version) + " by " + std::to_string(c_schemaVersion) + "\n";
}

bool checkedBefore(const std::string& stamp, const std::string& path, const std::string& state, std::int32_t& version) {
    auto text = kernel::readRuntimeFile(stamp, 8192);
    if (!text) return false;
    for (std::int32_t format = c_firstSchemaVersion; format <= c_schemaVersion; ++format)
        if (*text == stampText(path, state, format)) return version = format, true;
    return false;
}

void rememberChecked(const std::string& stamp, const std::string& path, const std::string& state, std::int32_t version) {
    std::string building = stamp + ".new-" + std::to_string(::getpid());
    int fd = kernel::openRuntimeFile(building, O_WRONLY | O_CREAT | O_TRUNC);
    if (fd < 0) return;
    std::string text = stampText(path, state, version);
    bool written = ::write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
    ::close(fd);
    if (!written || ::rename(building.c_str(), stamp.c_str()) != 0) ::unlink(building.c_str());
}

}  // namespace

bool create(const std::string& path, const std::function<bool(const std::string& building)>& fill,
            Existing existing) {
    if (!makeParentFolder(path)) return false;
    // Built under a private name and linked into place, so no other process ever sees a
    // half-made volume, and a volume another process made meanwhile is kept.
    std::string building = path + ".new-" + std::to_string(::getpid());
    int fd = ::open(building.c_str(), O_CREAT | O_EXCL | O_RDWR | O_CLOEXEC, 0600);
    if (fd < 0) return failWithErrno(building, "create the volume");
    ::fchmod(fd, 0600);
    ::close(fd);
    bool ok = writeSchema(building) && (!fill || fill(building));
    // What the filling wrote must be in the file itself, not in a log left beside it.
    if (ok && ::access((building + "-wal").c_str(), F_OK) == 0) {
        setVolumeError(ERROR_INVALID_DATA, path + ": cannot create the volume: its filling was left unfinished");
        ok = false;
    }
    if (ok && ::link(building.c_str(), path.c_str()) != 0) {
        if (errno != EEXIST) {
            ok = failWithErrno(path, "create the volume");
        } else if (existing == Existing::Refused) {
            setVolumeError(ERROR_ALREADY_EXISTS, path + " already exists: another program made it meanwhile");
            ok = false;
        }
    }
    for (const char* suffix : {"", "-wal", "-shm", "-open"}) ::unlink((building + suffix).c_str());
    if (ok) syncFolder(path);
    return ok;
}

bool check(const std::string& path, std::int32_t& version) {
    std::string state = contentState(path);
    std::string stamp = state.empty() ? std::string() : checkedStampOf(path);
    if (!stamp.empty() && checkedBefore(stamp, path, state, version)) return true;
    if (!checkHeader(path) || !checkContent(path, version)) return false;
    // Only a file that did not change while it was read is known to be what was checked.
    if (!stamp.empty() && contentState(path) == state) rememberChecked(stamp, path, state, version);
    return true;
}

int migrate(sqlite3* db) {
    // Inside the write lock the format is read again: another process may have migrated it.
    int rc = sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) return rc;
    std::int32_t version = 0;
    rc = formatOf(db, version);
    if (rc == SQLITE_OK && knownFormat(version) && version < c_schemaVersion) {
        std::string sql;
        for (std::int32_t format = version + 1; format <= c_schemaVersion; ++format) sql += additionsOf(format);
        sql += "PRAGMA user_version = " + std::to_string(c_schemaVersion);
        rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr);
    }
    if (rc == SQLITE_OK) rc = sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
    return rc;
}

int formatOf(sqlite3* db, std::int32_t& version) {
    sqlite3_stmt* statement = nullptr;
    int rc = sqlite3_prepare_v2(db, "PRAGMA user_version", -1, &statement, nullptr);
    if (rc == SQLITE_OK) rc = sqlite3_step(statement);
    if (rc == SQLITE_ROW) {
        version = sqlite3_column_int(statement, 0);
        rc = SQLITE_OK;
    } else if (rc == SQLITE_DONE) {
        rc = SQLITE_ERROR;
    }
    sqlite3_finalize(statement);
    return rc;
}

sqlite3* connect(const std::string& path, bool readOnly, int& rc) {
    bool immutable = ::access(folderOf(path).c_str(), W_OK) != 0 && ::access((path + "-wal").c_str(), F_OK) != 0;
    std::string name = path;
    if (immutable) {
        // A URI: the characters that end a file name there are escaped.
        name = "file:";
        for (char c : path) {
            static constexpr char c_hex[] = "0123456789ABCDEF";
            if (c == '%' || c == '?' || c == '#')
                name += {'%', c_hex[(c >> 4) & 0xF], c_hex[c & 0xF]};
            else
                name += c;
        }
        name += "?immutable=1";
    }
    int flags = readOnly || immutable ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE;
    if (immutable) flags |= SQLITE_OPEN_URI;
    sqlite3* db = nullptr;
    routeSqliteAllocations();
    rc = sqlite3_open_v2(name.c_str(), &db, flags, nullptr);
    if (rc == SQLITE_OK) rc = sqlite3_busy_timeout(db, c_lockWaitMilliseconds);
    // Sorts and checks keep their scratch tables in memory: no file in the temporary folder,
    // which may be full or read-only, and running out of memory is told as such. A page cache
    // of 16 MB (SQLite's default is 2) holds a database of 100,000 records, read in any order.
    if (rc == SQLITE_OK) rc = sqlite3_exec(db, "PRAGMA temp_store = MEMORY; PRAGMA cache_size = -16384", nullptr, nullptr, nullptr);
    return db;
}

}  // namespace ce::objstore::volumefile
