// What a database handle holds: the volume and database it was opened on, the sort order
// it walks, its place in it, its open flags and its notification request.
#pragma once

#include <memory>
#include <optional>

#include "../kernel/KernelObject.h"
#include "Cursor.h"
#include "Database.h"
#include "ReadBuffer.h"
#include "Store.h"

namespace ce::objstore {

class DbHandle : public kernel::KernelObject {
public:
    DbHandle(std::shared_ptr<Store> store, std::shared_ptr<Database> database, KeyOrder order, DWORD flags,
             const CENOTIFYREQUEST* request);
    ~DbHandle() override;

    Store& store() { return *m_store; }
    Database& database() { return *m_database; }
    const KeyOrder& order() const { return m_order; }
    bool autoIncrement() const { return (m_flags & CEDB_AUTOINCREMENT) != 0; }
    const CENOTIFYREQUEST* request() const { return m_request ? &*m_request : nullptr; }
    Cursor& cursor() { return m_cursor; }

    // Brings the store up to date and returns this handle's order index (null on failure,
    // with the last error set).
    OrderIndex* freshIndex();

    // What a read fills and reuses, so that stepping through records allocates nothing: the
    // key's value when the order answers, and the list of properties to lay out.
    Property& keyValue() { return m_keyValue; }
    std::vector<ReadItem>& readItems() { return m_readItems; }

private:
    // Declared first so that the database goes before the store it reads.
    std::shared_ptr<Store> m_store;
    std::shared_ptr<Database> m_database;
    KeyOrder m_order;
    DWORD m_flags;
    std::optional<CENOTIFYREQUEST> m_request;
    Cursor m_cursor;
    Property m_keyValue;
    std::vector<ReadItem> m_readItems;
};

// The database handle behind a HANDLE; null (ERROR_INVALID_PARAMETER) for anything else.
DbHandle* findDbHandle(HANDLE handle);

}  // namespace ce::objstore
