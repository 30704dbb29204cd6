#include "LargeArrays.h"

#include <sys/mman.h>

#include <cstdint>

namespace ce::objstore::largearrays {

namespace {

constexpr std::uintptr_t c_hugePage = std::uintptr_t{2} << 20;
constexpr std::uintptr_t c_page = 4096;

std::uintptr_t roundUp(std::uintptr_t value, std::uintptr_t unit) {
    return (value + unit - 1) & ~(unit - 1);
}

}  // namespace

void* map(std::size_t bytes) {
    std::uintptr_t length = roundUp(bytes, c_page);
    // Mapped with a huge page to spare, then trimmed to start on a huge page boundary.
    void* mapped = ::mmap(nullptr, length + c_hugePage, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapped == MAP_FAILED) return nullptr;
    auto start = reinterpret_cast<std::uintptr_t>(mapped);
    std::uintptr_t aligned = roundUp(start, c_hugePage);
    if (aligned > start) ::munmap(mapped, aligned - start);
    std::uintptr_t end = start + length + c_hugePage;
    if (end > aligned + length) ::munmap(reinterpret_cast<void*>(aligned + length), end - aligned - length);
    std::uintptr_t whole = length & ~(c_hugePage - 1);
#ifdef MADV_HUGEPAGE
    // Only a hint: without huge pages the block works the same.
    ::madvise(reinterpret_cast<void*>(aligned), whole, MADV_HUGEPAGE);
#endif
    return reinterpret_cast<void*>(aligned);
}

void unmap(void* block, std::size_t bytes) {
    ::munmap(block, roundUp(bytes, c_page));
}

}  // namespace ce::objstore::largearrays
