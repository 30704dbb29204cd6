// A database's sort orders walked through the store against the same records put in order
// here, by the rules written out independently of the store's own key code.
#pragma once

#include <string>
#include <vector>

#include "VolumeImage.h"

namespace crashcheck {

// The records' OIDs in the order `sort` asks for: numbers by value (signed or not), strings
// by UTF-16 unit (ASCII letters folded when case-insensitive), descending when asked,
// records without the property last (first with unknown-first), ties by OID.
std::vector<CEOID> expectedOrder(const DatabaseImage& database, const SORTORDERSPEC& sort);

// Walks each sort order of the database (and creation order) with CeSeekDatabase; the first
// disagreement in words, empty when all agree.
std::string checkOrders(CEOID oid, const DatabaseImage& database);

}  // namespace crashcheck
