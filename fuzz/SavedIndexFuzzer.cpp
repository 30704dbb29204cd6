// Sort order indexes saved in a volume, read back as a new process reads them: the input's
// first byte picks the order, the rest is the saved keys, sealed with their checksum so
// that every other check is reached. What is accepted must be a sound index that saves
// back to the same bytes.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "objstore/SavedIndex.h"

namespace {

using ce::objstore::KeyOrder;
using ce::objstore::OrderIndex;

const SORTORDERSPEC c_orders[] = {
    {0, 0},
    {PROP_TAG(CEVT_I4, 1), 0},
    {PROP_TAG(CEVT_I4, 1), CEDB_SORT_DESCENDING | CEDB_SORT_UNKNOWNFIRST},
    {PROP_TAG(CEVT_LPWSTR, 2), CEDB_SORT_CASEINSENSITIVE},
    {PROP_TAG(CEVT_LPWSTR, 2), CEDB_SORT_DESCENDING},
    {PROP_TAG(CEVT_R8, 3), 0},
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1 + 24) return 0;
    OrderIndex index{KeyOrder(c_orders[data[0] % std::size(c_orders)])};
    std::vector<BYTE> saved(data + 1, data + size);
    ce::objstore::savedindex::seal(saved);
    std::uint32_t records;
    std::memcpy(&records, saved.data() + 4, 4);
    auto read = [&](std::uint64_t offset, void* into, size_t bytes) {
        if (offset > saved.size() || bytes > saved.size() - offset) return false;
        std::memcpy(into, saved.data() + offset, bytes);
        return true;
    };
    if (!ce::objstore::savedindex::decode(read, saved.size(), records, index)) {
        if (index.size() != 0) std::abort();
        return 0;
    }
    if (index.size() != records) std::abort();
    for (size_t i = 0; i < index.size(); ++i)
        if (index.rankOfRecord(index.oidAt(i)) != i) std::abort();
    if (ce::objstore::savedindex::encode(index) != saved) std::abort();
    // Accepted keys take changes like built ones.
    if (index.size()) {
        ce::objstore::SortKey moved = index.at(index.size() / 2);
        moved.value.number ^= 0x5A5A;
        moved.value.text += u"x";
        index.insert(moved);
        index.erase(index.oidAt(0));
        for (size_t i = 0; i < index.size(); ++i)
            if (index.rankOfRecord(index.oidAt(i)) != i) std::abort();
    }
    return 0;
}
