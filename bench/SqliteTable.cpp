// Builds and caches the SQLite baseline table. WAL with synchronous FULL: the object store's
// own setting, so single-change transactions pay the same disk syncs on both sides.
#include "SqliteTable.h"

#include <map>

#include "BenchFiles.h"
#include "BenchRecords.h"

SqlStatement::SqlStatement(sqlite3* db, const char* sql) {
    if (sqlite3_prepare_v2(db, sql, -1, &m_statement, nullptr) != SQLITE_OK) m_statement = nullptr;
}

SqlStatement& SqlStatement::bind(int slot, std::int64_t value) {
    sqlite3_bind_int64(m_statement, slot, value);
    return *this;
}

SqlStatement& SqlStatement::bind(int slot, const std::string& text) {
    sqlite3_bind_text(m_statement, slot, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
    return *this;
}

std::int64_t SqlStatement::single() {
    std::int64_t value = sqlite3_step(m_statement) == SQLITE_ROW ? sqlite3_column_int64(m_statement, 0) : -1;
    sqlite3_reset(m_statement);
    return value;
}

bool SqlStatement::run() {
    int rc = sqlite3_step(m_statement);
    sqlite3_reset(m_statement);
    return rc == SQLITE_DONE || rc == SQLITE_ROW;
}

namespace {

constexpr const char* c_schema =
    "CREATE TABLE records (id INTEGER PRIMARY KEY, num INTEGER NOT NULL, name TEXT NOT NULL, "
    "ft INTEGER NOT NULL)";
constexpr const char* c_indexes =
    "CREATE INDEX records_num ON records (num); CREATE INDEX records_name ON records (name)";

sqlite3* openFile(const std::string& path) {
    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (rc == SQLITE_OK) rc = sqlite3_exec(db, "PRAGMA journal_mode = WAL; PRAGMA synchronous = FULL", nullptr, nullptr, nullptr);
    if (rc == SQLITE_OK) return db;
    sqlite3_close(db);
    return nullptr;
}

bool holds(sqlite3* db, std::uint32_t count) {
    SqlStatement query(db, "SELECT count(*) FROM records");
    return query.valid() && query.single() == count;
}

bool fill(sqlite3* db, std::uint32_t count) {
    SqlStatement insert(db, "INSERT INTO records (num, name, ft) VALUES (?, ?, ?)");
    if (!insert.valid()) return false;
    for (std::uint32_t i = 0; i < count; ++i) {
        BenchRecord record = benchRecord(i);
        insert.bind(1, record.number).bind(2, narrowName(record.name)).bind(3, static_cast<std::int64_t>(record.filetime));
        if (!insert.run()) return false;
    }
    return true;
}

bool build(sqlite3* db, std::uint32_t count) {
    if (sqlite3_exec(db, c_schema, nullptr, nullptr, nullptr) != SQLITE_OK) return false;
    if (sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr) != SQLITE_OK) return false;
    bool filled = fill(db, count) && sqlite3_exec(db, c_indexes, nullptr, nullptr, nullptr) == SQLITE_OK;
    return sqlite3_exec(db, filled ? "COMMIT" : "ROLLBACK", nullptr, nullptr, nullptr) == SQLITE_OK && filled;
}

// The shared connections, closed at exit.
struct Connections {
    std::map<std::uint32_t, sqlite3*> bySize;
    ~Connections() {
        for (auto& entry : bySize) sqlite3_close_v2(entry.second);
    }
};

}  // namespace

sqlite3* SqliteTable::connect(std::uint32_t count) {
    return openFile(benchFile(count, "sqlite"));
}

sqlite3* SqliteTable::use(std::uint32_t count) {
    static Connections connections;
    sqlite3*& db = connections.bySize[count];
    if (db) return db;
    db = connect(count);
    if (db && holds(db, count)) return db;
    sqlite3_close(db);
    std::string path = benchFile(count, "sqlite");
    removeDatabaseFile(path);
    db = openFile(path);
    if (db && build(db, count)) return db;
    sqlite3_close(db);
    db = nullptr;
    return nullptr;
}
