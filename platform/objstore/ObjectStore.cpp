// The object store's database calls (open, create, delete, enumerate, information), and the
// engine's design notes.
//
// Volume file (SQLite, application_id "ORVN", user_version 3, WAL, synchronous FULL):
//   volume(next_oid)            the OID counter shared by databases and records
//   databases(oid, name, folded_name UNIQUE, type, record_count, size, modified,
//             change_count)     one row per database; folded_name makes names unique
//                               case-insensitively
//   sort_orders(database_oid, position, propid, flags)
//   records(oid, database_oid, properties)   properties encoded by Record.cpp
//   change_log(seq, database_oid, record_oid, kind, change_count)
//                               every record change in commit order, with the database's
//                               change count after it; kind is the notification's type
//   sort_indexes(database_oid, propid, flags, change_count, keys)
//                               a sort order's index as it stood at that change count
//                               (SavedIndex.h), saved after a database of 4,096 records or
//                               more was indexed from its records; loaded, once checked,
//                               instead of reading every record while the count still holds
// Every change (database created or deleted, record written or deleted) is one IMMEDIATE
// transaction that also updates its database's row, and logs a record change. A volume of
// format 1 (no change_log) or 2 (no sort_indexes) is given what it lacks when it is opened
// writable; opened read-only, it is used without. A file checked sound is not read through
// again while its inode, size and change time (and its log's) stay as they were.
//
// In memory: a Store per opened volume; a Database per database this process has opened
// (kept after its handles close, so reopening in another order does not reread it); an
// OrderIndex (order-statistic treap of sort keys, 32 bytes a record plus a string key's
// units) per sort order a handle has walked,
// shared by all handles on that order. A handle keeps its place as the key of its current
// record (Cursor), so the place survives other handles' changes without being touched.
//
// Keeping in step: a change made in this process updates every index of its database at
// once and records the change count the row got. At each call the store asks SQLite's
// data_version whether another connection committed; if so, in one read snapshot, it reads
// the log after the last entry it saw and gives each entry to its database, which applies
// the one following its own count (O(log n): the record as the file has it now is put in,
// or taken out, of each index) and posts it to its handles with a request; entries it holds
// already (its own process's) are skipped. Then each known database re-reads its row: a
// count that still differs (the log pruned past it, a read-only old volume, a damaged log)
// drops its indexes to rebuild them on next use, without notifications for what was missed.
// Writers prune the log themselves, every 256th entry down to the newest 65,536, and never
// wait for a reader: one that fell further behind rebuilds instead.
//
// Waking: a program waiting in GetMessage makes no store call. While a handle with a
// notification request is open, a VolumeWatch thread waits on inotify for writes to the
// volume and its -wal and posts one WM_NULL; the queue's delivery then refreshes the store
// on the window thread, which posts the notifications. No store work is done off it.
//
// Invariants:
//   1. OIDs come only from volume.next_oid, which only grows: OIDs are unique in a volume,
//      never reused, and their order is creation order (the tie-break of every sort order).
//   2. databases.record_count and size equal the count and the summed Record::size() of the
//      database's records after every committed transaction.
//   3. An index holds exactly one key per record of its database, computed by its KeyOrder,
//      whenever its Database's change count equals the row's.
//   4. A handle is never notified of its own changes; notifications are posted after the
//      transaction committed.
//   5. A volume file is read and checked (header, the whole schema, integrity) before any
//      connection that can write to it is opened, unless this user's processes checked it
//      and it has not changed since; a refused file is never written. A lock
//      held by another process is waited for, then told as such, never as a foreign file.
//   6. While any handle of a process is open on a database, that process holds a shared
//      lock on the database's byte of "<volume>-open" (OpenMarks), so a delete from any
//      process sees the database as open.
#include <algorithm>
#include <optional>

#include "kernel/KernelObject.h"
#include "DbHandle.h"
#include "Store.h"
#include "winbase.h"

namespace ce::objstore {

namespace {

constexpr size_t c_maxNameLength = CEDB_MAXDBASENAMELEN - 1;

class DbEnum : public kernel::KernelObject {
public:
    DbEnum(std::shared_ptr<Store> store, DWORD type) : m_store(std::move(store)), m_type(type) {}
    // The next database's OID, 0 after the last; nothing when the volume cannot be read.
    std::optional<CEOID> next() {
        if (!m_store->refresh()) return std::nullopt;
        CEOID oid = m_store->volume().nextDatabase(m_last, m_type);
        if (!oid && m_store->volume().lastQueryFailed()) return std::nullopt;
        if (oid) m_last = oid;
        return oid;
    }

private:
    std::shared_ptr<Store> m_store;
    DWORD m_type;
    CEOID m_last = 0;
};

std::u16string nameOf(const WCHAR* text, size_t room) {
    std::u16string name;
    for (size_t i = 0; i < room && text[i]; ++i) name.push_back(text[i]);
    if (name.size() > c_maxNameLength) name.resize(c_maxNameLength);
    return name;
}

bool invalid() {
    SetLastError(ERROR_INVALID_PARAMETER);
    return false;
}

// The store writes only sort orders it can read back: those isValidSortOrder accepts.
bool validSortOrders(const CEDBASEINFO& info) {
    if (!(info.dwFlags & CEDB_VALIDSORTSPEC)) return true;
    if (info.wNumSortOrder > CEDB_MAXSORTORDER) return false;
    return std::all_of(info.rgSortSpecs, info.rgSortSpecs + info.wNumSortOrder, isValidSortOrder);
}

std::shared_ptr<Store> freshStore() {
    auto store = currentStore();
    if (store && !store->refresh()) return nullptr;
    return store;
}

BOOL deleteDatabase(CEOID oid) {
    auto store = freshStore();
    if (!store) return FALSE;
    if (!oid) return invalid();
    if (!store->volume().database(oid)) return store->volume().lastQueryFailed() ? FALSE : invalid();
    if (store->isOpen(oid) || store->openMarks().heldElsewhere(oid)) {
        SetLastError(ERROR_SHARING_VIOLATION);
        return FALSE;
    }
    Volume& volume = store->volume();
    if (!volume.begin() || !volume.removeDatabase(oid) || !volume.commit()) return volume.rollback(), FALSE;
    store->forget(oid);
    return TRUE;
}

void fillDatabaseInfo(const DatabaseRow& row, CEDBASEINFO& info) {
    info = CEDBASEINFO{};
    info.dwFlags = CEDB_VALIDNAME | CEDB_VALIDTYPE | CEDB_VALIDSORTSPEC | CEDB_VALIDMODTIME;
    std::copy(row.name.begin(), row.name.begin() + std::min(row.name.size(), c_maxNameLength), info.szDbaseName);
    info.dwDbaseType = row.type;
    info.wNumRecords = static_cast<WORD>(row.recordCount & 0xFFFF);
    // The volume's rows are checked on reading; the bound keeps the fixed array safe regardless.
    size_t sortOrders = std::min<size_t>(row.sortOrders.size(), CEDB_MAXSORTORDER);
    info.wNumSortOrder = static_cast<WORD>(sortOrders);
    info.dwSize = static_cast<DWORD>(std::min<std::uint64_t>(row.size, 0xFFFFFFFFu));
    info.ftLastModified = {static_cast<DWORD>(row.modified), static_cast<DWORD>(row.modified >> 32)};
    std::copy_n(row.sortOrders.begin(), sortOrders, info.rgSortSpecs);
}

// What an OID names; OBJTYPE_INVALID (ERROR_INVALID_HANDLE) when nothing.
WORD describe(CEOID oid, DatabaseRow& row, CEOID& parent) {
    auto store = freshStore();
    if (!store) return OBJTYPE_INVALID;
    Volume& volume = store->volume();
    if (auto found = volume.database(oid)) {
        row = *found;
        return OBJTYPE_DATABASE;
    }
    if (volume.lastQueryFailed()) return OBJTYPE_INVALID;
    if (oid && volume.record(oid, &parent)) return OBJTYPE_RECORD;
    if (oid && volume.lastQueryFailed()) return OBJTYPE_INVALID;
    SetLastError(ERROR_INVALID_HANDLE);
    return OBJTYPE_INVALID;
}

}  // namespace

}  // namespace ce::objstore

using namespace ce::objstore;

HANDLE CeOpenDatabaseEx(PCEGUID pguid, PCEOID poid, LPCWSTR lpszName, CEPROPID propid, DWORD dwFlags,
                        CENOTIFYREQUEST* pRequest) {
    if (!poid) return invalid(), INVALID_HANDLE_VALUE;
    // The invalid GUID asks for a search of every volume by name, whatever the OID says.
    CEOID given = pguid && CHECK_INVALIDGUID(pguid) ? 0 : *poid;
    if (!given && (!lpszName || !*lpszName)) return invalid(), INVALID_HANDLE_VALUE;
    auto store = freshStore();
    if (!store) return INVALID_HANDLE_VALUE;
    CEOID oid = given ? given : store->volume().databaseNamed(nameOf(lpszName, SIZE_MAX));
    auto database = oid ? store->openDatabase(oid) : nullptr;
    if (!database) {
        // A lookup that failed (by name too) is not a database that does not exist.
        if (store->volume().lastQueryFailed()) return INVALID_HANDLE_VALUE;
        SetLastError(given ? ERROR_INVALID_PARAMETER : ERROR_FILE_NOT_FOUND);
        return INVALID_HANDLE_VALUE;
    }
    auto order = database->orderFor(propid);
    if (!order) return invalid(), INVALID_HANDLE_VALUE;
    const CENOTIFYREQUEST* request = pRequest && pRequest->hwnd ? pRequest : nullptr;
    auto handle = std::make_unique<DbHandle>(store, database, *order, dwFlags, request);
    OrderIndex* index = handle->freshIndex();
    if (!index) return INVALID_HANDLE_VALUE;
    if (index->size()) handle->cursor().toIndex(*index, 0);
    HANDLE result = ce::kernel::addObject(std::move(handle));
    if (!result) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return INVALID_HANDLE_VALUE;
    }
    *poid = oid;
    return result;
}

CEOID CeCreateDatabaseEx(PCEGUID, CEDBASEINFO* pInfo) {
    if (!pInfo || !(pInfo->dwFlags & CEDB_VALIDNAME) || !validSortOrders(*pInfo)) return invalid();
    DatabaseRow row;
    row.name = nameOf(pInfo->szDbaseName, CEDB_MAXDBASENAMELEN);
    if (row.name.empty()) return invalid();
    if (pInfo->dwFlags & CEDB_VALIDTYPE) row.type = pInfo->dwDbaseType;
    if (pInfo->dwFlags & CEDB_VALIDSORTSPEC)
        row.sortOrders.assign(pInfo->rgSortSpecs, pInfo->rgSortSpecs + pInfo->wNumSortOrder);
    auto store = freshStore();
    if (!store) return 0;
    Volume& volume = store->volume();
    if (volume.databaseNamed(row.name)) {
        SetLastError(ERROR_DUP_NAME);
        return 0;
    }
    if (volume.lastQueryFailed()) return 0;
    CEOID oid = volume.begin() ? volume.insertDatabase(row) : 0;
    if (oid && volume.commit()) return oid;
    volume.rollback();
    return 0;
}

CEOID CeCreateDatabase(LPCWSTR lpszName, DWORD dwDbaseType, WORD wNumSortOrder, SORTORDERSPEC* rgSortSpecs) {
    if (!lpszName || wNumSortOrder > CEDB_MAXSORTORDER || (wNumSortOrder && !rgSortSpecs)) return invalid();
    CEDBASEINFO info{};
    info.dwFlags = CEDB_VALIDNAME | CEDB_VALIDTYPE | CEDB_VALIDSORTSPEC;
    std::u16string name = nameOf(lpszName, SIZE_MAX);
    std::copy(name.begin(), name.end(), info.szDbaseName);
    info.dwDbaseType = dwDbaseType;
    info.wNumSortOrder = wNumSortOrder;
    std::copy(rgSortSpecs, rgSortSpecs + wNumSortOrder, info.rgSortSpecs);
    return CeCreateDatabaseEx(nullptr, &info);
}

BOOL CeDeleteDatabase(CEOID oidDbase) {
    return deleteDatabase(oidDbase);
}

BOOL CeDeleteDatabaseEx(PCEGUID, CEOID oidDbase) {
    return deleteDatabase(oidDbase);
}

HANDLE CeFindFirstDatabaseEx(PCEGUID, DWORD dwDbaseType) {
    auto store = freshStore();
    if (!store) return INVALID_HANDLE_VALUE;
    HANDLE handle = ce::kernel::addObject(std::make_unique<DbEnum>(store, dwDbaseType));
    if (!handle) {
        SetLastError(ERROR_OUTOFMEMORY);
        return INVALID_HANDLE_VALUE;
    }
    return handle;
}

CEOID CeFindNextDatabaseEx(HANDLE hEnum, PCEGUID pguid) {
    auto* enumeration = ce::kernel::findObject<DbEnum>(hEnum);
    if (!enumeration) return invalid();
    std::optional<CEOID> next = enumeration->next();
    if (!next) return 0;
    CEOID oid = *next;
    if (!oid) {
        SetLastError(ERROR_NO_MORE_ITEMS);
        return 0;
    }
    if (pguid) *pguid = CEGUID{};
    return oid;
}

BOOL CeOidGetInfoEx(PCEGUID, CEOID oid, CEOIDINFO* oidInfo) {
    if (!oidInfo) return invalid();
    DatabaseRow row;
    CEOID parent = 0;
    WORD type = describe(oid, row, parent);
    if (type == OBJTYPE_INVALID) return FALSE;
    oidInfo->wObjType = type;
    oidInfo->wPad = 0;
    if (type == OBJTYPE_DATABASE)
        fillDatabaseInfo(row, oidInfo->infDatabase);
    else
        oidInfo->infRecord.oidParent = parent;
    return TRUE;
}

BOOL CeOidGetInfo(CEOID oid, CEOIDINFO* oidInfo) {
    return CeOidGetInfoEx(nullptr, oid, oidInfo);
}

BOOL CeOidGetInfoEx2(PCEGUID, CEOID oid, CEOIDINFOEX* oidInfo) {
    if (!oidInfo) return invalid();
    DatabaseRow row;
    CEOID parent = 0;
    WORD type = describe(oid, row, parent);
    if (type == OBJTYPE_INVALID) return FALSE;
    oidInfo->wVersion = CEOIDINFOEX_VERSION;
    oidInfo->wObjType = type;
    if (type != OBJTYPE_DATABASE) {
        oidInfo->infRecord.oidParent = parent;
        return TRUE;
    }
    CEDBASEINFO info;
    fillDatabaseInfo(row, info);
    CEDBASEINFOEX& ex = oidInfo->infDatabase;
    ex = CEDBASEINFOEX{};
    ex.wVersion = CEDBASEINFOEX_VERSION;
    ex.wNumSortOrder = info.wNumSortOrder;
    ex.dwFlags = info.dwFlags;
    std::copy(std::begin(info.szDbaseName), std::end(info.szDbaseName), ex.szDbaseName);
    ex.dwDbaseType = row.type;
    ex.dwNumRecords = static_cast<DWORD>(row.recordCount);
    ex.dwSize = info.dwSize;
    ex.ftLastModified = info.ftLastModified;
    for (WORD i = 0; i < info.wNumSortOrder; ++i) {
        ex.rgSortSpecs[i].wVersion = SORTORDERSPECEX_VERSION;
        ex.rgSortSpecs[i].wNumProps = 1;
        ex.rgSortSpecs[i].rgPropID[0] = info.rgSortSpecs[i].propid;
        ex.rgSortSpecs[i].rgdwFlags[0] = info.rgSortSpecs[i].dwFlags;
    }
    return TRUE;
}
