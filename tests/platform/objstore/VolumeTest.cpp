// The volume file: where it lives and how it is created, durability of each change, other
// processes' changes seen at the next call, and foreign or damaged files refused untouched.
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "TempVolume.h"
#include "support/SelfChild.h"

namespace objstore_test {
namespace {

constexpr CEPROPID c_value = PROP_TAG(CEVT_I4, 1);
constexpr char c_childAction[] = "OBJSTORE_TEST_CHILD";

std::string contentOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void writeFile(const std::string& path, const std::string& content) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << content;
}

// Starts this test program again as another process, which writes one record with `value`
// to the database "shared" of the volume and then exits ("exit"), is killed ("die"), or
// keeps the database open until the file "<volume>.release" appears ("hold").
pid_t startChild(const std::string& volume, LONG value, const char* ending) {
    return test_support::startSelf("VolumeChild.DISABLED_WritesOneRecord", c_childAction,
                                   volume + "|" + std::to_string(value) + "|" + ending);
}

int waitFor(pid_t child) {
    return test_support::waitStatus(child);
}

int runChild(const std::string& volume, LONG value, bool die) {
    return waitFor(startChild(volume, value, die ? "die" : "exit"));
}

TEST(VolumeChild, DISABLED_WritesOneRecord) {
    const char* action = getenv(c_childAction);
    if (!action) GTEST_SKIP();
    std::string text = action;
    size_t first = text.find('|'), second = text.find('|', first + 1);
    ce::objstore::setVolumePath(text.substr(0, first));
    CEOID oid = 0;
    HANDLE db = CeOpenDatabaseEx(nullptr, &oid, u"shared", 0, 0, nullptr);
    CEPROPVAL value{};
    value.propid = c_value;
    value.val.lVal = std::stoi(text.substr(first + 1, second - first - 1));
    if (!CeWriteRecordProps(db, 0, 1, &value)) _exit(2);
    std::string ending = text.substr(second + 1);
    if (ending == "die") raise(SIGKILL);
    if (ending == "hold") {
        std::string volume = text.substr(0, first);
        std::ofstream(volume + ".held").put('1');
        while (access((volume + ".release").c_str(), F_OK) != 0) usleep(5000);
        _exit(CloseHandle(db) ? 0 : 3);
    }
    _exit(0);
}

using Volume = TempVolume;

TEST_F(Volume, AChangeSurvivesTheProcessBeingKilledRightAfterTheCall) {
    createDb(u"shared");
    ce::objstore::closeVolume();
    int status = runChild(path(), 1234, true);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << status;
    CEOID oid = 0;
    HANDLE db = CeOpenDatabaseEx(nullptr, &oid, u"shared", 0, 0, nullptr);
    ASSERT_NE(db, INVALID_HANDLE_VALUE);
    CEPROPID id = c_value;
    WORD count = 1;
    BYTE* buffer = nullptr;
    DWORD size = 0;
    ASSERT_NE(CeReadRecordPropsEx(db, CEDB_ALLOWREALLOC, &count, &id, &buffer, &size, nullptr), 0u);
    EXPECT_EQ(reinterpret_cast<CEPROPVAL*>(buffer)->val.lVal, 1234);
    LocalFree(buffer);
    CloseHandle(db);
}

TEST_F(Volume, AnotherProcessesWriteIsSeenAtTheNextCall) {
    CEOID oid = createDb(u"shared", {{c_value, CEDB_SORT_DESCENDING}});
    HANDLE db = open(oid, c_value);
    put(db, {number(c_value, 10)});
    CeSeekDatabase(db, CEDB_SEEK_BEGINNING, 0, nullptr);
    int status = runChild(path(), 99, false);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    DWORD index = 5;
    CEOID first = CeSeekDatabase(db, CEDB_SEEK_BEGINNING, 0, &index);
    CEOIDINFO info{};
    ASSERT_TRUE(CeOidGetInfo(first, &info));
    EXPECT_EQ(info.wObjType, OBJTYPE_RECORD);
    EXPECT_EQ(walk(db).size(), 2u);
    DWORD place = 0;
    CEPROPVAL ten = number(c_value, 10);
    CeSeekDatabase(db, CEDB_SEEK_VALUEFIRSTEQUAL, reinterpret_cast<DWORD_PTR>(&ten), &place);
    EXPECT_EQ(place, 1u);  // 99 now sorts before it
    CloseHandle(db);
}

// Reads one after another share a snapshot; once another connection commits, the next read
// after the commit watch's trust sees the new bytes, and the process's own write too.
TEST_F(Volume, ARecordRewrittenElsewhereIsReadAnewOnceTheCommitIsSeen) {
    HANDLE db = open(createDb(u"plain"));
    CEOID first = put(db, {number(c_value, 10)});
    CEOID second = put(db, {number(c_value, 20)});
    auto read = [db](CEOID oid) {
        CeSeekDatabase(db, CEDB_SEEK_CEOID, oid, nullptr);
        WORD count = 1;
        CEPROPID id = c_value;
        LPBYTE buffer = nullptr;
        DWORD size = 0;
        LONG value = -1;
        if (CeReadRecordPropsEx(db, CEDB_ALLOWREALLOC, &count, &id, &buffer, &size, nullptr))
            value = reinterpret_cast<CEPROPVAL*>(buffer)->val.lVal;
        LocalFree(buffer);
        return value;
    };
    EXPECT_EQ(read(second), 20);
    EXPECT_EQ(read(first), 10);
    rawSql("UPDATE records SET properties = (SELECT properties FROM records WHERE oid = " + std::to_string(second) +
           ") WHERE oid = " + std::to_string(first));
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (read(first) != 20 && std::chrono::steady_clock::now() < deadline) continue;  // no Sleep: it lets go
    EXPECT_EQ(read(first), 20);
    put(db, {number(c_value, 30)}, first);
    EXPECT_EQ(read(first), 30);
    CloseHandle(db);
}

TEST_F(Volume, ABatchKeepsItsGoodChangesUndoesAFailedOneAndIsLostUnlessEnded) {
    ASSERT_TRUE(ce::objstore::beginBatch());
    CEOID kept = createDb(u"kept");
    EXPECT_EQ(createDb(u"KEPT"), 0u);  // a duplicate name fails on its own
    EXPECT_EQ(GetLastError(), DWORD{ERROR_DUP_NAME});
    HANDLE db = open(kept);
    put(db, {number(c_value, 7)});
    CloseHandle(db);
    ASSERT_TRUE(ce::objstore::endBatch());
    ASSERT_TRUE(ce::objstore::beginBatch());
    createDb(u"unfinished");
    ce::objstore::closeVolume();  // the process ends before the batch does

    CEOIDINFO info{};
    ASSERT_TRUE(CeOidGetInfo(kept, &info));
    EXPECT_EQ(info.infDatabase.wNumRecords, 1);
    CEOID missing = 0;
    EXPECT_EQ(CeOpenDatabaseEx(nullptr, &missing, u"unfinished", 0, 0, nullptr), INVALID_HANDLE_VALUE);
}

TEST_F(Volume, ADatabaseAnotherProcessHoldsOpenCannotBeDeletedUntilItLetsGo) {
    CEOID oid = createDb(u"shared");
    pid_t child = startChild(path(), 5, "hold");
    for (int wait = 0; access((path() + ".held").c_str(), F_OK) != 0; ++wait) {
        ASSERT_LT(wait, 2000) << "the other process never opened the database";
        usleep(5000);
    }
    EXPECT_FALSE(CeDeleteDatabase(oid));
    EXPECT_EQ(GetLastError(), DWORD{ERROR_SHARING_VIOLATION});
    writeFile(path() + ".release", "1");
    int status = waitFor(child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    EXPECT_TRUE(CeDeleteDatabase(oid));
}

TEST_F(Volume, ForeignFilesAreRefusedWithAReasonAndLeftByteForByte) {
    writeFile(path(), "plain text, not a volume\n");
    EXPECT_EQ(createDb(u"x"), 0u);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_DATA));
    EXPECT_NE(ce::objstore::lastVolumeError().find(path()), std::string::npos);
    EXPECT_EQ(contentOf(path()), "plain text, not a volume\n");

    ce::objstore::setVolumePath(folder() + "/real.vol");
    createDb(u"x");
    ce::objstore::closeVolume();
    std::string other = contentOf(folder() + "/real.vol");
    other[68] ^= 0x55;  // another application's id
    writeFile(path(), other);
    ce::objstore::setVolumePath(path());
    EXPECT_FALSE(ce::objstore::openVolume());
    EXPECT_NE(ce::objstore::lastVolumeError().find("another application"), std::string::npos);
    EXPECT_EQ(contentOf(path()), other);
}

TEST_F(Volume, DamagedVolumesAreRefusedAndLeftByteForByte) {
    CEOID oid = createDb(u"full", {{c_value, 0}});
    HANDLE db = open(oid);
    for (LONG i = 0; i < 300; ++i) put(db, {number(c_value, i), text(PROP_TAG(CEVT_LPWSTR, 2), u"padding text")});
    CloseHandle(db);
    ce::objstore::closeVolume();
    std::string damaged = contentOf(path());
    ASSERT_GT(damaged.size(), 4u * 4096);
    for (size_t i = 3 * 4096; i < 3 * 4096 + 64; ++i) damaged[i] = '\xA5';
    writeFile(path(), damaged);
    EXPECT_FALSE(ce::objstore::openVolume());
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_DATA));
    EXPECT_NE(ce::objstore::lastVolumeError().find("damaged"), std::string::npos);
    EXPECT_EQ(contentOf(path()), damaged);
}

TEST_F(Volume, TheDefaultVolumeIsCreatedPrivateUnderTheDataFolderAndInitializedOnce) {
    static int s_initialized = 0;
    s_initialized = 0;
    auto previous = ce::objstore::setDefaultVolumeInitializer([] {
        ++s_initialized;
        return createDb(u"sample") != 0;
    });
    std::string oldData = getenv("XDG_DATA_HOME") ? getenv("XDG_DATA_HOME") : "";
    setenv("XDG_DATA_HOME", folder().c_str(), 1);
    unsetenv("CE_STORE");
    ce::objstore::setVolumePath("");
    EXPECT_EQ(ce::objstore::volumePath(), folder() + "/orvane/objectstore.vol");
    HANDLE found = CeFindFirstDatabaseEx(nullptr, 0);
    EXPECT_NE(CeFindNextDatabaseEx(found, nullptr), 0u);
    CloseHandle(found);
    ce::objstore::closeVolume();
    ASSERT_TRUE(ce::objstore::openVolume());
    EXPECT_EQ(s_initialized, 1);
    struct stat info{};
    ASSERT_EQ(stat(ce::objstore::volumePath().c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);

    setenv("CE_STORE", (folder() + "/named.vol").c_str(), 1);
    ce::objstore::closeVolume();
    EXPECT_EQ(createDb(u"sample") != 0, true);  // a named volume starts empty
    EXPECT_EQ(s_initialized, 1);
    unsetenv("CE_STORE");
    oldData.empty() ? unsetenv("XDG_DATA_HOME") : setenv("XDG_DATA_HOME", oldData.c_str(), 1);
    ce::objstore::setDefaultVolumeInitializer(previous);
}

// A default volume whose filling failed was linked into place empty, and stayed so: the
// catalogue showed nothing, with no error, for good.
TEST_F(Volume, ADefaultVolumeThatCannotBeFilledIsNotMadeAndTheNextUseTriesAgain) {
    static bool s_fails = true;
    auto previous = ce::objstore::setDefaultVolumeInitializer([] {
        if (createDb(u"sample") == 0 || s_fails) return SetLastError(ERROR_DISK_FULL), false;
        return true;
    });
    std::string oldData = getenv("XDG_DATA_HOME") ? getenv("XDG_DATA_HOME") : "";
    setenv("XDG_DATA_HOME", folder().c_str(), 1);
    unsetenv("CE_STORE");
    ce::objstore::setVolumePath("");
    EXPECT_FALSE(ce::objstore::openVolume());
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_DISK_FULL));
    EXPECT_NE(ce::objstore::lastVolumeError().find("cannot fill the new default volume"), std::string::npos)
        << ce::objstore::lastVolumeError();
    EXPECT_FALSE(std::filesystem::exists(ce::objstore::volumePath()));
    EXPECT_TRUE(std::filesystem::is_empty(folder() + "/orvane")) << "nothing half made is left behind";

    s_fails = false;
    ASSERT_TRUE(ce::objstore::openVolume()) << ce::objstore::lastVolumeError();
    HANDLE found = CeFindFirstDatabaseEx(nullptr, 0);
    EXPECT_NE(CeFindNextDatabaseEx(found, nullptr), 0u);
    CloseHandle(found);
    oldData.empty() ? unsetenv("XDG_DATA_HOME") : setenv("XDG_DATA_HOME", oldData.c_str(), 1);
    ce::objstore::setDefaultVolumeInitializer(previous);
}

// A volume made filled (`cedb init --sample`) was linked into place empty and filled there:
// a program starting meanwhile showed an empty catalogue. It appears only once filled, never
// over a volume another program made, and a filling that fails leaves nothing behind.
TEST_F(Volume, AVolumeMadeFilledAppearsOnlyOnceFilledAndNeverOverAnother) {
    static std::string s_made;
    s_made = folder() + "/made.vol";
    ce::objstore::setVolumePath(s_made);
    ASSERT_TRUE(ce::objstore::createVolume([] { return createDb(u"sample") && !std::filesystem::exists(s_made); }))
        << ce::objstore::lastVolumeError();
    HANDLE found = CeFindFirstDatabaseEx(nullptr, 0);
    EXPECT_NE(CeFindNextDatabaseEx(found, nullptr), 0u);
    CloseHandle(found);
    EXPECT_FALSE(ce::objstore::createVolume([] { return createDb(u"other") != 0; }));
    EXPECT_NE(ce::objstore::lastVolumeError().find("already exists"), std::string::npos);
    found = CeFindFirstDatabaseEx(nullptr, 0);
    CEOID first = CeFindNextDatabaseEx(found, nullptr);
    EXPECT_NE(first, 0u);
    EXPECT_EQ(CeFindNextDatabaseEx(found, nullptr), 0u) << "the volume there is kept as it was";
    CloseHandle(found);

    ce::objstore::setVolumePath(folder() + "/failed.vol");
    EXPECT_FALSE(ce::objstore::createVolume([] {
        createDb(u"half");
        SetLastError(ERROR_DISK_FULL);
        return false;
    }));
    EXPECT_NE(ce::objstore::lastVolumeError().find("cannot fill the new volume"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(folder() + "/failed.vol"));
}

// A read keeps its read transaction for the next one, and with it a snapshot of the file that
// another process's checkpoint must wait for; a program that waits lets it go.
TEST_F(Volume, AProgramThatWaitsHoldsUpNoCheckpointOfAnotherProcess) {
    HANDLE db = open(createDb(u"db"));
    put(db, {number(c_value, 1)});
    CeSeekDatabase(db, CEDB_SEEK_BEGINNING, 0, nullptr);
    WORD count = 0;
    LPBYTE buffer = nullptr;
    DWORD size = 0;
    ASSERT_TRUE(CeReadRecordPropsEx(db, CEDB_ALLOWREALLOC, &count, nullptr, &buffer, &size, nullptr));
    EXPECT_EQ(rawSql("PRAGMA wal_checkpoint(TRUNCATE)"), 1) << "the read's snapshot is held";
    Sleep(1);
    EXPECT_EQ(rawSql("PRAGMA wal_checkpoint(TRUNCATE)"), 0) << "a wait lets it go";
    LocalFree(buffer);
    CloseHandle(db);
}

}  // namespace
}  // namespace objstore_test
