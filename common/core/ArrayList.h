// Growable array of untyped pointers in the HEAP_ITEMS heap. It never owns what its
// entries point to.
#pragma once

#include <cstdint>

namespace Nevo {

class ArrayList {
public:
    // qsort shape: receives pointers to the entries, not the entries.
    using Compare = int (*)(const void*, const void*);

    explicit ArrayList(int32_t initialCapacity);
    ~ArrayList();

    uint32_t size() const { return m_size; }
    bool empty() const { return m_size == 0; }
    // Indexes are not validated: callers stay within the list.
    void* at(uint32_t index) const { return m_data[index]; }
    void clear() { m_size = 0; }
    void add(void* entry);
    void insert(uint32_t index, void* entry);
    void* remove(uint32_t index);
    void ensureCapacity(int32_t required);
    void sort(Compare cmp);

    // For tests.
    int32_t capacity() const { return m_capacity; }

private:
    ArrayList(const ArrayList&);
    ArrayList& operator=(const ArrayList&);

    void resize(int32_t capacity);

    void** m_data = nullptr;
    int32_t m_capacity = 0;
    uint32_t m_size = 0;
};

}  // namespace Nevo
