// The cached object store volume: reused when it holds the count asked for, rebuilt otherwise.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "BenchFiles.h"
#include "StoreVolume.h"
#include "ceobjstore.h"
#include "winbase.h"

namespace {

constexpr std::uint32_t c_count = 300;
constexpr std::uint32_t c_other = 200;

class StoreVolumeTest : public testing::Test {
protected:
    // A folder per test: ctest runs them in parallel processes.
    void SetUp() override {
        char folder[] = "/tmp/orvane-bench-test-XXXXXX";
        ASSERT_NE(mkdtemp(folder), nullptr);
        m_folder = folder;
        setBenchDirectory(m_folder);
    }
    void TearDown() override {
        ce::objstore::setVolumePath("");
        for (std::uint32_t count : {c_count, c_other}) removeDatabaseFile(benchFile(count, StoreVolume::c_fileSuffix));
        rmdir(m_folder.c_str());
        setBenchDirectory("");
    }
    static DWORD recordCount() {
        HANDLE handle = StoreVolume::open(0);
        if (handle == INVALID_HANDLE_VALUE) return 0;
        DWORD index = 0;
        CEOID last = CeSeekDatabase(handle, CEDB_SEEK_END, 0, &index);
        CloseHandle(handle);
        return last ? index + 1 : 0;
    }

    std::string m_folder;
};

TEST_F(StoreVolumeTest, BuildsTheCountAskedFor) {
    ASSERT_TRUE(StoreVolume::use(c_count));
    EXPECT_EQ(recordCount(), c_count);
}

TEST_F(StoreVolumeTest, ReusesAVolumeThatHoldsTheCount) {
    ASSERT_TRUE(StoreVolume::use(c_count));
    CEDBASEINFO marker{};
    marker.dwFlags = CEDB_VALIDNAME;
    std::u16string name = u"marker";
    std::copy(name.begin(), name.end(), marker.szDbaseName);
    ASSERT_NE(CeCreateDatabaseEx(nullptr, &marker), 0u);
    ASSERT_TRUE(StoreVolume::use(c_other));
    ASSERT_TRUE(StoreVolume::use(c_count));
    CEOID oid = 0;
    HANDLE handle = CeOpenDatabaseEx(nullptr, &oid, u"marker", 0, 0, nullptr);
    EXPECT_NE(handle, INVALID_HANDLE_VALUE);
    CloseHandle(handle);
}

TEST_F(StoreVolumeTest, RebuildsAVolumeWhoseCountChanged) {
    ASSERT_TRUE(StoreVolume::use(c_count));
    HANDLE handle = StoreVolume::open(0);
    BenchRecord extra = benchRecord(c_count);
    CEPROPVAL props[StoreVolume::c_propCount];
    StoreVolume::fillProps(extra, props);
    ASSERT_NE(CeWriteRecordProps(handle, 0, StoreVolume::c_propCount, props), 0u);
    CloseHandle(handle);
    ASSERT_TRUE(StoreVolume::use(c_other));
    ASSERT_TRUE(StoreVolume::use(c_count));
    EXPECT_EQ(recordCount(), c_count);
}

}  // namespace
