// Volumes whose schema was changed behind our back (triggers, views, tables, columns), and
// companion files that are links or another user's: all refused, and left as they were.
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <iterator>

#include "TempVolume.h"

namespace objstore_test {
namespace {

std::string contentOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

class VolumeTrust : public TempVolume {
protected:
    // A volume with a database and a record, closed, then changed by `sql`.
    void makeVolumeThenRun(const std::string& sql) {
        HANDLE db = open(createDb(u"shared"));
        put(db, {number(PROP_TAG(CEVT_I4, 1), 7)});
        CloseHandle(db);
        ce::objstore::closeVolume();
        sqlite3* raw = nullptr;
        ASSERT_EQ(sqlite3_open(path().c_str(), &raw), SQLITE_OK);
        EXPECT_EQ(sqlite3_exec(raw, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(raw);
        sqlite3_close(raw);
    }
};

// The crafted volumes of tests/tools/crafted that change the schema; their first line says
// what the refusal must say.
TEST_F(VolumeTrust, ASchemaWeDidNotMakeIsRefusedWithOneLineAndLeftByteForByte) {
    for (const char* name : {"trigger-wipes-records", "view-extra", "column-extra", "table-extra", "table-missing"}) {
        SCOPED_TRACE(name);
        std::string sql = contentOf(std::string(CRAFTED_VOLUMES) + "/" + name + ".sql");
        ASSERT_EQ(sql.rfind("-- expect: ", 0), 0u);
        std::string expected = sql.substr(11, sql.find('\n') - 11);
        ce::objstore::closeVolume();
        std::filesystem::remove(path());
        makeVolumeThenRun(sql);
        std::string before = contentOf(path());
        EXPECT_FALSE(ce::objstore::openVolume());
        EXPECT_EQ(GetLastError(), DWORD{ERROR_INVALID_DATA});
        std::string reason = ce::objstore::lastVolumeError();
        EXPECT_NE(reason.find(expected), std::string::npos) << reason;
        EXPECT_EQ(reason.find('\n'), std::string::npos);
        EXPECT_EQ(contentOf(path()), before);
    }
}

TEST_F(VolumeTrust, AnIndexOrConstraintWeDidNotMakeIsRefusedToo) {
    makeVolumeThenRun("CREATE INDEX records_by_blob ON records (properties);");
    EXPECT_FALSE(ce::objstore::openVolume());
    EXPECT_NE(ce::objstore::lastVolumeError().find("index 'records_by_blob'"), std::string::npos);

    std::filesystem::remove(path());
    // The same columns without the unique name: two databases could then share a name.
    makeVolumeThenRun(
        "DROP TABLE databases; CREATE TABLE databases (oid INTEGER PRIMARY KEY, name TEXT NOT NULL, folded_name "
        "TEXT NOT NULL, type INTEGER NOT NULL, record_count INTEGER NOT NULL, size INTEGER NOT NULL, modified "
        "INTEGER NOT NULL, change_count INTEGER NOT NULL);");
    EXPECT_FALSE(ce::objstore::openVolume());
    EXPECT_NE(ce::objstore::lastVolumeError().find("'databases' is not the one we make"), std::string::npos)
        << ce::objstore::lastVolumeError();
}

TEST_F(VolumeTrust, ACompanionFileThatIsALinkIsRefusedAndNotFollowed) {
    createDb(u"shared");
    ce::objstore::closeVolume();
    std::string open = path() + "-open", target = folder() + "/elsewhere";
    std::filesystem::remove(open);
    std::filesystem::create_symlink(target, open);
    EXPECT_FALSE(ce::objstore::openVolume());
    EXPECT_EQ(GetLastError(), DWORD{ERROR_ACCESS_DENIED});
    EXPECT_NE(ce::objstore::lastVolumeError().find("link"), std::string::npos) << ce::objstore::lastVolumeError();
    EXPECT_FALSE(std::filesystem::exists(target));  // a link made to have us create a file elsewhere

    std::ofstream(target) << "kept";
    EXPECT_FALSE(ce::objstore::openVolume());
    EXPECT_EQ(contentOf(target), "kept");
}

TEST_F(VolumeTrust, AVolumeOrCompanionFileOfAnotherUserIsRefused) {
    if (geteuid() != 0) GTEST_SKIP() << "only root can give a file to another user";
    createDb(u"shared");
    ce::objstore::closeVolume();
    const uid_t other = 65534;
    for (const std::string& file : {path(), path() + "-open"}) {
        SCOPED_TRACE(file);
        ASSERT_EQ(chown(file.c_str(), other, other), 0);
        EXPECT_FALSE(ce::objstore::openVolume());
        EXPECT_EQ(GetLastError(), DWORD{ERROR_ACCESS_DENIED});
        EXPECT_NE(ce::objstore::lastVolumeError().find("belongs to another user"), std::string::npos)
            << ce::objstore::lastVolumeError();
        ASSERT_EQ(chown(file.c_str(), 0, 0), 0);
    }
    EXPECT_TRUE(ce::objstore::openVolume());
}

}  // namespace
}  // namespace objstore_test
