// The duplicate finder's model: one DupItem per record that repeats an earlier record's
// value of one property. It keeps no database open; each operation opens its own by OID.
#pragma once

#include <windbase.h>

#include "records/ArrayListModel.h"

namespace Nevo {
class CeDatabase;
}

namespace Orvane {

class DupItem;
class PropList;

class DupList : public Nevo::ArrayListModel {
public:
    // Searches `database` (which stays the caller's, and open) for repeats of `propid`.
    DupList(Nevo::CeDatabase* database, CEPROPID propid);
    ~DupList() override = default;
    DupList(const DupList&) = delete;
    DupList& operator=(const DupList&) = delete;

    // Reads every record in the order of `propid` when the database has it, comparing each
    // with the one before; otherwise in the default order, comparing each with every
    // first occurrence so far. A record without the property repeats nothing.
    void fill(Nevo::CeDatabase* database, CEPROPID propid);

    void toggleTag(UINT index);
    UINT countTagged();
    // Deletes the records of the tagged entries; returns how many. The entries stay.
    int deleteTagged();
    // A record browser model on the entry's record, or none when it cannot be reached.
    // The caller owns it.
    PropList* openRecord(UINT index);

    // 0 when both entries hold the same value in full: strings code unit by code unit over
    // their whole length, R8 and FILETIME by all 8 bytes, BLOBs by length and every byte,
    // the other types by their value. Only zero or not matters.
    static int compareValues(const DupItem* a, const DupItem* b);

    CEOID getDatabaseOid() const { return m_databaseOid; }
    // The property whose order the search used; 0 for the default order.
    CEPROPID getSortKey() const { return m_sortKey; }

private:
    CEOID m_databaseOid;
    CEPROPID m_sortKey;
};

}  // namespace Orvane
