// A prepared SQLite statement that finalizes itself, with the few bind and column calls the
// volume needs.
#pragma once

#include <sqlite3.h>

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "windef.h"

namespace ce::objstore {

// Preparing, binding and reading a column can each run out of memory. The statement is
// prepared on first use and again after a failed preparation; a failure since the last
// reset makes step() return it without running, so that no query ever runs with a value
// missing.
class Statement {
public:
    // `sql` must outlive the statement (the volume's are literals).
    Statement(sqlite3* db, const char* sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    // Prepares it now if it is not yet: SQLITE_OK, or why it cannot be.
    int prepare() { return ready() ? SQLITE_OK : m_failure; }
    // Resets the statement, clears its bindings and any failure, ready for another run.
    Statement& reset();
    Statement& bind(int index, std::int64_t value);
    Statement& bindText(int index, std::u16string_view text);
    Statement& bindBlob(int index, std::span<const BYTE> bytes);

    // SQLITE_ROW, SQLITE_DONE or an error code.
    int step();
    std::int64_t integer(int column) const;
    std::u16string text(int column);
    std::span<const BYTE> blob(int column);
    // The first failure of preparing, binding or reading a column since the last reset,
    // or SQLITE_OK. A column read that failed gave an empty value, not the stored one.
    int failure() const { return m_failure; }

private:
    bool ready();
    void note(int rc);
    void noteColumnRead(const void* value, int column);

    sqlite3* m_db;
    const char* m_sql;
    sqlite3_stmt* m_statement = nullptr;
    int m_failure = SQLITE_OK;
};

// A cached statement in use: reset when the use ends, so that no finished query keeps a
// read transaction (and its old snapshot of the file) open.
class StatementUse {
public:
    explicit StatementUse(Statement& statement) : m_statement(statement) {}
    ~StatementUse() { m_statement.reset(); }
    StatementUse(const StatementUse&) = delete;
    StatementUse& operator=(const StatementUse&) = delete;
    Statement* operator->() { return &m_statement; }

private:
    Statement& m_statement;
};

}  // namespace ce::objstore
