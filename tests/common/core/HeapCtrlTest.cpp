// HeapCtrl's counting, release and destruction, and xwcsdup.
#include <cetest.h>
#include <gtest/gtest.h>

#include "core/HeapCtrl.h"

using namespace Nevo;

TEST(XwcsdupTest, CopiesWithTerminatorAndSharesTheEmptyStringWhichFreeIgnores) {
    HeapCtrl& items = HeapCtrl::get(HEAP_ITEMS);
    WCHAR* copy = xwcsdup(HEAP_ITEMS, u"abc", -1);
    EXPECT_EQ(HeapSize(items.currentHandle(), 0, copy), 8u);
    EXPECT_EQ(copy[3], 0);
    unsigned before = items.getAllocCount();
    EXPECT_EQ(xwcsdup(HEAP_ITEMS, nullptr, -1), g_emptyString);
    EXPECT_EQ(xwcsdup(HEAP_ITEMS, u"", -1), g_emptyString);
    items.free(const_cast<WCHAR*>(g_emptyString));
    EXPECT_EQ(items.getAllocCount(), before);
}

TEST(HeapCtrlTest, CountsBlocksFromAllocAndReallocOfNullUntilFreed) {
    HeapCtrl heap(0);
    auto* a = static_cast<char*>(heap.alloc(4));
    void* b = heap.realloc(nullptr, 4);
    a[3] = 'x';
    a = static_cast<char*>(heap.realloc(a, 64));
    EXPECT_EQ(heap.getAllocCount(), 2u);
    EXPECT_EQ(a[3], 'x');
    EXPECT_EQ(a[63], 0) << "grown bytes are zero-filled";
    heap.free(nullptr);
    heap.free(a);
    EXPECT_EQ(heap.getAllocCount(), 1u);
    heap.free(b);
    EXPECT_EQ(heap.getAllocCount(), 0u);
}

TEST(HeapCtrlTest, DestroyFreesEveryBlockAndIsHarmlessOnAnAbsentHeap) {
    HeapCtrl heap(2048);
    HANDLE handle = heap.currentHandle();
    heap.alloc(10);
    heap.alloc(20);
    EXPECT_EQ(ce::test::heapBlockCount(handle), 2u);
    heap.destroy();
    EXPECT_EQ(heap.currentHandle(), nullptr);
    EXPECT_EQ(heap.getAllocCount(), 0u);
    heap.destroy();
}

// The emptied heap is dropped exactly when Random() draws a multiple of 50.
TEST(HeapCtrlTest, EmptiedHeapIsReleasedOneTimeInFifty) {
    ce::test::seedRandom(1234);
    int cycles = 1;
    while (Random() % 50 != 0) ++cycles;
    ce::test::seedRandom(1234);
    HeapCtrl heap(0);
    for (int i = 1; i <= cycles; ++i) {
        heap.free(heap.alloc(16));
        EXPECT_EQ(heap.currentHandle() == nullptr, i == cycles) << "cycle " << i;
    }
    EXPECT_NE(heap.alloc(16), nullptr);
}
