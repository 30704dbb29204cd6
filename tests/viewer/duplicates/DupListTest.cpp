// The duplicate finder on real volumes: sorted and unsorted scans, values compared in full,
// records without the property, tagging, deleting the tagged records and opening one.
#include <memory>
#include <string>
#include <vector>

#include "common/app/RecordingWindow.h"
#include "db/CeDatabase.h"
#include "duplicates/DupItem.h"
#include "duplicates/DupList.h"
#include "reader/PropList.h"
#include "reader/PropertyText.h"
#include "viewer/support/ViewerTest.h"

using namespace Orvane;
using viewer_test::Value;

namespace {

constexpr CEPROPID c_word = PROP_TAG(CEVT_LPWSTR, 1);

class DupListTest : public viewer_test::ViewerTest {
protected:
    // A database whose records hold one property each; its records' OIDs in writing order.
    std::vector<CEOID> fillDatabase(CEOID db, std::vector<Value> values) {
        std::vector<CEOID> records;
        for (Value& v : values) records.push_back(addRecord(db, {v}));
        return records;
    }
    std::unique_ptr<DupList> search(CEOID db, CEPROPID propid) {
        Nevo::CeDatabase database(db);
        database.open(nullptr, 0, nullptr);
        return std::make_unique<DupList>(&database, propid);
    }
    static std::vector<CEOID> found(DupList& list) {
        std::vector<CEOID> records;
        for (UINT i = 0; i < list.size(); ++i) records.push_back(static_cast<DupItem*>(list.at(i))->getRecordOid());
        return records;
    }
    static std::vector<Value> words(std::vector<std::u16string> texts) {
        std::vector<Value> values;
        for (auto& t : texts) values.push_back(Value::text(1, t));
        return values;
    }
};

TEST_F(DupListTest, SortedModeListsTheRepeatsInSortOrderAndUnsortedModeInRecordOrder) {
    std::vector<std::u16string> texts{u"b", u"a", u"b", u"a", u"c"};
    CEOID sorted = createDatabase(u"Sorted", {c_word});
    std::vector<CEOID> s = fillDatabase(sorted, words(texts));
    auto bySort = search(sorted, c_word);
    EXPECT_EQ(bySort->getSortKey(), c_word);
    EXPECT_EQ(found(*bySort), (std::vector<CEOID>{s[3], s[2]}));
    EXPECT_EQ(bySort->getDatabaseOid(), sorted);

    CEOID plain = createDatabase(u"Plain");
    std::vector<CEOID> p = fillDatabase(plain, words(texts));
    auto byRecord = search(plain, c_word);
    EXPECT_EQ(byRecord->getSortKey(), 0u);
    EXPECT_EQ(found(*byRecord), (std::vector<CEOID>{p[2], p[3]}));
    WCHAR line[128];
    EXPECT_EQ(static_cast<DupItem*>(byRecord->at(0))->getLine1Text(line, 128), 1);
    EXPECT_EQ(std::u16string(line), u"b");
    EXPECT_EQ(static_cast<DupItem*>(byRecord->at(0))->getLine2Text(line, 128), 0);
}

TEST_F(DupListTest, CaseIsNeverIgnoredEvenUnderACaseInsensitiveOrder) {
    SORTORDERSPEC caseless{c_word, CEDB_SORT_CASEINSENSITIVE};
    CEOID db = CeCreateDatabase(u"Caseless", 0, 1, &caseless);
    fillDatabase(db, words({u"abc", u"ABC"}));
    EXPECT_EQ(search(db, c_word)->size(), 0u);
    // Equal values with one differing in case between them are not adjacent, so not found.
    CEOID split = CeCreateDatabase(u"Split", 0, 1, &caseless);
    fillDatabase(split, words({u"x", u"X", u"x"}));
    auto list = search(split, c_word);
    EXPECT_EQ(list->getSortKey(), c_word);
    EXPECT_EQ(list->size(), 0u);
}

// Values whose shown text is the same but which differ are not offered for deletion.
TEST_F(DupListTest, ValuesThatShareTheirTextButDifferInFullAreNeverListed) {
    std::u16string longText(200, u'q');
    std::u16string otherText = longText;
    otherText[150] = u'r';
    std::vector<BYTE> blob(80, 7);
    std::vector<BYTE> otherBlob = blob;
    otherBlob[70] = 8;
    constexpr ULONGLONG second = 10000000;
    ULONGLONG time = 127231239000000000ULL;
    const std::vector<std::vector<Value>> pairs{
        {Value::text(1, longText), Value::text(1, otherText)},
        {Value::r8(2, 1.0), Value::r8(2, 2.0)},
        {Value::blob(3, blob), Value::blob(3, otherBlob)},
        {Value::time(4, time), Value::time(4, time + second / 2)},
    };
    const CEPROPID ids[] = {c_word, PROP_TAG(CEVT_R8, 2), PROP_TAG(CEVT_BLOB, 3), PROP_TAG(CEVT_FILETIME, 4)};
    for (size_t i = 0; i < pairs.size(); ++i) {
        CEOID db = createDatabase(i == 0 ? u"Texts" : i == 1 ? u"Doubles" : i == 2 ? u"Blobs" : u"Times");
        std::vector<Value> values = pairs[i];
        // The same value again is a repeat: the comparison does find equal values.
        values.push_back(pairs[i][0]);
        std::vector<CEOID> records = fillDatabase(db, values);
        auto list = search(db, ids[i]);
        ASSERT_EQ(list->size(), 1u) << "property " << i;
        EXPECT_EQ(found(*list)[0], records[2]);
        // The entry shows the value as the record browser does, cut where that text stops.
        WCHAR shown[256], expected[PropItem::c_valueCapacity];
        static_cast<DupItem*>(list->at(0))->getLine1Text(shown, 256);
        formatValue(values[0].value(), expected, PropItem::c_valueCapacity);
        EXPECT_EQ(std::u16string(shown), std::u16string(expected)) << "property " << i;
    }
    // And in a sorted scan, where the differing strings stand next to each other.
    CEOID sorted = createDatabase(u"SortedTexts", {c_word});
    fillDatabase(sorted, {Value::text(1, longText), Value::text(1, otherText)});
    EXPECT_EQ(search(sorted, c_word)->size(), 0u);
}

// The value a sorted scan compares with is kept in the room the one before left, in the
// entry or on the heap by its size: short and long values in turn are all found in full.
TEST_F(DupListTest, ShortAndLongValuesInTurnAreEachComparedInFull) {
    std::u16string longer = u"b" + std::u16string(60, u'x'), longest = u"d" + std::u16string(100, u'y');
    std::vector<std::u16string> texts{u"a", u"a", longer, longer, u"c", u"c", longest, longest, longer + u"!"};
    for (bool sorted : {true, false}) {
        CEOID db = sorted ? createDatabase(u"SortedTurns", {c_word}) : createDatabase(u"PlainTurns");
        std::vector<CEOID> records = fillDatabase(db, words(texts));
        auto list = search(db, c_word);
        EXPECT_EQ(found(*list), (std::vector<CEOID>{records[1], records[3], records[5], records[7]})) << sorted;
    }
}

TEST_F(DupListTest, NumbersRepeatByValueAndOneRecordRepeatsNothing) {
    CEPROPID number = PROP_TAG(CEVT_I4, 1);
    CEOID db = createDatabase(u"Numbers", {number});
    fillDatabase(db, {Value::i4(1, 5), Value::i4(1, 5), Value::i4(1, 6), Value::i4(1, 5)});
    EXPECT_EQ(search(db, number)->size(), 2u);
    CEOID single = createDatabase(u"Single");
    fillDatabase(single, {Value::i4(1, 5)});
    EXPECT_EQ(search(single, number)->size(), 0u);
}

// A record without the property has no value to repeat: it is neither listed nor compared,
// and the records after it are still searched.
TEST_F(DupListTest, RecordsWithoutThePropertyAreLeftOut) {
    CEOID db = createDatabase(u"Sparse");
    std::vector<CEOID> records = fillDatabase(db, {Value::i4(9, 1), Value::text(1, u"a"), Value::i4(9, 2),
                                                   Value::text(1, u"a")});
    EXPECT_EQ(found(*search(db, c_word)), std::vector<CEOID>{records[3]});
    CEOID sorted = createDatabase(u"SparseSorted", {c_word});
    fillDatabase(sorted, {Value::i4(9, 1), Value::i4(9, 2), Value::text(1, u"a")});
    EXPECT_EQ(search(sorted, c_word)->size(), 0u);
}

TEST_F(DupListTest, TaggingTwiceUntagsAndDeleteTaggedRemovesOnlyTheTaggedRecords) {
    CEOID db = createDatabase(u"Tags");
    std::vector<CEOID> records = fillDatabase(db, words({u"a", u"a", u"a", u"a", u"a"}));
    auto list = search(db, c_word);
    ASSERT_EQ(list->size(), 4u);
    EXPECT_EQ(list->countTagged(), 0u);
    nevo_test::RecordingWindow observer;
    list->addObserver(observer.handle());
    list->toggleTag(0);
    list->toggleTag(0);
    EXPECT_EQ(list->countTagged(), 0u);
    // Each toggle tells the observers which entry changed.
    ASSERT_EQ(nevo_test::RecordingWindow::c_log.size(), 2u);
    EXPECT_EQ(nevo_test::RecordingWindow::c_log[1].second, std::make_pair(Nevo::EventSource::NotifyItemChanged, WPARAM{0}));
    list->toggleTag(1);
    list->toggleTag(3);
    list->toggleTag(99);
    EXPECT_EQ(list->countTagged(), 2u);
    EXPECT_EQ(list->deleteTagged(), 2);
    EXPECT_EQ(recordCount(db), 3u);
    Nevo::CeDatabase check(db);
    check.open(nullptr, 0, nullptr);
    EXPECT_EQ(check.seekToOid(records[2]), 0u);
    EXPECT_EQ(check.seekToOid(records[4]), 0u);
    EXPECT_EQ(check.seekToOid(records[1]), records[1]);
    // The entries stay; the program was not asked to end.
    EXPECT_EQ(list->size(), 4u);
    EXPECT_TRUE(m_boxes.empty());
}

TEST_F(DupListTest, OpenRecordShowsTheEntrysRecordAndNothingOnceItIsGone) {
    CEOID db = createDatabase(u"Open", {c_word});
    std::vector<CEOID> records = fillDatabase(db, words({u"a", u"b", u"a"}));
    auto list = search(db, c_word);
    ASSERT_EQ(list->size(), 1u);
    std::unique_ptr<PropList> shown(list->openRecord(0));
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->getCurrentOid(), static_cast<DupItem*>(list->at(0))->getRecordOid());
    shown.reset();
    CEOID gone = static_cast<DupItem*>(list->at(0))->getRecordOid();
    Nevo::CeDatabase other(db);
    other.open(nullptr, 0, nullptr);
    ASSERT_TRUE(other.deleteRecord(gone));
    EXPECT_EQ(list->openRecord(0), nullptr);
    EXPECT_EQ(list->openRecord(5), nullptr);
}

TEST_F(DupListTest, ADatabaseThatCannotBeOpenedIsReportedAndGivesAnEmptyList) {
    CEOID db = createDatabase(u"Gone");
    Nevo::CeDatabase database(db);
    ASSERT_TRUE(CeDeleteDatabase(db));
    DupList list(&database, c_word);
    EXPECT_EQ(list.size(), 0u);
    ASSERT_EQ(m_boxes.size(), 1u);
    EXPECT_EQ(m_boxes[0].text.rfind(u"db.open in DupList::fill: error ", 0), 0u);
}

TEST_F(DupListTest, CheckDuplicatesSearchesTheSelectedPropertyAndShowsTheFirstRecordAgain) {
    CEPROPID number = PROP_TAG(CEVT_I4, 2);
    CEOID db = createDatabase(u"Browse", {number});
    addRecord(db, {Value::i4(2, 1), Value::text(1, u"a")});
    addRecord(db, {Value::i4(2, 2), Value::text(1, u"a")});
    addRecord(db, {Value::i4(2, 3), Value::text(1, u"b")});
    auto* database = new Nevo::CeDatabase(db);
    database->open(nullptr, number, nullptr);
    PropList browser(database);
    ASSERT_EQ(browser.moveLast() != 0, true);
    UINT wordIndex = browser.findItem(PropItem::TagPropid, reinterpret_cast<const void*>(uintptr_t{c_word}), 0);
    ASSERT_NE(wordIndex, Nevo::ListModel::c_noIndex);
    std::unique_ptr<DupList> repeats(browser.checkDuplicates(wordIndex));
    ASSERT_TRUE(repeats);
    EXPECT_EQ(repeats->size(), 1u);
    // Back on the first record of the first order.
    EXPECT_EQ(static_cast<PropItem*>(browser.at(0))->getValueText(), std::u16string(u"1"));
    // The number repeats nothing.
    UINT numberIndex = browser.findItem(PropItem::TagPropid, reinterpret_cast<const void*>(uintptr_t{number}), 0);
    EXPECT_EQ(browser.checkDuplicates(numberIndex), nullptr);
}

}  // namespace
