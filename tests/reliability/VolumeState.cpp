#include "VolumeState.h"

#include <ceobjstore.h>
#include <sqlite3.h>
#include <windbase.h>
#include <windows.h>

#include <vector>

#include "DatabaseList.h"
#include "ErrorText.h"
#include "JsonFormat.h"
#include "JsonText.h"
#include "RecordReader.h"

namespace sweep {

namespace {

// The records of one database in one order, or why they could not be read.
bool walk(CEOID oid, CEPROPID order, cedb::DatabaseImage& image, std::string& state) {
    cedb::RecordReader reader;
    if (!reader.open(oid, order)) {
        state += "cannot open in order " + std::to_string(order) + ": " + cedb::lastFailure() + "\n";
        return false;
    }
    cedb::RecordImage record;
    while (reader.next(record)) image.records.push_back(record);
    if (reader.failed()) {
        state += "a read failed: " + cedb::lastFailure() + "\n";
        return false;
    }
    return true;
}

}  // namespace

std::string volumeState() {
    std::string state;
    auto oids = cedb::databaseOids();
    if (!oids) return "unreadable volume: " + cedb::lastFailure();
    for (CEOID oid : *oids) {
        auto info = cedb::databaseInfo(oid);
        if (!info) return state + "unreadable database: " + cedb::lastFailure();
        cedb::DatabaseImage header;
        header.name = info->szDbaseName;
        header.type = info->dwDbaseType;
        header.sortOrders = cedb::databaseSortOrders(oid);
        state += "records " + std::to_string(info->dwNumRecords) + ", size " + std::to_string(info->dwSize) + "\n";
        std::vector<CEPROPID> orders{0};
        for (const SORTORDERSPEC& order : header.sortOrders) orders.push_back(order.propid);
        for (CEPROPID order : orders) {
            cedb::DatabaseImage image = header;
            if (!walk(oid, order, image, state)) return state;
            state += cedb::exportText(cedb::toJson({image}));
        }
    }
    return state;
}

std::string integrity(const std::string& volume) {
    sqlite3* db = nullptr;
    std::string found = "cannot open the file";
    if (sqlite3_open_v2(volume.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        found.clear();
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &statement, nullptr) != SQLITE_OK)
            found = sqlite3_errmsg(db);
        while (statement && sqlite3_step(statement) == SQLITE_ROW)
            found += reinterpret_cast<const char*>(sqlite3_column_text(statement, 0));
        sqlite3_finalize(statement);
    }
    sqlite3_close(db);
    return found;
}

bool isOutOfMemory(unsigned long code) {
    return code == ERROR_NOT_ENOUGH_MEMORY || code == ERROR_OUTOFMEMORY;
}

StepResult resultOf(bool succeeded, std::string shown) {
    if (succeeded) return {Outcome::Done, std::move(shown), {}};
    DWORD code = GetLastError();
    if (isOutOfMemory(code)) return {Outcome::OutOfMemory, {}, {}};
    return {Outcome::OtherError, {}, "error " + std::to_string(code) + ": " + cedb::lastFailure()};
}

}  // namespace sweep
