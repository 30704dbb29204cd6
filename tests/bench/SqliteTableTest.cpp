// The SQLite baseline must do the store's work: same records, same order, same positions.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>

#include <string>

#include "BenchFiles.h"
#include "SqliteTable.h"
#include "StoreVolume.h"
#include "ceobjstore.h"
#include "winbase.h"

namespace {

constexpr std::uint32_t c_count = 257;

class SqliteTableTest : public testing::Test {
protected:
    // A folder for the suite, whose connection SqliteTable keeps: ctest runs tests in
    // parallel processes.
    static void SetUpTestSuite() {
        char folder[] = "/tmp/orvane-bench-test-XXXXXX";
        if (mkdtemp(folder)) c_folder = folder;
        setBenchDirectory(c_folder);
    }
    static void TearDownTestSuite() {
        ce::objstore::setVolumePath("");
        removeDatabaseFile(benchFile(c_count, StoreVolume::c_fileSuffix));
        removeDatabaseFile(benchFile(c_count, "sqlite"));
        rmdir(c_folder.c_str());
        setBenchDirectory("");
    }
    static inline std::string c_folder;
    // The number of the record a store handle reaches at `index` of the order.
    static std::int64_t storeNumberAt(HANDLE handle, std::uint32_t index) {
        DWORD reached = 0;
        if (!CeSeekDatabase(handle, CEDB_SEEK_BEGINNING, index, &reached)) return -1;
        alignas(8) BYTE buffer[256];
        LPBYTE data = buffer;
        DWORD size = sizeof buffer;
        WORD props = 1;
        CEPROPID number = StoreVolume::c_number;
        if (!CeReadRecordPropsEx(handle, 0, &props, &number, &data, &size, nullptr)) return -1;
        return reinterpret_cast<CEPROPVAL*>(buffer)->val.lVal;
    }
};

TEST_F(SqliteTableTest, HoldsTheCountAndKeepsItsConnection) {
    sqlite3* db = SqliteTable::use(c_count);
    ASSERT_NE(db, nullptr);
    EXPECT_EQ(SqliteTable::use(c_count), db);
    EXPECT_EQ(SqlStatement(db, "SELECT count(*) FROM records").single(), c_count);
}

TEST_F(SqliteTableTest, OffsetsReachTheRecordTheStoreReachesAtThatIndex) {
    sqlite3* db = SqliteTable::use(c_count);
    ASSERT_NE(db, nullptr);
    ASSERT_TRUE(StoreVolume::use(c_count));
    for (bool byName : {false, true}) {
        std::string sql = std::string("SELECT num FROM records ORDER BY ") + SqliteTable::column(byName) +
                          " LIMIT 1 OFFSET ?";
        SqlStatement seek(db, sql.c_str());
        HANDLE handle = StoreVolume::open(byName ? StoreVolume::c_name : StoreVolume::c_number);
        ASSERT_NE(handle, INVALID_HANDLE_VALUE);
        for (std::uint32_t index = 0; index < c_count; ++index)
            ASSERT_EQ(storeNumberAt(handle, index), seek.bind(1, index).single()) << byName << " " << index;
        CloseHandle(handle);
    }
}

TEST_F(SqliteTableTest, ValueSeeksFindTheRecordOfTheValue) {
    sqlite3* db = SqliteTable::use(c_count);
    ASSERT_NE(db, nullptr);
    SqlStatement byName(db, "SELECT num FROM records WHERE name = ? ORDER BY name, rowid LIMIT 1");
    for (std::uint32_t i : {0u, 100u, c_count - 1}) {
        BenchRecord record = benchRecord(i);
        EXPECT_EQ(byName.bind(1, narrowName(record.name)).single(), record.number);
    }
}

}  // namespace
