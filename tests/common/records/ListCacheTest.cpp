// The list cache: the bottom 32 indices that replacement never touches, the second-chance
// replacement of the slots, and cached indices moving with insertions and removals across
// the boundary between the two.
#include <cetest.h>
#include <gtest/gtest.h>

#include <set>

#include "common/records/CountedItem.h"
#include "records/ListCacheManager.h"

using namespace Nevo;
using nevo_test::CountedItem;

namespace {

class ListCacheTest : public ::testing::Test {
protected:
    void SetUp() override { CountedItem::c_deleted = 0; }
    ListItem* cache(UINT index) {
        auto* item = new CountedItem(nullptr);
        m_cache.cacheItem(index, item);
        return item;
    }
    // The indices whose items are still cached, among `from` <= i < `to`.
    std::set<UINT> cached(UINT from, UINT to) {
        std::set<UINT> found;
        for (UINT i = from; i < to; ++i)
            if (m_cache.retrieveItem(i)) found.insert(i);
        return found;
    }
    ListCacheManager m_cache{200};
};

TEST_F(ListCacheTest, BottomItemsStayAndAReplacedOneIsDeleted) {
    for (UINT i = 0; i < 32; ++i) cache(i);
    for (UINT i = 32; i < 1000; ++i) cache(i);
    EXPECT_EQ(cached(0, 32).size(), 32u);
    ListItem* old = m_cache.retrieveItem(5);
    int deleted = CountedItem::c_deleted;
    ListItem* fresh = cache(5);
    EXPECT_EQ(CountedItem::c_deleted, deleted + 1);
    EXPECT_NE(old, fresh);
    m_cache.decache(5000);  // not cached: nothing happens
    EXPECT_EQ(CountedItem::c_deleted, deleted + 1);
}

TEST_F(ListCacheTest, AFullCacheReplacesOneOlderItemAndNeverThePreviousVictimTwice) {
    ce::test::seedRandom(11);
    for (UINT i = 100; i < 300; ++i) cache(i);
    for (UINT next = 300; next < 1300; ++next) {
        ListItem* latest = cache(next);
        std::set<UINT> now = cached(100, next + 1);
        ASSERT_EQ(now.size(), 200u);
        ASSERT_EQ(CountedItem::c_deleted, static_cast<int>(next - 299));
        // The item the previous call put in survives this one.
        ASSERT_TRUE(now.count(next - 1) || next == 300) << next;
        ASSERT_EQ(m_cache.retrieveItem(next), latest);
    }
}

TEST_F(ListCacheTest, InsertionAndRemovalMoveIndicesAcrossTheBottomBoundary) {
    ListItem* items[40];
    for (UINT i = 0; i < 40; ++i) items[i] = cache(i);
    ListItem* inserted = new CountedItem(nullptr);
    m_cache.insertItem(5, inserted);
    EXPECT_EQ(m_cache.retrieveItem(5), inserted);
    EXPECT_EQ(m_cache.retrieveItem(6), items[5]);
    EXPECT_EQ(m_cache.retrieveItem(32), items[31]);
    EXPECT_EQ(m_cache.retrieveItem(40), items[39]);
    m_cache.removeItem(5);
    EXPECT_EQ(CountedItem::c_deleted, 1);
    for (UINT i = 0; i < 40; ++i) EXPECT_EQ(m_cache.retrieveItem(i), items[i]) << i;
    m_cache.removeItem(5);
    EXPECT_EQ(m_cache.retrieveItem(5), items[6]);
    EXPECT_EQ(m_cache.retrieveItem(31), items[32]);
    EXPECT_EQ(m_cache.retrieveItem(38), items[39]);
    EXPECT_EQ(m_cache.retrieveItem(39), nullptr);
}

}  // namespace
