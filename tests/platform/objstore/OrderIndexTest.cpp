// The order-statistic index against a plain sorted list: positions, ranks and value bounds
// stay right through random inserts, moves and removals.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "objstore/OrderIndex.h"

namespace {

using ce::objstore::KeyOrder;
using ce::objstore::OrderIndex;
using ce::objstore::SortKey;
using ce::objstore::SortValue;

constexpr CEPROPID c_number = PROP_TAG(CEVT_I4, 1);

SortKey keyOf(CEOID oid, LONG value, bool present = true) {
    SortKey key;
    key.oid = oid;
    key.present = present;
    key.value.number = static_cast<std::uint64_t>(std::int64_t{value});
    return key;
}

void expectSameAs(const OrderIndex& index, std::vector<SortKey> reference) {
    std::sort(reference.begin(), reference.end(),
              [&](const SortKey& a, const SortKey& b) { return index.order().compare(a, b) < 0; });
    ASSERT_EQ(index.size(), reference.size());
    for (size_t i = 0; i < reference.size(); ++i) {
        ASSERT_EQ(index.at(i).oid, reference[i].oid) << "at " << i;
        ASSERT_EQ(index.rankOf(*index.find(reference[i].oid)), i);
    }
    // Stepping on from a path meets every key in order, from any start, and ends after the last.
    OrderIndex::Path path;
    for (size_t start : {size_t{0}, reference.size() / 3}) {
        if (start >= reference.size()) continue;
        index.pathTo(start, path);
        for (size_t i = start; i < reference.size(); ++i) {
            ASSERT_EQ(index.keyAtEnd(path).oid, reference[i].oid) << "stepped to " << i;
            ASSERT_EQ(index.stepForward(path), i + 1 < reference.size());
        }
    }
}

TEST(OrderIndex, RandomInsertsMovesAndRemovalsKeepPositionsAndRanks) {
    OrderIndex index(KeyOrder({c_number, CEDB_SORT_DESCENDING}));
    std::vector<SortKey> reference;
    std::mt19937 random(7);
    CEOID nextOid = 1;
    for (int step = 0; step < 3000; ++step) {
        int action = static_cast<int>(random() % 4);
        if (action < 2 || reference.empty()) {
            SortKey key = keyOf(nextOid++, static_cast<LONG>(random() % 50) - 25, random() % 8 != 0);
            reference.push_back(key);
            index.insert(key);
        } else {
            size_t victim = random() % reference.size();
            if (action == 2) {
                index.erase(reference[victim].oid);
                reference.erase(reference.begin() + static_cast<long>(victim));
            } else {
                reference[victim].value.number = random() % 50;  // a rewrite moves the record
                index.insert(reference[victim]);
            }
        }
        if (step % 500 == 0) expectSameAs(index, reference);
    }
    expectSameAs(index, reference);
}

TEST(OrderIndex, BuildFromUnsortedKeysMatchesInsertingThemOneByOne) {
    std::vector<SortKey> keys;
    for (CEOID oid = 1; oid <= 500; ++oid) keys.push_back(keyOf(oid, static_cast<LONG>((oid * 37) % 101)));
    OrderIndex built{KeyOrder({c_number, 0})};
    built.build(keys);
    expectSameAs(built, keys);
}

TEST(OrderIndex, ValueBoundsSkipRecordsWithoutTheProperty) {
    OrderIndex index{KeyOrder({c_number, CEDB_SORT_UNKNOWNFIRST})};
    index.build({keyOf(1, 10), keyOf(2, 20), keyOf(3, 0, false), keyOf(4, 20), keyOf(5, 30)});
    SortValue twenty{static_cast<std::uint64_t>(20), {}};
    EXPECT_EQ(index.lowerBound(twenty), 2u);  // the missing one sorts first
    EXPECT_EQ(index.upperBound(twenty), 4u);
    EXPECT_EQ(index.at(2).oid, 2u);           // equal values keep creation order
    EXPECT_EQ(index.at(3).oid, 4u);
}

}  // namespace
