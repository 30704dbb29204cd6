// Prepared statements for the volume file.
#include "Statement.h"

namespace ce::objstore {

Statement::Statement(sqlite3* db, const char* sql) {
    if (sqlite3_prepare_v3(db, sql, -1, SQLITE_PREPARE_PERSISTENT, &m_statement, nullptr) != SQLITE_OK)
        m_statement = nullptr;
}

Statement::~Statement() {
    sqlite3_finalize(m_statement);
}

Statement& Statement::reset() {
    sqlite3_reset(m_statement);
    sqlite3_clear_bindings(m_statement);
    return *this;
}

Statement& Statement::bind(int index, std::int64_t value) {
    sqlite3_bind_int64(m_statement, index, value);
    return *this;
}

Statement& Statement::bindText(int index, std::u16string_view text) {
    sqlite3_bind_text16(m_statement, index, text.data(), static_cast<int>(text.size() * sizeof(char16_t)),
                        SQLITE_TRANSIENT);
    return *this;
}

Statement& Statement::bindBlob(int index, std::span<const BYTE> bytes) {
    // A zero-length BLOB still has to be a BLOB, not NULL.
    static const BYTE c_empty = 0;
    sqlite3_bind_blob(m_statement, index, bytes.empty() ? &c_empty : bytes.data(), static_cast<int>(bytes.size()),
                      SQLITE_TRANSIENT);
    return *this;
}

int Statement::step() {
    if (!m_statement) return SQLITE_MISUSE;
    return sqlite3_step(m_statement);
}

std::int64_t Statement::integer(int column) const {
    return sqlite3_column_int64(m_statement, column);
}

std::u16string Statement::text(int column) const {
    auto* units = static_cast<const char16_t*>(sqlite3_column_text16(m_statement, column));
    int bytes = sqlite3_column_bytes16(m_statement, column);
    return units ? std::u16string(units, static_cast<size_t>(bytes) / sizeof(char16_t)) : std::u16string();
}

std::span<const BYTE> Statement::blob(int column) const {
    auto* bytes = static_cast<const BYTE*>(sqlite3_column_blob(m_statement, column));
    int size = sqlite3_column_bytes(m_statement, column);
    return bytes ? std::span<const BYTE>(bytes, static_cast<size_t>(size)) : std::span<const BYTE>();
}

}  // namespace ce::objstore
