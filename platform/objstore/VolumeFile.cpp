// Creating a volume file and checking one before use. A file is read with plain reads and a
// read-only connection first, so that a foreign or damaged file is refused untouched.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <set>

#include "Volume.h"
#include "winerror.h"

namespace ce::objstore::volumefile {

namespace {

constexpr char c_schema[] = R"sql(
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
    std::int32_t version = bigEndianAt(header, 60);
    if (version != c_schemaVersion)
        return refuse(path, "volume format " + std::to_string(version) + " is not the supported format " +
                                std::to_string(c_schemaVersion));
    return true;
}

bool singleText(sqlite3* db, const char* sql, std::string& result) {
    sqlite3_stmt* statement = nullptr;
    bool ok = sqlite3_prepare_v2(db, sql, -1, &statement, nullptr) == SQLITE_OK && sqlite3_step(statement) == SQLITE_ROW;
    if (ok) {
        const unsigned char* text = sqlite3_column_text(statement, 0);
        result = text ? reinterpret_cast<const char*>(text) : "";
    }
    sqlite3_finalize(statement);
    return ok;
}

bool hasTables(sqlite3* db) {
    const std::set<std::string> expected = {"volume", "databases", "sort_orders", "records"};
    std::set<std::string> found;
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db, "SELECT name FROM sqlite_master WHERE type = 'table'", -1, &statement, nullptr) !=
        SQLITE_OK)
        return false;
    while (sqlite3_step(statement) == SQLITE_ROW)
        found.insert(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)));
    sqlite3_finalize(statement);
    return found == expected;
}

bool checkContent(const std::string& path) {
    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    bool ok = rc == SQLITE_OK;
    std::string why = "cannot be read";
    if (ok && !hasTables(db)) {
        ok = false;
        why = "not an object store volume (wrong tables)";
    }
    std::string integrity;
    if (ok && (!singleText(db, "PRAGMA quick_check", integrity) || integrity != "ok")) {
        ok = false;
        why = "the volume is damaged (" + (integrity.empty() ? std::string(sqlite3_errmsg(db)) : integrity) + ")";
    }
    sqlite3_close(db);
    return ok || refuse(path, why);
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
    int rc = sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
    std::string pragmas = "PRAGMA application_id = " + std::to_string(c_applicationId) +
                          "; PRAGMA user_version = " + std::to_string(c_schemaVersion) +
                          "; PRAGMA journal_mode = WAL; BEGIN;";
    if (rc == SQLITE_OK) rc = sqlite3_exec(db, pragmas.c_str(), nullptr, nullptr, nullptr);
    if (rc == SQLITE_OK) rc = sqlite3_exec(db, c_schema, nullptr, nullptr, nullptr);
    if (rc == SQLITE_OK) rc = sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    std::string message = db ? sqlite3_errmsg(db) : "out of memory";
    sqlite3_close(db);
    if (rc == SQLITE_OK) return true;
    setVolumeError(rc == SQLITE_FULL ? ERROR_DISK_FULL : ERROR_INVALID_DATA,
                   path + ": cannot create the volume: " + message);
    return false;
}

void syncFolder(const std::string& path) {
    size_t slash = path.find_last_of('/');
    std::string folder = slash == std::string::npos ? "." : (slash == 0 ? "/" : path.substr(0, slash));
    int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

}  // namespace

bool create(const std::string& path) {
    if (!makeParentFolder(path)) return false;
    // Built under a private name and linked into place, so no other process ever sees a
    // half-made volume, and a volume another process made meanwhile is kept.
    std::string building = path + ".new-" + std::to_string(::getpid());
    int fd = ::open(building.c_str(), O_CREAT | O_EXCL | O_RDWR | O_CLOEXEC, 0600);
    if (fd < 0) return failWithErrno(building, "create the volume");
    ::fchmod(fd, 0600);
    ::close(fd);
    bool ok = writeSchema(building);
    if (ok && ::link(building.c_str(), path.c_str()) != 0 && errno != EEXIST)
        ok = failWithErrno(path, "create the volume");
    ::unlink(building.c_str());
    if (ok) syncFolder(path);
    return ok;
}

bool check(const std::string& path) {
    return checkHeader(path) && checkContent(path);
}

}  // namespace ce::objstore::volumefile
