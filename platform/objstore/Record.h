// A record as the engine holds it: typed properties with their values' bytes, their
// encoding in the volume file, and the size and limit rules of the object store.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "windbase.h"

namespace ce::objstore {

struct Property {
    CEPROPID propid = 0;
    std::vector<BYTE> data;  // the value as stored: numbers little-endian, strings UTF-16
                             // with their terminator, BLOBs as given
};

struct Record {
    std::vector<Property> properties;  // in the order they were first written

    const Property* find(CEPROPID propid) const;
    // Bytes the record counts for in its database's size: 20, 4 per property, the data.
    std::uint64_t size() const;
};

// "0x0000002a": how messages name OIDs and property ids.
std::string hexText(std::uint32_t value);

bool isKnownType(WORD type);
// The stored size of a fixed-size type's value (little-endian, as written); 0 for strings
// and BLOBs.
size_t fixedSize(WORD type);
// A sort order the store can keep: a known type other than BLOB, and only the flags it
// implements (descending, case-insensitive, unknown-first).
bool isValidSortOrder(const SORTORDERSPEC& order);
// The stored bytes of a written value; nothing for an unknown type, a null string or BLOB
// address, or data over the per-property limit.
std::optional<std::vector<BYTE>> valueBytes(const CEPROPVAL& value);
// Applies a write's values to a record: replaces or adds each, removes CEDB_PROPDELETE ones.
// False (ERROR_INVALID_PARAMETER) when a value is invalid or the record grows past its limit.
bool applyWrite(Record& record, const CEPROPVAL* values, WORD count);

std::vector<BYTE> encodeRecord(const Record& record);
// Nothing when the bytes are not a record encodeRecord could have written (the file may be
// damaged or crafted); `problem`, when given, then says what is wrong.
// With `only`, every property is checked but just those are kept.
std::optional<Record> decodeRecord(std::span<const BYTE> bytes, std::string* problem = nullptr,
                                   std::span<const CEPROPID> only = {});

}  // namespace ce::objstore
