// The allocation-fault hook: which allocations it refuses, and what a refusal leaves.
#include <gtest/gtest.h>

#include <cstring>

#include "cetest.h"
#include "winbase.h"

namespace {

bool allocates(HANDLE heap) { return HeapAlloc(heap, 0, 8) != nullptr; }

TEST(AllocationFaults, AfterSkipSuccessesTheNextCountFailOnlyOnTheChosenHeap) {
    HANDLE heap = HeapCreate(0, 0, 0);
    ce::test::failAllocations(heap, 2, 3);
    EXPECT_TRUE(allocates(heap));
    EXPECT_NE(LocalAlloc(LPTR, 4), nullptr);  // another heap neither fails nor counts
    EXPECT_TRUE(allocates(heap));
    for (int i = 0; i < 3; ++i) EXPECT_FALSE(allocates(heap));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NOT_ENOUGH_MEMORY));
    EXPECT_TRUE(allocates(heap));
    EXPECT_EQ(ce::test::failedAllocations(), 3u);
    HeapDestroy(heap);
}

TEST(AllocationFaults, NullHeapFailsEveryHeapUntilClearedAndReallocKeepsItsBlock) {
    HANDLE heap = HeapCreate(0, 0, 0);
    auto* block = static_cast<char*>(HeapAlloc(heap, 0, 7));
    std::strcpy(block, "intact");
    ce::test::failAllocations(nullptr, 0, ~0u);
    EXPECT_EQ(LocalAlloc(LPTR, 4), nullptr);
    EXPECT_EQ(HeapReAlloc(heap, 0, block, 4096), nullptr);
    EXPECT_STREQ(block, "intact");
    EXPECT_EQ(HeapSize(heap, 0, block), 7u);
    ce::test::clearAllocationFaults();
    EXPECT_TRUE(allocates(heap));
    EXPECT_EQ(ce::test::failedAllocations(), 0u);
    HeapDestroy(heap);
}

}  // namespace
