// Records: the value bytes of each property type, the write rules (replace, keep, delete)
// and the record encoding kept in the volume file.
#include "Record.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace ce::objstore {

namespace {

constexpr std::uint64_t c_recordOverhead = 20;
constexpr std::uint64_t c_propertyOverhead = 4;

template <class T>
std::vector<BYTE> bytesOf(const T& value) {
    std::vector<BYTE> bytes(sizeof(T));
    std::memcpy(bytes.data(), &value, sizeof(T));
    return bytes;
}

std::optional<std::vector<BYTE>> stringBytes(const WCHAR* text) {
    if (!text) return std::nullopt;
    size_t units = std::char_traits<WCHAR>::length(text) + 1;
    std::vector<BYTE> bytes(units * sizeof(WCHAR));
    std::memcpy(bytes.data(), text, bytes.size());
    return bytes;
}

std::optional<std::vector<BYTE>> blobBytes(const CEBLOB& blob) {
    if (!blob.lpb && blob.dwCount) return std::nullopt;
    if (blob.dwCount > CEDB_MAXPROPDATASIZE) return std::nullopt;
    return std::vector<BYTE>(blob.lpb, blob.lpb + blob.dwCount);
}

std::optional<std::vector<BYTE>> rawValueBytes(const CEPROPVAL& value) {
    switch (TypeFromPropID(value.propid)) {
    case CEVT_I2:
    case CEVT_UI2: return bytesOf(value.val.uiVal);
    case CEVT_I4:
    case CEVT_UI4: return bytesOf(value.val.ulVal);
    case CEVT_BOOL: return bytesOf(value.val.boolVal);
    case CEVT_R8: return bytesOf(value.val.dblVal);
    case CEVT_FILETIME: return bytesOf(value.val.filetime);
    case CEVT_LPWSTR: return stringBytes(value.val.lpwstr);
    case CEVT_BLOB: return blobBytes(value.val.blob);
    default: return std::nullopt;
    }
}

Property* findMutable(Record& record, CEPROPID propid) {
    for (Property& property : record.properties)
        if (property.propid == propid) return &property;
    return nullptr;
}

void removeProperty(Record& record, CEPROPID propid) {
    std::erase_if(record.properties, [propid](const Property& p) { return p.propid == propid; });
}

// What keeps stored bytes from being a value a write could have stored; empty when nothing.
// Readers rely on it: a string ends at its one terminator, a number has all its bytes.
std::string valueProblem(WORD type, std::span<const BYTE> data) {
    if (!isKnownType(type)) return "unknown type " + std::to_string(type);
    if (data.size() > CEDB_MAXPROPDATASIZE) return std::to_string(data.size()) + " bytes, more than a property holds";
    size_t size = fixedSize(type);
    if (size && data.size() != size)
        return std::to_string(data.size()) + " bytes for a value of " + std::to_string(size);
    if (type != CEVT_LPWSTR) return {};
    if (data.size() < sizeof(WCHAR) || data.size() % sizeof(WCHAR)) return "a string of " + std::to_string(data.size()) + " bytes";
    // Looked at in place: every read of a record comes here for each of its strings.
    size_t units = data.size() / sizeof(WCHAR);
    auto isNul = [&data](size_t unit) { return (data[unit * 2] | data[unit * 2 + 1]) == 0; };
    if (!isNul(units - 1)) return "a string without its terminator";
    for (size_t unit = 0; unit + 1 < units; ++unit)
        if (isNul(unit)) return "a string with a NUL inside";
    return {};
}

std::optional<Record> refused(std::string* problem, std::string why) {
    if (problem) *problem = std::move(why);
    return std::nullopt;
}

void appendWord(std::vector<BYTE>& out, std::uint32_t word) {
    BYTE bytes[4];
    std::memcpy(bytes, &word, 4);
    out.insert(out.end(), bytes, bytes + 4);
}

}  // namespace

std::string hexText(std::uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08x", value);
    return text;
}

const Property* Record::find(CEPROPID propid) const {
    for (const Property& property : properties)
        if (property.propid == propid) return &property;
    return nullptr;
}

std::uint64_t Record::size() const {
    std::uint64_t total = c_recordOverhead;
    for (const Property& property : properties) total += c_propertyOverhead + property.data.size();
    return total;
}

size_t fixedSize(WORD type) {
    switch (type) {
    case CEVT_I2:
    case CEVT_UI2: return 2;
    case CEVT_I4:
    case CEVT_UI4: return 4;
    case CEVT_BOOL: return sizeof(BOOL);
    case CEVT_R8:
    case CEVT_FILETIME: return 8;
    default: return 0;
    }
}

bool isKnownType(WORD type) {
    switch (type) {
    case CEVT_I2:
    case CEVT_I4:
    case CEVT_R8:
    case CEVT_BOOL:
    case CEVT_UI2:
    case CEVT_UI4:
    case CEVT_LPWSTR:
    case CEVT_FILETIME:
    case CEVT_BLOB: return true;
    default: return false;
    }
}

std::optional<std::vector<BYTE>> valueBytes(const CEPROPVAL& value) {
    auto bytes = rawValueBytes(value);
    if (!bytes || bytes->size() > CEDB_MAXPROPDATASIZE) return std::nullopt;
    return bytes;
}

bool isValidSortOrder(const SORTORDERSPEC& order) {
    // Every flag the handheld documents is kept (the comparison uses three of them); the
    // rest are reserved, and no database of ours can have them.
    constexpr DWORD c_knownFlags = 0x7FF;
    WORD type = TypeFromPropID(order.propid);
    return isKnownType(type) && type != CEVT_BLOB && (order.dwFlags & ~c_knownFlags) == 0;
}

bool applyWrite(Record& record, const CEPROPVAL* values, WORD count) {
    for (WORD i = 0; i < count; ++i) {
        const CEPROPVAL& value = values[i];
        if (!isKnownType(TypeFromPropID(value.propid))) return false;
        if (value.wFlags & CEDB_PROPDELETE) {
            removeProperty(record, value.propid);
            continue;
        }
        auto bytes = valueBytes(value);
        if (!bytes) return false;
        if (Property* existing = findMutable(record, value.propid))
            existing->data = std::move(*bytes);
        else
            record.properties.push_back({value.propid, std::move(*bytes)});
    }
    return record.size() <= CEDB_MAXRECORDSIZE;
}

std::vector<BYTE> encodeRecord(const Record& record) {
    std::vector<BYTE> out;
    for (const Property& property : record.properties) {
        appendWord(out, property.propid);
        appendWord(out, static_cast<std::uint32_t>(property.data.size()));
        out.insert(out.end(), property.data.begin(), property.data.end());
    }
    return out;
}

std::optional<Record> decodeRecord(std::span<const BYTE> bytes, std::string* problem, std::span<const CEPROPID> only) {
    Record record;
    // Records rarely hold many properties: their ids are checked for repeats on the stack.
    constexpr size_t c_onStack = 32;
    CEPROPID onStack[c_onStack];
    std::vector<CEPROPID> onHeap;
    size_t count = 0;
    size_t at = 0;
    // Room for every property at once, found from their headers; the decode below checks them.
    size_t expected = 0;
    for (size_t scan = 0; bytes.size() - scan >= 8; ++expected) {
        std::uint32_t length;
        std::memcpy(&length, bytes.data() + scan + 4, 4);
        if (length > bytes.size() - scan - 8) break;
        scan += 8 + length;
    }
    record.properties.reserve(only.empty() ? expected : std::min(expected, only.size()));
    std::uint64_t size = c_recordOverhead;
    while (at < bytes.size()) {
        if (bytes.size() - at < 8)
            return refused(problem, "cut short after " + std::to_string(record.properties.size()) + " properties");
        std::uint32_t propid, length;
        std::memcpy(&propid, bytes.data() + at, 4);
        std::memcpy(&length, bytes.data() + at + 4, 4);
        at += 8;
        // Named only when something is wrong: a sound record is decoded at every read.
        auto property = [propid] { return "property " + hexText(propid) + ": "; };
        if (length > bytes.size() - at)
            return refused(problem, property() + std::to_string(length) + " bytes of data where " +
                                        std::to_string(bytes.size() - at) + " are left");
        auto data = bytes.subspan(at, length);
        if (std::string why = valueProblem(TypeFromPropID(propid), data); !why.empty())
            return refused(problem, property() + why);
        if (only.empty() || std::find(only.begin(), only.end(), propid) != only.end())
            record.properties.push_back({propid, std::vector<BYTE>(data.begin(), data.end())});
        size += c_propertyOverhead + length;
        if (count == c_onStack) onHeap.assign(onStack, onStack + c_onStack);
        if (count < c_onStack)
            onStack[count] = propid;
        else
            onHeap.push_back(propid);
        ++count;
        at += length;
    }
    if (size > CEDB_MAXRECORDSIZE) return refused(problem, std::to_string(size) + " bytes, more than a record holds");
    CEPROPID* first = count <= c_onStack ? onStack : onHeap.data();
    CEPROPID* last = first + count;
    std::sort(first, last);
    if (CEPROPID* twice = std::adjacent_find(first, last); twice != last)
        return refused(problem, "property " + hexText(*twice) + " appears twice");
    return record;
}

}  // namespace ce::objstore
