// Test support: each test runs on a fresh volume in its own temporary folder, with small
// helpers to make databases and records.
#pragma once

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "ceobjstore.h"
#include "windbase.h"
#include "winbase.h"
#include "support/ScratchFolder.h"

namespace objstore_test {

class TempVolume : public ::testing::Test {
protected:
    void SetUp() override {
        ce::objstore::setVolumePath(path());
    }
    void TearDown() override {
        ce::objstore::setVolumePath("");
    }
    std::string path() const { return m_scratch.file("test.vol"); }
    const std::string& folder() const { return m_scratch.path(); }

    static CEOID createDb(const char16_t* name, std::vector<SORTORDERSPEC> sorts = {}, DWORD type = 0) {
        return CeCreateDatabase(name, type, static_cast<WORD>(sorts.size()), sorts.data());
    }
    static HANDLE open(CEOID oid, CEPROPID sort = 0, DWORD flags = 0, CENOTIFYREQUEST* request = nullptr) {
        return CeOpenDatabaseEx(nullptr, &oid, nullptr, sort, flags, request);
    }
    static CEPROPVAL number(CEPROPID propid, LONG value) {
        CEPROPVAL v{};
        v.propid = propid;
        v.val.lVal = value;
        return v;
    }
    static CEPROPVAL text(CEPROPID propid, const char16_t* value) {
        CEPROPVAL v{};
        v.propid = propid;
        v.val.lpwstr = const_cast<LPWSTR>(value);
        return v;
    }
    static CEOID put(HANDLE db, std::vector<CEPROPVAL> values, CEOID oid = 0) {
        return CeWriteRecordProps(db, oid, static_cast<WORD>(values.size()), values.data());
    }
    // The OIDs in the handle's order, walked with BEGINNING seeks.
    static std::vector<CEOID> walk(HANDLE db) {
        std::vector<CEOID> oids;
        for (DWORD i = 0;; ++i) {
            CEOID oid = CeSeekDatabase(db, CEDB_SEEK_BEGINNING, i, nullptr);
            if (!oid) return oids;
            oids.push_back(oid);
        }
    }

    // Runs SQL on the volume file behind the store's back; the first column of the last row.
    std::int64_t rawSql(const std::string& sql) {
        sqlite3* db = nullptr;
        sqlite3_open(path().c_str(), &db);
        std::int64_t value = -1;
        auto keep = [](void* to, int, char** columns, char**) {
            *static_cast<std::int64_t*>(to) = columns[0] ? std::atoll(columns[0]) : 0;
            return 0;
        };
        EXPECT_EQ(sqlite3_exec(db, sql.c_str(), keep, &value, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
        sqlite3_close(db);
        return value;
    }

private:
    test_support::ScratchFolder m_scratch{"objstore-test"};
};

}  // namespace objstore_test
