// One database of the catalogue: its OID, name, type, sort order and record counts, size
// and time of last change, read from the object store when the entry is made.
#pragma once

#include <windbase.h>

#include "items/TextItem.h"

namespace Orvane {

class DbItem : public TextItem {
public:
    // The catalogue template's fields, by tag.
    enum Tag : DWORD {
        TagOid = 0,
        TagName = 1,
        TagModified = 2,
        TagRecords = 3,
        TagSortOrders = 4,
        TagType = 5,
        TagSize = 6,
    };

    // Adds the catalogue's fields to an empty template. A database whose information cannot
    // be read becomes "UNKNOWN" with zero counts and time.
    DbItem(Nevo::Template* shape, CEOID oid);
    ~DbItem() override = default;
    DbItem(const DbItem&) = delete;
    DbItem& operator=(const DbItem&) = delete;

    // The name.
    int getLine1Text(LPWSTR buffer, int capacity) override;
    // "Type: 0x%lx, %d sorts, %lu recs\r\n%ld bytes, modified %s", the count whole.
    int getLine2Text(LPWSTR buffer, int capacity) override;

    CEOID getOid() const;
    const WCHAR* getName() const;

private:
    DWORD number(DWORD tag) const;
};

}  // namespace Orvane
