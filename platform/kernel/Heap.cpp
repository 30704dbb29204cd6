// A private heap: blocks come from the host allocator behind a small header, and the heap
// keeps the set of its live blocks so that foreign or stale pointers are refused untouched.
#include "kernel/Heap.h"

#include <cstdlib>
#include <cstring>

namespace ce::kernel {

static_assert(alignof(std::max_align_t) >= 16, "the host allocator must give 16-byte alignment");

namespace {

constexpr SIZE_T c_granule = 16;
constexpr SIZE_T c_largest = SIZE_T(-1) / 2;

SIZE_T roundUp(SIZE_T bytes) {
    return (bytes + c_granule - 1) & ~(c_granule - 1);
}

}  // namespace

Heap::Heap(SIZE_T maximumSize) : m_maximumSize(maximumSize) {}

Heap::~Heap() {
    m_blocks.forEach([](const void* block) { std::free(headerOf(block)); });
}

Heap::Header* Heap::headerOf(const void* block) {
    return reinterpret_cast<Header*>(const_cast<char*>(static_cast<const char*>(block)) - sizeof(Header));
}

void* Heap::payloadOf(Header* header) {
    return reinterpret_cast<char*>(header) + sizeof(Header);
}

bool Heap::fits(SIZE_T oldSize, SIZE_T newSize) const {
    if (newSize > c_largest) return false;
    return m_maximumSize == 0 || m_usedBytes - oldSize + newSize <= m_maximumSize;
}

void* Heap::allocate(SIZE_T bytes, bool zero) {
    if (!fits(0, bytes)) return nullptr;
    SIZE_T capacity = roundUp(bytes);
    auto* header = static_cast<Header*>(std::malloc(sizeof(Header) + capacity));
    if (!header) return nullptr;
    header->size = bytes;
    header->capacity = capacity;
    void* block = payloadOf(header);
    if (!m_blocks.insert(block)) {
        std::free(header);
        return nullptr;
    }
    if (zero) std::memset(block, 0, bytes);
    m_usedBytes += bytes;
    return block;
}

void* Heap::resizeInPlace(Header* header, SIZE_T bytes, bool zero) {
    void* block = payloadOf(header);
    if (zero && bytes > header->size)
        std::memset(static_cast<char*>(block) + header->size, 0, bytes - header->size);
    m_usedBytes = m_usedBytes - header->size + bytes;
    header->size = bytes;
    return block;
}

void* Heap::reallocate(void* block, SIZE_T bytes, bool zero, bool inPlaceOnly) {
    Header* header = headerOf(block);
    if (!fits(header->size, bytes)) return nullptr;
    if (bytes <= header->capacity) return resizeInPlace(header, bytes, zero);
    if (inPlaceOnly) return nullptr;

    SIZE_T oldSize = header->size;
    SIZE_T capacity = roundUp(bytes);
    m_blocks.erase(block);
    auto* moved = static_cast<Header*>(std::realloc(header, sizeof(Header) + capacity));
    if (!moved) {
        m_blocks.insert(block);  // realloc leaves the original block as it was
        return nullptr;
    }
    moved->capacity = capacity;
    void* result = payloadOf(moved);
    m_blocks.insert(result);  // cannot fail: the set holds as many blocks as before
    moved->size = oldSize;
    return resizeInPlace(moved, bytes, zero);
}

void Heap::release(void* block) {
    Header* header = headerOf(block);
    m_usedBytes -= header->size;
    m_blocks.erase(block);
    std::free(header);
}

SIZE_T Heap::sizeOf(const void* block) const {
    return headerOf(block)->size;
}

bool Heap::owns(const void* block) const {
    return m_blocks.contains(block);
}

}  // namespace ce::kernel
