// The object store's record calls: seek, read, write and delete through a database handle.
#include "DbHandle.h"
#include "ReadBuffer.h"
#include "winbase.h"

namespace ce::objstore {

namespace {

CEOID fail(DWORD error) {
    SetLastError(error);
    return 0;
}

bool matches(const OrderIndex& index, size_t at, const SortValue& value) {
    SortKey key = index.at(at);
    return key.present && index.order().compareToValue(key, value) == 0;
}

std::optional<size_t> seekByValue(DbHandle& handle, const OrderIndex& index, DWORD type, const SortValue& value) {
    size_t count = index.size();
    switch (type) {
    case CEDB_SEEK_VALUEFIRSTEQUAL: {
        size_t at = index.lowerBound(value);
        if (at < count && matches(index, at, value)) return at;
        return std::nullopt;
    }
    case CEDB_SEEK_VALUEGREATER: {
        size_t at = index.lowerBound(value);
        if (at < count && index.at(at).present) return at;
        return std::nullopt;
    }
    case CEDB_SEEK_VALUESMALLER: {
        size_t after = index.upperBound(value);
        if (after > 0 && index.at(after - 1).present) return after - 1;
        return std::nullopt;
    }
    default: {  // CEDB_SEEK_VALUENEXTEQUAL
        auto next = handle.cursor().moved(index, 1);
        if (next && matches(index, *next, value)) return next;
        return std::nullopt;
    }
    }
}

// The index a seek reaches; nothing (last error set) when it reaches no record.
std::optional<size_t> seekTarget(DbHandle& handle, const OrderIndex& index, DWORD type, DWORD_PTR value) {
    SetLastError(ERROR_NO_MORE_ITEMS);
    auto count = static_cast<std::uint64_t>(index.size());
    auto number = static_cast<DWORD>(value);  // counts keep their 32-bit meaning
    switch (type) {
    case CEDB_SEEK_CEOID: {
        if (auto rank = index.rankOfRecord(number)) return rank;
        SetLastError(ERROR_INVALID_PARAMETER);
        return std::nullopt;
    }
    case CEDB_SEEK_BEGINNING: return number < count ? std::optional<size_t>(number) : std::nullopt;
    case CEDB_SEEK_END: return number < count ? std::optional<size_t>(count - 1 - number) : std::nullopt;
    case CEDB_SEEK_CURRENT: return handle.cursor().moved(index, static_cast<LONG>(number));
    case CEDB_SEEK_VALUESMALLER:
    case CEDB_SEEK_VALUEFIRSTEQUAL:
    case CEDB_SEEK_VALUEGREATER:
    case CEDB_SEEK_VALUENEXTEQUAL: break;
    default: SetLastError(ERROR_INVALID_PARAMETER); return std::nullopt;
    }
    const auto* probe = reinterpret_cast<const CEPROPVAL*>(value);
    auto sortValue = probe ? index.order().probeOf(*probe) : std::nullopt;
    if (!sortValue) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return std::nullopt;
    }
    return seekByValue(handle, index, type, *sortValue);
}

void itemsToRead(const Record& record, WORD count, const CEPROPID* ids, std::vector<ReadItem>& items) {
    items.clear();
    if (!ids) {
        for (const Property& property : record.properties) items.push_back({property.propid, &property});
        return;
    }
    for (WORD i = 0; i < count; ++i) items.push_back({ids[i], record.find(ids[i])});
}

bool anyFound(const std::vector<ReadItem>& items) {
    for (const ReadItem& item : items)
        if (item.property) return true;
    return items.empty();
}

// The current record's index, stepping over a deleted one when the handle auto-increments.
std::optional<size_t> recordToRead(DbHandle& handle, const OrderIndex& index) {
    Cursor& cursor = handle.cursor();
    if (cursor.onDeletedRecord(index)) {
        if (!handle.autoIncrement()) return SetLastError(ERROR_KEY_DELETED), std::nullopt;
        cursor.toIndex(index, cursor.following(index));
    }
    auto at = cursor.current(index);
    if (!at) SetLastError(ERROR_NO_MORE_ITEMS);
    return at;
}

CEOID writeRecord(DbHandle& handle, CEOID oid, WORD count, const CEPROPVAL* values) {
    Volume& volume = handle.store().volume();
    Database& database = handle.database();
    if (!volume.begin()) return 0;
    Record record;
    CEOID parent = 0;
    if (oid) {
        auto existing = volume.record(oid, &parent);
        if (!existing && volume.lastQueryFailed()) return volume.rollback(), CEOID{0};
        if (!existing || parent != database.oid()) return volume.rollback(), fail(ERROR_INVALID_PARAMETER);
        record = std::move(*existing);
    }
    auto oldSize = static_cast<std::int64_t>(oid ? record.size() : 0);
    if (!applyWrite(record, values, count)) return volume.rollback(), fail(ERROR_INVALID_PARAMETER);
    CEOID written = oid ? (volume.updateRecord(oid, record) ? oid : 0) : volume.insertRecord(database.oid(), record);
    auto grown = static_cast<std::int64_t>(record.size()) - oldSize;
    UINT kind = oid ? DB_CEOID_CHANGED : DB_CEOID_CREATED;
    std::uint64_t changeCount = 0;
    if (!written || !volume.touchDatabase(database.oid(), written, kind, oid ? 0 : 1, grown, changeCount) ||
        !volume.commit())
        return volume.rollback(), CEOID{0};
    database.recordWritten(written, record, oid == 0, &handle, changeCount);
    return written;
}

}  // namespace

}  // namespace ce::objstore

using namespace ce::objstore;

CEOID CeSeekDatabase(HANDLE hDatabase, DWORD dwSeekType, DWORD_PTR dwValue, LPDWORD lpdwIndex) {
    DbHandle* handle = findDbHandle(hDatabase);
    OrderIndex* index = handle ? handle->freshIndex() : nullptr;
    if (!index) return 0;
    auto target = seekTarget(*handle, *index, dwSeekType, dwValue);
    if (!target) return 0;
    handle->cursor().toIndex(*index, *target);
    if (lpdwIndex) *lpdwIndex = static_cast<DWORD>(*target);
    return handle->cursor().key().oid;
}

CEOID CeReadRecordPropsEx(HANDLE hDbase, DWORD dwFlags, WORD* lpcPropID, CEPROPID* rgPropID, LPBYTE* lplpBuffer,
                          LPDWORD lpcbBuffer, HANDLE hHeap) {
    if (!lpcPropID || !lplpBuffer || !lpcbBuffer) return fail(ERROR_INVALID_PARAMETER);
    DbHandle* handle = findDbHandle(hDbase);
    if (!handle) return 0;
    // The look for other processes' changes and the read share one read transaction: half
    // the file locking of two.
    Volume& volume = handle->store().volume();
    if (!volume.beginSnapshot()) return 0;
    struct SnapshotEnd {
        Volume& volume;
        ~SnapshotEnd() { volume.endSnapshot(); }
    } snapshotEnd{volume};
    OrderIndex* index = handle->freshIndex();
    if (!index) return 0;
    auto at = recordToRead(*handle, *index);
    if (!at) return 0;
    Cursor& cursor = handle->cursor();
    cursor.toIndex(*index, *at);
    SortKeyView key = viewOf(cursor.key());
    CEOID oid = key.oid;
    // A read of just the order's key, as a search for repeats makes of every record, is
    // answered from the index when it keeps the value whole: no record is fetched.
    std::vector<ReadItem>& items = handle->readItems();
    std::optional<Record> record;
    // The items point into this call's record: none is left behind when it returns.
    struct ItemsEnd {
        std::vector<ReadItem>& items;
        ~ItemsEnd() { items.clear(); }
    } itemsEnd{items};
    const KeyOrder& order = index->order();
    bool fromIndex = false;
    if (rgPropID && *lpcPropID == 1 && !order.isCreationOrder() && rgPropID[0] == order.propid()) {
        Property& value = handle->keyValue();
        value.propid = rgPropID[0];
        fromIndex = !key.present || order.storedBytes(key.value, value.data);
        items.assign(1, {rgPropID[0], key.present ? &value : nullptr});
    }
    if (!fromIndex) {
        record = rgPropID ? volume.record(oid, nullptr, {rgPropID, *lpcPropID}) : volume.record(oid, nullptr);
        if (!record) return volume.lastQueryFailed() ? 0 : fail(ERROR_KEY_DELETED);
        itemsToRead(*record, *lpcPropID, rgPropID, items);
    }
    DWORD needed = readSize(items);
    if (!*lplpBuffer || *lpcbBuffer < needed) {
        bool grown = (dwFlags & CEDB_ALLOWREALLOC) && growReadBuffer(lplpBuffer, needed, hHeap);
        if (!grown) {
            *lpcbBuffer = needed;
            return fail(ERROR_INSUFFICIENT_BUFFER);
        }
    }
    fillRead(*lplpBuffer, items);
    *lpcbBuffer = needed;
    *lpcPropID = static_cast<WORD>(items.size());
    if (handle->autoIncrement()) cursor.toIndex(*index, *at + 1);
    return anyFound(items) ? oid : fail(ERROR_NO_DATA);
}

CEOID CeReadRecordProps(HANDLE hDbase, DWORD dwFlags, WORD* lpcPropID, CEPROPID* rgPropID, LPBYTE* lplpBuffer,
                        LPDWORD lpcbBuffer) {
    return CeReadRecordPropsEx(hDbase, dwFlags, lpcPropID, rgPropID, lplpBuffer, lpcbBuffer, nullptr);
}

CEOID CeWriteRecordProps(HANDLE hDbase, CEOID oidRecord, WORD cPropID, CEPROPVAL* rgPropVal) {
    if (!cPropID || !rgPropVal) return fail(ERROR_INVALID_PARAMETER);
    DbHandle* handle = findDbHandle(hDbase);
    OrderIndex* index = handle ? handle->freshIndex() : nullptr;
    if (!index) return 0;
    CEOID written = writeRecord(*handle, oidRecord, cPropID, rgPropVal);
    if (written) handle->cursor().toKey(*index->find(written));
    return written;
}

BOOL CeDeleteRecord(HANDLE hDatabase, CEOID oidRecord) {
    DbHandle* handle = findDbHandle(hDatabase);
    OrderIndex* index = handle ? handle->freshIndex() : nullptr;
    if (!index) return FALSE;
    Volume& volume = handle->store().volume();
    Database& database = handle->database();
    CEOID parent = 0;
    if (!volume.begin()) return FALSE;
    auto record = oidRecord ? volume.record(oidRecord, &parent) : std::nullopt;
    if (!record && oidRecord && volume.lastQueryFailed()) return volume.rollback(), FALSE;
    if (!record || parent != database.oid()) return volume.rollback(), fail(ERROR_INVALID_PARAMETER);
    auto size = static_cast<std::int64_t>(record->size());
    std::uint64_t changeCount = 0;
    if (!volume.removeRecord(oidRecord) ||
        !volume.touchDatabase(database.oid(), oidRecord, DB_CEOID_RECORD_DELETED, -1, -size, changeCount) ||
        !volume.commit())
        return volume.rollback(), FALSE;
    database.recordDeleted(oidRecord, handle, changeCount);
    return TRUE;
}
