// The benchmark data: both engines must get the same, distinct, repeatable records.
#include <gtest/gtest.h>

#include <unordered_set>

#include "BenchRecords.h"

TEST(BenchRecords, NumbersAreDistinctSoValueSeeksFindOneRecord) {
    std::unordered_set<std::int32_t> seen;
    for (std::uint32_t i = 0; i < 200000; ++i) ASSERT_TRUE(seen.insert(benchRecord(i).number).second) << i;
}

TEST(BenchRecords, NamesAreTwentyLowercaseLettersAndRepeatable) {
    for (std::uint32_t i : {0u, 1u, 99999u, 999999u}) {
        BenchRecord record = benchRecord(i);
        ASSERT_EQ(record.name.size(), 20u);
        for (char16_t c : record.name) EXPECT_TRUE(c >= u'a' && c <= u'z');
        EXPECT_EQ(record.name, benchRecord(i).name);
        EXPECT_EQ(narrowName(record.name).size(), 20u);
    }
    EXPECT_NE(benchRecord(1).name, benchRecord(2).name);
}

TEST(BenchRecords, PickerIsSeededAndStaysInRange) {
    IndexPicker first(1000);
    IndexPicker second(1000);
    std::unordered_set<std::uint32_t> seen;
    for (int k = 0; k < 5000; ++k) {
        std::uint32_t index = first.next();
        ASSERT_LT(index, 1000u);
        ASSERT_EQ(index, second.next());
        seen.insert(index);
    }
    EXPECT_GT(seen.size(), 900u);
}

TEST(BenchRecords, SamplesAreRecordsOfTheDatabase) {
    std::vector<BenchRecord> samples = sampleRecords(50, 20);
    ASSERT_EQ(samples.size(), 20u);
    for (const BenchRecord& sample : samples) {
        bool found = false;
        for (std::uint32_t i = 0; i < 50 && !found; ++i) found = benchRecord(i).name == sample.name;
        EXPECT_TRUE(found) << narrowName(sample.name);
    }
}
