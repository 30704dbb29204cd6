// The duplicate finder's databases: the copies must hold the values of their source, the
// synthetic ones the promised spread, and the search must land on the largest database.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "DupVolume.h"
#include "ceobjstore.h"
#include "support/ScratchFolder.h"
#include "winbase.h"

namespace {

class DupVolumeTest : public testing::Test {
protected:
    void SetUp() override { ce::objstore::setVolumePath(m_scratch.file("test.vol")); }
    void TearDown() override { ce::objstore::setVolumePath(""); }

    static CEOID databaseWith(const WCHAR* name, std::vector<SORTORDERSPEC> sorts, int records) {
        CEOID oid = CeCreateDatabase(name, 0, static_cast<WORD>(sorts.size()), sorts.empty() ? nullptr : sorts.data());
        HANDLE handle = CeOpenDatabaseEx(nullptr, &oid, nullptr, 0, 0, nullptr);
        for (int i = 0; i < records; ++i) {
            CEPROPVAL value{};
            value.propid = PROP_TAG(CEVT_I4, 1);
            CeWriteRecordProps(handle, 0, 1, &value);
        }
        CloseHandle(handle);
        return oid;
    }
    static std::vector<std::u16string> sorted(std::vector<std::u16string> values) {
        std::sort(values.begin(), values.end());
        return values;
    }

    test_support::ScratchFolder m_scratch{"dup-volume-test"};
};

TEST_F(DupVolumeTest, LargestDatabaseIsTheOneWithTheMostRecords) {
    databaseWith(u"small", {}, 2);
    CEOID large = databaseWith(u"large", {}, 5);
    databaseWith(u"middle", {}, 3);
    EXPECT_EQ(DupVolume::largestDatabase(), large);
}

TEST_F(DupVolumeTest, SortedStringPropertySkipsSortOrdersOnOtherTypes) {
    constexpr CEPROPID time = PROP_TAG(CEVT_FILETIME, 2), text = PROP_TAG(CEVT_LPWSTR, 3);
    EXPECT_EQ(DupVolume::sortedStringProperty(databaseWith(u"mixed", {{time, 0}, {text, 0}}, 0)), text);
    EXPECT_EQ(DupVolume::sortedStringProperty(databaseWith(u"none", {{time, 0}}, 0)), 0u);
}

TEST_F(DupVolumeTest, SyntheticDatabasesRepeatEachValueEquallyAndScattered) {
    CEOID oid = DupVolume::createSynthetic(u"synthetic", 40, 10, false);
    ASSERT_NE(oid, 0u);
    std::vector<std::u16string> values = DupVolume::values(oid, DupVolume::c_syntheticProp);
    ASSERT_EQ(values.size(), 40u);
    std::map<std::u16string, int> counts;
    for (const std::u16string& value : values) ++counts[value];
    EXPECT_EQ(counts.size(), 10u);
    for (const auto& entry : counts) EXPECT_EQ(entry.second, 4) << std::string(entry.first.begin(), entry.first.end());
    for (size_t i = 1; i < values.size(); ++i) EXPECT_NE(values[i], values[i - 1]) << i;
}

// The whole preparation on the sample databases: the unsorted copy is the same records
// without the sort order, so the finder can only take the unsorted path on it.
TEST_F(DupVolumeTest, UnsortedCopyHoldsTheSourceValuesWithoutItsSortOrder) {
    std::vector<DupCase> cases = DupVolume::create(m_scratch.file("dups.vol"), {});
    ASSERT_EQ(cases.size(), 1u);
    const DupCase& sample = cases[0];
    ASSERT_EQ(TypeFromPropID(sample.propid), CEVT_LPWSTR);
    EXPECT_EQ(DupVolume::sortedStringProperty(sample.sorted), sample.propid);
    EXPECT_NE(DupVolume::sortedStringProperty(sample.unsorted), sample.propid);
    std::vector<std::u16string> source = DupVolume::values(sample.sorted, sample.propid);
    EXPECT_GT(source.size(), 1000u);
    EXPECT_EQ(sorted(DupVolume::values(sample.unsorted, sample.propid)), sorted(source));
    CEOIDINFO info{};
    ASSERT_TRUE(CeOidGetInfo(sample.unsorted, &info));
    EXPECT_EQ(info.infDatabase.wNumRecords, sample.records);
}

}  // namespace
