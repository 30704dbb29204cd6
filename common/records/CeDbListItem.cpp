// CeDbListItem: a ListItem with the OID of its record.
#include "records/CeDbListItem.h"

namespace Nevo {

CeDbListItem::CeDbListItem(Template* shape, CEOID oid) : ListItem(shape), m_oid(oid) {}

}  // namespace Nevo
