// A database model while another program changes the database: the second process is this
// test program started again. Its changes reach the model in commit order, and afterwards the
// model reads as the database does.
#include <chrono>
#include <string>
#include <thread>

#include "common/records/RecordModelFixture.h"
#include "support/SelfChild.h"

namespace records_test {
namespace {

constexpr char c_writerVolume[] = "RECORDS_OTHER_PROCESS_VOLUME";
constexpr char c_writerStep[] = "RECORDS_OTHER_PROCESS_STEP";

CEOID findKey(HANDLE db, LONG key) {
    CEPROPVAL value{c_key, 0, 0, {}};
    value.val.lVal = key;
    return CeSeekDatabase(db, CEDB_SEEK_VALUEFIRSTEQUAL, reinterpret_cast<DWORD_PTR>(&value), nullptr);
}

CEOID write(HANDLE db, LONG key, const WCHAR* name, CEOID oid) {
    CEPROPVAL values[2] = {{c_key, 0, 0, {}}, {c_name, 0, 0, {}}};
    values[0].val.lVal = key;
    values[1].val.lpwstr = const_cast<LPWSTR>(name);
    return CeWriteRecordProps(db, oid, 2, values);
}

// The other program: adds 15, changes 30 to 5, deletes 20, adds 40; or, given a step, only
// adds 35 ("add") or deletes 40 ("delete").
TEST(OtherProcessWriter, DISABLED_Writes) {
    const char* volume = getenv(c_writerVolume);
    if (!volume) GTEST_SKIP();
    ce::objstore::setVolumePath(volume);
    CEOID id = 0;
    HANDLE db = CeOpenDatabaseEx(nullptr, &id, u"Records", c_key, 0, nullptr);
    if (db == INVALID_HANDLE_VALUE) _exit(3);
    std::string step = getenv(c_writerStep) ? getenv(c_writerStep) : "";
    bool done = false;
    if (step == "add") {
        done = write(db, 35, u"in", 0);
    } else if (step == "delete") {
        done = CeDeleteRecord(db, findKey(db, 40));
    } else {
        CEOID thirty = findKey(db, 30), twenty = findKey(db, 20);
        done = write(db, 15, u"o", 0) && write(db, 5, u"moved", thirty) && CeDeleteRecord(db, twenty) &&
               write(db, 40, u"d", 0);
    }
    _exit(done ? 0 : 3);
}

using Told = std::vector<std::pair<UINT, CEOID>>;

class OtherProcess : public RecordModelTest {
protected:
    // The other program, run to its end; `step` as its writer test takes it.
    bool runWriter(const char* step = "") {
        setenv(c_writerStep, step, 1);
        pid_t child = test_support::startSelf("OtherProcessWriter.DISABLED_Writes", c_writerVolume,
                                              m_scratch.file("test.vol"));
        unsetenv(c_writerStep);
        return test_support::exitedCleanly(child);
    }
    // Waits in the message loop, as a window would (the store wakes it), and hands on database
    // notifications until `told` holds `wanted`.
    void handOn(Told& told, size_t wanted) {
        auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (told.size() < wanted && std::chrono::steady_clock::now() < deadline) {
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
    }
};

TEST_F(OtherProcess, ChangesReachTheModelInCommitOrderAndItsItemsMatchAFreshRead) {
    CEOID twenty = (put(10, u"a"), put(20, u"b"));
    CEOID thirty = put(30, u"c");
    DbModel model;
    model.addObserver(m_observer.handle());
    ASSERT_EQ(rows(model), fresh());

    ASSERT_TRUE(runWriter());
    Told told;
    handOn(told, 4);
    ASSERT_EQ(told.size(), 4u);
    EXPECT_EQ(told[0].first, static_cast<UINT>(DB_CEOID_CREATED));
    EXPECT_EQ(told[1], (std::pair<UINT, CEOID>{DB_CEOID_CHANGED, thirty}));
    EXPECT_EQ(told[2], (std::pair<UINT, CEOID>{DB_CEOID_RECORD_DELETED, twenty}));
    EXPECT_EQ(told[3].first, static_cast<UINT>(DB_CEOID_CREATED));
    EXPECT_EQ(rows(model), (std::vector<Row>{{5, u"moved"}, {10, u"a"}, {15, u"o"}, {40, u"d"}}));
    EXPECT_EQ(rows(model), fresh());
    EXPECT_FALSE(notices().empty());
}

// One record comes into a filtered range and another leaves it, the second change landing
// while the first one's notices are being handed on: the range's ends stay where they were,
// yet its rows are not the same, and the views must be told to draw them all again.
TEST_F(OtherProcess, ARecordSwappedInsideAFilteredRangeRedrawsTheWholeList) {
    put(20, u"a"), put(40, u"b"), put(50, u"c"), put(70, u"d");
    FilteredModel model;
    model.filter(nevo_test::number(30), nevo_test::number(60));
    ASSERT_EQ(rows(model), (std::vector<Row>{{40, u"b"}, {50, u"c"}}));  // drawn, so cached
    model.addObserver(m_observer.handle());

    ASSERT_TRUE(runWriter("add"));
    Told told;
    handOn(told, 1);  // the model's own notice of 35; the range's is still queued
    ASSERT_TRUE(runWriter("delete"));
    handOn(told, 4);
    ASSERT_EQ(told.size(), 4u);
    EXPECT_EQ(rows(model), (std::vector<Row>{{35, u"in"}, {50, u"c"}}));
    Notices seen = notices();
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.back(), (std::pair<UINT, WPARAM>{0x8002, reinterpret_cast<WPARAM>(&model)}));
}

}  // namespace
}  // namespace records_test
