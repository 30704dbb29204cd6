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

class Statement {
public:
    Statement(sqlite3* db, const char* sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    bool prepared() const { return m_statement != nullptr; }
    // Resets the statement and clears its bindings, ready for another run.
    Statement& reset();
    Statement& bind(int index, std::int64_t value);
    Statement& bindText(int index, std::u16string_view text);
    Statement& bindBlob(int index, std::span<const BYTE> bytes);

    // SQLITE_ROW, SQLITE_DONE or an error code.
    int step();
    std::int64_t integer(int column) const;
    std::u16string text(int column) const;
    std::span<const BYTE> blob(int column) const;

private:
    sqlite3_stmt* m_statement = nullptr;
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
