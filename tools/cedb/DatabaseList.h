// The databases of the current volume: enumeration, lookup by name and their information.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "windbase.h"

namespace cedb {

// Every database in creation order; nothing when the volume cannot be read (damaged data,
// a failed read: lastFailure() says why).
std::optional<std::vector<CEOID>> databaseOids();
// The database of that name (compared case-insensitively), or 0; nothing when the volume
// cannot be read.
std::optional<CEOID> databaseNamed(const std::u16string& name);
// Name, type, 32-bit record count, size and time of a database; nothing when it is gone or
// cannot be read (isGone() tells which).
std::optional<CEDBASEINFOEX> databaseInfo(CEOID oid);
// After databaseInfo found nothing: whether the database is gone, as opposed to unreadable.
bool isGone();
// Its sort orders as they were created.
std::vector<SORTORDERSPEC> databaseSortOrders(CEOID oid);

}  // namespace cedb
