// Private heaps with an allocation count, and the allocation wrappers over platform heaps.
// The library's heap table itself lives in CoreLibrary.cpp, which fixes its load order.
#include "core/HeapCtrl.h"

#include <cstring>

#include "core/OutOfMemory.h"

namespace Nevo {

namespace {

WCHAR c_emptyStorage[1] = {0};

// Released heaps are dropped one time in fifty, so that an idle heap gives its memory back
// now and then without paying for a new heap on every empty-full cycle.
constexpr DWORD c_releaseOdds = 50;

SIZE_T byteCount(int size) {
    return size > 0 ? static_cast<SIZE_T>(size) : 0;
}

}  // namespace

const WCHAR* const g_emptyString = c_emptyStorage;

HeapCtrl::HeapCtrl(int initialSize) {
    if (initialSize != 0) getHandle(initialSize);
}

HeapCtrl::~HeapCtrl() {
    destroy();
}

HANDLE HeapCtrl::getHandle(int initialSize) {
    // No maximum size: the heap grows.
    if (!m_handle) m_handle = HeapCreate(0, byteCount(initialSize), 0);
    return m_handle;
}

void* HeapCtrl::alloc(int size) {
    void* block = HeapAlloc(getHandle(size), HEAP_ZERO_MEMORY, byteCount(size));
    if (!block) {
        // A purge may destroy this very heap (the string heap), so each retry asks again.
        block = OutOfMemory::recover([this, size] {
            return HeapAlloc(getHandle(size), 0, byteCount(size));
        });
    }
    ++m_allocCount;
    return block;
}

void* HeapCtrl::realloc(void* block, int size) {
    if (!block) return alloc(size);
    void* moved = HeapReAlloc(getHandle(size), HEAP_ZERO_MEMORY, block, byteCount(size));
    if (!moved) {
        moved = OutOfMemory::recover([this, block, size] {
            return HeapReAlloc(getHandle(size), 0, block, byteCount(size));
        });
    }
    return moved;
}

void HeapCtrl::free(void* block) {
    if (!block || block == g_emptyString || !m_handle) return;
    HeapFree(m_handle, 0, block);
    if (m_allocCount > 0) --m_allocCount;
    if (m_allocCount == 0 && Random() % c_releaseOdds == 0) {
        HeapDestroy(m_handle);
        m_handle = nullptr;
    }
}

void HeapCtrl::destroy() {
    if (m_handle) {
        HeapDestroy(m_handle);
        m_handle = nullptr;
    }
    m_allocCount = 0;
}

unsigned HeapCtrl::getAllocCount() const {
    return m_allocCount;
}

// The wrappers neither purge nor ask the user: a failure is fatal at once.
void* xmalloc(HANDLE heap, size_t size) {
    void* block = heap ? HeapAlloc(heap, HEAP_ZERO_MEMORY, size) : LocalAlloc(LPTR, size);
    if (!block) OutOfMemory::giveUp();
    return block;
}

void* xmalloc(size_t size) {
    return xmalloc(nullptr, size);
}

void* xrealloc(HANDLE heap, void* block, size_t size) {
    if (!block) return xmalloc(heap, size);
    void* moved = heap ? HeapReAlloc(heap, HEAP_ZERO_MEMORY, block, size)
                       : LocalReAlloc(block, size, LMEM_MOVEABLE | LMEM_ZEROINIT);
    if (!moved) OutOfMemory::giveUp();
    return moved;
}

void* xrealloc(void* block, size_t size) {
    return xrealloc(nullptr, block, size);
}

void xfree(HANDLE heap, void* block) {
    if (!block) return;
    if (heap)
        HeapFree(heap, 0, block);
    else
        LocalFree(block);
}

void xfree(void* block) {
    xfree(nullptr, block);
}

char* xstrdup(HeapType type, const char* s, int length) {
    if (length < 0) length = static_cast<int>(std::strlen(s));
    char* copy = static_cast<char*>(HeapCtrl::get(type).alloc(length + 1));
    std::memcpy(copy, s, static_cast<size_t>(length));
    copy[length] = 0;
    return copy;
}

WCHAR* xwcsdup(HeapType type, const WCHAR* s, int length) {
    if (!s || s[0] == 0) return c_emptyStorage;
    if (length < 0) length = static_cast<int>(wcslen(s));
    auto bytes = static_cast<int>(sizeof(WCHAR)) * (length + 1);
    WCHAR* copy = static_cast<WCHAR*>(HeapCtrl::get(type).alloc(bytes));
    std::memcpy(copy, s, sizeof(WCHAR) * static_cast<size_t>(length));
    copy[length] = 0;
    return copy;
}

}  // namespace Nevo
