// Records: the value bytes of each property type, the write rules (replace, keep, delete)
// and the record encoding kept in the volume file.
#include "Record.h"

#include <cstring>
#include <string>

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

void appendWord(std::vector<BYTE>& out, std::uint32_t word) {
    BYTE bytes[4];
    std::memcpy(bytes, &word, 4);
    out.insert(out.end(), bytes, bytes + 4);
}

}  // namespace

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

std::optional<Record> decodeRecord(std::span<const BYTE> bytes) {
    Record record;
    size_t at = 0;
    while (at < bytes.size()) {
        if (bytes.size() - at < 8) return std::nullopt;
        std::uint32_t propid, length;
        std::memcpy(&propid, bytes.data() + at, 4);
        std::memcpy(&length, bytes.data() + at + 4, 4);
        at += 8;
        if (length > bytes.size() - at || !isKnownType(TypeFromPropID(propid))) return std::nullopt;
        record.properties.push_back({propid, std::vector<BYTE>(bytes.begin() + at, bytes.begin() + at + length)});
        at += length;
    }
    return record;
}

}  // namespace ce::objstore
