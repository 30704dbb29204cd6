// Database handles as kernel objects: closing one detaches it from its database.
#include "DbHandle.h"

#include "winbase.h"

namespace ce::objstore {

DbHandle::DbHandle(std::shared_ptr<Store> store, std::shared_ptr<Database> database, KeyOrder order, DWORD flags,
                   const CENOTIFYREQUEST* request)
    : m_store(std::move(store)), m_database(std::move(database)), m_order(order), m_flags(flags) {
    if (request) m_request = *request;
    if (m_request) m_store->requestOpened();
    m_database->attach(this);
    m_store->openMarks().mark(m_database->oid());
}

DbHandle::~DbHandle() {
    m_database->detach(this);
    m_store->openMarks().unmark(m_database->oid());
    if (m_request) m_store->requestClosed();
}

OrderIndex* DbHandle::freshIndex() {
    if (!m_store->refresh()) return nullptr;
    if (!m_store->isLive(*m_database)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    return m_database->index(m_order);
}

DbHandle* findDbHandle(HANDLE handle) {
    DbHandle* found = kernel::findObject<DbHandle>(handle);
    if (!found) SetLastError(ERROR_INVALID_PARAMETER);
    return found;
}

}  // namespace ce::objstore
