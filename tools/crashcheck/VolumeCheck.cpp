#include "VolumeCheck.h"

#include <sqlite3.h>

#include <algorithm>

#include "OrderCheck.h"

namespace crashcheck {

std::string integrityProblem(const std::string& path) {
    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    std::string problem;
    sqlite3_stmt* statement = nullptr;
    if (rc == SQLITE_OK) rc = sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &statement, nullptr);
    while (rc == SQLITE_OK || rc == SQLITE_ROW) {
        rc = sqlite3_step(statement);
        if (rc != SQLITE_ROW) break;
        const char* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, 0));
        std::string line = text ? text : "";
        std::replace(line.begin(), line.end(), '\n', ' ');
        if (line != "ok") problem += (problem.empty() ? "" : "; ") + line;
    }
    if (rc != SQLITE_DONE && problem.empty()) problem = std::string("SQLite: ") + sqlite3_errmsg(db);
    sqlite3_finalize(statement);
    sqlite3_close(db);
    return problem;
}

std::vector<std::string> consistencyProblems(const VolumeImage& image) {
    std::vector<std::string> problems;
    for (const auto& [oid, database] : image.databases) {
        std::uint64_t size = 0;
        for (const auto& [record, properties] : database.records) size += recordSize(properties);
        std::string name = "database " + std::to_string(oid);
        if (database.reportedCount != (database.records.size() & 0xFFFF))
            problems.push_back(name + " reports " + std::to_string(database.reportedCount) + " records, holds " +
                               std::to_string(database.records.size()));
        if (database.reportedSize != size)
            problems.push_back(name + " reports " + std::to_string(database.reportedSize) + " bytes, its records use " +
                               std::to_string(size));
        if (std::string problem = checkOrders(oid, database); !problem.empty()) problems.push_back(problem);
    }
    return problems;
}

}  // namespace crashcheck
