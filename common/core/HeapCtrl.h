// The library's private heaps (selected by HeapType) and the allocation wrappers.
// A failed allocation runs the out-of-memory ladder before the program gives up.
#pragma once

#include <windows.h>

namespace Nevo {

enum HeapType { HEAP_GENERAL = 0, HEAP_SPARE = 1, HEAP_ITEMS = 2, HEAP_DATABASE = 3 };

class HeapCtrl {
public:
    explicit HeapCtrl(int initialSize);
    ~HeapCtrl();
    HeapCtrl(const HeapCtrl&) = delete;
    HeapCtrl& operator=(const HeapCtrl&) = delete;

    static HeapCtrl& get(HeapType type);
    static HeapCtrl& getStringHeap();  // the string buffers' heap (built with 2048 bytes at load)

    HANDLE getHandle(int initialSize);
    void* alloc(int size);
    void* realloc(void* block, int size);
    void free(void* block);
    void destroy();
    unsigned getAllocCount() const;

    // For tests: the platform heap, or null while it is absent (never creates one).
    HANDLE currentHandle() const { return m_handle; }

private:
    HANDLE m_handle = nullptr;
    unsigned m_allocCount = 0;
};

void* xmalloc(HANDLE heap, size_t size);
void* xmalloc(size_t size);
void* xrealloc(HANDLE heap, void* block, size_t size);
void* xrealloc(void* block, size_t size);
void xfree(HANDLE heap, void* block);
void xfree(void* block);
char* xstrdup(HeapType type, const char* s, int length);
WCHAR* xwcsdup(HeapType type, const WCHAR* s, int length);

// Holds only its terminator. xwcsdup hands it out for empty text; HeapCtrl::free ignores it.
extern const WCHAR* const g_emptyString;

}  // namespace Nevo
