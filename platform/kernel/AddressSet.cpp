#include "kernel/AddressSet.h"

#include <new>

namespace ce::kernel {

namespace {

constexpr std::size_t c_firstCapacity = 64;

}  // namespace

// Blocks are 16-byte aligned, so the low bits say nothing. Blocks allocated together lie
// together, and so do their slots, which keeps a run of allocations or frees in few cache
// lines; each 16 MB region of addresses starts at a place of its own, so that regions do
// not pile up on the same slots.
std::size_t AddressSet::home(const void* address) const {
    auto bits = reinterpret_cast<std::uintptr_t>(address) >> 4;
    return static_cast<std::size_t>(bits + (bits >> 20) * 0x9E3779B97F4A7C15ull) & (m_capacity - 1);
}

std::size_t AddressSet::find(const void* address) const {
    if (!address || !m_capacity) return m_capacity;
    for (std::size_t i = home(address);; i = (i + 1) & (m_capacity - 1)) {
        if (m_slots[i] == address) return i;
        if (!m_slots[i]) return m_capacity;
    }
}

bool AddressSet::contains(const void* address) const {
    return find(address) != m_capacity;
}

bool AddressSet::grow() {
    std::size_t capacity = m_capacity ? m_capacity * 2 : c_firstCapacity;
    std::unique_ptr<const void*[]> slots(new (std::nothrow) const void*[capacity]());
    if (!slots) return false;
    std::unique_ptr<const void*[]> old = std::move(m_slots);
    std::size_t oldCapacity = m_capacity;
    m_slots = std::move(slots);
    m_capacity = capacity;
    for (std::size_t i = 0; i < oldCapacity; ++i) {
        if (!old[i]) continue;
        std::size_t at = home(old[i]);
        while (m_slots[at]) at = (at + 1) & (m_capacity - 1);
        m_slots[at] = old[i];
    }
    return true;
}

bool AddressSet::insert(const void* address) {
    if (!address) return false;
    if ((m_count + 1) * 2 > m_capacity && !grow()) return false;
    std::size_t at = home(address);
    while (m_slots[at]) {
        if (m_slots[at] == address) return true;
        at = (at + 1) & (m_capacity - 1);
    }
    m_slots[at] = address;
    ++m_count;
    return true;
}

// Removal shifts back the entries after the hole that probed past it, so no tombstones build
// up however many blocks come and go.
void AddressSet::erase(const void* address) {
    std::size_t hole = find(address);
    if (hole == m_capacity) return;
    m_slots[hole] = nullptr;
    --m_count;
    for (std::size_t next = (hole + 1) & (m_capacity - 1); m_slots[next]; next = (next + 1) & (m_capacity - 1)) {
        std::size_t want = home(m_slots[next]);
        // The entry may move into the hole unless its home lies cyclically in (hole, next].
        bool homeBetween = hole < next ? (want > hole && want <= next) : (want > hole || want <= next);
        if (homeBetween) continue;
        m_slots[hole] = m_slots[next];
        m_slots[next] = nullptr;
        hole = next;
    }
}

}  // namespace ce::kernel
