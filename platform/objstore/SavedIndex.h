// A sort order's index as the volume keeps it, so that a database of many records opens
// without reading every record. What is read back is checked before it is used: the keys
// must be as many as the database's records, in strictly rising order, each OID once, and
// the checksum must hold; otherwise the index is built from the records again.
//
// Layout, little-endian: a header (magic "OIX2", key count, text units, keys without the
// property, checksum of what follows), then each key in order as its OID (4 bytes) and its
// value (8 bytes: the number, or for a string its length in UTF-16 units), then the strings'
// units one after another. Keys without the property come first or last, as the order
// puts them; their value is 0.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "OrderIndex.h"
#include "Volume.h"

namespace ce::objstore::savedindex {

// Smaller databases are indexed from their records each time they are first opened: that
// is quick, and saves nothing worth a write.
constexpr size_t c_savedFrom = 4096;

std::vector<BYTE> encode(const OrderIndex& index);
// Writes the checksum of saved keys into their header (encode does): for tools that make
// keys of their own.
void seal(std::vector<BYTE>& bytes);
// Fills `index` with the saved keys, `size` bytes that `read` reads; false, leaving it
// empty, unless they are a sound index of `records` keys in its order.
bool decode(const Volume::SavedReader& read, std::uint64_t size, std::uint64_t records, OrderIndex& index);

}  // namespace ce::objstore::savedindex
