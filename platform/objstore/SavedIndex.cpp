// Saving and checking sort order indexes kept in the volume.
#include "SavedIndex.h"

#include <bit>
#include <cstring>
#include <utility>

namespace ce::objstore::savedindex {

namespace {

constexpr std::uint32_t c_magic = 0x3158494F;  // "OIX1"
constexpr size_t c_headerSize = 24;
constexpr size_t c_keySize = 12;

void put(std::vector<BYTE>& bytes, size_t at, std::uint64_t value, size_t width) {
    for (size_t i = 0; i < width; ++i) bytes[at + i] = static_cast<BYTE>(value >> (8 * i));
}

std::uint64_t get(std::span<const BYTE> bytes, size_t at, size_t width) {
    std::uint64_t value = 0;
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(&value, bytes.data() + at, width);
        return value;
    }
    for (size_t i = 0; i < width; ++i) value |= std::uint64_t{bytes[at + i]} << (8 * i);
    return value;
}

// Catches a damaged or cut-short save; it is no defence against a made-up one, which at
// worst shows the records in a wrong order.
std::uint64_t checksumOf(std::span<const BYTE> bytes) {
    std::uint64_t sum = 0x6A09E667F3BCC908ull;
    size_t at = 0;
    for (; at + 8 <= bytes.size(); at += 8) {
        std::uint64_t word;
        std::memcpy(&word, bytes.data() + at, 8);
        sum = (sum ^ word) * 0x9E3779B97F4A7C15ull;
        sum ^= sum >> 29;
    }
    for (; at < bytes.size(); ++at) sum = (sum ^ bytes[at]) * 0x100000001B3ull;
    return sum;
}

}  // namespace

std::vector<BYTE> encode(const OrderIndex& index) {
    size_t units = 0, missing = 0;
    index.forEachInOrder([&](const SortKeyView& key) {
        units += key.value.text.size();
        missing += !key.present;
    });
    size_t textAt = c_headerSize + index.size() * c_keySize;
    std::vector<BYTE> bytes(textAt + units * sizeof(char16_t));
    put(bytes, 0, c_magic, 4);
    put(bytes, 4, index.size(), 4);
    put(bytes, 8, units, 4);
    put(bytes, 12, missing, 4);
    size_t at = c_headerSize, text = textAt;
    bool isText = index.order().isText();
    index.forEachInOrder([&](const SortKeyView& key) {
        put(bytes, at, key.oid, 4);
        put(bytes, at + 4, !key.present ? 0 : isText ? key.value.text.size() : key.value.number, 8);
        at += c_keySize;
        for (char16_t unit : key.value.text) put(bytes, std::exchange(text, text + 2), unit, 2);
    });
    put(bytes, 16, checksumOf(std::span<const BYTE>(bytes).subspan(c_headerSize)), 8);
    return bytes;
}

bool decode(std::span<const BYTE> bytes, std::uint64_t records, OrderIndex& index) {
    index.startBuild(0);
    if (bytes.size() < c_headerSize || get(bytes, 0, 4) != c_magic) return false;
    std::uint64_t count = get(bytes, 4, 4), units = get(bytes, 8, 4), missing = get(bytes, 12, 4);
    if (count != records || missing > count) return false;
    if (bytes.size() != c_headerSize + count * c_keySize + units * sizeof(char16_t)) return false;
    if (get(bytes, 16, 8) != checksumOf(bytes.subspan(c_headerSize))) return false;
    const KeyOrder& order = index.order();
    if (order.isCreationOrder() && missing != count) return false;
    if (!order.isText() && units) return false;
    // The strings are copied out once, aligned, and the keys borrow them while they are added.
    std::vector<char16_t> text(units);
    size_t textAt = c_headerSize + count * c_keySize;
    for (size_t i = 0; i < units; ++i) text[i] = static_cast<char16_t>(get(bytes, textAt + 2 * i, 2));
    index.startBuild(count);
    std::uint64_t used = 0;
    size_t firstPresent = order.missingFirst() ? missing : 0;
    for (size_t i = 0; i < count; ++i) {
        size_t at = c_headerSize + i * c_keySize;
        SortKeyView key;
        key.oid = static_cast<CEOID>(get(bytes, at, 4));
        key.present = i >= firstPresent && i < firstPresent + (count - missing);
        std::uint64_t value = get(bytes, at + 4, 8);
        if (!key.present && value) return index.startBuild(0), false;
        if (key.present && order.isText()) {
            if (value > units - used) return index.startBuild(0), false;
            key.value.text = std::u16string_view(text.data() + used, value);
            used += value;
        } else if (key.present) {
            key.value.number = value;
        }
        index.add(key);
    }
    return used == units && index.finishBuild(true);
}

}  // namespace ce::objstore::savedindex
