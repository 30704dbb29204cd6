// The start-up benchmark's volumes: many small databases reused while complete, rebuilt when
// not, and the name the catalogue shows first.
#include <gtest/gtest.h>

#include "StartupVolume.h"
#include "ceobjstore.h"
#include "support/ScratchFolder.h"
#include "winbase.h"
#include "windbase.h"

namespace {

constexpr std::uint32_t c_count = 25;

class StartupVolumeTest : public testing::Test {
protected:
    void TearDown() override {
        ce::objstore::closeVolume();
        ce::objstore::setVolumePath("");
    }

    // Opens the volume and the database, leaving both for the caller.
    HANDLE openDatabase(std::uint32_t index, CEOIDINFO* info) {
        ce::objstore::setVolumePath(m_volume);
        CEOID oid = 0;
        HANDLE handle = CeOpenDatabaseEx(nullptr, &oid, StartupVolume::databaseName(index).c_str(), 0, 0, nullptr);
        if (handle != INVALID_HANDLE_VALUE) CeOidGetInfo(oid, info);
        return handle;
    }
    WORD recordsIn(std::uint32_t index) {
        CEOIDINFO info{};
        HANDLE handle = openDatabase(index, &info);
        if (handle == INVALID_HANDLE_VALUE) return 0;
        CloseHandle(handle);
        ce::objstore::closeVolume();
        return info.infDatabase.wNumRecords;
    }
    void addRecord(std::uint32_t index) {
        CEOIDINFO info{};
        HANDLE handle = openDatabase(index, &info);
        ASSERT_NE(handle, INVALID_HANDLE_VALUE);
        CEPROPVAL prop{};
        prop.propid = PROP_TAG(CEVT_I4, 2);
        EXPECT_NE(CeWriteRecordProps(handle, 0, 1, &prop), 0u);
        CloseHandle(handle);
        ce::objstore::closeVolume();
    }

    test_support::ScratchFolder m_folder{"orvane-startup-test"};
    std::string m_volume = m_folder.file("many.vol");
};

TEST_F(StartupVolumeTest, ManyVolumeHoldsSmallDatabasesSomeSorted) {
    ASSERT_TRUE(StartupVolume::useMany(m_volume, c_count));
    EXPECT_EQ(StartupVolume::databaseCount(m_volume), c_count);
    EXPECT_EQ(StartupVolume::databaseName(7), u"startup-0007");
    EXPECT_EQ(StartupVolume::firstName(m_volume), u"startup-0000");
    CEOIDINFO info{};
    HANDLE handle = openDatabase(20, &info);
    ASSERT_NE(handle, INVALID_HANDLE_VALUE);
    CloseHandle(handle);
    EXPECT_EQ(info.infDatabase.wNumRecords, StartupVolume::recordsOf(20));
    EXPECT_EQ(info.infDatabase.wNumSortOrder, 2);
    EXPECT_EQ(recordsIn(24), StartupVolume::recordsOf(24));
}

TEST_F(StartupVolumeTest, CompleteVolumeIsReusedAndOtherwiseRebuilt) {
    ASSERT_TRUE(StartupVolume::useMany(m_volume, c_count));
    addRecord(0);
    ASSERT_TRUE(StartupVolume::useMany(m_volume, c_count));
    EXPECT_EQ(recordsIn(0), StartupVolume::recordsOf(0) + 1) << "the complete volume was rebuilt";

    // A build cut short leaves the last database short of its records.
    addRecord(c_count - 1);
    ASSERT_TRUE(StartupVolume::useMany(m_volume, c_count));
    EXPECT_EQ(recordsIn(c_count - 1), StartupVolume::recordsOf(c_count - 1));
    EXPECT_EQ(recordsIn(0), StartupVolume::recordsOf(0));

    ASSERT_TRUE(StartupVolume::useMany(m_volume, c_count + 5));
    EXPECT_EQ(StartupVolume::databaseCount(m_volume), c_count + 5);
}

TEST_F(StartupVolumeTest, SampleVolumeIsNewEachTimeAndFirstNameIgnoresCase) {
    std::string sample = m_folder.file("sample.vol");
    ASSERT_TRUE(StartupVolume::createSample(sample));
    std::uint32_t count = StartupVolume::databaseCount(sample);
    EXPECT_GT(count, 0u);
    ASSERT_TRUE(StartupVolume::createSample(sample));
    EXPECT_EQ(StartupVolume::databaseCount(sample), count);

    ce::objstore::setVolumePath(m_volume);
    for (const char16_t* name : {u"beta", u"alpha-2", u"Alpha", u"ZED"}) {
        CEDBASEINFO info{};
        info.dwFlags = CEDB_VALIDNAME;
        std::copy(name, name + std::char_traits<char16_t>::length(name), info.szDbaseName);
        ASSERT_NE(CeCreateDatabaseEx(nullptr, &info), 0u);
    }
    EXPECT_EQ(StartupVolume::firstName(m_volume), u"Alpha");
}

}  // namespace
