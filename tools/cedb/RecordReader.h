// Walks the records of one database in one of its orders, reading each whole.
#pragma once

#include "PropertyValue.h"

namespace cedb {

class RecordReader {
public:
    RecordReader() = default;
    ~RecordReader();
    RecordReader(const RecordReader&) = delete;
    RecordReader& operator=(const RecordReader&) = delete;

    // Opens the database in the order of `sortProp` (0: creation order); false with the
    // last error set.
    bool open(CEOID database, CEPROPID sortProp);
    // The next record and its OID; 0 after the last one, or when it could not be read.
    CEOID next(RecordImage& record);
    // Whether the walk stopped on a record it could not read (damaged, a failed read)
    // rather than at the end; the last error says why.
    bool failed() const { return m_failed; }

private:
    bool read(RecordImage& record);

    HANDLE m_handle = INVALID_HANDLE_VALUE;
    LPBYTE m_buffer = nullptr;
    DWORD m_bufferSize = 0;
    bool m_started = false;
    bool m_failed = false;
};

// A whole database: its header and its records in creation order; false with the last
// error set, also when any record cannot be read.
bool readDatabase(CEOID oid, DatabaseImage& database);

}  // namespace cedb
