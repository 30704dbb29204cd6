// Tests of Hash and its universal hash function: the prime and the draw of a and b,
// buckets in range for any code, the rehash rule, lookup, removal and draining.
#include "core/Hash.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include <cetest.h>
#include <windows.h>

using Nevo::Hash;
using Nevo::UniversalHash;

namespace {

struct Item : Nevo::Hashable {
    explicit Item(int32_t code) : code(code) {}
    int32_t getHashCode() const override { return code; }
    int32_t code;
};

TEST(UniversalHash, DrawsAThenBModuloTheSmallestPrimeAndRedrawsWhenAIsZero) {
    EXPECT_EQ(UniversalHash::smallestPrimeNotBelow(24), 29);
    const Hash small(3, 0);
    EXPECT_EQ(small.getBucketCount(), 10u);
    EXPECT_EQ(small.getBucketFunction().getP(), 11);
    DWORD draws[4] = {};
    DWORD seed = 0;
    while (!(draws[0] % 11 == 0 && draws[2] % 11 != 0)) {
        ce::test::seedRandom(++seed);
        for (DWORD& draw : draws) draw = Random();
    }
    ce::test::seedRandom(seed);
    UniversalHash function(10);
    EXPECT_EQ(function.getA(), static_cast<int32_t>(draws[2] % 11));
    EXPECT_EQ(function.getB(), static_cast<int32_t>(draws[3] % 11));
}

TEST(UniversalHash, WrapsIn32BitsAndPutsNegativeCodesInRange) {
    UniversalHash f(250);
    for (int32_t code : {-1, INT_MAX, INT_MIN, -987654321}) {
        const auto wrapped = static_cast<int32_t>(static_cast<uint32_t>(int64_t{f.getA()} * code + f.getB()));
        EXPECT_EQ(f.bucketOf(code), static_cast<uint32_t>((wrapped % f.getP() + f.getP()) % f.getP() % 250));
    }
}

TEST(HashTable, AddDoublesTheBucketsOnlyWhenTheFillIsAboveTheLoadFactor) {
    Hash table(10, 75);
    std::vector<Item> items;
    for (int32_t i = 0; i < 9; ++i) items.emplace_back(i * 37 - 100);
    for (int i = 0; i < 8; ++i) table.add(&items[i]);
    EXPECT_EQ(table.getBucketCount(), 10u);
    table.add(&items[8]);
    EXPECT_EQ(table.getBucketCount(), 20u);
    EXPECT_EQ(table.size(), 9u);
    for (Item& item : items) EXPECT_EQ(table.get(item.code), &item);
    Hash strict(10, 80);
    for (Item& item : items) strict.add(&item);
    EXPECT_EQ(strict.getBucketCount(), 10u);  // 80 percent is not above 80
}

TEST(HashTable, RemoveTakesTheFirstMatchOnceAndOnlyItemsThatAreThere) {
    Hash table(10, 0);
    Item a(42), twin(42), absent(42);
    table.add(&a);
    table.add(&twin);
    EXPECT_EQ(table.remove(&absent), nullptr);
    EXPECT_EQ(table.remove(42), &a);
    EXPECT_EQ(table.get(42), &twin);
    EXPECT_EQ(table.remove(&twin), &twin);
    EXPECT_EQ(table.remove(42), nullptr);
}

TEST(HashTable, GetWithAMatcherIgnoresTheItemsCodes) {
    Hash table(10, 0);
    Item item(100);
    table.add(&item);
    int32_t other = 101;
    while (table.getBucketFunction().bucketOf(other) != table.getBucketFunction().bucketOf(100)) ++other;
    EXPECT_EQ(table.get(other), nullptr);
    EXPECT_EQ(table.get(other, [](void*, void*) { return true; }, nullptr), &item);
}

TEST(HashTable, FirstAndRemoveFirstDrainInBucketOrder) {
    Hash table(10, 0);
    uint32_t index = 12345;
    EXPECT_EQ(table.first(&index), nullptr);
    EXPECT_EQ(index, 12345u);
    std::vector<Item> items;
    for (int32_t i = 0; i < 30; ++i) items.emplace_back(i * 7919);
    for (Item& item : items) table.add(&item);
    uint32_t previous = 0;
    while (Nevo::Hashable* item = table.first(&index)) {
        EXPECT_GE(index, previous);
        EXPECT_EQ(index, table.getBucketFunction().bucketOf(item->getHashCode()));
        previous = index;
        table.removeFirst();
    }
    EXPECT_EQ(table.size(), 0u);
}

// The count through every way of taking items out: the size, and the growth it decides.
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
