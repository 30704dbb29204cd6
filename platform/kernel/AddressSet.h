// A set of block addresses kept in one flat table: what a heap needs to tell its own blocks
// from foreign or stale pointers without allocating a node for every block it hands out.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

// The set keeps addresses and never reads what they point to, which may not be written yet
// (a block just allocated): g++ is told so, or it warns of a read of uninitialized memory.
#if defined(__GNUC__) && !defined(__clang__)
#define CE_ADDRESS_ONLY [[gnu::access(none, 2)]]
#else
#define CE_ADDRESS_ONLY
#endif

namespace ce::kernel {

class AddressSet {
public:
    AddressSet() = default;
    AddressSet(const AddressSet&) = delete;
    AddressSet& operator=(const AddressSet&) = delete;

    // False when the table could not grow; the set is then as it was.
    CE_ADDRESS_ONLY bool insert(const void* address);
    CE_ADDRESS_ONLY void erase(const void* address);
    CE_ADDRESS_ONLY bool contains(const void* address) const;
    std::size_t size() const { return m_count; }

    template <class Visit>
    void forEach(Visit visit) const {
        for (std::size_t i = 0; i < m_capacity; ++i)
            if (m_slots[i]) visit(m_slots[i]);
    }

private:
    std::size_t home(const void* address) const;
    std::size_t find(const void* address) const;  // m_capacity when absent
    bool grow();

    // Linear probing; an empty slot is null. At most half the slots are used.
    std::unique_ptr<const void*[]> m_slots;
    std::size_t m_capacity = 0;
    std::size_t m_count = 0;
};

}  // namespace ce::kernel
