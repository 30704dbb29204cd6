// A list item read from an object store record: remembers the record's OID.
#pragma once

#include <windbase.h>

#include "records/ListItem.h"

namespace Nevo {

class CeDbListItem : public ListItem {
public:
    ~CeDbListItem() override = default;
    CeDbListItem(const CeDbListItem&) = default;
    CeDbListItem& operator=(const CeDbListItem&) = default;

    CEOID get_oid() const { return m_oid; }
    void set_oid(CEOID oid) { m_oid = oid; }

protected:
    // 0 when the item comes from no record.
    CeDbListItem(Template* shape, CEOID oid);

private:
    CEOID m_oid;
};

}  // namespace Nevo
