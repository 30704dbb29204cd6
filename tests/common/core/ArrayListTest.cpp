// Tests of ArrayList: the strict doubling rule, shifting on insert and remove, and its
// block's round trip through HEAP_ITEMS.
#include "core/ArrayList.h"

#include <gtest/gtest.h>

#include "core/HeapCtrl.h"

using Nevo::ArrayList;

namespace {

TEST(ArrayList, GrowsByDoublingUntilStrictlyGreaterThanTheNeed) {
    Nevo::HeapCtrl& items = Nevo::HeapCtrl::get(Nevo::HEAP_ITEMS);
    const unsigned blocks = items.getAllocCount();
    {
        int x = 0;
        ArrayList list(8);
        for (int i = 0; i < 8; ++i) list.add(&x);
        EXPECT_EQ(list.capacity(), 8);
        list.add(&x);
        EXPECT_EQ(list.capacity(), 16);
        list.ensureCapacity(32);  // 32 is not strictly greater than the need
        EXPECT_EQ(list.capacity(), 64);
        EXPECT_EQ(items.getAllocCount(), blocks + 1);
    }
    EXPECT_EQ(items.getAllocCount(), blocks);
}

TEST(ArrayList, InsertAndRemoveShiftTheFollowingEntries) {
    int p = 1, q = 2, r = 3, x = 4;
    ArrayList list(1);
    list.add(&p);
    list.add(&q);
    list.insert(0, &x);
    list.insert(3, &r);
    EXPECT_EQ(list.at(0), &x);
    EXPECT_EQ(list.at(1), &p);
    EXPECT_EQ(list.at(3), &r);
    EXPECT_EQ(list.remove(3), &r);
    EXPECT_EQ(list.remove(0), &x);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list.at(0), &p);
    EXPECT_EQ(list.at(1), &q);
}

}  // namespace
