// Creates databases and writes records through the object store calls.
#pragma once

#include <string>
#include <vector>

#include "PropertyValue.h"

namespace cedb {

// Creates the database of the image's header (its records are not written); 0 with the
// last error set.
CEOID createDatabase(const DatabaseImage& image);
// Adds a record through an open handle; its OID, or 0 with the last error set.
CEOID addRecord(HANDLE database, const RecordImage& record);
// Creates every database with its records, in order. When a write fails, the databases
// created so far are deleted again and `error` says what failed.
bool writeDatabases(const std::vector<DatabaseImage>& databases, std::string& error);

}  // namespace cedb
