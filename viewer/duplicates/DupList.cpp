#include "duplicates/DupList.h"

#include <memory>
#include <vector>

#include "core/Debug.h"
#include "core/Hash.h"
#include "db/CeDatabase.h"
#include "duplicates/DupItem.h"
#include "duplicates/DupValue.h"
#include "reader/PropList.h"

namespace Orvane {

namespace {

// The table of first occurrences grows as values come: one bucket per value at most.
constexpr uint32_t c_firstBuckets = 64;
constexpr uint32_t c_loadPercent = 100;

// The first record met with each value, in unsorted mode: a record repeats a value when one
// of these holds it. Found through the hash of the value, so that a search stays linear in
// the records however many distinct values there are.
class FirstOccurrence : public Nevo::Hashable {
public:
    explicit FirstOccurrence(const DupValue& value) : m_code(DupValue::hashCode(value)) { m_value.keep(value); }
    ~FirstOccurrence() override = default;
    FirstOccurrence(const FirstOccurrence&) = delete;
    FirstOccurrence& operator=(const FirstOccurrence&) = delete;
    int32_t getHashCode() const override { return m_code; }
    const DupValue& value() const { return m_value.value(); }

private:
    KeptValue m_value;
    int32_t m_code;
};

bool holdsValue(void* item, void* value) {
    const auto* first = static_cast<FirstOccurrence*>(static_cast<Nevo::Hashable*>(item));
    return DupValue::compare(first->value(), *static_cast<const DupValue*>(value)) == 0;
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

    // Whether `value` repeats one met before; if not, it is kept as that value's first.
    bool repeats(const DupValue& value) {
        DupValue probe = value;
        if (m_table.get(DupValue::hashCode(value), holdsValue, &probe)) return true;
        m_firsts.push_back(new FirstOccurrence(value));
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
    return DupValue::compare(a->value(), b->value());
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
    // In sorted mode, the value of the record before. An entry is made only for a record
    // that repeats it; a run's first record needs none.
    KeptValue previous;
    bool first = true;

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
        DupValue current = DupValue::of(*value);
        bool repeat;
        if (sorted) {
            repeat = !first && DupValue::compare(current, previous.value()) == 0;
            // A repeat leaves the previous value as it was: the two are the same.
            if (!repeat) previous.keep(current);
            first = false;
        } else {
            repeat = seen->repeats(current);
        }
        if (repeat) addItem(new DupItem(getTemplate(), value, record));
    } while (database->seekNext());
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
