// Tests of ArrayList: the strict doubling rule, shifting on insert and remove, and its
// block's round trip through HEAP_ITEMS.
#include "core/ArrayList.h"

#include <gtest/gtest.h>

#include "core/HeapCtrl.h"

using Nevo::ArrayList;

namespace {

int g_calls = 0;

int countCalls(const void*, const void*) {
    return ++g_calls, 0;
}

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
        list.ensureCapacity(32);
        EXPECT_EQ(list.capacity(), 64);
        list.clear();
        list.add(&x);
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

TEST(ArrayList, SortOfAnEmptyListMakesNoComparison) {
    ArrayList list(4);
    list.sort(countCalls);
    EXPECT_EQ(g_calls, 0);
}

}  // namespace
