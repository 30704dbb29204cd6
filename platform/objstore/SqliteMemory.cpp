#include "SqliteMemory.h"

#include <sqlite3.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "cetest.h"
#include "kernel/AllocationFaults.h"

namespace ce::objstore {

namespace {

// Each block carries its size in front, as SQLite's own allocator does, for xSize.
constexpr int c_header = 8;

std::uint64_t& sizeOf(void* block) {
    return *reinterpret_cast<std::uint64_t*>(static_cast<char*>(block) - c_header);
}

void* allocate(int bytes) {
    if (bytes <= 0 || kernel::allocationRefused(sqliteHeap())) return nullptr;
    auto* raw = static_cast<char*>(std::malloc(static_cast<size_t>(bytes) + c_header));
    if (!raw) return nullptr;
    kernel::allocationSucceeded(sqliteHeap());
    void* block = raw + c_header;
    sizeOf(block) = static_cast<std::uint64_t>(bytes);
    return block;
}

void release(void* block) {
    if (block) std::free(static_cast<char*>(block) - c_header);
}

void* reallocate(void* block, int bytes) {
    if (bytes <= 0 || kernel::allocationRefused(sqliteHeap())) return nullptr;
    auto* raw = static_cast<char*>(std::realloc(static_cast<char*>(block) - c_header, static_cast<size_t>(bytes) + c_header));
    if (!raw) return nullptr;
    kernel::allocationSucceeded(sqliteHeap());
    void* moved = raw + c_header;
    sizeOf(moved) = static_cast<std::uint64_t>(bytes);
    return moved;
}

int size(void* block) {
    return block ? static_cast<int>(sizeOf(block)) : 0;
}

int roundUp(int bytes) {
    return (bytes + 7) & ~7;
}

int initialize(void*) {
    return SQLITE_OK;
}

void shutdown(void*) {}

bool install() {
    static const sqlite3_mem_methods methods{allocate, release, reallocate, size, roundUp, initialize, shutdown, nullptr};
    // Refused (SQLITE_MISUSE) when something in the process used SQLite first: its own
    // allocator then stays, and only the hook's faults are lost.
    return sqlite3_config(SQLITE_CONFIG_MALLOC, &methods) == SQLITE_OK;
}

}  // namespace

void routeSqliteAllocations() {
    static const bool installed = install();
    (void)installed;
}

HANDLE sqliteHeap() {
    static char tag;
    return &tag;
}

}  // namespace ce::objstore

namespace ce::test {

HANDLE sqliteHeap() {
    objstore::routeSqliteAllocations();
    return objstore::sqliteHeap();
}

}  // namespace ce::test
