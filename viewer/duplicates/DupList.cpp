#include "duplicates/DupList.h"

#include <cstring>

#include "core/Debug.h"
#include "core/Sequence.h"
#include "db/CeDatabase.h"
#include "duplicates/DupItem.h"
#include "reader/PropList.h"

namespace Orvane {

namespace {

// Whether `entry` repeats a value already met; the seen entries stay in the sequence.
bool repeatsSeen(Nevo::Sequence* seen, const DupItem* entry) {
    for (Nevo::Position* at = seen->first(); at; at = seen->after(at))
        if (DupList::compareValues(static_cast<const DupItem*>(at->element()), entry) == 0) return true;
    return false;
}

void destroySeen(Nevo::Sequence* seen) {
    for (Nevo::Position* at = seen->first(); at; at = seen->after(at))
        delete static_cast<Nevo::ListItem*>(static_cast<DupItem*>(at->element()));
    seen->free();
}

// Whether record `oid` still exists in database `database`.
bool recordIn(CEOID oid, CEOID database) {
    CEOIDINFOEX info{};
    info.wVersion = CEOIDINFOEX_VERSION;
    CEGUID volume;
    CREATE_SYSTEMGUID(&volume);
    return CeOidGetInfoEx2(&volume, oid, &info) && info.wObjType == OBJTYPE_RECORD &&
           info.infRecord.oidParent == database;
}

}  // namespace

int DupList::compareValues(const DupItem* a, const DupItem* b) {
    switch (TypeFromPropID(a->getPropid())) {
    case CEVT_LPWSTR:
    case CEVT_R8:
    case CEVT_FILETIME:
    case CEVT_BLOB: {
        DWORD size = a->getValueSize();
        if (size != b->getValueSize()) return size < b->getValueSize() ? -1 : 1;
        if (!size) return 0;
        // A value that could not be kept is never called a repeat.
        if (!a->getValue() || !b->getValue()) return 1;
        return std::memcmp(a->getValue(), b->getValue(), size);
    }
    case CEVT_I2:
    case CEVT_UI2:
        // The value is the low half; the rest of the word is not part of it.
        return static_cast<int>(a->getFirstWord() & 0xFFFF) - static_cast<int>(b->getFirstWord() & 0xFFFF);
    default: return static_cast<int>(a->getFirstWord() - b->getFirstWord());
    }
}

DupList::DupList(Nevo::CeDatabase* database, CEPROPID propid) : m_databaseOid(0), m_sortKey(0) {
    PropItem::addFields(getTemplate());
    fill(database, propid);
    m_databaseOid = database->getOid();
}

void DupList::fill(Nevo::CeDatabase* database, CEPROPID propid) {
    database->close();
    bool sorted = database->open(nullptr, propid, nullptr);
    if (!sorted && !database->open(nullptr, 0, nullptr)) {
        Nevo::Debug::reportError(u"db.open in DupList::fill");
        return;
    }
    m_sortKey = sorted ? propid : 0;
    Nevo::Sequence* seen = sorted ? nullptr : Nevo::Sequence::makeSequence();
    // In sorted mode, the record before; owned here unless it went into the list.
    DupItem* previous = nullptr;
    bool previousListed = false;

    CEOID record = 0;
    do {
        CEPROPVAL* value = database->read(&record, propid);
        // A record without the property has no value to repeat: the store answers
        // ERROR_NO_DATA (or flags the value) and the scan goes on with the next record.
        if (!value) {
            if (GetLastError() == ERROR_NO_DATA) continue;
            break;
        }
        if (value->wFlags & CEDB_PROPNOTFOUND) continue;
        auto* entry = new DupItem(getTemplate(), value, record);
        if (sorted) {
            bool listed = previous && compareValues(entry, previous) == 0;
            if (listed) addItem(entry);
            if (previous && !previousListed) delete previous;
            previous = entry;
            previousListed = listed;
        } else if (repeatsSeen(seen, entry)) {
            addItem(entry);
        } else {
            seen->insertLast(entry);
        }
    } while (database->seekNext());
    if (previous && !previousListed) delete previous;
    if (seen) destroySeen(seen);
}

void DupList::toggleTag(UINT index) {
    if (index >= size()) return;
    auto* entry = static_cast<DupItem*>(at(index));
    entry->setTagged(entry->isTagged() ? 0 : 1);
    notify(NotifyItemChanged, index, 0);
}

UINT DupList::countTagged() {
    UINT count = 0;
    for (UINT i = 0; i < size(); ++i)
        if (static_cast<DupItem*>(at(i))->isTagged()) ++count;
    return count;
}

int DupList::deleteTagged() {
    Nevo::CeDatabase database(m_databaseOid);
    if (!database.open(nullptr, 0, nullptr)) {
        // Another program may have deleted the database: say so, and nothing is deleted.
        Nevo::Debug::reportError(u"Can't open database");
        return 0;
    }
    int deleted = 0;
    for (UINT i = 0; i < size(); ++i) {
        auto* entry = static_cast<DupItem*>(at(i));
        if (!entry->isTagged()) continue;
        CEOID oid = entry->getRecordOid();
        if (database.deleteRecord(oid)) {
            ++deleted;
            continue;
        }
        DWORD error = GetLastError();
        // A record another program deleted meanwhile is already what the user asked for.
        if (!recordIn(oid, m_databaseOid)) continue;
        // Any other refusal stops here: what is deleted stays deleted, the rest is left alone.
        SetLastError(error);
        Nevo::Debug::reportError(u"Failed to delete item");
        break;
    }
    return deleted;
}

PropList* DupList::openRecord(UINT index) {
    if (index >= size()) return nullptr;
    auto* entry = static_cast<DupItem*>(at(index));
    auto* database = new Nevo::CeDatabase(m_databaseOid);
    if (!database->open(nullptr, m_sortKey, nullptr) || !database->seekToOid(entry->getRecordOid())) {
        delete database;
        return nullptr;
    }
    return new PropList(database);
}

}  // namespace Orvane
