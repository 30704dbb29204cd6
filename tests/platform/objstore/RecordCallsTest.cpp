// Seeking, reading, writing and deleting records through handles: each seek type at its
// edges, the read buffer's layout and growth, and places kept across deletions.
#include <cstring>

#include "TempVolume.h"

namespace objstore_test {
namespace {

constexpr CEPROPID c_value = PROP_TAG(CEVT_I4, 1);
constexpr CEPROPID c_note = PROP_TAG(CEVT_LPWSTR, 2);
constexpr CEPROPID c_data = PROP_TAG(CEVT_BLOB, 3);

// A database of records with c_value 10, 20, 20, 30 and one without c_value, opened on
// c_value ascending.
class Records : public TempVolume {
protected:
    void SetUp() override {
        TempVolume::SetUp();
        m_oid = createDb(u"values", {{c_value, 0}});
        m_db = open(m_oid, c_value);
        for (LONG v : {20, 10, 30, 20}) m_records.push_back(put(m_db, {number(c_value, v)}));
        m_records.push_back(put(m_db, {text(c_note, u"no value")}));
        // In order: 10, 20 (first), 20 (second), 30, missing.
        m_order = {m_records[1], m_records[0], m_records[3], m_records[2], m_records[4]};
    }
    void TearDown() override {
        CloseHandle(m_db);
        TempVolume::TearDown();
    }
    CEOID seekValue(DWORD type, LONG value, DWORD* index) {
        CEPROPVAL probe = number(c_value, value);
        return CeSeekDatabase(m_db, type, reinterpret_cast<DWORD_PTR>(&probe), index);
    }

    CEOID m_oid = 0;
    HANDLE m_db = nullptr;
    std::vector<CEOID> m_records;
    std::vector<CEOID> m_order;
};

TEST_F(Records, PositionalSeeksReachTheEdgesAndFailOutsideThem) {
    DWORD index = 99;
    EXPECT_EQ(CeSeekDatabase(m_db, CEDB_SEEK_BEGINNING, 0, &index), m_order[0]);
    EXPECT_EQ(index, 0u);
    EXPECT_EQ(CeSeekDatabase(m_db, CEDB_SEEK_END, 0, &index), m_order[4]);
    EXPECT_EQ(index, 4u);
    EXPECT_EQ(CeSeekDatabase(m_db, CEDB_SEEK_END, 4, &index), m_order[0]);
    EXPECT_EQ(CeSeekDatabase(m_db, CEDB_SEEK_CURRENT, 3, &index), m_order[3]);
    EXPECT_EQ(CeSeekDatabase(m_db, CEDB_SEEK_CURRENT, static_cast<DWORD>(-2), &index), m_order[1]);
    EXPECT_EQ(index, 1u);
    EXPECT_EQ(CeSeekDatabase(m_db, CEDB_SEEK_CEOID, m_order[2], &index), m_order[2]);
    EXPECT_EQ(index, 2u);

    // Failures leave the place where it was and write no index.
    index = 77;
    EXPECT_EQ(CeSeekDatabase(m_db, CEDB_SEEK_BEGINNING, 5, &index), 0u);
    EXPECT_EQ(CeSeekDatabase(m_db, CEDB_SEEK_END, 5, &index), 0u);
    EXPECT_EQ(CeSeekDatabase(m_db, CEDB_SEEK_CURRENT, 3, &index), 0u);
    EXPECT_EQ(CeSeekDatabase(m_db, CEDB_SEEK_CURRENT, static_cast<DWORD>(-3), &index), 0u);
    EXPECT_EQ(CeSeekDatabase(m_db, CEDB_SEEK_CEOID, m_oid, &index), 0u);
    EXPECT_EQ(index, 77u);
    EXPECT_EQ(CeSeekDatabase(m_db, CEDB_SEEK_CURRENT, 0, &index), m_order[2]);
}

TEST_F(Records, ValueSeeksSearchTheWholeOrderWhateverThePlace) {
    DWORD index = 0;
    CeSeekDatabase(m_db, CEDB_SEEK_END, 0, nullptr);
    EXPECT_EQ(seekValue(CEDB_SEEK_VALUEFIRSTEQUAL, 20, &index), m_order[1]);
    EXPECT_EQ(index, 1u);
    EXPECT_EQ(seekValue(CEDB_SEEK_VALUENEXTEQUAL, 20, &index), m_order[2]);
    EXPECT_EQ(seekValue(CEDB_SEEK_VALUENEXTEQUAL, 20, &index), 0u);  // the next is 30
    EXPECT_EQ(index, 2u);
    EXPECT_EQ(seekValue(CEDB_SEEK_VALUEGREATER, 15, &index), m_order[1]);
    EXPECT_EQ(seekValue(CEDB_SEEK_VALUEGREATER, 30, &index), m_order[3]);
    EXPECT_EQ(seekValue(CEDB_SEEK_VALUESMALLER, 25, &index), m_order[2]);
    EXPECT_EQ(seekValue(CEDB_SEEK_VALUESMALLER, 10, &index), m_order[0]);
    EXPECT_EQ(index, 0u);
}

TEST_F(Records, ValueSeeksNeverMatchRecordsWithoutTheProperty) {
    DWORD index = 55;
    EXPECT_EQ(seekValue(CEDB_SEEK_VALUEFIRSTEQUAL, 25, &index), 0u);
    EXPECT_EQ(seekValue(CEDB_SEEK_VALUEGREATER, 31, &index), 0u);  // only the missing one follows
    EXPECT_EQ(seekValue(CEDB_SEEK_VALUESMALLER, 9, &index), 0u);
    EXPECT_EQ(index, 55u);
    CEPROPVAL wrong = text(c_note, u"no value");
    EXPECT_EQ(CeSeekDatabase(m_db, CEDB_SEEK_VALUEFIRSTEQUAL, reinterpret_cast<DWORD_PTR>(&wrong), &index), 0u);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
}

TEST_F(Records, ReadGrowsThroughInsufficientBufferAndLaysStringsAfterTheValues) {
    CEOID oid = put(m_db, {text(c_note, u"a longer note than sixteen bytes"), number(c_value, 7)});
    BYTE small[16];
    BYTE* buffer = small;
    DWORD size = sizeof small;
    WORD count = 0;
    EXPECT_EQ(CeReadRecordPropsEx(m_db, 0, &count, nullptr, &buffer, &size, nullptr), 0u);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
    ASSERT_GT(size, 2 * sizeof(CEPROPVAL));
    std::vector<BYTE> room(size);
    buffer = room.data();
    EXPECT_EQ(CeReadRecordPropsEx(m_db, 0, &count, nullptr, &buffer, &size, nullptr), oid);
    ASSERT_EQ(count, 2);
    auto* values = reinterpret_cast<CEPROPVAL*>(buffer);
    EXPECT_EQ(values[0].propid, c_note);
    EXPECT_GE(reinterpret_cast<BYTE*>(values[0].val.lpwstr), buffer + 2 * sizeof(CEPROPVAL));
    EXPECT_LT(reinterpret_cast<BYTE*>(values[0].val.lpwstr), buffer + size);
    EXPECT_EQ(std::u16string(values[0].val.lpwstr), u"a longer note than sixteen bytes");
    EXPECT_EQ(values[1].val.lVal, 7);
}

TEST_F(Records, AllowReallocGrowsTheCallersLocalBlockAndReportsMissingProperties) {
    CEBLOB blob{5, const_cast<BYTE*>(reinterpret_cast<const BYTE*>("\1\2\3\4\5"))};
    CEPROPVAL data{};
    data.propid = c_data;
    data.val.blob = blob;
    put(m_db, {data});
    BYTE* buffer = static_cast<BYTE*>(LocalAlloc(LMEM_FIXED, 8));
    DWORD size = 8;
    CEPROPID ids[] = {c_value, c_data};
    WORD count = 2;
    ASSERT_NE(CeReadRecordPropsEx(m_db, CEDB_ALLOWREALLOC, &count, ids, &buffer, &size, nullptr), 0u);
    auto* values = reinterpret_cast<CEPROPVAL*>(buffer);
    EXPECT_EQ(values[0].wFlags, CEDB_PROPNOTFOUND);
    EXPECT_EQ(values[0].propid, c_value);
    ASSERT_EQ(values[1].val.blob.dwCount, 5u);
    EXPECT_EQ(std::memcmp(values[1].val.blob.lpb, "\1\2\3\4\5", 5), 0);
    EXPECT_GE(LocalSize(buffer), size);
    LocalFree(buffer);
}

TEST_F(Records, EmptyBlobReadsBackWithCountZero) {
    CEPROPVAL data{};
    data.propid = c_data;
    data.val.blob = {0, nullptr};
    put(m_db, {data});
    BYTE* buffer = nullptr;
    DWORD size = 0;
    WORD count = 0;
    ASSERT_NE(CeReadRecordPropsEx(m_db, CEDB_ALLOWREALLOC, &count, nullptr, &buffer, &size, nullptr), 0u);
    ASSERT_EQ(count, 1);
    EXPECT_EQ(reinterpret_cast<CEPROPVAL*>(buffer)[0].val.blob.dwCount, 0u);
    LocalFree(buffer);
}

TEST_F(Records, ReadingStaysPutUnlessAutoIncrementWhichStopsAtTheEnd) {
    BYTE* buffer = nullptr;
    DWORD size = 0;
    WORD count = 0;
    CeSeekDatabase(m_db, CEDB_SEEK_BEGINNING, 0, nullptr);
    EXPECT_EQ(CeReadRecordPropsEx(m_db, CEDB_ALLOWREALLOC, &count, nullptr, &buffer, &size, nullptr), m_order[0]);
    EXPECT_EQ(CeReadRecordPropsEx(m_db, CEDB_ALLOWREALLOC, &count, nullptr, &buffer, &size, nullptr), m_order[0]);
    HANDLE walker = open(m_oid, c_value, CEDB_AUTOINCREMENT);
    for (CEOID expected : m_order)
        EXPECT_EQ(CeReadRecordPropsEx(walker, CEDB_ALLOWREALLOC, &count, nullptr, &buffer, &size, nullptr), expected);
    EXPECT_EQ(CeReadRecordPropsEx(walker, CEDB_ALLOWREALLOC, &count, nullptr, &buffer, &size, nullptr), 0u);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NO_MORE_ITEMS));
    LocalFree(buffer);
    CloseHandle(walker);
}

TEST_F(Records, AHandleWhoseRecordWasDeletedKeepsItsPlaceBetweenTheNeighbours) {
    HANDLE other = open(m_oid, c_value);
    CeSeekDatabase(other, CEDB_SEEK_BEGINNING, 2, nullptr);
    ASSERT_TRUE(CeDeleteRecord(m_db, m_order[2]));
    BYTE* buffer = nullptr;
    DWORD size = 0;
    WORD count = 0;
    EXPECT_EQ(CeReadRecordPropsEx(other, CEDB_ALLOWREALLOC, &count, nullptr, &buffer, &size, nullptr), 0u);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_KEY_DELETED));
    DWORD index = 0;
    EXPECT_EQ(CeSeekDatabase(other, CEDB_SEEK_CURRENT, 1, &index), m_order[3]);
    EXPECT_EQ(index, 2u);
    CeSeekDatabase(other, CEDB_SEEK_CEOID, m_order[1], nullptr);
    CeDeleteRecord(m_db, m_order[1]);
    EXPECT_EQ(CeSeekDatabase(other, CEDB_SEEK_CURRENT, static_cast<DWORD>(-1), &index), m_order[0]);
    LocalFree(buffer);
    CloseHandle(other);
}

TEST_F(Records, WritesReplaceGivenPropertiesKeepTheRestAndMoveTheWriterOntoTheRecord) {
    CEOID oid = put(m_db, {number(c_value, 1), text(c_note, u"kept")});
    CEPROPVAL removeNote = text(c_note, nullptr);
    removeNote.wFlags = CEDB_PROPDELETE;
    CeSeekDatabase(m_db, CEDB_SEEK_BEGINNING, 0, nullptr);
    EXPECT_EQ(put(m_db, {number(c_value, 25)}, oid), oid);
    DWORD index = 0;
    EXPECT_EQ(CeSeekDatabase(m_db, CEDB_SEEK_CURRENT, 0, &index), oid);
    EXPECT_EQ(index, 3u);  // after 10, 20, 20
    BYTE* buffer = nullptr;
    DWORD size = 0;
    WORD count = 0;
    CeReadRecordPropsEx(m_db, CEDB_ALLOWREALLOC, &count, nullptr, &buffer, &size, nullptr);
    EXPECT_EQ(count, 2);
    EXPECT_EQ(put(m_db, {removeNote}, oid), oid);
    CeReadRecordPropsEx(m_db, CEDB_ALLOWREALLOC, &count, nullptr, &buffer, &size, nullptr);
    EXPECT_EQ(count, 1);
    LocalFree(buffer);
}

TEST_F(Records, WritesOverThePropertyOrRecordLimitAreRefused) {
    std::vector<BYTE> bytes(CEDB_MAXPROPDATASIZE + 1);
    CEPROPVAL big{};
    big.propid = c_data;
    big.val.blob = {static_cast<DWORD>(bytes.size()), bytes.data()};
    EXPECT_EQ(put(m_db, {big}), 0u);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    big.val.blob.dwCount = CEDB_MAXPROPDATASIZE;
    CEPROPVAL second = big, third = big;
    second.propid = PROP_TAG(CEVT_BLOB, 4);
    third.propid = PROP_TAG(CEVT_BLOB, 5);
    EXPECT_NE(put(m_db, {big, second}), 0u);
    EXPECT_EQ(put(m_db, {big, second, third}), 0u);
}

// Reading only the order's key may be answered from the order itself: whatever the type and
// order flags, it gives exactly what reading the record gives, bytes and size alike. A
// case-folded order, or a BOOL's (kept as true or false), does not hold the value as written.
TEST_F(Records, ReadingOnlyTheSortKeyGivesTheRecordsOwnValueInEveryKindOfOrder) {
    CEPROPVAL values[7] = {};
    values[0].propid = PROP_TAG(CEVT_I2, 10);
    values[0].val.iVal = -2;
    values[1].propid = PROP_TAG(CEVT_UI2, 11);
    values[1].val.uiVal = 0xFFFE;
    values[2].propid = PROP_TAG(CEVT_R8, 12);
    values[2].val.dblVal = -0.5;
    values[3].propid = PROP_TAG(CEVT_FILETIME, 13);
    values[3].val.filetime = {0x89ABCDEF, 0x01234567};
    values[4].propid = PROP_TAG(CEVT_BOOL, 14);
    values[4].val.boolVal = 5;
    values[5] = text(PROP_TAG(CEVT_LPWSTR, 15), u"MiXed Case");
    values[6] = text(PROP_TAG(CEVT_LPWSTR, 16), u"");
    for (DWORD flags : {DWORD{0}, DWORD{CEDB_SORT_CASEINSENSITIVE | CEDB_SORT_DESCENDING}}) {
        for (const CEPROPVAL& value : values) {
            CEOID db = createDb(u"one key", {{value.propid, flags}});
            HANDLE byKey = open(db, value.propid);
            HANDLE byRecord = open(db);
            CEOID record = put(byKey, {value});
            CEOID without = put(byKey, {number(c_value, 1)});
            CEPROPID id = value.propid;
            for (CEOID oid : {record, without}) {
                std::vector<BYTE> read[2];
                DWORD errors[2] = {};
                HANDLE handles[2] = {byKey, byRecord};
                for (int i = 0; i < 2; ++i) {
                    ASSERT_EQ(CeSeekDatabase(handles[i], CEDB_SEEK_CEOID, oid, nullptr), oid);
                    BYTE* buffer = nullptr;
                    DWORD size = 0;
                    WORD count = 1;
                    SetLastError(0);
                    CEOID got = CeReadRecordPropsEx(handles[i], CEDB_ALLOWREALLOC, &count, &id, &buffer, &size, nullptr);
                    errors[i] = got ? 0 : GetLastError();
                    auto* read0 = reinterpret_cast<CEPROPVAL*>(buffer);
                    // Pointers differ between blocks: compare what they point to.
                    if (read0 && !(read0->wFlags & CEDB_PROPNOTFOUND) && TypeFromPropID(id) == CEVT_LPWSTR) {
                        std::u16string text(read0->val.lpwstr);
                        read[i].assign(reinterpret_cast<BYTE*>(text.data()), reinterpret_cast<BYTE*>(text.data() + text.size()));
                        read0->val.lpwstr = nullptr;
                    }
                    read[i].insert(read[i].end(), buffer, buffer + sizeof(CEPROPVAL));
                    read[i].push_back(static_cast<BYTE>(size));
                    LocalFree(buffer);
                }
                EXPECT_EQ(read[0], read[1]) << "property " << std::hex << id << " flags " << flags;
                EXPECT_EQ(errors[0], errors[1]) << "property " << std::hex << id << " flags " << flags;
            }
            CloseHandle(byKey);
            CloseHandle(byRecord);
            CeDeleteDatabase(db);
        }
    }
}

}  // namespace
}  // namespace objstore_test
