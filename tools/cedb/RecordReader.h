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
    // The next record and its OID; 0 after the last one.
    CEOID next(RecordImage& record);

private:
    bool read(RecordImage& record);

    HANDLE m_handle = INVALID_HANDLE_VALUE;
    LPBYTE m_buffer = nullptr;
    DWORD m_bufferSize = 0;
    bool m_started = false;
};

// A whole database: its header and its records in creation order; false with the last
// error set.
bool readDatabase(CEOID oid, DatabaseImage& database);

}  // namespace cedb
