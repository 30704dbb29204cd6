// Other processes' changes: told to a handle's request in commit order, once each, with the
// handle's order kept in step (or rebuilt when the log cannot tell); writers never wait for a
// reader; volumes of the previous format migrate; damaged log rows do no harm.
#include <signal.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <thread>

#include "TempVolume.h"
#include "support/SelfChild.h"
#include "gwe/MessageQueue.h"
#include "objstore/Volume.h"
#include "winuser.h"

namespace objstore_test {
namespace {

constexpr CEPROPID c_value = PROP_TAG(CEVT_I4, 1);
constexpr char c_childAction[] = "OBJSTORE_CHANGELOG_CHILD";
using Received = std::vector<std::pair<UINT, CEOID>>;

HWND makeWindow() {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.lpszClassName = u"ChangeLogNotified";
    RegisterClassW(&windowClass);
    return CreateWindowExW(0, u"ChangeLogNotified", u"", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
}

CEOID putValue(HANDLE db, LONG value, CEOID oid = 0) {
    CEPROPVAL property{c_value, 0, 0, {}};
    property.val.lVal = value;
    return CeWriteRecordProps(db, oid, 1, &property);
}

// Starts this program again as another process that works on the database "watched":
// "cycle" waits a moment, then adds 25, changes it to 5, deletes the record of 20 and adds 40;
// "puts" adds `count` records; "batch" adds them in one batch; "listen" opens the database
// with a notification request, says so with "<volume>.listening" and waits for messages.
pid_t startChild(const std::string& volume, const char* action, int count = 0) {
    return test_support::startSelf("ChangeLogChild.DISABLED_Works", c_childAction,
                                   volume + "|" + action + "|" + std::to_string(count));
}

using test_support::exitedCleanly;

TEST(ChangeLogChild, DISABLED_Works) {
    const char* given = getenv(c_childAction);
    if (!given) GTEST_SKIP();
    std::string text = given;
    size_t first = text.find('|'), second = text.find('|', first + 1);
    std::string volume = text.substr(0, first), action = text.substr(first + 1, second - first - 1);
    ce::objstore::setVolumePath(volume);
    HWND window = action == "listen" ? makeWindow() : nullptr;
    CENOTIFYREQUEST request{sizeof(CENOTIFYREQUEST), window, CEDB_EXNOTIFICATION, nullptr, 0};
    CEOID oid = 0;
    HANDLE db = CeOpenDatabaseEx(nullptr, &oid, u"watched", c_value, 0, &request);
    if (db == INVALID_HANDLE_VALUE) _exit(2);
    if (action == "cycle") {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        CEOID added = putValue(db, 25);
        CEPROPVAL twenty{c_value, 0, 0, {}};
        twenty.val.lVal = 20;
        CEOID old = CeSeekDatabase(db, CEDB_SEEK_VALUEFIRSTEQUAL, reinterpret_cast<DWORD_PTR>(&twenty), nullptr);
        _exit(added && putValue(db, 5, added) && old && CeDeleteRecord(db, old) && putValue(db, 40) ? 0 : 3);
    }
    if (action == "listen") {
        std::ofstream(volume + ".listening").put('1');
        for (MSG msg; GetMessageW(&msg, nullptr, 0, 0);)
            if (msg.message == WM_DBNOTIFICATION) CeFreeNotification(&request, reinterpret_cast<CENOTIFICATION*>(msg.lParam));
    }
    bool batched = action == "batch";
    if (batched && !ce::objstore::beginBatch()) _exit(4);
    for (int i = std::stoi(text.substr(second + 1)); i > 0; --i)
        if (!putValue(db, i)) _exit(5);
    _exit(!batched || ce::objstore::endBatch() ? 0 : 6);
}

class ChangeLog : public TempVolume {
protected:
    void SetUp() override {
        TempVolume::SetUp();
        m_window = makeWindow();
        ASSERT_NE(m_window, nullptr);
        m_request.hwnd = m_window;
            SORTORDERSPEC byValue{c_value, 0};
        m_database = createDb(u"watched", {byValue});
        ASSERT_NE(m_database, 0u);
    }
    void TearDown() override {
        if (m_handle != INVALID_HANDLE_VALUE) CloseHandle(m_handle);
        DestroyWindow(m_window);
        UnregisterClassW(u"ChangeLogNotified", nullptr);
        TempVolume::TearDown();
    }
    // Opens the watching handle on the value order and walks it, so its index is built.
    void watch() {
        m_handle = open(m_database, c_value, 0, &m_request);
        ASSERT_NE(m_handle, INVALID_HANDLE_VALUE);
        walk(m_handle);
    }
    // Waits in GetMessage, as an idle program does, until `count` notifications came; a
    // message from the watchdog thread ends the wait if nothing wakes it.
    Received awaitNotifications(size_t count) {
        Received result;
        std::atomic<bool> done{false};
        std::thread watchdog([&done] {
            for (int i = 0; i < 1000 && !done; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
            ce::gwe::MessageQueue::instance().post(nullptr, WM_APP, 0, 0);
        });
        MSG msg;
        while (result.size() < count && GetMessageW(&msg, nullptr, 0, 0) && msg.message != WM_APP)
            if (msg.message == WM_DBNOTIFICATION) result.push_back(taken(msg));
        done = true;
        watchdog.join();
        while (PeekMessageW(&msg, nullptr, WM_APP, WM_APP, PM_REMOVE)) {}
        return result;
    }
    // What is posted by now, without waiting.
    Received pending() {
        Received result;
        MSG msg;
        while (PeekMessageW(&msg, m_window, WM_DBNOTIFICATION, WM_DBNOTIFICATION, PM_REMOVE)) result.push_back(taken(msg));
        return result;
    }
    std::pair<UINT, CEOID> taken(const MSG& msg) {
        auto* note = reinterpret_cast<CENOTIFICATION*>(msg.lParam);
        EXPECT_EQ(note->oidParent, m_database);
        std::pair<UINT, CEOID> result{note->uType, note->oid};
        EXPECT_TRUE(CeFreeNotification(&m_request, note));
        return result;
    }
    // The handle's order against the one a fresh open reads from the file.
    void expectSameAsFreshOpen() {
        std::vector<CEOID> held = walk(m_handle);
        ce::objstore::closeVolume();
        HANDLE fresh = open(m_database, c_value);
        EXPECT_EQ(held, walk(fresh));
        CloseHandle(fresh);
    }
    // Runs SQL on the file behind the store's back; the first column of its last row.
    HWND m_window = nullptr;
    CEOID m_database = 0;
    CENOTIFYREQUEST m_request{sizeof(CENOTIFYREQUEST), nullptr, CEDB_EXNOTIFICATION, nullptr, 0};
    HANDLE m_handle = INVALID_HANDLE_VALUE;
};

TEST_F(ChangeLog, AnotherProcessesChangesWakeAnIdleProgramInCommitOrderOnceEach) {
    HANDLE own = open(m_database);
    CEOID ten = putValue(own, 10), twenty = putValue(own, 20), thirty = putValue(own, 30);
    watch();
    putValue(own, 10, ten);  // this process's own change, told at once and never again
    EXPECT_EQ(pending(), (Received{{DB_CEOID_CHANGED, ten}}));
    pid_t child = startChild(path(), "cycle");
    Received got = awaitNotifications(4);
    ASSERT_TRUE(exitedCleanly(child));
    ASSERT_EQ(got.size(), 4u);
    CEOID added = got[0].second, last = got[3].second;
    EXPECT_EQ(got, (Received{{DB_CEOID_CREATED, added},
                             {DB_CEOID_CHANGED, added},
                             {DB_CEOID_RECORD_DELETED, twenty},
                             {DB_CEOID_CREATED, last}}));
    EXPECT_EQ(walk(m_handle), (std::vector<CEOID>{added, ten, thirty, last}));
    CEPROPVAL five = number(c_value, 5);
    DWORD index = 9;
    EXPECT_EQ(CeSeekDatabase(m_handle, CEDB_SEEK_VALUEFIRSTEQUAL, reinterpret_cast<DWORD_PTR>(&five), &index), added);
    EXPECT_EQ(index, 0u);
    EXPECT_EQ(pending(), Received{});
    CloseHandle(own);
    expectSameAsFreshOpen();
}

TEST_F(ChangeLog, AReaderBehindAPrunedLogRebuildsAndTheLogStaysBounded) {
    watch();
    const int count = static_cast<int>(ce::objstore::Volume::c_logKept + 2 * ce::objstore::Volume::c_logPruneEvery);
    ASSERT_TRUE(exitedCleanly(startChild(path(), "batch", count)));
    EXPECT_EQ(walk(m_handle).size(), static_cast<size_t>(count));
    EXPECT_EQ(pending(), Received{});  // the first changes are gone from the log: nothing to tell
    EXPECT_LE(rawSql("SELECT count(*) FROM change_log"),
              ce::objstore::Volume::c_logKept + ce::objstore::Volume::c_logPruneEvery);
    expectSameAsFreshOpen();
}

TEST_F(ChangeLog, DamagedLogRowsAreIgnoredAndTheOrderFollowsTheFile) {
    HANDLE own = open(m_database);
    CEOID kept = putValue(own, 1);
    CloseHandle(own);
    watch();
    std::string db = "(" + std::to_string(m_database) + ", ", next = "(SELECT change_count + 1 FROM databases))";
    rawSql("INSERT INTO change_log (database_oid, record_oid, kind, change_count) VALUES " + db + "5, 12345, " + next +
           ", " + db + "-7, 1025, " + next + ", " + db + "4294967296, 1027, " + next + ", " + db + "9, 1025, -3), " +
           db + std::to_string(kept) + ", 1027, " + next + "; UPDATE databases SET change_count = change_count + 1");
    // Only the well-formed row is told; the record it calls deleted is still there, and stays.
    EXPECT_EQ(walk(m_handle), std::vector<CEOID>{kept});
    EXPECT_EQ(pending(), (Received{{DB_CEOID_RECORD_DELETED, kept}}));
    expectSameAsFreshOpen();
}

TEST_F(ChangeLog, AVolumeOfTheFirstFormatIsMigratedKeepsItsRecordsAndLogsEachChangeOfABatch) {
    HANDLE own = open(m_database);
    CEOID first = putValue(own, 1);
    CloseHandle(own);
    ce::objstore::closeVolume();
    rawSql("DROP TABLE change_log; DROP TABLE sort_indexes; PRAGMA user_version = 1");
    watch();
    EXPECT_EQ(walk(m_handle), std::vector<CEOID>{first});
    EXPECT_EQ(rawSql("PRAGMA user_version"), 3);
    ASSERT_TRUE(exitedCleanly(startChild(path(), "batch", 3)));
    Received got = awaitNotifications(3);
    ASSERT_EQ(got.size(), 3u);
    for (const auto& [type, oid] : got) EXPECT_EQ(type, UINT{DB_CEOID_CREATED});
    EXPECT_EQ(walk(m_handle), (std::vector<CEOID>{first, got[2].second, got[1].second, got[0].second}));
}

// Times `count` puts by another process.
double secondsOfPuts(const std::string& volume, int count) {
    auto start = std::chrono::steady_clock::now();
    EXPECT_TRUE(exitedCleanly(startChild(volume, "puts", count)));
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

TEST_F(ChangeLog, AWriterIsNotHeldUpByAReaderThatIsStoppedOrDead) {
    const int count = 200;
    double alone = secondsOfPuts(path(), count);
    pid_t reader = startChild(path(), "listen");
    for (int wait = 0; wait < 2000 && access((path() + ".listening").c_str(), F_OK) != 0; ++wait) usleep(5000);
    if (access((path() + ".listening").c_str(), F_OK) != 0) kill(reader, SIGKILL);
    ASSERT_EQ(access((path() + ".listening").c_str(), F_OK), 0) << "the reader never opened the database";
    kill(reader, SIGSTOP);
    double stopped = secondsOfPuts(path(), count);
    kill(reader, SIGKILL);
    waitpid(reader, nullptr, 0);
    double dead = secondsOfPuts(path(), count);
    // Generous bounds on a shared machine: waiting for the reader would never end at all.
    EXPECT_LT(stopped, 3 * alone + 1.0) << "alone " << alone;
    EXPECT_LT(dead, 3 * alone + 1.0) << "alone " << alone;
    HANDLE db = open(m_database, c_value);
    EXPECT_EQ(walk(db).size(), static_cast<size_t>(3 * count));
    CloseHandle(db);
}

}  // namespace
}  // namespace objstore_test
