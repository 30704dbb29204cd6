// Accelerator tables behind HACCEL handles: the entries TranslateAcceleratorW matches keys
// against.
#pragma once

#include <memory>
#include <vector>

#include "winuser.h"

namespace ce::res {

class AcceleratorTable {
public:
    explicit AcceleratorTable(std::vector<ACCEL> entries) : m_entries(std::move(entries)) {}

    // Null when no handle is left.
    static HACCEL add(std::unique_ptr<AcceleratorTable> table);
    // Null, with ERROR_INVALID_HANDLE, for a stale or unknown handle.
    static AcceleratorTable* find(HACCEL table);

    const std::vector<ACCEL>& entries() const { return m_entries; }

private:
    std::vector<ACCEL> m_entries;
};

// The table's entries in resource order; null, with ERROR_INVALID_HANDLE, for a bad handle.
const std::vector<ACCEL>* acceleratorEntries(HACCEL table);

}  // namespace ce::res
