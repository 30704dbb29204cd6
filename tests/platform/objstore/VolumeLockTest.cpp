// Volumes other processes hold locked, and volumes this process may only read: each is told
// as such (never as foreign or damaged), reads of a read-only volume work, and nothing is written.
#include <sqlite3.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <iterator>

#include "TempVolume.h"
#include "objstore/Volume.h"

namespace objstore_test {
namespace {

constexpr CEPROPID c_value = PROP_TAG(CEVT_I4, 1);

std::string contentOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

bool exists(const std::string& path) {
    return access(path.c_str(), F_OK) == 0;
}

class VolumeLocks : public TempVolume {
protected:
    void TearDown() override {
        if (m_holder > 0) release();
        TempVolume::TearDown();
    }
    // Another process runs `sql` on its own connection to the volume and keeps what it locked
    // until release().
    void holdLock(const char* sql) {
        std::string held = path() + ".held";
        m_holder = fork();
        if (m_holder == 0) {
            sqlite3* db = nullptr;
            int rc = sqlite3_open(path().c_str(), &db);
            // The holder waits for its own lock as the store does: a busy moment of the parent
            // must not make it give up.
            if (rc == SQLITE_OK) rc = sqlite3_busy_timeout(db, 5000);
            if (rc == SQLITE_OK) rc = sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
            // Written whole before it appears: the parent reads it as soon as it exists.
            std::ofstream(held + ".part") << rc;
            std::rename((held + ".part").c_str(), held.c_str());
            while (!exists(path() + ".release")) usleep(5000);
            _exit(rc);
        }
        for (int wait = 0; !exists(held); ++wait) {
            ASSERT_LT(wait, 2000) << "the other process never took the lock";
            usleep(5000);
        }
        ASSERT_EQ(contentOf(held), "0");
    }
    void release() {
        std::ofstream(path() + ".release") << 1;
        int status = 0;
        waitpid(m_holder, &status, 0);
        m_holder = 0;
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    }
    static void expectLockedAfterTheWait(std::chrono::steady_clock::time_point since) {
        EXPECT_EQ(GetLastError(), DWORD{ERROR_SHARING_VIOLATION});
        std::string reason = ce::objstore::lastVolumeError();
        EXPECT_NE(reason.find("locked by another process"), std::string::npos) << reason;
        EXPECT_EQ(reason.find("not an object store volume"), std::string::npos) << reason;
        auto waited = std::chrono::steady_clock::now() - since;
        EXPECT_GE(waited, std::chrono::milliseconds(ce::objstore::volumefile::c_lockWaitMilliseconds - 100));
    }

private:
    pid_t m_holder = 0;
};

TEST_F(VolumeLocks, AVolumeLockedPastTheWaitIsToldLockedNotForeign) {
    createDb(u"shared");
    ce::objstore::closeVolume();
    holdLock("PRAGMA locking_mode = EXCLUSIVE; BEGIN EXCLUSIVE; SELECT count(*) FROM records;");
    auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(ce::objstore::openVolume());
    expectLockedAfterTheWait(start);
    release();
    EXPECT_TRUE(ce::objstore::openVolume());
}

TEST_F(VolumeLocks, AWriteBlockedPastTheWaitIsToldLocked) {
    HANDLE db = open(createDb(u"shared"));
    holdLock("BEGIN IMMEDIATE; UPDATE volume SET next_oid = next_oid;");
    auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(put(db, {number(c_value, 1)}), 0u);
    expectLockedAfterTheWait(start);
    release();
    EXPECT_NE(put(db, {number(c_value, 2)}), 0u);
    CloseHandle(db);
}

// Gives the folder and everything in it to `owner`.
bool giveAway(const std::string& folder, uid_t owner) {
    bool ok = lchown(folder.c_str(), owner, owner) == 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
        ok = lchown(entry.path().c_str(), owner, owner) == 0 && ok;
    return ok;
}

// Runs `check` in a child process that cannot write the volume: root writes any file, so
// there the child becomes the user "nobody", who is given the volume and its folder.
// The child reports the first failed check as text.
std::string asReader(const std::string& folder, const std::function<std::string()>& check) {
    const uid_t nobody = 65534;
    if (geteuid() == 0 && !giveAway(folder, nobody)) return "cannot give the files away";
    int channel[2];
    if (pipe(channel) != 0) return "no pipe";
    pid_t child = fork();
    if (child == 0) {
        close(channel[0]);
        std::string problem;
        if (geteuid() == 0 && (setgid(nobody) != 0 || setuid(nobody) != 0)) problem = "cannot become nobody";
        if (problem.empty()) problem = check();
        ssize_t written = write(channel[1], problem.data(), problem.size());
        _exit(written == static_cast<ssize_t>(problem.size()) ? 0 : 1);
    }
    close(channel[1]);
    std::string problem;
    char buffer[256];
    for (ssize_t got; (got = read(channel[0], buffer, sizeof buffer)) > 0;) problem.append(buffer, got);
    close(channel[0]);
    waitpid(child, nullptr, 0);
    if (geteuid() == 0 && !giveAway(folder, 0)) return "cannot take the files back";
    return problem;
}

// Reads the record "shared" holds, then tries to add one.
std::string readsWorkAndWritesSayReadOnly() {
    CEOID oid = 0;
    HANDLE db = CeOpenDatabaseEx(nullptr, &oid, u"shared", 0, 0, nullptr);
    if (db == INVALID_HANDLE_VALUE) return "cannot open the database: " + ce::objstore::lastVolumeError();
    CEPROPID id = c_value;
    WORD count = 1;
    BYTE* buffer = nullptr;
    DWORD size = 0;
    if (!CeReadRecordPropsEx(db, CEDB_ALLOWREALLOC, &count, &id, &buffer, &size, nullptr)) return "cannot read";
    LONG value = reinterpret_cast<CEPROPVAL*>(buffer)->val.lVal;
    LocalFree(buffer);
    if (value != 42) return "read " + std::to_string(value);
    CEPROPVAL added{};
    added.propid = c_value;
    if (CeWriteRecordProps(db, 0, 1, &added)) return "a record was written";
    if (GetLastError() != ERROR_ACCESS_DENIED) return "error " + std::to_string(GetLastError());
    std::string reason = ce::objstore::lastVolumeError();
    if (reason.find("read-only") == std::string::npos) return "reason: " + reason;
    if (CeCreateDatabase(u"other", 0, 0, nullptr)) return "a database was made";
    CloseHandle(db);
    return "";
}

TEST_F(VolumeLocks, AReadOnlyVolumeCanBeReadAndRefusesWritesAsReadOnly) {
    HANDLE db = open(createDb(u"shared"));
    put(db, {number(c_value, 42)});
    CloseHandle(db);
    ce::objstore::closeVolume();
    ASSERT_EQ(chmod(path().c_str(), 0444), 0);
    std::string before = contentOf(path());
    EXPECT_EQ(asReader(folder(), readsWorkAndWritesSayReadOnly), "");
    EXPECT_EQ(contentOf(path()), before);
}

TEST_F(VolumeLocks, AVolumeInAReadOnlyFolderCanBeReadAndRefusesWritesAsReadOnly) {
    HANDLE db = open(createDb(u"shared"));
    put(db, {number(c_value, 42)});
    CloseHandle(db);
    ce::objstore::closeVolume();
    ASSERT_FALSE(exists(path() + "-wal"));
    ASSERT_EQ(chmod(folder().c_str(), 0555), 0);
    std::string before = contentOf(path());
    EXPECT_EQ(asReader(folder(), readsWorkAndWritesSayReadOnly), "");
    EXPECT_EQ(contentOf(path()), before);
    chmod(folder().c_str(), 0700);
}

}  // namespace
}  // namespace objstore_test
