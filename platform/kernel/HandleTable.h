// A table of objects reached through handles. A handle is a slot index plus the slot's
// generation, so a handle that outlived its object (or was never issued) is refused rather
// than reaching whatever took the slot since. Values fit in 32 bits and are never 0 or -1.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

namespace ce {

template <class T>
class HandleTable {
public:
    // Stores the object and returns its handle value; 0 when the table is full.
    std::uintptr_t add(std::unique_ptr<T> object) {
        std::uint32_t index;
        if (!m_free.empty()) {
            index = m_free.back();
            m_free.pop_back();
        } else {
            if (m_slots.size() >= c_maxSlots) return 0;
            index = static_cast<std::uint32_t>(m_slots.size());
            m_slots.emplace_back();
        }
        Slot& slot = m_slots[index];
        slot.object = std::move(object);
        return encode(index, slot.generation);
    }

    // The object behind a handle, or null when the handle is stale or was never issued.
    T* find(std::uintptr_t handle) const {
        const Slot* slot = slotOf(handle);
        return slot ? slot->object.get() : nullptr;
    }

    // Takes the object out; the handle goes stale at once.
    std::unique_ptr<T> remove(std::uintptr_t handle) {
        Slot* slot = const_cast<Slot*>(slotOf(handle));
        if (!slot) return nullptr;
        std::unique_ptr<T> object = std::move(slot->object);
        slot->generation = slot->generation == c_maxGeneration ? 1 : slot->generation + 1;
        m_free.push_back(static_cast<std::uint32_t>(slot - m_slots.data()));
        return object;
    }

    // Every live object's handle, in slot order.
    std::vector<std::uintptr_t> handles() const {
        std::vector<std::uintptr_t> result;
        for (std::uint32_t i = 0; i < m_slots.size(); ++i)
            if (m_slots[i].object) result.push_back(encode(i, m_slots[i].generation));
        return result;
    }

private:
    struct Slot {
        std::unique_ptr<T> object;
        std::uint32_t generation = 1;
    };
    static constexpr std::uint32_t c_maxSlots = 0xFFFE;      // index + 1 fits in the low word
    static constexpr std::uint32_t c_maxGeneration = 0x7FFF;  // keeps the value below 2^31

    static std::uintptr_t encode(std::uint32_t index, std::uint32_t generation) {
        return (std::uintptr_t{generation} << 16) | (index + 1);
    }

    const Slot* slotOf(std::uintptr_t handle) const {
        std::uintptr_t low = handle & 0xFFFF;
        if (low == 0 || handle >> 31) return nullptr;
        std::uint32_t index = static_cast<std::uint32_t>(low - 1);
        if (index >= m_slots.size()) return nullptr;
        const Slot& slot = m_slots[index];
        if (!slot.object || slot.generation != (handle >> 16)) return nullptr;
        return &slot;
    }

    std::vector<Slot> m_slots;
    std::vector<std::uint32_t> m_free;
};

}  // namespace ce
