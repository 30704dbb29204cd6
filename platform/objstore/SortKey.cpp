// Sort keys and their comparison: numbers by value with their sign, FILETIMEs unsigned,
// BOOL false before true, strings by UTF-16 code unit (case-folded when asked).
#include "SortKey.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "Record.h"
#include "cewchar.h"

namespace ce::objstore {

namespace {

template <class T>
T load(const BYTE* data, size_t size) {
    T value{};
    std::memcpy(&value, data, std::min(size, sizeof(T)));
    return value;
}

int sign(bool less, bool greater) {
    return less ? -1 : (greater ? 1 : 0);
}

template <class T>
int compareAs(std::uint64_t a, std::uint64_t b) {
    T x = static_cast<T>(a), y = static_cast<T>(b);
    return sign(x < y, y < x);
}

// Any record may hold a NaN. Compared as unordered it would equal every number, and no
// order could hold them all: NaNs come after every number, equal to each other.
int compareDoubles(std::uint64_t a, std::uint64_t b) {
    double x, y;
    std::memcpy(&x, &a, 8);
    std::memcpy(&y, &b, 8);
    bool xNan = std::isnan(x), yNan = std::isnan(y);
    if (xNan || yNan) return sign(!xNan, !yNan);
    return sign(x < y, y < x);
}

}  // namespace

KeyOrder::KeyOrder(SORTORDERSPEC order) : m_spec(order) {}

SortValue KeyOrder::valueOf(const BYTE* data, size_t size) const {
    SortValue value;
    switch (TypeFromPropID(m_spec.propid)) {
    case CEVT_I2: value.number = static_cast<std::uint64_t>(std::int64_t{load<SHORT>(data, size)}); break;
    case CEVT_I4: value.number = static_cast<std::uint64_t>(std::int64_t{load<LONG>(data, size)}); break;
    case CEVT_UI2: value.number = load<USHORT>(data, size); break;
    case CEVT_UI4: value.number = load<ULONG>(data, size); break;
    case CEVT_BOOL: value.number = load<BOOL>(data, size) != 0; break;
    case CEVT_R8:
    case CEVT_FILETIME: value.number = load<std::uint64_t>(data, size); break;
    case CEVT_LPWSTR: {
        size_t units = size / sizeof(WCHAR);
        value.text.resize(units);
        std::memcpy(value.text.data(), data, units * sizeof(WCHAR));
        while (!value.text.empty() && value.text.back() == 0) value.text.pop_back();
        if (m_spec.dwFlags & CEDB_SORT_CASEINSENSITIVE)
            for (WCHAR& c : value.text) c = towlower(c);
        break;
    }
    default: break;
    }
    return value;
}

SortKey KeyOrder::keyOf(CEOID oid, const Record& record) const {
    SortKey key;
    key.oid = oid;
    if (isCreationOrder()) return key;
    if (const Property* property = record.find(m_spec.propid)) {
        key.present = true;
        key.value = valueOf(property->data.data(), property->data.size());
    }
    return key;
}

std::optional<SortValue> KeyOrder::probeOf(const CEPROPVAL& value) const {
    if (isCreationOrder() || value.propid != m_spec.propid) return std::nullopt;
    auto bytes = valueBytes(value);
    if (!bytes) return std::nullopt;
    return valueOf(bytes->data(), bytes->size());
}

bool KeyOrder::storedBytes(const SortValueView& value, std::vector<BYTE>& bytes) const {
    WORD type = TypeFromPropID(m_spec.propid);
    if (type == CEVT_LPWSTR) {
        if (m_spec.dwFlags & CEDB_SORT_CASEINSENSITIVE) return false;
        // A stored string ends at its one terminator, which the key leaves out.
        const auto* text = reinterpret_cast<const BYTE*>(value.text.data());
        bytes.assign(text, text + value.text.size() * sizeof(char16_t));
        bytes.insert(bytes.end(), sizeof(char16_t), 0);
        return true;
    }
    // A number is kept whole, in its low bytes; a BOOL only as true or false.
    size_t size = type == CEVT_BOOL ? 0 : fixedSize(type);
    if (!size) return false;
    const auto* number = reinterpret_cast<const BYTE*>(&value.number);
    bytes.assign(number, number + size);
    return true;
}

int KeyOrder::compareValues(const SortValueView& a, const SortValueView& b) const {
    int result = 0;
    switch (TypeFromPropID(m_spec.propid)) {
    case CEVT_I2:
    case CEVT_I4: result = compareAs<std::int64_t>(a.number, b.number); break;
    case CEVT_R8: result = compareDoubles(a.number, b.number); break;
    case CEVT_LPWSTR: result = compareText(a.text, b.text); break;
    default: result = compareAs<std::uint64_t>(a.number, b.number); break;
    }
    result = sign(result < 0, result > 0);
    return (m_spec.dwFlags & CEDB_SORT_DESCENDING) ? -result : result;
}

int KeyOrder::missingSide() const {
    return (m_spec.dwFlags & CEDB_SORT_UNKNOWNFIRST) ? -1 : 1;
}

int KeyOrder::compare(const SortKeyView& a, const SortKeyView& b) const {
    if (a.present != b.present) return a.present ? -missingSide() : missingSide();
    if (a.present && isText()) return compareTextKeys(a.value.text, a.oid, b.value.text, b.oid);
    if (a.present) {
        if (int byValue = compareValues(a.value, b.value)) return byValue;
    }
    return sign(a.oid < b.oid, b.oid < a.oid);
}

int KeyOrder::compareToValue(const SortKeyView& key, const SortValueView& value) const {
    if (!key.present) return missingSide();
    return compareValues(key.value, value);
}

}  // namespace ce::objstore
