// The SQLite baseline: a plain table of the same records (rowid, an indexed INTEGER, an
// indexed TEXT, a time), built once per size and kept between runs, and a statement wrapper.
#pragma once

#include <cstdint>
#include <string>

#include <sqlite3.h>

// A prepared statement that finalizes itself.
class SqlStatement {
public:
    SqlStatement(sqlite3* db, const char* sql);
    ~SqlStatement() { sqlite3_finalize(m_statement); }
    SqlStatement(const SqlStatement&) = delete;
    SqlStatement& operator=(const SqlStatement&) = delete;

    bool valid() const { return m_statement != nullptr; }
    sqlite3_stmt* get() const { return m_statement; }
    SqlStatement& bind(int slot, std::int64_t value);
    SqlStatement& bind(int slot, const std::string& text);
    // Steps once and resets: the first column of the row, or -1 when there is none.
    std::int64_t single();
    // Steps once and resets; true when the statement finished without error.
    bool run();

private:
    sqlite3_stmt* m_statement = nullptr;
};

class SqliteTable {
public:
    // The shared connection to the table of `count` records, building the file when it is
    // missing or holds another count; null on failure.
    static sqlite3* use(std::uint32_t count);
    // A new connection to an existing file, with the store's durability settings.
    static sqlite3* connect(std::uint32_t count);
    // The ORDER BY column of the store's sort order, "num" or "name".
    static const char* column(bool byName) { return byName ? "name" : "num"; }
};
