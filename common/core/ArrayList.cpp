// ArrayList: growth by doubling past the required size, storage from HEAP_ITEMS.
#include "core/ArrayList.h"

#include <cstdlib>

#include "core/HeapCtrl.h"

namespace Nevo {

ArrayList::ArrayList(int32_t initialCapacity) {
    resize(initialCapacity < 1 ? 1 : initialCapacity);
}

ArrayList::~ArrayList() {
    HeapCtrl::get(HEAP_ITEMS).free(m_data);
}

void ArrayList::resize(int32_t capacity) {
    void* block = HeapCtrl::get(HEAP_ITEMS).realloc(m_data, capacity * static_cast<int>(sizeof(void*)));
    if (!block) return;
    m_data = static_cast<void**>(block);
    m_capacity = capacity;
}

void ArrayList::ensureCapacity(int32_t required) {
    if (m_capacity >= required) return;
    int32_t capacity = m_capacity;
    while (capacity <= required) capacity *= 2;
    resize(capacity);
}

void ArrayList::add(void* entry) {
    ensureCapacity(static_cast<int32_t>(m_size + 1));
    m_data[m_size++] = entry;
}

void ArrayList::insert(uint32_t index, void* entry) {
    ensureCapacity(static_cast<int32_t>(m_size + 1));
    for (uint32_t i = m_size; i > index; --i) m_data[i] = m_data[i - 1];
    m_data[index] = entry;
    ++m_size;
}

void* ArrayList::remove(uint32_t index) {
    void* entry = m_data[index];
    --m_size;
    for (uint32_t i = index; i < m_size; ++i) m_data[i] = m_data[i + 1];
    return entry;
}

void ArrayList::sort(Compare cmp) {
    if (m_size > 1) std::qsort(m_data, m_size, sizeof(void*), cmp);
}

}  // namespace Nevo
