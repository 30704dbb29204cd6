// The object store's rules checked before anything is written, so that a refused import or
// command leaves the volume as it was. Each check returns the first problem as one line
// naming where it is ("databases[1].records[7][2]: ..."), or an empty string.
#pragma once

#include <string>
#include <vector>

#include "PropertyValue.h"

namespace cedb {

std::string checkName(const std::u16string& name, const std::string& where);
std::string checkSortOrders(const std::vector<SORTORDERSPEC>& sortOrders, const std::string& where);
// A property is named `places[i]` when given, else where[i].
std::string checkRecord(const RecordImage& record, const std::string& where,
                        const std::vector<std::string>& places = {});
// Header, sort orders and every record of one database.
std::string checkDatabase(const DatabaseImage& database, const std::string& where);
// No name already in the volume, none twice among them (names compare case-insensitively).
std::string checkNamesFree(const std::vector<DatabaseImage>& databases, const std::string& where);

// "where: message", or the message alone when there is no place to name.
std::string located(const std::string& where, const std::string& message);

}  // namespace cedb
