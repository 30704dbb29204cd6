// Prepared statements for the volume file.
#include "Statement.h"

namespace ce::objstore {

Statement::Statement(sqlite3* db, const char* sql) : m_db(db), m_sql(sql) {}

Statement::~Statement() {
    sqlite3_finalize(m_statement);
}

bool Statement::ready() {
    if (m_statement) return true;
    int rc = sqlite3_prepare_v3(m_db, m_sql, -1, SQLITE_PREPARE_PERSISTENT, &m_statement, nullptr);
    if (rc == SQLITE_OK && m_statement) return true;
    sqlite3_finalize(m_statement);
    m_statement = nullptr;
    note(rc == SQLITE_OK ? SQLITE_MISUSE : rc);
    return false;
}

void Statement::note(int rc) {
    if (rc != SQLITE_OK && m_failure == SQLITE_OK) m_failure = rc;
}

void Statement::noteColumnRead(const void* value, int column) {
    // A value that needed converting and could not be converted comes back as null.
    if (!value && sqlite3_column_type(m_statement, column) != SQLITE_NULL &&
        (sqlite3_errcode(m_db) & 0xFF) == SQLITE_NOMEM)
        note(SQLITE_NOMEM);
}

Statement& Statement::reset() {
    if (m_statement) {
        sqlite3_reset(m_statement);
        sqlite3_clear_bindings(m_statement);
    }
    m_failure = SQLITE_OK;
    return *this;
}

Statement& Statement::bind(int index, std::int64_t value) {
    if (ready()) note(sqlite3_bind_int64(m_statement, index, value));
    return *this;
}

Statement& Statement::bindText(int index, std::u16string_view text) {
    if (ready())
        note(sqlite3_bind_text16(m_statement, index, text.data(), static_cast<int>(text.size() * sizeof(char16_t)),
                                 SQLITE_TRANSIENT));
    return *this;
}

Statement& Statement::bindBlob(int index, std::span<const BYTE> bytes) {
    // A zero-length BLOB still has to be a BLOB, not NULL.
    static const BYTE c_empty = 0;
    if (ready())
        note(sqlite3_bind_blob(m_statement, index, bytes.empty() ? &c_empty : bytes.data(),
                               static_cast<int>(bytes.size()), SQLITE_TRANSIENT));
    return *this;
}

int Statement::step() {
    if (m_failure != SQLITE_OK || !ready()) return m_failure;
    return sqlite3_step(m_statement);
}

std::int64_t Statement::integer(int column) const {
    return sqlite3_column_int64(m_statement, column);
}

std::u16string Statement::text(int column) {
    auto* units = static_cast<const char16_t*>(sqlite3_column_text16(m_statement, column));
    noteColumnRead(units, column);
    int bytes = sqlite3_column_bytes16(m_statement, column);
    return units ? std::u16string(units, static_cast<size_t>(bytes) / sizeof(char16_t)) : std::u16string();
}

std::span<const BYTE> Statement::blob(int column) {
    auto* bytes = static_cast<const BYTE*>(sqlite3_column_blob(m_statement, column));
    noteColumnRead(bytes, column);
    int size = sqlite3_column_bytes(m_statement, column);
    return bytes ? std::span<const BYTE>(bytes, static_cast<size_t>(size)) : std::span<const BYTE>();
}

}  // namespace ce::objstore
