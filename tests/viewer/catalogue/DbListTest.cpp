// The catalogue on real volumes: the information text, counts past 16 bits, the order kept
// across refresh, entries that cannot be read, and deleting and opening databases with the
// user's answers.
#include <memory>
#include <regex>
#include <string>
#include <vector>

#include "catalogue/DbItem.h"
#include "common/app/RecordingWindow.h"
#include "catalogue/DbList.h"
#include "db/CeDatabase.h"
#include "records/Template.h"
#include "viewer/support/ViewerTest.h"

using namespace Orvane;
using viewer_test::Value;

namespace {

std::u16string line(DbItem* item, bool second, int capacity = 128) {
    std::vector<WCHAR> buffer(static_cast<size_t>(capacity));
    int length = second ? item->getLine2Text(buffer.data(), capacity) : item->getLine1Text(buffer.data(), capacity);
    return std::u16string(buffer.data(), static_cast<size_t>(length));
}

std::string narrow(const std::u16string& text) {
    return std::string(text.begin(), text.end());
}

class DbListTest : public viewer_test::ViewerTest {
protected:
    std::vector<std::u16string> names(DbList& list) {
        std::vector<std::u16string> shown;
        for (UINT i = 0; i < list.size(); ++i) shown.push_back(static_cast<DbItem*>(list.at(i))->getName());
        return shown;
    }
    void addRecords(CEOID db, DWORD count, int textLength = 1) {
        addCopies(db, count, {Value::text(1, std::u16string(static_cast<size_t>(textLength), u'x'))});
    }
};

TEST_F(DbListTest, AnEmptyStoreGivesAnEmptyCatalogueWhereDeleteAndOpenDoNothing) {
    DbList list;
    EXPECT_EQ(list.size(), 0u);
    // Observers hear of the emptying and of the end of the refresh.
    nevo_test::RecordingWindow observer;
    list.addObserver(observer.handle());
    list.refresh();
    ASSERT_EQ(nevo_test::RecordingWindow::c_log.size(), 2u);
    for (auto& entry : nevo_test::RecordingWindow::c_log)
        EXPECT_EQ(entry.second.first, Nevo::EventSource::NotifyListChanged);
    EXPECT_EQ(nevo_test::RecordingWindow::c_log[1].second.second, reinterpret_cast<WPARAM>(&list));
    list.deleteDatabase(0, nullptr);
    EXPECT_EQ(list.openDatabase(0, nullptr), nullptr);
    EXPECT_TRUE(m_boxes.empty());
}

TEST_F(DbListTest, EachEntryShowsItsNameAndInformationText) {
    CEOID db = createDatabase(u"Contacts", {PROP_TAG(CEVT_LPWSTR, 1)}, 0x2A);
    addRecords(db, 2);
    DbList list;
    ASSERT_EQ(list.size(), 1u);
    auto* entry = static_cast<DbItem*>(list.at(0));
    EXPECT_EQ(entry->getOid(), db);
    EXPECT_EQ(line(entry, false), u"Contacts");
    CEOIDINFO info{};
    CeOidGetInfo(db, &info);
    std::string text = narrow(line(entry, true));
    std::string expected = "Type: 0x2a, 1 sorts, 2 recs\r\n" + std::to_string(info.infDatabase.dwSize) + " bytes, modified ";
    EXPECT_EQ(text.substr(0, expected.size()), expected);
    // The date's fields carry no leading zeros.
    EXPECT_TRUE(std::regex_match(text.substr(expected.size()),
                                 std::regex("[1-9][0-9]*-[1-9][0-9]?-[1-9][0-9]? (0|[1-9][0-9]?):(0|[1-9][0-9]?):(0|[1-9][0-9]?)")))
        << text;
    // A buffer too small keeps its first n - 1 characters.
    EXPECT_EQ(line(entry, true, 10), u"Type: 0x2");
}

TEST_F(DbListTest, AnEntryWhoseInformationCannotBeReadIsUnknownAndCannotBeOpened) {
    DbList list;
    DbItem unknown(list.getTemplate(), 0x7777);
    EXPECT_EQ(line(&unknown, false), u"UNKNOWN");
    EXPECT_EQ(line(&unknown, true), u"Type: 0x0, 0 sorts, 0 recs\r\n0 bytes, modified 1601-1-1 0:0:0");
    // The template got its seven fields once.
    EXPECT_EQ(list.getTemplate()->fieldCount(), 7);
    DbItem again(list.getTemplate(), 0x7778);
    EXPECT_EQ(list.getTemplate()->fieldCount(), 7);
    // A record's OID names no database either.
    DbItem record(list.getTemplate(), addRecord(createDatabase(u"Notes"), {Value::i4(1, 5)}));
    EXPECT_EQ(line(&record, false), u"UNKNOWN");
    EXPECT_EQ(line(&record, true), line(&unknown, true));
    list.addItem(new DbItem(list.getTemplate(), 0x7777));
    EXPECT_EQ(list.openDatabase(0, nullptr), nullptr);
    ASSERT_EQ(m_boxes.size(), 1u);
    EXPECT_EQ(m_boxes[0].text, u"Can't open database");
    EXPECT_EQ(m_boxes[0].caption, u"Error");
    EXPECT_EQ(m_boxes[0].style & (MB_ICONSTOP | MB_OK | MB_YESNO), static_cast<UINT>(MB_ICONSTOP | MB_OK));
}

TEST_F(DbListTest, TheChosenOrderSurvivesARefreshAndEqualKeysStandInReverseEnumerationOrder) {
    CEOID big = createDatabase(u"Big");
    addRecords(big, 3, 40);
    CEOID small = createDatabase(u"Small");
    addRecords(small, 1);
    CEOID first = createDatabase(u"Twin1");
    CEOID second = createDatabase(u"Twin2");
    DbList list;
    EXPECT_EQ(names(list), (std::vector<std::u16string>{u"Big", u"Small", u"Twin1", u"Twin2"}));
    list.sort(DbList::c_bySize, 0);
    list.refresh();
    std::vector<std::u16string> bySize = names(list);
    ASSERT_EQ(bySize.size(), 4u);
    EXPECT_EQ(bySize[2], u"Small");
    EXPECT_EQ(bySize[3], u"Big");
    // The two empty databases have the same size: the one enumerated later comes first.
    std::vector<std::u16string> twins{bySize[0], bySize[1]};
    std::vector<std::u16string> enumerated;
    HANDLE found = CeFindFirstDatabaseEx(nullptr, 0);
    while (CEOID oid = CeFindNextDatabaseEx(found, nullptr))
        if (oid == first || oid == second) enumerated.insert(enumerated.begin(), oid == first ? u"Twin1" : u"Twin2");
    CloseHandle(found);
    EXPECT_EQ(twins, enumerated);
    list.sort(DbList::c_byRecords, 0);
    list.refresh();
    EXPECT_EQ(names(list).back(), u"Big");
}

TEST_F(DbListTest, CountsPast65535AreShownWholeAndSortAboveSmallerOnes) {
    addRecords(createDatabase(u"Huge"), 70000);
    // Past the smallest count that 70,000 cut to 16 bits (4464) would sort below.
    addRecords(createDatabase(u"Mid"), 5000);
    addRecords(createDatabase(u"Small"), 100);
    DbList list;
    ASSERT_EQ(names(list), (std::vector<std::u16string>{u"Huge", u"Mid", u"Small"}));
    std::string text = narrow(line(static_cast<DbItem*>(list.at(0)), true));
    EXPECT_EQ(text.substr(0, text.find('\r')), "Type: 0x0, 0 sorts, 70000 recs");
    list.sort(DbList::c_byRecords, 0);
    list.refresh();
    EXPECT_EQ(names(list), (std::vector<std::u16string>{u"Small", u"Mid", u"Huge"}));
    std::unique_ptr<Nevo::CeDatabase> opened(list.openDatabase(2, nullptr));
    ASSERT_TRUE(opened);
    EXPECT_EQ(opened->getNumRecords(), 70000u);
}

TEST_F(DbListTest, DeletingAsksFirstAndAnswerNoChangesNothing) {
    CEOID keep = createDatabase(u"Keep");
    createDatabase(u"Other");
    DbList list;
    m_answer = IDNO;
    list.deleteDatabase(0, nullptr);
    ASSERT_EQ(m_boxes.size(), 1u);
    EXPECT_EQ(m_boxes[0].text, u"Are you sure you wish to delete db \"Keep\"? This can't be undone.");
    EXPECT_EQ(m_boxes[0].caption, u"Confirm Operation");
    EXPECT_EQ(m_boxes[0].style & (MB_YESNO | MB_ICONEXCLAMATION | MB_DEFBUTTON2),
              static_cast<UINT>(MB_YESNO | MB_ICONEXCLAMATION | MB_DEFBUTTON2));
    CEOIDINFO info{};
    EXPECT_TRUE(CeOidGetInfo(keep, &info));
    EXPECT_EQ(list.size(), 2u);

    m_answer = IDYES;
    list.deleteDatabase(0, nullptr);
    EXPECT_FALSE(CeOidGetInfo(keep, &info));
    EXPECT_EQ(names(list), std::vector<std::u16string>{u"Other"});
}

TEST_F(DbListTest, ARefusedDeletionReportsThePlatformsErrorAndLeavesTheList) {
    CEOID busy = createDatabase(u"Busy");
    DbList list;
    Nevo::CeDatabase holder(busy);
    ASSERT_TRUE(holder.open(nullptr, 0, nullptr));
    list.deleteDatabase(0, nullptr);
    ASSERT_EQ(m_boxes.size(), 2u);
    EXPECT_EQ(m_boxes[1].text, u"CeDeleteDatabase: error " + std::u16string(u"32"));
    EXPECT_EQ(names(list), std::vector<std::u16string>{u"Busy"});
}

TEST_F(DbListTest, OpeningGoesByNameEvenWhenTheEntrysOidIsStale) {
    createDatabase(u"Notes");
    addRecords(createDatabase(u"Tasks"), 2);
    DbList list;
    std::unique_ptr<Nevo::CeDatabase> opened(list.openDatabase(1, nullptr));
    ASSERT_TRUE(opened);
    EXPECT_EQ(opened->getNumRecords(), 2u);
    opened.reset();
    // Recreated under the same name: the entry's OID no longer exists, its name does.
    CeDeleteDatabase(static_cast<DbItem*>(list.at(0))->getOid());
    CEOID again = createDatabase(u"Notes");
    opened.reset(list.openDatabase(0, nullptr));
    ASSERT_TRUE(opened);
    EXPECT_EQ(opened->getOid(), again);
    EXPECT_TRUE(m_boxes.empty());
}

}  // namespace
