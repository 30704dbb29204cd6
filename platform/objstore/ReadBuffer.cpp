// Read results laid out in the caller's buffer, and the buffer's growth when the caller
// allows it.
#include "ReadBuffer.h"

#include <algorithm>
#include <cstring>

#include "winbase.h"

namespace ce::objstore {

namespace {

constexpr size_t c_alignment = 8;

size_t aligned(size_t bytes) {
    return (bytes + c_alignment - 1) & ~(c_alignment - 1);
}

bool pointsToData(WORD type) {
    return type == CEVT_LPWSTR || type == CEVT_BLOB;
}

}  // namespace

DWORD readSize(const std::vector<ReadItem>& items) {
    size_t total = items.size() * sizeof(CEPROPVAL);
    for (const ReadItem& item : items)
        if (item.property && pointsToData(TypeFromPropID(item.propid))) total += aligned(item.property->data.size());
    return static_cast<DWORD>(total);
}

void fillRead(BYTE* buffer, const std::vector<ReadItem>& items) {
    auto* values = reinterpret_cast<CEPROPVAL*>(buffer);
    BYTE* data = buffer + items.size() * sizeof(CEPROPVAL);
    for (size_t i = 0; i < items.size(); ++i) {
        CEPROPVAL value{};
        value.propid = items[i].propid;
        const Property* property = items[i].property;
        WORD type = TypeFromPropID(value.propid);
        if (!property) {
            value.wFlags = CEDB_PROPNOTFOUND;
        } else if (pointsToData(type)) {
            // An empty BLOB has no bytes to copy and may have no storage at all.
            if (!property->data.empty()) std::memcpy(data, property->data.data(), property->data.size());
            if (type == CEVT_LPWSTR) {
                value.val.lpwstr = reinterpret_cast<LPWSTR>(data);
            } else {
                value.val.blob.dwCount = static_cast<DWORD>(property->data.size());
                value.val.blob.lpb = data;
            }
            data += aligned(property->data.size());
        } else {
            std::memcpy(&value.val, property->data.data(), std::min(property->data.size(), sizeof(value.val)));
        }
        std::memcpy(&values[i], &value, sizeof value);
    }
}

bool growReadBuffer(LPBYTE* buffer, DWORD bytes, HANDLE heap) {
    void* grown;
    if (heap)
        grown = *buffer ? HeapReAlloc(heap, 0, *buffer, bytes) : HeapAlloc(heap, 0, bytes);
    else
        grown = *buffer ? LocalReAlloc(*buffer, bytes, LMEM_MOVEABLE) : LocalAlloc(LMEM_FIXED, bytes);
    if (!grown) return false;
    *buffer = static_cast<LPBYTE>(grown);
    return true;
}

}  // namespace ce::objstore
