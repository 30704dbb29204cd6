// The local heap: LocalAlloc and its siblings on the process heap. Only fixed memory
// exists, so an HLOCAL is the block's address.
#include "winbase.h"

namespace {

DWORD heapFlags(UINT localFlags) {
    return (localFlags & LMEM_ZEROINIT) ? HEAP_ZERO_MEMORY : 0;
}

}  // namespace

HLOCAL LocalAlloc(UINT uFlags, SIZE_T uBytes) {
    return HeapAlloc(GetProcessHeap(), heapFlags(uFlags), uBytes);
}

// As on the handheld, a fixed block moves only when the caller allows it with LMEM_MOVEABLE.
HLOCAL LocalReAlloc(HLOCAL hMem, SIZE_T uBytes, UINT uFlags) {
    DWORD flags = heapFlags(uFlags);
    if (!(uFlags & LMEM_MOVEABLE)) flags |= HEAP_REALLOC_IN_PLACE_ONLY;
    HLOCAL block = HeapReAlloc(GetProcessHeap(), flags, hMem, uBytes);
    if (!block && GetLastError() == ERROR_INVALID_PARAMETER) SetLastError(ERROR_INVALID_HANDLE);
    return block;
}

HLOCAL LocalFree(HLOCAL hMem) {
    if (!hMem) return nullptr;
    if (HeapFree(GetProcessHeap(), 0, hMem)) return nullptr;
    SetLastError(ERROR_INVALID_HANDLE);
    return hMem;
}

SIZE_T LocalSize(HLOCAL hMem) {
    SIZE_T size = HeapSize(GetProcessHeap(), 0, hMem);
    if (size != SIZE_T(-1)) return size;
    SetLastError(ERROR_INVALID_HANDLE);
    return 0;
}
