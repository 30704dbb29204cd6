// A database model while another program changes the database: the second process is this
// test program started again. Its changes reach the model in commit order, and afterwards the
// model reads as the database does.
#include <chrono>
#include <thread>

#include "common/records/RecordModelFixture.h"
#include "support/SelfChild.h"

namespace records_test {
namespace {

constexpr char c_writerVolume[] = "RECORDS_OTHER_PROCESS_VOLUME";

CEOID findKey(HANDLE db, LONG key) {
    CEPROPVAL value{c_key, 0, 0, {}};
    value.val.lVal = key;
    return CeSeekDatabase(db, CEDB_SEEK_VALUEFIRSTEQUAL, reinterpret_cast<DWORD_PTR>(&value), nullptr);
}

// The other program: adds 15, changes 30 to 5, deletes 20, adds 40.
TEST(OtherProcessWriter, DISABLED_Writes) {
    const char* volume = getenv(c_writerVolume);
    if (!volume) GTEST_SKIP();
    ce::objstore::setVolumePath(volume);
    CEOID id = 0;
    HANDLE db = CeOpenDatabaseEx(nullptr, &id, u"Records", c_key, 0, nullptr);
    auto write = [db](LONG key, const WCHAR* name, CEOID oid) {
        CEPROPVAL values[2] = {{c_key, 0, 0, {}}, {c_name, 0, 0, {}}};
        values[0].val.lVal = key;
        values[1].val.lpwstr = const_cast<LPWSTR>(name);
        return CeWriteRecordProps(db, oid, 2, values);
    };
    CEOID thirty = findKey(db, 30), twenty = findKey(db, 20);
    bool done = db != INVALID_HANDLE_VALUE && write(15, u"o", 0) && write(5, u"moved", thirty) &&
                CeDeleteRecord(db, twenty) && write(40, u"d", 0);
    _exit(done ? 0 : 3);
}

using OtherProcess = RecordModelTest;

TEST_F(OtherProcess, ChangesReachTheModelInCommitOrderAndItsItemsMatchAFreshRead) {
    CEOID twenty = (put(10, u"a"), put(20, u"b"));
    CEOID thirty = put(30, u"c");
    DbModel model;
    model.addObserver(m_observer.handle());
    ASSERT_EQ(rows(model), fresh());

    pid_t child = test_support::startSelf("OtherProcessWriter.DISABLED_Writes", c_writerVolume,
                                          m_scratch.file("test.vol"));
    ASSERT_TRUE(test_support::exitedCleanly(child));

    // The program waits in its message loop, as a window would: the store wakes it.
    std::vector<std::pair<UINT, CEOID>> told;
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (told.size() < 4 && std::chrono::steady_clock::now() < deadline) {
        MSG msg;
        if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
            continue;
        }
        if (msg.message != WM_DBNOTIFICATION) {
            DispatchMessageW(&msg);
            continue;
        }
        auto* notice = reinterpret_cast<CENOTIFICATION*>(msg.lParam);
        told.emplace_back(notice->uType, notice->oid);
        CeDatabase::dispatchNotification(msg.hwnd, notice);
    }
    ASSERT_EQ(told.size(), 4u);
    EXPECT_EQ(told[0].first, static_cast<UINT>(DB_CEOID_CREATED));
    EXPECT_EQ(told[1], (std::pair<UINT, CEOID>{DB_CEOID_CHANGED, thirty}));
    EXPECT_EQ(told[2], (std::pair<UINT, CEOID>{DB_CEOID_RECORD_DELETED, twenty}));
    EXPECT_EQ(told[3].first, static_cast<UINT>(DB_CEOID_CREATED));
    EXPECT_EQ(rows(model), (std::vector<Row>{{5, u"moved"}, {10, u"a"}, {15, u"o"}, {40, u"d"}}));
    EXPECT_EQ(rows(model), fresh());
    EXPECT_FALSE(notices().empty());
}

}  // namespace
}  // namespace records_test
