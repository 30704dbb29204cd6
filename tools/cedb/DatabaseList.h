// The databases of the current volume: enumeration, lookup by name and their information.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "windbase.h"

namespace cedb {

// Every database in creation order.
std::vector<CEOID> databaseOids();
// The database of that name (compared case-insensitively), or 0.
CEOID databaseNamed(const std::u16string& name);
// Name, type, 32-bit record count, size and time of a database; nothing when it is gone.
std::optional<CEDBASEINFOEX> databaseInfo(CEOID oid);
// Its sort orders as they were created.
std::vector<SORTORDERSPEC> databaseSortOrders(CEOID oid);

}  // namespace cedb
