// Private heaps: ownership, zero fill, resizing, limits and handle validation.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <random>
#include <vector>

#include "cetest.h"
#include "winbase.h"

namespace {

// Under the sanitizer build the leak checker also proves the blocks were really freed.
TEST(Heap, DestroyFreesEveryBlockOfWhichZeroByteOnesAreDistinctAndAllAligned) {
    HANDLE heap = HeapCreate(0, 0, 0);
    std::uintptr_t addresses = 0;
    for (int i = 0; i < 100; ++i) addresses |= reinterpret_cast<std::uintptr_t>(HeapAlloc(heap, 0, i * 37));
    EXPECT_EQ(addresses % 16, 0u);
    EXPECT_NE(HeapAlloc(heap, 0, 0), HeapAlloc(heap, 0, 0));
    EXPECT_EQ(ce::test::heapBlockCount(heap), 102u);
    EXPECT_TRUE(HeapDestroy(heap));
    EXPECT_EQ(ce::test::heapBlockCount(heap), 0u);
}

TEST(Heap, ReallocKeepsContentsAndZeroMemoryFillsAllGrowth) {
    HANDLE heap = HeapCreate(0, 0, 0);
    auto* block = static_cast<char*>(HeapAlloc(heap, HEAP_ZERO_MEMORY, 100));
    EXPECT_EQ(std::string(block, 100), std::string(100, '\0'));
    std::memset(block, 'x', 100);
    block = static_cast<char*>(HeapReAlloc(heap, 0, block, 20));  // leaves old bytes behind
    EXPECT_EQ(HeapReAlloc(heap, HEAP_REALLOC_IN_PLACE_ONLY, block, 4096), nullptr);
    block = static_cast<char*>(HeapReAlloc(heap, HEAP_ZERO_MEMORY, block, 5000));
    EXPECT_EQ(std::string(block, 5000), std::string(20, 'x') + std::string(4980, '\0'));
    HeapDestroy(heap);
}

TEST(Heap, FixedMaximumHeapRefusesAllocationsBeyondIt) {
    HANDLE heap = HeapCreate(0, 0, 4096);
    void* block = HeapAlloc(heap, 0, 3000);
    EXPECT_EQ(HeapAlloc(heap, 0, 2000), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NOT_ENOUGH_MEMORY));
    EXPECT_EQ(HeapReAlloc(heap, 0, block, 5000), nullptr);
    EXPECT_TRUE(HeapFree(heap, 0, block));
    EXPECT_NE(HeapAlloc(heap, 0, 4000), nullptr);
    HeapDestroy(heap);
}

TEST(Heap, StaleHeapsAndForeignOrFreedBlocksAreRefused) {
    HANDLE stale = HeapCreate(0, 0, 0);
    HeapDestroy(stale);
    for (HANDLE bad : {stale, INVALID_HANDLE_VALUE, reinterpret_cast<HANDLE>(0x10001), GetProcessHeap()}) {
        EXPECT_FALSE(HeapDestroy(bad));
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    }
    EXPECT_FALSE(CloseHandle(GetProcessHeap()));
    HANDLE heap = HeapCreate(0, 0, 0);
    void* block = HeapAlloc(heap, 0, 64);
    EXPECT_FALSE(HeapFree(GetProcessHeap(), 0, block));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    EXPECT_TRUE(HeapFree(heap, 0, block));
    EXPECT_EQ(HeapReAlloc(heap, 0, block, 128), nullptr);
    HeapDestroy(heap);
}

// The heap finds its blocks in a flat table whose removals move other entries: after
// thousands of frees in a scattered order, every live block is still its own.
TEST(Heap, EveryLiveBlockStaysOwnedThroughScatteredFrees) {
    HANDLE heap = HeapCreate(0, 0, 0);
    std::vector<void*> live;
    std::mt19937 random(7);
    for (int round = 0; round < 20000; ++round) {
        if (live.empty() || random() % 3) {
            live.push_back(HeapAlloc(heap, 0, random() % 48));
            continue;
        }
        size_t at = random() % live.size();
        ASSERT_TRUE(HeapFree(heap, 0, live[at]));
        live[at] = live.back();
        live.pop_back();
    }
    for (void* block : live) ASSERT_NE(HeapSize(heap, 0, block), static_cast<SIZE_T>(-1));
    EXPECT_EQ(ce::test::heapBlockCount(heap), live.size());
    for (void* block : live) ASSERT_TRUE(HeapFree(heap, 0, block));
    EXPECT_EQ(ce::test::heapBlockCount(heap), 0u);
    HeapDestroy(heap);
}

}  // namespace
