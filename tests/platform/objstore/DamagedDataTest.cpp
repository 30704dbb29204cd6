// Volumes whose rows or records the store could not have written: refused as damaged data,
// naming what is damaged, and never read past their bytes.
#include <sqlite3.h>

#include <cstring>

#include "TempVolume.h"
#include "objstore/Record.h"

namespace objstore_test {
namespace {

using Bytes = std::vector<BYTE>;

void appendWord(Bytes& bytes, std::uint32_t word) {
    BYTE raw[4];
    std::memcpy(raw, &word, 4);
    bytes.insert(bytes.end(), raw, raw + 4);
}

// One encoded property: its id, the length it claims, then the bytes given.
Bytes property(CEPROPID propid, std::uint32_t length, Bytes data) {
    Bytes bytes;
    appendWord(bytes, propid);
    appendWord(bytes, length);
    bytes.insert(bytes.end(), data.begin(), data.end());
    return bytes;
}

Bytes joined(std::initializer_list<Bytes> parts) {
    Bytes bytes;
    for (const Bytes& part : parts) bytes.insert(bytes.end(), part.begin(), part.end());
    return bytes;
}

const CEPROPID c_name = PROP_TAG(CEVT_LPWSTR, 1);
const CEPROPID c_count = PROP_TAG(CEVT_I4, 2);
const CEPROPID c_picture = PROP_TAG(CEVT_BLOB, 3);

TEST(RecordDecoding, AcceptsOnlyWhatAWriteCouldHaveStoredAndSaysWhatIsWrong) {
    Bytes ada = {'A', 0, 'd', 0, 'a', 0, 0, 0};
    auto good = ce::objstore::decodeRecord(
        joined({property(c_name, 8, ada), property(c_count, 4, {1, 0, 0, 0}), property(c_picture, 0, {})}));
    ASSERT_TRUE(good);
    EXPECT_EQ(good->properties.size(), 3u);
    EXPECT_TRUE(ce::objstore::decodeRecord({}));  // every property deleted

    struct Case {
        const char* what;
        Bytes bytes;
        const char* problem;
    } cases[] = {
        {"header cut short", joined({property(c_count, 4, {1, 0, 0, 0}), {0x1F, 0}}), "cut short after 1 properties"},
        {"BLOB longer than its data", property(c_picture, 16, {1, 2, 3}), "16 bytes of data where 3 are left"},
        {"length past 4 GB", property(c_picture, 0xFFFFFFFF, {1}), "4294967295 bytes of data where 1 are left"},
        {"string without NUL", property(c_name, 6, {'A', 0, 'd', 0, 'a', 0}), "a string without its terminator"},
        {"string of odd length", property(c_name, 3, {'A', 0, 0}), "a string of 3 bytes"},
        {"empty string storage", property(c_name, 0, {}), "a string of 0 bytes"},
        {"NUL inside a string", property(c_name, 6, {'A', 0, 0, 0, 0, 0}), "a NUL inside"},
        {"number short of bytes", property(c_count, 2, {1, 0}), "2 bytes for a value of 4"},
        {"unknown type", property(PROP_TAG(7, 2), 4, {1, 0, 0, 0}), "unknown type 7"},
        {"property twice", joined({property(c_count, 4, {1, 0, 0, 0}), property(c_count, 4, {2, 0, 0, 0})}),
         "appears twice"},
        {"data over the property limit", property(c_picture, CEDB_MAXPROPDATASIZE + 1, Bytes(CEDB_MAXPROPDATASIZE + 1)),
         "more than a property holds"},
    };
    for (const Case& c : cases) {
        std::string problem;
        EXPECT_FALSE(ce::objstore::decodeRecord(c.bytes, &problem)) << c.what;
        EXPECT_NE(problem.find(c.problem), std::string::npos) << c.what << ": " << problem;
    }
}

// Changes the volume behind the store's back, as another program would.
class DamagedVolume : public TempVolume {
protected:
    void tamper(const std::string& sql) {
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(ce::objstore::volumePath().c_str(), &db), SQLITE_OK);
        char* error = nullptr;
        EXPECT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error), SQLITE_OK) << (error ? error : "");
        sqlite3_free(error);
        sqlite3_close(db);
    }
    static std::string hex(CEOID oid) { return ce::objstore::hexText(oid); }
    static bool refusedAsDamaged(const std::string& text) {
        return GetLastError() == static_cast<DWORD>(ERROR_INVALID_DATA) &&
               ce::objstore::lastVolumeError().find(text) != std::string::npos;
    }
};

// Eight sort orders would overrun the four of CEDBASEINFO. (Each kind of damaged row is a case
// of tests/tools/crafted, seen through cedb; here every call that reads the row refuses it.)
TEST_F(DamagedVolume, ADatabaseRowOutsideTheLimitsIsRefusedByEveryCallThatReadsIt) {
    CEOID oid = createDb(u"Contacts", {{c_name, CEDB_SORT_CASEINSENSITIVE}, {c_count, 0}});
    ce::objstore::closeVolume();
    tamper("INSERT INTO sort_orders SELECT database_oid, position + 2, propid, flags FROM sort_orders;"
           "INSERT INTO sort_orders SELECT database_oid, position + 4, propid, flags FROM sort_orders;");
    CEOIDINFOEX full{};
    full.wVersion = CEOIDINFOEX_VERSION;
    EXPECT_FALSE(CeOidGetInfoEx2(nullptr, oid, &full));
    EXPECT_TRUE(refusedAsDamaged("damaged database " + hex(oid))) << ce::objstore::lastVolumeError();
    CEOIDINFO info{};
    EXPECT_FALSE(CeOidGetInfo(oid, &info));
    EXPECT_EQ(open(oid), INVALID_HANDLE_VALUE);
    EXPECT_TRUE(refusedAsDamaged("damaged database"));
    EXPECT_FALSE(CeDeleteDatabase(oid));
}

TEST_F(DamagedVolume, ADamagedRecordIsReportedByItsOidWhetherFoundOpeningOrReading) {
    CEOID oid = createDb(u"Contacts", {{c_name, 0}});
    HANDLE db = open(oid);
    CEOID first = put(db, {text(c_name, u"Ada")});
    CEOID second = put(db, {text(c_name, u"Grace")});
    // "Ada" without her terminator, under a handle that already has its index.
    tamper("UPDATE records SET properties = X'1F00010006000000410064006100' WHERE oid = " + std::to_string(first));
    ASSERT_EQ(CeSeekDatabase(db, CEDB_SEEK_CEOID, first, nullptr), first);
    WORD count = 0;
    LPBYTE buffer = nullptr;
    DWORD size = 0;
    EXPECT_FALSE(CeReadRecordPropsEx(db, CEDB_ALLOWREALLOC, &count, nullptr, &buffer, &size, nullptr));
    EXPECT_TRUE(refusedAsDamaged("damaged record " + hex(first) + " (property 0x0001001f: a string without"))
        << ce::objstore::lastVolumeError();
    CEPROPVAL name = text(c_name, u"Ada Byron");
    EXPECT_FALSE(CeWriteRecordProps(db, first, 1, &name));
    EXPECT_TRUE(refusedAsDamaged("damaged record"));
    EXPECT_FALSE(CeDeleteRecord(db, first));
    EXPECT_TRUE(refusedAsDamaged("damaged record"));
    ASSERT_EQ(CeSeekDatabase(db, CEDB_SEEK_CEOID, second, nullptr), second);
    EXPECT_TRUE(CeReadRecordPropsEx(db, CEDB_ALLOWREALLOC, &count, nullptr, &buffer, &size, nullptr));
    LocalFree(buffer);
    CloseHandle(db);

    // Opening builds the order from every record: the damage is found there, with its OID
    // rather than SQLite's last words.
    ce::objstore::closeVolume();
    EXPECT_EQ(open(oid, c_name), INVALID_HANDLE_VALUE);
    EXPECT_TRUE(refusedAsDamaged("damaged record " + hex(first))) << ce::objstore::lastVolumeError();
    EXPECT_EQ(ce::objstore::lastVolumeError().find("another row"), std::string::npos);
}

TEST_F(DamagedVolume, OnlySortOrdersTheStoreCanReadBackAreCreated) {
    EXPECT_FALSE(createDb(u"flags", {{c_name, 0x10000}}));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    EXPECT_TRUE(createDb(u"known", {{c_name, CEDB_SORT_DESCENDING | CEDB_SORT_CASEINSENSITIVE | CEDB_SORT_UNKNOWNFIRST}}));
    // Documented flags the comparison does not use are kept, as they always were.
    EXPECT_TRUE(createDb(u"accents", {{c_name, 0x10}}));
}

}  // namespace
}  // namespace objstore_test
