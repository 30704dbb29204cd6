// The SQLite baseline of the duplicate finder: the same values in a one-column table, with an
// index on them or without, and the GROUP BY that lists the repeated ones.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <sqlite3.h>

class DupTable {
public:
    static constexpr const char* c_repeatsQuery =
        "SELECT value, COUNT(*) FROM dup_values GROUP BY value HAVING COUNT(*) > 1";

    // A new file at `path` holding one row per value, indexed on it when `indexed`; null on
    // failure. The caller closes the connection.
    static sqlite3* create(const std::string& path, const std::vector<std::u16string>& values, bool indexed);
    // How many rows repeat an earlier one: COUNT(*) - 1 summed over the groups; -1 on failure.
    static std::int64_t repeats(sqlite3* db);
};
