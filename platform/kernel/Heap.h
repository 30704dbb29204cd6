// Private heaps: each heap owns the blocks it hands out, so destroying it frees them all.
// Internal to the kernel; programs reach heaps through winbase.h.
#pragma once

#include <cstddef>

#include "kernel/AddressSet.h"
#include "windef.h"

namespace ce::kernel {

class Heap {
public:
    // maximumSize 0 makes the heap growable without limit.
    explicit Heap(SIZE_T maximumSize);
    ~Heap();
    Heap(const Heap&) = delete;
    Heap& operator=(const Heap&) = delete;

    // Null when memory or the heap's maximum is exhausted.
    void* allocate(SIZE_T bytes, bool zero);
    // Null when the block cannot be resized (the block then stays as it was).
    void* reallocate(void* block, SIZE_T bytes, bool zero, bool inPlaceOnly);
    void release(void* block);
    SIZE_T sizeOf(const void* block) const;
    bool owns(const void* block) const;
    size_t blockCount() const { return m_blocks.size(); }

private:
    // Precedes every block; its size keeps the block 16-byte aligned.
    struct alignas(16) Header {
        SIZE_T size;
        SIZE_T capacity;
    };

    static Header* headerOf(const void* block);
    static void* payloadOf(Header* header);
    bool fits(SIZE_T oldSize, SIZE_T newSize) const;
    void* resizeInPlace(Header* header, SIZE_T bytes, bool zero);

    SIZE_T m_maximumSize;
    SIZE_T m_usedBytes = 0;
    AddressSet m_blocks;
};

// Handles: heap handles live apart from kernel object handles, so CloseHandle never
// mistakes one for the other.
HANDLE addHeap(SIZE_T maximumSize);
Heap* findHeap(HANDLE handle);
bool destroyHeap(HANDLE handle);
HANDLE processHeap();

}  // namespace ce::kernel
