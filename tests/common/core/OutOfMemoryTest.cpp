// The out-of-memory ladder end to end: purge the pools, the out-of-memory dialog, then the
// fatal "No memory" box and exit code 1; and the retries that end the ladder early.
#include <cetest.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

#include "core/HeapCtrl.h"
#include "core/Sequence.h"
#include "core/StringBuffer.h"

using namespace Nevo;

namespace {

// An idle string record, and two sequences given back (the container and one pooled).
void fillPools() {
    str_free(str_new(u"pooled"));
    Sequence* a = Sequence::makeSequence();
    Sequence::makeSequence()->free();
    a->free();
}

bool poolsEmpty() {
    return str_poolsize() == 0 && Sequence::poolSize() == 0 && Position::poolSize() == 0;
}

HANDLE itemsHeap() {
    return HeapCtrl::get(HEAP_ITEMS).getHandle(64);
}

// For death tests: each box becomes a stderr line with the pools' state when it showed.
void failEveryAllocationOn(HANDLE heap) {
    fillPools();
    ce::test::setMessageBoxResponder([](const ce::test::MessageBoxCall& call) {
        std::fprintf(stderr, "[%s|%s|%s]\n", call.caption == u"Error" ? "fatal" : "dialog",
                     ce::toUtf8(call.text).c_str(), poolsEmpty() ? "purged" : "pooled");
        return IDOK;
    });
    ce::test::failAllocations(heap, 0, ~0u);
}

}  // namespace

TEST(OutOfMemoryDeathTest, LadderPurgesPoolsThenShowsDialogThenNoMemoryAndExitsWith1) {
    EXPECT_EXIT((failEveryAllocationOn(itemsHeap()), HeapCtrl::get(HEAP_ITEMS).alloc(32)),
                testing::ExitedWithCode(1),
                "^\\[dialog\\|[^]]*\\|purged\\]\n\\[fatal\\|No memory\\|purged\\]\n");
}

TEST(OutOfMemoryDeathTest, XmallocFailureIsFatalAtOnceWithoutPurgeOrDialog) {
    EXPECT_EXIT((failEveryAllocationOn(nullptr), xmalloc(32)), testing::ExitedWithCode(1),
                "^\\[fatal\\|No memory\\|pooled\\]\n");
}

class OutOfMemoryRetryTest : public testing::Test {
protected:
    void SetUp() override {
        fillPools();
        ce::test::setMessageBoxResponder([this](const ce::test::MessageBoxCall& call) {
            m_boxes.push_back(call.caption);
            return IDOK;
        });
    }
    void TearDown() override {
        ce::test::clearAllocationFaults();
        ce::test::setMessageBoxResponder({});
    }
    std::vector<std::u16string> m_boxes;
};

TEST_F(OutOfMemoryRetryTest, AllocationThatSucceedsAfterThePurgeShowsNoDialog) {
    unsigned count = HeapCtrl::get(HEAP_ITEMS).getAllocCount();
    ce::test::failAllocations(itemsHeap(), 0, 1);
    EXPECT_NE(HeapCtrl::get(HEAP_ITEMS).alloc(32), nullptr);
    EXPECT_TRUE(poolsEmpty());
    EXPECT_TRUE(m_boxes.empty());
    EXPECT_EQ(HeapCtrl::get(HEAP_ITEMS).getAllocCount(), count + 1);
}

TEST_F(OutOfMemoryRetryTest, ReallocThatSucceedsAfterTheDialogShowsNoFatalBox) {
    void* block = HeapCtrl::get(HEAP_ITEMS).alloc(8);
    ce::test::failAllocations(itemsHeap(), 0, 2);
    EXPECT_NE(HeapCtrl::get(HEAP_ITEMS).realloc(block, 4096), nullptr);
    ASSERT_EQ(m_boxes.size(), 1u);
    EXPECT_NE(m_boxes[0], u"Error") << "only the out-of-memory dialog";
}

// With every record idle the purge drops the whole string heap: the retry must use the
// heap made anew, not the destroyed one.
TEST_F(OutOfMemoryRetryTest, StringHeapRetryAfterThePurgeUsesTheRecreatedHeap) {
    HANDLE old = HeapCtrl::getStringHeap().getHandle(2048);
    ce::test::failAllocations(old, 0, 1);
    EXPECT_NE(HeapCtrl::getStringHeap().alloc(100), nullptr);
    EXPECT_NE(HeapCtrl::getStringHeap().currentHandle(), old);
}
