// JSON text in and out: parsing with the parser's reason on failure, and the export layout
// (one line per database header and per record, so that exports diff well).
#pragma once

#include <string>

#include "JsonFormat.h"

namespace cedb {

// False with the parser's reason when the text is not JSON.
bool parseJson(const std::string& text, Json& document, std::string& error);
std::string exportText(const Json& document);

}  // namespace cedb
