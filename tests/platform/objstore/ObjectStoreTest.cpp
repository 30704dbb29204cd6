// Database calls: names, creation and deletion rules, enumeration, and the database
// information (size, record count, modification time).
#include "TempVolume.h"

namespace objstore_test {
namespace {

constexpr CEPROPID c_value = PROP_TAG(CEVT_I4, 1);
constexpr CEPROPID c_name = PROP_TAG(CEVT_LPWSTR, 2);

using Databases = TempVolume;

TEST_F(Databases, NamesAreUniqueCaseInsensitivelyAndCutTo31Characters) {
    CEOID oid = createDb(u"Contacts Database");
    ASSERT_NE(oid, 0u);
    EXPECT_EQ(createDb(u"CONTACTS database"), 0u);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_DUP_NAME));
    CEOID found = 0;
    HANDLE db = CeOpenDatabaseEx(nullptr, &found, u"contacts DATABASE", 0, 0, nullptr);
    ASSERT_NE(db, INVALID_HANDLE_VALUE);
    EXPECT_EQ(found, oid);
    CloseHandle(db);
    CEGUID everyVolume;
    CREATE_INVALIDGUID(&everyVolume);
    found = 12345;  // ignored: the invalid GUID searches by name
    db = CeOpenDatabaseEx(&everyVolume, &found, u"Contacts Database", 0, 0, nullptr);
    EXPECT_EQ(found, oid);
    CloseHandle(db);

    CEOID longOne = createDb(u"a name that is longer than thirty-one characters");
    CEOIDINFO info{};
    ASSERT_TRUE(CeOidGetInfo(longOne, &info));
    EXPECT_EQ(std::u16string(info.infDatabase.szDbaseName), u"a name that is longer than thir");
    found = 0;
    EXPECT_EQ(CeOpenDatabaseEx(nullptr, &found, u"missing", 0, 0, nullptr), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
}

TEST_F(Databases, DeletingAnOpenDatabaseIsASharingViolation) {
    CEOID oid = createDb(u"busy");
    HANDLE db = open(oid);
    EXPECT_FALSE(CeDeleteDatabase(oid));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SHARING_VIOLATION));
    CloseHandle(db);
    EXPECT_TRUE(CeDeleteDatabase(oid));
    CEOIDINFO info{};
    EXPECT_FALSE(CeOidGetInfo(oid, &info));
    EXPECT_NE(createDb(u"busy"), oid);  // OIDs are never reused
}

TEST_F(Databases, EnumerationListsDatabasesOfTheTypeAskedInCreationOrder) {
    CEOID a = createDb(u"a", {}, 7);
    CEOID b = createDb(u"b", {}, 8);
    CEOID c = createDb(u"c", {}, 7);
    HANDLE all = CeFindFirstDatabaseEx(nullptr, 0);
    HANDLE sevens = CeFindFirstDatabaseEx(nullptr, 7);
    EXPECT_EQ(CeFindNextDatabaseEx(all, nullptr), a);
    EXPECT_EQ(CeFindNextDatabaseEx(all, nullptr), b);
    EXPECT_EQ(CeFindNextDatabaseEx(all, nullptr), c);
    EXPECT_EQ(CeFindNextDatabaseEx(all, nullptr), 0u);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NO_MORE_ITEMS));
    EXPECT_EQ(CeFindNextDatabaseEx(sevens, nullptr), a);
    EXPECT_EQ(CeFindNextDatabaseEx(sevens, nullptr), c);
    CloseHandle(all);
    CloseHandle(sevens);
}

TEST_F(Databases, InformationCountsRecordsAndBytesAndTheLastChange) {
    SORTORDERSPEC sort{c_value, CEDB_SORT_DESCENDING};
    CEOID oid = createDb(u"sized", {sort}, 42);
    HANDLE db = open(oid);
    CEOID record = put(db, {number(c_value, 1), text(c_name, u"abc")});  // 20 + 4+4 + 4+8
    put(db, {number(c_value, 2)});                                        // 20 + 4+4
    CEOIDINFO info{};
    ASSERT_TRUE(CeOidGetInfo(oid, &info));
    EXPECT_EQ(info.wObjType, OBJTYPE_DATABASE);
    EXPECT_EQ(info.infDatabase.dwDbaseType, 42u);
    EXPECT_EQ(info.infDatabase.wNumRecords, 2);
    EXPECT_EQ(info.infDatabase.dwSize, 40u + 28u);
    EXPECT_EQ(info.infDatabase.wNumSortOrder, 1);
    EXPECT_EQ(info.infDatabase.rgSortSpecs[0].dwFlags, static_cast<DWORD>(CEDB_SORT_DESCENDING));
    FILETIME before = info.infDatabase.ftLastModified;
    EXPECT_GT(before.dwHighDateTime, 0x01D00000u);  // a UTC FILETIME of this century
    CeDeleteRecord(db, record);
    ASSERT_TRUE(CeOidGetInfo(oid, &info));
    EXPECT_EQ(info.infDatabase.wNumRecords, 1);
    EXPECT_EQ(info.infDatabase.dwSize, 28u);
    EXPECT_GE(CompareFileTime(&info.infDatabase.ftLastModified, &before), 0);
    ASSERT_TRUE(CeOidGetInfo(put(db, {number(c_value, 3)}), &info));
    EXPECT_EQ(info.wObjType, OBJTYPE_RECORD);
    EXPECT_EQ(info.infRecord.oidParent, oid);
    CloseHandle(db);
}

TEST_F(Databases, MoreThan65535RecordsAreKeptAndTheCountHoldsTheLow16Bits) {
    CEOID oid = createDb(u"big", {{c_value, 0}});
    HANDLE db = open(oid, c_value);
    constexpr LONG c_records = 70000;
    for (LONG i = 0; i < c_records; ++i) ASSERT_NE(put(db, {number(c_value, c_records - i)}), 0u);
    CEOIDINFO info{};
    ASSERT_TRUE(CeOidGetInfo(oid, &info));
    EXPECT_EQ(info.infDatabase.wNumRecords, c_records & 0xFFFF);
    DWORD index = 0;
    CEPROPVAL probe = number(c_value, 66000);
    EXPECT_NE(CeSeekDatabase(db, CEDB_SEEK_VALUEFIRSTEQUAL, reinterpret_cast<DWORD_PTR>(&probe), &index), 0u);
    EXPECT_EQ(index, 65999u);
    EXPECT_NE(CeSeekDatabase(db, CEDB_SEEK_END, 0, &index), 0u);
    EXPECT_EQ(index, static_cast<DWORD>(c_records - 1));
    CloseHandle(db);
}

}  // namespace
}  // namespace objstore_test
