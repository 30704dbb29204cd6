// The JSON exchange form of databases, which round-trips exactly:
//   {"databases": [{"name", "type", "sortOrders": [{"prop", flags}], "records": [[{"prop", "value"}]]}]}
#pragma once

#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "PropertyValue.h"

namespace cedb {

using Json = nlohmann::ordered_json;

Json toJson(const std::vector<DatabaseImage>& databases);
// Reads a document; false with one line naming where the first problem is. Values are
// checked against their types here; names and limits are ImageCheck's.
bool fromJson(const Json& document, std::vector<DatabaseImage>& databases, std::string& error);

}  // namespace cedb
