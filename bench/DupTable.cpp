// Builds the duplicate finder's baseline table in one transaction. The strings go in as
// UTF-16 and are kept as TEXT: GROUP BY compares them whole, as the finder does.
#include "DupTable.h"

#include "BenchFiles.h"
#include "SqliteTable.h"

namespace {

bool fill(sqlite3* db, const std::vector<std::u16string>& values) {
    SqlStatement insert(db, "INSERT INTO dup_values (value) VALUES (?)");
    if (!insert.valid()) return false;
    for (const std::u16string& value : values) {
        sqlite3_bind_text16(insert.get(), 1, value.data(), static_cast<int>(value.size() * sizeof(char16_t)),
                            SQLITE_TRANSIENT);
        if (!insert.run()) return false;
    }
    return true;
}

bool build(sqlite3* db, const std::vector<std::u16string>& values, bool indexed) {
    const char* schema = indexed ? "CREATE TABLE dup_values (value TEXT NOT NULL); "
                                   "CREATE INDEX dup_values_value ON dup_values (value)"
                                 : "CREATE TABLE dup_values (value TEXT NOT NULL)";
    if (sqlite3_exec(db, "PRAGMA journal_mode = WAL; BEGIN", nullptr, nullptr, nullptr) != SQLITE_OK) return false;
    bool filled = sqlite3_exec(db, schema, nullptr, nullptr, nullptr) == SQLITE_OK && fill(db, values);
    return sqlite3_exec(db, filled ? "COMMIT" : "ROLLBACK", nullptr, nullptr, nullptr) == SQLITE_OK && filled;
}

}  // namespace

sqlite3* DupTable::create(const std::string& path, const std::vector<std::u16string>& values, bool indexed) {
    removeDatabaseFile(path);
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) == SQLITE_OK &&
        build(db, values, indexed))
        return db;
    sqlite3_close(db);
    return nullptr;
}

std::int64_t DupTable::repeats(sqlite3* db) {
    SqlStatement query(db, c_repeatsQuery);
    if (!query.valid()) return -1;
    std::int64_t total = 0;
    int rc = SQLITE_ROW;
    while ((rc = sqlite3_step(query.get())) == SQLITE_ROW) total += sqlite3_column_int64(query.get(), 1) - 1;
    return rc == SQLITE_DONE ? total : -1;
}
