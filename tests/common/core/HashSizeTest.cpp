// The count a Hash keeps through every way of taking items out: its size, and the growth
// that the count decides.
#include "core/Hash.h"

#include <gtest/gtest.h>

#include <vector>

using Nevo::Hash;

namespace {

struct Item : Nevo::Hashable {
    explicit Item(int32_t code) : code(code) {}
    int32_t getHashCode() const override { return code; }
    int32_t code;
};

TEST(HashSize, EachRemovalCountsOnceAndMissesCountNothing) {
    Hash table(10, 0);
    Item a(1), b(2), c(3), stranger(3);
    for (Item* item : {&a, &b, &c}) table.add(item);
    ASSERT_EQ(table.size(), 3u);
    EXPECT_EQ(table.remove(2), &b);
    EXPECT_EQ(table.size(), 2u);
    EXPECT_EQ(table.remove(2), nullptr);
    EXPECT_EQ(table.remove(&stranger), nullptr);
    EXPECT_EQ(table.size(), 2u);
    EXPECT_EQ(table.remove(&c), &c);
    EXPECT_EQ(table.size(), 1u);
    table.removeFirst();
    EXPECT_EQ(table.size(), 0u);
    table.removeFirst();
    EXPECT_EQ(table.size(), 0u);
}

// A table emptied by code holds nothing, so filling it again to the same level must not
// grow it: a count left too high would double the buckets on the first add.
TEST(HashSize, ATableEmptiedByCodeGrowsAsIfItHadNeverBeenFilled) {
    Hash table(10, 75);
    std::vector<Item> items;
    for (int32_t i = 0; i < 8; ++i) items.emplace_back(i * 101 + 5);
    for (int round = 0; round < 3; ++round) {
        for (Item& item : items) table.add(&item);
        for (Item& item : items) ASSERT_EQ(table.remove(item.code), &item);
        EXPECT_EQ(table.size(), 0u);
        EXPECT_EQ(table.first(), nullptr);
    }
    EXPECT_EQ(table.getBucketCount(), 10u);
}

}  // namespace
