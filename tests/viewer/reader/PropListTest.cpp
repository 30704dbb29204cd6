// The record reader on real volumes: every value text, the indexed mark, moves at both
// ends, reopening in each sort order, and "No record".
#include <string>
#include <vector>

#include "db/CeDatabase.h"
#include "reader/PropItem.h"
#include "reader/PropList.h"
#include "reader/PropertyText.h"
#include "viewer/support/ViewerTest.h"

using namespace Orvane;
using viewer_test::Value;

namespace {

std::u16string line1(Nevo::ListItem* item, int capacity = 128) {
    std::vector<WCHAR> buffer(static_cast<size_t>(capacity));
    int length = dynamic_cast<TextItem*>(item)->getLine1Text(buffer.data(), capacity);
    return std::u16string(buffer.data(), static_cast<size_t>(length));
}

std::u16string line2(Nevo::ListItem* item, int capacity = 128) {
    std::vector<WCHAR> buffer(static_cast<size_t>(capacity));
    int length = dynamic_cast<TextItem*>(item)->getLine2Text(buffer.data(), capacity);
    return std::u16string(buffer.data(), static_cast<size_t>(length));
}

// 7 March 2004 09:05:00 in 100 ns ticks since 1601.
constexpr ULONGLONG c_march7 = 127231239000000000ULL;

class PropListTest : public viewer_test::ViewerTest {
protected:
    // The database as the browser gets it: open, at its first record.
    Nevo::CeDatabase* browse(CEOID database, CEPROPID sortKey = 0) {
        auto* db = new Nevo::CeDatabase(database);
        db->open(nullptr, sortKey, nullptr);
        db->seekToIndex(0);
        return db;
    }
    std::vector<std::u16string> values(PropList& list) {
        std::vector<std::u16string> texts;
        for (UINT i = 0; i < list.size(); ++i) texts.push_back(line2(list.at(i)));
        return texts;
    }
};

TEST_F(PropListTest, EveryTypeShowsItsValueTextAndTypeName) {
    CEOID db = createDatabase(u"Types");
    std::vector<BYTE> hundred(100);
    for (int i = 0; i < 100; ++i) hundred[static_cast<size_t>(i)] = static_cast<BYTE>(i);
    addRecord(db, {Value::i4(1, -5), Value::boolean(2, 0), Value::ui4(3, 0xFFFFFFFF), Value::r8(4, 1.0),
                   Value::time(5, c_march7), Value::blob(6, {0x01, 0xAB, 0xFF}), Value::blob(7, {}),
                   Value::blob(8, hundred), Value::text(9, u"hello"), Value::i2(10, 7),
                   Value::boolean(11, 1)});
    PropList list{browse(db)};
    ASSERT_EQ(list.size(), 11u);
    EXPECT_EQ(list.isNoRecord(), 0);
    std::vector<std::u16string> texts = values(list);
    EXPECT_EQ(texts[0], u"-5");
    EXPECT_EQ(texts[1], u"FALSE");
    EXPECT_EQ(texts[2], u"0xFFFFFFFF (-1)");
    // The first 32 bits of the double 1.0 (0x3FF0000000000000) are its low half: zero.
    EXPECT_EQ(texts[3], u"0x0 (0)");
    EXPECT_EQ(texts[4], u"2004-3-7 9:5:0");
    EXPECT_EQ(texts[5], u"01ABFF");
    EXPECT_EQ(texts[6], u"");
    ASSERT_EQ(texts[7].size(), 126u);
    EXPECT_EQ(texts[7].substr(0, 8), u"00010203");
    EXPECT_EQ(texts[7].substr(120), u"3C3D3E");
    EXPECT_EQ(texts[8], u"hello");
    EXPECT_EQ(texts[9], u"0x7 (7)");
    EXPECT_EQ(texts[10], u"TRUE");
    const char16_t* names[] = {u"I4", u"BOOL", u"UI4", u"R8", u"FILETIME", u"BLOB", u"BLOB",
                               u"BLOB", u"LPWSTR", u"I2", u"BOOL"};
    for (UINT i = 0; i < 11; ++i) EXPECT_EQ(static_cast<PropItem*>(list.at(i))->getTypeName(), std::u16string(names[i]));
    EXPECT_EQ(line1(list.at(0)), u"Prop id 0x10003 (I4) ");
}

TEST_F(PropListTest, ValueTextsOfOddValues) {
    WCHAR text[128];
    // A type the table does not know.
    CEPROPVAL unknown{PROP_TAG(20, 1), 0, 0, {}};
    unknown.val.lVal = 16;
    formatValue(unknown, text, 128);
    EXPECT_EQ(std::u16string(text), u"0x10 (16)");
    EXPECT_EQ(std::u16string(typeName(20)), u"Unknown");
    // A file time beyond the calendar shows its ticks.
    CEPROPVAL late{PROP_TAG(CEVT_FILETIME, 1), 0, 0, {}};
    late.val.filetime = {1, 0x80000000};
    formatValue(late, text, 128);
    EXPECT_EQ(std::u16string(text), u"0x8000000000000001");
    // A BLOB count that is negative as a signed number shows nothing; a small buffer cuts it.
    BYTE bytes[4] = {1, 2, 3, 4};
    EXPECT_EQ(hexBytes(0xFFFFFFFF, bytes, text, 128), 0);
    EXPECT_EQ(text[0], 0);
    EXPECT_EQ(hexBytes(4, bytes, text, 6), 4);
    EXPECT_EQ(std::u16string(text), u"0102");
}

TEST_F(PropListTest, TheIndexedMarkGoesOnlyToTheSortKeyWithItsOwnType) {
    CEPROPID name = PROP_TAG(CEVT_LPWSTR, 1);
    CEOID sorted = createDatabase(u"Sorted", {name});
    addRecord(sorted, {Value::text(1, u"x"), Value::i4(1, 3)});
    PropList list{browse(sorted)};
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(line1(list.at(0)), u"Prop id 0x1001f (LPWSTR) [indexed]");
    // The same id with another type is not the key.
    EXPECT_EQ(line1(list.at(1)), u"Prop id 0x10003 (I4) ");
    EXPECT_EQ(list.getSortKeyCount(), 1);
    EXPECT_EQ(list.getSortKey(0), name);

    CEOID plain = createDatabase(u"Plain");
    addRecord(plain, {Value::text(1, u"x")});
    PropList other{browse(plain)};
    EXPECT_EQ(line1(other.at(0)), u"Prop id 0x1001f (LPWSTR) ");
    EXPECT_EQ(other.getSortKeyCount(), 0);
}

TEST_F(PropListTest, MovesStopAtBothEndsLeavingTheRecordShown) {
    CEOID db = createDatabase(u"Moves");
    std::vector<CEOID> records;
    for (int i = 0; i < 3; ++i) records.push_back(addRecord(db, {Value::i4(1, i)}));
    PropList list{browse(db)};
    EXPECT_EQ(list.getCurrentOid(), records[0]);
    EXPECT_EQ(list.movePrevious(), 0);
    EXPECT_EQ(values(list), std::vector<std::u16string>{u"0"});
    EXPECT_EQ(list.moveNext(), 1);
    EXPECT_EQ(values(list), std::vector<std::u16string>{u"1"});
    EXPECT_NE(list.moveLast(), 0u);
    EXPECT_EQ(list.getCurrentOid(), records[2]);
    EXPECT_EQ(list.moveNext(), 0);
    EXPECT_EQ(values(list), std::vector<std::u16string>{u"2"});
    EXPECT_EQ(list.getCurrentOid(), records[2]);
    EXPECT_EQ(list.movePrevious(), 1);
    EXPECT_EQ(values(list), std::vector<std::u16string>{u"1"});
    EXPECT_NE(list.moveFirst(), 0u);
    EXPECT_EQ(values(list), std::vector<std::u16string>{u"0"});
}

TEST_F(PropListTest, ReopenShowsTheFirstRecordOfEachSortOrder) {
    CEPROPID number = PROP_TAG(CEVT_I4, 1), word = PROP_TAG(CEVT_LPWSTR, 2);
    CEOID db = createDatabase(u"Orders", {number, word});
    addRecord(db, {Value::i4(1, 2), Value::text(2, u"a")});
    addRecord(db, {Value::i4(1, 1), Value::text(2, u"c")});
    addRecord(db, {Value::i4(1, 3), Value::text(2, u"b")});
    PropList list{browse(db, number)};
    list.reopen(1);
    EXPECT_EQ(values(list), (std::vector<std::u16string>{u"2", u"a"}));
    list.reopen(0);
    EXPECT_EQ(values(list), (std::vector<std::u16string>{u"1", u"c"}));
    EXPECT_EQ(list.moveNext(), 1);
    EXPECT_EQ(values(list), (std::vector<std::u16string>{u"2", u"a"}));
}

TEST_F(PropListTest, AnEmptyDatabaseShowsNoRecordAndARecordWithoutPropertiesAnEmptyList) {
    CEOID empty = createDatabase(u"Empty");
    PropList none{browse(empty)};
    ASSERT_EQ(none.size(), 1u);
    EXPECT_EQ(line1(none.at(0)), u"No record");
    EXPECT_EQ(line2(none.at(0)), u"");
    EXPECT_EQ(none.isNoRecord(), 1);
    EXPECT_EQ(none.getCurrentOid(), 0u);
    EXPECT_EQ(none.moveNext(), 0);
    // Reopening in the default order of a database without sort orders.
    none.reopen(0);
    EXPECT_EQ(none.isNoRecord(), 1);

    // A record whose only property was deleted.
    CEOID bare = createDatabase(u"Bare");
    CEOID record = addRecord(bare, {Value::i4(1, 1)});
    CEOID oid = bare;
    HANDLE handle = CeOpenDatabaseEx(nullptr, &oid, nullptr, 0, 0, nullptr);
    CEPROPVAL gone{PROP_TAG(CEVT_I4, 1), 0, CEDB_PROPDELETE, {}};
    ASSERT_EQ(CeWriteRecordProps(handle, record, 1, &gone), record);
    CloseHandle(handle);
    PropList list{browse(bare)};
    EXPECT_EQ(list.size(), 0u);
    EXPECT_EQ(list.isNoRecord(), 0);
}

}  // namespace
