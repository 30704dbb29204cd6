// A list item for the tests that counts its deletions.
#pragma once

#include <cstdint>

#include "records/CeDbListItem.h"

namespace nevo_test {

class CountedItem : public Nevo::CeDbListItem {
public:
    explicit CountedItem(Nevo::Template* shape) : CeDbListItem(shape, 0) {}
    ~CountedItem() override { ++c_deleted; }
    void draw(const DRAWITEMSTRUCT*) override {}
    inline static int c_deleted = 0;
};

inline const void* number(uintptr_t value) {
    return reinterpret_cast<const void*>(value);
}

}  // namespace nevo_test
