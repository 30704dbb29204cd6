// The record count a CeDatabase keeps while other programs add, change and delete records:
// what their notifications tell it must show in the next count, whichever way it changed.
#include <cetest.h>
#include <gtest/gtest.h>

#include "app/Globals.h"
#include "common/db/DatabaseFixture.h"

namespace {

using namespace Nevo;
using db_test::c_number;

class NotifiedCount : public db_test::CeDatabaseTest {
protected:
    void SetUp() override {
        CeDatabaseTest::SetUp();
        WNDCLASSW wc{0, DefWindowProcW, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr, u"NotifiedCountFrame"};
        ASSERT_TRUE(RegisterClassW(&wc));
        m_app.m_window = CreateWindowW(u"NotifiedCountFrame", u"", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
        Globals::setActiveApp(&m_app);
    }
    void TearDown() override {
        Globals::setActiveApp(nullptr);
        DestroyWindow(m_app.m_window);
        UnregisterClassW(u"NotifiedCountFrame", nullptr);
        CeDatabaseTest::TearDown();
    }
    // Hands the notifications waiting for the main window to `db`, as the frame does; how many.
    int deliver(CeDatabase& db) {
        int delivered = 0;
        MSG msg;
        while (PeekMessageW(&msg, m_app.m_window, WM_DBNOTIFICATION, WM_DBNOTIFICATION, PM_REMOVE)) {
            db.handleNotification(msg.hwnd, reinterpret_cast<CENOTIFICATION*>(msg.lParam));
            ++delivered;
        }
        return delivered;
    }
    // Deletes or rewrites a record through a handle of its own, as another program would.
    void deleteElsewhere(CEOID record) {
        CEOID oid = m_id;
        HANDLE handle = CeOpenDatabaseEx(nullptr, &oid, nullptr, 0, 0, nullptr);
        EXPECT_TRUE(CeDeleteRecord(handle, record));
        CloseHandle(handle);
    }
    void changeElsewhere(CEOID record) {
        CEOID oid = m_id;
        HANDLE handle = CeOpenDatabaseEx(nullptr, &oid, nullptr, 0, 0, nullptr);
        CEPROPVAL value{c_number, 0, 0, {}};
        value.val.lVal = 99;
        EXPECT_EQ(CeWriteRecordProps(handle, record, 1, &value), record);
        CloseHandle(handle);
    }
    db_test::WindowApp m_app;
};

TEST_F(NotifiedCount, RecordsDeletedOrCreatedElsewhereShowInTheNextCount) {
    std::vector<CEOID> oids = add(4);
    CeDatabase db(m_id);
    ASSERT_EQ(db.open(nullptr, 0, &m_app), 1);
    ASSERT_EQ(db.getNumRecords(), 4u);

    deleteElsewhere(oids[0]);
    deleteElsewhere(oids[2]);
    ASSERT_EQ(deliver(db), 2);
    EXPECT_EQ(m_app.m_type, static_cast<UINT>(DB_CEOID_RECORD_DELETED));
    EXPECT_EQ(db.getNumRecords(), 2u);

    add(3);
    ASSERT_EQ(deliver(db), 3);
    EXPECT_EQ(m_app.m_type, static_cast<UINT>(DB_CEOID_CREATED));
    EXPECT_EQ(db.getNumRecords(), 5u);

    // Its own writes still count on top of what it was told.
    CEPROPVAL value{c_number, 0, 0, {}};
    ASSERT_NE(db.write(0, 1, &value), 0u);
    EXPECT_EQ(db.getNumRecords(), 6u);
}

TEST_F(NotifiedCount, ARecordChangedElsewhereLeavesTheCountAsItWas) {
    std::vector<CEOID> oids = add(2);
    CeDatabase db(m_id);
    ASSERT_EQ(db.open(nullptr, 0, &m_app), 1);
    ASSERT_EQ(db.getNumRecords(), 2u);
    changeElsewhere(oids[1]);
    ASSERT_EQ(deliver(db), 1);
    EXPECT_EQ(m_app.m_type, static_cast<UINT>(DB_CEOID_CHANGED));
    EXPECT_EQ(db.getNumRecords(), 2u);
}

}  // namespace
