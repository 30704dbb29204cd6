// The database wrapper on a fresh volume: names and OIDs, cached seeks, the growing read
// buffer, the cached record count, creation failure and change notifications.
#include <ceobjstore.h>
#include <cetest.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/Globals.h"
#include "common/db/DatabaseFixture.h"
#include "core/HeapCtrl.h"
#include "db/CeDatabase.h"

using namespace Nevo;
using db_test::CeDatabaseTest;
using db_test::c_number;
using db_test::WindowApp;

namespace {

TEST_F(CeDatabaseTest, NamesAreCutTo31AndOpeningByNameStoresTheOidThatLaterOpensUse) {
    const WCHAR* longName = u"0123456789012345678901234567890123456789";
    CeDatabase created;
    created.create(longName, 0, nullptr, 7);
    CEOIDINFO info{};
    ASSERT_TRUE(created.getInfo(&info));
    EXPECT_EQ(std::u16string(info.infDatabase.szDbaseName), std::u16string(longName, 31));
    CeDatabase db;
    ASSERT_EQ(db.open(longName, 0, nullptr), 1);
    EXPECT_EQ(db.getOid(), created.getOid());
    ASSERT_EQ(db.open(u"Test", 0, nullptr), 1);
    EXPECT_EQ(db.getOid(), created.getOid());
}

TEST_F(CeDatabaseTest, SeekToTheCurrentIndexSkipsThePlatformUntilDeleteRecordLosesThePosition) {
    std::vector<CEOID> oids = add(4);
    CeDatabase db(m_id);
    ASSERT_EQ(db.open(nullptr, 0, nullptr), 1);
    ASSERT_EQ(db.seekToIndex(1), oids[1]);
    CeDatabase other(m_id);
    other.open(nullptr, 0, nullptr);
    ASSERT_TRUE(other.deleteRecord(oids[1]));
    // Only a platform call would notice that the record is gone.
    EXPECT_EQ(db.seekToIndex(1), oids[1]);
    ASSERT_TRUE(db.deleteRecord(oids[2]));
    EXPECT_EQ(db.seekToIndex(1), oids[3]);
}

TEST_F(CeDatabaseTest, ARecordOver128BytesIsReadInTwoCallsAndTheBufferKeepsItsSize) {
    std::u16string big(200, u'x');
    CEOID bigOid = add(1, PROP_TAG(CEVT_LPWSTR, 2), big.c_str())[0];
    add(1);
    CeDatabase db(m_id);
    ASSERT_EQ(db.open(nullptr, 0, nullptr), 1);
    db.seekToOid(bigOid);
    // The first 128 bytes are allocated; the growth is refused once (and then retried).
    HANDLE items = HeapCtrl::get(HEAP_ITEMS).getHandle(4096);
    ce::test::failAllocations(items, 1, 1);
    CEOID oid = 0;
    WORD count = 0;
    CEPROPVAL* values = db.read(&oid, &count);
    EXPECT_EQ(ce::test::failedAllocations(), 1u);
    ASSERT_NE(values, nullptr);
    EXPECT_EQ(oid, bigOid);
    EXPECT_EQ(std::u16string(values[0].val.lpwstr), big);
    // The small record, then the big one again: no allocation at all.
    ce::test::failAllocations(items, 0, 1);
    db.seekNext();
    EXPECT_NE(db.read(&oid, c_number), nullptr);
    db.seekToOid(bigOid);
    EXPECT_NE(db.read(&oid, &count), nullptr);
    EXPECT_EQ(ce::test::failedAllocations(), 0u);
    ce::test::clearAllocationFaults();
}

TEST_F(CeDatabaseTest, WriteAndDeleteKeepACountAlreadyReadWithoutReadingItAgain) {
    add(2);
    CeDatabase db(m_id);
    ASSERT_EQ(db.open(nullptr, 0, nullptr), 1);
    ASSERT_EQ(db.getNumRecords(), 2u);
    add(1);  // not notified: the cached count cannot see it
    CEPROPVAL value{c_number, 0, 0, {}};
    CEOID added = db.write(0, 1, &value);
    EXPECT_EQ(db.getNumRecords(), 3u);
    EXPECT_EQ(db.write(added, 1, &value), added);
    EXPECT_EQ(db.getNumRecords(), 3u);
    ASSERT_TRUE(db.deleteRecord(added));
    EXPECT_EQ(db.getNumRecords(), 2u);
}

TEST_F(CeDatabaseTest, RecordCountAbove65535IsWholeAndKeptPastIt) {
    // One transaction for the lot: a sync per record would take half a minute.
    ASSERT_TRUE(ce::objstore::beginBatch());
    add(70000);
    ASSERT_TRUE(ce::objstore::endBatch());
    CeDatabase db(m_id);
    ASSERT_EQ(db.open(nullptr, 0, nullptr), 1);
    EXPECT_EQ(db.getNumRecords(), 70000u);
    CEPROPVAL value{c_number, 0, 0, {}};
    CEOID added = db.write(0, 1, &value);
    EXPECT_EQ(db.getNumRecords(), 70001u);
    ASSERT_TRUE(db.deleteRecord(added));
    ASSERT_TRUE(db.deleteRecord(db.seekToIndex(0)));
    EXPECT_EQ(db.getNumRecords(), 69999u);
}

TEST_F(CeDatabaseTest, CreateFailureShowsDatabaseErrorAndAsksToQuitWithCode1) {
    std::vector<std::u16string> boxes;
    ce::test::setMessageBoxResponder([&](const ce::test::MessageBoxCall& call) {
        boxes.push_back(call.caption + u": " + call.text);
        return IDOK;
    });
    CeDatabase db;
    db.create(u"Test", 0, nullptr, 0);
    ce::test::setMessageBoxResponder({});
    EXPECT_EQ(db.getOid(), 0u);
    EXPECT_EQ(boxes, std::vector<std::u16string>{u"Error: Database error"});
    MSG msg;
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
    EXPECT_EQ(msg.wParam, 1u);
}

TEST_F(CeDatabaseTest, AnotherHandlesChangeReachesTheListenerThroughTheMainWindow) {
    WNDCLASSW wc{0, DefWindowProcW, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr, u"CeDbTestFrame"};
    ASSERT_TRUE(RegisterClassW(&wc));
    WindowApp app;
    app.m_window = CreateWindowW(u"CeDbTestFrame", u"", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    Globals::setActiveApp(&app);
    CeDatabase db(m_id);
    ASSERT_EQ(db.open(nullptr, 0, &app), 1);
    ASSERT_EQ(db.getNumRecords(), 0u);
    size_t blocks = ce::test::heapBlockCount(nullptr);
    add(1);
    MSG msg;
    ASSERT_TRUE(PeekMessageW(&msg, app.m_window, WM_DBNOTIFICATION, WM_DBNOTIFICATION, PM_REMOVE));
    EXPECT_EQ(CeDatabase::dispatchNotification(msg.hwnd, reinterpret_cast<CENOTIFICATION*>(msg.lParam)), 7);
    EXPECT_EQ(app.m_type, static_cast<UINT>(DB_CEOID_CREATED));
    EXPECT_EQ(ce::test::heapBlockCount(nullptr), blocks);  // the notification was freed
    EXPECT_EQ(db.getNumRecords(), 1u);
    Globals::setActiveApp(nullptr);
    DestroyWindow(app.m_window);
    UnregisterClassW(u"CeDbTestFrame", nullptr);
}

}  // namespace
