// The local heap: LocalAlloc and siblings on the process heap, with their return rules.
#include <gtest/gtest.h>

#include "cetest.h"
#include "winbase.h"

TEST(LocalHeap, LptrBlocksAreZeroedAndLocalFreeReturnsWhatItCouldNotFree) {
    size_t before = ce::test::heapBlockCount(nullptr);
    auto* block = static_cast<char*>(LocalAlloc(LPTR, 50));
    EXPECT_EQ(std::string(block, 50), std::string(50, '\0'));
    EXPECT_EQ(ce::test::heapBlockCount(GetProcessHeap()), before + 1);
    EXPECT_EQ(LocalFree(block), nullptr);
    EXPECT_EQ(LocalFree(block), block);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
}

TEST(LocalHeap, FixedBlockMovesOnReallocOnlyWithMoveable) {
    auto* block = static_cast<char*>(LocalAlloc(LPTR, 16));
    block[0] = 'k';
    EXPECT_EQ(LocalReAlloc(block, 10000, 0), nullptr);
    auto* moved = static_cast<char*>(LocalReAlloc(block, 10000, LMEM_MOVEABLE | LMEM_ZEROINIT));
    EXPECT_EQ(std::string(moved, 10000), 'k' + std::string(9999, '\0'));
    LocalFree(moved);
}
