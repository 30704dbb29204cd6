// Sort keys: a record's place in one sort order, and the comparison rules of the object
// store (direction, case folding, records without the property first or last, ties by
// creation).
#pragma once

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Record.h"

namespace ce::objstore {

// A sort property's value, reduced to what compares: numbers in `number` (signed ones sign
// extended, doubles by their bits), strings in `text` (case-folded when the order is).
struct SortValue {
    std::uint64_t number = 0;
    std::u16string text;
};

struct SortKey {
    CEOID oid = 0;  // OIDs only grow, so they give creation order
    bool present = false;
    SortValue value;
};

// The same, with the text borrowed: what an index compares without copying its keys out.
struct SortValueView {
    std::uint64_t number = 0;
    std::u16string_view text;
};

struct SortKeyView {
    CEOID oid = 0;
    bool present = false;
    SortValueView value;
};

inline SortValueView viewOf(const SortValue& value) {
    return {value.number, value.text};
}
inline SortKeyView viewOf(const SortKey& key) {
    return {key.oid, key.present, viewOf(key.value)};
}

// Strings by UTF-16 code unit: <0, 0 or >0. Four units at a time up to the first that
// differs, as keys in an order mostly share their start.
inline int compareText(std::u16string_view a, std::u16string_view b) {
    static_assert(std::endian::native == std::endian::little, "the first differing unit is the lowest");
    size_t common = std::min(a.size(), b.size()), i = 0;
    for (; i + 4 <= common; i += 4) {
        std::uint64_t x, y;
        std::memcpy(&x, a.data() + i, 8);
        std::memcpy(&y, b.data() + i, 8);
        if (x != y) {
            i += static_cast<size_t>(std::countr_zero(x ^ y)) / 16;
            return a[i] < b[i] ? -1 : 1;
        }
    }
    for (; i < common; ++i)
        if (a[i] != b[i]) return a[i] < b[i] ? -1 : 1;
    return a.size() < b.size() ? -1 : (b.size() < a.size() ? 1 : 0);
}

class KeyOrder {
public:
    // Property id 0 is creation order.
    explicit KeyOrder(SORTORDERSPEC order = {0, 0});

    CEPROPID propid() const { return m_spec.propid; }
    DWORD flags() const { return m_spec.dwFlags; }
    bool isCreationOrder() const { return m_spec.propid == 0; }
    bool isText() const { return TypeFromPropID(m_spec.propid) == CEVT_LPWSTR; }
    bool isDescending() const { return (m_spec.dwFlags & CEDB_SORT_DESCENDING) != 0; }

    SortKey keyOf(CEOID oid, const Record& record) const;
    // The value of a seek's CEPROPVAL; nothing when it is not of the sort property.
    std::optional<SortValue> probeOf(const CEPROPVAL& value) const;

    // Full order of two keys: <0, 0 (same record) or >0.
    int compare(const SortKeyView& a, const SortKeyView& b) const;
    // The same for two keys of a string order that both have the property, from their text
    // and OIDs alone: what loading a million keys checks them with.
    int compareTextKeys(std::u16string_view a, CEOID aOid, std::u16string_view b, CEOID bOid) const {
        if (int byText = compareText(a, b)) return isDescending() ? -byText : byText;
        return aOid < bOid ? -1 : (bOid < aOid ? 1 : 0);
    }
    int compare(const SortKey& a, const SortKey& b) const { return compare(viewOf(a), viewOf(b)); }
    // A key against a seek value, ignoring creation order. Keys without the property sit
    // where the order puts them (before or after every value).
    int compareToValue(const SortKeyView& key, const SortValueView& value) const;
    int compareToValue(const SortKey& key, const SortValue& value) const {
        return compareToValue(viewOf(key), viewOf(value));
    }
    // Whether keys without the property come before every value (rather than after).
    bool missingFirst() const { return missingSide() < 0; }
    // Puts in `bytes` what a record stores for this key's value, when the key keeps it whole
    // (not a BOOL, kept as true or false, nor a case-folded string); false otherwise.
    bool storedBytes(const SortValueView& value, std::vector<BYTE>& bytes) const;

private:
    int compareValues(const SortValueView& a, const SortValueView& b) const;
    int missingSide() const;
    SortValue valueOf(const BYTE* data, size_t size) const;

    SORTORDERSPEC m_spec;
};

}  // namespace ce::objstore
