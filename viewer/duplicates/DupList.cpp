#include "duplicates/DupList.h"

#include <cstring>
#include <memory>
#include <vector>

#include "core/Debug.h"
#include "core/Hash.h"
#include "db/CeDatabase.h"
#include "duplicates/DupItem.h"
#include "reader/PropList.h"

namespace Orvane {

namespace {

// The table of first occurrences grows as values come: one bucket per value at most.
constexpr uint32_t c_firstBuckets = 64;
constexpr uint32_t c_loadPercent = 100;

// A hash code that equal values share, as DupList::compareValues defines equal.
int32_t codeOf(const DupItem* entry) {
    switch (TypeFromPropID(entry->getPropid())) {
    case CEVT_LPWSTR:
    case CEVT_R8:
    case CEVT_FILETIME:
    case CEVT_BLOB: {
        // FNV-1a over the size and the bytes.
        uint32_t code = 2166136261u;
        auto mix = [&code](BYTE byte) { code = (code ^ byte) * 16777619u; };
        DWORD size = entry->getValueSize();
        for (int shift = 0; shift < 32; shift += 8) mix(static_cast<BYTE>(size >> shift));
        if (const BYTE* bytes = entry->getValue())
            for (DWORD i = 0; i < size; ++i) mix(bytes[i]);
        return static_cast<int32_t>(code);
    }
    case CEVT_I2:
    case CEVT_UI2: return static_cast<int32_t>(entry->getFirstWord() & 0xFFFF);
    default: return static_cast<int32_t>(entry->getFirstWord());
    }
}

// The first record met with each value, in unsorted mode: a record repeats a value when one
// of these holds it. Found through the hash of the value, so that a search stays linear in
// the records however many distinct values there are.
class FirstOccurrence : public Nevo::Hashable {
public:
    FirstOccurrence(DupItem* entry, int32_t code) : m_entry(entry), m_code(code) {}
    ~FirstOccurrence() override { delete static_cast<Nevo::ListItem*>(m_entry); }
    FirstOccurrence(const FirstOccurrence&) = delete;
    FirstOccurrence& operator=(const FirstOccurrence&) = delete;
    int32_t getHashCode() const override { return m_code; }
    const DupItem* entry() const { return m_entry; }

private:
    DupItem* m_entry;
    int32_t m_code;
};

bool holdsValueOf(void* item, void* entry) {
    const auto* first = static_cast<FirstOccurrence*>(static_cast<Nevo::Hashable*>(item));
    return DupList::compareValues(first->entry(), static_cast<const DupItem*>(entry)) == 0;
}

// The first occurrences, found by value; the table only finds them, this keeps them.
class Seen {
public:
    Seen() : m_table(c_firstBuckets, c_loadPercent) {}
    ~Seen() {
        for (FirstOccurrence* first : m_firsts) delete first;
    }
    Seen(const Seen&) = delete;
    Seen& operator=(const Seen&) = delete;

    // Whether `entry` repeats a value met before; if not, it is kept as that value's first.
    bool repeats(DupItem* entry) {
        int32_t code = codeOf(entry);
        if (m_table.get(code, holdsValueOf, entry)) return true;
        m_firsts.push_back(new FirstOccurrence(entry, code));
        m_table.add(m_firsts.back());
        return false;
    }

private:
    Nevo::Hash m_table;
    std::vector<FirstOccurrence*> m_firsts;
};

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
    std::unique_ptr<Seen> seen(sorted ? nullptr : new Seen);
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
        } else if (seen->repeats(entry)) {
            addItem(entry);
        }
    } while (database->seekNext());
    if (previous && !previousListed) delete previous;
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
