// Reads records by seeking rather than with CEDB_AUTOINCREMENT, so that every record's OID is
// known, even one whose properties were all deleted (its read reports ERROR_NO_DATA).
#include "RecordReader.h"

#include "DatabaseList.h"
#include "winbase.h"

namespace cedb {

RecordReader::~RecordReader() {
    if (m_handle != INVALID_HANDLE_VALUE) CloseHandle(m_handle);
    if (m_buffer) LocalFree(m_buffer);
}

bool RecordReader::open(CEOID database, CEPROPID sortProp) {
    m_handle = CeOpenDatabaseEx(nullptr, &database, nullptr, sortProp, 0, nullptr);
    return m_handle != INVALID_HANDLE_VALUE;
}

CEOID RecordReader::next(RecordImage& record) {
    DWORD seek = m_started ? CEDB_SEEK_CURRENT : CEDB_SEEK_BEGINNING;
    CEOID oid = CeSeekDatabase(m_handle, seek, m_started ? 1 : 0, nullptr);
    m_started = true;
    if (!oid) {
        m_failed = GetLastError() != ERROR_NO_MORE_ITEMS;
        return 0;
    }
    if (!read(record)) {
        m_failed = true;
        return 0;
    }
    return oid;
}

bool RecordReader::read(RecordImage& record) {
    record.clear();
    WORD count = 0;
    CEOID oid = CeReadRecordPropsEx(m_handle, CEDB_ALLOWREALLOC, &count, nullptr, &m_buffer, &m_bufferSize, nullptr);
    if (!oid) {
        // With a buffer the call may grow, a buffer too small means it could not be grown.
        if (GetLastError() == ERROR_INSUFFICIENT_BUFFER) SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return GetLastError() == ERROR_NO_DATA;
    }
    const auto* values = reinterpret_cast<const CEPROPVAL*>(m_buffer);
    for (WORD i = 0; i < count; ++i) record.push_back(PropertyValue::fromPropVal(values[i]));
    return true;
}

bool readDatabase(CEOID oid, DatabaseImage& database) {
    auto info = databaseInfo(oid);
    RecordReader reader;
    if (!info || !reader.open(oid, 0)) return false;
    database.name = info->szDbaseName;
    database.type = info->dwDbaseType;
    database.sortOrders = databaseSortOrders(oid);
    database.records.clear();
    RecordImage record;
    while (reader.next(record)) database.records.push_back(std::move(record));
    return !reader.failed();
}

}  // namespace cedb
