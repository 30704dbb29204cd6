// HeapCreate and the other heap functions, over the registry of live heaps.
#include <memory>

#include "cetest.h"
#include "kernel/AllocationFaults.h"
#include "kernel/HandleTable.h"
#include "kernel/Heap.h"
#include "winbase.h"

namespace ce::kernel {

namespace {

// Heap handles carry bit 31, which kernel object handles never have.
constexpr std::uintptr_t c_heapTag = 0x80000000u;
constexpr std::uintptr_t c_valueMask = 0x7FFFFFFFu;

// Never destroyed: blocks of the process heap may be freed by other static destructors.
HandleTable<Heap>& heaps() {
    static auto* table = new HandleTable<Heap>;
    return *table;
}

std::uintptr_t valueOf(HANDLE handle) {
    auto value = reinterpret_cast<std::uintptr_t>(handle);
    return (value & ~c_valueMask) == c_heapTag ? value & c_valueMask : 0;
}

}  // namespace

HANDLE addHeap(SIZE_T maximumSize) {
    std::uintptr_t value = heaps().add(std::make_unique<Heap>(maximumSize));
    return value ? reinterpret_cast<HANDLE>(value | c_heapTag) : nullptr;
}

Heap* findHeap(HANDLE handle) {
    std::uintptr_t value = valueOf(handle);
    return value ? heaps().find(value) : nullptr;
}

bool destroyHeap(HANDLE handle) {
    if (handle == processHeap() || !findHeap(handle)) return false;
    heaps().remove(valueOf(handle));
    return true;
}

HANDLE processHeap() {
    static HANDLE handle = addHeap(0);
    return handle;
}

}  // namespace ce::kernel

using ce::kernel::Heap;

namespace {

Heap* heapOrError(HANDLE hHeap) {
    Heap* heap = ce::kernel::findHeap(hHeap);
    if (!heap) SetLastError(ERROR_INVALID_HANDLE);
    return heap;
}

LPVOID outOfMemory() {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
}

}  // namespace

HANDLE HeapCreate(DWORD /*flOptions*/, SIZE_T dwInitialSize, SIZE_T dwMaximumSize) {
    if (dwMaximumSize != 0 && dwInitialSize > dwMaximumSize) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    HANDLE heap = ce::kernel::addHeap(dwMaximumSize);
    if (!heap) SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return heap;
}

BOOL HeapDestroy(HANDLE hHeap) {
    if (ce::kernel::destroyHeap(hHeap)) return TRUE;
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
}

LPVOID HeapAlloc(HANDLE hHeap, DWORD dwFlags, SIZE_T dwBytes) {
    Heap* heap = heapOrError(hHeap);
    if (!heap) return nullptr;
    if (ce::kernel::allocationRefused(hHeap)) return outOfMemory();
    void* block = heap->allocate(dwBytes, (dwFlags & HEAP_ZERO_MEMORY) != 0);
    if (!block) return outOfMemory();
    ce::kernel::allocationSucceeded(hHeap);
    return block;
}

LPVOID HeapReAlloc(HANDLE hHeap, DWORD dwFlags, LPVOID lpMem, SIZE_T dwBytes) {
    Heap* heap = heapOrError(hHeap);
    if (!heap) return nullptr;
    if (!heap->owns(lpMem)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    if (ce::kernel::allocationRefused(hHeap)) return outOfMemory();
    void* block = heap->reallocate(lpMem, dwBytes, (dwFlags & HEAP_ZERO_MEMORY) != 0,
                                   (dwFlags & HEAP_REALLOC_IN_PLACE_ONLY) != 0);
    if (!block) return outOfMemory();
    ce::kernel::allocationSucceeded(hHeap);
    return block;
}

BOOL HeapFree(HANDLE hHeap, DWORD /*dwFlags*/, LPVOID lpMem) {
    Heap* heap = heapOrError(hHeap);
    if (!heap) return FALSE;
    if (!lpMem) return TRUE;
    if (!heap->owns(lpMem)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    heap->release(lpMem);
    return TRUE;
}

SIZE_T HeapSize(HANDLE hHeap, DWORD /*dwFlags*/, LPCVOID lpMem) {
    Heap* heap = heapOrError(hHeap);
    if (!heap) return SIZE_T(-1);
    if (!heap->owns(lpMem)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return SIZE_T(-1);
    }
    return heap->sizeOf(lpMem);
}

HANDLE GetProcessHeap() {
    return ce::kernel::processHeap();
}

size_t ce::test::heapBlockCount(HANDLE heap) {
    Heap* found = ce::kernel::findHeap(heap ? heap : ce::kernel::processHeap());
    return found ? found->blockCount() : 0;
}
