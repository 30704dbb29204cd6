// One typed property value owned by cedb, and its conversion to and from the CEPROPVAL the
// object store calls take.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "windbase.h"

namespace cedb {

struct PropertyValue {
    CEPROPID propid = 0;
    std::int64_t integer = 0;  // I2, I4, UI2, UI4, and BOOL as 0 or 1
    double real = 0;           // R8
    std::uint64_t ticks = 0;   // FILETIME
    std::u16string text;       // LPWSTR
    std::vector<BYTE> bytes;   // BLOB

    WORD type() const { return TypeFromPropID(propid); }
    // Bytes the store keeps for the value: a string's with its terminator.
    std::size_t dataSize() const;
    // The value as the calls take it; it points into this object's text and bytes.
    CEPROPVAL toPropVal() const;
    static PropertyValue fromPropVal(const CEPROPVAL& value);
    bool operator==(const PropertyValue&) const = default;
};

using RecordImage = std::vector<PropertyValue>;

// A database as cedb reads, checks and writes it: header and records in creation order.
struct DatabaseImage {
    std::u16string name;
    DWORD type = 0;
    std::vector<SORTORDERSPEC> sortOrders;
    std::vector<RecordImage> records;
};

}  // namespace cedb
